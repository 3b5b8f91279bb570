#!/usr/bin/env bash
# Installs every Debian package Lumora needs to build, test and benchmark.
# Does nothing when they are all present. Run as root (or with sudo at hand).
set -euo pipefail

packages=(
  build-essential cmake pkg-config clang-format
  clang libclang-rt-14-dev
  libboost-regex-dev libfmt-dev libcli11-dev libexpat1-dev
  libwxgtk3.2-dev
  unixodbc unixodbc-dev odbc-postgresql
  postgresql
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  xvfb xauth
  python3 time
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
