#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brenvolt developers
# SPDX-License-Identifier: MIT
# Installs what is missing, builds, and starts Brenvolt beside its
# InputFiles/ and Stuff/ folders.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
cd build/src
exec ./brenvolt "$@"
