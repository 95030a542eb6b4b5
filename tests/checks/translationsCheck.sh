#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brenvolt developers
# SPDX-License-Identifier: MIT
# Every text of the sources is in every translation file, translated: lupdate
# reads the sources into copies of the files, which must then hold no
# unfinished entry. A new text fails here until `update_translations` has
# added it and it is translated.
set -euo pipefail
lupdate=${1:?usage: translationsCheck.sh LUPDATE SOURCE_DIR}
source=${2:?usage: translationsCheck.sh LUPDATE SOURCE_DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source"/translations/*.ts "$work"/
"$lupdate" -silent -no-obsolete -locations none "$source/src" -ts "$work"/*.ts
bad=0
for ts in "$work"/*.ts; do
  if grep -B3 'type="unfinished"' "$ts" >"$work/unfinished"; then
    echo "$(basename "$ts"): texts not translated yet:"; grep '<source>' "$work/unfinished"; bad=1
  fi
done
[ "$bad" -eq 0 ] && echo "every text is translated in $(ls "$work"/*.ts | wc -l) files"
exit "$bad"
