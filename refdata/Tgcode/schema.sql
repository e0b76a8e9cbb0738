-- Eight-characters chart tables.
CREATE TABLE hzwh    (hz TEXT NOT NULL, wh TEXT NOT NULL);          -- characters (matched with LIKE) -> element
CREATE TABLE Shishen (jiazi TEXT NOT NULL, ShiShen TEXT NOT NULL);  -- day stem + other stem -> ten god
CREATE TABLE jiazi   (jiazi TEXT NOT NULL, layin TEXT NOT NULL);    -- pillar -> sound element (纳音)
CREATE TABLE sjrs    (wh TEXT NOT NULL, sj TEXT NOT NULL, sjrs TEXT NOT NULL);  -- element + season -> text
CREATE TABLE qtbj    (tg TEXT NOT NULL, dz TEXT NOT NULL, content TEXT NOT NULL); -- day stem + month branch -> text
CREATE TABLE Houtian (wuxing TEXT NOT NULL, bujiu TEXT NOT NULL);   -- element -> remedy text
CREATE TABLE JQ      (YearA INTEGER NOT NULL, JQ TEXT NOT NULL, SJ TEXT NOT NULL); -- solar term moments, 'YYYY-MM-DD HH:MM:SS' China standard time
CREATE UNIQUE INDEX shishen_key ON Shishen (jiazi);
CREATE UNIQUE INDEX jiazi_key ON jiazi (jiazi);
CREATE INDEX jq_year ON JQ (YearA, JQ);
