#!/usr/bin/env bash
# Installs the build into a scratch folder and checks what a desktop sees of it: the program, the
# desktop entry, the AppStream metainfo and the icons.
# Usage: check_installed.sh <build folder> <application id> <icon test program>
set -euo pipefail
build=$1 id=$2 icon_test=$3
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

cmake --install "$build" --prefix "$root/usr" >/dev/null
share=$root/usr/share
test -x "$root/usr/bin/kadenzo"
desktop-file-validate "$share/applications/$id.desktop"
grep -qx 'Terminal=false' "$share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$share/metainfo/$id.metainfo.xml"
KADENZO_ICON_THEME=$share/icons/hicolor KADENZO_APP_ID=$id "$icon_test"
echo "installed:"
(cd "$root" && find . -type f | sort)
