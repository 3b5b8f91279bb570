#!/usr/bin/env bash
# How fast a database run reads stored hands, measured against the floor of
# the server sending the same hand texts to nowhere: starts a throwaway
# PostgreSQL server (tools/pg_test_server.sh), fills lumora_bench, a
# HoldemManager2 database, with N PokerStars hands made from the hands of the
# test fixtures, times psql's "\copy (select handhistory ...) to /dev/null"
# and "lumora-cli make --source database" over them, and ends with one line:
#
#   rows=N seconds=S rows_per_s=R copy_ratio=X peak_mb=M
#
# (S: the run's wall time; X: S over the floor's time; M: the run's peak
# resident memory in MB).
#
#   bench/db_bench.sh [HANDS]              load, time the floor and the run
#   bench/db_bench.sh --data-only [HANDS]  load and leave the server running
#
# Environment: LUMORA_CLI (default build/release/cli/lumora-cli),
# LUMORA_BENCH_HANDS (default 100000; an argument wins).
set -euo pipefail

kRepo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
readonly kRepo
readonly kCli="${LUMORA_CLI:-$kRepo/build/release/cli/lumora-cli}"
readonly kTime=/usr/bin/time

usage() {
  echo "usage: $0 [--data-only] [HANDS]" >&2
  exit 2
}

data_only=0
hands="${LUMORA_BENCH_HANDS:-100000}"
for arg in "$@"; do
  case "$arg" in
    --data-only) data_only=1 ;;
    *[!0-9]* | "") usage ;;
    *) hands="$arg" ;;
  esac
done
[ "$hands" -gt 0 ] || usage

if [ "$data_only" -eq 0 ]; then
  if [ ! -x "$kCli" ]; then
    echo "db_bench: $kCli not found; build it first:" >&2
    echo "  cmake --preset release && cmake --build --preset release --target lumora-cli" >&2
    exit 1
  fi
  if [ ! -x "$kTime" ]; then
    echo "db_bench: $kTime (GNU time) not found; tools/install-deps.sh installs it" >&2
    exit 1
  fi
fi

now() { date +%s.%N; }
seconds_since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.2f", b - a }'; }

work="$(mktemp -d /tmp/lumora-db-bench.XXXXXX)"
chmod 755 "$work"
state="$work/pg"
stop() {
  "$kRepo/tools/pg_test_server.sh" stop "$state" || true
  rm -rf "$work"
}
trap stop EXIT

started="$(now)"
"$kRepo/tools/pg_test_server.sh" start "$state" >/dev/null
echo "server start and test databases: $(seconds_since "$started") s"
port="$(sed -n 's/^LUMORA_DB_PORT=//p' "$state/server.env")"

psql_bench() {
  PGCONNECT_TIMEOUT=10 psql -X -q -v ON_ERROR_STOP=1 -h 127.0.0.1 -p "$port" -U lumora "$@"
}

# lumora_bench starts as a copy of the HoldemManager2 test database (its
# tables and game types); the 23 PokerStars fixture hands of 2024-03-05 serve
# as templates. Each generated hand gets its own number and start time, 37
# seconds after the one before, written into its header line as the client
# writes it (table time CET, six hours ahead of the bracketed Eastern time).
started="$(now)"
psql_bench -d postgres -c "create database lumora_bench template lumora_hm2;"
psql_bench -d lumora_bench -v hands="$hands" <<'EOF'
create temporary table templates as
  select row_number() over (order by handhistory_id) - 1 as k,
         substring(handhistory from position(E'\n' in handhistory)) as rest
    from handhistories
   where pokersite_id = 1 and gametype_id = 1
     and handtimestamp between '2024-03-05 00:00:00' and '2024-03-06 00:00:00';
truncate handhistories restart identity;
insert into handhistories (pokersite_id, gametype_id, handtimestamp, handhistory)
select 1, 1, h.started,
       format('PokerStars Hand #%s:  Hold''em No Limit ($0.05/$0.10 USD) - %s CET [%s ET]',
              300000000000 + h.g,
              to_char(h.started + interval '6 hours', 'YYYY/MM/DD HH24:MI:SS'),
              to_char(h.started, 'YYYY/MM/DD HH24:MI:SS'))
       || t.rest
  from (select g, timestamp '2024-01-01 00:00:00' + g * interval '37 seconds' as started
          from generate_series(1, :hands) g) h
  join templates t on t.k = h.g % (select count(*) from templates)
 order by h.g;
analyze handhistories;
EOF
rows="$(psql_bench -d lumora_bench -At -c "select count(*) from handhistories;")"
echo "$rows hands loaded into lumora_bench: $(seconds_since "$started") s"

if [ "$data_only" -eq 1 ]; then
  trap - EXIT
  cat <<EOF
The server keeps running on 127.0.0.1:$port (user lumora, password lumora,
database lumora_bench). Stop it with:
  $kRepo/tools/pg_test_server.sh stop $state && rm -rf $work
EOF
  exit 0
fi

# The floor: the server reads and sends every hand text of the run, and the
# client throws them away. No reader can be faster than this.
started="$(now)"
psql_bench -d lumora_bench -c "\\copy (select handhistory from handhistories) to '/dev/null'"
floor="$(seconds_since "$started")"
echo "floor (psql \\copy of the hand texts to /dev/null): $floor s"

started="$(now)"
if ! LUMORA_DB_PASSWORD=lumora "$kTime" -v -o "$work/time.txt" "$kCli" make \
  --profile "$work/profile.ini" --log "$work/lumora.log" \
  --source database --db-kind HoldemManager2 --server 127.0.0.1 --port "$port" \
  --db-name lumora_bench --db-user lumora --db-nick Hero --site PokerStars --bb 10 \
  --currency USD --table All --players 2-10 --games All --range all-dates >"$work/cli.out"; then
  cat "$work/cli.out"
  echo "db_bench: lumora-cli failed" >&2
  exit 1
fi
elapsed="$(seconds_since "$started")"
peak_kb="$(sed -n 's/^[[:space:]]*Maximum resident set size (kbytes): //p' "$work/time.txt")"
head -n 6 "$work/cli.out"
echo "load: $(cut -d' ' -f1-3 /proc/loadavg)"
awk -v rows="$rows" -v s="$elapsed" -v floor="$floor" -v kb="$peak_kb" 'BEGIN {
  printf "rows=%d seconds=%.2f rows_per_s=%.0f copy_ratio=%.2f peak_mb=%.1f\n",
         rows, s, rows / s, s / floor, kb / 1024
}'
