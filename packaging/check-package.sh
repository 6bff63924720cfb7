#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The checks of make package, on the .deb just built: lintian, the desktop file, the AppStream
# metainfo, the manuals, and the packaged programs run from the unpacked package tree.
set -euo pipefail
deb=$1
[[ -f $deb ]] || { echo "check-package: no package at $deb" >&2; exit 1; }
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT

echo "== lintian"
# Errors and warnings fail; the package's own overrides give the reason for each one left.
lintian --fail-on error,warning --display-info "$deb"

echo "== contents"
dpkg-deb -x "$deb" "$tree"
desktop-file-validate "$tree"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$tree"/usr/share/metainfo/*.metainfo.xml
for page in "$tree"/usr/share/man/man1/*.1.gz; do
    # man --warnings prints what groff finds wrong; any output is a fault.
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [[ -z $warnings ]] || { echo "$page: $warnings" >&2; exit 1; }
done
bash -n "$tree"/usr/share/bash-completion/completions/vardex-cli

echo "== smoke run from the package tree"
libdir=$(dirname "$(find "$tree"/usr/lib -name 'libdaybridge.so.*' | head -n 1)")
export LD_LIBRARY_PATH=$libdir
cli=$tree/usr/bin/vardex-cli
"$cli" --version
"$cli" calc --ymd "2024-3-5 CE" | grep -q "Tuesday"
"$cli" equinox --ymd "2024-1-1 CE" --years 1 | grep -q "2024-03-20 CE"
# The data files are found in ../share/vardex from the program's folder.
"$cli" history --place england --written 1731-2-11 | grep -q "1732"
QT_QPA_PLATFORM=offscreen timeout 60 "$tree"/usr/bin/vardex --quit-after-first-paint
echo "package checks passed: $deb"
