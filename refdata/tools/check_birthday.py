#!/usr/bin/env python3
"""Check chart/birthday_texts.inc, the birthday sketches built into the chart.

Usage: python3 refdata/tools/check_birthday.py [PATH]   (default: chart/birthday_texts.inc
relative to the checkout root). Prints each fault and exits 1 if there is any, else
prints a summary and exits 0.

What is checked:
  * first line is the fixed comment, every other line is one entry {KEY, "TEXT"},
    keys ascending and exactly: 1-31 (day of month) and every real month/day m*100+d
    of a leap year (101-131 less 131 for January, 201-229, ... 1201-1231);
  * every text is 32-122 characters and 63-244 bytes in GBK, and encodes in GBK;
  * day-of-month texts use only the ASCII marks "," and "."; day-of-year texts only
    the full-width marks "，" "、" "。" and no ASCII punctuation;
  * the five fixed texts are byte-exact;
  * the written texts carry no blank, no quote, no backslash, no Latin letter or digit;
  * no two texts are equal, and no two share a run of NEAR_RUN or more characters
    (a sign of one text copied into another).
"""
import os
import re
import string
import sys

HEADER = "// Birthday sketches: key d (1-31) day-of-month, key m*100+d day-of-year."

FIXED = {
    1: "是一个有野心并具有大丈夫性格的人,不喜欢受人指使,非常顽固,坚定依照自己的意愿行事. "
       "具有领导能力,容易获得成功,很容易得到别人的信任.",
    31: "是一个严肃的人,给人一个孤高的印象,但内心是热情的,可惜不愿表达出来.做事认真,负责, "
        "只要能好好的与人合作,必能获得成功.",
    101: "脑筋清楚、果断、亲爱、具迷人的人格，有时有点暴躁和顽固，体质纤弱，不可身心过劳，"
         "经验会带来新的启迪，一生颇多波折，容易受骗， 应该努力学习人生较深的一面。",
    229: "具悦人而彬彬有礼之气质和机警直觉的脑子，必须经常检讨自己那种不顾後果，想主宰别人和"
         "当领导人物的倾向。勤劳而自立，具很大的野心和果决力。 ",
    1231: "具进步、果断和慷慨大方的天性。成功靠自己努力。巧于细节，做这方 面的事业或职业会非常成功。"
          "必须要有爱和了解的滋润，否则会形成自私和现实的个性。",
}

MONTH_DAYS = [31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]
MIN_CHARS, MAX_CHARS = 32, 122
MIN_BYTES, MAX_BYTES = 63, 244
NEAR_RUN = 14  # shared characters that count as copying

DOM_MARKS = set(",.")
DOY_MARKS = set("，、。")
ASCII_PUNCT = set(string.punctuation)

ENTRY = re.compile(r'^\{(\d+), "([^"\\]*)"\},$')


def expected_keys():
    keys = list(range(1, 32))
    for m, n in enumerate(MONTH_DAYS, start=1):
        if m == 1:
            n = 30  # no key 131
        keys.extend(m * 100 + d for d in range(1, n + 1))
    return keys


def is_wide_punct(ch):
    o = ord(ch)
    if 0x3000 <= o <= 0x303F or 0x2000 <= o <= 0x206F:
        return True
    if 0xFF00 <= o <= 0xFFEF:
        return not ch.isalnum()
    return False


def check_text(key, text, faults):
    where = f"key {key}"
    try:
        gbk = text.encode("gbk")
    except UnicodeEncodeError as e:
        faults.append(f"{where}: not GBK-encodable: {text[e.start:e.end]!r}")
        return
    if not MIN_CHARS <= len(text) <= MAX_CHARS:
        faults.append(f"{where}: {len(text)} characters, want {MIN_CHARS}-{MAX_CHARS}")
    if not MIN_BYTES <= len(gbk) <= MAX_BYTES:
        faults.append(f"{where}: {len(gbk)} GBK bytes, want {MIN_BYTES}-{MAX_BYTES}")
    for ch in text:
        if ord(ch) < 0x20 or ord(ch) == 0x7F:
            faults.append(f"{where}: control character {ch!r}")
    dom = key <= 31
    for ch in sorted(set(text)):
        if dom:
            if ch in ASCII_PUNCT and ch not in DOM_MARKS:
                faults.append(f"{where}: ASCII mark {ch!r}, only , and . allowed")
            if is_wide_punct(ch) and ch != "\u3000":
                faults.append(f"{where}: full-width mark {ch!r} in a day-of-month text")
        else:
            if ch in ASCII_PUNCT:
                faults.append(f"{where}: ASCII mark {ch!r} in a day-of-year text")
            if is_wide_punct(ch) and ch not in DOY_MARKS:
                faults.append(f"{where}: mark {ch!r}, only ， 、 。 allowed")
    if key in FIXED:
        if text != FIXED[key]:
            faults.append(f"{where}: fixed text differs")
        return
    if any(ch.isspace() for ch in text):
        faults.append(f"{where}: blank in a written text")
    if any(ch.isascii() and ch.isalnum() for ch in text):
        faults.append(f"{where}: Latin letter or digit")
    if dom:
        if not text.startswith("是") or not text.endswith("."):
            faults.append(f"{where}: day-of-month text must start with 是 and end with .")
    elif not text.endswith("。"):
        faults.append(f"{where}: day-of-year text must end with 。")


def near_copies(texts):
    """Pairs of keys whose texts share NEAR_RUN or more consecutive characters."""
    seen = {}
    pairs = {}
    for key, text in texts:
        for i in range(len(text) - NEAR_RUN + 1):
            run = text[i:i + NEAR_RUN]
            other = seen.setdefault(run, key)
            if other != key:
                pairs.setdefault((other, key), run)
    return sorted((a, b, run) for (a, b), run in pairs.items())


def main(argv):
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    path = argv[1] if len(argv) > 1 else os.path.join(root, "chart", "birthday_texts.inc")
    faults = []
    with open(path, "rb") as f:
        raw = f.read()
    if raw.startswith(b"\xef\xbb\xbf"):
        faults.append("file starts with a byte-order mark")
    if b"\r" in raw:
        faults.append("file has CR line ends")
    lines = raw.decode("utf-8").split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    else:
        faults.append("file does not end with a line break")
    if not lines or lines[0] != HEADER:
        faults.append("first line is not the header comment")
    entries = []
    for n, line in enumerate(lines[1:], start=2):
        m = ENTRY.match(line)
        if not m:
            faults.append(f"line {n}: not an entry {{KEY, \"TEXT\"}},: {line[:40]!r}")
            continue
        entries.append((int(m.group(1)), m.group(2)))
    keys = [k for k, _ in entries]
    want = expected_keys()
    if keys != want:
        missing = sorted(set(want) - set(keys))
        extra = sorted(set(keys) - set(want))
        dup = sorted({k for k in keys if keys.count(k) > 1})
        faults.append(f"keys wrong: missing {missing} extra {extra} repeated {dup}"
                      + ("" if missing or extra or dup else " (order)"))
    for key, text in entries:
        check_text(key, text, faults)
    by_text = {}
    for key, text in entries:
        if text in by_text:
            faults.append(f"key {key}: same text as key {by_text[text]}")
        by_text.setdefault(text, key)
    for a, b, run in near_copies(entries):
        faults.append(f"keys {a} and {b} share the run {run!r}")
    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} fault(s) in {path}")
        return 1
    dom = [t for k, t in entries if k <= 31]
    doy = [t for k, t in entries if k > 31]
    lens = [len(t) for _, t in entries]
    print(f"{len(entries)} texts ({len(dom)} day-of-month, {len(doy)} day-of-year), "
          f"{min(lens)}-{max(lens)} characters, {sum(lens)} in all; all checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
