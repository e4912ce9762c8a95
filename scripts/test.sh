#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Ringvale developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds Ringvale and runs every test: once as built for play, then the file readers under the
# fuzzer for a minute each, then every test again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --test
jobs=$(nproc)

# The benchmarks are built here too, so they keep compiling; bench/ says how to run them.
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRINGVALE_BENCH=ON >/dev/null
cmake --build build/test
ctest --test-dir build/test --output-on-failure -j "$jobs"

bash scripts/fuzz.sh 60

cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DRINGVALE_SANITIZE=ON >/dev/null
cmake --build build/sanitize
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS=suppressions="$PWD/tests/sanitizers/lsan.supp" \
  ctest --test-dir build/sanitize --output-on-failure -j "$jobs"
