#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brenvolt developers
# SPDX-License-Identifier: MIT
# Installs what is missing, builds, and makes the Debian package
# build/brenvolt_VERSION_ARCH.deb. Install it with: apt install ./build/brenvolt_*.deb
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
cd build
rm -f brenvolt_*.deb
cpack -G DEB
echo "Package: $(ls "$PWD"/brenvolt_*.deb)"
