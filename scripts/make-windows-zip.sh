#!/bin/sh
# The Windows download, as a portable program comes: one folder holding
# golv.exe with the language files beside it, as GOLV looks for them in
# the folder it works on, and the README and licence as text files
# that Notepad opens (CR LF line ends).
#   scripts/make-windows-zip.sh BUILD-FOLDER OUTPUT-FOLDER
set -eu

build=$1
output=$2
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=golv-$version-windows-x64
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

mkdir -p "$stage/$name"
cp "$build/golv.exe" "$stage/$name/"
cp languages/*.lng "$stage/$name/"
sed 's/$/\r/' README.md > "$stage/$name/README.txt"
sed 's/$/\r/' packaging/copyright > "$stage/$name/LICENCE.txt"

rm -f "$output/$name.zip"
(cd "$stage" && zip -q -r -X "$name.zip" "$name")
mv "$stage/$name.zip" "$output/"
echo "$output/$name.zip"
