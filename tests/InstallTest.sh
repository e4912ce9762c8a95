#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Ringvale developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What the package holds, as cpack installs it: one program and nothing loaded beside it, and the
# program starts from where it is installed, showing its first window.
# Usage: tests/InstallTest.sh <build folder> <program folder under the prefix>
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$1" --prefix "$prefix/usr" >/dev/null

programs=$(cd "$prefix" && find . -type f -exec sh -c 'head -c 4 "$1" | grep -q ELF' _ {} \; -print)
if [ "$programs" != "./usr/$2/ringvale" ]; then
  echo "expected one program, ./usr/$2/ringvale; found: ${programs:-none}" >&2
  exit 1
fi
HOME="$prefix/home" QT_QPA_PLATFORM=offscreen RINGVALE_EXIT_AFTER_SHOW=1 "$prefix/usr/$2/ringvale"
echo "installed: $(cd "$prefix" && find . -type f | sort | tr '\n' ' ')"
