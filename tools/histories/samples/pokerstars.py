"""PokerStars samples: the bundled sessions and the readers' fixtures."""

from __future__ import annotations

from pathlib import Path

from ..clock import eastern
from ..session import SessionPlan, run_session, run_zoom
from ..table import HERO, HandScript, TableConf
from .common import F, P, bench, mark_dates, ring, stars_conf, tournament_hand, utc, write

BENCH = bench("AcesUp4U/loose, el. gato/tag, Zx9 Omega/maniac, petit prince/nit, "
               "grind3r.pro/tag, Old Man River/loose, Queen of Diamonds/tag, turbo_tom/maniac")


def examples(out: Path):
    # A long 6-max evening: the hero sits down posting a big blind, sits out and comes back
    # with small and big blinds, runs it twice, and gets all in three ways with a short stack.
    plan = SessionPlan(
        stars_conf("Halley"), utc(2024, 3, 5, 17, 12, 31),
        [P(1, "glaine 59", 8.40, "loose"), P(2, "Heroine", 12.35, "heroine"),
         P(3, "dr. spaz", 10, "tag"), P(4, HERO, 10, "hero"), P(5, "I.C.U-2-Win", 6.15, "maniac"),
         P(6, "Mr. Pink", 10.90, "nit")], 64,
        scripts={
            0: HandScript(post={HERO: "newbb"}, note="first hand at the table"),
            5: HandScript(chat=[("glaine 59", "gl all")]),
            9: F(acts={HERO: ["r30"]}),
            14: F(acts={HERO: ["a"], "Heroine": ["a"]}, cards={HERO: "Ah Kh", "Heroine": "Qs Qd"},
                  stacks={HERO: 1000, "Heroine": 1500}, run_twice=True),
            20: HandScript(sitout=(HERO,)),
            21: HandScript(sitout=(HERO,)),
            22: HandScript(post={HERO: "sbbb"}, note="back from sitting out"),
            27: HandScript(leave=("Mr. Pink",)),
            28: HandScript(join=[("K.O. Kid 3", 6, 250, "loose")]),
            31: F(acts={"K.O. Kid 3": ["a"], HERO: ["a"], "Heroine": ["c", "c", "k", "k", "k"]},
                  cards={"K.O. Kid 3": "7c 7d", HERO: "Ac Qc", "Heroine": "Kh Jh"},
                  stacks={HERO: 1000, "Heroine": 1400}, note="short stack all in"),
            38: HandScript(chat=[("Heroine", "nh"), ("I.C.U-2-Win", "ty")]),
            45: HandScript(timeout="dr. spaz"),
            55: F(acts={HERO: ["a"], "glaine 59": ["a"]}, cards={HERO: "Jd Js", "glaine 59": "As 5s"},
                  stacks={HERO: 1000, "glaine 59": 1000}, run_twice=True),
        },
        bench=list(BENCH))
    write(out, run_session(plan, "ex halley"))

    plan = SessionPlan(
        stars_conf("Vega II", ante=2), utc(2024, 3, 5, 17, 41, 3),
        [P(1, HERO, 10, "hero"), P(2, "nutz4brains", 9.10, "loose"), P(3, "Heroine", 14.20, "heroine"),
         P(4, "Borodin 1887", 10, "nit"), P(5, "Sunny D", 7.75, "tag"), P(6, "x.Y.z 42", 11.02, "maniac")],
        32, scripts={6: F(acts={HERO: ["r30"]}), 17: HandScript(chat=[("x.Y.z 42", "lol")])},
        bench=list(BENCH[2:]))
    write(out, run_session(plan, "ex vega"))

    day2 = out / "2024-03-06"
    # The hero buys in short here and gets it in as the shortest stack three ways.
    plan = SessionPlan(
        stars_conf("Ankaa"), utc(2024, 3, 6, 18, 5, 40),
        [P(1, "Borodin 1887", 9, "nit"), P(2, HERO, 4, "hero"), P(3, "Heroine", 12, "heroine"),
         P(4, "Vlad.the.Caller", 10, "loose"), P(5, "AcesUp4U", 7.30, "loose"),
         P(6, "T.J. Hooker 9", 10, "tag")], 50,
        scripts={
            3: F(acts={HERO: ["a"], "Heroine": ["c", "a"],
                       "Borodin 1887": ["c", "c", "k", "k", "k", "k"]},
                 cards={HERO: "Ad Kd", "Heroine": "9c 9h", "Borodin 1887": "Qs Jc"},
                 note="hero shortest"),
            25: F(acts={"Vlad.the.Caller": ["r35", "a", "a"], HERO: ["c", "c", "c", "c"]},
                  cards={HERO: "Kc Ks", "Vlad.the.Caller": "Ah Th"}, board="Kd 8h 4h"),
            36: HandScript(leave=("T.J. Hooker 9",)),
            37: HandScript(join=[("A.A. Milne 3", 6, 220, "loose")]),
            40: F(acts={"A.A. Milne 3": ["a"], HERO: ["a"], "Heroine": ["c", "c", "k", "k", "k"]},
                  cards={"A.A. Milne 3": "Ts 9s", HERO: "Ah Qd", "Heroine": "8c 8d"},
                  stacks={"Heroine": 4000}, note="hero in the middle"),
        },
        bench=list(BENCH[4:]), hero_topup=None)
    write(day2, run_session(plan, "ex ankaa"))

    plan = SessionPlan(
        stars_conf("Pherkad", 9), utc(2024, 3, 6, 19, 2, 12),
        [P(1, "Old Man River", 10, "loose"), P(2, "grind3r.pro", 10.40, "tag"),
         P(3, HERO, 10, "hero"), P(4, "Queen of Diamonds", 8.15, "tag"), P(5, "Heroine", 10, "heroine"),
         P(6, "senor rio", 4.60, "loose"), P(7, "7deuce off", 10, "maniac"),
         P(8, "St. Nick 24", 12.90, "nit"), P(9, "Jonny B. Goode", 10, "tag")], 40,
        scripts={12: F(acts={HERO: ["r40"]})}, bench=[("kappa.kappa", "tag")])
    write(day2, run_session(plan, "ex pherkad"))

    plan = SessionPlan(
        stars_conf("Ara", sym="€", word="EUR"), utc(2024, 3, 6, 20, 10, 9),
        [P(1, "petit prince", 10, "nit"), P(2, HERO, 10, "hero"), P(3, "kappa.kappa", 9.35, "tag"),
         P(4, "Heroine", 10, "heroine"), P(5, "el. gato", 6.80, "loose"), P(6, "Dr. No-Limit", 10, "tag")],
        20)
    write(day2, run_session(plan, "ex ara"))

    day3 = out / "2024-03-07"
    plan = SessionPlan(
        stars_conf("Pomona", omaha=True), utc(2024, 3, 7, 18, 1, 55),
        [P(1, "Borodin 1887", 10, "tag"), P(2, HERO, 10, "hero"), P(3, "Heroine", 10, "heroine"),
         P(4, "St. Nick 24", 7.20, "loose"), P(5, "senor rio", 10, "loose"), P(6, "MoonLight77", 12.50, "tag")],
        30, scripts={
            12: F(acts={HERO: ["a", "a", "a", "a"], "Heroine": ["a", "a", "a", "a"]},
                  cards={HERO: "Ac As Kd Qh", "Heroine": "Jh Th 9c 8c"}, stacks={HERO: 1000},
                  note="pot-limit raises until all in"),
        })
    write(day3, run_session(plan, "ex pomona"))

    plan = SessionPlan(
        stars_conf("Alrai", 2), utc(2024, 3, 7, 19, 12, 4),
        [P(1, HERO, 10, "hero"), P(2, "Heroine", 10, "heroine")], 25, gap=(20, 70),
        scripts={8: F(acts={HERO: ["a"], "Heroine": ["c"]}, cards={HERO: "Tc Th", "Heroine": "Ad Jd"},
                    stacks={HERO: 1000, "Heroine": 1000}, note="heads-up table")})
    write(day3, run_session(plan, "ex alrai"))

    pool = [("Heroine", "heroine"), ("Zx9 Omega", "maniac"), ("turbo_tom", "maniac"),
            ("fishy_mcfish", "loose"), ("raiseordie", "maniac"), ("MoonLight77", "tag"),
            ("lucky_lou 2", "loose"), ("Sunny D", "tag"), ("A.A. Milne 3", "loose"),
            ("Vlad.the.Caller", "loose"), ("grind3r.pro", "tag"), ("Queen of Diamonds", "nit"),
            ("I.C.U-2-Win", "maniac"), ("glaine 59", "loose")]
    recs = run_zoom(stars_conf("Aludra", zoom=True), utc(2024, 3, 7, 20, 3, 17), pool, 1000, 40,
                    {10: F(acts={HERO: ["a"], "Zx9 Omega": ["a"]},
                           cards={HERO: "Qc Qd", "Zx9 Omega": "Ac 4c"}, stacks={HERO: 1000})},
                    "ex zoom")
    write(out, recs, "zoom")


def fixtures(out: Path):
    six = ["glaine 59", "Heroine", "dr. spaz", HERO, "I.C.U-2-Win", "Mr. Pink"]
    # basics: the hero at seat 4, Heroine at seat 2; the button walks round one seat a hand
    scripts = {
        0: F(button=1, post={HERO: "newbb"}, acts={HERO: ["x", "x"], "Heroine": ["r35"]}),
        1: F(button=2, acts={"Heroine": ["r30"], HERO: ["f"]}),
        2: F(button=3, acts={HERO: ["f"]}),
        3: F(button=4, acts={HERO: ["r25"]}),
        4: F(button=5, acts={HERO: ["f"], "Heroine": ["r30", "r45", "r120"],
                             "glaine 59": ["c", "k", "k"]},
             chat=[("glaine 59", "hi all")], note="Heroine bets and collects"),
        5: F(button=6, acts={HERO: ["c", "k", "k", "k"], "Heroine": ["k", "r40", "x", "x"]},
             cards={HERO: "Ac Jd", "Heroine": "Kh 9h"}, board="Js 7c 2d 4s 9c"),
        6: HandScript(button=1, sitout=(HERO,)),
        7: HandScript(button=2, sitout=(HERO,)),
        8: HandScript(button=3, sitout=(HERO,)),
        9: F(button=5, post={HERO: "sbbb"}, acts={"Heroine": ["c", "c", "x"], HERO: ["r40", "r60"]}),
        10: F(button=6, acts={HERO: ["c", "k", "k", "k"], "Heroine": ["r40", "r50", "r90", "k"]},
              cards={HERO: "Ks Td", "Heroine": "Qd Qh"}, board="Kd 9c 3h 2s Qs"),
        11: F(button=1, acts={HERO: ["f"], "Heroine": ["r30"]}),
        12: F(button=2, acts={HERO: ["k", "k", "k", "k"], "I.C.U-2-Win": ["c", "k", "k", "k"],
                              "Heroine": ["c", "k", "k", "k"]},
              cards={HERO: "2c 3d", "I.C.U-2-Win": "4h 4s", "Heroine": "8s 7d"},
              board="9c Tc Jd Qh Ks", note="odd cent to the first seat left of the button"),
    }
    plan = SessionPlan(stars_conf("Halley"), utc(2024, 3, 5, 16, 2, 11),
                       ring(six, [10, 10, 10, 10, 10, 10]), 13, scripts=scripts, churn=0)
    write(out, run_session(plan, "fx basics"), "basics")

    six = ["Borodin 1887", "nutz4brains", HERO, "Sunny D", "Heroine", "x.Y.z 42"]
    scripts = {
        0: F(button=1, acts={"Heroine": ["r30"], HERO: ["f"]}),
        1: F(button=2, acts={HERO: ["f"]}),
        2: F(button=3, acts={HERO: ["r25"]}),
        3: F(button=4, acts={HERO: ["f"]}),
        4: F(button=5, acts={HERO: ["c", "k", "k", "k"], "Heroine": ["r30", "r40", "x", "x"]},
             cards={HERO: "As Qs", "Heroine": "Jh Th"}, board="Ad 7h 4c 8c 2d"),
        5: F(button=6, acts={HERO: ["r30", "f"], "Heroine": ["r90"]}),
        6: F(button=1, note="walk"),
    }
    plan = SessionPlan(stars_conf("Vega II", ante=2), utc(2024, 3, 5, 16, 31, 40),
                       ring(six, [10, 10, 10, 10, 10, 10]), 7, scripts=scripts, churn=0)
    write(out, run_session(plan, "fx ante"), "ante")

    six = ["Borodin 1887", HERO, "Heroine", "A.A. Milne 3", "Sunny D", "x.Y.z 42"]

    scripts = {
        0: F(button=6, stacks={HERO: 300, "Heroine": 1000, "Borodin 1887": 750}, force_stacks=True,
             acts={"Heroine": ["r30", "c"], "Borodin 1887": ["a"], HERO: ["a"]},
             cards={HERO: "Ah Ad", "Borodin 1887": "Kc Kd", "Heroine": "Qs Jh"},
             board="7c 2d 9s 3h 5c", note="hero shortest wins the main pot"),
        1: F(button=1, stacks={HERO: 250, "Heroine": 1200, "Sunny D": 800}, force_stacks=True,
             acts={"Sunny D": ["r30", "c"], HERO: ["a"], "Heroine": ["a"]},
             cards={HERO: "Kh Qh", "Heroine": "Jc Jd", "Sunny D": "Ac Ks"},
             board="Js 8d 4c 2h 6s", note="hero shortest loses"),
        2: F(button=2, stacks={HERO: 600, "Heroine": 1500, "A.A. Milne 3": 200}, force_stacks=True,
             acts={HERO: ["r30", "a"], "Heroine": ["a"], "A.A. Milne 3": ["a"]},
             cards={"A.A. Milne 3": "As Ah", HERO: "Kd Ks", "Heroine": "Qc Jc"},
             board="Tc 7d 3s 2c 8h", note="hero in the middle wins the side pot"),
        3: F(button=3, stacks={HERO: 1000, "Heroine": 600, "Sunny D": 350, "x.Y.z 42": 150},
             force_stacks=True,
             acts={"x.Y.z 42": ["a"], HERO: ["a"], "Heroine": ["a"], "Sunny D": ["a"]},
             cards={"x.Y.z 42": "7s 7h", HERO: "Qd Qh", "Heroine": "Ah Kc", "Sunny D": "Jd Js"},
             board="7d 7c 2c 9h 4s", note="four all in with two numbered side pots"),
        4: F(button=4, stacks={HERO: 1000, "Heroine": 1000}, force_stacks=True,
             acts={HERO: ["r30", "a"], "Heroine": ["a"]},
             cards={HERO: "Ts Th", "Heroine": "Ad Kd"}, board="Ac 5h 9d Jc 3s", note="equal stacks"),
        5: F(button=5, stacks={HERO: 800, "Heroine": 800}, force_stacks=True,
             acts={HERO: ["a"], "Heroine": ["a"]},
             cards={HERO: "Ah Kc", "Heroine": "As Kd"}, board="2s 7h 9c Jd 4h",
             note="equal stacks with the odd cent"),
        6: F(button=6, stacks={HERO: 1000, "Sunny D": 400}, force_stacks=True,
             acts={"Sunny D": ["r30", "k", "k"], HERO: ["k", "k", "a"]},
             cards={HERO: "Jh Jc", "Sunny D": "Ad Qd"}, board="8s 4d 2c 9d 3h",
             note="turn shove called for less"),
        7: F(button=1, stacks={HERO: 500, "Heroine": 900}, force_stacks=True,
             acts={HERO: ["c", "k", "k", "a"], "Heroine": ["k", "k", "k", "k"]},
             cards={HERO: "9h 9d", "Heroine": "Ts 8s"}, board="9s 4c Kd 2h Th",
             note="all in on the river only"),
        8: F(button=2, stacks={HERO: 1200, "Heroine": 700}, force_stacks=True,
             acts={HERO: ["r30", "k"], "Heroine": ["c", "a"]},
             cards={"Heroine": "5c 5d", HERO: "Ah Kh"}, board="5h Kc 8d 2s Jh",
             note="hero calls an all-in on the flop"),
        9: F(button=3, stacks={HERO: 1000, "Heroine": 1000, "x.Y.z 42": 120}, force_stacks=True,
             acts={"x.Y.z 42": ["a"], HERO: ["c", "r150", "r300"], "Heroine": ["c", "k"]},
             cards={"x.Y.z 42": "Ac 2c", HERO: "Kh Kd", "Heroine": "9s 8s"}, board="Ks 7d 3c 4h Qd",
             note="short stack all in and the side pot won without a showdown"),
    }
    plan = SessionPlan(stars_conf("Ankaa"), utc(2024, 3, 5, 19, 15, 2),
                       ring(six, [10, 10, 10, 10, 10, 10]), 10, scripts=scripts, churn=0)
    write(out, run_session(plan, "fx side pots"), "side_pots")

    six = ["Vlad.the.Caller", HERO, "Heroine", "Zx9 Omega", "petit prince", "MoonLight77"]
    scripts = {
        0: F(button=1, stacks={HERO: 1000, "Heroine": 1200}, force_stacks=True,
             acts={HERO: ["a"], "Heroine": ["a"]}, cards={HERO: "Ac Kc", "Heroine": "9d 9s"},
             board="2c 7h Jd 4s Kd", board2="9h 3c 5d 8c Th", run_twice=True),
        1: F(button=2, stacks={HERO: 1000, "Heroine": 800}, force_stacks=True,
             acts={HERO: ["r30", "r50", "k"], "Heroine": ["c", "k", "k", "a"]},
             cards={HERO: "Qh Qd", "Heroine": "Jh Th"}, board="Qc 9h 2h 3s 7c", board2="8h",
             run_twice=True, note="turn all in; the river dealt twice"),
        2: F(button=3, stacks={HERO: 1000, "Heroine": 1000}, force_stacks=True,
             acts={HERO: ["a"], "Heroine": ["a"]}, cards={HERO: "Jc Jh", "Heroine": "Ad 7d"},
             board="Js 6d 2s Td 4c", note="all in but dealt once"),
        3: F(button=4, stacks={HERO: 1000, "Zx9 Omega": 1000}, force_stacks=True,
             acts={HERO: ["a"], "Zx9 Omega": ["a"]}, cards={HERO: "Ad As", "Zx9 Omega": "7c 2d"},
             board="3h 8s Kc 5d 9c", board2="4s 6c Jh 2h Qs", run_twice=True, note="hero wins both runs"),
    }
    plan = SessionPlan(stars_conf("Pollux"), utc(2024, 3, 5, 20, 0, 45),
                       ring(six, [10, 10, 10, 10, 10, 10]), 4, scripts=scripts, churn=0)
    write(out, run_session(plan, "fx run twice nl"), "run_twice")

    six = [HERO, "Heroine", "Borodin 1887", "St. Nick 24", "senor rio", "kappa.kappa"]
    scripts = {
        0: F(button=6, stacks={HERO: 300, "Heroine": 1500, "Borodin 1887": 1500}, force_stacks=True,
             acts={"Borodin 1887": ["r35", "c", "x"], HERO: ["a", "a"], "Heroine": ["a", "a"]},
             cards={HERO: "Ah Ad Kc Qs", "Heroine": "Js Ts 9h 8h", "Borodin 1887": "7c 7d 5s 4s"},
             board="Ac 9c 2d 3h 4c", board2="Qh Kd", run_twice=True,
             note="side pot from a player who folded"),
        1: F(button=1, stacks={HERO: 500, "Heroine": 500}, force_stacks=True,
             acts={HERO: ["a", "a", "a"], "Heroine": ["a", "a", "a"]},
             cards={HERO: "Kh Kc 7s 6s", "Heroine": "Ad Qd Jc Tc"}, run_twice=True),
        2: F(button=2, acts={HERO: ["f"]}),
    }
    plan = SessionPlan(stars_conf("Pomona", omaha=True), utc(2024, 3, 5, 20, 30, 9),
                       ring(six, [10, 10, 10, 10, 10, 10]), 3, scripts=scripts, churn=0)
    write(out, run_session(plan, "fx run twice plo"), "run_twice")

    # a tournament hand opens the file; the cash hands follow
    tconf = TableConf("stars", "3712345678 1", 9, 10, 20,
                      tournament="Tournament #3712345678, $1+$0.10 USD Hold'em No Limit - Level I (10/20)")
    names = [HERO, "raiseordie", "fishy_mcfish", "Heroine", "lucky_lou 2", "turbo_tom", "Sunny D",
             "MoonLight77", "kappa.kappa"]
    thand, rows = tournament_hand(tconf, list(enumerate(names, 1)), 9, "fx tournament", "stars",
                                  utc(2024, 3, 5, 16, 50, 2))
    six = ["glaine 59", "Heroine", "dr. spaz", HERO, "I.C.U-2-Win", "Mr. Pink"]
    plan = SessionPlan(stars_conf("Halley"), utc(2024, 3, 5, 17, 0, 31), ring(six, [10] * 6), 6,
                       scripts={1: F(acts={HERO: ["r30"]})}, churn=0)
    recs = run_session(plan, "fx tournament cash")
    write(out, [thand] + recs, "tournament_first", named_by=recs, extra_rows=rows)

    six = ["petit prince", HERO, "kappa.kappa", "Heroine", "el. gato", "Dr. No-Limit"]
    plan = SessionPlan(stars_conf("Ara", sym="€", word="EUR"), utc(2024, 3, 6, 17, 20, 51),
                       ring(six, [10, 10, 9.35, 10, 6.80, 10]), 8,
                       scripts={2: F(acts={HERO: ["r30"]}),
                              5: F(acts={HERO: ["c", "k", "k", "k"], "Heroine": ["r30", "r45", "k", "k"]},
                                   cards={HERO: "Qc Qs", "Heroine": "Ah 5h"}, board="Kc 8d 2s 6h 3c")},
                       churn=0)
    write(out, run_session(plan, "fx euro"), "euro")

    six = ["glaine 59", "Heroine", "dr. spaz", HERO, "I.C.U-2-Win", "Mr. Pink"]
    plan = SessionPlan(stars_conf("Halley"), utc(2024, 3, 6, 4, 31, 7), ring(six, [10] * 6), 16,
                       scripts={4: F(acts={HERO: ["r30"]})}, gap=(140, 260), churn=0)
    recs = run_session(plan, "fx midnight")
    mark_dates(recs, eastern, " ET")
    write(out, recs, "midnight")

    pool = [("Heroine", "heroine"), ("Zx9 Omega", "maniac"), ("turbo_tom", "maniac"),
            ("fishy_mcfish", "loose"), ("raiseordie", "maniac"), ("MoonLight77", "tag"),
            ("lucky_lou 2", "loose"), ("Sunny D", "tag"), ("glaine 59", "loose")]
    recs = run_zoom(stars_conf("Aludra", zoom=True), utc(2024, 3, 5, 21, 14, 26), pool, 1000, 10,
                    {1: F(acts={HERO: ["r30"]}),
                     4: F(acts={"Heroine": ["r30"], HERO: ["f"]}),
                     7: F(acts={HERO: ["r25", "r30", "k", "k"], "Heroine": ["c", "k", "k", "k"]},
                          cards={HERO: "Ad Td", "Heroine": "Kc Qc"}, board="Tc 6h 2c 9s 4d")},
                    "fx zoom")
    write(out, recs, "zoom")
