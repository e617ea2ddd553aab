OPENQASM 2.0;
qreg r[2];
rz(-pi/2 + 2^3^2 * sqrt(2)/2) r[0];
u3(((1.5e-3 + .5) * 2E+1) / ln(exp(2)), -(-(sin(pi/6))), cos(0) - tan(1.)) r[1];
cu3(+2^-1, 1e300, -1e300) r[1], r[0];
