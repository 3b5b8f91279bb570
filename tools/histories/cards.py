"""Cards, the strength of a poker hand and the rooms' words for it."""

from __future__ import annotations

import itertools

RANKS = "23456789TJQKA"
SUITS = "cdhs"
DECK = tuple(r + s for r in RANKS for s in SUITS)
RANK_WORD = ["Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine", "Ten",
             "Jack", "Queen", "King", "Ace"]
RANK_PLURAL = ["Twos", "Threes", "Fours", "Fives", "Sixes", "Sevens", "Eights", "Nines",
               "Tens", "Jacks", "Queens", "Kings", "Aces"]
_RANK_OF = {card: RANKS.index(card[0]) for card in DECK}


def _highest_straights() -> list[int]:
    """For every set of ranks as a 13-bit mask: the top rank of its best straight, or -1."""
    wheel = 0b1000000001111          # A-2-3-4-5, the ace playing low
    table = []
    for mask in range(1 << 13):
        high = next((top for top in range(12, 3, -1)
                     if mask & (0b11111 << (top - 4)) == 0b11111 << (top - 4)), -1)
        table.append(3 if high < 0 and mask & wheel == wheel else high)
    return table


_STRAIGHT_HIGH = _highest_straights()


def parse_cards(text: str) -> list[str]:
    return text.split() if text else []


def card_rank(card: str) -> int:
    """0 for a two .. 12 for an ace."""
    return _RANK_OF[card]


def hand_rank(cards) -> tuple:
    """Strength of the best five of five to seven cards, as a tuple that compares like
    poker hands: category first (0 high card .. 8 straight flush), then the ranks that
    break ties (pairs and trips before their kickers, a straight by its top card, the
    wheel's top being the five)."""
    counts = [0] * 13
    suited: dict = {}
    mask = 0
    for card in cards:
        rank = _RANK_OF[card]
        counts[rank] += 1
        mask |= 1 << rank
        suited.setdefault(card[1], []).append(rank)
    for ranks in suited.values():
        if len(ranks) >= 5:
            # with seven cards a flush rules out quads and a full house
            high = _STRAIGHT_HIGH[sum(1 << r for r in ranks)]
            return (8, high) if high >= 0 else (5, *sorted(ranks, reverse=True)[:5])
    quads = trips = -1
    pairs: list = []
    singles: list = []
    for rank in range(12, -1, -1):
        count = counts[rank]
        if count == 4:
            quads = rank
        elif count == 3 and trips < 0:
            trips = rank
        elif count >= 2:
            pairs.append(rank)
        elif count == 1:
            singles.append(rank)
    if quads >= 0:
        return (7, quads, max(r for r in range(13) if counts[r] and r != quads))
    if trips >= 0 and pairs:
        return (6, trips, pairs[0])
    high = _STRAIGHT_HIGH[mask]
    if high >= 0:
        return (4, high)
    if trips >= 0:
        return (3, trips, *singles[:2])
    if len(pairs) >= 2:
        return (2, pairs[0], pairs[1], max(pairs[2:] + singles))
    if pairs:
        return (1, pairs[0], *singles[:3])
    return (0, *singles[:5])


def best_hand(hole: list[str], board: list[str], omaha: bool) -> tuple:
    """Best poker hand: Hold'em any five of seven, Omaha two hole plus three board."""
    if omaha:
        return max(hand_rank(h + b) for h in itertools.combinations(hole, 2)
                   for b in itertools.combinations(board, 3))
    return hand_rank(hole + board)


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
