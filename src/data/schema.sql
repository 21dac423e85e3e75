-- The database file that ships with the program: participants, grades, winners, presets.
-- A grade is stored as its text; a null grade marks a candidate.

create table photo (
  id integer primary key autoincrement,
  xm varchar(20),
  filename varchar(255),
  photo blob,
  class varchar(50)
);

create table wz (
  id integer primary key autoincrement,
  wz varchar(390),
  prize varchar(50)
);

-- Grades are listed in the order they were entered (rowid order of a plain table scan).
create table jxmc (
  name varchar(50)
);

create table zb (
  filename varchar(255),
  class varchar(50),
  rq datetime default (datetime('now', 'localtime'))
);

create table zb1 (
  wz varchar(50),
  prize varchar(50)
);

-- The name-mode roll: K texts in a fresh random order at every execution, from the entries
-- not drawn yet and the preset texts that are not entries at all. A preset rolls like any
-- entry; once drawn it is recorded in wz with its grade and no longer rolls.
create view name_candidates as
  select wz from wz where prize is null
  union all
  select distinct p.wz from zb1 p
   where p.wz is not null and not exists (select 1 from wz e where e.wz = p.wz);

create view wz1 as select wz from name_candidates order by random() limit 1;
create view wz2 as select wz from name_candidates order by random() limit 2;
create view wz3 as select wz from name_candidates order by random() limit 3;
create view wz4 as select wz from name_candidates order by random() limit 4;
create view wz5 as select wz from name_candidates order by random() limit 5;
create view wz6 as select wz from name_candidates order by random() limit 6;
create view wz7 as select wz from name_candidates order by random() limit 7;
create view wz8 as select wz from name_candidates order by random() limit 8;
create view wz9 as select wz from name_candidates order by random() limit 9;
create view wz10 as select wz from name_candidates order by random() limit 10;

-- One row per photo winner, its grade in class.
create view prize as select class from photo where class is not null;

insert into jxmc(name) values ('First Prize');
insert into jxmc(name) values ('Second Prize');
insert into jxmc(name) values ('Third Prize');
