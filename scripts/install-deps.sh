#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Ringvale developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages Ringvale needs when any is missing: to build and run the game, and
# with --test also to test, fuzz and benchmark it, with --package to make its Debian package, or
# with --check to make it and check it and the licences as a packager would.
# Usage: scripts/install-deps.sh [--test | --package | --check]
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev
  qt6-charts-dev libqt6opengl6-dev # the charts, and the OpenGL module their CMake files ask for
  fonts-liberation2 # compiled into the program
)
case "${1:-}" in
  --test) packages+=(libgtest-dev libbenchmark-dev clang) ;;
  --package) packages+=(dpkg-dev file) ;;
  --check) packages+=(dpkg-dev file lintian reuse desktop-file-utils appstream) ;;
esac

install_missing() {
  local missing=()
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0

  echo "Installing: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

install_missing "${packages[@]}"
if [ "${1:-}" = "--test" ]; then
  # The fuzzers' run-time library belongs to the clang installed, whatever the release ships.
  install_missing "libclang-rt-$(clang -dumpversion | cut -d. -f1)-dev"
fi
