#!/usr/bin/env python3
"""Reference values for the weighted known point (tests/core/tst_adjustment.cpp), worked
without the program. The free station of free_station.py (A, B, C known; S observes each by
direction and distance: A 6 mm long, B 4" off, C exact) with C no longer fixed but tied to its
known coordinates by sigma_C in N and in E: C becomes two more unknowns, and two pseudo-
observations N_C = 900, E_C = 1950 with weight 1/sigma_C^2 join the six readings.
The unknowns are (N_S, E_S, w, N_C, E_C). Iterated from S (1000, 2000, 0) and C at its known
place, solved with plain lists (Gauss-Jordan).
  free_station_weighted.py SIGMA_MM   the weighted case (e.g. 5)
  free_station_weighted.py free       C's readings only place C: S from A and B alone"""
import sys
from math import atan2, hypot, sqrt, pi
from gauss_jordan import solve

rho = 180 * 3600 / pi
fixed = {"A": (1100.0, 2000.0), "B": (1000.0, 2150.0)}
known_c = (900.0, 1950.0)
obs = {"A": (0.0, 100.006), "B": (90 * 3600 + 4.0, 150.0),
       "C": (atan2(-50.0, -100.0) % (2 * pi) * rho, hypot(100.0, 50.0))}
sd_dir = 2.0 / rho
def sd_dist(d): return 0.002 + 2e-6 * d
free = sys.argv[1] == "free"
sigma_c = None if free else float(sys.argv[1]) / 1000.0


# x = [N_S, E_S, w, N_C, E_C]
x = [1000.0, 2000.0, 0.0, known_c[0], known_c[1]]
for it in range(20):
    rows = []
    for name in ("A", "B", "C"):
        n, e = fixed[name] if name in fixed else (x[3], x[4])
        dn, de = n - x[0], e - x[1]; d2 = dn * dn + de * de; d = sqrt(d2)
        r_obs, d_obs = obs[name]
        l = (r_obs / rho - (atan2(de, dn) - x[2]) + pi) % (2 * pi) - pi
        # the target's coefficients are the station's turned round
        cn = [-de / d2, dn / d2] if name == "C" else [0.0, 0.0]
        rows.append(([de / d2, -dn / d2, -1.0] + cn, l, 1 / sd_dir ** 2))
        cd = [dn / d, de / d] if name == "C" else [0.0, 0.0]
        rows.append(([-dn / d, -de / d, 0.0] + cd, d_obs - d, 1 / sd_dist(d) ** 2))
    if not free:
        rows.append(([0, 0, 0, 1, 0], known_c[0] - x[3], 1 / sigma_c ** 2))
        rows.append(([0, 0, 0, 0, 1], known_c[1] - x[4], 1 / sigma_c ** 2))
    else:
        # without C's known place its readings only place C: drop them from S's problem
        rows = [r for r in rows if r[0][3] == 0 and r[0][4] == 0]
    k = 5 if not free else 3
    N = [[sum(r[0][i] * r[2] * r[0][j] for r in rows) for j in range(k)] for i in range(k)]
    u = [sum(r[0][i] * r[2] * r[1] for r in rows) for i in range(k)]
    dx, Q = solve(N, u)
    x = [a + b for a, b in zip(x, dx + [0.0] * (5 - k))]
    if max(abs(v) for i, v in enumerate(dx) if i != 2) < 1e-10: break
print("S N %.7f E %.7f  (moved %+.4f mm, %+.4f mm)" % (x[0], x[1], (x[0] - 1000) * 1e3, (x[1] - 2000) * 1e3))
print("sigma N_S %.4f mm  sigma E_S %.4f mm" % (sqrt(Q[0][0]) * 1e3, sqrt(Q[1][1]) * 1e3))
if not free:
    print("C N %.7f E %.7f  sigma N_C %.4f mm sigma E_C %.4f mm" % (x[3], x[4], sqrt(Q[3][3]) * 1e3, sqrt(Q[4][4]) * 1e3))
print("dof %d" % (len(rows) - k))
