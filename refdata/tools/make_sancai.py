#!/usr/bin/env python3
"""Build the three-talent tables of KelFile.dll.

    python3 refdata/tools/make_sancai.py [--check]

writes refdata/KelFile/sancai.tsv (grades) and refdata/KelFile/sancai2009.tsv
(readings).  With --check it writes nothing and exits 1 when a committed file
differs from what the sources give.  The reading pieces are in
refdata/tools/sancai/pieces.json; the grading rule is below and in
refdata/docs/sancai.md.
"""

import json
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
REFDATA = os.path.dirname(HERE)
OUT_GRADES = os.path.join(REFDATA, "KelFile", "sancai.tsv")
OUT_TEXTS = os.path.join(REFDATA, "KelFile", "sancai2009.tsv")
PIECES = os.path.join(HERE, "sancai", "pieces.json")

# The producing cycle: each element produces the next, overcomes the one after.
CYCLE = "木火土金水"


def step(a, b):
    """Steps from a to b along the producing cycle (0..4)."""
    return (CYCLE.index(b) - CYCLE.index(a)) % 5


# Heaven to person (success).  Key: steps from heaven to person.
#   1: heaven produces person   0: same element   4: person produces heaven
#   3: person overcomes heaven  2: heaven overcomes person
HEAVEN = {1: "A", 0: "B", 4: "C", 3: "D", 2: "E"}
HEAVEN_POINTS = {"A": 4, "B": 1, "C": 0, "D": -2, "E": -4}
HEAVEN_NAME = {"A": "天生人", "B": "天人比和", "C": "人生天", "D": "人克天", "E": "天克人"}

# Person to earth (foundation), weighted most.  Key: steps from earth to person.
#   1: earth produces person   4: person produces earth   0: same element
#   3: person overcomes earth  2: earth overcomes person
EARTH = {1: "a", 4: "b", 0: "c", 3: "d", 2: "e"}
EARTH_POINTS = {"a": 5, "b": 5, "c": 3, "d": -4, "e": -7}
EARTH_NAME = {"a": "地生人", "b": "人生地", "c": "人地比和", "d": "人克地", "e": "地克人"}

# Points to grade: the lowest total that still reaches each grade.
GRADE_FLOOR = [(1, 8), (2, 7), (3, 5), (4, 2), (5, -1), (6, -6), (7, None)]

# Verdicts and their ranks; the grade's own rank.
VERDICTS = ["（大吉）", "（吉）", "（中吉）", "（半吉）", "（凶）", "（大凶）"]
GRADE_RANK = {1: 1, 2: 2, 3: 2, 4: 3, 5: 4, 6: 5, 7: 6}

# Success on its own, by the heaven relation; kept within one rank of the grade.
HEAVEN_RANK = {"A": 1, "B": 2, "C": 3, "D": 5, "E": 6}
# Relations with others: points for the upper and the lower side.
HEAVEN_SOCIAL = {"A": 2, "B": 1, "C": 1, "D": -2, "E": -2}
EARTH_SOCIAL = {"a": 2, "b": 1, "c": 1, "d": -2, "e": -2}
# Two metals side by side are too hard, two fires too hot: harder to get along.
HARSH_PAIRS = ("金金", "火火")


def configurations():
    return [t + p + d for t in CYCLE for p in CYCLE for d in CYCLE]


def relations(title):
    t, p, d = title
    return HEAVEN[step(t, p)], EARTH[step(d, p)]


def points(title):
    h, e = relations(title)
    return HEAVEN_POINTS[h] + EARTH_POINTS[e]


def grade(title):
    total = points(title)
    for g, floor in GRADE_FLOOR:
        if floor is None or total >= floor:
            return g
    raise AssertionError("unreachable")


def clamp(value, centre):
    return max(1, min(6, max(centre - 1, min(centre + 1, value))))


def verdict_ranks(title):
    """Ranks (1 best .. 6 worst) of the foundation, success and relations verdicts."""
    h, e = relations(title)
    own = GRADE_RANK[grade(title)]
    success = clamp(HEAVEN_RANK[h], own)
    social = HEAVEN_SOCIAL[h] + EARTH_SOCIAL[e]
    social -= sum(1 for pair in (title[0:2], title[1:3]) if pair in HARSH_PAIRS)
    if social >= 3:
        social_rank = own - 1
    elif social <= -3:
        social_rank = own + 1
    else:
        social_rank = own
    return own, success, clamp(social_rank, own)


def escape(text):
    return text.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n")


def check_grades():
    grades = [grade(c) for c in configurations()]
    if len(set(configurations())) != 125 or sorted(set(grades)) != list(range(1, 8)):
        raise SystemExit("grades do not cover 125 configurations and all seven grades")


def grades_table():
    check_grades()
    lines = ["# Three-talent grades: 1 best to 7 worst.  Made by tools/make_sancai.py.",
             "title\tdjc"]
    lines += ["%s\t%d" % (c, grade(c)) for c in configurations()]
    return "\n".join(lines) + "\n"


def band(g):
    """Which wording of a piece fits a grade: good 1-3, mid 4-5, poor 6-7."""
    return "good" if g <= 3 else "mid" if g <= 5 else "poor"


def compose(title, pieces):
    """The readings of one configuration, from the reviewed pieces."""
    t, p, d = title
    h, e = relations(title)
    g = grade(title)
    jx1, jx2, jx3 = verdict_ranks(title)
    # A stable choice among the wordings of a piece, so that configurations
    # sharing a relation do not all read the same.
    turn = CYCLE.index(t) + 2 * CYCLE.index(p) + CYCLE.index(d)
    fill = {"T": t, "P": p, "D": d}
    combo = {k: v.format(**fill) for k, v in pieces["combo"][h + e].items()}

    summaries = pieces["summary"][str(g)]
    yy = (pieces["heaven_pair"][t + p] + pieces["earth_pair"][p + d]
          + summaries[turn % len(summaries)])

    jcy = combo["jcy"]
    if e in "de":
        jcy += pieces["health"][p]

    cgy = combo["cgy"] + pieces["success_flavour"][p][band(g)]

    rjgx = combo["rjgx"]
    harsh = [pair[0] for pair in (t + p, p + d) if pair in HARSH_PAIRS]
    if harsh:
        rjgx += pieces["harsh"][harsh[0]]["mild" if jx3 <= 3 else "hard"]

    upper = pieces["heaven_temper"][h]
    # Upper and lower pulling apart: the lower clause opens with its own turn
    # (好在, 但, 可惜) instead of going on (又, 加上, 加之).
    same_way = (h in "ABC") == (e in "abc")
    lower = pieces["earth_temper"][e]["same" if same_way else "turn"]
    xg = (pieces["trait"][p][band(g)] + upper[turn % 2]
          + "；" + lower[(turn // 2) % 2] + "。")
    if g >= 6:
        xg += pieces["advice"][p]

    return {"yy": yy, "jcy": jcy, "jx1": VERDICTS[jx1 - 1], "cgy": cgy,
            "jx2": VERDICTS[jx2 - 1], "rjgx": rjgx, "jx3": VERDICTS[jx3 - 1], "xg": xg}


def check_rows(rows):
    """Faults in the composed readings, as messages (empty when sound)."""
    faults = []
    rank = {v: i + 1 for i, v in enumerate(VERDICTS)}
    for title, row in rows:
        own = GRADE_RANK[grade(title)]
        got = [rank.get(row[k]) for k in ("jx1", "jx2", "jx3")]
        if None in got:
            faults.append("%s: verdict not one of the six" % title)
            continue
        if got[0] != own or any(abs(r - own) > 1 for r in got):
            faults.append("%s: verdicts %s do not fit grade %d" % (title, got, grade(title)))
        for k in ("yy", "jcy", "cgy", "rjgx", "xg"):
            text = row[k]
            if not text.endswith("。"):
                faults.append("%s: %s does not end a sentence" % (title, k))
            if any(ord(ch) < 128 for ch in text):
                faults.append("%s: %s has ASCII characters (quotes, tabs...)" % (title, k))
            if "{" in text or "}" in text:
                faults.append("%s: %s has an unfilled place" % (title, k))
            try:
                text.encode("gbk")
            except UnicodeEncodeError:
                faults.append("%s: %s is not GBK" % (title, k))
        for k, low, high in (("yy", 2, 4), ("xg", 2, 3)):
            n = row[k].count("。")
            if not low <= n <= high:
                faults.append("%s: %s has %d sentences" % (title, k, n))
    texts = [tuple(row[k] for k in ("yy", "jcy", "cgy", "rjgx", "xg")) for _, row in rows]
    if len(set(texts)) != len(texts):
        faults.append("two configurations read exactly alike")
    return faults


def texts_table():
    with open(PIECES, encoding="utf-8") as f:
        pieces = json.load(f)
    cols = ["title", "yy", "jcy", "jx1", "cgy", "jx2", "rjgx", "jx3", "xg"]
    lines = ["# Three-talent readings.  Made by tools/make_sancai.py from tools/sancai/.",
             "\t".join(cols)]
    rows = [(c, compose(c, pieces)) for c in configurations()]
    faults = check_rows(rows)
    if faults:
        raise SystemExit("\n".join(faults))
    for c, row in rows:
        lines.append("\t".join([c] + [escape(row[k]) for k in cols[1:]]))
    return "\n".join(lines) + "\n"


def main(argv):
    check = "--check" in argv
    outputs = [(OUT_GRADES, grades_table)]
    if os.path.exists(PIECES):
        outputs.append((OUT_TEXTS, texts_table))
    stale = False
    for path, make in outputs:
        text = make()
        text.encode("gbk")
        if check:
            try:
                with open(path, encoding="utf-8") as f:
                    same = f.read() == text
            except FileNotFoundError:
                same = False
            if not same:
                print("out of date: %s" % os.path.relpath(path, REFDATA))
                stale = True
        else:
            with open(path, "w", encoding="utf-8", newline="\n") as f:
                f.write(text)
    return 1 if stale else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
