OPENQASM 2.0;
qreg q[2];
gate g a { x a; }
opaque o a;
x q;
