#!/usr/bin/env bash
# Builds Lumora on a fresh Debian machine and runs its main job, "make", on the
# bundled sample histories under examples/: one analysis per room, each with
# the settings its folder was written for. The profile and the log live in
# the build folder, so the repository stays as it was.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake --preset release
cmake --build --preset release -j"$(nproc)"

cli=build/release/cli/lumora-cli
work=build/release/examples
mkdir -p "$work"
status=0
while IFS='|' read -r folder room nick bb currency; do
  [ -z "$folder" ] || [ "${folder:0:1}" = "#" ] && continue
  echo "== $folder: $room, nick $nick, big blind $bb $currency"
  "$cli" make --profile "$work/lumora.ini" --log "$work/Lumora.log" \
    --history "examples/$folder" --room "$room" --nick "$nick" --bb "$bb" --currency "$currency" \
    --table All --players 2-10 --games All --range all-dates --zoom on --nonzoom on \
    --source history || status=$?
done < examples/runs.txt
exit $status
