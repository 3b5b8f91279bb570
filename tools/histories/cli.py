"""The command line: `samples` (the default) rewrites the bundled samples, `corpus`
writes many hands of one room with their truth, `check` compares a run's hands with a
corpus's truth, `preflop-table` counts the matchups of the corpus's all-ins again."""

from __future__ import annotations

import argparse
import os
from pathlib import Path

from .samples import write_samples

ROOT = Path(__file__).resolve().parent.parent.parent


def main(argv: list[str] | None = None) -> int:
    parser = argparse.ArgumentParser(prog="make_sample_histories.py")
    commands = parser.add_subparsers(dest="command")
    commands.add_parser("samples", help="rewrite examples/ and tests/data/ (the default)")
    corpus = commands.add_parser("corpus", help="write N hands of one room and their truth")
    corpus.add_argument("--room", default="pokerstars",
                        help="pokerstars, partypoker, tigergaming, 888poker or ipoker")
    corpus.add_argument("--hands", type=int, default=10000)
    corpus.add_argument("--seed", type=int, default=1)
    corpus.add_argument("--out", type=Path, required=True, help="folder for hands/ and truth.csv")
    corpus.add_argument("--jobs", type=int, default=os.cpu_count() or 1)
    corpus.add_argument("--check", action="store_true", help="read every written hand back")
    check = commands.add_parser("check", help="compare lumora-cli's --hands-csv with a truth")
    check.add_argument("truth", type=Path)
    check.add_argument("hands_csv", type=Path)
    check.add_argument("--report", type=Path, help="the run's report: its summary must agree")
    table = commands.add_parser("preflop-table", help="count the all-in matchups again (minutes)")
    table.add_argument("--jobs", type=int, default=os.cpu_count() or 1)
    args = parser.parse_args(argv)
    if args.command in (None, "samples"):
        return write_samples(ROOT)
    if args.command == "corpus":
        from .corpus import write_corpus
        return write_corpus(args.out, args.room, args.hands, args.seed, args.jobs, args.check)
    if args.command == "check":
        from .truth import check_run
        return check_run(args.truth, args.hands_csv, args.report)
    from .equity import make_preflop_table
    return make_preflop_table(jobs=args.jobs)
