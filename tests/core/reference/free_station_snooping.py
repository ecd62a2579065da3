#!/usr/bin/env python3
"""Reference values for the desktop free-station test (tests/gui/tst_adjust_commands.cpp),
worked without the program: the free station of free_station.py with the backsight row's
direction to A, exact readings except a blunder of 20" in the direction to B. The observation
equations are written out by hand, solved with plain lists (Gauss-Jordan) and iterated; then
for every observation the redundancy r = p * Qvv and the standardized residual
w = v / (sigma * sqrt(r)), Qvv = Qll - A Q A'."""
from math import atan2, hypot, sqrt, pi
from gauss_jordan import solve

rho = 180 * 3600 / pi
known = {"A": (1100.0, 2000.0), "B": (1000.0, 2150.0), "C": (900.0, 1950.0)}
blunder = 20.0
obs = {"A": (0.0, 100.0), "B": (90 * 3600 + blunder, 150.0),
       "C": (atan2(-50.0, -100.0) % (2 * pi) * rho, hypot(100.0, 50.0))}
sd_dir = 2.0 / rho
def sd_dist(d): return 0.002 + 2e-6 * d


def equations(x):
    rows = []
    for name, (n, e) in known.items():
        dn, de = n - x[0], e - x[1]; d2 = dn * dn + de * de; d = sqrt(d2)
        r_obs, d_obs = obs[name]
        l = (r_obs / rho - (atan2(de, dn) - x[2]) + pi) % (2 * pi) - pi
        rows.append(([de / d2, -dn / d2, -1.0], l, sd_dir, "dir " + name))
        rows.append(([-dn / d, -de / d, 0.0], d_obs - d, sd_dist(d), "dist " + name))
        if name == "A":
            rows.append(([de / d2, -dn / d2, -1.0], l, sd_dir, "bs " + name))
    return rows

x = [1000.0, 2000.0, 0.0]
for it in range(20):
    rows = equations(x)
    N = [[sum(r[0][i] * r[0][j] / r[2] ** 2 for r in rows) for j in range(3)] for i in range(3)]
    u = [sum(r[0][i] * r[1] / r[2] ** 2 for r in rows) for i in range(3)]
    dx, Q = solve(N, u)
    x = [a + b for a, b in zip(x, dx)]
    if max(abs(dx[0]), abs(dx[1])) < 1e-10: break
print("station N %.5f E %.5f  w %.3f\"" % (x[0], x[1], x[2] * rho))
for a, l, s, name in equations(x):
    v = -l  # adjusted - observed at the solution
    qvv = s * s - sum(a[i] * Q[i][j] * a[j] for i in range(3) for j in range(3))
    r = qvv / (s * s)
    print("  %-7s v %+.4f %s  r %.4f  w %+.3f" % (name, v * (rho if "dist" not in name else 1e3),
                                                   '"' if "dist" not in name else "mm", r, v / (s * sqrt(r))))
