-- HoldemManager2: the game types and the stored hand histories the queries read.
-- Sites (fixed list A): 1 PokerStars, 2 888poker.
create table gametypes (
  gametype_id integer primary key,
  bigblindincents integer,
  smallblindincents integer,
  istourney boolean,
  currencytype_id integer,  -- 0 USD, 1 EUR, 2 GBP
  tablesize integer
);

create table handhistories (
  handhistory_id bigserial primary key,
  pokersite_id integer,
  gametype_id integer,
  handtimestamp timestamp,
  handhistory text
);

insert into gametypes values
  (1, 10, 5, false, 0, 6),   -- $0.05/$0.10 6-max: the fixture hands
  (2, 25, 10, false, 0, 6),  -- $0.10/$0.25 6-max
  (3, 10, 5, true, 0, 6),    -- a tournament with the same blinds
  (4, 10, 5, false, 1, 6),   -- euro tables, no hands
  (5, 10, 5, false, 0, 9),   -- 9-max
  (6, 10, 5, false, 0, 2);   -- heads-up, no hands

insert into handhistories (pokersite_id, gametype_id, handtimestamp, handhistory)
select case room when 'PokerStars' then 1 when '888poker' then 2 end,
       case grp when 'bb25' then 2 when 'tourney' then 3 when 'nine_max' then 5 else 1 end,
       started, body
  from stored_hands order by ord;
