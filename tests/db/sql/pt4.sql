-- PokerTracker 4: the cash limits and the cash hands the queries read.
-- Sites (fixed list B): 200 PokerStars, 300 888poker.
create table cash_limit (
  id_limit integer primary key,
  amt_bb numeric(12, 2),
  limit_currency varchar(3),
  flg_hu boolean,
  flg_sh boolean,
  flg_fr boolean
);

create table cash_hand_player_statistics (
  id_hand bigserial primary key,
  id_pokersite integer,
  id_limit integer,
  handtimestamp timestamp,
  handhistory text
);

insert into cash_limit values
  (1, 0.10, 'USD', false, true, false),  -- $0.10 6-max: the fixture hands
  (2, 0.25, 'USD', false, true, false),  -- $0.25 6-max
  (3, 0.10, 'USD', false, false, true),  -- $0.10 full ring
  (4, 0.10, 'USD', true, false, false),  -- $0.10 heads-up, no hands
  (5, 0.10, 'EUR', false, true, false);  -- euro tables, no hands

insert into cash_hand_player_statistics (id_pokersite, id_limit, handtimestamp, handhistory)
select case room when 'PokerStars' then 200 when '888poker' then 300 end,
       case grp when 'bb25' then 2 when 'nine_max' then 3 else 1 end,
       started, body
  from stored_hands where grp <> 'tourney' order by ord;
