#!/usr/bin/env python3
"""Check the bone-weight readings and the chart reading texts.

Run from the repository root:  python3 refdata/tools/chartdata/check_texts.py
Checks refdata/dream/chenggu*.tsv and refdata/Tgcode/{sjrs,qtbj,Houtian}.tsv:
the .tsv format and headers against schema.sql, GBK, complete keys, the shape
of each text as the chart prints it, and the season strengths of sjrs against
the 旺 相 休 囚 死 cycle. Exits non-zero on the first file with a problem and
lists every problem found in it.
"""
import os
import re
import sys

sys.path.insert(0, os.path.dirname(__file__))
import make_chenggu  # noqa: E402

ROOT = make_chenggu.ROOT
STEMS = '甲乙丙丁戊己庚辛壬癸'
BRANCHES = '子丑寅卯辰巳午未申酉戌亥'
ELEMENTS = '金木水火土'
SEASONS = '春夏秋冬'
HAN = '\u4e00-\u9fff'

# Element ruling each season, and the cycle of production.
RULER = {'春': '木', '夏': '火', '秋': '金', '冬': '水'}
PRODUCES = {'木': '火', '火': '土', '土': '金', '金': '水', '水': '木'}
CONTROLS = {'木': '土', '土': '水', '水': '火', '火': '金', '金': '木'}


def season_state(element, season):
    """旺 相 休 囚 死 of an element in a season."""
    ruler = RULER[season]
    if element == ruler:
        return '旺'
    if PRODUCES[ruler] == element:
        return '相'
    if PRODUCES[element] == ruler:
        return '休'
    if CONTROLS[element] == ruler:
        return '囚'
    assert CONTROLS[ruler] == element
    return '死'


def unescape(field):
    if field == '\\N':
        return None
    out, i = [], 0
    while i < len(field):
        c = field[i]
        if c == '\\' and i + 1 < len(field):
            out.append({'t': '\t', 'n': '\n', '\\': '\\'}.get(field[i + 1], '\\' + field[i + 1]))
            i += 2
        else:
            out.append(c)
            i += 1
    return ''.join(out)


def schema_columns(db):
    text = open(os.path.join(ROOT, db, 'schema.sql'), encoding='utf-8').read()
    tables = {}
    for name, body in re.findall(r'CREATE TABLE\s+(\w+)\s*\((.*?)\);', text, re.S):
        cols = []
        for part in re.sub(r'--[^\n]*', '', body).split(','):
            part = part.strip()
            if part:
                cols.append(part.split()[0])
        tables[name] = cols
    return tables


def read_tsv(db, table, problems):
    path = os.path.join(ROOT, db, table + '.tsv')
    raw = open(path, 'rb').read()
    text = raw.decode('utf-8')
    if '\r' in text:
        problems.append('CR line ends')
    try:
        text.encode('gbk')
    except UnicodeEncodeError as e:
        problems.append(f'not encodable in GBK: {text[e.start:e.end]!r}')
    lines = [l for l in text.split('\n') if l and not l.startswith('#')]
    header = lines[0].split('\t')
    want = schema_columns(db)[table]
    if sorted(header) != sorted(want):
        problems.append(f'header {header} is not the columns {want}')
    rows = []
    for n, line in enumerate(lines[1:], 2):
        fields = line.split('\t')
        if len(fields) != len(header):
            problems.append(f'row {n}: {len(fields)} fields')
            continue
        row = dict(zip(header, map(unescape, fields)))
        for k, v in row.items():
            if v is None or v != v.strip() or v == '':
                problems.append(f'row {n}: empty or padded {k}')
        rows.append(row)
    return rows


def check_chenggu(problems):
    rows = read_tsv('dream', 'chenggu', problems)
    codes = [r['weight'] for r in rows]
    if len(set(codes)) != len(codes):
        problems.append('duplicate weight codes')
    produced = set()
    tables = {}
    for t, key in (('chenggu1', 'year'), ('chenggu2', 'month2'), ('chenggu3', 'day2'), ('chenggu4', 'time')):
        sub = read_tsv('dream', t, problems)
        tables[t] = {r[key]: float(r['weight']) for r in sub}
    if sorted(tables['chenggu1'], key=int) != [str(y) for y in range(1900, 2101)]:
        problems.append('chenggu1 does not hold exactly the years 1900..2100')
    for t, keys in (('chenggu2', range(1, 13)), ('chenggu3', range(1, 31)), ('chenggu4', range(24))):
        if sorted(tables[t], key=int) != [str(k) for k in keys]:
            problems.append(f'{t} keys are not {keys}')
    import itertools
    sets = [sorted(set(tables[t].values())) for t in ('chenggu1', 'chenggu2', 'chenggu3', 'chenggu4')]
    for combo in itertools.product(*sets):
        produced.add(make_chenggu.code_of(combo[0] + combo[1] + combo[2] + combo[3]))
    missing = produced - set(codes)
    if missing:
        problems.append('no reading for produced codes ' + ' '.join(sorted(missing, key=int)))
    tradition = {str(n) for n in range(21, 73)}
    if set(codes) - tradition:
        problems.append('codes outside 21..72: ' + ' '.join(sorted(set(codes) - tradition)))
    seen_lines = {}
    verse = re.compile(rf'^([{HAN}]{{5}}|[{HAN}]{{7}})，([{HAN}]+)。([{HAN}]+)，([{HAN}]+)。$')
    for r in rows:
        m = verse.match(r['content'])
        if not m or len({len(g) for g in m.groups()}) != 1:
            problems.append(f"{r['weight']}: verse is not four lines of five or seven characters")
        else:
            for g in m.groups():
                if g in seen_lines:
                    problems.append(f"{r['weight']}: line {g} repeats the one of {seen_lines[g]}")
                seen_lines[g] = r['weight']
        sentences = [s for s in re.split('[。！？]', r['content2']) if s]
        if not 2 <= len(sentences) <= 4 or not r['content2'].endswith('。'):
            problems.append(f"{r['weight']}: commentary has {len(sentences)} sentences")
    return f'chenggu: {len(rows)} readings, codes produced {min(produced, key=int)}..{max(produced, key=int)} ({len(produced)})'


def check_sjrs(problems):
    rows = read_tsv('Tgcode', 'sjrs', problems)
    keys = [(r['wh'], r['sj']) for r in rows]
    want = [(e, s) for e in ELEMENTS for s in SEASONS]
    if sorted(keys) != sorted(want) or len(keys) != len(want):
        problems.append('sjrs keys are not the 20 element-season pairs')
    for r in rows:
        text, e, s = r['sjrs'], r['wh'], r['sj']
        if text.endswith('。') or text.endswith('，'):
            problems.append(f'{e}{s}: clause must not end in punctuation')
        state = season_state(e, s)
        said = set(re.findall(r'处(.)地', text)) | ({'旺'} if f'{e}气当令而旺' in text else set())
        if said != {state}:
            problems.append(f'{e}{s}: says {sorted(said)}, the cycle gives {state}')
        if f'{RULER[s]}气当令' not in text:
            problems.append(f'{e}{s}: does not name {RULER[s]} as the ruling element')
    line = '四季用神：日主天干' + rows[0]['wh'] + '生于' + rows[0]['sj'] + '季，' + rows[0]['sjrs'] + '。'
    return f'sjrs: {len(rows)} texts, e.g. {line}'


def check_qtbj(problems):
    rows = read_tsv('Tgcode', 'qtbj', problems)
    keys = [(r['tg'], r['dz']) for r in rows]
    if sorted(keys) != sorted((t, d) for t in STEMS for d in BRANCHES) or len(keys) != 120:
        problems.append('qtbj keys are not the 120 stem-branch pairs')
    for r in rows:
        text = r['content']
        if not text.endswith('。') or text.count('。') > 2:
            problems.append(f"{r['tg']}{r['dz']}: not one or two sentences ending in 。")
        if not re.search('[甲乙丙丁戊己庚辛壬癸][木火土金水]', text):
            problems.append(f"{r['tg']}{r['dz']}: names no favourable stem")
    texts = [r['content'] for r in rows]
    if len(set(texts)) != len(texts):
        problems.append('qtbj has repeated texts')
    return f'qtbj: {len(rows)} texts'


def check_houtian(problems):
    rows = read_tsv('Tgcode', 'Houtian', problems)
    if sorted(r['wuxing'] for r in rows) != sorted(ELEMENTS):
        problems.append('Houtian keys are not the five elements')
    counts = []
    for r in rows:
        text, e = r['bujiu'], r['wuxing']
        if not 100 <= len(text) <= 250:
            problems.append(f'{e}: {len(text)} characters')
        m = re.search(rf'起名可选属{e}的字，如：(.*)。$', text)
        chars = m.group(1).split('、') if m else []
        if not 8 <= len(chars) <= 12 or any(len(c) != 1 for c in chars):
            problems.append(f'{e}: name characters {chars}')
        counts.append(f'{e} {len(text)} chars, {len(chars)} name characters')
        for word in ('颜色', '方位', '材质', '活动'):
            if word not in text:
                problems.append(f'{e}: says nothing on {word}')
    return 'Houtian: ' + '; '.join(counts)


def main():
    failed = 0
    for check in (check_chenggu, check_sjrs, check_qtbj, check_houtian):
        problems = []
        summary = check(problems)
        print(summary)
        for p in problems:
            print('  problem:', p)
        failed += bool(problems)
    print('all files good' if not failed else f'{failed} file group(s) with problems')
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main())
