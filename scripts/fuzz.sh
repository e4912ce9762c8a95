#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Ringvale developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the file-reader fuzz targets with clang and runs each for a bounded time, starting from
# the seed corpus. Fails on any crash, hang, sanitizer report or leak.
# Usage: scripts/fuzz.sh [seconds per fuzzer, default 60]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
build=${RINGVALE_FUZZ_BUILD:-build/fuzz}

bash scripts/install-deps.sh --test
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRINGVALE_FUZZ=ON \
  -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build"

# The game folder of the fuzz targets, in memory when the system has /dev/shm.
RINGVALE_FUZZ_FOLDER=$(mktemp -d -p "$([ -d /dev/shm ] && echo /dev/shm || echo "${TMPDIR:-/tmp}")")
export RINGVALE_FUZZ_FOLDER
trap 'rm -rf "$RINGVALE_FUZZ_FOLDER"' EXIT

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

run() {
  local fuzzer=$1 seeds=$2
  # The seeds stay as committed; what the fuzzer learns goes to a scratch corpus.
  local work="$build/corpus-$fuzzer" artifacts="$build/artifacts-$fuzzer/"
  mkdir -p "$work" "$artifacts"
  echo "== $fuzzer: $seconds s"
  "$build/fuzz/$fuzzer" "$work" "$seeds" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -max_len=4096 -detect_leaks=1 -print_final_stats=1 \
    -artifact_prefix="$artifacts" 2>"$build/$fuzzer.log" || {
    tail -n 60 "$build/$fuzzer.log"
    echo "$fuzzer failed; the input is in $artifacts" >&2
    return 1
  }
  grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$build/$fuzzer.log"
}

run CareerFileFuzzer fuzz/corpus/career
run HallFileFuzzer fuzz/corpus/hall
run FightLogFuzzer fuzz/corpus/log
