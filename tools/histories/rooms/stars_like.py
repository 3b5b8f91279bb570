"""The body of a hand as PokerStars writes it, which Tiger Gaming's client copies with
habits of its own: seats, action, showdown and summary."""

from __future__ import annotations

import re
from collections import Counter
from dataclasses import dataclass
from typing import Callable

from ..cards import describe
from ..dealer import STREET_NAMES, HandRecord
from ..money import cents_of
from ..table import HERO
from .common import BLIND_WORDS, event_lines, pot_labels, restore_unmatched, table_talk_line

FOLD_WHERE = ["before Flop", "on the Flop", "on the Turn", "on the River"]
ALL_IN = " and is all-in"
POST_WORDS = {**BLIND_WORDS, "sbbb": "small & big blinds"}


@dataclass
class Dialect:
    """How one client writes the common format."""
    money: Callable[[int], str]
    pad: str                      # PokerStars ends many lines with a blank, Tiger Gaming none
    positions: bool               # summary seat lines name the button and blinds
    describe_wins: bool           # summary seat lines say what the shown hand was
    silent_allin_return: bool     # a bet all in that nobody called goes back without a line
    pot_named_uncontested: bool   # "collected 1.25 from pot" when nobody else is left
    showdown_per_run: bool        # a board run twice has a show-down block per run


def street_marker(street: int, board: list[str]) -> str:
    """"*** FLOP *** [..]", "*** TURN *** [flop] [turn]" and so on."""
    if street == 1:
        return f"*** FLOP *** [{' '.join(board)}]"
    return f"*** {STREET_NAMES[street - 1]} *** [{' '.join(board[:-1])}] [{board[-1]}]"


def action_line(e, d: Dialect) -> str:
    _, n, what, add, to, before, allin = e
    tail = ALL_IN if allin else ""
    if what in ("fold", "check"):
        return f"{n}: {what}s{d.pad}"
    if what == "raise":
        return f"{n}: raises {d.money(to - before)} to {d.money(to)}{tail}"
    return f"{n}: {what}s {d.money(add)}{tail}"


def hole_lines(rec: HandRecord) -> list[str]:
    lines = ["*** HOLE CARDS ***"]
    if HERO in rec.dealt:
        lines.append(f"Dealt to {HERO} [{' '.join(rec.hole[HERO])}]")
    return lines


def body_lines(rec: HandRecord, d: Dialect) -> list[str]:
    """Seat lines and everything after the table line."""
    m = d.money
    lines = [f"Seat {seat}: {name} ({m(stack)} in chips)"
             + (" is sitting out" if status == "out" else d.pad)
             for seat, name, stack, status in rec.seats if status != "wait"]
    writers = {
        "post": lambda e: f"{e[1]}: posts {POST_WORDS[e[2]]} {m(e[3])}",
        "ante": lambda e: f"{e[1]}: posts the ante {m(e[2])}",
        "wait": lambda e: f"{e[1]} will be allowed to play after the button",
        "hole": lambda e: hole_lines(rec),
        "act": lambda e: action_line(e, d),
        "street": lambda e: street_marker(e[1], e[2] + e[3]),
        "uncalled": lambda e: (None if e[4] and d.silent_allin_return
                               else f"Uncalled bet ({m(e[2])}) returned to {e[1]}"),
        "timeout": table_talk_line, "sitting out": table_talk_line, "chat": table_talk_line,
        "join": lambda e: f"{e[1]} joins the table at seat #{e[2]}{d.pad}",
        "leave": lambda e: f"{e[1]} leaves the table",
    }
    lines += event_lines(rec, writers)
    if len(rec.boards) > 1:
        lines += run_twice_markers(rec, d)
    lines += showdown_lines(rec, d)
    lines += [f"{n} leaves the table" for n in rec.after]
    return lines + summary_lines(rec, d)


def run_twice_markers(rec: HandRecord, d: Dialect) -> list[str]:
    """PokerStars names each run's streets ("*** FIRST TURN ***"); Tiger Gaming deals each
    run's streets again with the usual markers, so they go on past the river."""
    lines = []
    first_street = {0: 1, 3: 2, 4: 3}[rec.common]
    for r, board in enumerate(rec.boards):
        for s in range(first_street, 4):
            if d.showdown_per_run:
                marker = street_marker(s, board[:s + 2])
                lines.append(marker.replace("*** ", f"*** {['FIRST', 'SECOND'][r]} ", 1))
            else:
                lines.append(street_marker(s, board[:s + 2]))
    return lines


def showdown_lines(rec: HandRecord, d: Dialect) -> list[str]:
    m = d.money
    if rec.uncontested:
        w = rec.uncontested
        where = " from pot" if d.pot_named_uncontested else ""
        return [f"{w} collected {m(rec.collected[w])}{where}", f"{w}: doesn't show hand{d.pad}"]
    lines = []
    labels = pot_labels(len(rec.pots))
    runs = range(len(rec.boards))
    for r in runs if d.showdown_per_run else [0]:
        if len(rec.boards) > 1 and d.showdown_per_run:
            lines.append(f"*** {['FIRST', 'SECOND'][r]} SHOW DOWN ***")
        else:
            lines.append("*** SHOW DOWN ***")
        for n, shows in rec.showdown:
            if shows:
                desc = describe(rec.ranks[(n, r)], party=False)
                lines.append(f"{n}: shows [{' '.join(rec.hole[n])}] ({desc})")
            else:
                lines.append(f"{n}: mucks hand{d.pad}")
        for run in [r] if d.showdown_per_run else runs:
            for k in range(len(rec.pots) - 1, -1, -1):
                pad = d.pad if labels[k].startswith("side pot-") else ""
                lines += [f"{w} collected {m(a)} from {labels[k]}{pad}"
                          for w, a in rec.pots[k].shares[run]]
    return lines


def summary_lines(rec: HandRecord, d: Dialect) -> list[str]:
    m = d.money
    lines = ["*** SUMMARY ***"]
    if len(rec.pots) == 1:
        lines.append(f"Total pot {m(rec.total)} | Rake {m(rec.rake)}{d.pad}")
    else:
        labels = pot_labels(len(rec.pots))
        parts = [f"Main pot {m(rec.pots[0].net)}."]
        parts += [f"{labels[k].capitalize()} {m(p.net)}." for k, p in enumerate(rec.pots[1:], 1)]
        lines.append(f"Total pot {m(rec.total)} {' '.join(parts)} | Rake {m(rec.rake)}{d.pad}")
    twice = len(rec.boards) > 1
    if twice:
        lines.append("Hand was run twice")
        lines.append(f"FIRST Board [{' '.join(rec.boards[0])}]")
        lines.append(f"SECOND Board [{' '.join(rec.boards[1])}]")
    elif rec.boards[0]:
        lines.append(f"Board [{' '.join(rec.boards[0])}]")
    shown = dict(rec.showdown)
    for n in rec.dealt:
        pos = "".join(f" ({x})" for x in rec.positions[n]) if d.positions else ""
        head = f"Seat {rec.seat_of[n]}: {n}{pos}"
        cards = " ".join(rec.hole[n])
        if n in rec.folded_at:
            s = rec.folded_at[n]
            bet = "" if s > 0 or n in rec.voluntary else " (didn't bet)"
            lines.append(f"{head} folded {FOLD_WHERE[s]}{bet}")
        elif rec.uncontested == n:
            lines.append(f"{head} collected ({m(rec.collected[n])})")
        elif shown.get(n) or twice:
            runs = []
            for r in range(len(rec.boards) if d.describe_wins else 1):
                won = (sum(a for p in rec.pots for w, a in p.shares[r] if w == n)
                       if d.describe_wins else rec.collected[n])
                desc = f" with {describe(rec.ranks[(n, r)], party=False)}" if d.describe_wins else ""
                runs.append(f"won ({m(won)}){desc}" if won else f"lost{desc}")
            lines.append(f"{head} showed [{cards}] and {', and '.join(runs)}")
        else:
            lines.append(f"{head} mucked [{cards}]")
    return lines


# The read-back: lines that move money, amounts with or without a currency sign.
LEDGER_LINE = [
    ("blind", re.compile(r"^(.+): posts (?:small|big) blind \D?([\d.]+)$")),
    ("sbbb", re.compile(r"^(.+): posts small & big blinds \D?([\d.]+)$")),
    ("ante", re.compile(r"^(.+): posts the ante \D?([\d.]+)$")),
    ("add", re.compile(r"^(.+): (?:calls|bets) \D?([\d.]+)(?: and is all-in)?$")),
    ("raise", re.compile(r"^(.+): raises \D?[\d.]+ to \D?([\d.]+)(?: and is all-in)?$")),
    ("uncalled", re.compile(r"^Uncalled bet \(\D?([\d.]+)\) returned to (.+)$")),
    ("collect", re.compile(r"^(.+) collected \D?([\d.]+)(?: from (?:pot|main pot|side pot(?:-\d+)?))? ?$")),
    ("won", re.compile(r"^Seat \d+: (.+) showed \[.*\] and won \(([\d.]+)\)$")),
    ("total", re.compile(r"^Total pot \D?([\d.]+) .*\| Rake \D?([\d.]+) ?$")),
]


def ledger(rec: HandRecord, lines: list[str]) -> dict:
    """Each player's net from the text alone; the total pot and rake the summary states
    must be what the dealer took in.  A bet that went back without a line (Tiger Gaming's
    unmatched all-in) is given back to the top contributor."""
    put, live, won, summary = Counter(), Counter(), Counter(), Counter()
    street: Counter = Counter()
    total = rake = None
    for line in lines:
        if line.startswith("*** ") and not line.startswith("*** HOLE"):
            put.update(street)
            live.update(street)
            street = Counter()
            continue
        for kind, rx in LEDGER_LINE:
            mt = rx.match(line)
            if not mt:
                continue
            if kind in ("blind", "raise"):
                street[mt[1]] = cents_of(mt[2])
            elif kind == "sbbb":
                street[mt[1]] = rec.conf.bb
                put[mt[1]] += cents_of(mt[2]) - rec.conf.bb
            elif kind == "ante":
                put[mt[1]] += cents_of(mt[2])
            elif kind == "add":
                street[mt[1]] += cents_of(mt[2])
            elif kind == "uncalled":
                street[mt[2]] -= cents_of(mt[1])
            elif kind in ("collect", "won"):
                (won if kind == "collect" else summary)[mt[1]] += cents_of(mt[2])
            else:
                total, rake = cents_of(mt[1]), cents_of(mt[2])
            break
    put.update(street)
    live.update(street)
    restore_unmatched(put, live, set(live))
    assert all(won[n] == amount for n, amount in summary.items()), (rec.hand_id, summary, won)
    assert total == rec.total == sum(put.values()) and rake == rec.rake, (rec.hand_id, total, rake)
    return {n: won[n] - put[n] for n in set(put) | set(won)}
