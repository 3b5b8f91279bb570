"""The command line: `samples` (the default) rewrites the bundled samples."""

from __future__ import annotations

import argparse
from pathlib import Path

from .samples import write_samples

ROOT = Path(__file__).resolve().parent.parent.parent


def main(argv: list[str] | None = None) -> int:
    parser = argparse.ArgumentParser(prog="make_sample_histories.py")
    commands = parser.add_subparsers(dest="command")
    commands.add_parser("samples", help="rewrite examples/ and tests/data/ (the default)")
    args = parser.parse_args(argv)
    if args.command in (None, "samples"):
        return write_samples(ROOT)
    return 2
