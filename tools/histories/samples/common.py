"""Shorthands of the sample scenarios: players, tables, scripts and the files they go to."""

from __future__ import annotations

from datetime import datetime, timedelta
from pathlib import Path

from ..dealer import Hand, HandRecord
from ..files import write_history, write_xml_history
from ..rooms import ROOMS, ipoker
from ..session import SAMPLE_IDS, session_rng
from ..table import HandScript, Player, TableConf


def P(seat: int, name: str, dollars: float, style: str = "tag") -> Player:
    return Player(seat, name, round(dollars * 100), style)


def utc(*parts) -> datetime:
    return datetime(*parts)


def cet_time(*parts) -> datetime:
    """A start time given on the iPoker client's clock (Central European, winter time)."""
    return datetime(*parts) - timedelta(hours=1)


def F(**kw) -> HandScript:
    """A focused hand: the named players follow their scripts, everyone else checks or folds."""
    return HandScript(others="f", **kw)


def bench(text: str) -> list[tuple[str, str]]:
    """Players who may sit down during a session, "name/style" one after another, comma
    separated; none of them is seated at the start."""
    return [tuple(entry.strip().rsplit("/", 1)) for entry in text.split(",")]


def ring(names: list, stacks: list, styles: list | None = None) -> list[Player]:
    """Players in seats 1, 2, 3 … with stacks in dollars."""
    styles = styles or ["tag"] * len(names)
    return [P(i + 1, n, s, st) for i, (n, s, st) in enumerate(zip(names, stacks, styles))]


def seated(pairs: list) -> list[Player]:
    """Players in the seats given, (seat, name, dollars) each."""
    return [P(seat, name, dollars) for seat, name, dollars in pairs]


def stars_conf(name: str, seats: int = 6, **kw) -> TableConf:
    return TableConf("stars", name, seats, 5, 10, rake_cap=50 if seats == 2 else 100, **kw)


def party_nl(name: str) -> TableConf:
    return TableConf("party", name, 9, 10, 25, rake_cap=150)


def party_plo(name: str) -> TableConf:
    return TableConf("party", name, 6, 10, 25, omaha=True, buyin=25, rake_cap=150)


def small_stakes(room: str, name: str, seats: int = 6, **kw) -> TableConf:
    """A $0.05/$0.10 table of the newer rooms."""
    return TableConf(room, name, seats, 5, 10, **kw)


def flopomania_conf(name: str) -> TableConf:
    # no blinds: the ante is the stake, and the smallest bet
    return TableConf("888", name, 6, 0, 10, ante=10, flopomania=True)


def mark_dates(records: list[HandRecord], clock, zone: str = ""):
    """For sessions that cross midnight: the date each hand's header shows on `clock`,
    followed by `zone` when the header shows two clocks."""
    for rec in records:
        local, _ = clock(rec.when)
        rec.note = "; ".join(x for x in (rec.note, f"{local:%Y-%m-%d}{zone}") if x)


def add_note(records: list[HandRecord], words: str):
    for rec in records:
        rec.note = "; ".join(x for x in (rec.note, words) if x)


def write(out: Path, records: list[HandRecord], folder: str = "",
          named_by: list[HandRecord] | None = None, **kw):
    """Writes a text room's session under out/folder, named as its client names it (after
    `named_by`, the cash hands, when a tournament hand opens the file)."""
    name = ROOMS[records[0].conf.room].file_name(named_by or records)
    write_history(out / folder / name, records, **kw)


def write_xml(out: Path, records: list[HandRecord], table_code: int, folder: str = "",
              session: dict | None = None, **kw):
    """Writes an iPoker session file under out/folder; `session` sets the <general>
    element's nickname or mode."""
    xml = ipoker.XmlSession(records[0].conf.name, table_code, **(session or {}))
    write_xml_history(out / folder / ipoker.file_name(records), records, xml, **kw)


def tournament_hand(conf: TableConf, seats: list, button: int, label: str, ids: str,
                    when: datetime) -> tuple:
    """A tournament hand at 1,500 chips a player, (seat, name) each, and its expected row:
    the readers skip it."""
    players = [Player(seat, name, 1500) for seat, name in seats]
    hand = Hand(conf, players, button, HandScript(), session_rng(label),
                SAMPLE_IDS[ids].next(when), when).play()
    return hand, {hand.hand_id: (0, 0, "tournament hand; chips not money")}


def with_tournament_hand(records: list[HandRecord], at: int, seconds: int, conf: TableConf,
                         seats: list, label: str, ids: str) -> tuple:
    """The session with a tournament hand (button on the first seat) played `seconds`
    after hand at - 1 and put in before hand `at`, whose note then says so; and the
    tournament hand's expected row."""
    hand, rows = tournament_hand(conf, seats, seats[0][0], label, ids,
                                 records[at - 1].when + timedelta(seconds=seconds))
    add_note(records[at:], "after the tournament hand")
    return records[:at] + [hand] + records[at:], rows
