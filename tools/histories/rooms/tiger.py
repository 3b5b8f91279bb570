"""Tiger Gaming: PokerStars-like text with amounts that carry no currency sign, its file
names, the read-back of a written hand, and the reader's rules."""

from __future__ import annotations

import re
from datetime import datetime

from ..clock import eastern
from ..dealer import HandRecord
from ..money import plain_amount
from ..table import HERO
from .common import after_start, wtof
from .stars_like import ALL_IN, Dialect, body_lines, ledger  # noqa: F401 (the read-back)

ROOM = "tiger"
BOM = False
SEPARATOR = ENDING = "\r\n\r\n\r\n"
DIALECT = Dialect(money=plain_amount, pad="", positions=False, describe_wins=False,
                  silent_allin_return=True, pot_named_uncontested=False, showdown_per_run=False)


def tiger_time(utc: datetime) -> str:
    et, _ = eastern(utc)
    return f"{et:%Y/%m/%d %H:%M:%S} ET"


def render(rec: HandRecord) -> list[str]:
    """The client's own habits, which the reader's patterns were made for: the seat number
    and the summary name stand alone ("Seat 2: Hero showed [..] and won (1.25)"), a pot
    taken without a showdown is "Hero collected 1.25" (at a showdown the collect line
    names the pot and the summary line gives the amount), and a bet that was all in and
    nobody called goes back without an "Uncalled bet" line."""
    assert all(status != "wait" for *_, status in rec.seats), "Tiger Gaming seats a new player at once"
    return head(rec) + body_lines(rec, DIALECT)


def head(rec: HandRecord) -> list[str]:
    """The lines that name the hand, its time and its table."""
    c = rec.conf
    m = plain_amount
    return [f"Tiger Gaming Game #{rec.hand_id}: Hold'em No Limit (${m(c.sb)}/{m(c.bb)}) - "
            f"{tiger_time(rec.when)}",
            f"Table '{c.name}' {c.max_seats}-Max, Seat #{rec.button} is the button"]


def file_name(records: list[HandRecord]) -> str:
    table = records[0].conf.name
    et, _ = eastern(records[0].when)
    return f"TigerGaming {table} {et:%Y%m%d}.txt"


# --------------------------------------------------------------------------- the reader's rules
READER_RX = {
    "seat": re.compile(r"Seat \d: (.*) \((\d+.?[0-9]{0,2}) in chips\)(.*)"),
    "table": re.compile(r"Table '.*' (\d+)-Max, Seat #\d+ is the button"),
    "blind": re.compile(r"(.*): posts (small|big|small & big) blinds? (\d+.?[0-9]{0,2})"),
    "ante": re.compile(r"(.*): posts the ante (\d+.?[0-9]{0,2})"),
    "callbet": re.compile(r"(.*): (calls|bets) (\d+.?[0-9]{0,2})"),
    "raise": re.compile(r"(.*): raises (\d+.?[0-9]{0,2}) to (\d+.?[0-9]{0,2})"),
    "collect": re.compile(r"(.*) collected (\d+.?[0-9]{0,2})"),
    "uncalled": re.compile(r"Uncalled bet \((\d+.?[0-9]{0,2})\) returned to (.*)"),
    "won": re.compile(r"Seat \d: (.*) showed .* and won \((\d+.?[0-9]{0,2})\)"),
}


def read_hand(lines: list[str], hero: str, big_blind: int, seats=(2, 10)) -> float | None:
    """The Tiger Gaming reader's result for the hero in cents; None when it refuses the hand."""
    rx = READER_RX
    street = 0
    hero_street = hero_earlier = result = 0.0
    maps: list[dict] = [{}, {}, {}, {}]
    seated: set = set()
    seat_phase = header_seen = False

    def add(name, cents, set_to=False):
        if street < 4:
            maps[street][name] = cents if set_to else maps[street].get(name, 0.0) + cents

    def other(line):
        nonlocal result, hero_street
        action = line[:-len(ALL_IN)] if line.endswith(ALL_IN) else line
        if mt := rx["callbet"].fullmatch(action):
            add(mt[1], wtof(mt[3]) * 100)
        elif mt := rx["raise"].fullmatch(action):
            add(mt[1], wtof(mt[3]) * 100, set_to=True)
        elif line.startswith("Uncalled bet (") and line.endswith(hero):
            if (mt := rx["uncalled"].fullmatch(line)) and mt[2] == hero:
                hero_street -= wtof(mt[1]) * 100
                add(hero, -wtof(mt[1]) * 100)
        elif (mt := rx["won"].fullmatch(line)) and mt[1] == hero:
            result += wtof(mt[2]) * 100

    for i, raw in enumerate(lines):
        line = raw.strip()
        if not header_seen:
            if line.startswith("Tiger Gaming Game #"):
                if i + 1 == len(lines):
                    return None
                header_seen = True
            continue
        if seat_phase and (mt := rx["seat"].fullmatch(line)):
            if not mt[1]:
                return None
            seated.add(mt[1])
        if line.startswith("Table "):
            if mt := rx["table"].fullmatch(line):
                if not seats[0] <= int(mt[1]) <= seats[1]:
                    return None
                seat_phase = True
        elif after_start(line, "posts big blind") or after_start(line, "posts small"):
            seat_phase = False
            if mt := rx["blind"].fullmatch(line):
                amount = wtof(mt[3]) * 100
                maps[0][mt[1]] = amount
                if mt[1] == hero:
                    assert mt[2] != "small & big"
                    hero_street = amount
                if mt[2] == "big" and amount != big_blind:
                    return None
        elif line.startswith(("*** FLOP *** ", "*** TURN *** ", "*** RIVER *** ")):
            hero_earlier += hero_street
            hero_street = 0.0
            street += 1
        elif after_start(line, "posts the ante"):
            if (mt := rx["ante"].fullmatch(line)) and mt[1] == hero:
                hero_earlier += wtof(mt[2]) * 100      # dead money
        elif line == hero + ": folds":
            total = hero_earlier + hero_street
            return -total if total > 0.001 else 0.0
        elif line.startswith("Dealt to " + hero + " ["):
            if line.find("]", len(hero) + 11) in (-1, len(hero) + 11):
                return None
        elif line.startswith(hero):
            all_in = line.endswith(ALL_IN)
            action = line[:-len(ALL_IN)] if all_in else line
            mt = (rx["raise"].fullmatch(action) or rx["callbet"].fullmatch(action)
                  or (None if all_in else rx["collect"].fullmatch(line)))
            if mt and mt[1] != hero:
                other(line)
            elif mt := rx["raise"].fullmatch(action):
                hero_street = wtof(mt[3]) * 100
                add(hero, hero_street, set_to=True)
            elif mt := rx["callbet"].fullmatch(action):
                hero_street += wtof(mt[3]) * 100
                add(hero, hero_street, set_to=True)
            elif not all_in and (mt := rx["collect"].fullmatch(line)):
                result += wtof(mt[2]) * 100
        else:
            other(line)
    result -= hero_earlier + hero_street
    totals = {n: sum(mp.get(n, 0.0) for mp in maps) for n in seated}
    largest = max([t for n, t in totals.items() if n != hero], default=0.0)
    if totals.get(hero, 0.0) > largest:
        result += totals[hero] - largest
    return result



def reader_result(rec: HandRecord, lines: list[str]) -> float | None:
    """What the reader makes of one written hand."""
    return read_hand(lines, HERO, rec.conf.bb)
