#!/usr/bin/env bash
# A throwaway PostgreSQL server for the database tests and benchmarks.
#
#   tools/pg_test_server.sh start <state-dir>   initdb, start on a free loopback
#                                               port, create the trackers' test
#                                               databases, write server.env
#   tools/pg_test_server.sh stop <state-dir>    stop the server, remove the folder
#
# The server listens on 127.0.0.1 only, trusts every local connection and knows
# one user, "lumora". Its data, log and unix socket live in <state-dir>, which
# nothing else may use: a stale one is stopped and removed by "start".
# <state-dir>/server.env gives LUMORA_DB_HOST, LUMORA_DB_PORT, LUMORA_DB_USER and
# LUMORA_DB_PASSWORD (ignored under trust, but the connection string carries it).
#
# initdb and pg_ctl refuse to run as root; under root they run as the "postgres"
# system user that Debian's postgresql package creates.
#
# Environment: LUMORA_PG_BINDIR overrides the folder of initdb/pg_ctl/postgres
# (default: the newest /usr/lib/postgresql/*/bin); LUMORA_PG_FIRST_PORT the
# first port to try (default 40000 + PID % 20000; further tries step by 97
# within 40000-59999); LUMORA_PG_SKIP_TEST_DATA=1 starts the server without
# the test databases.
set -euo pipefail

kRepo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
readonly kRepo
readonly kSqlDir="$kRepo/tests/db/sql"
readonly kUser=lumora
readonly kPassword=lumora
readonly kOdbcDriver="PostgreSQL Unicode"
readonly kPortTries=12
# A unix socket path must fit in sun_path (108 bytes with the terminator).
readonly kMaxSocketDirLength=90

die() {
  echo "pg_test_server: $*" >&2
  exit 1
}

# Prints the last lines of each given log to stderr.
show_logs() {
  local log
  for log in "$@"; do
    if [ -s "$log" ]; then
      echo "---- last lines of $log ----" >&2
      tail -n 30 "$log" >&2
    fi
  done
}

find_bindir() {
  if [ -n "${LUMORA_PG_BINDIR:-}" ]; then
    [ -x "$LUMORA_PG_BINDIR/initdb" ] || die "no initdb in LUMORA_PG_BINDIR=$LUMORA_PG_BINDIR"
    echo "$LUMORA_PG_BINDIR"
    return
  fi
  local dir
  dir="$(for d in /usr/lib/postgresql/*/bin; do echo "$d"; done | sort -V | tail -n 1)"
  if [ -n "$dir" ] && [ -x "$dir/initdb" ]; then
    echo "$dir"
    return
  fi
  if command -v initdb >/dev/null 2>&1; then
    dirname "$(command -v initdb)"
    return
  fi
  die "PostgreSQL server binaries not found (install the postgresql package: tools/install-deps.sh)"
}

# The state folder records how the server was started, so that "stop" can
# find it again: one KEY=VALUE a line.
write_vars() {
  cat >"$state/server.vars" <<EOF
PG_BINDIR=$bindir
PG_WORKDIR=$workdir
PG_DATA=$pgdata
PG_OWNER=$owner
PG_PORT=${port:-}
EOF
}

read_var() {
  [ -f "$state/server.vars" ] || return 0
  sed -n "s/^$1=//p" "$state/server.vars" | head -n 1
}

# Runs a command as the owner of the data folder.
as_owner() {
  local user="$1"
  shift
  if [ "$(id -u)" -eq 0 ] && [ "$user" != root ]; then
    runuser -u "$user" -- "$@"
  else
    "$@"
  fi
}

# A folder this script may delete: empty, or holding the files "start" writes.
is_state_dir() {
  [ -f "$1/server.vars" ] || [ -f "$1/data/PG_VERSION" ] || [ -z "$(ls -A "$1")" ]
}

# Stops a server started from $state (if any) and removes $state.
stop_server() {
  [ -e "$state" ] || return 0
  [ -d "$state" ] || die "$state is not a folder"
  is_state_dir "$state" || die "refusing to remove $state: it is not a state folder of this script"
  local bin work data user
  bin="$(read_var PG_BINDIR)"
  work="$(read_var PG_WORKDIR)"
  data="$(read_var PG_DATA)"
  user="$(read_var PG_OWNER)"
  [ -n "$data" ] || data="$state/data"
  [ -n "$bin" ] || bin="$(find_bindir)"
  if [ -f "$data/postmaster.pid" ]; then
    [ -n "$user" ] || user="$(stat -c %U "$data")"
    local pid
    pid="$(head -n 1 "$data/postmaster.pid")"
    if ! as_owner "$user" "$bin/pg_ctl" -D "$data" stop -m fast -w -t 60 >/dev/null 2>&1; then
      # A server that does not end a fast shutdown in a minute is stuck.
      as_owner "$user" "$bin/pg_ctl" -D "$data" stop -m immediate -w -t 30 >/dev/null 2>&1 || true
    fi
    if [ -f "$data/postmaster.pid" ] && as_owner "$user" "$bin/pg_ctl" -D "$data" status >/dev/null 2>&1; then
      die "the server of $data did not stop"
    fi
    # pg_ctl returns once the pid file is gone; give the process a moment to
    # leave the process table too, so that a check right after finds nothing.
    local i
    for ((i = 0; i < 50; i++)); do
      if [ -z "$pid" ] || [ ! -d "/proc/$pid" ]; then break; fi
      sleep 0.1
    done
  fi
  if [ -n "$work" ] && [ "$work" != "$state" ] && [ -d "$work" ]; then
    rm -rf "$work"
  fi
  rm -rf "$state"
}

# Folder for data, log and socket. Normally the state folder itself; under
# root it must belong to the postgres user, and when that user cannot reach
# it (a private home) or the socket path would be too long, a folder in /tmp
# stands in.
prepare_workdir() {
  workdir="$state"
  if [ "$owner" != "$(id -un)" ]; then
    chown "$owner:" "$state"
    if ! runuser -u "$owner" -- test -w "$state" -a -x "$state"; then
      workdir=""
    fi
  fi
  if [ -n "$workdir" ] && [ "${#workdir}" -gt "$kMaxSocketDirLength" ]; then
    workdir=""
  fi
  if [ -z "$workdir" ]; then
    workdir="$(mktemp -d /tmp/lumora-pg.XXXXXX)"
    [ "$owner" = "$(id -un)" ] || chown "$owner:" "$workdir"
  fi
  chmod 700 "$workdir"
  pgdata="$workdir/data"
  log="$workdir/server.log"
}

# Something is listening on 127.0.0.1:$1.
port_in_use() {
  (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null
}

# A bind failure is worth another port; anything else is not.
port_failure() {
  grep -qE "could not bind|Address already in use|could not create any TCP/IP sockets|could not create lock file" "$log" 2>/dev/null
}

start_postgres() {
  local first="${LUMORA_PG_FIRST_PORT:-$((40000 + $$ % 20000))}" try
  for ((try = 0; try < kPortTries; try++)); do
    port=$((40000 + ((first - 40000 + try * 97) % 20000 + 20000) % 20000))
    if port_in_use "$port"; then
      continue
    fi
    write_vars
    : >"$log"
    [ "$owner" = "$(id -un)" ] || chown "$owner:" "$log"
    if as_owner "$owner" "$bindir/pg_ctl" -D "$pgdata" -l "$log" -w -t 60 \
      -o "-p $port" start >>"$state/pg_ctl.out" 2>&1; then
      return 0
    fi
    if ! port_failure; then
      show_logs "$state/pg_ctl.out" "$log"
      die "the server did not start"
    fi
    echo "pg_test_server: port $port is taken, trying another" >&2
  done
  show_logs "$log"
  die "no free port found after $kPortTries tries"
}

psql_to() {
  local database="$1"
  shift
  PGCONNECT_TIMEOUT=10 psql -X -q -v ON_ERROR_STOP=1 -h 127.0.0.1 -p "$port" -U "$kUser" \
    -d "$database" "$@"
}

# Splits hand-history files into hands and prints SQL that inserts one row per
# hand into the temporary table stored_hands: the hand's room, number and
# start time as its header writes it, and its text with the byte-order mark
# and carriage returns gone, each line ended by a line feed, blank lines
# after the hand dropped. $1 is the room: PokerStars or 888poker.
stored_hands_sql() {
  local room="$1"
  shift
  LC_ALL=C awk -v room="$room" '
    function flush(   n, body, i, number, started, s) {
      if (count == 0) return
      n = count
      while (n > 0 && lines[n] ~ /^[ \t]*$/) n--
      body = ""
      for (i = 1; i <= n; i++) body = body lines[i] "\n"
      number = ""; started = ""
      if (room == "PokerStars") {
        s = lines[1]
        if (match(s, /Hand #[0-9]+/)) number = substr(s, RSTART + 6, RLENGTH - 6)
        # The bracketed (Eastern) time when there is one, else the table time.
        if (match(s, /\[[0-9][0-9][0-9][0-9]\/[0-9][0-9]\/[0-9][0-9] [0-9:]+/))
          started = substr(s, RSTART + 1, RLENGTH - 1)
        else if (match(s, / - [0-9][0-9][0-9][0-9]\/[0-9][0-9]\/[0-9][0-9] [0-9:]+/))
          started = substr(s, RSTART + 3, RLENGTH - 3)
        gsub(/\//, "-", started)
      } else {
        s = lines[1]
        if (match(s, /#Game No : [0-9]+/)) number = substr(s, RSTART + 11, RLENGTH - 11)
        for (i = 1; i <= n; i++) {
          if (index(lines[i], " - *** ") > 0) {
            split(substr(lines[i], index(lines[i], " - *** ") + 7), f, " ")
            started = sprintf("%s-%s-%s %s", f[3], f[2], f[1], f[4])
            break
          }
        }
      }
      if (number == "" || started == "") {
        printf "hand without number or time in %s\n", FILENAME > "/dev/stderr"
        failed = 1
      }
      if (index(body, "$lumora_hand$") > 0) {
        printf "hand %s in %s holds the quoting tag\n", number, FILENAME > "/dev/stderr"
        failed = 1
      }
      printf "insert into stored_hands (room, hand_no, started, body) values (%s, %s, %s, $lumora_hand$%s$lumora_hand$);\n", \
        "\047" room "\047", "\047" number "\047", "\047" started "\047", body
      count = 0
    }
    function starts_hand(s) {
      if (room == "PokerStars") return s ~ /PokerStars Hand #/ || s ~ /PokerStars Zoom Hand #/
      return s ~ /^#Game No :/
    }
    FNR == 1 { flush(); sub(/^\357\273\277/, "") }
    { sub(/\r$/, "") }
    starts_hand($0) { flush(); lines[++count] = $0; next }
    count > 0 { lines[++count] = $0 }
    END { flush(); exit failed }
  ' "$@"
}

# The hand texts of the fixtures, then the edited copies (stored_hands.sql).
stored_hands_script() {
  local data="$kRepo/tests/data"
  echo "create temporary table stored_hands (ord serial, room text, hand_no text,"
  echo "  started timestamp, body text, grp text not null default 'fixture');"
  stored_hands_sql PokerStars "$data"/pokerstars/basics/*.txt "$data"/pokerstars/side_pots/*.txt
  stored_hands_sql 888poker "$data"/888poker/basics/*.txt
  cat "$kSqlDir/stored_hands.sql"
}

# Each psql call says what failed: "|| die" turns off "set -e" inside a
# function, so no call here may go without it.
load_test_databases() {
  local db script
  psql_to postgres -c "alter role $kUser password '$kPassword';" || die "could not set the password"
  for db in lumora_hm1 lumora_hm2 lumora_pt4 lumora_hvd lumora_hvd_empty; do
    psql_to postgres -c "create database $db;" || die "could not create $db"
  done
  script="$(stored_hands_script)" || die "could not split the fixture hands"
  for db in hm1 hm2 pt4; do
    { echo "$script"; cat "$kSqlDir/$db.sql"; } | psql_to "lumora_$db" -f - ||
      die "loading lumora_$db failed"
  done
  psql_to lumora_hvd -f "$kSqlDir/hvd_schema.sql" -f "$kSqlDir/hvd_data.sql" ||
    die "loading lumora_hvd failed"
  psql_to lumora_hvd_empty -f "$kSqlDir/hvd_schema.sql" || die "loading lumora_hvd_empty failed"
}

# The driver manager must know the driver by the name the program asks for,
# and a connection through it must work.
check_odbc() {
  command -v odbcinst >/dev/null 2>&1 || die "odbcinst not found (install unixodbc: tools/install-deps.sh)"
  odbcinst -q -d -n "$kOdbcDriver" >/dev/null 2>&1 ||
    die "the ODBC driver \"$kOdbcDriver\" is not registered (install odbc-postgresql: tools/install-deps.sh)"
  [ -n "${LUMORA_PG_SKIP_TEST_DATA:-}" ] && return 0
  # isql of unixODBC 2.3 takes a whole connection string with -k (after it);
  # its iusql does not.
  command -v isql >/dev/null 2>&1 || return 0
  local connection out
  connection="Driver={$kOdbcDriver};Server=127.0.0.1;Port=$port;Database=lumora_hm2;Uid=$kUser;Pwd=$kPassword;"
  out="$(echo "select 'odbc-ok-' || count(*) from handhistories;" | isql "$connection" -b -v -k 2>&1)" ||
    die "ODBC connection failed: $out"
  grep -q "odbc-ok-[1-9]" <<<"$out" || die "ODBC query through \"$kOdbcDriver\" failed: $out"
}

on_start_exit() {
  local status=$?
  [ "$status" -ne 0 ] || return 0
  show_logs "$log"
  as_owner "$owner" "$bindir/pg_ctl" -D "$pgdata" stop -m immediate >/dev/null 2>&1 || true
}

start() {
  stop_server
  mkdir -p "$state"
  state="$(cd "$state" && pwd)"
  bindir="$(find_bindir)"
  owner="$(id -un)"
  if [ "$(id -u)" -eq 0 ]; then
    id postgres >/dev/null 2>&1 || die "running as root, but there is no postgres user to run the server as"
    owner=postgres
  fi
  prepare_workdir
  port=""
  write_vars

  # From here on a failure stops what was started and shows the server log;
  # the state folder stays for a look and goes with "stop".
  trap on_start_exit EXIT

  as_owner "$owner" "$bindir/initdb" -D "$pgdata" -U "$kUser" --auth=trust -E UTF8 --locale=C -N \
    >"$workdir/initdb.log" 2>&1 || {
    show_logs "$workdir/initdb.log"
    die "initdb failed"
  }
  local socket="${workdir//\'/\'\'}"
  # Durability is worth nothing in a throwaway server; speed is.
  cat >>"$pgdata/postgresql.conf" <<EOF

# tools/pg_test_server.sh
listen_addresses = '127.0.0.1'
unix_socket_directories = '$socket'
max_connections = 40
fsync = off
synchronous_commit = off
full_page_writes = off
EOF
  start_postgres
  local i
  for ((i = 0; i < 60; i++)); do
    pg_isready -q -h 127.0.0.1 -p "$port" -U "$kUser" -d postgres && break
    sleep 0.5
  done
  pg_isready -q -h 127.0.0.1 -p "$port" -U "$kUser" -d postgres || die "the server does not accept connections on port $port"

  if [ -z "${LUMORA_PG_SKIP_TEST_DATA:-}" ]; then
    load_test_databases
  fi
  check_odbc
  cat >"$state/server.env" <<EOF
LUMORA_DB_HOST=127.0.0.1
LUMORA_DB_PORT=$port
LUMORA_DB_USER=$kUser
LUMORA_DB_PASSWORD=$kPassword
EOF
  trap - EXIT
  echo "pg_test_server: PostgreSQL on 127.0.0.1:$port, state in $state"
}

[ $# -eq 2 ] || die "usage: $0 start|stop <state-dir>"
state="$2"
case "$1" in
  start) start ;;
  stop) stop_server ;;
  *) die "usage: $0 start|stop <state-dir>" ;;
esac
