"""Sessions: a table's hands one after another, with the button moving round, players
sitting out, joining, reloading and leaving, and hand numbers that grow with time."""

from __future__ import annotations

import random
import zlib
from dataclasses import dataclass, field
from datetime import datetime, timedelta
from typing import Callable

from .dealer import Hand, HandRecord
from .money import plain_amount
from .rooms import ROOMS, render_one
from .rooms.common import wtof
from .rooms.poker888 import walk_excess
from .table import HERO, HandScript, Player, TableConf

SEED = 20240305   # the bundled samples' seed


class HandIds:
    """Hand numbers that grow with time, unique across every table they number."""

    def __init__(self, base: int, per_second: int, seed, epoch: datetime = datetime(2024, 3, 1)):
        self.base, self.per_second, self.epoch = base, per_second, epoch
        self.rng = random.Random(seed)
        self.used: set = set()

    def next(self, when: datetime) -> int:
        seconds = int((when - self.epoch).total_seconds())
        value = self.base + seconds * self.per_second + self.rng.randrange(self.per_second)
        while value in self.used:
            value += 1
        self.used.add(value)
        return value


# The numbering of the bundled samples, one series per room (LotosPoker has its own).
SAMPLE_IDS = {"stars": HandIds(249_180_000_000, 40, SEED), "party": HandIds(251_300_000, 3, SEED + 1),
              "tiger": HandIds(3_402_000_000, 5, SEED + 2), "888": HandIds(1_104_000_000, 8, SEED + 3),
              "lotos": HandIds(612_000_000, 2, SEED + 4), "ipoker": HandIds(8_415_000_000, 6, SEED + 5)}


def session_rng(label: str, seed: int = SEED) -> random.Random:
    return random.Random(seed * 7919 + zlib.crc32(label.encode()))


def deal(conf: TableConf, players: list[Player], button: int, script: HandScript,
         rng: random.Random, hand_id: int, when: datetime, label: str,
         keep: Callable[[HandRecord], bool] | None = None, notes: bool = True) -> HandRecord:
    """Deals and plays one hand; with `keep`, deals it again with the same hand number
    and stacks until keep(record) is true (a scripted hand that cannot get there stops
    the run). `notes`: describe the hero's hand in the record's note."""
    stacks = {p.name: p.stack for p in players}
    for _ in range(400):
        for p in players:
            p.stack = stacks[p.name]
        rec = Hand(conf, players, button, script, rng, hand_id, when, notes).play()
        if keep is None or keep(rec):
            return rec
    raise AssertionError(f"{label}: no deal in 400 that reads back right")


# --------------------------------------------------------------------------- the newer rooms' readers

def exact(cents: int) -> bool:
    """True when the amount as written, read as a double and times 100, is not just below
    its whole number of cents (0.57 gives 56.99999999999999): the 888 reader cut such a
    product toward zero, so only one fixture hand, made for it, holds such amounts."""
    return int(wtof(plain_amount(cents)) * 100) == cents


def amounts_written(rec: HandRecord) -> list[int]:
    """Every amount a newer room's file shows on its action and result lines, in cents."""
    out = []
    for e in rec.events:
        if e[0] == "post":
            out.append(e[3])
        elif e[0] == "ante":
            out.append(e[2])
        elif e[0] == "act" and e[2] in ("call", "bet", "raise"):
            out += [e[3], e[4], e[4] - e[5]] if e[2] == "raise" else [e[3]]
        elif e[0] == "uncalled":
            out.append(e[2])
    out += [a for p in rec.pots for split in p.shares for _, a in split]
    for n in rec.dealt:
        back = rec.uncalled.get(n, 0)
        if rec.conf.room != "888":
            out.append(rec.collected[n])               # a summary line or a win attribute
        elif rec.uncontested == n:
            out.append(rec.collected[n] + walk_excess(rec, n))
        if rec.conf.room == "ipoker":
            out += [rec.collected[n] + back, rec.contrib[n] + back]
    return out


def figure(cents: float | None) -> str:
    if cents is None:
        return "the reader rejects the hand (rejected)"
    whole = round(cents)
    return f"the reader gives {whole if abs(cents - whole) < 1e-6 else round(cents, 4)}"


def room_note(rec: HandRecord) -> str:
    """The dealer's note, with the newer rooms' way of handing back a bet nobody called."""
    note = rec.note
    room = rec.conf.room
    if HERO in rec.uncalled and "uncalled bet returned" in note:
        silent = room == "888" or (room == "tiger" and any(
            e[0] == "uncalled" and e[1] == HERO and e[4] for e in rec.events))
        if room == "888" and walk_excess(rec, HERO):
            note = note.replace("uncalled bet returned", "walk: the whole pot collected")
        elif silent:
            note = note.replace("uncalled bet returned", "unmatched bet returned without a line")
    return note


QUIRK_WORDS = {
    "comma": "comma amounts: a decimal comma",
    "truncation": "truncation: a call of 0.57 whose double times 100 lies just below 57",
    "fold before deal": "the hero folds before the deal",
}
# Quirks an earlier reader misread and today's reads right: their notes give no figure.
READ_RIGHT = {"comma", "truncation"}


def reads_right(conf: TableConf, script: HandScript) -> Callable[[HandRecord], bool]:
    """Whether a hand dealt at a table of the newer rooms reads back as the dealer played
    it: no amount like 0.57 (see `exact`), and the room's reader gives the hero's true
    figure.  A hand whose script names a quirk is kept as dealt, and its note says what
    the reader makes of it."""
    quirk = script.quirk or ("comma" if conf.comma else "")

    def keep(rec: HandRecord) -> bool:
        rec.quirk = quirk
        rec.note = room_note(rec)
        counted = HERO in rec.dealt or conf.room != "ipoker"
        read = ROOMS[conf.room].reader_result(rec, render_one(rec)) if counted else None
        if quirk in QUIRK_WORDS:
            told = "" if quirk in READ_RIGHT else figure(read)
            rec.note = "; ".join(x for x in (rec.note, QUIRK_WORDS[quirk], told) if x)
            return True
        if not all(exact(a) for a in amounts_written(rec)):
            return False
        return not counted or (read is not None and abs(read - rec.hero_result) <= 1e-6)
    return keep


# --------------------------------------------------------------------------- sessions

@dataclass
class SessionPlan:
    conf: TableConf
    start: datetime                # UTC
    players: list                  # Player objects, the hero among them
    hands: int
    scripts: dict = field(default_factory=dict)
    gap: tuple = (45, 140)         # seconds between hands
    bench: list = field(default_factory=list)  # (name, style) who may sit down later
    churn: float = 0.03
    hero_topup: int | None = 100   # big blinds the hero reloads to when below 40 bb
    button: int | None = None
    ids: HandIds | None = None
    # A long session's own rules: players who leave go back to the bench; nobody's stack
    # is left too short for a whole big blind; `spot(k, players, button, script)` may
    # script hand k once the button is known; `keep(rec, script)` says whether a dealt
    # hand stands or is dealt again; `notes` describe the hero's hands.
    notes: bool = True
    recycle: bool = False
    whole_blinds: bool = False
    spot: Callable | None = None
    keep: Callable | None = None


def run_session(plan: SessionPlan, label: str, seed: int = SEED) -> list[HandRecord]:
    conf = plan.conf
    rng = session_rng(label, seed)
    ids = plan.ids or SAMPLE_IDS[conf.room]
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
    for script in plan.scripts.values():
        protected |= set(script.acts) | set(script.cards) | set(script.stacks) | set(script.post)
        protected |= set(script.leave) | set(script.sitout) | {script.timeout}
    for k in range(plan.hands):
        script = plan.scripts.get(k, HandScript())
        when += timedelta(seconds=rng.randint(*plan.gap) + script.gap)
        if script.at is not None:
            when = script.at
        for j in pending_join:
            players[j.seat] = j
        pending_join = []
        for p in players.values():
            p.sitting_out = p.name in script.sitout or out_until.get(p.name, -1) > k
        for name, cents in script.stacks.items():
            # a player may add chips between hands but never take them off the table,
            # so a scenario stack is a minimum unless a fixture forces it
            p = next((p for p in players.values() if p.name == name), None)
            assert p, f"{label} hand {k}: {name} is not at the table"
            if cents > p.stack or script.force_stacks:
                p.stack = cents
        if script.button is not None:
            button = script.button
        elif k > 0:
            button = next_button(players, button)
        if plan.spot:
            script = plan.spot(k, players, button, script) or script
        joins = []
        for j in script.join:
            assert j[1] not in players, f"{label} hand {k}: seat {j[1]} is taken"
            joins.append(j)
        # random comings and goings keep the table alive
        empty = [s for s in range(1, conf.max_seats + 1) if s not in players]
        if not script.join and not script.quiet and empty and bench and rng.random() < 0.25:
            name, style = bench.pop(0)
            seat = rng.choice(empty)
            joins.append((name, seat, conf.bb * rng.choice([40, 60, 80, 100, 100, 100]), style))
        script_join = [(n, s) for n, s, _, _ in joins]
        run_script = HandScript(**{**script.__dict__, "join": script_join})
        hand_id = ids.next(when)
        if plan.keep:
            keep = lambda rec: plan.keep(rec, run_script)   # noqa: E731
        else:
            keep = None if conf.room in ("stars", "party") else reads_right(conf, run_script)
        rec = deal(conf, list(players.values()), button, run_script, rng, hand_id, when,
                   f"{label} hand {k}", keep, plan.notes)
        for name, seat, stack, style in joins:
            assert name not in [p.name for p in players.values()], f"{label}: two players {name}"
            newcomer = Player(seat, name, stack, style)
            # some wait for the button to pass, others post a big blind at once
            if conf.room == "stars" and rng.random() < 0.5:
                newcomer.waiting = 1
            else:
                plan.scripts.setdefault(k + 1, HandScript()).post.setdefault(name, "newbb")
            pending_join.append(newcomer)
        for p in players.values():
            if p.waiting and p.name not in [j[0] for j in joins]:
                p.waiting -= 1
        # departures: scenario, timeouts, busted stacks, random churn
        going = set(script.leave)
        if script.timeout:
            out_until[script.timeout] = k + 3
            leaving[script.timeout] = k + 2
        going |= {n for n, last in leaving.items() if last == k}
        for p in players.values():
            if p.stack == 0 and p.name not in protected:
                going.add(p.name)
        folded = [n for n in rec.folded_at if n not in protected]
        if rng.random() < plan.churn and folded and not script.join:
            going.add(rng.choice(folded))
        for name in sorted(going):
            if name not in [p.name for p in players.values()]:
                continue
            rec.after.append(name)
            seat = next(s for s, p in players.items() if p.name == name)
            if plan.recycle:
                bench.append((name, players[seat].style))
            del players[seat]
        reload(players, conf, plan, protected, rng)
        records.append(rec)
    return records


def reload(players: dict, conf: TableConf, plan: SessionPlan, protected: set, rng: random.Random):
    """Stacks topped up between hands."""
    for p in players.values():
        min_stack = conf.bb * 40
        if p.name == HERO:
            if p.stack == 0 or (plan.hero_topup and p.stack < min_stack):
                p.stack = conf.bb * (plan.hero_topup or 100)
        elif p.stack == 0 or (p.stack < conf.bb * 25 and p.name not in protected
                              and rng.random() < 0.6):
            p.stack = conf.bb * 100
        if (plan.whole_blinds or conf.room not in ("stars", "party")) and p.stack < conf.bb * 3:
            # a stack too short for a whole big blind would post a short one, which
            # these readers take for another table's stakes
            p.stack = conf.bb * 100


def next_button(players: dict, button: int) -> int:
    seats = sorted(s for s, p in players.items()
                   if not p.sitting_out and p.waiting == 0 and p.stack > 0)
    later = [s for s in seats if s > button]
    return later[0] if later else seats[0]


def run_zoom(conf: TableConf, start: datetime, pool: list, hero_stack: int, hands: int,
             scripts: dict, label: str) -> list[HandRecord]:
    """Fast-fold: a fresh table every hand, the button on seat 1, the hero anywhere."""
    rng = session_rng(label)
    stacks = {name: conf.bb * rng.choice([60, 80, 100, 100, 100, 120]) for name, _ in pool}
    stacks[HERO] = hero_stack
    styles = dict(pool)
    styles[HERO] = "hero"
    when = start
    records = []
    for k in range(hands):
        script = scripts.get(k, HandScript())
        when += timedelta(seconds=rng.randint(14, 48) + script.gap)
        others = rng.sample([n for n, _ in pool], conf.max_seats - 1)
        wanted = list(dict.fromkeys(n for n in list(script.cards) + list(script.acts) if n != HERO))
        spare = [o for o in others if o not in wanted]
        others = wanted + spare[:len(others) - len(wanted)]
        names = others + [HERO]
        rng.shuffle(names)
        for name, cents in script.stacks.items():
            stacks[name] = cents
        players = [Player(i + 1, n, stacks[n], styles[n]) for i, n in enumerate(names)]
        rec = Hand(conf, players, 1, script, rng, SAMPLE_IDS["stars"].next(when), when).play()
        for p in players:
            stacks[p.name] = p.stack if p.stack >= conf.bb * 30 else conf.bb * 100
        records.append(rec)
    return records
