"""The E-Mach of a judged matrix, computed independently of KV: sums, the two
0-5 normalisations rounded to two decimals as displayed, then the score from
those rounded texts."""


def r2(x):
    return float(f"{x:.2f}")


def emach(matrix):
    """matrix[i][j]: judgement of factor i against factor j (None on the diagonal)."""
    n = len(matrix)
    rows = [sum(v for v in matrix[i] if v is not None) for i in range(n)]
    cols = [sum(matrix[i][j] for i in range(n) if matrix[i][j] is not None) for j in range(n)]
    rmin, rmax, cmin, cmax = min(rows), max(rows), min(cols), max(cols)
    norm_h = [r2(((rows[i] - rmin) / (rmax - rmin)) * 5) for i in range(n)]
    norm_v = [r2((5 * (cols[i] - cmin)) / (cmax - cmin)) for i in range(n)]
    return [r2(norm_v[i] / (norm_h[i] + 1) - 1) for i in range(n)]


if __name__ == "__main__":
    # The worked example: 4.00, 0.00, 0.40, -1.00.
    m = [[None, 5, 0.1, 0.1], [0.2, None, 5, 1], [10, 0.2, None, 0.1], [10, 1, 10, None]]
    assert emach(m) == [4.0, 0.0, 0.4, -1.0], emach(m)
    print("ok")
