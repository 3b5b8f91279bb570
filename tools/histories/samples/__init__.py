"""The bundled samples: examples/<room>/ (sessions to try Lumora on) and
tests/data/<room>/ (the readers' fixtures), each history with its expected results.
The seed is fixed, so every run writes the same bytes."""

from __future__ import annotations

import csv
import shutil
from pathlib import Path

from ..files import WRITTEN
from . import ipoker, partypoker, poker888, pokerstars, tigergaming

# The order matters: the rooms' hand numbers come from one series per room.
TARGETS = [
    ("examples/pokerstars", pokerstars.examples),
    ("examples/partypoker", partypoker.examples),
    ("tests/data/pokerstars", pokerstars.fixtures),
    ("tests/data/partypoker", partypoker.fixtures),
    ("examples/tigergaming", tigergaming.examples),
    ("examples/888poker", poker888.examples),
    ("examples/ipoker", ipoker.examples),
    ("tests/data/tigergaming", tigergaming.fixtures),
    ("tests/data/888poker", poker888.fixtures),
    ("tests/data/ipoker", ipoker.fixtures),
]

# Situations the outputs must contain, as (folder, words of some hand's note): a change
# of seed or of the players' habits that loses one of them fails the run instead of
# silently thinning the samples.
COVERAGE = Path(__file__).with_name("coverage.csv")


def check_coverage(root: Path):
    notes: dict = {}
    for path, _, _ in WRITTEN:
        rel = str(path.relative_to(root))
        rows = path.with_name(path.name + ".expected.csv").read_text(encoding="utf-8")
        notes.setdefault(rel, []).extend(line.split(",", 3)[3] for line in rows.splitlines()[1:])
    with COVERAGE.open(encoding="utf-8") as rows:
        wanted = [(row["folder"], row["words"]) for row in csv.DictReader(rows)]
    for folder, words in wanted:
        assert any(words in note for rel, ns in notes.items() if rel.startswith(folder) for note in ns), \
            f"no hand with '{words}' under {folder}"
    # the 888 reader's cut of 0.57 to 56 cents shows in one hand made for it, and nowhere else
    assert sum("truncation" in note for ns in notes.values() for note in ns) == 1


# Fixture folders written by hand (see tests/data/README.md), which a run keeps: among
# them those in the formats of older and later clients than this script writes.
HAND_WRITTEN = ("blind_raises", "odd_lines", "older_client", "later_client", "localised",
                "client_2018", "sessions")


def write_samples(root: Path) -> int:
    """Rewrites every sample folder under the repository `root` (keeping the hand-written
    folders) and prints the hands and the hero's total per file."""
    for rel, make in TARGETS:
        folder = root / rel
        folder.mkdir(parents=True, exist_ok=True)
        for entry in folder.iterdir():
            if entry.name in HAND_WRITTEN:
                continue
            if entry.is_dir():
                shutil.rmtree(entry)
            else:
                entry.unlink()
        make(folder)
    check_coverage(root)
    width = max(len(str(p.relative_to(root))) for p, _, _ in WRITTEN)
    for path, hands, total in WRITTEN:
        print(f"{str(path.relative_to(root)):<{width}}  {hands:4d} hands  hero {total / 100:+9.2f}")
    return 0
