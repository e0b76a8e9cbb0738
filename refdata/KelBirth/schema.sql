-- Notes shown by the reading windows.
CREATE TABLE Noter (
  Cid     TEXT NOT NULL,     -- key, e.g. XM016
  Tite    TEXT NOT NULL,     -- title
  content TEXT NOT NULL
);
CREATE UNIQUE INDEX noter_cid ON Noter (Cid);
