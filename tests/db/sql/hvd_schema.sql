-- "HVD", the hand database of our own: sites, players, game types, files,
-- hands and each player's net win per hand (cents).
create table sites (
  id integer primary key,
  name text
);

create table players (
  idplayer bigint primary key,
  idsite integer,
  name text
);

create table gametypes (
  id integer primary key,
  currency integer,  -- 0 USD, 1 EUR, 2 GBP
  maxseats integer,
  bigblind integer,  -- cents
  fast boolean,      -- fast-fold ("Zoom") tables
  idgamekind integer -- 2 NL Hold'em, 7 Pot Limit Omaha, 22 Razz, ...
);

create table files (
  id integer primary key,
  idsite integer
);

-- localtime is a reserved word: the queries write hands.localtime.
create table hands (
  id bigint primary key,
  idfile integer,
  idgametype integer,
  seats integer,           -- players seated
  "localtime" bigint       -- start, seconds since 1970
);

create table handsplayers (
  idhand bigint,
  idplayer bigint,
  netwin bigint            -- cents: 250 is a win of 2.50
);
