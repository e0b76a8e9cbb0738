-- Name analysis texts: three-talent grades and readings, the eighty-one numbers.
CREATE TABLE sancai (
  title TEXT NOT NULL,       -- configuration: elements of 天格, 人格, 地格
  djc   INTEGER NOT NULL     -- grade 1 (best) to 7
);
CREATE UNIQUE INDEX sancai_title ON sancai (title);

CREATE TABLE sancai2009 (
  title TEXT NOT NULL,
  yy    TEXT NOT NULL,       -- overall reading
  jcy   TEXT NOT NULL,       -- effect on the basic fortune
  jx1   TEXT NOT NULL,       -- its verdict, e.g. （吉）
  cgy   TEXT NOT NULL,       -- effect on success
  jx2   TEXT NOT NULL,
  rjgx  TEXT NOT NULL,       -- effect on relations with others
  jx3   TEXT NOT NULL,
  xg    TEXT NOT NULL        -- effect on character
);
CREATE UNIQUE INDEX sancai2009_title ON sancai2009 (title);

CREATE TABLE "81" (
  num     INTEGER NOT NULL,  -- 1 to 81
  yy      TEXT NOT NULL,     -- name and reading of the number
  jx      TEXT NOT NULL,     -- verdict
  "as"    TEXT NOT NULL,     -- hint
  content TEXT NOT NULL      -- longer reading
);
CREATE UNIQUE INDEX n81_num ON "81" (num);
