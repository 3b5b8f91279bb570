"""The dealer: plays one cash-game hand the way a poker room does and keeps its ledger.

It shuffles, posts blinds, antes and dead blinds, runs the betting rounds with legal
actions and amounts (no-limit and pot-limit), returns uncalled bets, builds main and
side pots from the all-ins, takes a capped rake once a flop is dealt, evaluates the
showdown (Hold'em: best five of seven; Omaha: exactly two hole cards and three board
cards), splits tied pots with the odd cent going to the first winner left of the
button, and can run the board twice.  The hero's net result comes from this ledger,
not from any text: everything he collected minus everything he put in, uncalled bets
given back.
"""

from __future__ import annotations

import random
from collections import Counter
from dataclasses import dataclass, field
from datetime import datetime

from .cards import RANKS, SUITS, best_hand, card_rank, hand_rank, parse_cards
from .table import HERO, STYLES, HandScript, Player, TableConf

STREET_NAMES = ["FLOP", "TURN", "RIVER"]

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
    quirk: str = ""                               # copied from the HandScript
    closed: int | None = None                     # the street (1 flop .. 3 river) before which
                                                  # betting closed with chips still to run out


class Hand:
    """Deals and plays one hand on a table; the result is a HandRecord."""

    def __init__(self, conf: TableConf, players: list[Player], button: int, script: HandScript,
                 rng: random.Random, hand_id: int, when: datetime, notes: bool = True):
        """`notes`: describe the hero's hand in the record's note."""
        self.conf, self.script, self.rng = conf, script, rng
        self.hand_id, self.when = hand_id, when
        self.players = sorted(players, key=lambda p: p.seat)
        self.button = button
        self.events: list = []
        self.tokens = {n: list(t) for n, t in script.acts.items()}
        self.strengths: dict = {}
        self.notes = notes

    # ----- seating helpers
    def order_after(self, seat: int) -> list[str]:
        seats = [p.seat for p in self.dealt_players]
        after = [s for s in seats if s > seat] + [s for s in seats if s <= seat]
        return [self.name_at[s] for s in after]

    def live(self) -> list[str]:
        return [n for n in self.dealt if n not in self.folded]

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
        conf, script, rng = self.conf, self.script, self.rng
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
        if conf.flopomania:
            sb_name = bb_name = None
        elif len(self.dealt) == 2:
            sb_name, bb_name = self.name_at[self.button], order[0]
        else:
            sb_name, bb_name = order[0], order[1]
        self.sb_name, self.bb_name = sb_name, bb_name
        positions = {n: [] for n in self.dealt}
        positions[self.name_at[self.button]].append("button")
        if not conf.flopomania:
            positions[sb_name].append("small blind")
            positions[bb_name].append("big blind")

            # blinds, posts of new and returning players, then antes
            self.post_blind(sb_name, "sb", conf.sb, 0)
            self.post_blind(bb_name, "bb", conf.bb, 0)
            self.voluntary.update({sb_name, bb_name})
        for n in self.dealt if not conf.flopomania else []:
            kind = script.post.get(n)
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
        fixed = [c for t in script.cards.values() for c in parse_cards(t)]
        fixed += parse_cards(script.board) + parse_cards(script.board2)
        assert len(fixed) == len(set(fixed)), f"card used twice in hand script: {fixed}"
        for c in fixed:
            deck.remove(c)
        shuffle(deck, rng)
        n_hole = 4 if conf.omaha else 2
        self.hole = {}
        for n in self.dealt:
            if n in script.cards:
                self.hole[n] = parse_cards(script.cards[n])
                assert len(self.hole[n]) == n_hole
            else:
                self.hole[n] = [deck.pop() for _ in range(n_hole)]
        self.deck = deck
        self.board_fixed = parse_cards(script.board)
        self.board2_fixed = parse_cards(script.board2)
        self.board: list[str] = []
        self.events.append(("hole",))

        self.timeout_done = False
        self.chat = list(script.chat)
        self.join_lines = list(script.join)
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
            if not (conf.flopomania and street == 0):   # Flopomania bets from the flop on
                self.betting_round(street)
            self.return_uncalled(street)
            if len(self.live()) < 2:
                break
            if len([n for n in self.live() if n not in self.allin]) < 2 and street < 3:
                closed_before = street + 1
                # the remaining cards come without betting
                if script.run_twice:
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
            if len(self.folded) > len(self.dealt) - 2:
                return
            actors = [n for n in order if n not in self.folded and n not in self.allin]
            pending = [n for n in actors if not acted[n] or self.street_bet[n] < bet_to]
            if not pending:
                return
            if len(actors) == 1 and self.street_bet[actors[0]] >= bet_to:
                return
            # the next player round the table who still has to act
            n = order[i % len(order)]
            i += 1
            while n not in pending:
                n = order[i % len(order)]
                i += 1
            opts = self.options(n, bet_to, min_raise, can_raise[n] and len(actors) > 1)
            kind, to = self.decide(n, opts, street, bet_to)
            if conf.flopomania and n == HERO and kind in ("bet", "raise"):
                # the hero only checks and calls at Flopomania tables: the 888 reader settles
                # a Flopomania pot he wins without giving back money nobody matched
                kind, to = ("check", 0) if "check" in opts else ("call", 0)
            if not self.timeout_done and self.script.timeout == n and "fold" in opts:
                self.events.append(("timeout", n))
                kind, to = "fold", 0
                self.timeout_done = True
            prev = self.street_bet[n]
            if kind == "fold":
                self.folded.add(n)
                self.folded_at[n] = street
                self.events.append(("act", n, "fold", 0, 0, bet_to, False))
                if self.script.timeout == n and self.timeout_done:
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

    def options(self, n, bet_to, min_raise, may_raise) -> dict:
        """What n may do; `may_raise`: the raising is open to him and somebody else can
        still act."""
        to_call = bet_to - self.street_bet[n]
        stack = self.left[n]
        opts: dict = {}
        if to_call > 0:
            opts["fold"] = True
            opts["call"] = min(to_call, stack)
        else:
            opts["check"] = True
        if stack > to_call and may_raise:
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
        elif self.script.others == "f":
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
        """How good n's cards are on the street, 0 to 1 (worked out once a street)."""
        key = (n, street)
        if key not in self.strengths:
            self.strengths[key] = self.street_strength(n, street)
        return self.strengths[key]

    def street_strength(self, n: str, street: int) -> float:
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
            board_rank = hand_rank(board) if len(board) == 5 else None
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
            was_allin = top in self.allin
            self.street_bet[top] -= excess
            self.contrib[top] -= excess
            self.left[top] += excess
            self.allin.discard(top)
            self.uncalled[top] = self.uncalled.get(top, 0) + excess
            self.events.append(("uncalled", top, excess, street, was_allin))

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
        ran_twice = len(live) >= 2 and self.script.run_twice and closed_before is not None
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
            note="", after=[], last_street=self.last_street, closed=closed_before)
        if self.notes:
            record.note = hero_note(record, self.script, self.events)
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


def shuffle(cards: list, rng: random.Random):
    """random.shuffle with its calls written out (the dealer shuffles every hand): the same
    algorithm, so the same cards for the same generator."""
    getrandbits = rng.getrandbits
    for i in range(len(cards) - 1, 0, -1):
        n = i + 1
        k = n.bit_length()
        j = getrandbits(k)
        while j >= n:
            j = getrandbits(k)
        cards[i], cards[j] = cards[j], cards[i]


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


def hero_note(rec: HandRecord, script: HandScript, events) -> str:
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
    if script.note:
        parts.append(script.note)
    text = "; ".join(p for p in parts if p)
    assert "," not in text and '"' not in text
    return text


# --------------------------------------------------------------------------- PokerStars text
