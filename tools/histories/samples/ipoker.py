"""iPoker samples: the bundled session files and the readers' fixtures."""

from __future__ import annotations

from pathlib import Path

from ..session import SessionPlan, run_session
from ..table import HERO, HandScript, TableConf
from .common import F, P, bench, add_note, cet_time, ring, small_stakes, utc, write_xml

BENCH = bench("Ingrid.H/tag, Jaap de V/loose, Krakow Kid/maniac, Olle 70/nit, Rosalind/tag")


def examples(out: Path):
    plan = SessionPlan(
        small_stakes("ipoker", "Sirius"), utc(2024, 3, 5, 18, 45, 9),
        [P(1, "Milan_77", 10, "loose"), P(2, HERO, 10, "hero"), P(3, "Heroine", 10.85, "heroine"),
         P(4, "Tomasz.K", 9.10, "tag"), P(5, "LunaLuz", 10, "maniac"), P(6, "Sven-Erik", 12.60, "nit")],
        45, scripts={
            0: HandScript(post={HERO: "newbb"}, note="first game at the table"),
            11: HandScript(sitout=(HERO,)),
            12: HandScript(post={HERO: "newbb"}, note="back from sitting out"),
            30: F(button=3, acts={HERO: ["a"], "LunaLuz": ["a"]}, cards={HERO: "Jc Jd", "LunaLuz": "Ah 5h"},
                  stacks={HERO: 1000, "LunaLuz": 700}, force_stacks=True, note="the hero covers"),
        },
        bench=list(BENCH))
    write_xml(out, run_session(plan, "ipoker ex sirius"), 312007415)

    plan = SessionPlan(
        small_stakes("ipoker", "Canopus", 9), utc(2024, 3, 6, 20, 10, 40),
        [P(1, "Greta G", 10, "tag"), P(2, "Bram 1984", 8.40, "loose"), P(3, HERO, 10, "hero"),
         P(4, "ace.of.spades", 10, "loose"), P(5, "Heroine", 10, "heroine"), P(6, "Oskar W", 6.55, "maniac"),
         P(7, "Ines.M", 10, "nit"), P(9, "Pavel 33", 11.90, "tag")],
        35, bench=list(BENCH[3:]))
    write_xml(out, run_session(plan, "ipoker ex canopus"), 312094408)

    plan = SessionPlan(
        small_stakes("ipoker", "Rigel", sym="€", word="EUR"), utc(2024, 3, 7, 19, 0, 33),
        [P(1, HERO, 10, "hero"), P(2, "Heroine", 10, "heroine"), P(3, "Milan_77", 10, "loose"),
         P(4, "LunaLuz", 7.35, "maniac"), P(5, "Sven-Erik", 10, "nit"), P(6, "Greta G", 10, "tag")],
        20)
    write_xml(out, run_session(plan, "ipoker ex rigel"), 312150772)


def fixtures(out: Path):
    six = ["Milan_77", HERO, "Heroine", "Tomasz.K", "LunaLuz", "Sven-Erik"]
    scripts = {
        0: F(button=6, acts={"Heroine": ["r30"], HERO: ["f"]}),
        1: F(button=1, acts={HERO: ["f"]}),
        2: F(button=2, acts={HERO: ["r25"]}),
        3: HandScript(button=3, sitout=(HERO,), note="no row: the hero sits out"),
        4: F(button=3, acts={HERO: ["c", "k", "k", "k", "k"], "Heroine": ["r30", "r40", "x", "x"]},
             cards={HERO: "As Qs", "Heroine": "Jh Th"}, board="Ad 7h 4c 8c 2d"),
        5: F(button=4, acts={"Heroine": ["r30", "r50", "r100"], HERO: ["c", "k", "k", "f"]}),
        6: F(button=5, acts={HERO: ["a"], "Heroine": ["a"]}, cards={HERO: "Kd Kh", "Heroine": "Ac 7c"},
             board="Ks 9d 4h 2c 6s", stacks={HERO: 1000, "Heroine": 600}, force_stacks=True),
    }
    plan = SessionPlan(small_stakes("ipoker", "Sirius"), utc(2024, 3, 5, 16, 20, 4),
                       ring(six, [10] * 6), 7,
                       scripts=scripts, churn=0)
    write_xml(out, run_session(plan, "ipoker fx basics"), 312007415, "basics")

    times = [cet_time(2024, 3, 4, 23, 56, 40), cet_time(2024, 3, 5, 0, 0, 0),
             cet_time(2024, 3, 5, 0, 2, 10), cet_time(2024, 3, 5, 23, 58, 30),
             cet_time(2024, 3, 6, 0, 0, 0), cet_time(2024, 3, 6, 0, 1, 45),
             cet_time(2024, 3, 6, 0, 3, 30)]
    notes = ["starts 2024-03-04 23:56:40", "starts exactly 2024-03-05 00:00:00",
             "starts 2024-03-05 00:02:10", "starts 2024-03-05 23:58:30",
             "starts exactly 2024-03-06 00:00:00",
             "starts 2024-03-06 00:01:45 but its players come before its startdate",
             "starts 2024-03-06 00:03:30"]
    scripts = {k: HandScript(at=t, note=n, quirk="players first" if k == 5 else "")
               for k, (t, n) in enumerate(zip(times, notes))}
    # the games at the ends of the day give the hero money to count: a pot won on the button
    # at the first and a flop bet that takes Heroine's raise at the second
    scripts[1] = F(at=times[1], note=notes[1], acts={HERO: ["r30"]})
    scripts[4] = F(at=times[4], note=notes[4], acts={"Heroine": ["r30", "k", "f"], HERO: ["c", "r50"]})
    plan = SessionPlan(small_stakes("ipoker", "Sirius"), times[0], ring(six, [10] * 6), 7, scripts=scripts,
                       churn=0)
    write_xml(out, run_session(plan, "ipoker fx range"), 312007415, "range_ends")

    scripts = {0: HandScript(note="six players"),
               1: HandScript(note="six players", leave=("LunaLuz", "Sven-Erik")),
               2: HandScript(note="four players"), 3: HandScript(note="four players", leave=("Tomasz.K",)),
               4: HandScript(note="three players"), 5: HandScript(note="three players")}
    plan = SessionPlan(small_stakes("ipoker", "Canopus"), utc(2024, 3, 5, 17, 5, 0), ring(six, [10] * 6), 6,
                       scripts=scripts, churn=0)
    write_xml(out, run_session(plan, "ipoker fx players"), 312094408, "players")

    plan = SessionPlan(small_stakes("ipoker", "Sirius"), utc(2024, 3, 5, 17, 40, 19), ring(six, [10] * 6), 4,
                       scripts={1: F(acts={HERO: ["r30"]})}, churn=0)
    write_xml(out, run_session(plan, "ipoker fx play money"), 312007415, "play_money",
              session={"mode": "play"}, file_note="rejected: a play-money file")

    plan = SessionPlan(small_stakes("ipoker", "Sirius"), utc(2024, 3, 5, 18, 2, 51), ring(six, [10] * 6), 4,
                       scripts={2: F(acts={HERO: ["r30"]})}, churn=0)
    write_xml(out, run_session(plan, "ipoker fx other nick"), 312007415, "other_nick",
              session={"nickname": "Heroine"}, file_note="rejected: the file of another nick (Heroine)")

    # a client that declares UTF-8 and writes Windows-1252: "André" holds the byte E9
    accents = ["André", HERO, "Heroine", "Tomasz.K", "Zoë 88", "Sven-Erik"]
    plan = SessionPlan(small_stakes("ipoker", "Sirius"), utc(2024, 3, 5, 19, 14, 2),
                       ring(accents, [10] * 6), 5,
                       scripts={1: F(acts={"André": ["r30", "r40"], HERO: ["c", "k", "f"]}),
                              3: F(acts={HERO: ["r30"], "André": ["c", "k", "f"]})}, churn=0)
    recs = run_session(plan, "ipoker fx cp1252")
    add_note(recs, "Windows-1252 bytes in a UTF-8 file")
    write_xml(out, recs, 312007415, "windows_1252", encoding="cp1252")

    # $0.02/$0.04: the hero's big blind lost to a raise is win "$0" and bet "$0.04"
    plan = SessionPlan(TableConf("ipoker", "Vega", 6, 2, 4), utc(2024, 3, 5, 20, 30, 50),
                       ring(six, [4] * 6), 4,
                       scripts={0: F(button=6, acts={"Heroine": ["r12"], HERO: ["f"]},
                                   note="win $0 and bet $0.04"),
                              1: F(button=1, acts={HERO: ["f"]})}, churn=0)
    write_xml(out, run_session(plan, "ipoker fx small bet"), 312230119, "small_bet")
