-- Bone weights (称骨) and their readings.
CREATE TABLE chenggu1 (year   TEXT NOT NULL, weight REAL NOT NULL);  -- lunar year, e.g. '1984'
CREATE TABLE chenggu2 (month2 TEXT NOT NULL, weight REAL NOT NULL);  -- lunar month '1'..'12'
CREATE TABLE chenggu3 (day2   TEXT NOT NULL, weight REAL NOT NULL);  -- lunar day '1'..'30'
CREATE TABLE chenggu4 (time   TEXT NOT NULL, weight REAL NOT NULL);  -- hour '0'..'23'
CREATE TABLE chenggu (
  weight   TEXT NOT NULL,    -- code: 两 digit then 钱 digit, e.g. '42'
  content  TEXT NOT NULL,    -- verse
  content2 TEXT NOT NULL     -- commentary
);
CREATE UNIQUE INDEX chenggu1_year ON chenggu1 (year);
CREATE UNIQUE INDEX chenggu_weight ON chenggu (weight);
