"""The rooms' writers, one module each, by the dealer's room code ("stars", "party",
"tiger", "888", "ipoker").  Each module has `render(rec)` (the hand's lines; for iPoker
one <game>), `file_name(records, table)` and `ledger(rec, lines)`, which reads a
written hand back and gives each player's net; the newer rooms add
`reader_result(rec, lines)`, what their reader makes of the hand."""

from __future__ import annotations

from ..dealer import HandRecord
from ..table import HERO
from . import ipoker, party, poker888, stars, tiger

ROOMS = {module.ROOM: module for module in (stars, party, tiger, poker888, ipoker)}


def render_one(rec: HandRecord) -> list[str]:
    return ROOMS[rec.conf.room].render(rec)


def check_record(rec: HandRecord, lines: list[str]):
    """The written text must account for every cent exactly as the dealer did."""
    if rec.conf.tournament:
        return
    nets = ROOMS[rec.conf.room].ledger(rec, lines)
    truth = {n: rec.collected[n] - rec.contrib[n] for n in rec.dealt}
    for n in rec.dealt:
        assert nets.get(n, 0) == truth[n], (rec.hand_id, n, nets.get(n, 0), truth[n])
    assert set(nets) <= set(rec.dealt), (rec.hand_id, set(nets) - set(rec.dealt))
    assert truth.get(HERO, 0) == rec.hero_result
