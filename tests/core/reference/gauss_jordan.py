"""The reference scripts' one solver: the normal equations n x = b by Gauss-Jordan elimination
with row pivoting, on plain lists, so that nothing of the program or of a numerical library
stands between the hand-written equations and their numbers. Gives x and the inverse of n
(the cofactors)."""


def solve(n, b):
    k = len(n)
    m = [row[:] + [b[i]] + [1.0 if j == i else 0.0 for j in range(k)] for i, row in enumerate(n)]
    for c in range(k):
        p = max(range(c, k), key=lambda r: abs(m[r][c])); m[c], m[p] = m[p], m[c]
        piv = m[c][c]; m[c] = [v / piv for v in m[c]]
        for r in range(k):
            if r != c:
                f = m[r][c]; m[r] = [a - f * bb for a, bb in zip(m[r], m[c])]
    return [m[i][k] for i in range(k)], [m[i][k + 1:] for i in range(k)]
