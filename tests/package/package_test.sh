#!/usr/bin/env bash
# Unpacks the Debian package into a scratch root (dpkg -x, nothing installed on the system),
# checks its contents and control fields, and runs `ovisctl demo` and `ovisctl image` from there.
#
#   tests/package/package_test.sh build/release/ovis_<version>_<arch>.deb
set -euo pipefail
deb=${1:?Aufruf: tests/package/package_test.sh PAKET.deb}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root

passed=0
failed=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@" >"$scratch/out" 2>&1; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "package_test: FEHLER: $what" >&2
    tail -n 20 "$scratch/out" >&2
  fi
}
has_field() { dpkg-deb -f "$deb" "$1" | grep -q -- "$2"; }
runs_with_output() {  # the command succeeds and prints something
  "$@" >"$scratch/run" && [ -s "$scratch/run" ]
}

dpkg-deb -x "$deb" "$root"

for f in usr/bin/ovis usr/bin/ovisctl usr/bin/ovis-sim; do check "$f ausführbar" test -x "$root/$f"; done
check "Hilfeseiten" compgen -G "$root/usr/share/ovis/Hilfe/*.html"
check "Desktop-Eintrag" grep -q '^Icon=ovis$' "$root/usr/share/applications/ovis.desktop"
check "Dateitypen" grep -q 'application/x-ovis-analyser' "$root/usr/share/mime/packages/ovis.xml"
check "Symbol" grep -q '<svg' "$root/usr/share/icons/hicolor/scalable/apps/ovis.svg"
check "Handbuchseiten" test -s "$root/usr/share/man/man1/ovis.1.gz" -a -s "$root/usr/share/man/man1/ovisctl.1.gz" -a -s "$root/usr/share/man/man1/ovis-sim.1.gz"
check "Copyright und Changelog" test -s "$root/usr/share/doc/ovis/copyright" -a -s "$root/usr/share/doc/ovis/changelog.gz"
check "Abhängigkeiten aus den Bibliotheken" has_field Depends 'libqt6gui6'
check "deutsche Beschreibung" has_field Description 'Aufzeichnungen auslesen'

base=$scratch/base
check "ovisctl demo" runs_with_output "$root/usr/bin/ovisctl" demo "$base"
check "ovisctl image" runs_with_output "$root/usr/bin/ovisctl" image "$base/Projekte/Demo"

echo "package_test: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
