#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brenvolt developers
# SPDX-License-Identifier: MIT
# The layers of src/ include downwards only: model <- platform <- ui <- main.cpp.
# No file of the model includes Qt, platform/ or ui/; no file of platform/
# includes ui/. Usage: layerCheck.sh SRC_DIR
set -uo pipefail
src=${1:?usage: layerCheck.sh SRC_DIR}
[ -d "$src/model" ] && [ -d "$src/platform" ] && [ -d "$src/ui" ] || { echo "no layers under $src"; exit 1; }
bad=0
qt='^[[:space:]]*#[[:space:]]*include[[:space:]]*<(Q|qt)'
if found=$(grep -rnE "$qt|^[[:space:]]*#[[:space:]]*include[[:space:]]*\"(platform/|ui/|ui_)" "$src/model"); then
    echo "The model includes Qt, platform/ or ui/:"; echo "$found"; bad=1
fi
if found=$(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"(ui/|ui_)' "$src/platform"); then
    echo "platform/ includes ui/:"; echo "$found"; bad=1
fi
[ "$bad" -eq 0 ] && echo "Includes point down: model <- platform <- ui <- main.cpp"
exit "$bad"
