#!/usr/bin/env python3
"""Build the character dictionary, table `word` of Dazezed.dll.

    python3 refdata/tools/make_word.py [--check] [--stats] [--unihan DIR]

reads the Unihan database (Debian package unicode-data, /usr/share/unicode/
Unihan_*.txt.bz2) and the reviewed lists in refdata/tools/word/, and writes
refdata/Dazezed/word.tsv sorted by id.  With --check it writes nothing and
exits 1 when the committed file differs from what the sources give; --stats
prints the counts quoted in refdata/docs/dictionary.md.  The rules
are described in refdata/docs/dictionary.md; they are, in short:

  rows    every GB2312 character (Unihan kGB0) and the characters of extra.txt
  ft      traditional form: ft.txt, else the only kTraditionalVariant, else itself
  bh      strokes.txt (the numerals by value), else the Kangxi count of ft
          (the radical in its full form + the residual strokes)
  wuhang  wuhang.txt, else the radical's element (radicals.txt), else the
          initial of the Mandarin reading
  xb      usable.txt (男 女 1 0); nan and nv follow from it
  Aflag   NULL for the characters of usable.txt, '1' for all others
  px, id  order: popular.txt, then usable characters with a sex reading, then
          the other usable ones, then the rest, each group by frequency

The tool checks its inputs and its result and stops with a message naming the
entry at fault; it never writes a partial file.
"""

import argparse
import bz2
import os
import sys
import unicodedata

HERE = os.path.dirname(os.path.abspath(__file__))
REFDATA = os.path.dirname(HERE)
LISTS = os.path.join(HERE, "word")
OUT = os.path.join(REFDATA, "Dazezed", "word.tsv")
UNIHAN_DIR = "/usr/share/unicode"

COLUMNS = ["id", "zi", "ft", "bh", "wuhang", "px", "nan", "nv", "xb", "Aflag"]
ELEMENTS = "金木水火土"
SEXES = {"男": (1, 0), "女": (0, 1), "1": (1, 1), "0": (0, 0)}
PX_LIMIT = 5000                 # every px stays below this
USABLE_RANGE = (2500, 4500)     # how many characters generated names may use

FIELDS = {
    "kGB0", "kRSKangXi", "kRSUnicode", "kTotalStrokes", "kTraditionalVariant",
    "kSimplifiedVariant", "kMandarin", "kFrequency", "kHanyuPinlu", "kDefinition",
}

# Strokes of the 214 Kangxi radicals in their full forms, by radical number.
RADICAL_STROKES = ([0] + [1] * 6 + [2] * 23 + [3] * 31 + [4] * 34 + [5] * 23
                   + [6] * 29 + [7] * 20 + [8] * 9 + [9] * 11 + [10] * 8
                   + [11] * 6 + [12] * 4 + [13] * 4 + [14] * 2 + [15]
                   + [16] * 2 + [17])
assert len(RADICAL_STROKES) == 215

# The five sounds: the initial of the Mandarin reading gives the element.
#   唇 b p m f 水   舌 d t n l 火   牙 g k h 木
#   齿 j q x z c s zh ch sh r 金   喉 y w and no initial 土
SOUND = {}
for letters, element in (("bpmf", "水"), ("dtnl", "火"), ("gkh", "木"),
                         ("jqxzcsr", "金"), ("yw", "土")):
    for letter in letters:
        SOUND[letter] = element


class DataError(Exception):
    pass


def fail(message):
    raise DataError(message)


# ---- sources -----------------------------------------------------------------

def cp_char(code):
    return chr(int(code[2:], 16))


def load_unihan(directory):
    data = {}
    try:
        listing = os.listdir(directory)
    except OSError as e:
        fail("cannot read the Unihan folder %s: %s" % (directory, e.strerror))
    names = sorted(n for n in listing if n.startswith("Unihan_") and n.endswith(".txt.bz2"))
    if not names:
        fail("no Unihan_*.txt.bz2 in %s (install the Debian package unicode-data)" % directory)
    for name in names:
        with bz2.open(os.path.join(directory, name), "rt", encoding="utf-8") as fh:
            for line in fh:
                if line.startswith("#") or not line.strip():
                    continue
                code, field, value = line.rstrip("\n").split("\t", 2)
                if field in FIELDS:
                    data.setdefault(cp_char(code), {})[field] = value
    if not any("kGB0" in d for d in data.values()):
        fail("the Unihan files in %s have no kGB0 field" % directory)
    return data


def read_list(name, columns):
    """Entries of a reviewed list: one a line, '#' starts a comment.

    Returns (line number, fields) pairs; every entry must have `columns`
    fields separated by white space."""
    path = os.path.join(LISTS, name)
    entries = []
    with open(path, encoding="utf-8") as fh:
        for number, line in enumerate(fh, start=1):
            text = line.split("#", 1)[0].strip()
            if not text:
                continue
            fields = text.split()
            if len(fields) != columns:
                fail("%s:%d: expected %d fields, got %r" % (name, number, columns, text))
            for f in fields[:1]:
                if len(f) != 1:
                    fail("%s:%d: %r is not one character" % (name, number, f))
            entries.append((number, fields))
    return entries


def read_map(name, check_value):
    result = {}
    for number, (char, value) in read_list(name, 2):
        if char in result:
            fail("%s:%d: %s listed twice" % (name, number, char))
        if not check_value(value):
            fail("%s:%d: bad value %r for %s" % (name, number, value, char))
        result[char] = value
    return result


def read_chars(name):
    result = []
    for number, (char,) in read_list(name, 1):
        if char in result:
            fail("%s:%d: %s listed twice" % (name, number, char))
        result.append(char)
    return result


# ---- rules -------------------------------------------------------------------

def variants(info, field):
    return [cp_char(c) for c in info.get(field, "").split()]


def kangxi_strokes(char, unihan):
    """Kangxi count: the radical in its full form plus the residual strokes.

    A character that is a radical itself (residual 0, or negative for the
    reduced forms such as 王 under 玉) keeps its own stroke count."""
    info = unihan.get(char, {})
    rs = info.get("kRSKangXi") or info.get("kRSUnicode")
    if not rs:
        fail("%s (U+%04X) has neither kRSKangXi nor kRSUnicode" % (char, ord(char)))
    radical, residual = rs.split()[0].split(".")
    radical, residual = int(radical.rstrip("'")), int(residual)
    if residual <= 0:
        total = info.get("kTotalStrokes")
        if not total:
            fail("%s (U+%04X) is a radical form without kTotalStrokes" % (char, ord(char)))
        # The last value is the traditional one where the sources differ.
        return int(total.split()[-1]), radical
    return RADICAL_STROKES[radical] + residual, radical


def sound_element(reading):
    """Element of a Mandarin reading by its initial."""
    plain = unicodedata.normalize("NFD", reading.lower())
    plain = "".join(c for c in plain if not unicodedata.combining(c))
    if not plain:
        fail("empty reading")
    return SOUND.get(plain[0], "土")


def frequency_key(char, info):
    """Sort key, commonest first: kFrequency class, then kHanyuPinlu counts."""
    klass = int(info["kFrequency"]) if "kFrequency" in info else 6
    pinlu = 0
    for item in info.get("kHanyuPinlu", "").split():
        if "(" in item:
            pinlu += int(item[item.index("(") + 1:item.index(")")])
    level = 1 if "kGB0" in info and int(info["kGB0"][:2]) < 56 else 2
    return (klass, -pinlu, level, ord(char))


# ---- build -------------------------------------------------------------------

def build(unihan):
    extra = read_chars("extra.txt")
    ft_review = read_map("ft.txt", lambda v: len(v) == 1)
    strokes = read_map("strokes.txt", lambda v: v.isdigit() and int(v) >= 1)
    radicals = read_map_radicals()
    wuhang_review = read_map("wuhang.txt", lambda v: v in ELEMENTS)
    usable = read_map("usable.txt", lambda v: v in SEXES)
    popular = read_chars("popular.txt")
    known = read_map("known_strokes.txt", lambda v: v.isdigit())

    gb = sorted((c for c, d in unihan.items() if "kGB0" in d), key=lambda c: unihan[c]["kGB0"])
    if len(gb) != 6763:
        fail("Unihan lists %d GB2312 characters, not 6763" % len(gb))
    gbset = set(gb)
    for c in extra:
        if c in gbset:
            fail("extra.txt: %s is in GB2312 already" % c)
        if c not in unihan:
            fail("extra.txt: %s is not in Unihan" % c)
        try:
            c.encode("gbk")
        except UnicodeEncodeError:
            fail("extra.txt: %s cannot be written in GBK" % c)
    chars = gb + extra
    charset = set(chars)
    for name, keys in (("ft.txt", ft_review), ("strokes.txt", strokes),
                       ("wuhang.txt", wuhang_review), ("usable.txt", usable),
                       ("popular.txt", popular), ("known_strokes.txt", known)):
        for c in keys:
            if c not in charset:
                fail("%s: %s is not a row of the dictionary" % (name, c))
    for c in popular:
        if c not in usable:
            fail("popular.txt: %s is not in usable.txt" % c)

    rows = {}
    for c in chars:
        info = unihan[c]
        trad = [v for v in variants(info, "kTraditionalVariant")]
        if c in ft_review:
            ft = ft_review[c]
            if ft != c and ft not in trad:
                fail("ft.txt: %s -> %s is neither the character nor a traditional variant (%s)"
                     % (c, ft, "".join(trad) or "none"))
        elif len(trad) > 1:
            fail("%s has several traditional forms (%s): choose one in ft.txt" % (c, "".join(trad)))
        elif trad:
            ft = trad[0]
        else:
            ft = c
        try:
            ft.encode("gbk")
        except UnicodeEncodeError:
            fail("%s: traditional form %s cannot be written in GBK" % (c, ft))

        kx, radical = kangxi_strokes(ft, unihan)
        bh = int(strokes[c]) if c in strokes else kx

        if c in wuhang_review:
            wuhang = wuhang_review[c]
        elif radical in radicals:
            wuhang = radicals[radical]
        else:
            reading = info.get("kMandarin", "").split()
            if not reading:
                fail("%s has no Mandarin reading for its element" % c)
            wuhang = sound_element(reading[0])

        xb = usable.get(c, "0")
        nan, nv = SEXES[xb]
        rows[c] = {"gb": c in gbset, "zi": c, "ft": ft, "bh": bh, "wuhang": wuhang, "nan": nan,
                   "nv": nv, "xb": xb, "Aflag": None if c in usable else "1"}

    for c, value in known.items():
        if rows[c]["bh"] != int(value):
            fail("known_strokes.txt: %s (%s) gives %d, expected %s"
                 % (c, rows[c]["ft"], rows[c]["bh"], value))

    # Order: popular list, usable with a sex reading, other usable, the rest.
    rank = {c: i for i, c in enumerate(popular)}

    def tier(c):
        if c in rank:
            return 0
        if c in usable:
            return 1 if usable[c] != "0" else 2
        return 3

    order = sorted(chars, key=lambda c: (tier(c), rank.get(c, 0), frequency_key(c, unihan[c])))
    n_usable = len(usable)
    if not USABLE_RANGE[0] <= n_usable <= USABLE_RANGE[1]:
        fail("%d usable characters, outside %d..%d" % ((n_usable,) + USABLE_RANGE))
    rest = len(order) - n_usable
    span = PX_LIMIT - 1 - n_usable          # px values left for the rest
    for i, c in enumerate(order):
        rows[c]["id"] = i + 1
        if i < n_usable:
            rows[c]["px"] = i + 1
        else:
            j = i - n_usable
            rows[c]["px"] = n_usable + 1 + j * span // rest
    result = [rows[c] for c in order]
    validate(result)
    return result


def read_map_radicals():
    result = {}
    for number, (radical, element) in read_list_raw("radicals.txt"):
        if not radical.isdigit() or not 1 <= int(radical) <= 214:
            fail("radicals.txt:%d: %r is not a Kangxi radical number" % (number, radical))
        if element not in ELEMENTS:
            fail("radicals.txt:%d: bad element %r" % (number, element))
        if int(radical) in result:
            fail("radicals.txt:%d: radical %s listed twice" % (number, radical))
        result[int(radical)] = element
    return result


def read_list_raw(name):
    path = os.path.join(LISTS, name)
    with open(path, encoding="utf-8") as fh:
        for number, line in enumerate(fh, start=1):
            text = line.split("#", 1)[0].strip()
            if text:
                fields = text.split()
                if len(fields) != 2:
                    fail("%s:%d: expected 2 fields, got %r" % (name, number, text))
                yield number, fields


def validate(rows):
    seen = set()
    for i, r in enumerate(rows, start=1):
        c = r["zi"]
        if c in seen:
            fail("%s appears twice" % c)
        seen.add(c)
        if r["id"] != i:
            fail("%s: id %d out of order" % (c, r["id"]))
        if r["bh"] < 1:
            fail("%s: stroke count %d" % (c, r["bh"]))
        if r["wuhang"] not in ELEMENTS:
            fail("%s: element %r" % (c, r["wuhang"]))
        if not 0 <= r["px"] < PX_LIMIT:
            fail("%s: px %d" % (c, r["px"]))
        if i > 1 and r["px"] < rows[i - 2]["px"]:
            fail("%s: px falls against the id order" % c)
        if (r["nan"], r["nv"]) != SEXES[r["xb"]]:
            fail("%s: nan/nv do not match xb %r" % (c, r["xb"]))
        for key in ("zi", "ft", "wuhang", "xb"):
            r[key].encode("gbk")


def render(rows):
    lines = ["# Character dictionary: written by refdata/tools/make_word.py from the",
             "# Unihan database and the lists in refdata/tools/word/.  Do not edit by hand.",
             "\t".join(COLUMNS)]
    for r in rows:
        fields = []
        for col in COLUMNS:
            v = r[col]
            fields.append("\\N" if v is None else str(v))
        lines.append("\t".join(fields))
    return "\n".join(lines) + "\n"


def stats(rows):
    """The counts of the note: rows, usable rows by strokes, sex and element."""
    usable = [r for r in rows if r["Aflag"] is None]
    out = ["rows: %d (GB2312 %d, extra %d)" % (len(rows), sum(1 for r in rows if r["gb"]),
                                               sum(1 for r in rows if not r["gb"])),
           "usable (Aflag NULL): %d" % len(usable)]
    by_strokes = {}
    for r in usable:
        key = min(r["bh"], 30)
        by_strokes[key] = by_strokes.get(key, 0) + 1
    out.append("usable by strokes: " + "  ".join(
        "%s:%d" % ("30+" if k == 30 else k, by_strokes.get(k, 0)) for k in range(1, 31)))
    out.append("usable nan=1: %d  nv=1: %d" % (sum(r["nan"] for r in usable), sum(r["nv"] for r in usable)))
    for label, group in (("usable", usable), ("all rows", rows)):
        counts = {}
        for r in group:
            counts[r["xb"]] = counts.get(r["xb"], 0) + 1
        out.append("%s xb: " % label + "  ".join("%s:%d" % (k, counts.get(k, 0)) for k in ("男", "女", "1", "0")))
        counts = {}
        for r in group:
            counts[r["wuhang"]] = counts.get(r["wuhang"], 0) + 1
        out.append("%s wuhang: " % label + "  ".join("%s:%d" % (k, counts.get(k, 0)) for k in ELEMENTS))
    return "\n".join(out) + "\n"


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--check", action="store_true",
                        help="write nothing; exit 1 when word.tsv is not up to date")
    parser.add_argument("--stats", action="store_true",
                        help="write nothing; print the counts of the dictionary")
    parser.add_argument("--unihan", default=UNIHAN_DIR,
                        help="folder of Unihan_*.txt.bz2 (default %(default)s)")
    args = parser.parse_args(argv)
    try:
        rows = build(load_unihan(args.unihan))
    except DataError as e:
        print("make_word: %s" % e, file=sys.stderr)
        return 2
    if args.stats:
        sys.stdout.write(stats(rows))
        return 0
    text = render(rows)
    if args.check:
        try:
            with open(OUT, encoding="utf-8") as fh:
                current = fh.read()
        except FileNotFoundError:
            current = None
        if current != text:
            print("make_word: %s is not up to date" % os.path.relpath(OUT), file=sys.stderr)
            return 1
        return 0
    tmp = OUT + ".tmp"
    with open(tmp, "w", encoding="utf-8", newline="\n") as fh:
        fh.write(text)
    os.replace(tmp, OUT)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
