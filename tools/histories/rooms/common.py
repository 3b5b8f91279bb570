"""What the rooms' text writers share: walking a hand's events, and the words of table
talk and pots."""

from __future__ import annotations

import re
from collections import Counter
from typing import Callable

from ..dealer import HandRecord

# Events the dealer records that some rooms write and others leave out.
ASIDES = ("uncalled", "timeout", "sitting out", "chat", "join", "wait")
BLIND_WORDS = {"sb": "small blind", "bb": "big blind", "newbb": "big blind"}


def event_lines(rec: HandRecord, writers: dict[str, Callable], skip=()) -> list[str]:
    """The lines of a hand's events in order: each kind's writer gives a line, a list of
    lines or None; a kind in `skip` writes nothing, any other kind is an error."""
    lines: list[str] = []
    for e in rec.events:
        kind = e[0]
        if kind in skip:
            continue
        if kind not in writers:
            raise ValueError(f"{rec.conf.room} writes no {kind} event")
        written = writers[kind](e)
        if isinstance(written, str):
            lines.append(written)
        elif written:
            lines.extend(written)
    return lines


def blind_post(e, amount: Callable[[int], str], dead: Callable[[int], str], end: str = "") -> str:
    """A blind posted, in the rooms that write amounts in brackets: `amount` and `dead`
    write the amount of a blind and of a big blind posted with a dead small one."""
    _, n, what, cents = e
    if what == "dead":
        return f"{n} posts {dead(cents)}{end}"
    assert what in BLIND_WORDS, f"no {what} post at these tables"
    return f"{n} posts {BLIND_WORDS[what]} {amount(cents)}{end}"


def table_talk_line(e) -> str:
    """What PokerStars and Tiger Gaming both write, alike, for talk around the play."""
    kind = e[0]
    if kind == "timeout":
        return f"{e[1]} has timed out"
    if kind == "sitting out":
        return f"{e[1]} is sitting out"
    return f'{e[1]} said, "{e[2]}"'


def pot_labels(count: int) -> list[str]:
    """PokerStars' names of a hand's pots, the main pot first."""
    if count == 1:
        return ["pot"]
    if count == 2:
        return ["main pot", "side pot"]
    return ["main pot"] + [f"side pot-{k}" for k in range(1, count)]


def restore_unmatched(put: Counter, live: Counter, bettors: set) -> None:
    """Gives the top contributor back what nobody matched, when his client did not say so.

    Only live money (blinds, calls, bets, raises) is matched; the bettors are the players
    whose excess the room returns silently."""
    if not live:
        return
    top = max(live, key=lambda n: live[n])
    excess = live[top] - max([live[n] for n in put if n != top], default=0)
    if excess > 0 and top in bettors:
        put[top] -= excess
        live[top] -= excess


# --------------------------------------------------------------------------- reading as the readers read
#
# The readers of Tiger Gaming, 888poker and the iPoker files settle a hand from a few
# lines and patterns, not from the whole ledger.  The room modules apply their rules
# (as the readers do, with the hero known by the name each pattern captures and Tiger
# Gaming antes kept apart as dead money) so that the bundled files are made to be read
# right: a dealt hand whose figure the reader would get wrong is dealt again, and the
# few fixtures that show a reader's known misreading say so in their note.

def wtof(text: str) -> float:
    """A number read as the C library reads it: the longest decimal at the start, so a
    comma ends it ("1,50" is 1)."""
    mt = re.match(r"\s*[+-]?(\d+\.?\d*|\.\d+)", text)
    return float(mt.group(0)) if mt else 0.0


def after_start(line: str, text: str) -> bool:
    return line.find(text, 1) >= 1
