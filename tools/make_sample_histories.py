#!/usr/bin/env python3
"""Writes synthetic hand histories with their true results (the package `histories`
beside this file does the work).

  python3 tools/make_sample_histories.py            rewrite examples/ and tests/data/
  python3 tools/make_sample_histories.py --help     every command

Standard library only.
"""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from histories.cli import main  # noqa: E402

if __name__ == "__main__":
    sys.exit(main())
