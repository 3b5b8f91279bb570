"""888poker and LotosPoker samples: the bundled sessions and the readers' fixtures."""

from __future__ import annotations

from pathlib import Path

from ..clock import central_european
from ..session import SAMPLE_IDS, SessionPlan, run_session
from ..table import HERO, HandScript, TableConf
from .common import (F, P, bench, flopomania_conf, mark_dates, ring, small_stakes, utc,
                     with_tournament_hand, write)

BENCH = bench("Gaston.L/loose, rouletteRuss/maniac, PetitPois/nit, MontBlanc8/tag, "
               "Calisson13/loose")


def examples(out: Path):
    plan = SessionPlan(
        small_stakes("888", "Lyon"), utc(2024, 3, 5, 17, 20, 11),
        [P(1, "lyonnais69", 10, "loose"), P(2, "Heroine", 12.40, "heroine"), P(3, HERO, 10, "hero"),
         P(4, "chipNchair", 9.35, "tag"), P(5, "zugzwang7", 10, "maniac"), P(6, "Kasimir.K", 11.20, "nit")],
        60, scripts={
            0: HandScript(post={HERO: "newbb"}, note="first hand at the table"),
            9: F(button=1),              # a walk
            15: F(button=2, acts={HERO: ["a"], "zugzwang7": ["r30", "f"]}, stacks={HERO: 800},
                  force_stacks=True,
                  note="all in; everybody folds"),
            25: HandScript(sitout=(HERO,)),
            26: HandScript(sitout=(HERO,)),
            27: HandScript(post={HERO: "dead"}, note="back from sitting out"),
            40: F(acts={"lyonnais69": ["a"], HERO: ["a"], "Heroine": ["a"]},
                  stacks={HERO: 1500, "Heroine": 900, "lyonnais69": 400}, force_stacks=True,
                  cards={HERO: "Ah Ad", "Heroine": "Kc Kd", "lyonnais69": "Qs Qh"},
                  note="the hero covers two all-ins"),
        },
        bench=list(BENCH))
    write(out, run_session(plan, "888 ex lyon"))

    plan = SessionPlan(
        small_stakes("888", "Rennes"), utc(2024, 3, 6, 19, 40, 2),
        [P(1, "MarieC22", 10, "tag"), P(2, HERO, 10, "hero"), P(3, "flushOrBust", 8.60, "loose"),
         P(4, "Heroine", 10, "heroine"), P(5, "Kasimir.K", 10, "nit"), P(6, "zugzwang7", 14.05, "maniac")],
        40, scripts={22: HandScript(post={"flushOrBust": "dead"})}, bench=list(BENCH[2:]))
    write(out, run_session(plan, "888 ex rennes"))

    plan = SessionPlan(
        small_stakes("888", "Sofia", banner="LotosPoker"), utc(2024, 3, 6, 21, 5, 30),
        [P(1, HERO, 10, "hero"), P(2, "Heroine", 10, "heroine"), P(3, "Boyan.B", 9.40, "tag"),
         P(4, "rakiaPls", 10, "maniac"), P(5, "Nevena 7", 11.25, "loose"), P(6, "Vitosha", 10, "nit")],
        30, ids=SAMPLE_IDS["lotos"])
    write(out, run_session(plan, "lotos ex sofia"))

    # Flopomania: antes only and no betting before the flop; this hero only checks and calls
    plan = SessionPlan(
        flopomania_conf("Nice"), utc(2024, 3, 7, 18, 31, 44),
        [P(1, "Heroine", 10, "heroine"), P(2, HERO, 10, "hero"), P(3, "lyonnais69", 10, "loose"),
         P(4, "zugzwang7", 10, "maniac"), P(6, "MarieC22", 10, "tag")],
        25, churn=0)
    write(out, run_session(plan, "888 ex flopomania"))


def fixtures(out: Path):
    six = ["lyonnais69", "Heroine", HERO, "chipNchair", "zugzwang7", "Kasimir.K"]
    scripts = {
        0: F(button=1),                  # a walk
        1: F(button=2, acts={HERO: ["f"]}),
        2: F(button=3, acts={"Heroine": ["r30"], HERO: ["f"]}),
        3: F(button=4, acts={HERO: ["r30"]}),
        4: F(button=5, acts={HERO: ["c", "k", "k", "k", "k"], "Heroine": ["r30", "r40", "x", "x"]},
             cards={HERO: "Ac Jd", "Heroine": "Kh 9h"}, board="Js 7c 2d 4s 9c"),
        5: F(button=6, acts={"Heroine": ["r30", "r50", "r100"], HERO: ["c", "k", "k", "f"]}),
        6: HandScript(button=1, sitout=(HERO,)),
        7: HandScript(button=2, sitout=(HERO,), quirk="fold before deal"),
        8: F(button=4, post={HERO: "dead"}, acts={"Heroine": ["r40"], HERO: ["f"]},
             note="back from sitting out"),
        9: F(button=5, post={"chipNchair": "dead"},
             acts={HERO: ["k", "k", "k", "k"], "chipNchair": ["k", "k", "k", "k"]},
             cards={HERO: "Kd Ks", "chipNchair": "8c 7c"}, board="Qh 5s 2c 9d 3h",
             note="chipNchair posts a dead blind"),
    }
    plan = SessionPlan(small_stakes("888", "Lyon"), utc(2024, 3, 5, 15, 10, 4), ring(six, [10] * 6), 10,
                       scripts=scripts, churn=0)
    write(out, run_session(plan, "888 fx basics"), "basics")

    scripts = {
        0: F(button=6, acts={"lyonnais69": ["a"], HERO: ["a"], "Heroine": ["a"]},
             stacks={"lyonnais69": 300, "Heroine": 700, HERO: 1500}, force_stacks=True,
             cards={HERO: "Ah Ad", "Heroine": "Kc Kd", "lyonnais69": "Qs Qh"}, board="2c 7d 9h 3s 8c",
             note="two collect lines: main and side pot"),
        1: F(button=1, acts={"Heroine": ["a"], "chipNchair": ["a"], HERO: ["a"]},
             stacks={HERO: 400, "Heroine": 1500, "chipNchair": 1000}, force_stacks=True,
             cards={HERO: "Ks Kh", "Heroine": "Qd Qc", "chipNchair": "Jh Jd"}, board="2s 6d 9c Th 4h",
             note="the hero shortest wins the main pot"),
        2: F(button=2, acts={HERO: ["a"], "zugzwang7": ["a"]}, stacks={HERO: 2000, "zugzwang7": 600},
             force_stacks=True, cards={HERO: "7s 7h", "zugzwang7": "Ad Kc"}, board="Ac 8d 3h 2s Qd",
             note="the hero covers and loses"),
        3: F(button=3, acts={HERO: ["r30", "k", "k", "k"], "Heroine": ["c", "k", "k", "k"]},
             cards={HERO: "Ah Qc", "Heroine": "Ad Qs"}, board="2c 5d 9h Js 3d"),
    }
    plan = SessionPlan(small_stakes("888", "Lyon"), utc(2024, 3, 5, 16, 2, 50), ring(six, [10] * 6), 4,
                       scripts=scripts, churn=0)
    write(out, run_session(plan, "888 fx side pots"), "side_pots")

    # five at a six-seat table: six antes less the rake would make a pot of 0.57
    flop6 = ["Heroine", HERO, "lyonnais69", "zugzwang7", "Kasimir.K"]
    scripts = {
        0: F(button=5, acts={"Heroine": ["r30", "r50", "x"], HERO: ["k", "k", "k"]},
             cards={HERO: "Th Td", "Heroine": "As 4s"}, board="Tc 7s 2d Kh 5c", note="calls down and wins"),
        1: F(button=1, acts={"Heroine": ["r40", "r60"], HERO: ["k", "f"], "lyonnais69": ["k", "k", "f"]},
             note="first to act; folds on the flop"),
        2: F(button=2, acts={"Heroine": ["k", "k", "k"], HERO: ["k", "k", "k"]},
             cards={HERO: "9c 8c", "Heroine": "Qd Jd"}, board="Qs 6h 2d 3c Kd", note="checks down and loses"),
        3: F(button=3, acts={"zugzwang7": ["r30", "r60", "k"], HERO: ["k", "k", "k"]},
             cards={HERO: "Ad Kd", "zugzwang7": "Jc 9c"}, board="Ks 8d 4d 2c 7h"),
        4: HandScript(button=4),
    }
    plan = SessionPlan(flopomania_conf("Nice"), utc(2024, 3, 7, 17, 0, 21), ring(flop6, [10] * 5), 5,
                       scripts=scripts, churn=0)
    write(out, run_session(plan, "888 fx flopomania"), "flopomania")

    # a client that writes a comma for the decimal point, at a $1/$2 table
    plan = SessionPlan(TableConf("888", "Bordeaux", 6, 100, 200, comma=True, rake_cap=300),
                       utc(2024, 3, 5, 20, 12, 33), ring(six, [200] * 6), 6,
                       scripts={1: F(button=2, acts={HERO: ["r550"]}),
                              3: F(button=4, acts={HERO: ["c", "k", "k", "k", "k"],
                                                   "Heroine": ["r650", "r1150", "x", "x"]},
                                   cards={HERO: "Kc Kh", "Heroine": "Qs Js"}, board="Kd 9s 4h 2c 7d"),
                              4: F(button=5, acts={"Heroine": ["r650", "r1375"], HERO: ["c", "k", "f"]}),
                              5: F(button=6, acts={HERO: ["r550", "r825", "k", "k"],
                                                   "Heroine": ["c", "k", "k", "k"]},
                                   cards={HERO: "Ah Jh", "Heroine": "Ad Kc"}, board="Js 8c 3d 5h Ks")},
                       churn=0)
    write(out, run_session(plan, "888 fx comma"), "comma")

    scripts = {
        0: F(button=3, acts={"Heroine": ["r57", "x", "x", "x"], HERO: ["c", "k", "k", "k"]},
             cards={HERO: "Qc Qd", "Heroine": "Jh 9h"}, board="8s 4d 2c Kh 3s",
             quirk="truncation", note="Heroine raises to 0.57 and the hero calls: 56 cents"),
        1: F(button=2, acts={HERO: ["f"]}),
        2: F(button=3, acts={HERO: ["r30"]}),
    }
    plan = SessionPlan(small_stakes("888", "Lyon"), utc(2024, 3, 5, 19, 21, 7), ring(six, [10] * 6), 3,
                       scripts=scripts, churn=0)
    write(out, run_session(plan, "888 fx truncation"), "truncation")

    # cash hands, a tournament hand (the reader abandons the file there), more cash hands
    plan = SessionPlan(small_stakes("888", "Lyon"), utc(2024, 3, 5, 20, 40, 0), ring(six, [10] * 6), 7,
                       scripts={1: F(acts={HERO: ["r30"]})}, churn=0)
    recs = run_session(plan, "888 fx tournament")
    tconf = TableConf("888", "T", 9, 100, 200, tournament="Tournament #181234567 $1 + $0.10 - Table #3")
    seats = [(1, HERO), (2, "Heroine"), (4, "chipNchair"), (6, "Kasimir.K"), (8, "flushOrBust")]
    recs, rows = with_tournament_hand(recs, 5, 88, tconf, seats, "888 fx tournament hand", "888")
    write(out, recs, "tournament_marker", extra_rows=rows)

    plan = SessionPlan(small_stakes("888", "Lyon"), utc(2024, 3, 5, 22, 38, 40), ring(six, [10] * 6), 14,
                       scripts={4: F(acts={HERO: ["r30"]})}, gap=(140, 260), churn=0)
    recs = run_session(plan, "888 fx midnight")
    mark_dates(recs, central_european)
    write(out, recs, "midnight")

    lotos = [HERO, "Heroine", "Boyan.B", "rakiaPls", "Nevena 7", "Vitosha"]
    plan = SessionPlan(small_stakes("888", "Sofia", banner="LotosPoker"), utc(2024, 3, 6, 20, 0, 12),
                       ring(lotos, [10] * 6), 5,
                       scripts={1: F(button=2, acts={HERO: ["r30"], "Heroine": ["c", "k", "f"]})},
                       churn=0, ids=SAMPLE_IDS["lotos"])
    write(out, run_session(plan, "lotos fx"), "lotos")
