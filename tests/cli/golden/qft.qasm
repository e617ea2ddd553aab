OPENQASM 2.0;
include "qelib1.inc";
// Written by Selvaris. q[1] is the top wire (the high-order bit of the state index),
// q[0] the bottom wire, so a reader that numbers qubits little-endian gets the target.
// target = s * U with s = 1; this circuit is U.
// U = F0 x ... x F7 / s: the factors apply from F7 back to F0.
qreg q[2];
// F7 remainder: diagonal
cu1(1.5707963267948961) q[1],q[0];
// F6 org_gate: identity
// F5 2_3_b: two-level gate on states 2 and 3
u1(3.141592653589793) q[1];
cu3(1.5707963267948966,3.141592653589793,-0) q[1],q[0];
// F4 1_3_b: two-level gate on states 1 and 3
u1(-1.5707963267948966) q[0];
cu3(1.9106332362490186,1.5707963267948966,-1.5707963267948966) q[0],q[1];
// F3 2_3_a: two-level gate on states 2 and 3
u1(-2.356194490192345) q[1];
cu3(1.8234765819369754,-1.1071487177940904,-0.46364760900080615) q[1],q[0];
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
