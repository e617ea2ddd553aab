OPENQASM 2.0;
include "qelib1.inc";
// Written by Selvaris. q[1] is the top wire (the high-order bit of the state index),
// q[0] the bottom wire, so a reader that numbers qubits little-endian gets the target.
// target = s * U with s = 1; this circuit is U.
// U = F0 x ... x F7 / s: the factors apply from F7 back to F0.
qreg q[2];
// F7 remainder: diagonal
cu1(-1.7448245941526694) q[1],q[0];
// F6 org_gate: diagonal
cu1(1.5707963267948966) q[1],q[0];
// F5 2_3_b: two-level gate on states 2 and 3
u1(0.3146168151404903) q[1];
cu3(2.0641918174703076,0.6350668489539106,1.8772921743549023) q[1],q[0];
// F4 1_3_b: two-level gate on states 1 and 3
u1(2.707381229944985) q[0];
cu3(2.6524044393961175,-2.707381229944985,0.4342114236448076) q[0],q[1];
// F3 2_3_a: two-level gate on states 2 and 3
u1(-0.14283209349004877) q[1];
cu3(0.6744345958460257,-1.5078733131035866,1.7935375000836844) q[1],q[0];
// F2 0_1_b: two-level gate on states 0 and 1
x q[1];
cu3(1.593582998613809,-1.0011814071905814,-2.140411246399212) q[1],q[0];
x q[1];
// F1 0_2_b: two-level gate on states 0 and 2
x q[0];
u1(2.7828212556959926) q[0];
cu3(2.7646039423227777,-2.7828212556959926,0.3587713978938005) q[0],q[1];
x q[0];
// F0 2_3_b: two-level gate on states 2 and 3
u1(-1.1013479208731478) q[1];
cu3(1.6251986039176,-2.849196345844269,1.9102995340007718) q[1],q[0];
