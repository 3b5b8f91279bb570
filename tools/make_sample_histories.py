#!/usr/bin/env python3
"""Writes synthetic PokerStars and PartyPoker hand histories with their true results.

A small dealer plays cash-game hands the way a poker room does: it shuffles, posts
blinds, antes and dead blinds, runs the betting rounds with legal actions and
amounts (no-limit and pot-limit), returns uncalled bets, builds main and side pots
from the all-ins, takes a capped rake once a flop is dealt, evaluates the showdown
(Hold'em: best five of seven; Omaha: exactly two hole cards and three board cards),
splits tied pots with the odd cent going to the first winner left of the button,
and can run the board twice.  Each hand is then written in the room's own text
format, and the hero's net result is worked out from the dealer's ledger, not from
the text: everything he collected minus everything he put in, uncalled bets given
back.  As a safety net every written hand is read back by a plain line-by-line
accountant and must give the same figure and balance to the cent.

Outputs (rewritten on each run; the seed is fixed, so the files are identical):
  examples/pokerstars/, examples/partypoker/   bundled sample sessions
  tests/data/pokerstars/, tests/data/partypoker/   focused reader fixtures
Beside every history file "<file name>.expected.csv" holds one row per hand:
  hand,result_cents,allin_showdown,note

Run from the repository root:  python3 tools/make_sample_histories.py
Standard library only.
"""

from __future__ import annotations

import itertools
import random
import re
import shutil
import sys
import zlib
from collections import Counter
from dataclasses import dataclass, field
from datetime import datetime, timedelta
from pathlib import Path

SEED = 20240305
HERO = "Hero"
ROOT = Path(__file__).resolve().parent.parent

RANKS = "23456789TJQKA"
SUITS = "cdhs"
RANK_WORD = ["Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine", "Ten",
             "Jack", "Queen", "King", "Ace"]
RANK_PLURAL = ["Twos", "Threes", "Fours", "Fives", "Sixes", "Sevens", "Eights", "Nines",
               "Tens", "Jacks", "Queens", "Kings", "Aces"]

STREET_NAMES = ["FLOP", "TURN", "RIVER"]
FOLD_WHERE = ["before Flop", "on the Flop", "on the Turn", "on the River"]


# --------------------------------------------------------------------------- cards

def parse_cards(text: str) -> list[str]:
    return text.split() if text else []


def card_rank(card: str) -> int:
    return RANKS.index(card[0])


def rank5(cards) -> tuple:
    """Strength of exactly five cards as a tuple that compares like poker hands.

    Category first (0 high card .. 8 straight flush), then the ranks that break ties.
    """
    ranks = sorted((card_rank(c) for c in cards), reverse=True)
    flush = len({c[1] for c in cards}) == 1
    counts = Counter(ranks)
    groups = sorted(counts.items(), key=lambda kv: (-kv[1], -kv[0]))
    unique = sorted(counts, reverse=True)
    straight_high = None
    if len(unique) == 5:
        if unique[0] - unique[4] == 4:
            straight_high = unique[0]
        elif unique == [12, 3, 2, 1, 0]:  # the wheel, ace plays low
            straight_high = 3
    if straight_high is not None and flush:
        return (8, straight_high)
    if groups[0][1] == 4:
        return (7, groups[0][0], groups[1][0])
    if groups[0][1] == 3 and groups[1][1] == 2:
        return (6, groups[0][0], groups[1][0])
    if flush:
        return (5, *ranks)
    if straight_high is not None:
        return (4, straight_high)
    if groups[0][1] == 3:
        return (3, groups[0][0], *[g[0] for g in groups[1:]])
    if groups[0][1] == 2 and groups[1][1] == 2:
        return (2, groups[0][0], groups[1][0], groups[2][0])
    if groups[0][1] == 2:
        return (1, groups[0][0], *[g[0] for g in groups[1:]])
    return (0, *ranks)


def best_hand(hole: list[str], board: list[str], omaha: bool) -> tuple:
    """Best poker hand: Hold'em any five of seven, Omaha two hole plus three board."""
    if omaha:
        return max(rank5(h + b) for h in map(list, itertools.combinations(hole, 2))
                   for b in map(list, itertools.combinations(board, 3)))
    return max(rank5(c) for c in itertools.combinations(hole + board, 5))


def describe(rank: tuple, party: bool) -> str:
    """The rooms' words for a hand; PartyPoker says "two pairs" where Stars says "two pair"."""
    cat = rank[0]
    if cat == 0:
        return f"high card {RANK_WORD[rank[1]]}"
    if cat == 1:
        return f"a pair of {RANK_PLURAL[rank[1]]}"
    if cat == 2:
        word = "two pairs" if party else "two pair"
        return f"{word}, {RANK_PLURAL[rank[1]]} and {RANK_PLURAL[rank[2]]}"
    if cat == 3:
        return f"three of a kind, {RANK_PLURAL[rank[1]]}"
    if cat in (4, 8):
        high = rank[1]
        low = RANK_WORD[12] if high == 3 else RANK_WORD[high - 4]
        if cat == 8:
            if high == 12:
                return "a Royal Flush"
            return f"a straight flush, {low} to {RANK_WORD[high]}"
        return f"a straight, {low} to {RANK_WORD[high]}"
    if cat == 5:
        return f"a flush, {RANK_WORD[rank[1]]} high"
    if cat == 6:
        return f"a full house, {RANK_PLURAL[rank[1]]} full of {RANK_PLURAL[rank[2]]}"
    return f"four of a kind, {RANK_PLURAL[rank[1]]}"


# --------------------------------------------------------------------------- money and time

def plain_amount(cents: int) -> str:
    """Amount the way the clients print it: "2", "0.10", "1.05" (no thousands mark)."""
    if cents % 100 == 0:
        return str(cents // 100)
    return f"{cents // 100}.{cents % 100:02d}"


def party_amount(cents: int) -> str:
    whole = f"{cents // 100:,}"
    return whole if cents % 100 == 0 else f"{whole}.{cents % 100:02d}"


# Daylight-saving changes of 2024 in UTC, for the Eastern and Central European clocks.
EDT_FROM, EDT_TO = datetime(2024, 3, 10, 7, 0), datetime(2024, 11, 3, 6, 0)
CEST_FROM, CEST_TO = datetime(2024, 3, 31, 1, 0), datetime(2024, 10, 27, 1, 0)


def eastern(utc: datetime) -> tuple[datetime, str]:
    if EDT_FROM <= utc < EDT_TO:
        return utc - timedelta(hours=4), "EDT"
    return utc - timedelta(hours=5), "EST"


def central_european(utc: datetime) -> tuple[datetime, str]:
    if CEST_FROM <= utc < CEST_TO:
        return utc + timedelta(hours=2), "CEST"
    return utc + timedelta(hours=1), "CET"


def stars_clock(t: datetime) -> str:
    return f"{t.year}/{t.month:02d}/{t.day:02d} {t.hour}:{t.minute:02d}:{t.second:02d}"


def stars_time(utc: datetime) -> str:
    cet, zone = central_european(utc)
    et, _ = eastern(utc)
    return f"{stars_clock(cet)} {zone} [{stars_clock(et)} ET]"


def party_time(utc: datetime) -> str:
    et, zone = eastern(utc)
    return (f"{et.strftime('%A')}, {et.strftime('%B')} {et.day:02d}, "
            f"{et.hour:02d}:{et.minute:02d}:{et.second:02d} {zone} {et.year}")


# --------------------------------------------------------------------------- tables and players

@dataclass
class TableConf:
    room: str                 # "stars" or "party"
    name: str
    max_seats: int
    sb: int                   # cents (chips for a tournament)
    bb: int
    omaha: bool = False
    ante: int = 0
    sym: str = "$"
    word: str = "USD"
    zoom: bool = False
    rake_cap: int = 100
    tournament: str = ""      # Stars tournament header text, chips instead of money
    buyin: int = 0            # PartyPoker PL Omaha tables are named by buy-in (dollars)

    def money(self, cents: int) -> str:
        if self.tournament:
            return str(cents)
        if self.room == "party":
            return f"${party_amount(cents)}"
        return f"{self.sym}{plain_amount(cents)}"


@dataclass
class Style:
    open_thr: float = 0.55    # preflop strength needed to open
    aggr: float = 0.35        # chance to bet or raise a medium hand
    bluff: float = 0.08       # chance to bet or raise with little
    sticky: float = 0.0       # extra willingness to call


STYLES = {
    "hero": Style(0.40, 0.45, 0.10, 0.05),
    "heroine": Style(0.34, 0.60, 0.18, 0.10),
    "tag": Style(0.42, 0.40, 0.08, 0.0),
    "loose": Style(0.32, 0.25, 0.06, 0.15),
    "nit": Style(0.50, 0.30, 0.03, -0.05),
    "maniac": Style(0.28, 0.65, 0.25, 0.10),
}


@dataclass
class Player:
    seat: int
    name: str
    stack: int
    style: str = "tag"
    sitting_out: bool = False
    waiting: int = 0          # hands left before a player who just sat down is dealt in


@dataclass
class HandSpec:
    """What a scenario fixes in one hand; everything else is dealt and played at random."""
    acts: dict = field(default_factory=dict)      # name -> action tokens, see Hand.token_decision
    cards: dict = field(default_factory=dict)     # name -> "Ah Kd"
    board: str = ""                               # first board, fully or partly fixed
    board2: str = ""                              # the second run's own cards
    stacks: dict = field(default_factory=dict)    # name -> at least these cents (top up)
    force_stacks: bool = False                    # allow a stack to be set lower
    post: dict = field(default_factory=dict)      # name -> "newbb" | "sbbb" | "dead"
    sitout: tuple = ()                            # names sitting out this hand
    run_twice: bool = False
    button: int | None = None
    others: str = "d"                             # "f": players without tokens check or fold
    note: str = ""
    chat: list = field(default_factory=list)      # (name, text)
    join: list = field(default_factory=list)      # (name, seat, stack, style) sitting down
    leave: tuple = ()                             # names leaving after the hand
    timeout: str = ""                             # name who times out and sits out
    gap: int = 0                                  # extra seconds before this hand


# --------------------------------------------------------------------------- the hand record

@dataclass
class Pot:
    amount: int                                   # chips in it before rake
    eligible: list
    rake: int = 0
    shares: list = field(default_factory=list)    # per board: list of (name, cents)

    @property
    def net(self) -> int:
        return self.amount - self.rake


@dataclass
class HandRecord:
    conf: TableConf
    hand_id: int
    when: datetime
    button: int
    seats: list                                   # (seat, name, stack, sitting_out) in seat order
    dealt: list                                   # names dealt in, seat order
    seat_of: dict
    positions: dict                               # name -> list of "button"/"small blind"/"big blind"
    hole: dict
    events: list                                  # chronological, see Hand
    boards: list                                  # one board, or two when run twice
    common: int                                   # board cards shared by both runs
    pots: list
    rake: int
    total: int
    contrib: dict
    collected: dict
    uncalled: dict                                # name -> cents returned
    folded_at: dict                               # name -> street index of the fold
    voluntary: set                                # names who put money in beyond antes
    showdown: list                                # (name, shows) in showing order; empty if none
    uncontested: str | None
    ranks: dict                                   # (name, board index) -> rank tuple
    hero_result: int
    hero_in: bool
    allin_showdown: int
    note: str
    after: list                                   # lines after the hand's action (leaves)
    last_street: int                              # highest street dealt: 0 pre .. 3 river


class Hand:
    """Deals and plays one hand on a table; the result is a HandRecord."""

    def __init__(self, conf: TableConf, players: list[Player], button: int, spec: HandSpec,
                 rng: random.Random, hand_id: int, when: datetime):
        self.conf, self.spec, self.rng = conf, spec, rng
        self.hand_id, self.when = hand_id, when
        self.players = sorted(players, key=lambda p: p.seat)
        self.button = button
        self.events: list = []
        self.tokens = {n: list(t) for n, t in spec.acts.items()}

    # ----- seating helpers
    def order_after(self, seat: int) -> list[str]:
        seats = [p.seat for p in self.dealt_players]
        after = [s for s in seats if s > seat] + [s for s in seats if s <= seat]
        return [self.name_at[s] for s in after]

    def live(self) -> list[str]:
        return [n for n in self.dealt if n not in self.folded]

    def can_act(self, n: str) -> bool:
        return n not in self.folded and n not in self.allin

    def pot_total(self) -> int:
        return sum(self.contrib.values())

    def put(self, n: str, amount: int, live: bool = True):
        assert 0 <= amount <= self.left[n], (n, amount, self.left[n])
        self.left[n] -= amount
        self.contrib[n] += amount
        if live:
            self.street_bet[n] += amount
        if self.left[n] == 0:
            self.allin.add(n)
            self.allin_street.setdefault(n, self.street)

    # ----- the hand
    def play(self) -> HandRecord:
        conf, spec, rng = self.conf, self.spec, self.rng
        self.dealt_players = [p for p in self.players if not p.sitting_out and p.waiting == 0
                              and p.stack > 0]
        self.dealt = [p.name for p in self.dealt_players]
        self.name_at = {p.seat: p.name for p in self.players}
        self.seat_of = {p.name: p.seat for p in self.players}
        self.stack0 = {p.name: p.stack for p in self.dealt_players}
        self.seat_rows = [(p.seat, p.name, p.stack,
                           "wait" if p.waiting > 0 else ("in" if p.name in self.dealt else "out"))
                          for p in self.players]
        self.style = {p.name: STYLES[p.style] for p in self.dealt_players}
        assert len(self.dealt) >= 2, "a hand needs two players"
        assert self.button in [p.seat for p in self.dealt_players]
        self.left = dict(self.stack0)
        self.contrib = {n: 0 for n in self.dealt}
        self.street_bet = {n: 0 for n in self.dealt}
        self.folded: set = set()
        self.folded_at: dict = {}
        self.allin: set = set()
        self.allin_street: dict = {}
        self.street = 0
        self.voluntary: set = set()
        self.uncalled: dict = {}
        self.raises_in_street = 0

        # positions: heads-up the button posts the small blind
        order = self.order_after(self.button)
        if len(self.dealt) == 2:
            sb_name, bb_name = self.name_at[self.button], order[0]
        else:
            sb_name, bb_name = order[0], order[1]
        self.sb_name, self.bb_name = sb_name, bb_name
        positions = {n: [] for n in self.dealt}
        positions[self.name_at[self.button]].append("button")
        positions[sb_name].append("small blind")
        positions[bb_name].append("big blind")

        # blinds, posts of new and returning players, then antes
        self.post_blind(sb_name, "sb", conf.sb, 0)
        self.post_blind(bb_name, "bb", conf.bb, 0)
        self.voluntary.update({sb_name, bb_name})
        for n in self.dealt:
            kind = spec.post.get(n)
            if not kind or n in (sb_name, bb_name):
                continue
            if kind == "newbb":
                self.post_blind(n, "newbb", conf.bb, 0)
            elif kind == "sbbb":
                self.post_blind(n, "sbbb", conf.bb, conf.sb)
            elif kind == "dead":
                self.post_blind(n, "dead", conf.bb, conf.sb)
            self.voluntary.add(n)
        for p in self.players:
            if p.waiting > 0 and not p.sitting_out:
                self.events.append(("wait", p.name))
        if conf.ante:
            for n in self.dealt:
                amount = min(conf.ante, self.left[n])
                self.put(n, amount, live=False)
                self.events.append(("ante", n, amount))

        # cards
        deck = [r + s for r in RANKS for s in SUITS]
        fixed = [c for t in spec.cards.values() for c in parse_cards(t)]
        fixed += parse_cards(spec.board) + parse_cards(spec.board2)
        assert len(fixed) == len(set(fixed)), f"card used twice in hand spec: {fixed}"
        for c in fixed:
            deck.remove(c)
        rng.shuffle(deck)
        n_hole = 4 if conf.omaha else 2
        self.hole = {}
        for n in self.dealt:
            if n in spec.cards:
                self.hole[n] = parse_cards(spec.cards[n])
                assert len(self.hole[n]) == n_hole
            else:
                self.hole[n] = [deck.pop() for _ in range(n_hole)]
        self.deck = deck
        self.board_fixed = parse_cards(spec.board)
        self.board2_fixed = parse_cards(spec.board2)
        self.board: list[str] = []
        self.events.append(("hole",))

        self.timeout_done = False
        self.chat = list(spec.chat)
        self.join_lines = list(spec.join)
        self.last_aggressor: str | None = None
        self.last_street = 0
        closed_before = None   # street index at which betting closed with chips still to run out

        for street in range(4):
            self.street = street
            if street > 0:
                self.last_aggressor = None   # the last street's aggressor shows first
                self.deal_street(street)
                self.last_street = street
            if len(self.live()) < 2:
                break
            self.betting_round(street)
            self.return_uncalled(street)
            if len(self.live()) < 2:
                break
            if len([n for n in self.live() if n not in self.allin]) < 2 and street < 3:
                closed_before = street + 1
                # the remaining cards come without betting
                if spec.run_twice:
                    break
                for s in range(street + 1, 4):
                    self.deal_street(s)
                    self.last_street = s
                break
            for n in self.dealt:
                self.street_bet[n] = 0
            self.raises_in_street = 0

        # a scenario's chat and joins that found no place during the action come last
        for name, text in self.chat:
            self.events.append(("chat", name, text))
        for j in self.join_lines:
            self.events.append(("join", j[0], j[1]))

        return self.finish(positions, closed_before)

    def post_blind(self, n: str, kind: str, live: int, dead: int):
        live_amount = min(live, self.left[n])
        self.put(n, live_amount)
        dead_amount = min(dead, self.left[n])
        self.put(n, dead_amount, live=False)
        self.events.append(("post", n, kind, live_amount + dead_amount))

    def deal_street(self, street: int):
        count = 3 if street == 1 else 1
        new = []
        for _ in range(count):
            k = len(self.board)
            if k < len(self.board_fixed):
                card = self.board_fixed[k]
            else:
                card = self.deck.pop()
            self.board.append(card)
            new.append(card)
        self.events.append(("street", street, list(self.board[:-count]), new))

    # ----- betting
    def betting_round(self, street: int):
        conf = self.conf
        if street == 0:
            order = self.order_after(self.seat_of[self.bb_name])
            bet_to = max(self.street_bet.values())
            min_raise = conf.bb
        else:
            order = self.order_after(self.button)
            bet_to = 0
            min_raise = conf.bb
        acted = {n: False for n in order}
        can_raise = {n: True for n in order}
        i = 0
        guard = 0
        while True:
            guard += 1
            assert guard < 500, "betting round does not end"
            if len(self.live()) < 2:
                return
            pending = [n for n in order if self.can_act(n)
                       and (not acted[n] or self.street_bet[n] < bet_to)]
            if not pending:
                return
            actors = [n for n in order if self.can_act(n)]
            if len(actors) == 1 and self.street_bet[actors[0]] >= bet_to:
                return
            n = order[i % len(order)]
            i += 1
            if n not in pending:
                continue
            opts = self.options(n, bet_to, min_raise, can_raise[n], order)
            kind, to = self.decide(n, opts, street, bet_to)
            if not self.timeout_done and self.spec.timeout == n and "fold" in opts:
                self.events.append(("timeout", n))
                kind, to = "fold", 0
                self.timeout_done = True
            prev = self.street_bet[n]
            if kind == "fold":
                self.folded.add(n)
                self.folded_at[n] = street
                self.events.append(("act", n, "fold", 0, 0, bet_to, False))
                if self.spec.timeout == n and self.timeout_done:
                    self.events.append(("sitting out", n))
            elif kind == "check":
                self.events.append(("act", n, "check", 0, 0, bet_to, False))
            elif kind == "call":
                add = min(bet_to - prev, self.left[n])
                self.put(n, add)
                self.voluntary.add(n)
                self.events.append(("act", n, "call", add, self.street_bet[n], bet_to,
                                    n in self.allin))
            else:  # bet or raise to `to`
                add = to - prev
                self.put(n, add)
                self.voluntary.add(n)
                increment = to - bet_to
                self.events.append(("act", n, kind, add, to, bet_to, n in self.allin))
                if increment >= min_raise:
                    min_raise = increment
                    for m in order:
                        if m != n:
                            can_raise[m] = True
                bet_to = to
                self.last_aggressor = n
                self.raises_in_street += 1
            acted[n] = True
            can_raise[n] = False
            self.maybe_misc(n)

    def options(self, n, bet_to, min_raise, may_raise, order) -> dict:
        to_call = bet_to - self.street_bet[n]
        stack = self.left[n]
        opts: dict = {}
        if to_call > 0:
            opts["fold"] = True
            opts["call"] = min(to_call, stack)
        else:
            opts["check"] = True
        others = any(self.can_act(m) for m in order if m != n)
        if stack > to_call and others and may_raise:
            cap = self.street_bet[n] + stack
            if bet_to == 0:
                lo = min(self.conf.bb, cap)
                hi = cap if not self.conf.omaha else min(cap, self.pot_total())
                opts["bet"] = (lo, max(lo, hi))
            else:
                lo = min(bet_to + min_raise, cap)
                hi = cap
                if self.conf.omaha:
                    hi = min(cap, bet_to + self.pot_total() + to_call)
                opts["raise"] = (lo, max(lo, hi))
        return opts

    def decide(self, n, opts, street, bet_to) -> tuple[str, int]:
        if self.tokens.get(n):
            token = self.tokens[n].pop(0)
            if token != "d":
                return self.token_decision(token, opts)
        elif self.spec.others == "f":
            # a focused hand: whoever has no (more) script checks or folds
            return self.token_decision("x", opts)
        return self.default_decision(n, opts, street, bet_to)

    @staticmethod
    def token_decision(token: str, opts: dict) -> tuple[str, int]:
        """Scenario tokens: f fold, x check-or-fold, k check-or-call, c call-or-check,
        r<cents> raise (or bet) to, a all-in (pot-limit: the pot), d default play."""
        aggressive = "raise" if "raise" in opts else ("bet" if "bet" in opts else None)
        if token == "f":
            return ("fold", 0) if "fold" in opts else ("check", 0)
        if token == "x":
            return ("check", 0) if "check" in opts else ("fold", 0)
        if token in ("k", "c"):
            return ("check", 0) if "check" in opts else ("call", 0)
        if token == "a" or token.startswith("r"):
            if aggressive is None:
                return ("check", 0) if "check" in opts else ("call", 0)
            lo, hi = opts[aggressive]
            to = hi if token == "a" else max(lo, min(hi, int(token[1:])))
            return (aggressive, to)
        raise ValueError(f"unknown action token {token!r}")

    # ----- default play: simple, plausible, driven by hand strength
    def strength(self, n: str, street: int) -> float:
        hole = self.hole[n]
        if street == 0:
            return omaha_preflop(hole) if self.conf.omaha else chen_strength(hole)
        board = self.board
        rank = best_hand(hole, board, self.conf.omaha)
        cat = rank[0]
        board_top = max(card_rank(c) for c in board)
        if self.conf.omaha:
            base = [0.05, 0.3, 0.5, 0.68, 0.8, 0.88, 0.95, 0.99, 1.0][cat]
        else:
            board_rank = rank5(board) if len(board) == 5 else None
            if board_rank is not None and board_rank >= rank:
                return 0.1                       # plays the board
            if cat == 0:
                base = 0.12 if max(card_rank(c) for c in hole) == 12 else 0.05
            elif cat == 1:
                pair = rank[1]
                hole_ranks = [card_rank(c) for c in hole]
                if pair not in hole_ranks:
                    base = 0.15                  # the pair is on the board
                elif hole_ranks[0] == hole_ranks[1] and pair > board_top:
                    base = 0.65
                elif pair == board_top:
                    base = 0.55
                else:
                    base = 0.35
            else:
                base = [0, 0, 0.75, 0.85, 0.88, 0.9, 0.95, 0.99, 1.0][cat]
        if street < 3 and cat < 4:
            suits = Counter(c[1] for c in hole + board)
            if any(v == 4 and any(h[1] == s for h in hole) for s, v in suits.items()):
                base += 0.18
        return min(base, 1.0)

    def default_decision(self, n, opts, street, bet_to) -> tuple[str, int]:
        rng, style = self.rng, self.style[n]
        s = self.strength(n, street)
        pot = self.pot_total()
        aggressive = "raise" if "raise" in opts else ("bet" if "bet" in opts else None)
        can_raise_more = aggressive is not None and self.raises_in_street < 4
        r = rng.random()
        if "check" in opts:
            if not can_raise_more:
                return ("check", 0)
            if street == 0:  # big blind option
                if s > 0.62 and r < style.aggr:
                    return (aggressive, self.size(n, opts[aggressive], street, bet_to, pot))
                return ("check", 0)
            if (s > 0.72 and r < 0.85) or (0.45 < s <= 0.72 and r < style.aggr) \
                    or (s <= 0.45 and r < style.bluff):
                return (aggressive, self.size(n, opts[aggressive], street, bet_to, pot))
            return ("check", 0)
        to_call = opts["call"]
        odds = to_call / (pot + to_call)
        if street == 0:
            unopened = bet_to <= self.conf.bb
            late = self.seat_of[n] == self.button or n == self.sb_name
            if unopened:
                if s >= style.open_thr - (0.06 if late else 0) and can_raise_more:
                    return (aggressive, self.size(n, opts[aggressive], street, bet_to, pot))
                if n == self.sb_name and s > style.open_thr - 0.15:
                    return ("call", 0)
                if s > style.open_thr - 0.1 and r < 0.3:
                    return ("call", 0)
                return ("fold", 0)
            if s > 0.8 and can_raise_more and r < 0.7:
                return (aggressive, self.size(n, opts[aggressive], street, bet_to, pot))
            deep = to_call > 0.3 * (self.left[n] + self.street_bet[n])
            need = style.open_thr + (0.12 if deep else 0.02) - style.sticky
            if s >= need:
                return ("call", 0)
            if can_raise_more and r < style.bluff * 0.3:
                return (aggressive, self.size(n, opts[aggressive], street, bet_to, pot))
            return ("fold", 0)
        if s > 0.85 and can_raise_more and r < 0.55:
            return (aggressive, self.size(n, opts[aggressive], street, bet_to, pot))
        if s > odds + 0.25 - style.sticky:
            if can_raise_more and r < style.aggr * 0.3:
                return (aggressive, self.size(n, opts[aggressive], street, bet_to, pot))
            return ("call", 0)
        if s > odds - style.sticky and s >= 0.25 and r < 0.5:
            return ("call", 0)
        if can_raise_more and r < style.bluff * 0.3:
            return (aggressive, self.size(n, opts[aggressive], street, bet_to, pot))
        return ("fold", 0)

    def size(self, n, bounds, street, bet_to, pot) -> int:
        lo, hi = bounds
        rng = self.rng
        if street == 0:
            if bet_to <= self.conf.bb:
                limpers = sum(1 for m in self.dealt if self.street_bet[m] == self.conf.bb
                              and m not in (self.bb_name,) and m in self.voluntary
                              and m != self.sb_name)
                to = int(self.conf.bb * rng.choice([2.5, 3, 3, 3.5, 4]) + limpers * self.conf.bb)
            else:
                to = int(bet_to * rng.uniform(2.7, 3.4))
        elif bet_to == 0:
            to = int(pot * rng.uniform(0.45, 0.85))
        else:
            to = int(bet_to * rng.uniform(2.4, 3.2))
        if rng.random() < 0.6:
            to = (to + 2) // 5 * 5
        to = max(lo, min(hi, to))
        cap = self.street_bet[n] + self.left[n]
        if to >= 0.6 * cap and hi == cap:
            to = cap                       # what is left is not worth keeping back
        return to

    # ----- table talk and comings and goings, placed between actions
    def maybe_misc(self, n: str):
        if self.chat and self.rng.random() < 0.35:
            name, text = self.chat.pop(0)
            self.events.append(("chat", name, text))
        if self.join_lines and self.rng.random() < 0.3:
            j = self.join_lines.pop(0)
            self.events.append(("join", j[0], j[1]))

    def return_uncalled(self, street: int):
        bets = sorted(self.dealt, key=lambda m: -self.street_bet[m])
        top, second = bets[0], bets[1]
        excess = self.street_bet[top] - self.street_bet[second]
        if excess > 0:
            self.street_bet[top] -= excess
            self.contrib[top] -= excess
            self.left[top] += excess
            self.allin.discard(top)
            self.uncalled[top] = self.uncalled.get(top, 0) + excess
            self.events.append(("uncalled", top, excess, street))

    # ----- pots, showdown, rake
    def build_pots(self) -> list[Pot]:
        live = self.live()
        levels = sorted({self.contrib[n] for n in live if n in self.allin}
                        | {max(self.contrib.values())})
        pots: list[Pot] = []
        prev = 0
        for level in levels:
            amount = sum(min(c, level) - min(c, prev) for c in self.contrib.values())
            eligible = [n for n in live if self.contrib[n] >= level]
            if amount == 0:
                prev = level
                continue
            if pots and (not eligible or eligible == pots[-1].eligible):
                pots[-1].amount += amount
            else:
                pots.append(Pot(amount, eligible))
            prev = level
        return pots

    def split_order(self, names: list[str]) -> list[str]:
        """Winners from the first seat left of the button: they get the odd cents."""
        order = self.order_after(self.button)
        return sorted(names, key=order.index)

    def finish(self, positions, closed_before) -> HandRecord:
        conf = self.conf
        live = self.live()
        total = self.pot_total()
        ran_twice = len(live) >= 2 and self.spec.run_twice and closed_before is not None
        flop_seen = self.last_street >= 1 or ran_twice
        rake = 0
        if flop_seen and not conf.tournament:
            rake = min(conf.rake_cap, total * 5 // 100)
        pots = self.build_pots()
        # the rake comes off the pots in proportion, leftover cents to the largest remainders
        if rake:
            parts = [p.amount * rake // total for p in pots]
            rest = rake - sum(parts)
            fractions = sorted(range(len(pots)), key=lambda k: (-(pots[k].amount * rake % total), k))
            for k in fractions[:rest]:
                parts[k] += 1
            for p, part in zip(pots, parts):
                p.rake = part
        boards = [self.board]
        common = len(self.board)
        if ran_twice:
            # the first run uses the fixed board, the second its own fixed cards, then the deck
            first = list(self.board)
            while len(first) < 5:
                k = len(first)
                first.append(self.board_fixed[k] if k < len(self.board_fixed) else self.deck.pop())
            second = list(self.board)
            extra = list(self.board2_fixed)
            while len(second) < 5:
                second.append(extra.pop(0) if extra else self.deck.pop())
            boards = [first, second]
            self.last_street = 3
        collected = {n: 0 for n in self.dealt}
        ranks: dict = {}
        showdown: list = []
        uncontested = None
        if len(live) == 1:
            uncontested = live[0]
            collected[uncontested] = sum(p.net for p in pots)
            for p in pots:
                p.shares = [[(uncontested, p.net)]]
        else:
            for b, board in enumerate(boards):
                for n in live:
                    ranks[(n, b)] = best_hand(self.hole[n], board, conf.omaha)
            for p in pots:
                p.shares = []
                amounts = [p.net] if len(boards) == 1 else [p.net - p.net // 2, p.net // 2]
                for b, amount in enumerate(amounts):
                    best = max(ranks[(n, b)] for n in p.eligible)
                    winners = self.split_order([n for n in p.eligible if ranks[(n, b)] == best])
                    share, odd = divmod(amount, len(winners))
                    split = [(w, share + (1 if k < odd else 0)) for k, w in enumerate(winners)]
                    p.shares.append(split)
                    for w, a in split:
                        collected[w] += a
            showdown = self.show_order(live, ranks, closed_before is not None or len(boards) > 1)
        assert sum(collected.values()) + rake == total, "chips went missing"
        for p in self.dealt_players:
            p.stack = self.left[p.name] + collected[p.name]

        hero_in = HERO in self.dealt
        hero_result = collected.get(HERO, 0) - self.contrib.get(HERO, 0)
        # all in before the river: the hero's own stack went in on an earlier street, or
        # the betting closed (everyone else all in) with the river still to come
        hero_allin = HERO in self.allin and self.allin_street.get(HERO, 3) < 3
        allin_sd = int(hero_in and HERO in live and len(live) >= 2
                       and (closed_before is not None or hero_allin))
        record = HandRecord(
            conf=conf, hand_id=self.hand_id, when=self.when, button=self.button,
            seats=self.seat_rows,
            dealt=list(self.dealt), seat_of=dict(self.seat_of), positions=positions,
            hole=self.hole, events=self.events, boards=boards, common=common, pots=pots,
            rake=rake, total=total, contrib=dict(self.contrib), collected=collected,
            uncalled=dict(self.uncalled), folded_at=dict(self.folded_at),
            voluntary=set(self.voluntary), showdown=showdown, uncontested=uncontested,
            ranks=ranks, hero_result=hero_result, hero_in=hero_in, allin_showdown=allin_sd,
            note="", after=[], last_street=self.last_street)
        record.note = hero_note(record, self.spec, self.events)
        return record

    def show_order(self, live, ranks, everyone_shows: bool) -> list:
        """Who shows and who mucks, in the order the room asks them.

        The last aggressor shows first, else the first player left of the button; with
        a player all in every hand is turned up, otherwise a beaten hand is mucked."""
        order = self.order_after(self.button)
        first = self.last_aggressor if self.last_aggressor in live else None
        start = order.index(first) if first else 0
        seq = [n for n in order[start:] + order[:start] if n in live]
        result = []
        best = None
        for n in seq:
            r = ranks[(n, 0)]
            if everyone_shows or n in self.allin or best is None or r >= best:
                result.append((n, True))
                best = r if best is None or r > best else best
            else:
                result.append((n, False))
        return result


def chen_strength(hole: list[str]) -> float:
    """Rough preflop value of two cards on a 0..1 scale (after Bill Chen's count)."""
    a, b = sorted(hole, key=card_rank, reverse=True)
    ra, rb = card_rank(a), card_rank(b)
    value = {12: 10, 11: 8, 10: 7, 9: 6}.get(ra, (ra + 2) / 2)
    if ra == rb:
        score = max(5, value * 2)
    else:
        score = value
        if a[1] == b[1]:
            score += 2
        gap = ra - rb - 1
        score -= [0, 1, 2, 4][gap] if gap < 4 else 5
        if gap <= 1 and ra < 10:
            score += 1
    return max(0.0, min(1.0, score / 20))


def omaha_preflop(hole: list[str]) -> float:
    ranks = sorted((card_rank(c) for c in hole), reverse=True)
    score = 0.22 + 0.05 * sum(1 for r in ranks if r >= 8)
    pairs = [r for r, k in Counter(ranks).items() if k == 2]
    if any(r >= 9 for r in pairs):
        score += 0.15
    elif pairs:
        score += 0.05
    suits = Counter(c[1] for c in hole)
    score += 0.05 * min(2, sum(1 for v in suits.values() if v == 2))
    if any(c[0] == "A" and suits[c[1]] >= 2 for c in hole):
        score += 0.06
    unique = sorted(set(ranks))
    if len(unique) == 4 and unique[-1] - unique[0] <= 4:
        score += 0.12
    return min(1.0, score)


def hero_note(rec: HandRecord, spec: HandSpec, events) -> str:
    """A short human description of the hero's hand, no commas (the CSV stays plain)."""
    parts = []
    if not rec.hero_in:
        seated = any(name == HERO for _, name, _, _ in rec.seats)
        parts.append("hero sitting out" if seated else "hero not seated")
    else:
        posts = []
        for e in events:
            if e[0] == "ante" and e[1] == HERO:
                posts.append("ante")
            if e[0] == "post" and e[1] == HERO:
                posts.append({"sb": "sb", "bb": "bb", "newbb": "new player bb",
                              "sbbb": "small & big blinds", "dead": "bb + dead"}[e[2]])
        what = "+".join(posts)
        if HERO in rec.folded_at:
            street = rec.folded_at[HERO]
            fold = "fold" if street == 0 else f"fold on {STREET_NAMES[street - 1].lower()}"
            parts.append(f"{what} {fold}".strip())
        else:
            if what:
                parts.append(what)
            if rec.uncontested == HERO:
                parts.append("won uncontested")
            else:
                won = rec.collected[HERO]
                tied = any(len(split) > 1 and HERO in [w for w, _ in split]
                           for p in rec.pots for split in p.shares)
                parts.append("showdown won" if won > rec.contrib[HERO] else
                             ("showdown lost" if won == 0 else "showdown part"))
                if tied:
                    parts.append("split pot")
                if len(rec.pots) > 1:
                    parts.append("side pots" if len(rec.pots) > 2 else "side pot")
                if len(rec.boards) > 1:
                    parts.append("run twice")
        if HERO in rec.uncalled:
            parts.append("uncalled bet returned")
        if rec.allin_showdown:
            parts.append("all-in")
    if spec.note:
        parts.append(spec.note)
    text = "; ".join(p for p in parts if p)
    assert "," not in text and '"' not in text
    return text


# --------------------------------------------------------------------------- PokerStars text

def stars_pot_labels(count: int) -> list[str]:
    if count == 1:
        return ["pot"]
    if count == 2:
        return ["main pot", "side pot"]
    return ["main pot"] + [f"side pot-{k}" for k in range(1, count)]


def render_stars(rec: HandRecord) -> list[str]:
    c = rec.conf
    m = c.money
    lines = []
    if c.tournament:
        lines.append(f"PokerStars Hand #{rec.hand_id}: {c.tournament} - {stars_time(rec.when)}")
    else:
        game = "Omaha Pot Limit" if c.omaha else "Hold'em No Limit"
        if c.zoom:
            head = f"PokerStars Zoom Hand #{rec.hand_id}:  {game} ({m(c.sb)}/{m(c.bb)})"
        else:
            head = f"PokerStars Hand #{rec.hand_id}:  {game} ({m(c.sb)}/{m(c.bb)} {c.word})"
        lines.append(f"{head} - {stars_time(rec.when)}")
    lines.append(f"Table '{c.name}' {c.max_seats}-max Seat #{rec.button} is the button")
    for seat, name, stack, status in rec.seats:
        if status == "wait":
            continue
        text = f"Seat {seat}: {name} ({m(stack)} in chips)"
        lines.append(text + (" is sitting out" if status == "out" else " "))
    for e in rec.events:
        kind = e[0]
        if kind == "post":
            _, n, what, amount = e
            words = {"sb": "small blind", "bb": "big blind", "newbb": "big blind",
                     "sbbb": "small & big blinds"}[what]
            lines.append(f"{n}: posts {words} {m(amount)}")
        elif kind == "ante":
            lines.append(f"{e[1]}: posts the ante {m(e[2])}")
        elif kind == "wait":
            lines.append(f"{e[1]} will be allowed to play after the button")
        elif kind == "hole":
            lines.append("*** HOLE CARDS ***")
            if HERO in rec.dealt:
                lines.append(f"Dealt to {HERO} [{' '.join(rec.hole[HERO])}]")
        elif kind == "act":
            _, n, what, add, to, before, allin = e
            tail = " and is all-in" if allin else ""
            if what == "fold":
                lines.append(f"{n}: folds ")
            elif what == "check":
                lines.append(f"{n}: checks ")
            elif what == "call":
                lines.append(f"{n}: calls {m(add)}{tail}")
            elif what == "bet":
                lines.append(f"{n}: bets {m(add)}{tail}")
            else:
                lines.append(f"{n}: raises {m(to - before)} to {m(to)}{tail}")
        elif kind == "street":
            _, s, before, new = e
            if s == 1:
                lines.append(f"*** FLOP *** [{' '.join(new)}]")
            else:
                lines.append(f"*** {STREET_NAMES[s - 1]} *** [{' '.join(before)}] [{' '.join(new)}]")
        elif kind == "uncalled":
            lines.append(f"Uncalled bet ({m(e[2])}) returned to {e[1]}")
        elif kind == "timeout":
            lines.append(f"{e[1]} has timed out")
        elif kind == "sitting out":
            lines.append(f"{e[1]} is sitting out")
        elif kind == "chat":
            lines.append(f'{e[1]} said, "{e[2]}"')
        elif kind == "join":
            lines.append(f"{e[1]} joins the table at seat #{e[2]} ")
        elif kind == "leave":
            lines.append(f"{e[1]} leaves the table")
        else:
            raise ValueError(kind)

    twice = len(rec.boards) > 1
    labels = stars_pot_labels(len(rec.pots))
    if twice:
        for r, word in enumerate(["FIRST", "SECOND"]):
            b = rec.boards[r]
            if rec.common < 3:
                lines.append(f"*** {word} FLOP *** [{' '.join(b[:3])}]")
            if rec.common < 4:
                lines.append(f"*** {word} TURN *** [{' '.join(b[:3])}] [{b[3]}]")
            lines.append(f"*** {word} RIVER *** [{' '.join(b[:4])}] [{b[4]}]")
    if rec.uncontested:
        w = rec.uncontested
        lines.append(f"{w} collected {m(rec.collected[w])} from pot")
        lines.append(f"{w}: doesn't show hand ")
    else:
        for r in range(len(rec.boards)):
            if twice:
                lines.append(f"*** {['FIRST', 'SECOND'][r]} SHOW DOWN ***")
            else:
                lines.append("*** SHOW DOWN ***")
            for n, shows in rec.showdown:
                if shows:
                    desc = describe(rec.ranks[(n, r)], party=False)
                    lines.append(f"{n}: shows [{' '.join(rec.hole[n])}] ({desc})")
                else:
                    lines.append(f"{n}: mucks hand ")
            for k in range(len(rec.pots) - 1, -1, -1):
                label = labels[k]
                for w, a in rec.pots[k].shares[r]:
                    pad = " " if label.startswith("side pot-") else ""
                    lines.append(f"{w} collected {m(a)} from {label}{pad}")

    for n in rec.after:
        lines.append(f"{n} leaves the table")
    lines.append("*** SUMMARY ***")
    if len(rec.pots) == 1:
        lines.append(f"Total pot {m(rec.total)} | Rake {m(rec.rake)} ")
    else:
        parts = [f"Main pot {m(rec.pots[0].net)}."]
        for k, p in enumerate(rec.pots[1:], start=1):
            parts.append(f"{labels[k].capitalize()} {m(p.net)}.")
        lines.append(f"Total pot {m(rec.total)} {' '.join(parts)} | Rake {m(rec.rake)} ")
    if twice:
        lines.append("Hand was run twice")
        lines.append(f"FIRST Board [{' '.join(rec.boards[0])}]")
        lines.append(f"SECOND Board [{' '.join(rec.boards[1])}]")
    elif rec.boards[0]:
        lines.append(f"Board [{' '.join(rec.boards[0])}]")
    shown = dict(rec.showdown)
    for n in rec.dealt:
        pos = "".join(f" ({x})" for x in rec.positions[n])
        head = f"Seat {rec.seat_of[n]}: {n}{pos}"
        cards = " ".join(rec.hole[n])
        if n in rec.folded_at:
            s = rec.folded_at[n]
            bet = "" if s > 0 or n in rec.voluntary else " (didn't bet)"
            lines.append(f"{head} folded {FOLD_WHERE[s]}{bet}")
        elif rec.uncontested == n:
            lines.append(f"{head} collected ({m(rec.collected[n])})")
        elif twice:
            runs = []
            for r in range(2):
                won = sum(a for p in rec.pots for w, a in p.shares[r] if w == n)
                desc = describe(rec.ranks[(n, r)], party=False)
                runs.append(f"won ({m(won)}) with {desc}" if won else f"lost with {desc}")
            lines.append(f"{head} showed [{cards}] and {', and '.join(runs)}")
        elif shown.get(n):
            desc = describe(rec.ranks[(n, 0)], party=False)
            won = rec.collected[n]
            if won:
                lines.append(f"{head} showed [{cards}] and won ({m(won)}) with {desc}")
            else:
                lines.append(f"{head} showed [{cards}] and lost with {desc}")
        else:
            lines.append(f"{head} mucked [{cards}]")
    return lines


# --------------------------------------------------------------------------- PartyPoker text

def render_party(rec: HandRecord) -> list[str]:
    c = rec.conf

    def amount(cents: int) -> str:
        return f"[{cents}]" if c.tournament else f"[${party_amount(cents)} USD]"

    def won(cents: int) -> str:
        return str(cents) if c.tournament else f"${party_amount(cents)} USD"

    lines = [f"Game #{rec.hand_id} starts.", "", f"#Game No : {rec.hand_id}",
             f"***** Hand History for Game {rec.hand_id} *****"]
    if c.tournament:
        lines.append(f"{c.tournament} - {party_time(rec.when)}")
    elif c.omaha:
        lines.append(f"${c.buyin} USD PL Omaha - {party_time(rec.when)}")
    else:
        lines.append(f"${party_amount(c.sb)}/${party_amount(c.bb)} USD NL Texas Hold'em - "
                     f"{party_time(rec.when)}")
    lines.append(f"Table {c.name} (Real Money)")
    lines.append(f"Seat {rec.button} is the button")
    listed = [s for s in rec.seats if s[3] != "wait"]
    lines.append(f"Total number of players : {len(listed)}/{c.max_seats}")
    for seat, name, stack, _ in sorted(listed, key=lambda s: s[1]):
        if c.tournament:
            lines.append(f"Seat {seat}: {name} ( {stack} )")
        else:
            lines.append(f"Seat {seat}: {name} ( ${party_amount(stack)} USD )")
    for e in rec.events:
        kind = e[0]
        if kind == "post":
            _, n, what, a = e
            if what == "sb":
                lines.append(f"{n} posts small blind {amount(a)}.")
            elif what in ("bb", "newbb"):
                lines.append(f"{n} posts big blind {amount(a)}.")
            elif what == "dead":
                lines.append(f"{n} posts big blind + dead [${party_amount(a)}].")
            else:
                raise ValueError(f"PartyPoker has no {what} post")
        elif kind == "ante":
            raise ValueError("no antes at these PartyPoker tables")
        elif kind == "hole":
            lines.append("** Dealing down cards **")
            if HERO in rec.dealt:
                lines.append(f"Dealt to {HERO} [  {' '.join(rec.hole[HERO])} ]")
        elif kind == "act":
            _, n, what, add, to, before, allin = e
            if what in ("fold", "check"):
                lines.append(f"{n} {what}s")
            elif allin:
                lines.append(f"{n} is all-In  {amount(add)}")
            else:
                lines.append(f"{n} {what}s {amount(add)}")
        elif kind == "street":
            _, s, before, new = e
            word = ["Flop", "Turn", "River"][s - 1]
            lines.append(f"** Dealing {word} ** [ {', '.join(new)} ]")
        elif kind == "timeout":
            lines.append(f"{e[1]} did not respond in time")
        elif kind == "chat":
            lines.append(f"{e[1]}: {e[2]}")
        elif kind == "join":
            lines.append(f"{e[1]} has joined the table.")
        elif kind == "leave":
            lines.append(f"{e[1]} has left the table.")
        elif kind in ("uncalled", "sitting out", "wait"):
            pass  # the room folds uncalled bets into the amount won
        else:
            raise ValueError(kind)
    assert len(rec.boards) == 1, "PartyPoker does not run boards twice"
    if rec.uncontested:
        w = rec.uncontested
        lines.append(f"{w} does not show cards.")
        lines.append(f"{w} wins {won(rec.collected[w] + rec.uncalled.get(w, 0))}")
    else:
        for n, shows in rec.showdown:
            desc = describe(rec.ranks[(n, 0)], party=True)
            verb = "shows" if shows else "doesn't show"
            lines.append(f"{n} {verb} [ {', '.join(rec.hole[n])} ]{desc}.")
        # an uncalled bet at a showdown is paid back as a pot of its own
        pays = []
        for k, p in enumerate(rec.pots):
            label = "the main pot" if k == 0 else f"the side pot {k}"
            pays.append([(label, w, a) for w, a in p.shares[0]])
        for w, a in rec.uncalled.items():
            pays.append([(f"the side pot {len(pays)}", w, a)])
        for group in reversed(pays):
            for label, w, a in group:
                desc = describe(rec.ranks[(w, 0)], party=True)
                lines.append(f"{w} wins {won(a)} from {label} with {desc}.")
    for n in rec.after:
        lines.append(f"{n} has left the table.")
    return lines


# --------------------------------------------------------------------------- read-back check

def cents_of(text: str) -> int:
    text = text.replace(",", "")
    if "." in text:
        whole, frac = text.split(".")
        return int(whole or 0) * 100 + int(frac.ljust(2, "0"))
    return int(text) * 100


STARS_LINE = [
    ("sb", re.compile(r"^(.+): posts small blind \D?([\d.]+)$")),
    ("bb", re.compile(r"^(.+): posts big blind \D?([\d.]+)$")),
    ("sbbb", re.compile(r"^(.+): posts small & big blinds \D?([\d.]+)$")),
    ("ante", re.compile(r"^(.+): posts the ante \D?([\d.]+)$")),
    ("add", re.compile(r"^(.+): (?:calls|bets) \D?([\d.]+)(?: and is all-in)?$")),
    ("raise", re.compile(r"^(.+): raises \D?[\d.]+ to \D?([\d.]+)(?: and is all-in)?$")),
    ("uncalled", re.compile(r"^Uncalled bet \(\D?([\d.]+)\) returned to (.+)$")),
    ("collect", re.compile(r"^(.+) collected \D?([\d.]+) from (?:pot|main pot|side pot|side pot-\d+) ?$")),
    ("total", re.compile(r"^Total pot \D?([\d.]+) .*\| Rake \D?([\d.]+) $")),
]


def stars_ledger(lines: list[str], bb: int) -> tuple[dict, int, int]:
    """Each player's net from the text alone, plus the total pot and rake it states."""
    street: dict = Counter()
    put: dict = Counter()
    won: dict = Counter()
    total = rake = None
    for line in lines:
        if line.startswith("*** ") and not line.startswith("*** HOLE"):
            put.update(street)
            street = Counter()
            continue
        for kind, rx in STARS_LINE:
            mt = rx.match(line)
            if not mt:
                continue
            if kind in ("sb", "bb"):
                street[mt[1]] = cents_of(mt[2])
            elif kind == "sbbb":
                street[mt[1]] = bb
                put[mt[1]] += cents_of(mt[2]) - bb
            elif kind == "ante":
                put[mt[1]] += cents_of(mt[2])
            elif kind == "add":
                street[mt[1]] += cents_of(mt[2])
            elif kind == "raise":
                street[mt[1]] = cents_of(mt[2])
            elif kind == "uncalled":
                street[mt[2]] -= cents_of(mt[1])
            elif kind == "collect":
                won[mt[1]] += cents_of(mt[2])
            elif kind == "total":
                total, rake = cents_of(mt[1]), cents_of(mt[2])
            break
    put.update(street)
    names = set(put) | set(won)
    return {n: won[n] - put[n] for n in names}, sum(put.values()), (total, rake)


PARTY_LINE = [
    ("put", re.compile(r"^(.+) posts (?:small|big) blind \[\$([\d.,]+) USD\]\.$")),
    ("put", re.compile(r"^(.+) posts big blind \+ dead \[\$([\d.,]+)\]\.$")),
    ("put", re.compile(r"^(.+) (?:calls|bets|raises) \[\$([\d.,]+) USD\]$")),
    ("put", re.compile(r"^(.+) is all-In  \[\$([\d.,]+) USD\]$")),
    ("won", re.compile(r"^(.+) wins \$([\d.,]+) USD")),
]


def party_ledger(lines: list[str]) -> tuple[dict, int]:
    put: dict = Counter()
    won: dict = Counter()
    for line in lines:
        for kind, rx in PARTY_LINE:
            mt = rx.match(line)
            if mt:
                (put if kind == "put" else won)[mt[1]] += cents_of(mt[2])
                break
    names = set(put) | set(won)
    return {n: won[n] - put[n] for n in names}, sum(put.values()) - sum(won.values())


def check_record(rec: HandRecord, lines: list[str]):
    """The written text must account for every cent exactly as the dealer did."""
    if rec.conf.tournament:
        return
    truth = {n: rec.collected[n] - rec.contrib[n] for n in rec.dealt}
    if rec.conf.room == "stars":
        nets, put_total, (total, rake) = stars_ledger(lines, rec.conf.bb)
        assert total == rec.total and rake == rec.rake, (rec.hand_id, total, rake)
        assert put_total == rec.total, (rec.hand_id, put_total, rec.total)
    else:
        nets, rake = party_ledger(lines)
        assert rake == rec.rake, (rec.hand_id, rake, rec.rake)
    for n in rec.dealt:
        assert nets.get(n, 0) == truth[n], (rec.hand_id, n, nets.get(n, 0), truth[n])
    assert set(nets) <= set(rec.dealt), (rec.hand_id, set(nets) - set(rec.dealt))
    assert truth.get(HERO, 0) == rec.hero_result


# --------------------------------------------------------------------------- sessions

class HandIds:
    """Hand numbers that grow with time, unique across every table of a room."""

    def __init__(self, base: int, per_second: int, seed: int):
        self.base, self.per_second = base, per_second
        self.rng = random.Random(seed)
        self.used: set = set()

    def next(self, when: datetime) -> int:
        seconds = int((when - datetime(2024, 3, 1)).total_seconds())
        value = self.base + seconds * self.per_second + self.rng.randrange(self.per_second)
        while value in self.used:
            value += 1
        self.used.add(value)
        return value


STARS_IDS = HandIds(249_180_000_000, 40, SEED)
PARTY_IDS = HandIds(251_300_000, 3, SEED + 1)

CHAT = ["gl", "nh", "ty", "lol", "wp", "omg", "ship it", "gg", "sick", "u2", "nice hand",
        "lucky", "any1 here?", "brb", "1 outer", "ofc", "how?", "thx"]


@dataclass
class SessionPlan:
    conf: TableConf
    start: datetime                # UTC
    players: list                  # Player objects, the hero among them
    hands: int
    specs: dict = field(default_factory=dict)
    gap: tuple = (45, 140)         # seconds between hands
    bench: list = field(default_factory=list)  # (name, style) who may sit down later
    churn: float = 0.03
    hero_topup: int | None = 100   # big blinds the hero reloads to when below 40 bb
    button: int | None = None
    ids: HandIds | None = None


def session_rng(label: str) -> random.Random:
    return random.Random(SEED * 7919 + zlib.crc32(label.encode()))


def run_session(plan: SessionPlan, label: str) -> list[HandRecord]:
    conf = plan.conf
    rng = session_rng(label)
    ids = plan.ids or (STARS_IDS if conf.room == "stars" else PARTY_IDS)
    players = {p.seat: p for p in plan.players}
    bench = list(plan.bench)
    when = plan.start
    button = plan.button or min(players)
    out_until: dict = {}        # name -> hand index from which the player plays again
    leaving: dict = {}          # name -> hand index after which he leaves
    records = []
    pending_join = []           # players who sat down during the previous hand
    # players a scenario counts on stay seated (they reload instead of leaving)
    protected = {HERO, "Heroine"}
    for spec in plan.specs.values():
        protected |= set(spec.acts) | set(spec.cards) | set(spec.stacks) | set(spec.post)
        protected |= set(spec.leave) | set(spec.sitout) | {spec.timeout}
    for k in range(plan.hands):
        spec = plan.specs.get(k, HandSpec())
        when += timedelta(seconds=rng.randint(*plan.gap) + spec.gap)
        for j in pending_join:
            players[j.seat] = j
        pending_join = []
        for p in players.values():
            p.sitting_out = p.name in spec.sitout or out_until.get(p.name, -1) > k
        for name, cents in spec.stacks.items():
            # a player may add chips between hands but never take them off the table,
            # so a scenario stack is a minimum unless a fixture forces it
            p = next((p for p in players.values() if p.name == name), None)
            assert p, f"{label} hand {k}: {name} is not at the table"
            if cents > p.stack or spec.force_stacks:
                p.stack = cents
        if spec.button is not None:
            button = spec.button
        elif k > 0:
            button = next_button(players, button)
        joins = []
        for j in spec.join:
            assert j[1] not in players, f"{label} hand {k}: seat {j[1]} is taken"
            joins.append(j)
        # random comings and goings keep the table alive
        empty = [s for s in range(1, conf.max_seats + 1) if s not in players]
        if not spec.join and empty and bench and rng.random() < 0.25:
            name, style = bench.pop(0)
            seat = rng.choice(empty)
            joins.append((name, seat, conf.bb * rng.choice([40, 60, 80, 100, 100, 100]), style))
        spec_join = [(n, s) for n, s, _, _ in joins]
        run_spec = HandSpec(**{**spec.__dict__, "join": spec_join})
        hand = Hand(conf, list(players.values()), button, run_spec, rng, ids.next(when), when)
        rec = hand.play()
        for name, seat, stack, style in joins:
            newcomer = Player(seat, name, stack, style)
            # some wait for the button to pass, others post a big blind at once
            if conf.room == "stars" and rng.random() < 0.5:
                newcomer.waiting = 1
            else:
                plan.specs.setdefault(k + 1, HandSpec()).post.setdefault(name, "newbb")
            pending_join.append(newcomer)
        for p in players.values():
            if p.waiting and p.name not in [j[0] for j in joins]:
                p.waiting -= 1
        # departures: scenario, timeouts, busted stacks, random churn
        going = set(spec.leave)
        if spec.timeout:
            out_until[spec.timeout] = k + 3
            leaving[spec.timeout] = k + 2
        going |= {n for n, last in leaving.items() if last == k}
        for p in players.values():
            if p.stack == 0 and p.name not in protected:
                going.add(p.name)
        folded = [n for n in rec.folded_at if n not in protected]
        if rng.random() < plan.churn and folded and not spec.join:
            going.add(rng.choice(folded))
        for name in sorted(going):
            if name not in [p.name for p in players.values()]:
                continue
            rec.after.append(name)
            seat = next(s for s, p in players.items() if p.name == name)
            del players[seat]
        # reloads between hands
        for p in players.values():
            min_stack = conf.bb * 40
            if p.name == HERO:
                if p.stack == 0 or (plan.hero_topup and p.stack < min_stack):
                    p.stack = conf.bb * (plan.hero_topup or 100)
            elif p.stack == 0 or (p.stack < conf.bb * 25 and p.name not in protected
                                  and rng.random() < 0.6):
                p.stack = conf.bb * 100
        records.append(rec)
    return records


def next_button(players: dict, button: int) -> int:
    seats = sorted(s for s, p in players.items()
                   if not p.sitting_out and p.waiting == 0 and p.stack > 0)
    later = [s for s in seats if s > button]
    return later[0] if later else seats[0]


def run_zoom(conf: TableConf, start: datetime, pool: list, hero_stack: int, hands: int,
             specs: dict, label: str) -> list[HandRecord]:
    """Fast-fold: a fresh table every hand, the button on seat 1, the hero anywhere."""
    rng = session_rng(label)
    stacks = {name: conf.bb * rng.choice([60, 80, 100, 100, 100, 120]) for name, _ in pool}
    stacks[HERO] = hero_stack
    styles = dict(pool)
    styles[HERO] = "hero"
    when = start
    records = []
    for k in range(hands):
        spec = specs.get(k, HandSpec())
        when += timedelta(seconds=rng.randint(14, 48) + spec.gap)
        others = rng.sample([n for n, _ in pool], conf.max_seats - 1)
        wanted = list(dict.fromkeys(n for n in list(spec.cards) + list(spec.acts) if n != HERO))
        spare = [o for o in others if o not in wanted]
        others = wanted + spare[:len(others) - len(wanted)]
        names = others + [HERO]
        rng.shuffle(names)
        for name, cents in spec.stacks.items():
            stacks[name] = cents
        players = [Player(i + 1, n, stacks[n], styles[n]) for i, n in enumerate(names)]
        hand = Hand(conf, players, 1, spec, rng, STARS_IDS.next(when), when)
        rec = hand.play()
        for p in players:
            stacks[p.name] = p.stack if p.stack >= conf.bb * 30 else conf.bb * 100
        records.append(rec)
    return records


# --------------------------------------------------------------------------- files

WRITTEN: list = []   # (path, hands, hero total) for the summary


def write_history(path: Path, records: list[HandRecord], extra_rows: dict | None = None,
                  csv: bool = True):
    """Writes the hands in the room's format and, beside them, the expected results.

    extra_rows maps a hand id to (result, allin, note) for hands that are not cash
    hands (tournament hands), whose figures are fixed by the scenario."""
    path.parent.mkdir(parents=True, exist_ok=True)
    room = records[0].conf.room
    texts = []
    for rec in records:
        lines = render_stars(rec) if rec.conf.room == "stars" else render_party(rec)
        check_record(rec, lines)
        texts.append(lines)
    if room == "stars":
        body = "\r\n\r\n\r\n".join("\r\n".join(t) for t in texts) + "\r\n\r\n\r\n"
        path.write_bytes(b"\xef\xbb\xbf" + body.encode("utf-8"))
    else:
        body = "\r\n".join("\r\n".join(t) for t in texts) + "\r\n"
        path.write_bytes(body.encode("utf-8"))
    if not csv:
        return
    rows = ["hand,result_cents,allin_showdown,note"]
    total = 0
    for rec in records:
        if extra_rows and rec.hand_id in extra_rows:
            result, allin, note = extra_rows[rec.hand_id]
        else:
            result, allin, note = rec.hero_result, rec.allin_showdown, rec.note
        total += result
        rows.append(f"{rec.hand_id},{result},{allin},{note}")
    csv_path = path.with_name(path.name + ".expected.csv")
    csv_path.write_text("\n".join(rows) + "\n", encoding="utf-8")
    WRITTEN.append((path, len(records), total))


# --------------------------------------------------------------------------- scenario helpers

def P(seat: int, name: str, dollars: float, style: str = "tag") -> Player:
    return Player(seat, name, round(dollars * 100), style)


def utc(*parts) -> datetime:
    return datetime(*parts)


def F(**kw) -> HandSpec:
    """A focused hand: the named players follow their scripts, everyone else checks or folds."""
    return HandSpec(others="f", **kw)


def stars_conf(name: str, seats: int = 6, **kw) -> TableConf:
    return TableConf("stars", name, seats, 5, 10, rake_cap=50 if seats == 2 else 100, **kw)


def party_nl(name: str) -> TableConf:
    return TableConf("party", name, 9, 10, 25, rake_cap=150)


def party_plo(name: str) -> TableConf:
    return TableConf("party", name, 6, 10, 25, omaha=True, buyin=25, rake_cap=150)


def stars_file_name(records: list[HandRecord], table: str) -> str:
    conf = records[0].conf
    cet, _ = central_european(records[0].when)
    stakes = f"{conf.sym}{plain_amount(conf.sb)}-{conf.sym}{plain_amount(conf.bb)}"
    if conf.ante:
        stakes += f" Ante {conf.sym}{plain_amount(conf.ante)}"
    game = "Pot Limit Omaha" if conf.omaha else "No Limit Hold'em"
    return f"HH{cet:%Y%m%d} {table} - {stakes} - {conf.word} {game}.txt"


def party_file_name(records: list[HandRecord], table: str) -> str:
    et, _ = eastern(records[0].when)
    return f"PartyPoker {table} {et:%Y%m%d}.txt"


def mark_eastern_dates(records: list[HandRecord]):
    """For sessions that cross midnight: say on which Eastern date each hand was played."""
    for rec in records:
        et, _ = eastern(rec.when)
        rec.note = "; ".join(x for x in (rec.note, f"{et:%Y-%m-%d} ET") if x)


STARS_BENCH = [("AcesUp4U", "loose"), ("el. gato", "tag"), ("Zx9 Omega", "maniac"),
               ("petit prince", "nit"), ("grind3r.pro", "tag"), ("Old Man River", "loose"),
               ("Queen of Diamonds", "tag"), ("turbo_tom", "maniac")]
PARTY_BENCH = [("cbet.machine", "maniac"), ("ruby tuesday", "loose"), ("Captain Check", "nit"),
               ("flopzilla", "tag"), ("donkeykong 3", "loose"), ("tilt_o_whirl", "maniac"),
               ("steel.wool", "tag"), ("Ms. Aces", "tag")]


# --------------------------------------------------------------------------- bundled examples

def examples_pokerstars(out: Path):
    # A long 6-max evening: the hero sits down posting a big blind, sits out and comes back
    # with small and big blinds, runs it twice, and gets all in three ways with a short stack.
    plan = SessionPlan(
        stars_conf("Halley"), utc(2024, 3, 5, 17, 12, 31),
        [P(1, "glaine 59", 8.40, "loose"), P(2, "Heroine", 12.35, "heroine"),
         P(3, "dr. spaz", 10, "tag"), P(4, HERO, 10, "hero"), P(5, "I.C.U-2-Win", 6.15, "maniac"),
         P(6, "Mr. Pink", 10.90, "nit")], 64,
        specs={
            0: HandSpec(post={HERO: "newbb"}, note="first hand at the table"),
            5: HandSpec(chat=[("glaine 59", "gl all")]),
            9: F(acts={HERO: ["r30"]}),
            14: F(acts={HERO: ["a"], "Heroine": ["a"]}, cards={HERO: "Ah Kh", "Heroine": "Qs Qd"},
                  stacks={HERO: 1000, "Heroine": 1500}, run_twice=True),
            20: HandSpec(sitout=(HERO,)),
            21: HandSpec(sitout=(HERO,)),
            22: HandSpec(post={HERO: "sbbb"}, note="back from sitting out"),
            27: HandSpec(leave=("Mr. Pink",)),
            28: HandSpec(join=[("K.O. Kid 3", 6, 250, "loose")]),
            31: F(acts={"K.O. Kid 3": ["a"], HERO: ["a"], "Heroine": ["c", "c", "k", "k", "k"]},
                  cards={"K.O. Kid 3": "7c 7d", HERO: "Ac Qc", "Heroine": "Kh Jh"},
                  stacks={HERO: 1000, "Heroine": 1400}, note="short stack all in"),
            38: HandSpec(chat=[("Heroine", "nh"), ("I.C.U-2-Win", "ty")]),
            45: HandSpec(timeout="dr. spaz"),
            55: F(acts={HERO: ["a"], "glaine 59": ["a"]}, cards={HERO: "Jd Js", "glaine 59": "As 5s"},
                  stacks={HERO: 1000, "glaine 59": 1000}, run_twice=True),
        },
        bench=list(STARS_BENCH))
    recs = run_session(plan, "ex halley")
    write_history(out / stars_file_name(recs, "Halley"), recs)

    plan = SessionPlan(
        stars_conf("Vega II", ante=2), utc(2024, 3, 5, 17, 41, 3),
        [P(1, HERO, 10, "hero"), P(2, "nutz4brains", 9.10, "loose"), P(3, "Heroine", 14.20, "heroine"),
         P(4, "Borodin 1887", 10, "nit"), P(5, "Sunny D", 7.75, "tag"), P(6, "x.Y.z 42", 11.02, "maniac")],
        32, specs={6: F(acts={HERO: ["r30"]}), 17: HandSpec(chat=[("x.Y.z 42", "lol")])},
        bench=list(STARS_BENCH[2:]))
    recs = run_session(plan, "ex vega")
    write_history(out / stars_file_name(recs, "Vega II"), recs)

    day2 = out / "2024-03-06"
    # The hero buys in short here and gets it in as the shortest stack three ways.
    plan = SessionPlan(
        stars_conf("Ankaa"), utc(2024, 3, 6, 18, 5, 40),
        [P(1, "Borodin 1887", 9, "nit"), P(2, HERO, 4, "hero"), P(3, "Heroine", 12, "heroine"),
         P(4, "Vlad.the.Caller", 10, "loose"), P(5, "AcesUp4U", 7.30, "loose"),
         P(6, "T.J. Hooker 9", 10, "tag")], 50,
        specs={
            3: F(acts={HERO: ["a"], "Heroine": ["c", "a"],
                       "Borodin 1887": ["c", "c", "k", "k", "k", "k"]},
                 cards={HERO: "Ad Kd", "Heroine": "9c 9h", "Borodin 1887": "Qs Jc"},
                 note="hero shortest"),
            25: F(acts={"Vlad.the.Caller": ["r35", "a", "a"], HERO: ["c", "c", "c", "c"]},
                  cards={HERO: "Kc Ks", "Vlad.the.Caller": "Ah Th"}, board="Kd 8h 4h"),
            36: HandSpec(leave=("T.J. Hooker 9",)),
            37: HandSpec(join=[("A.A. Milne 3", 6, 220, "loose")]),
            40: F(acts={"A.A. Milne 3": ["a"], HERO: ["a"], "Heroine": ["c", "c", "k", "k", "k"]},
                  cards={"A.A. Milne 3": "Ts 9s", HERO: "Ah Qd", "Heroine": "8c 8d"},
                  stacks={"Heroine": 4000}, note="hero in the middle"),
        },
        bench=list(STARS_BENCH[4:]), hero_topup=None)
    recs = run_session(plan, "ex ankaa")
    write_history(day2 / stars_file_name(recs, "Ankaa"), recs)

    plan = SessionPlan(
        stars_conf("Pherkad", 9), utc(2024, 3, 6, 19, 2, 12),
        [P(1, "Old Man River", 10, "loose"), P(2, "grind3r.pro", 10.40, "tag"),
         P(3, HERO, 10, "hero"), P(4, "Queen of Diamonds", 8.15, "tag"), P(5, "Heroine", 10, "heroine"),
         P(6, "senor rio", 4.60, "loose"), P(7, "7deuce off", 10, "maniac"),
         P(8, "St. Nick 24", 12.90, "nit"), P(9, "Jonny B. Goode", 10, "tag")], 40,
        specs={12: F(acts={HERO: ["r40"]})}, bench=[("kappa.kappa", "tag")])
    recs = run_session(plan, "ex pherkad")
    write_history(day2 / stars_file_name(recs, "Pherkad"), recs)

    plan = SessionPlan(
        stars_conf("Ara", sym="€", word="EUR"), utc(2024, 3, 6, 20, 10, 9),
        [P(1, "petit prince", 10, "nit"), P(2, HERO, 10, "hero"), P(3, "kappa.kappa", 9.35, "tag"),
         P(4, "Heroine", 10, "heroine"), P(5, "el. gato", 6.80, "loose"), P(6, "Dr. No-Limit", 10, "tag")],
        20)
    recs = run_session(plan, "ex ara")
    write_history(day2 / stars_file_name(recs, "Ara"), recs)

    day3 = out / "2024-03-07"
    plan = SessionPlan(
        stars_conf("Pomona", omaha=True), utc(2024, 3, 7, 18, 1, 55),
        [P(1, "Borodin 1887", 10, "tag"), P(2, HERO, 10, "hero"), P(3, "Heroine", 10, "heroine"),
         P(4, "St. Nick 24", 7.20, "loose"), P(5, "senor rio", 10, "loose"), P(6, "MoonLight77", 12.50, "tag")],
        30, specs={
            12: F(acts={HERO: ["a", "a", "a", "a"], "Heroine": ["a", "a", "a", "a"]},
                  cards={HERO: "Ac As Kd Qh", "Heroine": "Jh Th 9c 8c"}, stacks={HERO: 1000},
                  note="pot-limit raises until all in"),
        })
    recs = run_session(plan, "ex pomona")
    write_history(day3 / stars_file_name(recs, "Pomona"), recs)

    plan = SessionPlan(
        stars_conf("Alrai", 2), utc(2024, 3, 7, 19, 12, 4),
        [P(1, HERO, 10, "hero"), P(2, "Heroine", 10, "heroine")], 25, gap=(20, 70),
        specs={8: F(acts={HERO: ["a"], "Heroine": ["c"]}, cards={HERO: "Tc Th", "Heroine": "Ad Jd"},
                    stacks={HERO: 1000, "Heroine": 1000}, note="heads-up table")})
    recs = run_session(plan, "ex alrai")
    write_history(day3 / stars_file_name(recs, "Alrai"), recs)

    pool = [("Heroine", "heroine"), ("Zx9 Omega", "maniac"), ("turbo_tom", "maniac"),
            ("fishy_mcfish", "loose"), ("raiseordie", "maniac"), ("MoonLight77", "tag"),
            ("lucky_lou 2", "loose"), ("Sunny D", "tag"), ("A.A. Milne 3", "loose"),
            ("Vlad.the.Caller", "loose"), ("grind3r.pro", "tag"), ("Queen of Diamonds", "nit"),
            ("I.C.U-2-Win", "maniac"), ("glaine 59", "loose")]
    recs = run_zoom(stars_conf("Aludra", zoom=True), utc(2024, 3, 7, 20, 3, 17), pool, 1000, 40,
                    {10: F(acts={HERO: ["a"], "Zx9 Omega": ["a"]},
                           cards={HERO: "Qc Qd", "Zx9 Omega": "Ac 4c"}, stacks={HERO: 1000})},
                    "ex zoom")
    write_history(out / "zoom" / stars_file_name(recs, "Aludra"), recs)


def examples_partypoker(out: Path):
    plan = SessionPlan(
        party_nl("Clifton"), utc(2024, 6, 12, 23, 5, 41),
        [P(1, "slowroll 88", 25, "loose"), P(2, "Heroine", 31.20, "heroine"), P(3, "wanda 1978", 22.75, "maniac"),
         P(4, HERO, 25, "hero"), P(5, "Mike D. 71", 18.45, "loose"), P(6, "J.J. Cale", 25, "tag"),
         P(7, "pokerpapa", 40.10, "nit"), P(9, "dr. spaz", 25, "tag")], 90,
        specs={
            0: HandSpec(post={HERO: "newbb"}, note="first hand at the table"),
            18: HandSpec(sitout=(HERO,)),
            19: HandSpec(sitout=(HERO,)),
            20: HandSpec(post={HERO: "dead"}, note="back from sitting out"),
            33: F(acts={"wanda 1978": ["a"], HERO: ["a"], "Heroine": ["c", "c", "k", "k", "k"]},
                  cards={"wanda 1978": "Ah 3h", HERO: "Jc Jd", "Heroine": "Ks Qs"},
                  stacks={"wanda 1978": 900}, force_stacks=True, note="short stack all in"),
            47: F(acts={HERO: ["r75"]}),
            61: F(acts={HERO: ["r75", "a"], "Heroine": ["c", "a"]}, cards={HERO: "As Kc", "Heroine": "Td Th"},
                  board="Kd 9s 2c", note="flop all in"),
            58: HandSpec(timeout="J.J. Cale"),
            74: HandSpec(chat=[("slowroll 88", "nice hand")]),
        },
        bench=list(PARTY_BENCH), gap=(50, 150))
    recs = run_session(plan, "ex clifton")
    write_history(out / party_file_name(recs, "Clifton"), recs)

    plan = SessionPlan(
        party_nl("Wexford"), utc(2024, 6, 13, 22, 40, 2),
        [P(1, "Big Slick 22", 25, "tag"), P(2, HERO, 10, "hero"), P(3, "Heroine", 25, "heroine"),
         P(4, "NitNat", 30, "nit"), P(5, "riverrat 5", 12.60, "loose"), P(6, "HighCard Harry", 25, "loose"),
         P(8, "wanda 1978", 25, "maniac"), P(9, "J.J. Cale", 19.90, "tag")], 70,
        specs={
            4: F(acts={HERO: ["a"], "Heroine": ["c", "c", "k", "k", "k", "k"],
                       "NitNat": ["c", "c", "k", "k", "k", "k"]},
                 cards={HERO: "Ah Kh", "Heroine": "Qc Qd", "NitNat": "9s 9d"},
                 note="hero shortest"),
            40: HandSpec(leave=("riverrat 5",)),
        },
        bench=list(PARTY_BENCH[3:]), hero_topup=None, gap=(50, 150))
    recs = run_session(plan, "ex wexford")
    write_history(out / party_file_name(recs, "Wexford"), recs)

    plan = SessionPlan(
        party_plo("Ashland"), utc(2024, 6, 13, 23, 12, 30),
        [P(1, HERO, 25, "hero"), P(2, "Heroine", 25, "heroine"), P(3, "Captain Check", 25, "nit"),
         P(4, "ruby tuesday", 31.40, "loose"), P(5, "flopzilla", 25, "tag"), P(6, "tilt_o_whirl", 18.10, "maniac")],
        40, specs={
            14: F(acts={HERO: ["a", "a", "a", "a"], "tilt_o_whirl": ["a", "a", "a", "a"]},
                  cards={HERO: "Ks Kd Qs Jd", "tilt_o_whirl": "Ac 9c 7h 6h"}, note="pot-limit all in"),
        },
        gap=(50, 150))
    recs = run_session(plan, "ex ashland")
    write_history(out / party_file_name(recs, "Ashland"), recs)


# --------------------------------------------------------------------------- PokerStars fixtures

def ring(names: list, stacks: list, styles: list | None = None) -> list[Player]:
    styles = styles or ["tag"] * len(names)
    return [P(i + 1, n, s, st) for i, (n, s, st) in enumerate(zip(names, stacks, styles))]


def fixtures_pokerstars(out: Path):
    six = ["glaine 59", "Heroine", "dr. spaz", HERO, "I.C.U-2-Win", "Mr. Pink"]
    # basics: the hero at seat 4, Heroine at seat 2; the button walks round one seat a hand
    specs = {
        0: F(button=1, post={HERO: "newbb"}, acts={HERO: ["x", "x"], "Heroine": ["r35"]}),
        1: F(button=2, acts={"Heroine": ["r30"], HERO: ["f"]}),
        2: F(button=3, acts={HERO: ["f"]}),
        3: F(button=4, acts={HERO: ["r25"]}),
        4: F(button=5, acts={HERO: ["f"], "Heroine": ["r30", "r45", "r120"],
                             "glaine 59": ["c", "k", "k"]},
             chat=[("glaine 59", "hi all")], note="Heroine bets and collects"),
        5: F(button=6, acts={HERO: ["c", "k", "k", "k"], "Heroine": ["k", "r40", "x", "x"]},
             cards={HERO: "Ac Jd", "Heroine": "Kh 9h"}, board="Js 7c 2d 4s 9c"),
        6: HandSpec(button=1, sitout=(HERO,)),
        7: HandSpec(button=2, sitout=(HERO,)),
        8: HandSpec(button=3, sitout=(HERO,)),
        9: F(button=5, post={HERO: "sbbb"}, acts={"Heroine": ["c", "c", "x"], HERO: ["r40", "r60"]}),
        10: F(button=6, acts={HERO: ["c", "k", "k", "k"], "Heroine": ["r40", "r50", "r90", "k"]},
              cards={HERO: "Ks Td", "Heroine": "Qd Qh"}, board="Kd 9c 3h 2s Qs"),
        11: F(button=1, acts={HERO: ["f"], "Heroine": ["r30"]}),
        12: F(button=2, acts={HERO: ["k", "k", "k", "k"], "I.C.U-2-Win": ["c", "k", "k", "k"],
                              "Heroine": ["c", "k", "k", "k"]},
              cards={HERO: "2c 3d", "I.C.U-2-Win": "4h 4s", "Heroine": "8s 7d"},
              board="9c Tc Jd Qh Ks", note="odd cent to the first seat left of the button"),
    }
    plan = SessionPlan(stars_conf("Halley"), utc(2024, 3, 5, 16, 2, 11),
                       ring(six, [10, 10, 10, 10, 10, 10]), 13, specs=specs, churn=0)
    recs = run_session(plan, "fx basics")
    write_history(out / "basics" / stars_file_name(recs, "Halley"), recs)

    six = ["Borodin 1887", "nutz4brains", HERO, "Sunny D", "Heroine", "x.Y.z 42"]
    specs = {
        0: F(button=1, acts={"Heroine": ["r30"], HERO: ["f"]}),
        1: F(button=2, acts={HERO: ["f"]}),
        2: F(button=3, acts={HERO: ["r25"]}),
        3: F(button=4, acts={HERO: ["f"]}),
        4: F(button=5, acts={HERO: ["c", "k", "k", "k"], "Heroine": ["r30", "r40", "x", "x"]},
             cards={HERO: "As Qs", "Heroine": "Jh Th"}, board="Ad 7h 4c 8c 2d"),
        5: F(button=6, acts={HERO: ["r30", "f"], "Heroine": ["r90"]}),
        6: F(button=1, note="walk"),
    }
    plan = SessionPlan(stars_conf("Vega II", ante=2), utc(2024, 3, 5, 16, 31, 40),
                       ring(six, [10, 10, 10, 10, 10, 10]), 7, specs=specs, churn=0)
    recs = run_session(plan, "fx ante")
    write_history(out / "ante" / stars_file_name(recs, "Vega II"), recs)

    six = ["Borodin 1887", HERO, "Heroine", "A.A. Milne 3", "Sunny D", "x.Y.z 42"]

    specs = {
        0: F(button=6, stacks={HERO: 300, "Heroine": 1000, "Borodin 1887": 750}, force_stacks=True,
             acts={"Heroine": ["r30", "c"], "Borodin 1887": ["a"], HERO: ["a"]},
             cards={HERO: "Ah Ad", "Borodin 1887": "Kc Kd", "Heroine": "Qs Jh"},
             board="7c 2d 9s 3h 5c", note="hero shortest wins the main pot"),
        1: F(button=1, stacks={HERO: 250, "Heroine": 1200, "Sunny D": 800}, force_stacks=True,
             acts={"Sunny D": ["r30", "c"], HERO: ["a"], "Heroine": ["a"]},
             cards={HERO: "Kh Qh", "Heroine": "Jc Jd", "Sunny D": "Ac Ks"},
             board="Js 8d 4c 2h 6s", note="hero shortest loses"),
        2: F(button=2, stacks={HERO: 600, "Heroine": 1500, "A.A. Milne 3": 200}, force_stacks=True,
             acts={HERO: ["r30", "a"], "Heroine": ["a"], "A.A. Milne 3": ["a"]},
             cards={"A.A. Milne 3": "As Ah", HERO: "Kd Ks", "Heroine": "Qc Jc"},
             board="Tc 7d 3s 2c 8h", note="hero in the middle wins the side pot"),
        3: F(button=3, stacks={HERO: 1000, "Heroine": 600, "Sunny D": 350, "x.Y.z 42": 150},
             force_stacks=True,
             acts={"x.Y.z 42": ["a"], HERO: ["a"], "Heroine": ["a"], "Sunny D": ["a"]},
             cards={"x.Y.z 42": "7s 7h", HERO: "Qd Qh", "Heroine": "Ah Kc", "Sunny D": "Jd Js"},
             board="7d 7c 2c 9h 4s", note="four all in with two numbered side pots"),
        4: F(button=4, stacks={HERO: 1000, "Heroine": 1000}, force_stacks=True,
             acts={HERO: ["r30", "a"], "Heroine": ["a"]},
             cards={HERO: "Ts Th", "Heroine": "Ad Kd"}, board="Ac 5h 9d Jc 3s", note="equal stacks"),
        5: F(button=5, stacks={HERO: 800, "Heroine": 800}, force_stacks=True,
             acts={HERO: ["a"], "Heroine": ["a"]},
             cards={HERO: "Ah Kc", "Heroine": "As Kd"}, board="2s 7h 9c Jd 4h",
             note="equal stacks with the odd cent"),
        6: F(button=6, stacks={HERO: 1000, "Sunny D": 400}, force_stacks=True,
             acts={"Sunny D": ["r30", "k", "k"], HERO: ["k", "k", "a"]},
             cards={HERO: "Jh Jc", "Sunny D": "Ad Qd"}, board="8s 4d 2c 9d 3h",
             note="turn shove called for less"),
        7: F(button=1, stacks={HERO: 500, "Heroine": 900}, force_stacks=True,
             acts={HERO: ["c", "k", "k", "a"], "Heroine": ["k", "k", "k", "k"]},
             cards={HERO: "9h 9d", "Heroine": "Ts 8s"}, board="9s 4c Kd 2h Th",
             note="all in on the river only"),
        8: F(button=2, stacks={HERO: 1200, "Heroine": 700}, force_stacks=True,
             acts={HERO: ["r30", "k"], "Heroine": ["c", "a"]},
             cards={"Heroine": "5c 5d", HERO: "Ah Kh"}, board="5h Kc 8d 2s Jh",
             note="hero calls an all-in on the flop"),
        9: F(button=3, stacks={HERO: 1000, "Heroine": 1000, "x.Y.z 42": 120}, force_stacks=True,
             acts={"x.Y.z 42": ["a"], HERO: ["c", "r150", "r300"], "Heroine": ["c", "k"]},
             cards={"x.Y.z 42": "Ac 2c", HERO: "Kh Kd", "Heroine": "9s 8s"}, board="Ks 7d 3c 4h Qd",
             note="short stack all in and the side pot won without a showdown"),
    }
    plan = SessionPlan(stars_conf("Ankaa"), utc(2024, 3, 5, 19, 15, 2),
                       ring(six, [10, 10, 10, 10, 10, 10]), 10, specs=specs, churn=0)
    recs = run_session(plan, "fx side pots")
    write_history(out / "side_pots" / stars_file_name(recs, "Ankaa"), recs)

    six = ["Vlad.the.Caller", HERO, "Heroine", "Zx9 Omega", "petit prince", "MoonLight77"]
    specs = {
        0: F(button=1, stacks={HERO: 1000, "Heroine": 1200}, force_stacks=True,
             acts={HERO: ["a"], "Heroine": ["a"]}, cards={HERO: "Ac Kc", "Heroine": "9d 9s"},
             board="2c 7h Jd 4s Kd", board2="9h 3c 5d 8c Th", run_twice=True),
        1: F(button=2, stacks={HERO: 1000, "Heroine": 800}, force_stacks=True,
             acts={HERO: ["r30", "r50", "k"], "Heroine": ["c", "k", "k", "a"]},
             cards={HERO: "Qh Qd", "Heroine": "Jh Th"}, board="Qc 9h 2h 3s 7c", board2="8h",
             run_twice=True, note="turn all in; the river dealt twice"),
        2: F(button=3, stacks={HERO: 1000, "Heroine": 1000}, force_stacks=True,
             acts={HERO: ["a"], "Heroine": ["a"]}, cards={HERO: "Jc Jh", "Heroine": "Ad 7d"},
             board="Js 6d 2s Td 4c", note="all in but dealt once"),
        3: F(button=4, stacks={HERO: 1000, "Zx9 Omega": 1000}, force_stacks=True,
             acts={HERO: ["a"], "Zx9 Omega": ["a"]}, cards={HERO: "Ad As", "Zx9 Omega": "7c 2d"},
             board="3h 8s Kc 5d 9c", board2="4s 6c Jh 2h Qs", run_twice=True, note="hero wins both runs"),
    }
    plan = SessionPlan(stars_conf("Pollux"), utc(2024, 3, 5, 20, 0, 45),
                       ring(six, [10, 10, 10, 10, 10, 10]), 4, specs=specs, churn=0)
    recs = run_session(plan, "fx run twice nl")
    write_history(out / "run_twice" / stars_file_name(recs, "Pollux"), recs)

    six = [HERO, "Heroine", "Borodin 1887", "St. Nick 24", "senor rio", "kappa.kappa"]
    specs = {
        0: F(button=6, stacks={HERO: 300, "Heroine": 1500, "Borodin 1887": 1500}, force_stacks=True,
             acts={"Borodin 1887": ["r35", "c", "x"], HERO: ["a", "a"], "Heroine": ["a", "a"]},
             cards={HERO: "Ah Ad Kc Qs", "Heroine": "Js Ts 9h 8h", "Borodin 1887": "7c 7d 5s 4s"},
             board="Ac 9c 2d 3h 4c", board2="Qh Kd", run_twice=True,
             note="side pot from a player who folded"),
        1: F(button=1, stacks={HERO: 500, "Heroine": 500}, force_stacks=True,
             acts={HERO: ["a", "a", "a"], "Heroine": ["a", "a", "a"]},
             cards={HERO: "Kh Kc 7s 6s", "Heroine": "Ad Qd Jc Tc"}, run_twice=True),
        2: F(button=2, acts={HERO: ["f"]}),
    }
    plan = SessionPlan(stars_conf("Pomona", omaha=True), utc(2024, 3, 5, 20, 30, 9),
                       ring(six, [10, 10, 10, 10, 10, 10]), 3, specs=specs, churn=0)
    recs = run_session(plan, "fx run twice plo")
    write_history(out / "run_twice" / stars_file_name(recs, "Pomona"), recs)

    # a tournament hand opens the file; the cash hands follow
    tconf = TableConf("stars", "3712345678 1", 9, 10, 20,
                      tournament="Tournament #3712345678, $1+$0.10 USD Hold'em No Limit - Level I (10/20)")
    tplayers = ring([HERO, "raiseordie", "fishy_mcfish", "Heroine", "lucky_lou 2", "turbo_tom",
                     "Sunny D", "MoonLight77", "kappa.kappa"], [0.15] * 9)  # 1500 chips each
    for p in tplayers:
        p.stack = 1500
    thand = Hand(tconf, tplayers, 9, HandSpec(), session_rng("fx tournament"),
                 STARS_IDS.next(utc(2024, 3, 5, 16, 50, 2)), utc(2024, 3, 5, 16, 50, 2)).play()
    six = ["glaine 59", "Heroine", "dr. spaz", HERO, "I.C.U-2-Win", "Mr. Pink"]
    plan = SessionPlan(stars_conf("Halley"), utc(2024, 3, 5, 17, 0, 31), ring(six, [10] * 6), 6,
                       specs={1: F(acts={HERO: ["r30"]})}, churn=0)
    recs = [thand] + run_session(plan, "fx tournament cash")
    write_history(out / "tournament_first" / stars_file_name(recs[1:], "Halley"), recs,
                  extra_rows={thand.hand_id: (0, 0, "tournament hand; chips not money")})

    six = ["petit prince", HERO, "kappa.kappa", "Heroine", "el. gato", "Dr. No-Limit"]
    plan = SessionPlan(stars_conf("Ara", sym="€", word="EUR"), utc(2024, 3, 6, 17, 20, 51),
                       ring(six, [10, 10, 9.35, 10, 6.80, 10]), 8,
                       specs={2: F(acts={HERO: ["r30"]}),
                              5: F(acts={HERO: ["c", "k", "k", "k"], "Heroine": ["r30", "r45", "k", "k"]},
                                   cards={HERO: "Qc Qs", "Heroine": "Ah 5h"}, board="Kc 8d 2s 6h 3c")},
                       churn=0)
    recs = run_session(plan, "fx euro")
    write_history(out / "euro" / stars_file_name(recs, "Ara"), recs)

    six = ["glaine 59", "Heroine", "dr. spaz", HERO, "I.C.U-2-Win", "Mr. Pink"]
    plan = SessionPlan(stars_conf("Halley"), utc(2024, 3, 6, 4, 31, 7), ring(six, [10] * 6), 16,
                       specs={4: F(acts={HERO: ["r30"]})}, gap=(140, 260), churn=0)
    recs = run_session(plan, "fx midnight")
    mark_eastern_dates(recs)
    write_history(out / "midnight" / stars_file_name(recs, "Halley"), recs)

    pool = [("Heroine", "heroine"), ("Zx9 Omega", "maniac"), ("turbo_tom", "maniac"),
            ("fishy_mcfish", "loose"), ("raiseordie", "maniac"), ("MoonLight77", "tag"),
            ("lucky_lou 2", "loose"), ("Sunny D", "tag"), ("glaine 59", "loose")]
    recs = run_zoom(stars_conf("Aludra", zoom=True), utc(2024, 3, 5, 21, 14, 26), pool, 1000, 10,
                    {1: F(acts={HERO: ["r30"]}),
                     4: F(acts={"Heroine": ["r30"], HERO: ["f"]}),
                     7: F(acts={HERO: ["r25", "r30", "k", "k"], "Heroine": ["c", "k", "k", "k"]},
                          cards={HERO: "Ad Td", "Heroine": "Kc Qc"}, board="Tc 6h 2c 9s 4d")},
                    "fx zoom")
    write_history(out / "zoom" / stars_file_name(recs, "Aludra"), recs)


# --------------------------------------------------------------------------- PartyPoker fixtures

def party_ring(pairs: list) -> list[Player]:
    return [P(seat, name, dollars) for seat, name, dollars in pairs]


def fixtures_partypoker(out: Path):
    nine = [(1, "slowroll 88", 25), (2, "Heroine", 25), (3, "dr. spaz", 25), (4, HERO, 25),
            (5, "Mike D. 71", 25), (6, "J.J. Cale", 25), (7, "pokerpapa", 25), (9, "wanda 1978", 25)]
    specs = {
        0: F(button=1, post={HERO: "newbb"}, acts={HERO: ["x", "x"], "J.J. Cale": ["r75"]}),
        1: F(button=2, acts={"Heroine": ["r75"], HERO: ["f"]}),
        2: F(button=3, acts={HERO: ["f"]}),
        3: F(button=4, acts={HERO: ["r60"]}),
        4: F(button=5, acts={HERO: ["f"], "Heroine": ["r75", "r100", "r200", "k"],
                             "pokerpapa": ["c", "k", "k", "k", "k"]},
             cards={"Heroine": "Ac Kd", "pokerpapa": "Qh Qc"}, board="Ad 8h 5s 2c 2d",
             note="Heroine raises and wins a showdown"),
        5: HandSpec(button=6, sitout=(HERO,)),
        6: HandSpec(button=7, sitout=(HERO,)),
        7: F(button=9, post={HERO: "dead"}, acts={HERO: ["r100", "r150", "k", "k"],
                                                  "Heroine": ["c", "k", "k", "k", "k"]},
             cards={HERO: "Ah Kh", "Heroine": "Qc Jc"}, board="Kd 8s 3c 2h 7d"),
        8: F(button=1, acts={HERO: ["c", "k", "k", "k"], "Heroine": ["c", "k", "k", "k"],
                             "dr. spaz": ["k", "k", "k", "k"], "Mike D. 71": ["c", "k", "k", "k"]},
             board="Ts Js Qd Kc Ah", note="four-way split with the odd cent"),
        9: F(button=2, note="walk"),
        10: F(button=3, acts={HERO: ["c", "k", "k", "k"], "Mike D. 71": ["k", "k", "k", "k"],
                              "Heroine": ["c", "k", "k", "r100"]}),
        11: HandSpec(button=4, chat=[("wanda 1978", "gg")]),
    }
    plan = SessionPlan(party_nl("Clifton"), utc(2024, 6, 12, 22, 30, 5), party_ring(nine), 12,
                       specs=specs, churn=0, gap=(50, 150))
    recs = run_session(plan, "fx party basics")
    write_history(out / "basics" / party_file_name(recs, "Clifton"), recs)

    nine = [(1, "Big Slick 22", 25), (2, HERO, 25), (3, "Heroine", 25), (4, "NitNat", 25),
            (5, "riverrat 5", 25), (6, "Ms. Aces", 25), (7, "steel.wool", 25), (9, "HighCard Harry", 25)]
    specs = {
        0: F(button=9, stacks={HERO: 600, "Heroine": 2500, "Big Slick 22": 1800}, force_stacks=True,
             acts={"Heroine": ["r75", "c"], "Big Slick 22": ["a"], HERO: ["a"]},
             cards={HERO: "Kc Kh", "Big Slick 22": "Ad Qd", "Heroine": "Jh Js"},
             board="Kd 8c 4s 2h 9h", note="hero shortest wins the main pot"),
        1: F(button=1, stacks={HERO: 3000, "Heroine": 1200, "NitNat": 500}, force_stacks=True,
             acts={"NitNat": ["a"], HERO: ["a"], "Heroine": ["a"]},
             cards={HERO: "Qs Qc", "Heroine": "Ah Kh", "NitNat": "Td Tc"}, board="Qd 6h 3c 9s 2d",
             note="hero covers everyone; his uncalled bet comes back as a side pot"),
        2: F(button=2, stacks={HERO: 2500, "Heroine": 2500}, force_stacks=True,
             acts={HERO: ["a"], "Heroine": ["a"]}, cards={HERO: "8d 8s", "Heroine": "Ac Ks"},
             board="As 7c 4h Jd 2c", note="equal stacks"),
        3: F(button=3, stacks={HERO: 2000, "Heroine": 1500, "Ms. Aces": 900, "riverrat 5": 300},
             force_stacks=True,
             acts={"Ms. Aces": ["a"], HERO: ["a"], "Heroine": ["a"], "riverrat 5": ["a"]},
             cards={"riverrat 5": "Ah Ac", "Ms. Aces": "Kd Kc", "Heroine": "Qh Qd", HERO: "Jc Jd"},
             board="2s 7d 9c 3h 5s", note="four all in; each pot to a different player"),
        4: F(button=4, stacks={HERO: 3000, "steel.wool": 1000}, force_stacks=True,
             acts={"steel.wool": ["a"], HERO: ["a"]}, cards={"steel.wool": "Ad Ah", HERO: "Kc Kd"},
             board="3c 8h Ts 4d 6c", note="hero covers and loses"),
        5: F(button=5, acts={HERO: ["f"]}),
    }
    plan = SessionPlan(party_nl("Wexford"), utc(2024, 6, 12, 23, 40, 19), party_ring(nine), 6,
                       specs=specs, churn=0, gap=(50, 150))
    recs = run_session(plan, "fx party side pots")
    write_history(out / "side_pots" / party_file_name(recs, "Wexford"), recs)

    nine = [(1, "slowroll 88", 25), (2, "Heroine", 25), (3, "dr. spaz", 25), (4, HERO, 25),
            (5, "Mike D. 71", 25), (6, "J.J. Cale", 25), (7, "pokerpapa", 25), (9, "wanda 1978", 25)]
    plan = SessionPlan(party_nl("Clifton"), utc(2024, 6, 13, 3, 36, 10), party_ring(nine), 14,
                       specs={3: F(acts={HERO: ["r75"]})}, churn=0, gap=(140, 260))
    recs = run_session(plan, "fx party midnight")
    mark_eastern_dates(recs)
    write_history(out / "date_boundary" / party_file_name(recs, "Clifton"), recs)

    # cash hands, then a tournament hand (the reader stops there), then more cash hands
    plan = SessionPlan(party_nl("Clifton"), utc(2024, 6, 14, 0, 2, 51), party_ring(nine), 7,
                       specs={1: F(acts={HERO: ["r75"]})}, churn=0, gap=(50, 150))
    recs = run_session(plan, "fx party tournament")
    tconf = TableConf("party", "Table  88451220 (No DP)", 9, 10, 20,
                      tournament="NL Texas Hold'em  Trny:88451220 Level:1  Blinds-Antes(10/20 -0)")
    tplayers = party_ring([(1, HERO, 15), (3, "Heroine", 15), (4, "flopzilla", 15),
                           (6, "Captain Check", 15), (8, "ruby tuesday", 15)])
    for p in tplayers:
        p.stack = 1500
    twhen = recs[4].when + timedelta(seconds=95)
    thand = Hand(tconf, tplayers, 1, HandSpec(), session_rng("fx party tournament hand"),
                 PARTY_IDS.next(twhen), twhen).play()
    for rec in recs[5:]:
        rec.note = "; ".join(x for x in (rec.note, "after the tournament hand") if x)
    recs = recs[:5] + [thand] + recs[5:]
    write_history(out / "tournament_marker" / party_file_name(recs, "Clifton"), recs,
                  extra_rows={thand.hand_id: (0, 0, "tournament hand; chips not money")})

    six = [(1, HERO, 25), (2, "Heroine", 25), (3, "Captain Check", 25), (4, "ruby tuesday", 25),
           (5, "flopzilla", 25), (6, "tilt_o_whirl", 25)]
    plan = SessionPlan(party_plo("Ashland"), utc(2024, 6, 14, 1, 15, 37), party_ring(six), 8,
                       specs={3: F(acts={HERO: ["a", "a", "a", "a"], "Heroine": ["a", "a", "a", "a"]},
                                   cards={HERO: "As Ad 8s 7d", "Heroine": "Kh Qh Jc Tc"},
                                   note="pot-limit all in"),
                              6: F(acts={HERO: ["r75"]})},
                       churn=0, gap=(50, 150))
    recs = run_session(plan, "fx party plo")
    write_history(out / "plo" / party_file_name(recs, "Ashland"), recs)

    # a history and, beside it, a table summary file that the folder walk must pass over
    plan = SessionPlan(party_nl("Clifton"), utc(2024, 6, 15, 0, 44, 0), party_ring(nine), 6,
                       churn=0, gap=(50, 150))
    recs = run_session(plan, "fx party summary")
    name = party_file_name(recs, "Clifton")
    write_history(out / "summary_file" / name, recs)
    write_history(out / "summary_file" / name.replace("PartyPoker ", "PartyPoker Table "), recs,
                  csv=False)


# --------------------------------------------------------------------------- main

# Situations the outputs must contain, as (folder, words of some hand's note).  A change of
# seed or of the players' habits that loses one of them fails the run instead of
# silently thinning the samples.
COVERAGE = [
    ("examples/pokerstars", "new player bb"), ("examples/pokerstars", "small & big blinds"),
    ("examples/pokerstars", "hero sitting out"), ("examples/pokerstars", "run twice"),
    ("examples/pokerstars", "side pot"), ("examples/pokerstars", "hero shortest"),
    ("examples/pokerstars", "ante"), ("examples/pokerstars", "uncalled bet returned"),
    ("examples/pokerstars", "heads-up table"), ("examples/partypoker", "bb + dead"),
    ("examples/partypoker", "new player bb"), ("examples/partypoker", "side pot"),
    ("examples/partypoker", "hero shortest"), ("examples/partypoker", "pot-limit all in"),
    ("tests/data/pokerstars/side_pots", "side pots"), ("tests/data/pokerstars/side_pots", "split pot"),
    ("tests/data/pokerstars/run_twice", "run twice"), ("tests/data/pokerstars/basics", "split pot"),
    ("tests/data/pokerstars/midnight", "2024-03-05 ET"), ("tests/data/pokerstars/midnight", "2024-03-06 ET"),
    ("tests/data/partypoker/date_boundary", "2024-06-12 ET"),
    ("tests/data/partypoker/date_boundary", "2024-06-13 ET"),
    ("tests/data/partypoker/basics", "bb + dead"), ("tests/data/partypoker/side_pots", "side pots"),
]


def check_coverage():
    notes: dict = {}
    for path, _, _ in WRITTEN:
        rel = str(path.relative_to(ROOT))
        rows = path.with_name(path.name + ".expected.csv").read_text(encoding="utf-8")
        notes.setdefault(rel, []).extend(line.split(",", 3)[3] for line in rows.splitlines()[1:])
    for folder, words in COVERAGE:
        assert any(words in note for rel, ns in notes.items() if rel.startswith(folder) for note in ns), \
            f"no hand with '{words}' under {folder}"


def main() -> int:
    targets = {
        "examples/pokerstars": examples_pokerstars,
        "examples/partypoker": examples_partypoker,
        "tests/data/pokerstars": fixtures_pokerstars,
        "tests/data/partypoker": fixtures_partypoker,
    }
    for rel, make in targets.items():
        folder = ROOT / rel
        if folder.exists():
            shutil.rmtree(folder)
        folder.mkdir(parents=True)
        make(folder)
    check_coverage()
    width = max(len(str(p.relative_to(ROOT))) for p, _, _ in WRITTEN)
    for path, hands, total in WRITTEN:
        print(f"{str(path.relative_to(ROOT)):<{width}}  {hands:4d} hands  hero {total / 100:+9.2f}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
