"""A corpus of many hands at one room, in the shape of the bundled examples (one long
session per file, about 1,100 hands), with the hero's truth beside it: per hand his net
result and, for a hand all in before the river, his all-in EV.

The dealer plays about 3,000 hands a second, so only the first DEALT_FILES files are
dealt; every later file is one of them again at another table, days later, with hand
numbers of its own (only the lines that name a hand are written anew), which writes a
million hands in well under a minute.

About 2% of the hands are all-in showdowns of the hero, dealt on purpose: a heads-up
all-in before the flop (the cards taken from a table of matchups whose equities were
counted once), on the flop (from a small pool of deals, counted on first use) or on
the turn (counted every time).  A hand that comes to an all-in showdown of the hero by
itself is dealt again, so that every EV is exact.

The output folder holds `hands/` (the history files) and `truth.csv`:
  file,hand,result_cents,allin_ev
with the file relative to `hands/`, the result in cents and the EV in currency units to
four decimals (empty for a hand without one).  The seed, the room and the number of
hands fix every byte.
"""

from __future__ import annotations

import functools
import random
from dataclasses import dataclass
from datetime import datetime, timedelta
from fractions import Fraction
from multiprocessing import Pool
from pathlib import Path

from .cards import DECK, SUITS
from .equity import canonical, count_shares, load_preflop_table
from .files import text_file
from .rooms import ROOMS, check_record, ipoker
from .session import HandIds, SessionPlan, run_session
from .table import HERO, HandScript, Player, TableConf

HANDS_PER_FILE = (1000, 1200)
DEALT_FILES = 24               # files dealt; the others are copies of them
ID_BLOCK = 10 ** 7             # hand numbers of one file
ALL_IN_SHARE = 0.021           # hands scripted as the hero's all-in
STAGES = (("preflop", 0.6), ("flop", 0.25), ("turn", 0.15))
HERO_BEHIND = 0.35             # the hero holds the second hand of a matchup (mostly the worse)
OPPONENT_STYLES = ("loose", "loose", "maniac", "tag", "nit")   # a table the hero beats
FLOP_POOL = 64                 # flop deals a process counts at most
START = datetime(2024, 4, 2, 16, 0)


@dataclass
class CorpusRoom:
    """One room's tables in a corpus: stakes as in the bundled examples."""
    code: str                  # the dealer's room code
    seats: int
    sb: int
    bb: int
    rake_cap: int
    ids: tuple                 # first hand number, hand numbers a second
    tables: str                # names of the tables, a number is added


CORPUS_ROOMS = {
    "pokerstars": CorpusRoom("stars", 6, 5, 10, 100, (249_180_000_000, 40),
                             "Halley Vega Ankaa Pherkad Alrai Aludra Mizar Algol Deneb Capella"),
    "partypoker": CorpusRoom("party", 9, 10, 25, 150, (251_300_000, 3),
                             "Clifton Wexford Ashland Carlow Dover Tralee Galway Sligo"),
    "tigergaming": CorpusRoom("tiger", 6, 5, 10, 100, (3_402_000_000, 5),
                              "Koala Quokka Wombat Dingo Numbat Bilby Echidna"),
    "888poker": CorpusRoom("888", 6, 5, 10, 100, (1_104_000_000, 8),
                           "Lyon Rennes Nice Lille Dijon Metz Brest Reims"),
    "ipoker": CorpusRoom("ipoker", 6, 5, 10, 100, (8_415_000_000, 6),
                         "Sirius Canopus Rigel Vega Altair Spica Pollux"),
}
# Opponents: names in the clients' spirit (blanks, dots, digits); "Heroine" begins with
# the hero's nick and must never count as his.
NAMES = ("Heroine, glaine 59, dr. spaz, I.C.U-2-Win, Mr. Pink, nutz4brains, Borodin 1887, "
         "Sunny D, x.Y.z 42, Vlad.the.Caller, AcesUp4U, T.J. Hooker 9, Old Man River, "
         "grind3r.pro, Queen of Diamonds, senor rio, 7deuce off, St. Nick 24, Jonny B. Goode, "
         "petit prince, kappa.kappa, el. gato, MoonLight77, Zx9 Omega, turbo_tom, "
         "fishy_mcfish, raiseordie, lucky_lou 2, slowroll 88, wanda 1978, Mike D. 71, "
         "J.J. Cale, pokerpapa, Big Slick 22, NitNat, riverrat 5, HighCard Harry, "
         "dingo_dave, Wallaby Jim, platypus22, kanga.roo, MarieC22, flushOrBust, "
         "Kasimir.K, zugzwang7, Milan_77, LunaLuz, Sven-Erik, Greta G, Bram 1984").split(", ")


# --------------------------------------------------------------------------- the hero's truth

class Truth:
    """The hero's exact all-in EV of a hand, in cents, where the all-in is heads-up."""

    def __init__(self):
        self.preflop = load_preflop_table()
        self.counted: dict = {}

    def equity(self, hero: list[str], villain: list[str], board: list[str]) -> Fraction | None:
        if not board:
            if (hero_first := self.preflop.get(canonical(hero + villain))) is not None:
                return hero_first
            villain_first = self.preflop.get(canonical(villain + hero))
            return None if villain_first is None else 1 - villain_first
        key = canonical(hero + villain + board)
        if key not in self.counted:
            shares, total = count_shares([hero, villain], board)
            self.counted[key] = Fraction(shares[0], total)
        return self.counted[key]

    def ev(self, rec) -> Fraction | None:
        """His share of the pot by his equity when the betting closed, less what he put
        in; None when the betting never closed before the river with him in the hand."""
        live = [n for n in rec.dealt if n not in rec.folded_at]
        if rec.closed is None or HERO not in live or len(live) < 2:
            return None
        if len(live) > 2 or len(rec.pots) > 1 or len(rec.boards) > 1:
            raise ValueError("only a heads-up all-in for one pot has an EV here")
        villain = next(n for n in live if n != HERO)
        board = rec.boards[0][:(0, 3, 4)[rec.closed - 1]]
        eq = self.equity(rec.hole[HERO], rec.hole[villain], board)
        if eq is None:
            raise ValueError("no equity for this deal")
        return rec.pots[0].net * eq - rec.contrib[HERO]

    def keeps(self, rec, script: HandScript) -> bool:
        """A hand stands unless the hero came to an all-in showdown without a script for
        it, or to one whose EV cannot be counted exactly, or somebody mucked a hand that
        won a side pot (the dealer shows only hands as good as the best shown before, and
        a room whose reader counts the winnings of hands shown would miss his)."""
        if any(not shows and rec.collected[n] for n, shows in rec.showdown):
            return False
        live = [n for n in rec.dealt if n not in rec.folded_at]
        all_in = rec.allin_showdown or (rec.closed is not None and HERO in live and len(live) >= 2)
        if not all_in:
            return True
        if not script.note.startswith("all-in spot"):
            return False
        try:
            return self.ev(rec) is not None
        except ValueError:
            return False


@functools.cache
def process_truth() -> Truth:
    """One per process: the counts of the flop deals are kept for every file it writes."""
    return Truth()


def ev_text(cents: Fraction | None) -> str:
    """An EV in cents as currency units to four decimals, rounded exactly (half away from
    zero); empty for none."""
    if cents is None:
        return ""
    ten_thousandths = int(abs(cents) * 100 + Fraction(1, 2))
    sign = "-" if cents < 0 and ten_thousandths else ""
    return f"{sign}{ten_thousandths // 10000}.{ten_thousandths % 10000:04d}"


# --------------------------------------------------------------------------- all-in spots

class Spots:
    """Scripts the hero's all-ins: now and then a hand in which he and one opponent put
    their stacks in before the flop, on the flop or on the turn, and everybody else
    folds."""

    def __init__(self, room: CorpusRoom, rng: random.Random, preflop: list, flops: list):
        self.room, self.rng, self.preflop, self.flops = room, rng, preflop, flops

    def __call__(self, k: int, players: dict, button: int, script: HandScript) -> HandScript | None:
        rng, bb = self.rng, self.room.bb
        if rng.random() >= ALL_IN_SHARE:
            return None
        dealt = [p for p in players.values() if not p.sitting_out and p.waiting == 0 and p.stack > 0]
        hero = next((p for p in dealt if p.name == HERO), None)
        opponents = [p for p in dealt if p.name != HERO and p.stack >= 20 * bb]
        if hero is None or hero.stack < 20 * bb or not opponents or min(p.stack for p in dealt) < 2 * bb:
            return None
        villain = rng.choice(opponents).name
        stage = rng.choices([s for s, _ in STAGES], [w for _, w in STAGES])[0]
        # Both play the same tokens: the first to act raises, the other re-raises and the
        # first calls (or, before the flop, moves in and is called); after the flop each
        # checks or calls until his all-in token, so the first to act there moves in.
        raise_to = f"r{3 * bb}"
        tokens = {"preflop": [raise_to, "a", "a"], "flop": [raise_to, "c", "a", "a"],
                  "turn": [raise_to, "c", "k", "a", "a"]}[stage]
        cards, board = self.deal(stage)
        if rng.random() < HERO_BEHIND:
            cards.reverse()
        return HandScript(**{**script.__dict__, "acts": {HERO: list(tokens), villain: list(tokens)},
                             "cards": dict(zip((HERO, villain), cards)), "board": board,
                             "others": "f", "quiet": True, "note": f"all-in spot {stage}"})

    def deal(self, stage: str) -> tuple[list[str], str]:
        """Two hands and the board to fix, suits renamed at random; on the turn the dealer
        deals what he likes."""
        if stage == "turn":
            return [], ""
        first, second, flop = self.rng.choice(self.preflop if stage == "preflop" else self.flops)
        suits = dict(zip(SUITS, self.rng.sample(SUITS, 4)))
        rename = lambda cards: " ".join(c[0] + suits[c[1]] for c in cards)   # noqa: E731
        return [rename(first), rename(second)], rename(flop)


def flop_pool(rng: random.Random) -> list:
    deals = []
    for _ in range(FLOP_POOL):
        cards = rng.sample(DECK, 7)
        deals.append((cards[:2], cards[2:4], cards[4:]))
    return deals


# --------------------------------------------------------------------------- files

def table_conf(room: CorpusRoom, index: int) -> TableConf:
    names = room.tables.split()
    return TableConf(room.code, f"{names[index % len(names)]} {index // len(names) + 1}",
                     room.seats, room.sb, room.bb, rake_cap=room.rake_cap)


def deal_session(room_name: str, index: int, hands: int, seed: int) -> list:
    """The hands of file `index`, dealt: one session at one table."""
    room = CORPUS_ROOMS[room_name]
    rng = random.Random(f"{seed}/{room_name}/{index}")
    start = START + timedelta(hours=3 * index, minutes=rng.randint(0, 59), seconds=rng.randint(0, 59))
    pool = rng.sample(NAMES, len(NAMES))
    seats = rng.sample(range(1, room.seats + 1), min(6, room.seats))
    players = [Player(seat, name, room.bb * rng.choice([40, 60, 80, 100, 100, 120]),
                      rng.choice(OPPONENT_STYLES))
               for seat, name in zip(seats[1:], pool)]
    players.append(Player(seats[0], HERO, room.bb * 100, "hero"))
    truth = process_truth()
    preflop = [(list(c[:2]), list(c[2:]), []) for c in truth.preflop]
    spots = Spots(room, random.Random(rng.random()), preflop, flop_pool(random.Random(f"{seed}/{room_name}")))
    plan = SessionPlan(table_conf(room, index), start, players, hands, gap=(30, 65),
                       bench=[(n, rng.choice(OPPONENT_STYLES)) for n in pool[5:]], churn=0.02,
                       button=seats[rng.randrange(len(seats))], recycle=True, whole_blinds=True,
                       spot=spots, keep=truth.keeps, notes=False,
                       ids=HandIds(room.ids[0] + index * ID_BLOCK, room.ids[1], rng.random(), start))
    return run_session(plan, f"corpus {index}", seed)


def write_files(job: tuple) -> list[str]:
    """Deals the session of file `index` and writes it, then its copies at the later
    tables of `copies`, (index, hands) each; the truth rows of them all."""
    out, room_name, index, copies, seed, check = job
    room = CORPUS_ROOMS[room_name]
    writer = ROOMS[room.code]
    records = deal_session(room_name, index, max(n for _, n in copies), seed)
    # Each hand's text but its first lines, which name it, and the hero's truth.
    rests, truths = [], []
    for rec in records:
        lines = writer.render(rec)
        if check:
            check_record(rec, lines)
        rests.append("\r\n".join(lines[len(writer.head(rec)):]))
        truths.append(f",{rec.hero_result},{ev_text(process_truth().ev(rec))}" if HERO in rec.dealt else None)
    dealt = [(rec.hand_id, rec.when) for rec in records]
    rows = []
    for copy, hands in copies:
        conf = table_conf(room, copy)
        for rec, (hand_id, when) in zip(records, dealt):
            rec.hand_id, rec.when, rec.conf = hand_id + (copy - index) * ID_BLOCK, \
                when + timedelta(hours=3 * (copy - index)), conf
        texts = ["\r\n".join(writer.head(rec) + [rest]) for rec, rest in zip(records[:hands], rests)]
        name = writer.file_name(records)
        if room.code == "ipoker":
            head = ipoker.session_head(records[:hands], ipoker.XmlSession(conf.name, 312_000_000 + copy))
            data = ("\r\n".join(head + texts + ["</session>"]) + "\r\n").encode("utf-8")
        else:
            data = text_file(writer, texts)
        (out / name).write_bytes(data)
        rows += [f"{name},{rec.hand_id}{truth}" for rec, truth in zip(records[:hands], truths) if truth]
    return rows


def write_corpus(out: Path, room: str, hands: int, seed: int, jobs: int = 1, check: bool = False) -> int:
    """Writes `hands` hands at `room` under out/hands and the truth to out/truth.csv.

    The first DEALT_FILES files are dealt; each later file is a copy of one of them at
    another table, some days later, with hand numbers of its own (the dealer is slow)."""
    folder = out / "hands"
    folder.mkdir(parents=True, exist_ok=True)
    rng = random.Random(f"{seed}/{room}")
    dealt = [rng.randint(*HANDS_PER_FILE) for _ in range(DEALT_FILES)]
    sizes: list[int] = []
    while sum(sizes) < hands:
        sizes.append(min(dealt[len(sizes) % DEALT_FILES], hands - sum(sizes)))
    work = [(folder, room, i, [(k, sizes[k]) for k in range(i, len(sizes), DEALT_FILES)], seed, check)
            for i in range(min(DEALT_FILES, len(sizes)))]
    with Pool(jobs) as pool, (out / "truth.csv").open("w", encoding="utf-8") as truth:
        truth.write("file,hand,result_cents,allin_ev\n")
        for rows in pool.imap(write_files, work, chunksize=1):
            truth.write("".join(row + "\n" for row in rows))
    return 0
