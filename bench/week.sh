#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Ringvale developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# One Next Week at week 500 with Records, Fight Log and Career Chart open
# (bench/ringvale_week_bench), on an X server with a window manager as on a desktop: first with
# no accessibility client, then with one listening (bench/screen_reader on the accessibility bus).
# Qt speaks to assistive technology only when the accessibility bus says a screen reader runs
# (QAccessible::isActive), and sends each kind of event only when a client asked for it.
# Prints the medians: "Time" is wall time, "CPU" the game's own processor time.
# Usage: bench/week.sh [build folder configured with -DRINGVALE_BENCH=ON] (default build/bench)
#        Needs the Debian packages xvfb, openbox, dbus and at-spi2-core.
set -euo pipefail

case "${1:-}" in
  --desktop)  # inside the X server
    bench=$2 reader=$3
    openbox >/dev/null 2>&1 &
    sleep 1
    echo "== No accessibility client"
    "$bench"
    echo "== A screen reader listening"
    dbus-run-session -- bash "$0" --reader "$bench" "$reader"
    exit 0
    ;;
  --reader)  # inside a session bus
    bench=$2 reader=$3
    heard=$(mktemp)
    "$reader" >"$heard" &
    readerPid=$!
    for _ in $(seq 100); do grep -q listening "$heard" && break; sleep 0.1; done
    "$bench" --with-accessibility-client
    kill "$readerPid"
    wait "$readerPid"
    tail -n 1 "$heard"
    rm -f "$heard"
    exit 0
    ;;
esac

cd "$(dirname "$0")/.."
build=${1:-build/bench}
bench="$build/bench/ringvale_week_bench"
reader="$build/bench/screen_reader"
for program in "$bench" "$reader"; do
  [ -x "$program" ] || { echo "missing $program: build with -DRINGVALE_BENCH=ON" >&2; exit 1; }
done
for tool in xvfb-run openbox dbus-run-session; do
  command -v "$tool" >/dev/null || { echo "missing $tool (Debian: xvfb, openbox, dbus)" >&2; exit 1; }
done
export QT_QPA_PLATFORM=xcb
# The windows' places go to a settings folder of the run's own, not the player's.
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
xvfb-run -a -s "-screen 0 1600x1200x24" bash "$0" --desktop "$bench" "$reader" 2>&1 |
  grep -E "^==|_median|heard|rror" | grep -v dbus-daemon
