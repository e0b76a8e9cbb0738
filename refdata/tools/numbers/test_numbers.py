#!/usr/bin/env python3
"""Tests of the number and note texts and their generator.

    python3 -m unittest discover -s refdata/tools/numbers -p 'test_*.py'
"""

import os
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import make_numbers as mk  # noqa: E402
from notes_text import NOTES  # noqa: E402
from numbers_text import NUMBERS  # noqa: E402


def read_tsv(path):
    """Parse a .tsv file the way the database builder does: skip comments and
    empty lines, split on TAB, undo the \\n \\t \\\\ escapes."""
    def unescape(field):
        out, i = [], 0
        while i < len(field):
            if field[i] == "\\" and i + 1 < len(field):
                out.append({"n": "\n", "t": "\t", "\\": "\\"}[field[i + 1]])
                i += 2
            else:
                out.append(field[i])
                i += 1
        return "".join(out)

    with open(path, encoding="utf-8") as fh:
        lines = [l.rstrip("\n") for l in fh if l.strip() and not l.startswith("#")]
    header = lines[0].split("\t")
    rows = [dict(zip(header, map(unescape, l.split("\t")))) for l in lines[1:]]
    for line in lines[1:]:
        assert len(line.split("\t")) == len(header), line[:40]
    return header, rows


def with_row(num, **change):
    """NUMBERS with one row altered; fields named as in the source tuples."""
    names = ("num", "name", "reading", "jx", "hint", "content")
    rows = []
    for row in NUMBERS:
        if row[0] == num:
            d = dict(zip(names, row))
            d.update(change)
            row = tuple(d[n] for n in names)
        rows.append(row)
    return rows


class CommittedFiles(unittest.TestCase):
    def test_texts_pass_the_checks(self):
        self.assertEqual(mk.number_faults(NUMBERS) + mk.note_faults(NOTES), [])

    def test_81_tsv_round_trips_to_the_source_texts(self):
        header, rows = read_tsv(mk.OUT_81)
        self.assertEqual(header, ["num", "yy", "jx", "as", "content"])
        self.assertEqual(len(rows), 81)
        for row, (num, name, reading, jx, hint, content) in zip(rows, NUMBERS):
            self.assertEqual(row["num"], str(num))
            self.assertEqual(row["yy"], f"（{name}）{reading}")
            self.assertEqual(row["jx"], f"（{jx}）")
            self.assertEqual(row["as"], hint)
            self.assertEqual(row["content"], content)

    def test_noter_tsv_round_trips_with_its_paragraphs(self):
        header, rows = read_tsv(mk.OUT_NOTER)
        self.assertEqual(header, ["Cid", "Tite", "content"])
        self.assertEqual([(r["Cid"], r["Tite"], r["content"].split("\n")) for r in rows],
                         [(c, t, p) for c, t, p in NOTES])

    def test_files_are_gbk(self):
        for path in (mk.OUT_81, mk.OUT_NOTER):
            with open(path, encoding="utf-8") as fh:
                fh.read().encode("gbk")

    def test_report_line_reads_as_one_sentence_then_verdict(self):
        # the report prints yy and jx on one line: "……。（吉）"
        _, rows = read_tsv(mk.OUT_81)
        for row in rows:
            self.assertRegex(row["yy"] + row["jx"], r"^（[^（）]+之数）[^（）]+。（(大吉|吉|半吉|凶|大凶)）$")


class Checks(unittest.TestCase):
    CASES = [
        ("auspicious number marked bad", with_row(3, jx="凶"), "does not fit class"),
        ("half number marked good", with_row(6, jx="吉"), "does not fit class"),
        ("inauspicious number marked half", with_row(2, jx="半吉"), "does not fit class"),
        ("reading without full stop", with_row(5, reading="五行俱全"), "reading must be"),
        ("hint of one sentence", with_row(5, hint="事业顺利，家庭和睦，身体健康。"), "hint must be"),
        ("hint silent on health", with_row(5, hint="性情温和。事业平稳，家庭和顺。"), "nothing of health"),
        ("content too short", with_row(5, content="五行俱全。"), "content has"),
        ("text outside GBK", with_row(5, reading="五行俱全，\u20ac。"), "GBK"),
        ("ASCII quote", with_row(5, reading="五行\"俱全\"。"), "ASCII"),
        ("tab inside a text", with_row(5, reading="五行\t俱全。"), "control character"),
        ("promise of fortune", with_row(5, reading="此数必定富贵。"), "promises"),
        ("bad number speaking of luck", with_row(4, content=NUMBERS[3][5] + "大吉。"), "good fortune"),
        ("81 apart from 1", with_row(81, jx="吉"), "same verdict as 1"),
        ("missing number", NUMBERS[:-1], "exactly 1..81"),
        ("copied content", with_row(7, content=NUMBERS[4][5]), "same text as"),
    ]

    def test_each_fault_is_reported(self):
        for label, numbers, expected in self.CASES:
            with self.subTest(label):
                faults = mk.number_faults(numbers)
                self.assertTrue(any(expected in f for f in faults), faults)

    def test_note_faults(self):
        short = [("XM016", "标题", ["太短了。", "第二段。", "第三段。"]), NOTES[1]]
        contact = [NOTES[0], (NOTES[1][0], NOTES[1][1], NOTES[1][2] + ["购买请拨打电话。"])]
        for label, notes, expected in (("too short", short, "characters"),
                                       ("contact details", contact, "price or contact")):
            with self.subTest(label):
                self.assertTrue(any(expected in f for f in mk.note_faults(notes)))


if __name__ == "__main__":
    unittest.main()
