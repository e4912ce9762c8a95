#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Ringvale developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Renders every window of the game to PNG files in out/, without a display, so the layout can
# be looked at: clipped text, overlapping controls and blank pictures show up here first.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --test
cmake -S . -B build/render -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/render --target forms_tests

mkdir -p out
# The window tests write their pictures when RINGVALE_RENDER_DIR is set.
RINGVALE_RENDER_DIR="$PWD/out" QT_QPA_PLATFORM=offscreen build/render/forms_tests --gtest_brief=1
echo "Pictures of the windows are in out/:"
ls out/*.png
