OPENQASM 2.0;
include "qelib1.inc";
// Written by Selvaris. q[1] is the top wire (the high-order bit of the state index),
// q[0] the bottom wire, so a reader that numbers qubits little-endian gets the target.
// target = s * U with s = 1; this circuit is U.
// U = F0 x ... x F7 / s: the factors apply from F7 back to F0.
qreg q[2];
// F7 remainder: diagonal
cu1(-1.9079943571741604) q[1],q[0];
// F6 org_gate: identity
// F5 2_3_b: two-level gate on states 2 and 3
u1(-2.6659632222559457) q[1];
cu3(1.5899914756781073,0.5766770855821997,1.6136567053398982) q[1],q[0];
// F4 1_3_b: two-level gate on states 1 and 3
u1(-0.09971014163178245) q[0];
cu3(2.527389781058385,0.09971014163178245,-3.041882511958011) q[0],q[1];
// F3 2_3_a: two-level gate on states 2 and 3
u1(2.6822050242073328) q[1];
cu3(1.164051047913442,-2.6405875765060753,-2.72382247190859) q[1],q[0];
// F2 0_1_b: two-level gate on states 0 and 1
x q[1];
cu3(1.128513552708425,-2.917279101891077,-0.22431355169871628) q[1],q[0];
x q[1];
// F1 0_2_b: two-level gate on states 0 and 2
x q[0];
u1(-3.072272331095185) q[0];
cu3(1.7758687934848751,3.072272331095185,-0.06932032249460818) q[0],q[1];
x q[0];
// F0 2_3_b: two-level gate on states 2 and 3
u1(1.9880491246494152) q[1];
cu3(1.4344175898147018,-0.5182167280552104,-0.3162888676538269) q[1],q[0];
