"""888poker (and LotosPoker, which writes the same with its own banner): its hand text,
its file names, the read-back of a written hand, and the reader's rules."""

from __future__ import annotations

import re
from collections import Counter
from datetime import datetime

from ..clock import central_european
from ..dealer import HandRecord
from ..money import cents_of, plain_amount
from ..table import HERO, TableConf
from .common import ASIDES, after_start, blind_post, event_lines, restore_unmatched, wtof

ROOM = "888"
BOM = True
SEPARATOR = "\r\n\r\n"
ENDING = "\r\n"
FLOPOMANIA_WORDS = "Flopomania Table"


def money(conf: TableConf, cents: int) -> str:
    if conf.tournament:
        return f"{cents:,}"
    text = plain_amount(cents)
    return "$" + (text.replace(".", ",") if conf.comma else text)


def clock(utc: datetime) -> str:
    cet, _ = central_european(utc)
    return f"{cet:%d %m %Y %H:%M:%S}"


def walk_excess(rec: HandRecord, n: str) -> int:
    """What an uncontested winner gets back of a blind nobody matched.

    888 pays a walk as the whole pot, the big blind's own unmatched part included,
    while the unmatched part of a bet or raise goes back without a word."""
    if rec.uncontested != n or n not in rec.uncalled:
        return 0
    raised = any(e[0] == "act" and e[1] == n and e[2] in ("bet", "raise") for e in rec.events)
    return 0 if raised else rec.uncalled[n]


def head(rec: HandRecord) -> list[str]:
    """The lines that name the hand, its time and its table."""
    c = rec.conf
    kind_words = f"{c.banner} {FLOPOMANIA_WORDS}" if c.flopomania else c.banner
    if c.tournament:
        stakes, table = f"{c.sb}/{c.bb} Blinds No Limit Holdem", c.tournament
    else:
        stakes = (f"{money(c, c.ante)} Ante NL Flopomania" if c.flopomania
                  else f"{money(c, c.sb)}/{money(c, c.bb)} Blinds No Limit Holdem")
        table = f"Table {c.name}"
    return [f"#Game No : {rec.hand_id}", f"***** {kind_words} Hand History for Game {rec.hand_id} *****",
            f"{stakes} - *** {clock(rec.when)}", f"{table} {c.max_seats} Max (Real Money)"]


def render(rec: HandRecord) -> list[str]:
    """Action amounts are what the action adds ("raises [$0.30]" puts in 0.30 more); a bet
    nobody called is not mentioned, and the winner's "collected" is the pot he takes
    without it."""
    c = rec.conf
    # the reader takes any line with "ante" after its start for an ante post
    assert not any("ante" in text for text in [c.name] + [s[1] for s in rec.seats])
    m = lambda cents: money(c, cents)   # noqa: E731
    lines = head(rec)
    lines.append(f"Seat {rec.button} is the button")
    listed = [s for s in rec.seats if s[3] != "wait"]
    lines.append(f"Total number of players : {len(listed)}")
    lines += [f"Seat {seat}: {name} ( {m(stack)} )" for seat, name, stack, _ in listed]
    first_to_act = min(rec.dealt, key=lambda n: (rec.seat_of[n] <= rec.button, rec.seat_of[n]))
    anyone_allin = any(e[0] == "act" and e[6] for e in rec.events)

    def hole(e) -> list[str]:
        out = [f"{HERO} folds"] if rec.quirk == "fold before deal" else []
        out.append("** Dealing down cards **")
        if HERO in rec.dealt:
            out.append(f"Dealt to {HERO} [ {', '.join(rec.hole[HERO])} ]")
        return out

    writers = {
        "post": lambda e: blind_post(e, lambda a: f"[{m(a)}]",
                                     lambda a: f"dead blind [{m(c.sb)} + {m(c.bb)}]"),
        "ante": lambda e: (f"{e[1]} posts ante"
                           f"{' (First to Act)' if c.flopomania and e[1] == first_to_act else ''}"
                           f" [{m(e[2])}]"),
        "hole": hole,
        "act": lambda e: f"{e[1]} {e[2]}s" + ("" if e[2] in ("fold", "check") else f" [{m(e[3])}]"),
        "street": lambda e: f"** Dealing {['flop', 'turn', 'river'][e[1] - 1]} ** [ {', '.join(e[3])} ]",
    }
    lines += event_lines(rec, writers, skip=ASIDES)
    assert len(rec.boards) == 1, "888 does not run boards twice"
    lines.append("** Summary **")
    if rec.uncontested:
        w = rec.uncontested
        lines.append(f"{w} did not show his hand")
        lines.append(f"{w} collected [ {m(rec.collected[w] + walk_excess(rec, w))} ]")
    else:
        for n, shows in rec.showdown:
            # with a player all in every hand is turned up
            verb = "shows" if shows or anyone_allin else "mucks"
            lines.append(f"{n} {verb} [ {', '.join(rec.hole[n])} ]")
        for pot in rec.pots:
            lines += [f"{w} collected [ {m(a)} ]" for w, a in pot.shares[0]]
    return lines


def file_name(records: list[HandRecord]) -> str:
    """The folder walk takes only names that begin "888poker" or "LotosPoker"."""
    c = records[0].conf
    cet, _ = central_european(records[0].when)
    if c.flopomania:
        return f"{c.banner}{cet:%Y%m%d} {c.name} Flopomania {money(c, c.ante)} Ante.txt"
    return (f"{c.banner}{cet:%Y%m%d} {c.name} {c.max_seats} Max No Limit Holdem "
            f"{money(c, c.sb)}-{money(c, c.bb)}.txt")


# The read-back: every line that moves money, its amounts in brackets ("[$0.05 + $0.10]"
# for a dead blind, "[ $1.25 ]" for a pot collected).
MONEY_LINE = re.compile(r"^(.+) (posts small blind|posts big blind|posts dead blind|posts ante"
                        r"(?: \(First to Act\))?|calls|bets|raises|collected) "
                        r"\[ ?\$([\d.,]+)(?: \+ \$([\d.,]+))? ?\]$")


def ledger(rec: HandRecord, lines: list[str]) -> dict:
    """Each player's net from the text alone; what the collects leave out must be the rake."""
    put, live, won = Counter(), Counter(), Counter()
    bettors: set = set()
    for line in lines:
        mt = MONEY_LINE.match(line)
        if not mt:
            continue
        name, kind = mt[1], mt[2]
        amounts = [cents_of(a, rec.conf.comma) for a in mt.groups()[2:] if a]
        if kind == "collected":
            won[name] += amounts[0]
            continue
        put[name] += sum(amounts)
        if not kind.startswith("posts ante"):
            live[name] += amounts[-1]      # of a dead blind only the big blind is live
        if kind in ("bets", "raises"):
            bettors.add(name)
    # a blind nobody matched stays in the pot the big blind collects
    restore_unmatched(put, live, bettors)
    rake = sum(put.values()) - sum(won.values())
    assert rake == rec.rake, (rec.hand_id, rake, rec.rake)
    return {n: won[n] - put[n] for n in set(put) | set(won)}


# --------------------------------------------------------------------------- the reader's rules

READER_RX = {
    "players": re.compile(r"Total number of players : (\d+)"),
    "seat": re.compile(r"Seat \d+: (.*) \( [\$|€|£]\d+.?[0-9]{0,2} \)"),
    "blind": re.compile(r"(.*) posts (small|big) blind \[[\$|€|£](\d+[.|\,]?[0-9]{0,2})\]"),
    "first": re.compile(r"(.*) posts ante \(First to Act\) \[[\$|€|£](\d+[.|\,]?[0-9]{0,2})\]"),
    "ante": re.compile(r"(.*) posts ante \[[\$|€|£](\d+[.|\,]?[0-9]{0,2})\]"),
    "dead": re.compile(r"(.*) posts dead blind \[[\$|€|£](\d+[.|\,]?[0-9]{0,2}) \+ "
                       r"[\$|€|£](\d+[.|\,]?[0-9]{0,2})\]"),
    "folds": re.compile(r"(.*) folds"),
    "action": re.compile(r"(.*) (calls|bets|raises) \[[\$|€|£](\d+.?[0-9]{0,2})\]"),
    "collected": re.compile(r"(.*) collected \[ [\$|€|£](\d+.?[0-9]{0,2}) \]"),
}

FLOPOMANIA_BANNER = "***** 888poker Flopomania Table Hand History for Game "


def read_hand(lines: list[str], hero: str, big_blind: int, seats=(2, 10)) -> float | None:
    """The 888poker reader's result for the hero in cents; None when it refuses the hand.

    Contributions are whole cents cut toward zero, as the reader keeps them."""
    rx = READER_RX
    header_seen = flopomania = seated = dealt = collected_before = False
    hero_total = result = 0.0
    contrib: dict = {}
    players = 0

    def largest_other():
        return max([c for n, c in contrib.items() if n != hero], default=0)

    for raw in lines:
        line = raw.strip()
        if not header_seen:
            if line.startswith(FLOPOMANIA_BANNER):
                header_seen = flopomania = True
            elif line.startswith(("***** 888poker", "***** LotosPoker ", "#Game No :")):
                header_seen = True
            continue
        if line.startswith(FLOPOMANIA_BANNER):
            flopomania = True
        if line.startswith("Total number of players :"):
            if mt := rx["players"].fullmatch(line):
                players = int(mt[1])
                if not seats[0] <= players <= seats[1]:
                    return None
        elif line.startswith("Seat "):
            if mt := rx["seat"].fullmatch(line):
                if not mt[1]:
                    return None
                contrib[mt[1]] = 0
                seated = seated or mt[1] == hero
        elif line == "** Dealing down cards **":
            dealt = True
        elif line in ("Table Closed", "Connection Lost due to some reason"):
            return None
        elif (after_start(line, "posts big blind") or after_start(line, "posts small blind")
              or after_start(line, "First to Act") or after_start(line, "posts dead blind")
              or (after_start(line, "ante") and " posts ante [" in line)):
            if not seated:
                return None
            if after_start(line, "posts big blind") or after_start(line, "posts small blind"):
                if mt := rx["blind"].fullmatch(line):
                    amount = wtof(mt[3]) * 100
                    if mt[2] == "big" and amount != big_blind:
                        return None
                    contrib[mt[1]] = int(amount)
                    hero_total += amount if mt[1] == hero else 0.0
            elif mt := rx["dead"].fullmatch(line):
                amount = (wtof(mt[2]) + wtof(mt[3])) * 100
                contrib[mt[1]] = int(amount)
                hero_total += amount if mt[1] == hero else 0.0
            elif mt := (rx["first"].fullmatch(line) or rx["ante"].fullmatch(line)):
                amount = wtof(mt[2]) * 100
                if amount != big_blind:
                    return None
                contrib[mt[1]] = int(amount)
                hero_total += amount if mt[1] == hero else 0.0
        elif line == hero + " folds" or (line.startswith(hero + " mucks")
                                         and line[len(hero) + 6:len(hero) + 7] in ("", " ")):
            return (-hero_total if hero_total > 0.001 else 0.0) if dealt else None
        else:
            if line.startswith(hero):
                if mt := rx["action"].fullmatch(line):
                    if mt[1] == hero:
                        amount = wtof(mt[3]) * 100
                        contrib[hero] = int(contrib.get(hero, 0) + amount)
                        hero_total += amount
                        continue
                elif mt := rx["collected"].fullmatch(line):
                    if mt[1] != hero:
                        continue
                    got = wtof(mt[2]) * 100
                    if flopomania:
                        return result + got - hero_total
                    if collected_before:
                        result += got      # a second pot
                        continue
                    collected_before = True
                    part = contrib.get(hero, 0)
                    result = got - part
                    if part != big_blind and part - largest_other() >= 1:
                        result += part - largest_other()
                    continue
            # another player's line
            if not dealt and rx["folds"].fullmatch(line):
                players -= 1
                if not seats[0] <= players <= seats[1]:
                    return None
            if mt := rx["action"].fullmatch(line):
                contrib[mt[1]] = int(contrib.get(mt[1], 0) + wtof(mt[3]) * 100)
    if flopomania:
        return result - hero_total
    if collected_before:
        return result
    result -= hero_total
    excess = contrib.get(hero, 0) - largest_other()
    return result + excess if excess > 0 else result


def reader_result(rec: HandRecord, lines: list[str]) -> float | None:
    """What the reader makes of one written hand; at Flopomania the ante is the stake."""
    return read_hand(lines, HERO, rec.conf.ante if rec.conf.flopomania else rec.conf.bb)
