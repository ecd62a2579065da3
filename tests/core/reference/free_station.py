#!/usr/bin/env python3
"""Reference values for the free-station tests (tests/core/tst_adjustment.cpp and
tests/cli/tst_cli_adjust.cpp), worked without the program: the observation equations of a
station (N, E) and its orientation w, written out by hand below, solved with plain lists
(Gauss-Jordan), iterated from (1000, 2000, 0).
  free_station.py            the core test: 6 mm and 4" errors
  free_station.py backsight  the command-line test: exact readings, plus the backsight row's
                             direction to A (PA = 0) as a second direction to A"""
import sys
from math import atan2, hypot, sqrt, pi, cos, sin
from gauss_jordan import solve
backsight = len(sys.argv) > 1 and sys.argv[1] == "backsight"

rho = 180 * 3600 / pi                      # seconds per radian
known = {"A": (1100.0, 2000.0), "B": (1000.0, 2150.0), "C": (900.0, 1950.0)}
# observed: direction (seconds of arc from 0), horizontal distance (m)
obs = {"A": (0.0, 100.000 if backsight else 100.006), "B": (90 * 3600 + (0.0 if backsight else 4.0), 150.0),
       "C": (atan2(-50.0, -100.0) % (2 * pi) * rho, hypot(100.0, 50.0))}
sd_dir = 2.0 / rho                         # 2"
def sd_dist(d): return 0.002 + 2e-6 * d    # 2 mm + 2 ppm


x = [1000.0, 2000.0, 0.0]
for it in range(10):
    rows = []
    for name, (n, e) in known.items():
        dn, de = n - x[0], e - x[1]; d2 = dn * dn + de * de; d = sqrt(d2)
        r_obs, d_obs = obs[name]
        comp = atan2(de, dn) - x[2]
        l = (r_obs / rho - comp + pi) % (2 * pi) - pi
        # d(direction)/d(Ns) = dE/D^2, d/d(Es) = -dN/D^2, d/dw = -1
        rows.append(([de / d2, -dn / d2, -1.0], l, 1 / sd_dir ** 2, "dir " + name))
        # d(distance)/d(Ns) = -dN/D, d/d(Es) = -dE/D
        rows.append(([-dn / d, -de / d, 0.0], d_obs - d, 1 / sd_dist(d) ** 2, "dist " + name))
        if backsight and name == "A":
            rows.append(([de / d2, -dn / d2, -1.0], l, 1 / sd_dir ** 2, "bs " + name))
    N = [[sum(r[0][i] * r[2] * r[0][j] for r in rows) for j in range(3)] for i in range(3)]
    u = [sum(r[0][i] * r[2] * r[1] for r in rows) for i in range(3)]
    dx, Q = solve(N, u)
    if it == 0:
        print("first step (hand linearisation at 1000, 2000, 0):")
        for r in rows: print("  %-7s a = [%.6e %.6e %.1f]  l = %.6e  p = %.6e" % (r[3], *r[0], r[1], r[2]))
        print("  N =", N); print("  A'Pl =", u); print("  x =", dx)
    x = [a + b for a, b in zip(x, dx)]
    if max(abs(dx[0]), abs(dx[1])) < 1e-9: break
print("station N %.5f E %.5f  w %.3f\"" % (x[0], x[1], x[2] * rho))
print("sigma N %.4f mm  sigma E %.4f mm  sigma w %.3f\"" % (sqrt(Q[0][0]) * 1e3, sqrt(Q[1][1]) * 1e3, sqrt(Q[2][2]) * rho))
print("Q_NE %.6e" % Q[0][1])
vtpv = 0
for name, (n, e) in known.items():
    dn, de = n - x[0], e - x[1]
    r_obs, d_obs = obs[name]
    v_dir = ((atan2(de, dn) - x[2]) - r_obs / rho + pi) % (2 * pi) - pi
    v_dis = hypot(dn, de) - d_obs
    vtpv += v_dir ** 2 / sd_dir ** 2 + v_dis ** 2 / sd_dist(hypot(dn, de)) ** 2
    print("  %s v_dir %.3f\"  v_dist %.3f mm" % (name, v_dir * rho, v_dis * 1e3))
print("vtpv %.5f dof %d" % (vtpv, len(rows) - 3))
