#!/usr/bin/env python3
"""Write refdata/KelFile/81.tsv and refdata/KelBirth/Noter.tsv from the texts in
numbers_text.py and notes_text.py, after checking them.

    python3 refdata/tools/numbers/make_numbers.py          # check, then write
    python3 refdata/tools/numbers/make_numbers.py --check  # check, and compare with the committed files

Exit status 1 when a text breaks a rule or (with --check) a committed file is
out of date.  Standard library only.
"""

import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
REFDATA = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, HERE)

from numbers_text import NUMBERS  # noqa: E402
from notes_text import NOTES  # noqa: E402

OUT_81 = os.path.join(REFDATA, "KelFile", "81.tsv")
OUT_NOTER = os.path.join(REFDATA, "KelBirth", "Noter.tsv")

# The program's fixed classes of the numbers: 1 auspicious, 2 half, 3 inauspicious.
CLASS_1 = {1, 3, 5, 7, 8, 11, 13, 15, 16, 18, 21, 23, 24, 25, 31, 32, 33, 35, 37, 39,
           41, 45, 47, 48, 52, 57, 61, 63, 65, 67, 68, 81}
CLASS_2 = {6, 17, 26, 27, 29, 30, 38, 49, 51, 55, 58, 71, 73, 75}
CLASS_3 = set(range(1, 82)) - CLASS_1 - CLASS_2
VERDICTS = {1: ("吉", "大吉"), 2: ("半吉",), 3: ("凶", "大凶")}

SENTENCE_END = re.compile(r"[。！？]")
# Words that would promise an outcome, or carry prices and contact details.
PROMISES = re.compile(r"保证|必定|必然|一定会|包您|百分之百|注定")
COMMERCE = re.compile(r"价格|售价|元/|人民币|电话|手机号|网址|邮箱|微信|QQ|http|www\.|注册码|购买")


def number_class(num):
    if num in CLASS_1:
        return 1
    if num in CLASS_2:
        return 2
    return 3


def sentences(text):
    return len(SENTENCE_END.findall(text))


def escape(field):
    return field.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n")


def common_text_faults(where, text, allow_ascii):
    faults = []
    try:
        text.encode("gbk")
    except UnicodeEncodeError as e:
        faults.append(f"{where}: not encodable in GBK ({text[e.start:e.end]!r})")
    if any(ord(c) < 32 for c in text):
        faults.append(f"{where}: control character")
    if re.search(r"[\"'\\`]", text):
        faults.append(f"{where}: ASCII quote or backslash")
    ascii_char = re.search(r"[\x20-\x7e]", text)
    if not allow_ascii and ascii_char:
        faults.append(f"{where}: ASCII character {ascii_char.group()!r}")
    if PROMISES.search(text):
        faults.append(f"{where}: promises an outcome ({PROMISES.search(text).group()})")
    if COMMERCE.search(text):
        faults.append(f"{where}: price or contact detail ({COMMERCE.search(text).group()})")
    return faults


def number_faults(numbers):
    faults = []
    nums = [n[0] for n in numbers]
    if nums != list(range(1, 82)):
        faults.append("numbers are not exactly 1..81 in order")
    seen = {}
    for num, name, reading, jx, hint, content in numbers:
        w = f"81[{num}]"
        cls = number_class(num)
        if jx not in VERDICTS[cls]:
            faults.append(f"{w}: verdict {jx} does not fit class {cls}")
        if not name.endswith("之数") or len(name) < 3:
            faults.append(f"{w}: name {name!r} is not of the form ……之数")
        if not reading.endswith("。") or not 1 <= sentences(reading) <= 3:
            faults.append(f"{w}: reading must be 1-3 sentences ending in 。")
        if not hint.endswith("。") or not 2 <= sentences(hint) <= 3:
            faults.append(f"{w}: hint must be 2-3 sentences ending in 。")
        for topic, words in (("work", ("事业", "工作")), ("family", ("家",)),
                             ("health", ("身体", "健康", "长寿"))):
            if not any(word in hint for word in words):
                faults.append(f"{w}: hint says nothing of {topic}")
        if not content.endswith("。") or not 100 <= len(content) <= 250:
            faults.append(f"{w}: content has {len(content)} characters (100-250, ending in 。)")
        for col, text in (("name", name), ("yy", reading), ("as", hint), ("content", content)):
            faults += common_text_faults(f"{w}.{col}", text, allow_ascii=False)
            if col != "name" and text in seen:
                faults.append(f"{w}.{col}: same text as {seen[text]}")
            seen.setdefault(text, f"{w}.{col}")
        if cls == 1 and re.search(r"凶", reading + hint):
            faults.append(f"{w}: auspicious number speaks of 凶")
        if cls == 3 and re.search(r"大吉|吉祥", reading + hint + content):
            faults.append(f"{w}: inauspicious number speaks of good fortune")
    names = [n[1] for n in numbers]
    for name in set(names):
        if names.count(name) > 1:
            faults.append(f"name {name} used twice")
    # 81 closes the cycle and returns to 1: same verdict.
    verdict = {n[0]: n[3] for n in numbers}
    if verdict.get(81) != verdict.get(1):
        faults.append("81 must carry the same verdict as 1")
    return faults


def note_faults(notes):
    faults = []
    if [n[0] for n in notes] != ["XM016", "XM017"]:
        faults.append("notes must be XM016 and XM017")
    for cid, title, paras in notes:
        w = f"Noter[{cid}]"
        body = "\n".join(paras)
        size = len(body.replace("\n", ""))
        if not 600 <= size <= 1500:
            faults.append(f"{w}: {size} characters (600-1500)")
        if len(paras) < 3:
            faults.append(f"{w}: fewer than three paragraphs")
        for i, p in enumerate(paras):
            if not p or p != p.strip() or not p.endswith("。"):
                faults.append(f"{w}: paragraph {i + 1} is empty, padded or unfinished")
        faults += common_text_faults(f"{w}.Tite", title, allow_ascii=False)
        # the notes quote option labels such as 只取 N 分以上名字, so letters, digits and spaces are allowed
        faults += common_text_faults(f"{w}.content", "".join(paras), allow_ascii=True)
    return faults


def render_81(numbers):
    lines = ["# The eighty-one numbers. Generated by refdata/tools/numbers/make_numbers.py:"
             " edit the texts there, not here.",
             "num\tyy\tjx\tas\tcontent"]
    for num, name, reading, jx, hint, content in numbers:
        fields = [str(num), f"（{name}）{reading}", f"（{jx}）", hint, content]
        lines.append("\t".join(escape(f) for f in fields))
    return "\n".join(lines) + "\n"


def render_noter(notes):
    lines = ["# Notes of the reading windows. Generated by refdata/tools/numbers/make_numbers.py:"
             " edit the texts there, not here.",
             "Cid\tTite\tcontent"]
    for cid, title, paras in notes:
        lines.append("\t".join(escape(f) for f in (cid, title, "\n".join(paras))))
    return "\n".join(lines) + "\n"


def main(argv):
    check_only = "--check" in argv[1:]
    faults = number_faults(NUMBERS) + note_faults(NOTES)
    for f in faults:
        print("fault:", f, file=sys.stderr)
    if faults:
        return 1
    outputs = ((OUT_81, render_81(NUMBERS)), (OUT_NOTER, render_noter(NOTES)))
    stale = False
    for path, text in outputs:
        if check_only:
            try:
                with open(path, encoding="utf-8") as fh:
                    current = fh.read()
            except FileNotFoundError:
                current = None
            if current != text:
                print(f"out of date: {os.path.relpath(path, REFDATA)}", file=sys.stderr)
                stale = True
        else:
            with open(path, "w", encoding="utf-8", newline="\n") as fh:
                fh.write(text)
    counts = {}
    for n in NUMBERS:
        counts[n[3]] = counts.get(n[3], 0) + 1
    summary = ", ".join(f"{v} {counts.get(v, 0)}" for v in ("大吉", "吉", "半吉", "凶", "大凶"))
    sizes = ", ".join(f"{c} {len(''.join(p))}" for c, _, p in NOTES)
    print(f"81: {len(NUMBERS)} rows ({summary}); Noter: {len(NOTES)} rows ({sizes} characters)")
    return 1 if stale else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
