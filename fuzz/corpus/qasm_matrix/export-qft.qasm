OPENQASM 2.0;
include "qelib1.inc";
// Written by Selvaris. q[1] is the top wire (the high-order bit of the state index),
// q[0] the bottom wire, so a reader that numbers qubits little-endian gets the target.
// target = s * U with s = 2; this circuit is U.
// U = F0 x ... x F7 / s: the factors apply from F7 back to F0.
qreg q[2];
// F7 remainder: diagonal
cu1(3.141592653589793) q[1],q[0];
// F6 org_gate: diagonal
cu1(1.5707963267948966) q[1],q[0];
// F5 2_3_b: two-level gate on states 2 and 3
cu3(1.5707963267948968,-1.5707963267948966,-1.5707963267948966) q[1],q[0];
// F4 1_3_b: two-level gate on states 1 and 3
cu3(1.9106332362490184,0,3.141592653589793) q[0],q[1];
// F3 2_3_a: two-level gate on states 2 and 3
cu3(1.0471975511965979,3.141592653589793,3.141592653589793) q[1],q[0];
// F2 0_1_b: two-level gate on states 0 and 1
x q[1];
cu3(1.0471975511965979,0,3.141592653589793) q[1],q[0];
x q[1];
// F1 0_2_b: two-level gate on states 0 and 2
x q[0];
cu3(1.9106332362490184,0,3.141592653589793) q[0],q[1];
x q[0];
// F0 2_3_b: two-level gate on states 2 and 3
cu3(1.5707963267948966,0,3.141592653589793) q[1],q[0];
