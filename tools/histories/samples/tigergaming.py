"""Tiger Gaming samples: the bundled sessions and the readers' fixtures."""

from __future__ import annotations

from pathlib import Path

from ..clock import eastern
from ..session import SessionPlan, run_session
from ..table import HERO, HandScript
from .common import F, P, bench, mark_dates, ring, small_stakes, utc, write

BENCH = bench("Sheila B/tag, Ned Kelly 2/maniac, Wombat Will/loose, Tasman.T/nit, "
               "didgeridoo9/loose")


def examples(out: Path):
    # A 6-max evening: the hero shoves over a raise and everybody folds (no "Uncalled
    # bet" line), gets covered all in, runs a board twice and sits out for two hands.
    plan = SessionPlan(
        small_stakes("tiger", "Koala"), utc(2024, 3, 5, 22, 14, 3),
        [P(1, "dingo_dave", 10, "loose"), P(2, "Heroine", 11.40, "heroine"),
         P(3, "Wallaby Jim", 8.75, "tag"), P(4, HERO, 10, "hero"), P(5, "platypus22", 10, "maniac"),
         P(6, "kanga.roo", 12.30, "nit")], 90,
        scripts={
            0: HandScript(post={HERO: "newbb"}, note="first hand at the table"),
            8: F(button=4, acts={"Heroine": ["r25", "f"], HERO: ["a"]}, stacks={HERO: 1000},
                 force_stacks=True, note="all in; everybody folds"),
            19: HandScript(sitout=(HERO,)),
            20: HandScript(sitout=(HERO,)),
            21: HandScript(post={HERO: "newbb"}, note="back from sitting out"),
            30: F(acts={HERO: ["a"], "platypus22": ["a"]}, cards={HERO: "Qd Qs", "platypus22": "Ac 9c"},
                  stacks={HERO: 1500, "platypus22": 600}, force_stacks=True,
                  note="the hero covers a short all-in"),
            45: F(button=5, acts={HERO: ["a"], "Heroine": ["a"]}, cards={HERO: "Kh Kd", "Heroine": "Ac Qc"},
                  stacks={HERO: 1000, "Heroine": 1000}, force_stacks=True, run_twice=True),
            52: HandScript(chat=[("dingo_dave", "nh")]),
            60: HandScript(timeout="Wallaby Jim"),
            71: F(button=1, acts={HERO: ["c", "c", "r75"], "Heroine": ["r30", "k", "f"]}),
            80: F(button=1, acts={HERO: ["r30", "r400"], "platypus22": ["c", "a"]},
                  cards={HERO: "Ac Kh", "platypus22": "Qs Qd"}, board="Kc 9d 4s 2h 7c",
                  stacks={"platypus22": 300}, force_stacks=True,
                  note="a flop bet called all in for less; the rest returned with its line"),
        },
        bench=list(BENCH))
    write(out, run_session(plan, "tiger ex koala"))

    plan = SessionPlan(
        small_stakes("tiger", "Quokka", ante=2), utc(2024, 3, 6, 23, 2, 40),
        [P(1, HERO, 10, "hero"), P(2, "bunyip.77", 9.20, "loose"), P(3, "Heroine", 13.15, "heroine"),
         P(4, "croc_hunter", 10, "nit"), P(5, "Matilda W", 7.80, "tag"), P(6, "outback.ozzy", 10.60, "maniac")],
        60, scripts={12: F(button=1, acts={HERO: ["a"]}, stacks={HERO: 800}, force_stacks=True,
                         note="all in; everybody folds"),
                   33: HandScript(chat=[("outback.ozzy", "gl")])},
        bench=list(BENCH[1:3]))
    write(out, run_session(plan, "tiger ex quokka"))


def fixtures(out: Path):
    six = ["dingo_dave", "Heroine", "Wallaby Jim", HERO, "platypus22", "kanga.roo"]
    scripts = {
        0: F(button=2, acts={"Heroine": ["r30"], HERO: ["f"]}),
        1: F(button=3, acts={HERO: ["f"]}),
        2: F(button=4, acts={HERO: ["f"]}, note="the hero only sits: no post"),
        3: HandScript(button=5, sitout=(HERO,)),
        4: F(button=5, acts={HERO: ["r25"]}),
        5: F(button=6, acts={HERO: ["c", "r75"], "Heroine": ["k", "k", "f"]}),
        6: F(button=1, acts={HERO: ["c", "k", "k", "k", "k"], "Heroine": ["r30", "r40", "x", "x"]},
             cards={HERO: "Ac Jd", "Heroine": "Kh 9h"}, board="Js 7c 2d 4s 9c"),
        7: F(button=2, acts={"Heroine": ["r30", "r60"], HERO: ["c", "k", "f"]}),
    }
    plan = SessionPlan(small_stakes("tiger", "Koala"), utc(2024, 3, 5, 21, 30, 12), ring(six, [10] * 6), 8,
                       scripts=scripts, churn=0)
    write(out, run_session(plan, "tiger fx basics"), "basics")

    scripts = {
        0: F(button=4, acts={"Heroine": ["r25", "f"], HERO: ["a"]}, stacks={HERO: 100},
             force_stacks=True, note="all in for 1.00 over a raise to 0.25; no uncalled line"),
        1: F(button=5, acts={HERO: ["c", "c", "r75"], "kanga.roo": ["r30", "k", "f"]},
             note="a flop bet of 0.75 returned with its line"),
        2: F(button=6, acts={HERO: ["a"], "platypus22": ["a"]}, cards={HERO: "As Ah", "platypus22": "Kc Qc"},
             board="2d 7h 9s 3c Js", stacks={HERO: 1500, "platypus22": 600}, force_stacks=True,
             note="the hero's all-in covers a short stack; no uncalled line"),
        3: F(button=1, acts={HERO: ["a"], "platypus22": ["a"]}, cards={HERO: "Kc Qc", "platypus22": "As Ah"},
             board="2d 7h 9s 3c Js", stacks={HERO: 1500, "platypus22": 600}, force_stacks=True,
             note="the hero's all-in covers a short stack and loses"),
        4: F(button=2, acts={HERO: ["r30", "r400"], "dingo_dave": ["c", "k", "a"]},
             cards={HERO: "Ad Kd", "dingo_dave": "Jc Th"}, board="Ks 8c 3d 6h 2s",
             stacks={HERO: 1000, "dingo_dave": 300}, force_stacks=True,
             note="a flop bet called all in for less; the rest returned with its line"),
        5: F(button=3, acts={"platypus22": ["a"], HERO: ["a"], "Heroine": ["a"]},
             cards={"platypus22": "9d 9h", HERO: "Ac Kc", "Heroine": "Qh Js"}, board="Kd 7s 4c 2h 5d",
             stacks={"platypus22": 300, HERO: 800, "Heroine": 1500}, force_stacks=True,
             note="three all in; Heroine covers"),
    }
    plan = SessionPlan(small_stakes("tiger", "Koala"), utc(2024, 3, 5, 22, 5, 40), ring(six, [10] * 6), 6,
                       scripts=scripts, churn=0)
    write(out, run_session(plan, "tiger fx unmatched"), "unmatched")

    ten = ["dingo_dave", "Heroine", "Wallaby Jim", HERO, "platypus22", "kanga.roo", "bunyip.77",
           "croc_hunter", "Matilda W", "Emu Express"]
    note10 = "Emu Express in seat 10 does not register"
    scripts = {
        0: F(button=8, acts={"Heroine": ["r30", "k", "k", "k"], HERO: ["c", "k", "k", "k"],
                             "Emu Express": ["c", "k", "k", "k"]},
             cards={HERO: "Qs Qc", "Heroine": "Jd Jh", "Emu Express": "7c 6c"}, board="2s 9d Kh 4c 3s",
             note=note10),
        1: F(button=9, acts={HERO: ["r30"]}, note=note10 + " (he posts the small blind)"),
        2: F(button=10, acts={"Emu Express": ["r30", "r40"], HERO: ["c", "k", "f"]}, note=note10),
        3: F(button=1, acts={"Emu Express": ["r30"], "Heroine": ["c", "k", "k", "k"],
                             HERO: ["c", "k", "k", "k"]},
             cards={HERO: "Ah Th", "Heroine": "Kd Qd", "Emu Express": "5s 5d"}, board="Tc 8h 3s 2d 9c",
             note=note10),
    }
    plan = SessionPlan(small_stakes("tiger", "Wombat", 10), utc(2024, 3, 5, 23, 1, 9),
                       ring(ten, [10] * 10), 4,
                       scripts=scripts, churn=0)
    write(out, run_session(plan, "tiger fx ten max"), "ten_max")

    scripts = {
        0: F(button=4, acts={HERO: ["a"], "Heroine": ["a"]}, cards={HERO: "Ah Kh", "Heroine": "Qs Qd"},
             board="Qc 7h 2d 9s 3c", board2="Kc 8d 4s Jh 2c", stacks={HERO: 1000, "Heroine": 1000},
             force_stacks=True, run_twice=True, note="all in before the flop"),
        1: F(button=4, acts={"Heroine": ["r30", "r40", "a"], HERO: ["c", "k", "k"]},
             cards={HERO: "Qh Qd", "Heroine": "Jh Th"}, board="Qc 9h 2h 3s 7c", board2="8h",
             stacks={HERO: 1000, "Heroine": 1000}, force_stacks=True, run_twice=True,
             note="turn all in; the river dealt twice"),
        2: F(button=5, acts={HERO: ["f"]}),
    }
    plan = SessionPlan(small_stakes("tiger", "Koala"), utc(2024, 3, 5, 23, 40, 51), ring(six, [10] * 6), 3,
                       scripts=scripts, churn=0)
    write(out, run_session(plan, "tiger fx run twice"), "run_twice")

    six = [HERO, "bunyip.77", "Heroine", "croc_hunter", "Matilda W", "outback.ozzy"]
    scripts = {
        0: F(button=5, acts={"Heroine": ["r30"], HERO: ["f"]}),
        1: F(button=6, acts={HERO: ["f"]}),
        2: F(button=1, acts={HERO: ["f"]}),
        3: F(button=2, acts={HERO: ["r25"]}),
        4: F(button=3, acts={HERO: ["c", "k", "k", "k", "k"], "Heroine": ["r30", "r40", "x", "x"]},
             cards={HERO: "As Qs", "Heroine": "Jh Th"}, board="Ad 7h 4c 8c 2d"),
        5: F(button=5, note="walk"),
        6: F(button=6, acts={HERO: ["a"]}, stacks={HERO: 800}, force_stacks=True,
             note="all in from the small blind; no uncalled line"),
    }
    plan = SessionPlan(small_stakes("tiger", "Quokka", ante=2), utc(2024, 3, 6, 0, 10, 5),
                       ring(six, [10] * 6), 7,
                       scripts=scripts, churn=0)
    write(out, run_session(plan, "tiger fx ante"), "ante")

    six = ["dingo_dave", "Heroine", "Wallaby Jim", HERO, "platypus22", "kanga.roo"]
    plan = SessionPlan(small_stakes("tiger", "Koala"), utc(2024, 3, 6, 4, 33, 20), ring(six, [10] * 6), 14,
                       scripts={3: F(acts={HERO: ["r30"]})}, gap=(140, 260), churn=0)
    recs = run_session(plan, "tiger fx midnight")
    mark_dates(recs, eastern)
    write(out, recs, "midnight")
