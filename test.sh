#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brenvolt developers
# SPDX-License-Identifier: MIT
# Installs what is missing, builds, and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
cd build
ctest --output-on-failure -j "$(nproc)"
