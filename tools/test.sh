#!/usr/bin/env bash
# Builds Lumora on a fresh Debian machine and runs every test: installs the
# packages, configures the "ci" preset (sanitizers on), builds, and runs CTest
# under a virtual X display so that the GUI tests have one; then fuzzes each
# libFuzzer target for a few seconds (tools/fuzz.sh), failing on any fault.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake --preset ci
cmake --build --preset ci -j"$(nproc)"
xvfb-run -a -s '-screen 0 1600x1200x24' ctest --preset ci -j"$(nproc)"
tools/fuzz.sh 6
