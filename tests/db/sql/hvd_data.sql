-- The rows of lumora_hvd. tests/db/README.md lists which hands each filter
-- selects and the totals it must give. All times are UTC:
-- 1709596800 = 2024-03-05 00:00:00, 1709683200 = 2024-03-06 00:00:00.

insert into sites values (1, 'PokerStars'), (2, '888poker'), (3, 'PartyPoker');

-- The lookup of the hero takes the last row that the query without an ORDER BY
-- returns: the second 'Hero' of site 1 (15), inserted after the first (11).
-- Nothing here is ever updated or deleted, so the rows come back in the order
-- they were inserted.
insert into players values (11, 1, 'Hero');
insert into players values (12, 1, 'Villain');
insert into players values (13, 1, 'O''Brien');
insert into players values (14, 1, 'Heroine');
insert into players values (21, 2, 'Hero');
insert into players values (31, 3, 'Hero');
insert into players values (15, 1, 'Hero');

insert into gametypes values
  (1, 0, 6, 10, false, 2),   -- USD 6-max 0.10 NL Hold'em
  (2, 0, 6, 10, true, 2),    -- the same, Zoom
  (3, 0, 6, 10, false, 7),   -- Pot Limit Omaha
  (4, 0, 6, 10, false, 22),  -- Razz
  (5, 0, 6, 25, false, 2),   -- big blind 0.25
  (6, 1, 6, 10, false, 2),   -- euro
  (7, 0, 9, 10, false, 2),   -- 9-max
  (8, 0, 2, 10, false, 2);   -- heads-up

insert into files values (1, 1), (2, 1), (3, 2);

insert into hands values
  (101, 1, 1, 6, 1709593200),  -- 2024-03-04 23:00:00
  (102, 1, 1, 6, 1709596799),  -- 2024-03-04 23:59:59, one second before the day
  (103, 1, 1, 5, 1709596800),  -- 2024-03-05 00:00:00, the day's first second
  (104, 1, 2, 6, 1709632800),  -- 2024-03-05 10:00:00, Zoom
  (105, 2, 2, 4, 1709640000),  -- 2024-03-05 12:00:00, Zoom
  (106, 2, 3, 6, 1709647200),  -- 2024-03-05 14:00:00, Omaha
  (107, 2, 4, 3, 1709683200),  -- 2024-03-06 00:00:00, Razz, the day's end
  (108, 1, 1, 6, 1709683201),  -- 2024-03-06 00:00:01, one second after
  (109, 1, 1, 2, 1709719200),  -- 2024-03-06 10:00:00, two seated
  (110, 1, 7, 9, 1709722800),  -- 9-max
  (111, 1, 5, 6, 1709726400),  -- big blind 0.25
  (112, 1, 6, 6, 1709730000),  -- euro
  (113, 3, 1, 6, 1709640000),  -- a file of site 2
  (114, 1, 8, 2, 1709733600),  -- heads-up
  (115, 1, 1, 6, 1699956000);  -- 2023-11-14 10:00:00

-- The hero (player 15).
insert into handsplayers values
  (101, 15, 250), (102, 15, -100), (103, 15, 40), (104, 15, -30), (105, 15, 125),
  (106, 15, -75), (107, 15, 60), (108, 15, 10), (109, 15, -20), (110, 15, 500),
  (111, 15, 300), (112, 15, 700), (114, 15, 45), (115, 15, -50),
  (113, 15, 900),   -- a hand of site 2: no site-1 filter selects it
  (999, 15, 1000);  -- no such hand
-- The first 'Hero' row of site 1, which the lookup must not take.
insert into handsplayers values (101, 11, 10000), (103, 11, 10000);
-- 'Hero' of site 2.
insert into handsplayers values (113, 21, 333);
-- O'Brien.
insert into handsplayers values
  (101, 13, -250), (103, 13, 80), (104, 13, 30), (105, 13, -125), (107, 13, -60),
  (110, 13, 15), (115, 13, 7);
-- Other players of the same hands.
insert into handsplayers values
  (101, 12, -40), (104, 12, 30), (106, 12, 75), (109, 12, 20),
  (101, 14, 77), (106, 14, 66);
