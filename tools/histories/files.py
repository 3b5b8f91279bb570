"""History files as the clients write them, and the expected results beside them."""

from __future__ import annotations

from pathlib import Path

from .dealer import HandRecord
from .rooms import ROOMS, check_record, ipoker
from .table import HERO

WRITTEN: list = []   # (path, hands, hero total) of every file with expected results


def history_bytes(records: list[HandRecord], check: bool = True) -> bytes:
    """A text room's file: its hands in the room's format, each read back and balanced to
    the cent when `check`."""
    room = ROOMS[records[0].conf.room]
    texts = []
    for rec in records:
        lines = room.render(rec)
        if check:
            check_record(rec, lines)
        texts.append("\r\n".join(lines))
    return text_file(room, texts)


def text_file(room, texts: list[str]) -> bytes:
    """The bytes of a text room's file of hands, each given as its text."""
    body = room.SEPARATOR.join(texts) + room.ENDING
    return (b"\xef\xbb\xbf" if room.BOM else b"") + body.encode("utf-8")


def session_bytes(records: list[HandRecord], session: ipoker.XmlSession, encoding: str = "utf-8",
                  check: bool = True) -> bytes:
    """An iPoker session file, each game read back and balanced to the cent when `check`.
    `encoding` is what the bytes are written in; the file always declares UTF-8 (a client
    that wrote Windows-1252 under that declaration is one of the fixtures)."""
    if check:
        for rec in records:
            check_record(rec, ipoker.render(rec))
    return ("\r\n".join(ipoker.render_session(records, session)) + "\r\n").encode(encoding)


def write_expected(path: Path, rows: list[tuple]):
    """`<file name>.expected.csv` beside a history: (hand, result, all-in, note) a row."""
    lines = ["hand,result_cents,allin_showdown,note"] + [",".join(map(str, row)) for row in rows]
    path.with_name(path.name + ".expected.csv").write_text("\n".join(lines) + "\n", encoding="utf-8")
    WRITTEN.append((path, len(rows), sum(row[1] for row in rows)))


def write_history(path: Path, records: list[HandRecord], extra_rows: dict | None = None,
                  csv: bool = True):
    """Writes the hands in the room's format and, beside them, the expected results.

    extra_rows maps a hand id to (result, allin, note) for hands that are not cash
    hands (tournament hands), whose figures are fixed by the scenario."""
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(history_bytes(records))
    if csv:
        extra_rows = extra_rows or {}
        write_expected(path, [(rec.hand_id, *extra_rows.get(
            rec.hand_id, (rec.hero_result, rec.allin_showdown, rec.note))) for rec in records])


def write_xml_history(path: Path, records: list[HandRecord], session: ipoker.XmlSession,
                      encoding: str = "utf-8", file_note: str = ""):
    """Writes an iPoker session file and its expected results: one row per game the hero
    played (a game he sat out has none), `hand` being the game's code. `file_note` is
    added to every row, for files the reader refuses as a whole."""
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(session_bytes(records, session, encoding))
    played = [rec for rec in records if HERO in rec.dealt]
    rows = [(rec.hand_id, rec.hero_result, rec.allin_showdown,
             "; ".join(x for x in (rec.note, file_note) if x)) for rec in played]
    assert not any("," in row[3] for row in rows)
    write_expected(path, rows)
    # the whole file as the reader takes it must give the same figures
    read = ipoker.read_session(path.read_bytes().decode(encoding), HERO)
    if file_note:
        assert read is None, path
    else:
        assert read is not None and len(read) == len(played), path
        for rec, (code, cents) in zip(played, read):
            assert code == str(rec.hand_id) and abs(cents - rec.hero_result) < 1e-6, (code, cents)
