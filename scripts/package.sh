#!/usr/bin/env bash
# Builds the Debian package of Ringvale into build/package/; install it with
#   sudo apt-get install ./build/package/ringvale_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --package
# Debian keeps the programs of games in /usr/games, also when this tree was configured otherwise.
cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DCMAKE_INSTALL_BINDIR:PATH=games >/dev/null
cmake --build build/package
(cd build/package && cpack -G DEB)
