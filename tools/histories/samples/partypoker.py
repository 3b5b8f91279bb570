"""PartyPoker samples: the bundled sessions and the readers' fixtures."""

from __future__ import annotations

from pathlib import Path

from ..clock import eastern
from ..files import write_history
from ..rooms import party
from ..session import SessionPlan, run_session
from ..table import HERO, HandScript, TableConf
from .common import F, P, bench, mark_dates, party_nl, party_plo, seated, utc, with_tournament_hand, write

BENCH = bench("cbet.machine/maniac, ruby tuesday/loose, Captain Check/nit, flopzilla/tag, "
               "donkeykong 3/loose, tilt_o_whirl/maniac, steel.wool/tag, Ms. Aces/tag")


def examples(out: Path):
    plan = SessionPlan(
        party_nl("Clifton"), utc(2024, 6, 12, 23, 5, 41),
        [P(1, "slowroll 88", 25, "loose"), P(2, "Heroine", 31.20, "heroine"), P(3, "wanda 1978", 22.75, "maniac"),
         P(4, HERO, 25, "hero"), P(5, "Mike D. 71", 18.45, "loose"), P(6, "J.J. Cale", 25, "tag"),
         P(7, "pokerpapa", 40.10, "nit"), P(9, "dr. spaz", 25, "tag")], 90,
        scripts={
            0: HandScript(post={HERO: "newbb"}, note="first hand at the table"),
            18: HandScript(sitout=(HERO,)),
            19: HandScript(sitout=(HERO,)),
            20: HandScript(post={HERO: "dead"}, note="back from sitting out"),
            33: F(acts={"wanda 1978": ["a"], HERO: ["a"], "Heroine": ["c", "c", "k", "k", "k"]},
                  cards={"wanda 1978": "Ah 3h", HERO: "Jc Jd", "Heroine": "Ks Qs"},
                  stacks={"wanda 1978": 900}, force_stacks=True, note="short stack all in"),
            47: F(acts={HERO: ["r75"]}),
            61: F(acts={HERO: ["r75", "a"], "Heroine": ["c", "a"]}, cards={HERO: "As Kc", "Heroine": "Td Th"},
                  board="Kd 9s 2c", note="flop all in"),
            58: HandScript(timeout="J.J. Cale"),
            74: HandScript(chat=[("slowroll 88", "nice hand")]),
        },
        bench=list(BENCH), gap=(50, 150))
    write(out, run_session(plan, "ex clifton"))

    plan = SessionPlan(
        party_nl("Wexford"), utc(2024, 6, 13, 22, 40, 2),
        [P(1, "Big Slick 22", 25, "tag"), P(2, HERO, 10, "hero"), P(3, "Heroine", 25, "heroine"),
         P(4, "NitNat", 30, "nit"), P(5, "riverrat 5", 12.60, "loose"), P(6, "HighCard Harry", 25, "loose"),
         P(8, "wanda 1978", 25, "maniac"), P(9, "J.J. Cale", 19.90, "tag")], 70,
        scripts={
            4: F(acts={HERO: ["a"], "Heroine": ["c", "c", "k", "k", "k", "k"],
                       "NitNat": ["c", "c", "k", "k", "k", "k"]},
                 cards={HERO: "Ah Kh", "Heroine": "Qc Qd", "NitNat": "9s 9d"},
                 note="hero shortest"),
            40: HandScript(leave=("riverrat 5",)),
        },
        bench=list(BENCH[3:]), hero_topup=None, gap=(50, 150))
    write(out, run_session(plan, "ex wexford"))

    plan = SessionPlan(
        party_plo("Ashland"), utc(2024, 6, 13, 23, 12, 30),
        [P(1, HERO, 25, "hero"), P(2, "Heroine", 25, "heroine"), P(3, "Captain Check", 25, "nit"),
         P(4, "ruby tuesday", 31.40, "loose"), P(5, "flopzilla", 25, "tag"), P(6, "tilt_o_whirl", 18.10, "maniac")],
        40, scripts={
            14: F(acts={HERO: ["a", "a", "a", "a"], "tilt_o_whirl": ["a", "a", "a", "a"]},
                  cards={HERO: "Ks Kd Qs Jd", "tilt_o_whirl": "Ac 9c 7h 6h"}, note="pot-limit all in"),
        },
        gap=(50, 150))
    write(out, run_session(plan, "ex ashland"))


def fixtures(out: Path):
    nine = [(1, "slowroll 88", 25), (2, "Heroine", 25), (3, "dr. spaz", 25), (4, HERO, 25),
            (5, "Mike D. 71", 25), (6, "J.J. Cale", 25), (7, "pokerpapa", 25), (9, "wanda 1978", 25)]
    scripts = {
        0: F(button=1, post={HERO: "newbb"}, acts={HERO: ["x", "x"], "J.J. Cale": ["r75"]}),
        1: F(button=2, acts={"Heroine": ["r75"], HERO: ["f"]}),
        2: F(button=3, acts={HERO: ["f"]}),
        3: F(button=4, acts={HERO: ["r60"]}),
        4: F(button=5, acts={HERO: ["f"], "Heroine": ["r75", "r100", "r200", "k"],
                             "pokerpapa": ["c", "k", "k", "k", "k"]},
             cards={"Heroine": "Ac Kd", "pokerpapa": "Qh Qc"}, board="Ad 8h 5s 2c 2d",
             note="Heroine raises and wins a showdown"),
        5: HandScript(button=6, sitout=(HERO,)),
        6: HandScript(button=7, sitout=(HERO,)),
        7: F(button=9, post={HERO: "dead"}, acts={HERO: ["r100", "r150", "k", "k"],
                                                  "Heroine": ["c", "k", "k", "k", "k"]},
             cards={HERO: "Ah Kh", "Heroine": "Qc Jc"}, board="Kd 8s 3c 2h 7d"),
        8: F(button=1, acts={HERO: ["c", "k", "k", "k"], "Heroine": ["c", "k", "k", "k"],
                             "dr. spaz": ["k", "k", "k", "k"], "Mike D. 71": ["c", "k", "k", "k"]},
             board="Ts Js Qd Kc Ah", note="four-way split with the odd cent"),
        9: F(button=2, note="walk"),
        10: F(button=3, acts={HERO: ["c", "k", "k", "k"], "Mike D. 71": ["k", "k", "k", "k"],
                              "Heroine": ["c", "k", "k", "r100"]}),
        11: HandScript(button=4, chat=[("wanda 1978", "gg")]),
    }
    plan = SessionPlan(party_nl("Clifton"), utc(2024, 6, 12, 22, 30, 5), seated(nine), 12,
                       scripts=scripts, churn=0, gap=(50, 150))
    write(out, run_session(plan, "fx party basics"), "basics")

    nine = [(1, "Big Slick 22", 25), (2, HERO, 25), (3, "Heroine", 25), (4, "NitNat", 25),
            (5, "riverrat 5", 25), (6, "Ms. Aces", 25), (7, "steel.wool", 25), (9, "HighCard Harry", 25)]
    scripts = {
        0: F(button=9, cards={HERO: "Kc Kh", "Big Slick 22": "Ad Qd", "Heroine": "Jh Js"},
             board="Kd 8c 4s 2h 9h", acts={"Heroine": ["r75", "c"], "Big Slick 22": ["a"], HERO: ["a"]},
             stacks={HERO: 600, "Heroine": 2500, "Big Slick 22": 1800}, force_stacks=True,
             note="hero shortest wins the main pot"),
        1: F(button=1, stacks={HERO: 3000, "Heroine": 1200, "NitNat": 500}, force_stacks=True,
             acts={"NitNat": ["a"], HERO: ["a"], "Heroine": ["a"]},
             cards={HERO: "Qs Qc", "Heroine": "Ah Kh", "NitNat": "Td Tc"}, board="Qd 6h 3c 9s 2d",
             note="hero covers everyone; his uncalled bet comes back as a side pot"),
        2: F(button=2, stacks={HERO: 2500, "Heroine": 2500}, force_stacks=True,
             acts={HERO: ["a"], "Heroine": ["a"]}, cards={HERO: "8d 8s", "Heroine": "Ac Ks"},
             board="As 7c 4h Jd 2c", note="equal stacks"),
        3: F(button=3, stacks={HERO: 2000, "Heroine": 1500, "Ms. Aces": 900, "riverrat 5": 300},
             force_stacks=True,
             acts={"Ms. Aces": ["a"], HERO: ["a"], "Heroine": ["a"], "riverrat 5": ["a"]},
             cards={"riverrat 5": "Ah Ac", "Ms. Aces": "Kd Kc", "Heroine": "Qh Qd", HERO: "Jc Jd"},
             board="2s 7d 9c 3h 5s", note="four all in; each pot to a different player"),
        4: F(button=4, stacks={HERO: 3000, "steel.wool": 1000}, force_stacks=True,
             acts={"steel.wool": ["a"], HERO: ["a"]}, cards={"steel.wool": "Ad Ah", HERO: "Kc Kd"},
             board="3c 8h Ts 4d 6c", note="hero covers and loses"),
        5: F(button=5, acts={HERO: ["f"]}),
    }
    plan = SessionPlan(party_nl("Wexford"), utc(2024, 6, 12, 23, 40, 19), seated(nine), 6,
                       scripts=scripts, churn=0, gap=(50, 150))
    write(out, run_session(plan, "fx party side pots"), "side_pots")

    nine = [(1, "slowroll 88", 25), (2, "Heroine", 25), (3, "dr. spaz", 25), (4, HERO, 25),
            (5, "Mike D. 71", 25), (6, "J.J. Cale", 25), (7, "pokerpapa", 25), (9, "wanda 1978", 25)]
    plan = SessionPlan(party_nl("Clifton"), utc(2024, 6, 13, 3, 36, 10), seated(nine), 14,
                       scripts={3: F(acts={HERO: ["r75"]})}, churn=0, gap=(140, 260))
    recs = run_session(plan, "fx party midnight")
    mark_dates(recs, eastern, " ET")
    write(out, recs, "date_boundary")

    # cash hands, then a tournament hand (the reader stops there), then more cash hands
    plan = SessionPlan(party_nl("Clifton"), utc(2024, 6, 14, 0, 2, 51), seated(nine), 7,
                       scripts={1: F(acts={HERO: ["r75"]})}, churn=0, gap=(50, 150))
    recs = run_session(plan, "fx party tournament")
    tconf = TableConf("party", "Table  88451220 (No DP)", 9, 10, 20,
                      tournament="NL Texas Hold'em  Trny:88451220 Level:1  Blinds-Antes(10/20 -0)")
    seats = [(1, HERO), (3, "Heroine"), (4, "flopzilla"), (6, "Captain Check"), (8, "ruby tuesday")]
    recs, rows = with_tournament_hand(recs, 5, 95, tconf, seats, "fx party tournament hand", "party")
    write(out, recs, "tournament_marker", extra_rows=rows)

    six = [(1, HERO, 25), (2, "Heroine", 25), (3, "Captain Check", 25), (4, "ruby tuesday", 25),
           (5, "flopzilla", 25), (6, "tilt_o_whirl", 25)]
    plan = SessionPlan(party_plo("Ashland"), utc(2024, 6, 14, 1, 15, 37), seated(six), 8,
                       scripts={3: F(acts={HERO: ["a", "a", "a", "a"], "Heroine": ["a", "a", "a", "a"]},
                                   cards={HERO: "As Ad 8s 7d", "Heroine": "Kh Qh Jc Tc"},
                                   note="pot-limit all in"),
                              6: F(acts={HERO: ["r75"]})},
                       churn=0, gap=(50, 150))
    write(out, run_session(plan, "fx party plo"), "plo")

    # a history and, beside it, a table summary file that the folder walk must pass over
    plan = SessionPlan(party_nl("Clifton"), utc(2024, 6, 15, 0, 44, 0), seated(nine), 6,
                       churn=0, gap=(50, 150))
    recs = run_session(plan, "fx party summary")
    write(out, recs, "summary_file")
    name = party.file_name(recs).replace("PartyPoker ", "PartyPoker Table ")
    write_history(out / "summary_file" / name, recs, csv=False)
