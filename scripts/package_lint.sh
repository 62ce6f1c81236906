#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Holds what Calcora ships to the checkers distributions hold it to. One check
# per call; each prints what it checked and fails with the checker's words.
#   scripts/package_lint.sh metainfo FILE     appstreamcli validate --no-net
#   scripts/package_lint.sh desktop FILE      desktop-file-validate
#   scripts/package_lint.sh manpage FILE      man renders it without a warning
#   scripts/package_lint.sh release ROOT VERSION
#       the changelog, the metadata's newest release and the manual page name
#       VERSION and one date
#   scripts/package_lint.sh licence ROOT      every source file names its licence
#   scripts/package_lint.sh deb FILE          lintian --pedantic -I reports
#       nothing, hardening-check finds every protection in the program, and
#       the files inside pass the checks above
#   scripts/package_lint.sh package BUILD_DIR makes the package with cpack
#       under umask 077, then checks it as deb does
# Exits 77 (a skip to ctest) when a checker is not installed.
set -euo pipefail

fail() { echo "FAILED: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
need() {
  command -v "$1" >/dev/null || { echo "$1 is not installed (package $2): check skipped"; exit 77; }
}

check_metainfo() {
  need appstreamcli appstream
  appstreamcli validate --no-net "$1" || fail "$1 does not validate"
}

check_desktop() {
  need desktop-file-validate desktop-file-utils
  # It prints its findings and still exits 0 for some of them: any line fails.
  local findings
  findings=$(desktop-file-validate "$1" 2>&1) || fail "$1: $findings"
  [[ -z $findings ]] || fail "$1: $findings"
  echo "$1: desktop-file-validate finds nothing."
}

check_manpage() {
  need man man-db
  # The way lintian renders a page; man exits 0 on groff's warnings, so
  # anything on standard error fails.
  local warnings
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$1" 2>&1 >/dev/null) \
    || fail "man cannot render $1: $warnings"
  [[ -z $warnings ]] || fail "$1: $warnings"
  echo "$1: man renders it without a warning."
}

check_release() {
  local root=$1 version=$2
  local changelog=$root/packaging/changelog metainfo=$root/app/org.calcora.Calcora.metainfo.xml
  local page=$root/app/calcora.1
  local logged stamp logged_date released released_date page_date page_version
  logged=$(sed -n '1s/^calcora (\([^)]*\)).*/\1/p' "$changelog")
  stamp=$(sed -n 's/^ -- .*>  //p' "$changelog" | head -n 1)
  logged_date=$(date -u -d "$stamp" +%F) || fail "$changelog: no date in '$stamp'"
  read -r released released_date < <(grep -m 1 -o '<release version="[^"]*" date="[^"]*"' "$metainfo" |
    sed -E 's/.*version="([^"]*)" date="([^"]*)"/\1 \2/')
  read -r page_date page_version < <(sed -n -E 's/^\.TH [^ ]+ 1 ([^ ]+) "Calcora ([^"]*)".*/\1 \2/p' "$page")
  printf '%-10s %-8s %s\n' project "$version" "" changelog "$logged" "$logged_date" \
    metainfo "$released" "$released_date" "man page" "$page_version" "$page_date"
  [[ $logged == "$version" && $released == "$version" && $page_version == "$version" ]] \
    || fail "the release files do not all name version $version"
  [[ $released_date == "$logged_date" && $page_date == "$logged_date" ]] \
    || fail "the release files do not all name one date"
}

check_licence() {
  local root=$1 unnamed=()
  while IFS= read -r -d '' file; do
    head -n 3 "$file" | grep -q 'SPDX-License-Identifier: MIT' || unnamed+=("${file#"$root"/}")
  done < <(find "$root"/{app,bench,cmake,engine,fixeddec,fuzz,scripts,tests,ui,.ci} \
             "$root/CMakeLists.txt" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.py' \
             -o -name '*.sh' -o -name '*.cmake' -o -name CMakeLists.txt -o -name '*.qrc' \
             -o -name '*.desktop' -o -name '*.xml' -o -name '*.1' -o -path '*/.ci/*' \) -print0)
  ((${#unnamed[@]} == 0)) || fail "no SPDX-License-Identifier line at the head of: ${unnamed[*]}"
  [[ -f $root/LICENSE ]] || fail "no LICENSE at $root"
  echo "Every source file names the MIT licence."
}

check_deb() {
  need lintian lintian
  local deb=$1 tree=$work/tree
  # Every tag down to the informational and pedantic ones fails.
  local tags
  # (Its notes on standard error, such as running as root, are no tags.)
  tags=$(lintian --pedantic -I --fail-on none "$deb" 2>"$work/lintian.err") ||
    fail "lintian could not check $deb: $(cat "$work/lintian.err")"
  [[ -z $tags ]] || fail "lintian reports on $deb:"$'\n'"$tags"
  echo "$deb: lintian --pedantic -I reports nothing."
  rm -rf "$tree"
  dpkg-deb -x "$deb" "$tree"
  need hardening-check devscripts
  # Every protection dpkg-buildflags asks for must be found. Control-flow
  # protection is compiled in too, but Debian 12's C start files (Scrt1.o,
  # crti.o, crtn.o) carry no IBT/SHSTK property, so no program linked there
  # is marked with it; stack clash protection shows only as "unknown" in a
  # program without large stack frames.
  local hardening
  hardening=$(hardening-check --nocfprotection "$tree/usr/bin/calcora") ||
    fail "hardening-check:"$'\n'"$hardening"
  echo "$hardening"
  need appstreamcli appstream
  # The tree as installed: the metadata, its desktop entry and the icon.
  appstreamcli validate-tree --no-net "$tree" || fail "the installed metadata does not validate"
  check_desktop "$tree/usr/share/applications/org.calcora.Calcora.desktop"
  check_manpage "$tree/usr/share/man/man1/calcora.1.gz"
}

check_package() {
  need cpack cmake
  local build=$1 out=$work/package
  # Under the strictest umask, so that lintian sees the folder permissions
  # the package gets whatever the packager's umask.
  (umask 077 && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >/dev/null) || fail "cpack failed"
  check_deb "$out"/calcora_*.deb
}

check=${1:-}
shift || true
case "$check" in
  metainfo|desktop|manpage|licence|deb|package) (($# == 1)) || fail "usage: $0 $check ARGUMENT"; "check_$check" "$1" ;;
  release) (($# == 2)) || fail "usage: $0 release ROOT VERSION"; check_release "$1" "$2" ;;
  *) echo "usage: $0 metainfo|desktop|manpage|release|licence|deb|package ARGUMENT..." >&2; exit 2 ;;
esac
