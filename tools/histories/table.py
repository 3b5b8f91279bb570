"""What the dealer is given: the table, the players at it, their habits, and the script
that fixes parts of a hand."""

from __future__ import annotations

from dataclasses import dataclass, field
from datetime import datetime

from .money import party_amount, plain_amount

HERO = "Hero"


@dataclass
class TableConf:
    room: str                 # "stars", "party", "tiger", "888" or "ipoker"
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
    flopomania: bool = False  # 888: antes only, no blinds, no betting before the flop
    banner: str = "888poker"  # 888 format: the network's name in each hand's banner
    comma: bool = False       # 888 format: a client that writes "1,50" for 1.50

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
class HandScript:
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
    quirk: str = ""                               # a reader's known misreading this hand shows
    at: datetime | None = None                    # a start time fixed by the scenario (UTC)
    quiet: bool = False                           # nobody sits down during this hand


# --------------------------------------------------------------------------- the hand record

