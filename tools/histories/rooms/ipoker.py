"""iPoker's XML session files: a <session> of <game> elements, their file names, the
read-back of a written game, and the reader's rules."""

from __future__ import annotations

import re
import xml.etree.ElementTree as ET
from dataclasses import dataclass
from datetime import datetime
from xml.sax.saxutils import escape, quoteattr

from ..clock import central_european
from ..dealer import HandRecord
from ..money import cents_of, plain_amount
from ..table import HERO, TableConf
from .common import ASIDES, event_lines, wtof

ROOM = "ipoker"
ACTION_CODE = {"fold": 0, "sb": 1, "bb": 2, "call": 3, "check": 4, "bet": 5, "allin": 7,
                 "ante": 15, "raise": 23}


def money(conf: TableConf, cents: int) -> str:
    return f"{conf.sym}{plain_amount(cents)}"


def clock(utc: datetime) -> str:
    cet, _ = central_european(utc)
    return f"{cet:%Y-%m-%d %H:%M:%S}"


def file_name(records: list[HandRecord]) -> str:
    c = records[0].conf
    cet, _ = central_european(records[0].when)
    return f"{cet:%Y%m%d} {c.name} Holdem NL {money(c, c.sb)}-{money(c, c.bb)}.xml"


def card_text(cards: list[str]) -> str:
    return " ".join(card[1].upper() + ("10" if card[0] == "T" else card[0]) for card in cards)


def head(rec: HandRecord) -> list[str]:
    """The lines that name the game and its time (when the start date comes first)."""
    start = [] if rec.quirk == "players first" else [f"      <startdate>{clock(rec.when)}</startdate>"]
    return [f'  <game gamecode="{rec.hand_id}">', "    <general>"] + start


def render(rec: HandRecord) -> list[str]:
    """One <game> of an iPoker session: the players with what each put in ("bet") and
    took out ("win", rake already off), both counting a returned bet, then the rounds."""
    c = rec.conf
    m = lambda cents: money(c, cents)   # noqa: E731
    players = ["      <players>"]
    for seat, name, stack, status in rec.seats:
        if name not in rec.dealt:
            continue            # a player sitting out takes no part in the game
        back = rec.uncalled.get(name, 0)
        players.append(
            f'        <player seat="{seat}" name={quoteattr(name)} chips="{m(stack)}" '
            f'dealer="{int(seat == rec.button)}" win="{m(rec.collected[name] + back)}" '
            f'bet="{m(rec.contrib[name] + back)}" rebuy="0" addon="0" />')
    players.append("      </players>")
    lines = head(rec)
    if rec.quirk == "players first":
        players.append(f"      <startdate>{clock(rec.when)}</startdate>")
    lines += players + ["    </general>"]

    number = 0
    rounds: list[list[str]] = [[]]

    def action(n: str, kind: str, cents: int):
        nonlocal number
        number += 1
        rounds[-1].append(f'      <action no="{number}" player={quoteattr(n)} '
                          f'type="{ACTION_CODE[kind]}" sum="{m(cents)}" cards="" />')

    def post(e):
        _, n, what, amount = e
        assert what in ("sb", "bb", "newbb"), f"no {what} post at iPoker tables"
        action(n, "sb" if what == "sb" else "bb", amount)

    def pockets(e):
        rounds.append([])
        for n in rec.dealt:
            shown = n == HERO or (not rec.uncontested and dict(rec.showdown).get(n))
            cards = card_text(rec.hole[n]) if shown else "X X"
            rounds[-1].append(f'      <cards type="Pocket" player={quoteattr(n)}>{cards}</cards>')

    def act(e):
        # The client writes a raise as the street total it raises to (the
        # blinds of round 0 included) and every other action as what it adds.
        _, n, what, add, to, before, allin = e
        action(n, "allin" if allin else what, to if what == "raise" and not allin else add)

    def street(e):
        rounds.append([f'      <cards type="{["Flop", "Turn", "River"][e[1] - 1]}" '
                       f'player="">{card_text(e[3])}</cards>'])

    writers = {"post": post, "ante": lambda e: action(e[1], "ante", e[2]), "hole": pockets,
               "act": act, "street": street}
    event_lines(rec, writers, skip=ASIDES)
    assert len(rec.boards) == 1, "iPoker does not run boards twice"
    for k, body in enumerate(rounds):
        lines.append(f'    <round no="{k}">')
        lines += body
        lines.append("    </round>")
    lines.append("  </game>")
    return lines


@dataclass
class XmlSession:
    """What the <general> element of a session file says about the file as a whole."""
    table: str
    table_code: int
    nickname: str = HERO
    mode: str = "real"


def render_session(records: list[HandRecord], session: XmlSession) -> list[str]:
    return session_head(records, session) + [line for rec in records for line in render(rec)] + ["</session>"]


def session_head(records: list[HandRecord], session: XmlSession) -> list[str]:
    """The file's XML declaration, the <session> and its <general> element, which sums up
    the owner's games."""
    c = records[0].conf
    m = lambda cents: money(c, cents)   # noqa: E731
    owner = session.nickname
    mine = [r for r in records if owner in r.dealt]
    bets = sum(r.contrib[owner] + r.uncalled.get(owner, 0) for r in mine)
    wins = sum(r.collected[owner] + r.uncalled.get(owner, 0) for r in mine)
    chips_in = next((stack for _, n, stack, _ in mine[0].seats if n == owner), 0) if mine else 0
    seconds = int((records[-1].when - records[0].when).total_seconds()) + 60
    word = {"$": "USD", "€": "EUR", "£": "GBP"}[c.sym]
    return ['<?xml version="1.0" encoding="utf-8"?>',
            f'<session sessioncode="{session.table_code % 100000007}">',
            "  <general>",
            "    <client_version>23.4.1.11</client_version>",
            f"    <mode>{session.mode}</mode>",
            f"    <gametype>Holdem NL {m(c.sb)}/{m(c.bb)}</gametype>",
            f"    <tablename>{escape(session.table)}, {session.table_code}</tablename>",
            f"    <tablecurrency>{word}</tablecurrency>",
            f"    <duration>{seconds // 3600:02d}:{seconds // 60 % 60:02d}:{seconds % 60:02d}</duration>",
            f"    <gamecount>{len(records)}</gamecount>",
            f"    <startdate>{clock(records[0].when)}</startdate>",
            f"    <currency>{word}</currency>",
            f"    <nickname>{escape(owner)}</nickname>",
            f"    <bets>{m(bets)}</bets>",
            f"    <wins>{m(wins)}</wins>",
            f"    <chipsin>{m(chips_in)}</chipsin>",
            f"    <chipsout>{m(chips_in + wins - bets)}</chipsout>",
            "    <statuspoints>0</statuspoints>",
            "    <awardpoints>0</awardpoints>",
            "    <ipoints>0</ipoints>",
            "  </general>"]


def ledger(rec: HandRecord, lines: list[str]) -> dict:
    """Each player's net from his win and bet attributes; what the wins leave out must be
    the rake."""
    nets = {player.get("name"): cents_of(player.get("win")[1:]) - cents_of(player.get("bet")[1:])
            for player in ET.fromstring("\n".join(lines)).iter("player")}
    assert -sum(nets.values()) == rec.rake, (rec.hand_id, -sum(nets.values()), rec.rake)
    return nets


def read_session(text: str, hero: str, start: datetime | None = None,
                 end: datetime | None = None, seats=(2, 10)) -> list | None:
    """The iPoker reader's (gamecode, cents) per game the hero played; None for a refused
    file. Games count from `start` up to, not including, `end` (clock times as written)."""
    root = ET.fromstring(text)
    if root.tag != "session":
        return None
    found = []
    date_rx = re.compile(r"([0-9]{4})-([0-9]{1,2})-([0-9]{1,2}) ([0-9]{2}):([0-9]{1,2}):([0-9]{1,2})")
    amount_rx = re.compile(r"[\$|€|£](\d+.?[0-9]{0,2})")
    for child in root:
        if child.tag == "general":
            for item in child:
                if item.tag == "mode" and (item.text or "") != "real":
                    return None
                if item.tag == "nickname" and (item.text or "") != hero:
                    return None
        elif child.tag == "game":
            for general in (g for g in child if g.tag == "general"):
                skip = False
                for item in general:
                    if skip:
                        break
                    if item.tag == "startdate":
                        mt = date_rx.search(item.text or "")
                        if not mt:
                            continue
                        when = datetime(*map(int, mt.groups()))
                        skip = (start is not None and when < start) or (end is not None and when >= end)
                    elif item.tag == "players":
                        count = len(list(item))
                        if not seats[0] <= count <= seats[1]:
                            break
                        for player in item:
                            if player.get("name") != hero:
                                continue
                            win = amount_rx.search(player.get("win", ""))
                            bet = amount_rx.search(player.get("bet", ""))
                            if win and bet:
                                found.append((child.get("gamecode"),
                                              wtof(win[1]) * 100 - wtof(bet[1]) * 100))
    return found


def reader_result(rec: HandRecord, lines: list[str]) -> float | None:
    """What the reader makes of one written game the hero played."""
    if HERO not in rec.dealt:
        return None
    text = "\n".join(['<session sessioncode="0">', "  <general><mode>real</mode>"
                      f"<nickname>{HERO}</nickname></general>", *lines, "</session>"])
    games = read_session(text, HERO)
    return games[0][1] if games else None
