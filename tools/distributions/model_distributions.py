#!/usr/bin/python3
"""Writes assets/distributions.txt: participants by score for every contest year and class.

The contest's own figures are kept exactly: every table's highest score and its number of
participants without points, the whole row of 2000 class 11, the lowest (0-6) and highest
(90-100) pairs of 2006 class 3 and the highest pairs (108-120) of 2001 class 4. Every other
count is modelled: a bell-shaped curve whose centre and width depend on the class, with a
small seeded ripple, over the scores a test can give, cut at the table's highest score.

Run: /usr/bin/python3 tools/distributions/model_distributions.py > assets/distributions.txt
"""
import math
import random

# Highest score with a positive count, by year and class (the contest's figures).
TOP = {
    2000: {5: 111, 6: 115, 7: 106, 8: 100, 9: 106, 10: 109, 11: 112},
    2001: {3: 120, 4: 120, 5: 120, 6: 116, 7: 110, 8: 111, 9: 107, 10: 110, 11: 117},
    2002: {3: 120, 4: 116, 5: 120, 6: 120, 7: 120, 8: 120, 9: 120, 10: 114, 11: 120},
    2003: {3: 120, 4: 120, 5: 120, 6: 120, 7: 120, 8: 116, 9: 120, 10: 117, 11: 120},
    2004: {2: 100, 3: 100, 4: 120, 5: 120, 6: 116, 7: 120, 8: 120, 9: 120, 10: 115, 11: 120},
    2005: {2: 100, 3: 100, 4: 120, 5: 120, 6: 120, 7: 120, 8: 120, 9: 120, 10: 115, 11: 120},
    2006: {2: 100, 3: 100, 4: 120, 5: 120, 6: 120, 7: 120, 8: 120, 9: 117, 10: 116, 11: 120},
}

# Participants without points, by year and class (the contest's figures).
ZERO = {
    2000: {5: 11, 6: 2, 7: 1, 8: 1, 9: 0, 10: 2, 11: 0},
    2001: {3: 327, 4: 98, 5: 507, 6: 644, 7: 1088, 8: 1315, 9: 1616, 10: 1066, 11: 1100},
    2002: {3: 471, 4: 266, 5: 668, 6: 906, 7: 1466, 8: 1445, 9: 1784, 10: 1143, 11: 1300},
    2003: {3: 559, 4: 496, 5: 949, 6: 1028, 7: 1477, 8: 1327, 9: 1541, 10: 1298, 11: 1600},
    2004: {2: 1062, 3: 1283, 4: 1073, 5: 1058, 6: 1319, 7: 1656, 8: 1521, 9: 1961, 10: 1547,
           11: 1641},
    2005: {2: 1513, 3: 1581, 4: 1187, 5: 1475, 6: 1182, 7: 1410, 8: 1239, 9: 1391, 10: 1263,
           11: 1584},
    2006: {2: 1083, 3: 414, 4: 149, 5: 114, 6: 68, 7: 38, 8: 29, 9: 23, 10: 14, 11: 23},
}

ROW_2000_11 = """7:1 9:1 10:1 11:2 12:1 13:1 14:6 15:1 16:10 17:6 18:9 19:7 20:12 21:16 22:19
23:23 24:23 25:16 26:24 27:37 28:34 29:36 30:42 31:46 32:56 33:58 34:69 35:85 36:81 37:66
38:80 39:79 40:81 41:93 42:101 43:101 44:86 45:100 46:99 47:85 48:77 49:116 50:93 51:94 52:86
53:88 54:80 55:62 56:78 57:48 58:73 59:79 60:60 61:65 62:64 63:56 64:44 65:49 66:52 67:45
68:32 69:49 70:27 71:29 72:37 73:23 74:32 75:23 76:16 77:19 78:15 79:20 80:7 81:7 82:16
83:11 84:7 85:7 86:6 87:6 88:6 89:1 90:2 91:9 92:1 93:3 94:1 95:1 96:3 98:1 100:1 102:1
103:2 104:1 108:2 112:1"""

# Pairs known exactly within a range of scores: (year, class) -> (low, high, {score: count}).
KNOWN_RANGES = {
    (2006, 3): [(0, 6, {0: 414, 3: 280, 4: 139, 5: 90, 6: 305}),
                (90, 100, {90: 263, 91: 570, 92: 203, 93: 45, 94: 5, 95: 452, 96: 117,
                           97: 32, 100: 146})],
    (2001, 4): [(108, 120, {108: 4, 109: 1, 111: 4, 112: 4, 115: 1, 120: 1})],
}

# Modelled participants with points, by year (a middle class; others scaled). For 2000 every
# modelled class stays above class 11, whose whole table is the contest's and the smallest.
PARTICIPANTS = {2000: 4300, 2001: 24000, 2002: 33000, 2003: 42000, 2004: 52000, 2005: 58000,
                2006: 50000}


def possible_scores(top_of_test):
    """Scores a test can give: 3 up to the maximum, less those one to two points below it."""
    return [s for s in range(3, top_of_test + 1) if s not in (top_of_test - 1, top_of_test - 2)]


def parse_row(text):
    return {int(s): int(c) for s, c in (p.split(":") for p in text.split())}


def model(year, cls):
    top = TOP[year][cls]
    short = year >= 2004 and cls <= 3
    full = 100 if short else 120
    rng = random.Random(year * 100 + cls)
    total = PARTICIPANTS[year] * (0.75 + 0.1 * min(cls, 12 - cls) / 2)
    centre = (0.55 if short else 0.42 + 0.01 * (cls - 5)) * full
    width = 0.17 * full
    counts = {}
    for s in possible_scores(full):
        if s > top:
            break
        z = (s - centre) / width
        expected = total * math.exp(-z * z / 2) / (width * math.sqrt(2 * math.pi))
        value = round(expected * (1 + 0.12 * (rng.random() - 0.5)))
        if value > 0:
            counts[s] = value
    counts[top] = max(counts.get(top, 0), 1)
    for low, high, known in KNOWN_RANGES.get((year, cls), []):
        for s in [s for s in counts if low <= s <= high]:
            del counts[s]
        counts.update({s: c for s, c in known.items() if s > 0})
    # A thin tail: single participants fill gaps until the table has 90 pairs with points.
    gaps = [s for s in possible_scores(full) if s <= top and s not in counts
            and not any(lo <= s <= hi for lo, hi, _ in KNOWN_RANGES.get((year, cls), []))]
    gaps.sort(key=lambda s: abs(s - centre))
    while len(counts) + (ZERO[year][cls] > 0) < 90 and gaps:
        counts[gaps.pop(0)] = 1
    return counts


def main():
    print(__doc__.strip().replace("\n", "\n# ").join(["# ", ""]).replace("#  ", "# "))
    print("#")
    print("# Format: YEAR CLASS: score:count ... (scores without a pair have no participant).")
    for year in sorted(TOP):
        for cls in sorted(TOP[year]):
            counts = parse_row(ROW_2000_11) if (year, cls) == (2000, 11) else model(year, cls)
            if ZERO[year][cls] > 0:
                counts[0] = ZERO[year][cls]
            pairs = " ".join(f"{s}:{counts[s]}" for s in sorted(counts))
            print(f"{year} {cls}: {pairs}")


if __name__ == "__main__":
    main()
