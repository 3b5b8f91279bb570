#!/usr/bin/env bash
# End-to-end benchmark: lumora-cli make over a generated corpus of HANDS hands of ROOM
# (default 1000000 PokerStars), timed beside cat of the same files in the same run.
#
#   bench/scale.sh [HANDS] [ROOM]        ROOM: PokerStars, PartyPoker, TigerGaming,
#                                        888Poker or iPoker (any case)
#   LUMORA_CORES=1 bench/scale.sh ...    pinned to the first core (taskset), for the
#                                        one-core against two-core comparison
#   LUMORA_SEED=7 bench/scale.sh ...     another corpus (default seed 1)
#   LUMORA_CLI=path LUMORA_SCALE_DIR=dir bench/scale.sh ...
#                                        that program, corpora and runs under dir
#                                        (the truth test), nothing built
#
# Builds lumora-cli (release preset), writes the corpus once into
# build/release/scale/<room>-<hands>-<seed>-<generator>/ (kept for later runs; the last
# part changes with the generator's code), times make (the report only) and cat, each the
# fastest of three runs, then runs make once with --hands-csv, whose rows must be the
# corpus's truth to the cent, per hand and in total, as must the timed report's summary.
# Progress goes to standard error; the last line, on standard output, is
#   hands=N seconds=S hands_per_s=H cat_ratio=R peak_mb=M cores=C truth=ok|MISMATCH
# and the exit status is 1 on a mismatch.
set -euo pipefail
cd "$(dirname "$0")/.."

hands=${1:-1000000}
room=${2:-PokerStars}
seed=${LUMORA_SEED:-1}
cores=${LUMORA_CORES:-}
cli=${LUMORA_CLI:-}
scale=${LUMORA_SCALE_DIR:-build/release/scale}

# The corpus's room, lumora-cli's room and the tables' big blind in cents.
case "${room,,}" in
  pokerstars) corpus_room=pokerstars cli_room=PokerStars bb=10 ;;
  partypoker) corpus_room=partypoker cli_room=PartyPoker bb=25 ;;
  tigergaming) corpus_room=tigergaming cli_room=TigerGaming bb=10 ;;
  888poker | 888) corpus_room=888poker cli_room="888 Poker" bb=10 ;;
  ipoker) corpus_room=ipoker cli_room=iPoker bb=10 ;;
  *) echo "bench/scale.sh: unknown room $room" >&2; exit 2 ;;
esac

if [ -z "$cli" ]; then
  tools/install-deps.sh >&2
  cmake --preset release >&2
  cmake --build --preset release --target lumora-cli -j"$(nproc)" >&2
  cli=build/release/cli/lumora-cli
fi

generator=$(cat tools/make_sample_histories.py tools/histories/*.py tools/histories/*/*.py \
  tools/histories/*.csv | md5sum | cut -c1-8)
corpus=$scale/$corpus_room-$hands-$seed-$generator
if [ ! -f "$corpus/truth.csv" ]; then
  echo "== writing $hands $corpus_room hands (seed $seed) to $corpus" >&2
  rm -rf "$scale/$corpus_room-$hands-$seed"-*
  start=$(date +%s.%N)
  python3 tools/make_sample_histories.py corpus --room "$corpus_room" --hands "$hands" \
    --seed "$seed" --out "$corpus.part"
  mv "$corpus.part" "$corpus"
  awk -v n="$hands" -v s="$(date +%s.%N)" -v t="$start" \
    'BEGIN { printf "   %.1f s, %.0f hands/s\n", s - t, n / (s - t) }' >&2
fi

pin=()
if [ -n "$cores" ]; then
  pin=(taskset -c "0-$((cores - 1))")
else
  cores=$(nproc)
fi
run=$corpus.run
mkdir -p "$run"
make_args=(make --profile "$run/lumora.ini" --log "$run/Lumora.log" --history "$corpus/hands"
  --room "$cli_room" --nick Hero --bb "$bb" --currency USD --table All --players 2-10
  --games All --range all-dates --zoom on --nonzoom on --source history)

# Runs a command (pinned when asked) with its output to $1; prints its seconds, its peak
# resident kilobytes and the processor seconds it used (on a shared machine a steadier
# figure than the seconds). Status 1 is a run that ended early (a losing hero's analysis
# stops after the totals): its summary is checked like any other.
measure() {
  local out=$1 status=0 start
  shift
  start=$(date +%s.%N)
  /usr/bin/time -f "%M %U %S" -o "$run/time" "${pin[@]}" "$@" > "$out" || status=$?
  [ "$status" -le 1 ] || { echo "bench/scale.sh: $1 failed ($status)" >&2; exit 2; }
  # the last line: a failed command's has "Command exited with non-zero status" before it
  tail -n 1 "$run/time" | awk -v s="$(date +%s.%N)" -v t="$start" \
    '{ printf "%.3f %d %.2f\n", s - t, $1, $2 + $3 }'
}
read_all='find "$1" -type f -print0 | xargs -0 cat'

echo "== timing on $cores core(s)" >&2
sh -c "$read_all" sh "$corpus/hands" > /dev/null    # into the page cache, for both alike
# Each command's fastest of three, taken alike: both are quick and the machine noisy.
# The peak memory and processor seconds are those of the fastest run.
cat_seconds=
for _ in 1 2 3; do
  read -r seconds _ < <(measure /dev/null sh -c "$read_all" sh "$corpus/hands")
  cat_seconds=$(awk -v a="$seconds" -v b="${cat_seconds:-$seconds}" 'BEGIN { print (a < b ? a : b) }')
done
best=
for _ in 1 2 3; do
  rm -f "$run/Lumora.log"
  read -r seconds peak_kb cpu_seconds < <(measure "$run/report.txt" "$cli" "${make_args[@]}")
  if [ -z "$best" ] || awk -v a="$seconds" -v b="$best" 'BEGIN { exit !(a < b) }'; then
    best=$seconds best_kb=$peak_kb best_cpu=$cpu_seconds
  fi
done
seconds=$best peak_kb=$best_kb cpu_seconds=$best_cpu
echo "   cat ${cat_seconds} s, lumora-cli make ${seconds} s (processor ${cpu_seconds} s)," \
  "peak ${peak_kb} kB, load $(cut -d' ' -f1 /proc/loadavg)" >&2

echo "== checking the hands against the truth" >&2
rm -f "$run/Lumora.log"
measure /dev/null "$cli" "${make_args[@]}" --hands-csv "$run/hands.csv" > /dev/null
truth=ok
python3 tools/make_sample_histories.py check "$corpus/truth.csv" "$run/hands.csv" \
  --report "$run/report.txt" >&2 || truth=MISMATCH

awk -v n="$hands" -v s="$seconds" -v c="$cat_seconds" -v kb="$peak_kb" -v cores="$cores" \
  -v truth="$truth" 'BEGIN {
    if (s < 0.01) s = 0.01
    if (c < 0.01) c = 0.01
    printf "hands=%d seconds=%.2f hands_per_s=%.0f cat_ratio=%.1f peak_mb=%.0f cores=%d truth=%s\n",
      n, s, n / s, s / c, kb / 1024, cores, truth
  }'
[ "$truth" = ok ]
