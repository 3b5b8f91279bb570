"""PartyPoker's older format ("Game #… starts."): its hand text, its file names and the
read-back of a written hand."""

from __future__ import annotations

import re
from collections import Counter
from datetime import datetime
from typing import Callable

from ..cards import describe
from ..clock import eastern
from ..dealer import HandRecord
from ..money import cents_of, party_amount
from ..table import HERO
from .common import blind_post, event_lines

ROOM = "party"
BOM = False
SEPARATOR = ENDING = "\r\n"
SHOW_VERB = {True: "shows", False: "doesn't show"}


def party_time(utc: datetime) -> str:
    et, zone = eastern(utc)
    return (f"{et.strftime('%A')}, {et.strftime('%B')} {et.day:02d}, "
            f"{et.hour:02d}:{et.minute:02d}:{et.second:02d} {zone} {et.year}")


def head(rec: HandRecord) -> list[str]:
    """The lines that name the hand, its time and its table."""
    c = rec.conf
    if c.tournament:
        game = c.tournament
    elif c.omaha:
        game = f"${c.buyin} USD PL Omaha"
    else:
        game = f"${party_amount(c.sb)}/${party_amount(c.bb)} USD NL Texas Hold'em"
    return [f"Game #{rec.hand_id} starts.", "", f"#Game No : {rec.hand_id}",
            f"***** Hand History for Game {rec.hand_id} *****", f"{game} - {party_time(rec.when)}",
            f"Table {c.name} (Real Money)"]


def render(rec: HandRecord) -> list[str]:
    """Action amounts are what the action adds; the room writes no uncalled-bet line."""
    c = rec.conf

    def amount(cents: int) -> str:
        return f"[{cents}]" if c.tournament else f"[${party_amount(cents)} USD]"

    def won(cents: int) -> str:
        return str(cents) if c.tournament else f"${party_amount(cents)} USD"

    lines = head(rec)
    lines.append(f"Seat {rec.button} is the button")
    listed = [s for s in rec.seats if s[3] != "wait"]
    lines.append(f"Total number of players : {len(listed)}/{c.max_seats}")
    for seat, name, stack, _ in sorted(listed, key=lambda s: s[1]):
        chips = f"{stack}" if c.tournament else f"${party_amount(stack)} USD"
        lines.append(f"Seat {seat}: {name} ( {chips} )")

    def act(e) -> str:
        _, n, what, add, _, _, allin = e
        if what in ("fold", "check"):
            return f"{n} {what}s"
        return f"{n} is all-In  {amount(add)}" if allin else f"{n} {what}s {amount(add)}"

    writers = {
        "post": lambda e: blind_post(e, amount, lambda a: f"big blind + dead [${party_amount(a)}]", "."),
        "hole": lambda e: ["** Dealing down cards **"]
        + ([f"Dealt to {HERO} [  {' '.join(rec.hole[HERO])} ]"] if HERO in rec.dealt else []),
        "act": act,
        "street": lambda e: f"** Dealing {['Flop', 'Turn', 'River'][e[1] - 1]} ** [ {', '.join(e[3])} ]",
        "timeout": lambda e: f"{e[1]} did not respond in time",
        "chat": lambda e: f"{e[1]}: {e[2]}",
        "join": lambda e: f"{e[1]} has joined the table.",
        "leave": lambda e: f"{e[1]} has left the table.",
    }
    lines += event_lines(rec, writers, skip=("uncalled", "sitting out", "wait"))
    return lines + result_lines(rec, won) + [f"{n} has left the table." for n in rec.after]


def result_lines(rec: HandRecord, won: Callable[[int], str]) -> list[str]:
    """Who shows what and who wins how much; a bet nobody called is part of the winner's
    "wins", at a showdown as a side pot of its own that the bettor wins."""
    assert len(rec.boards) == 1, "PartyPoker does not run boards twice"
    if rec.uncontested:
        w = rec.uncontested
        return [f"{w} does not show cards.", f"{w} wins {won(rec.collected[w] + rec.uncalled.get(w, 0))}"]
    lines = [f"{n} {SHOW_VERB[shows]} [ {', '.join(rec.hole[n])} ]{describe(rec.ranks[(n, 0)], party=True)}."
             for n, shows in rec.showdown]
    pays = []
    for k, p in enumerate(rec.pots):
        label = "the main pot" if k == 0 else f"the side pot {k}"
        pays.append([(label, w, a) for w, a in p.shares[0]])
    for w, a in rec.uncalled.items():
        pays.append([(f"the side pot {len(pays)}", w, a)])
    for group in reversed(pays):
        for label, w, a in group:
            lines.append(f"{w} wins {won(a)} from {label} with {describe(rec.ranks[(w, 0)], party=True)}.")
    return lines


def file_name(records: list[HandRecord]) -> str:
    table = records[0].conf.name
    et, _ = eastern(records[0].when)
    return f"PartyPoker {table} {et:%Y%m%d}.txt"


# The read-back: a line that puts money in, and one that takes it out.
PUT_LINE = re.compile(r"^(.+) (?:posts (?:small|big) blind|posts big blind \+ dead|calls|bets|raises"
                      r"|is all-In ) \[\$([\d.,]+)(?: USD)?\]\.?$")
WON_LINE = re.compile(r"^(.+) wins \$([\d.,]+) USD")


def ledger(rec: HandRecord, lines: list[str]) -> dict:
    """Each player's net from the text alone; what the wins leave out must be the rake."""
    put: Counter = Counter()
    won: Counter = Counter()
    for line in lines:
        if mt := PUT_LINE.match(line):
            put[mt[1]] += cents_of(mt[2])
        elif mt := WON_LINE.match(line):
            won[mt[1]] += cents_of(mt[2])
    rake = sum(put.values()) - sum(won.values())
    assert rake == rec.rake, (rec.hand_id, rake, rec.rake)
    return {n: won[n] - put[n] for n in set(put) | set(won)}
