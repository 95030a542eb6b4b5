#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brenvolt developers
# SPDX-License-Identifier: MIT
# Every test has a short, plain name of its own: ctest -N lists the same
# names on two runs, none over 120 characters, none with a printed parameter
# value (GetParam), and none with a character that ctest -R would read as
# more than itself, so that ctest -R NAME finds each test by its listed name.
# Usage: testNameCheck.sh BUILD_DIR
set -uo pipefail
build=${1:?usage: testNameCheck.sh BUILD_DIR}
list() { ctest --test-dir "$build" -N | sed -n 's/^ *Test *#[0-9]*: //p'; }
first=$(list) || exit 1
second=$(list) || exit 1
bad=0
[ -n "$first" ] || { echo "ctest -N lists no test"; exit 1; }
if [ "$first" != "$second" ]; then
    echo "ctest -N lists other names on a second run:"; diff <(echo "$first") <(echo "$second"); bad=1
fi
long=$(echo "$first" | awk 'length($0) > 120')
[ -n "$long" ] && { echo "Names over 120 characters:"; echo "$long"; bad=1; }
if found=$(echo "$first" | grep -n 'GetParam'); then echo "Names with a printed parameter:"; echo "$found"; bad=1; fi
if found=$(echo "$first" | grep -nv '^[A-Za-z0-9_./]*$'); then
    echo "Names that ctest -R would not find as they are written:"; echo "$found"; bad=1
fi
[ "$bad" -eq 0 ] && echo "$(echo "$first" | wc -l) test names, each short, plain and the same on every run"
exit "$bad"
