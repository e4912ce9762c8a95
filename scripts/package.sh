#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Ringvale developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package of Ringvale into build/package/; install it with
#   sudo apt-get install ./build/package/ringvale_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --package
# Debian keeps the programs of games in /usr/games, also when this tree was configured otherwise,
# and builds them with its hardening flags (all of them, so with bindnow too).
flags() { DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"; }
cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DCMAKE_INSTALL_BINDIR:PATH=games -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)" -DCMAKE_MODULE_LINKER_FLAGS="$(flags LDFLAGS)" \
  >/dev/null
cmake --build build/package
(cd build/package && cpack -G DEB)
