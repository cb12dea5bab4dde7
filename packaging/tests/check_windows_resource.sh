#!/usr/bin/env bash
# Compiles the Windows resource script as a Windows build would and looks for the version record
# in the result: the strings as UTF-16, the numeric version and the two languages.
# Usage: check_windows_resource.sh <resource script>
set -euo pipefail
script=$1
compiled=$(mktemp)
trap 'rm -f "$compiled"' EXIT

# The host preprocessor serves: the script includes no headers.
x86_64-w64-mingw32-windres --preprocessor=cpp --input-format=rc --output-format=res "$script" "$compiled"

hex() { od -An -v -tx1 "$@" | tr -d ' \n'; }
utf16() { printf '%s' "$1" | iconv -f UTF-8 -t UTF-16LE | hex; }
content=$(hex "$compiled")
missing=0
expect() {
    if [[ $content != *"$2"* ]]; then
        echo "missing from the compiled resource: $1"
        missing=1
    fi
}
for text in "1.03.0001" "Loop snelheid bepalen." "Vuko" "Kadenzo" "Kadenzo.exe" "040904B0" \
    "FileVersion" "ProductVersion" "Comments" "CompanyName" "InternalName" "OriginalFilename"; do
    expect "\"$text\"" "$(utf16 "$text")"
done
# The fixed part, in little-endian 32-bit words: signature, structure version, file version 1.3
# and 0.1, product version the same.
expect "file and product version 1.3.0.1" "bd04effe""00000100""03000100""01000000""03000100""01000000"
# Then flags mask and flags, the OS (VOS__WINDOWS32 = 4), file type application (1), subtype 0.
expect "file type application" "3f000000""00000000""04000000""01000000""00000000"
# The language and code page pairs: 0x0409 and 0x0413, each with code page 1200 (0x04B0).
expect "the two languages" "0904b004""1304b004"
# The icon group's entry: 32 x 32, 16 colours, 1 plane, 4 bits, 744 bytes, icon number 1.
expect "the 32 x 32 icon" "20201000""0100""0400""e8020000""0100"
exit $missing
