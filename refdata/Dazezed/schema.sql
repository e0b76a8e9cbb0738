-- Naming database: character dictionary and scored stroke combinations.
CREATE TABLE word (
  id     INTEGER NOT NULL,
  zi     TEXT    NOT NULL,   -- the character (simplified form)
  ft     TEXT    NOT NULL,   -- its traditional form (the character itself when both coincide)
  bh     INTEGER NOT NULL,   -- stroke count of name numerology (Kangxi count of the traditional form)
  wuhang TEXT    NOT NULL,   -- one of 金 木 水 火 土
  px     INTEGER NOT NULL,   -- order weight: small for characters often chosen in names
  nan    INTEGER NOT NULL,   -- 1: suits a boy's name
  nv     INTEGER NOT NULL,   -- 1: suits a girl's name
  xb     TEXT    NOT NULL,   -- '男', '女', '1' (both) or '0' (no sex)
  Aflag  TEXT                -- NULL: usable in generated names
);
CREATE INDEX word_zi ON word (zi);
CREATE INDEX word_ft ON word (ft);
CREATE INDEX word_pick ON word (bh, Aflag);

CREATE TABLE zh (
  lx   INTEGER NOT NULL,     -- name form 11, 12, 21, 22
  bh11 INTEGER NOT NULL,
  bh12 INTEGER NOT NULL,
  bh21 INTEGER NOT NULL,
  bh22 INTEGER NOT NULL,
  zf   INTEGER NOT NULL,     -- score
  jxjx INTEGER NOT NULL      -- sort key, ascending = best first
);
CREATE INDEX zh_plan ON zh (lx, bh11, bh12, jxjx, zf);
CREATE INDEX zh_combo ON zh (bh11, bh12, bh21, bh22);
