#!/bin/sh
# Builds Qt for the Windows program once, into PREFIX, and does nothing when
# it is there already:
#   scripts/build-windows-qt.sh PREFIX WORK-FOLDER JOBS
# The source is Debian's, of the Qt version installed here, so that the host
# tools (moc, rcc, uic) match it. The build is static, so golv.exe needs no
# DLLs beside it, and leaves out every module and feature GOLV does not use:
# SQL, network, D-Bus, OpenGL, printing, tablets (whose header the Debian
# source does not carry) and Qt's own tests and examples. Qt's SVG module is
# not built: its source is not on Debian's mirror for this version, so the
# Windows program carries its artwork prerendered (see DEVELOPERS.md).
set -eu

prefix=$1
work=$2
jobs=${3:-2}

[ -f "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ] && exit 0

here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$work"
work=$(cd "$work" && pwd)
mkdir -p "$prefix"
prefix=$(cd "$prefix" && pwd)

[ -f "$work/qtbase-src/CMakeLists.txt" ] || "$here/fetch-debian-source.sh" qt6-base-dev "$work/qtbase-src"

echo "Building Qt for Windows in $work (about 15 minutes on two cores, once)"
cmake -S "$work/qtbase-src" -B "$work/qtbase-build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/../cmake/mingw-w64.cmake" \
    -DQT_HOST_PATH=/usr \
    -DQt6HostInfo_DIR=/usr/lib/x86_64-linux-gnu/cmake/Qt6HostInfo \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF \
    -DFEATURE_opengl=OFF -DINPUT_opengl=no \
    -DFEATURE_printsupport=OFF -DFEATURE_tabletevent=OFF -DFEATURE_concurrent=OFF -DFEATURE_testlib=OFF \
    -DFEATURE_icu=OFF -DFEATURE_jpeg=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_jpeg=OFF \
    > "$work/configure.log" 2>&1 || { tail -n 30 "$work/configure.log" >&2; exit 1; }
cmake --build "$work/qtbase-build" -j "$jobs" > "$work/build.log" 2>&1 || { tail -n 30 "$work/build.log" >&2; exit 1; }
cmake --install "$work/qtbase-build" > "$work/install.log" 2>&1
