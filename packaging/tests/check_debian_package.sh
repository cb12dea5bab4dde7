#!/usr/bin/env bash
# Builds the Debian package of the build and checks its name, its dependencies and its files.
# Usage: check_debian_package.sh <build folder> <application id> <version>
set -euo pipefail
build=$1 id=$2 version=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
package=$out/kadenzo_${version}_amd64.deb
test -f "$package"
echo "package: $(basename "$package"), $(stat -c %s "$package") bytes"

depends=$(dpkg-deb -f "$package" Depends)
echo "depends: $depends"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation qt6-translations-l10n; do
    [[ $depends == *"$needed"* ]] || { echo "not a dependency: $needed"; exit 1; }
done

files=$(dpkg-deb -c "$package" | awk '{print $6}')
for path in ./usr/bin/kadenzo ./usr/share/applications/$id.desktop \
    ./usr/share/metainfo/$id.metainfo.xml; do
    grep -qx "$path" <<<"$files" || { echo "not in the package: $path"; exit 1; }
done
for size in 32 64 96 128 256; do
    path=./usr/share/icons/hicolor/${size}x${size}/apps/$id.png
    grep -qx "$path" <<<"$files" || { echo "not in the package: $path"; exit 1; }
done
