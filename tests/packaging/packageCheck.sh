#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brenvolt developers
# SPDX-License-Identifier: MIT
# Checks of the installable program, run by ctest (see CMakeLists.txt here):
#   packageCheck.sh desktop FILE                 the desktop entry validates, without a hint
#   packageCheck.sh metainfo FILE                the AppStream file validates
#   packageCheck.sh build BUILD_DIR WORK_DIR     cpack makes the .deb, unpacked into WORK_DIR/root
#   packageCheck.sh files WORK_DIR ID VERSION LICENSE
#                                                the package holds every file, the licence and its control fields
#   packageCheck.sh lintian WORK_DIR             lintian finds no error and no warning in the .deb
#   packageCheck.sh version WORK_DIR VERSION     the unpacked program prints its version
#   packageCheck.sh installed WORK_DIR           the unpacked program runs installed from a fresh home
#   packageCheck.sh languages WORK_DIR           the unpacked program speaks German and Dutch (built in)
#   packageCheck.sh portable BUILD_DIR           the build tree runs portable
set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }
# A fresh home with its own XDG folders, removed on exit.
fresh_home() {
  home=$(mktemp -d)
  trap 'rm -rf "$home"' EXIT
  mkdir -m 700 "$home/runtime"
  export HOME=$home XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime
  export QT_QPA_PLATFORM=offscreen
  # English, whatever the machine's language, unless a check asks for another.
  export LANGUAGE=en
}
has_line() {  # has_line OUTPUT LINE
  grep -qxF -- "$2" <<<"$1" || fail "no line '$2' in:"$'\n'"$1"
}

what=$1; shift
case $what in
desktop)
  # Hints (two main categories, say) leave the exit code at 0: any output fails.
  out=$(desktop-file-validate "$1" 2>&1) || fail "$out"
  [ -z "$out" ] || fail "$out"
  ;;
metainfo) appstreamcli validate --no-net "$1" ;;
build)
  build=$1 work=$2
  rm -rf "$work"
  # The package of what is built already: cpack installs the build tree as it is.
  cpack -G DEB -B "$work" --config "$build/CPackConfig.cmake"
  debs=("$work"/brenvolt_*.deb)
  [ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one brenvolt_*.deb in $work"
  dpkg-deb -x "${debs[0]}" "$work/root"
  ;;
files)
  work=$1 id=$2 version=$3 license=$4
  deb=("$work"/brenvolt_*.deb)
  listing=$(dpkg-deb -c "${deb[0]}" | awk '{ $1=$2=$3=$4=$5=""; sub(/^ +/, ""); print }')
  for f in usr/bin/brenvolt \
           "usr/share/brenvolt/InputFiles/SoF2 default.txt" \
           usr/share/brenvolt/Stuff/front.jpg \
           "usr/share/applications/$id.desktop" \
           "usr/share/icons/hicolor/scalable/apps/$id.svg" \
           "usr/share/icons/hicolor/256x256/apps/$id.png" \
           "usr/share/metainfo/$id.metainfo.xml" \
           usr/share/man/man1/brenvolt.1.gz \
           usr/share/doc/brenvolt/copyright \
           usr/share/doc/brenvolt/changelog.Debian.gz \
           usr/share/lintian/overrides/brenvolt \
           usr/share/brenvolt/translations/brenvolt_de.qm \
           usr/share/brenvolt/translations/brenvolt_nl.qm; do
    has_line "$listing" "./$f"
  done
  file -b "$work/root/usr/share/icons/hicolor/256x256/apps/$id.png" | grep -q "256 x 256" || fail "the icon is not 256 px"
  control=$(dpkg-deb -f "${deb[0]}" Package Version Section)
  has_line "$control" "Package: brenvolt"
  has_line "$control" "Section: utils"
  # The release and the package's own revision; the change log's first entry names that version.
  debian_version=$(dpkg-deb -f "${deb[0]}" Version)
  [[ $debian_version =~ ^${version//./\.}-[0-9]+$ ]] || fail "version $debian_version is not $version-REVISION"
  first=$(zcat "$work/root/usr/share/doc/brenvolt/changelog.Debian.gz" | head -n 1)
  [[ $first == "brenvolt ($debian_version) "* ]] || fail "the change log starts with '$first'"
  # The copyright file holds the licence word for word (a DEP-5 text: one blank
  # in front of each line, '.' for an empty one), after its copyright line.
  copyright=$work/root/usr/share/doc/brenvolt/copyright
  head -n 1 "$copyright" | grep -q "copyright-format/1.0" || fail "the copyright file is not machine-readable"
  has_line "$(cat "$copyright")" "$(grep -m 1 '^Copyright' "$license" | sed 's/^Copyright (c) /Copyright: /')"
  licence_text=$(awk '/^License: MIT$/ { text = ""; next } { text = text $0 "\n" } END { printf "%s", text }' \
                 "$copyright" | sed 's/^ //; s/^\.$//')
  [ "$licence_text" = "$(tail -n +5 "$license")" ] || fail "the copyright file's MIT text is not the licence"
  grep -q "<project_license>MIT</project_license>" "$work/root/usr/share/metainfo/$id.metainfo.xml" ||
    fail "the AppStream data names no project licence"
  dpkg-deb -f "${deb[0]}" Depends | grep -q "libqt6widgets6" || fail "Depends does not name libqt6widgets6"
  # Qt's own translations come from their Debian package.
  dpkg-deb -f "${deb[0]}" Recommends | grep -q "qt6-translations-l10n" ||
    fail "Recommends does not name qt6-translations-l10n"
  ;;
lintian)
  work=$1
  deb=("$work"/brenvolt_*.deb)
  # Information tags are listed but pass; an override in the package says why it holds.
  out=$(lintian --display-info --fail-on error,warning "${deb[0]}" 2>&1) || fail "lintian:"$'\n'"$out"
  echo "$out"
  ;;
version)
  work=$1 version=$2
  out=$("$work/root/usr/bin/brenvolt" --version)
  [ "$out" = "brenvolt $version" ] || fail "--version printed '$out'"
  ;;
installed)
  work=$1
  root=$(cd "$work/root" && pwd)
  fresh_home
  user=$XDG_DATA_HOME/brenvolt
  out=$("$root/usr/bin/brenvolt" --list-definitions)
  has_line "$out" "Mode: installed"
  has_line "$out" "Definition file: $root/usr/share/brenvolt/InputFiles/SoF2 default.txt"
  has_line "$out" "Output folder: $user/OutputCfgFiles"
  [ -d "$user/InputFiles" ] || fail "the per-user InputFiles folder was not made"
  [ -z "$(ls -A "$root/usr/bin" | grep -vx brenvolt)" ] || fail "something was written beside the program"

  # The user's files come first; one named like a shipped file takes its place.
  printf 'key:F9\n' >"$user/InputFiles/SoF2 default.txt"
  printf 'key:F8\n' >"$user/InputFiles/mine.txt"
  out=$("$root/usr/bin/brenvolt" --list-definitions)
  files=$(grep '^Definition file: ' <<<"$out")
  expected="Definition file: $user/InputFiles/mine.txt
Definition file: $user/InputFiles/SoF2 default.txt"
  [ "$files" = "$expected" ] || fail "listed:"$'\n'"$files"

  # The windows come up and stay until ended.
  rc=0
  timeout 3 "$root/usr/bin/brenvolt" || rc=$?
  [ $rc -eq 124 ] || fail "the program ended by itself with $rc"
  ;;
languages)
  work=$1
  fresh_home
  program=$work/root/usr/bin/brenvolt
  # The help in the system's language, Qt's own lines too; English for a
  # language the program does not speak.
  out=$(LANGUAGE=nl "$program" --help)
  grep -q "^Gebruik: " <<<"$out" || fail "no Dutch usage line in:"$'\n'"$out"
  grep -q "Maakt console-cfg-bestanden" <<<"$out" || fail "no Dutch description in:"$'\n'"$out"
  out=$(LANGUAGE=de "$program" --list-definitions)
  has_line "$out" "Modus: installiert"
  out=$(LANGUAGE=fr:en "$program" --help)
  grep -q "^Usage: " <<<"$out" || fail "no English usage line in:"$'\n'"$out"
  ;;
portable)
  build=$1
  program=$(cd "$build/src" && pwd)
  fresh_home
  out=$("$program/brenvolt" --list-definitions)
  has_line "$out" "Mode: portable"
  has_line "$out" "Definition file: $program/InputFiles/SoF2 default.txt"
  has_line "$out" "Output folder: $program/OutputCfgFiles"
  [ ! -e "$XDG_DATA_HOME/brenvolt" ] || fail "a portable run made a per-user folder"
  ;;
*) fail "unknown check $what" ;;
esac
echo "ok: $what"
