"""PokerStars: its hand text, its file names, and the read-back of a written hand."""

from __future__ import annotations

from datetime import datetime

from ..clock import central_european, eastern
from ..dealer import HandRecord
from ..money import plain_amount
from .stars_like import Dialect, body_lines, ledger  # noqa: F401 (the read-back)

ROOM = "stars"
BOM = True
SEPARATOR = ENDING = "\r\n\r\n\r\n"   # two blank lines after every hand


def clock(t: datetime) -> str:
    return f"{t.year}/{t.month:02d}/{t.day:02d} {t.hour}:{t.minute:02d}:{t.second:02d}"


def stars_time(utc: datetime) -> str:
    """The table's time (Central European) with Eastern time in brackets."""
    cet, zone = central_european(utc)
    et, _ = eastern(utc)
    return f"{clock(cet)} {zone} [{clock(et)} ET]"


def head(rec: HandRecord) -> list[str]:
    """The lines that name the hand, its time and its table."""
    c = rec.conf
    m = c.money
    if c.tournament:
        title = f"PokerStars Hand #{rec.hand_id}: {c.tournament}"
    else:
        game = "Omaha Pot Limit" if c.omaha else "Hold'em No Limit"
        kind = "Zoom Hand" if c.zoom else "Hand"
        word = "" if c.zoom else f" {c.word}"
        title = f"PokerStars {kind} #{rec.hand_id}:  {game} ({m(c.sb)}/{m(c.bb)}{word})"
    return [f"{title} - {stars_time(rec.when)}",
            f"Table '{c.name}' {c.max_seats}-max Seat #{rec.button} is the button"]


def render(rec: HandRecord) -> list[str]:
    dialect = Dialect(money=rec.conf.money, pad=" ", positions=True, describe_wins=True,
                      silent_allin_return=False, pot_named_uncontested=True, showdown_per_run=True)
    return head(rec) + body_lines(rec, dialect)


def file_name(records: list[HandRecord]) -> str:
    conf = records[0].conf
    cet, _ = central_european(records[0].when)
    stakes = f"{conf.sym}{plain_amount(conf.sb)}-{conf.sym}{plain_amount(conf.bb)}"
    if conf.ante:
        stakes += f" Ante {conf.sym}{plain_amount(conf.ante)}"
    game = "Pot Limit Omaha" if conf.omaha else "No Limit Hold'em"
    return f"HH{cet:%Y%m%d} {conf.name} - {stakes} - {conf.word} {game}.txt"
