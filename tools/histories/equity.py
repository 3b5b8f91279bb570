"""Exact all-in equity of Hold'em hands, by dealing every way the board can be completed,
and the hero's all-in EV from it."""

from __future__ import annotations

import csv
import itertools
from fractions import Fraction
from pathlib import Path

from .cards import DECK, SUITS, hand_rank

# Heads-up matchups before the flop with their counts over all 1,712,304 boards, made
# by `count_shares` (python3 tools/make_sample_histories.py preflop-table).
PREFLOP_TABLE = Path(__file__).with_name("preflop_matchups.csv")


def count_shares(hands: list[list[str]], board: list[str] = (), dead: list[str] = ()) -> tuple:
    """Every hand's share of the pot summed over every completion of the board (a tie
    splits the pot), in units of 1/(number of hands)!, and the number of boards."""
    unit = 1
    for k in range(2, len(hands) + 1):
        unit *= k
    used = set(board) | set(dead) | {c for h in hands for c in h}
    assert len(used) == len(board) + len(dead) + sum(len(h) for h in hands), "a card dealt twice"
    stub = [c for c in DECK if c not in used]
    shares = [0] * len(hands)
    boards = 0
    for extra in itertools.combinations(stub, 5 - len(board)):
        full = list(board) + list(extra)
        ranks = [hand_rank(h + full) for h in hands]
        best = max(ranks)
        winners = [i for i, r in enumerate(ranks) if r == best]
        for i in winners:
            shares[i] += unit // len(winners)
        boards += 1
    return shares, boards * unit


def equity(hands: list[list[str]], board: list[str] = (), dead: list[str] = ()) -> Fraction:
    """The first hand's exact share of the pot, 0 to 1."""
    shares, total = count_shares(hands, board, dead)
    return Fraction(shares[0], total)


def canonical(cards: list[str]) -> tuple:
    """The cards with their suits renamed in order of first appearance: two deals with
    the same canonical form have the same equities."""
    names: dict = {}
    for c in cards:
        if c[1] not in names:
            names[c[1]] = SUITS[len(names)]
    return tuple(c[0] + names[c[1]] for c in cards)


def load_preflop_table(path: Path = PREFLOP_TABLE) -> dict:
    """(canonical four cards, first hand then second) -> the first hand's equity."""
    table = {}
    with path.open(encoding="utf-8") as rows:
        for row in csv.DictReader(rows):
            cards = row["first"].split() + row["second"].split()
            table[canonical(cards)] = Fraction(int(row["first_share"]), int(row["total"]))
    return table


def _count_row(row: dict) -> dict:
    shares, total = count_shares([row["first"].split(), row["second"].split()])
    return {**row, "first_share": str(shares[0]), "total": str(total)}


def make_preflop_table(path: Path = PREFLOP_TABLE, jobs: int = 1) -> int:
    """Counts the matchups listed in the table afresh (about ten seconds each) and writes
    the counts back."""
    from multiprocessing import Pool

    with path.open(encoding="utf-8") as rows:
        reader = csv.DictReader(rows)
        fields, table = reader.fieldnames, list(reader)
    with Pool(jobs) as pool:
        table = pool.map(_count_row, table)
    with path.open("w", encoding="utf-8", newline="") as out:
        writer = csv.DictWriter(out, fields, lineterminator="\n")
        writer.writeheader()
        writer.writerows(table)
    return 0
