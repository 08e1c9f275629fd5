#!/bin/sh
# golv.exe under Wine, in demo folders beside a synthetic engine executable:
#   scripts/windows-test.sh LINUX-BUILD-FOLDER WINDOWS-FOLDER
# It must plan what the Linux build plans and patch the same bytes; it must
# open its window; and every window is drawn to WINDOWS-FOLDER/screenshots
# through Windows' own platform code, to be looked at.
set -eu

linux=$(cd "$1" && pwd)
windows=$(cd "$2" && pwd)
exe=$windows/golv/golv.exe
languages=$(pwd)/languages

# A prefix of the build folder's own: the user's Wine setup is neither
# needed nor touched. No offers to install .NET or a browser engine.
export WINEPREFIX="$windows/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT

# A demo folder, with a preset that changes one setting of every window.
demo() {
    mkdir -p "$1"
    "$linux/make-test-exe" --with-config "$1/quenb.exe"
    cp "$languages"/*.lng "$1/"
    printf '%s\r\n' "[preset]" "version=0.673" "DrawingDistanceRange=5" "PistolDamage=7" "HMainColourR=200" \
        "MainFontMainColourR=100" "ShadowA=50" "SparkleAmount=9" "PistolFlashArea=20" "DefBigMedkits=2" \
        "SkeletonHP=99" "ShellGravity=7" "BatDmg=5" > "$1/every.qpt"
}
fail() {
    echo "windows-test: $*" >&2
    exit 1
}

# The same plan. Windows ends printed lines with CR LF, as its text files do.
demo "$work/plan"
(cd "$work/plan" && "$linux/golv" --plan --preset every.qpt) > "$work/plan-linux.txt"
(cd "$work/plan" && wine "$exe" --plan --preset every.qpt) | tr -d '\r' > "$work/plan-windows.txt"
[ "$(wc -l < "$work/plan-linux.txt")" -gt 12 ] || fail "the Linux build planned less than the preset changes"
cmp -s "$work/plan-linux.txt" "$work/plan-windows.txt" || {
    diff "$work/plan-linux.txt" "$work/plan-windows.txt" | head -n 20 >&2
    fail "golv.exe --plan differs from the Linux build's"
}
echo "windows-test: golv.exe --plan prints what the Linux build prints ($(wc -l < "$work/plan-linux.txt") lines)"

# The same patched executable.
demo "$work/linux"
demo "$work/windows"
cp "$work/linux/quenb.exe" "$work/unpatched.exe"
(cd "$work/linux" && "$linux/golv" --silent --preset every.qpt)
(cd "$work/windows" && wine "$exe" --silent --preset every.qpt) || fail "golv.exe --silent did not patch"
cmp -s "$work/unpatched.exe" "$work/windows/quenb.exe" && fail "golv.exe --silent left the executable as it was"
cmp "$work/linux/quenb.exe" "$work/windows/quenb.exe" || fail "golv.exe --silent wrote other bytes than the Linux build"
echo "windows-test: golv.exe --silent patches byte for byte as the Linux build does"

# Its own window, on a screen of Xvfb's: started, seen, then ended. The
# Wine server of the runs above knows no screen, so it is ended first.
demo "$work/window"
wineserver -k 2>/dev/null || true
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
    cd "$1" && wine "$2" & seen=no
    for attempt in $(seq 60); do
        if xwininfo -root -tree 2>/dev/null | grep -q "\"golv.exe\""; then seen=yes; break; fi
        sleep 1
    done
    wineserver -k 2>/dev/null || true
    [ $seen = yes ]' sh "$work/window" "$exe" || fail "golv.exe showed no window within a minute"
echo "windows-test: golv.exe opens its window"

# Every window's picture.
demo "$work/shots"
rm -rf "$windows/screenshots"
wineserver -k 2>/dev/null || true
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c 'cd "$1" && wine "$2" shots' sh "$work/shots" \
    "$windows/golv/golv-screenshots.exe" > "$work/shots.log" || { cat "$work/shots.log" >&2; fail "the screenshots failed"; }
mv "$work/shots/shots" "$windows/screenshots"
echo "windows-test: $(ls "$windows/screenshots" | wc -l) windows drawn into $windows/screenshots"
