#!/bin/sh
# Installs the Debian packages that building, running and testing GOLV need.
# Idempotent and non-interactive: when every package is present it does nothing.
set -eu

packages="
    build-essential
    cmake
    pkg-config
    qt6-base-dev
    qt6-base-dev-tools
    qt6-qpa-plugins
    qt6-svg-dev
    libgl-dev
    libgtest-dev
    libgmock-dev
    libbenchmark-dev
    clang
    libclang-rt-14-dev
    xdelta3
    dpkg-dev
    lintian
    desktop-file-utils
    appstream
    fonts-dejavu-core
    g++-mingw-w64-x86-64-posix
    googletest
    wine
    wine64
    xvfb
    xauth
    x11-utils
    ninja-build
    curl
    gpgv
    debian-archive-keyring
    xz-utils
    zip
"

missing=""
for package in $packages; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    case "$status" in
        *"install ok installed"*) ;;
        *) missing="$missing $package" ;;
    esac
done

[ -z "$missing" ] && exit 0

echo "Installing missing packages:$missing"
if [ "$(id -u)" -eq 0 ]; then
    sudo=""
else
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
# shellcheck disable=SC2086
$sudo apt-get install -y -q --no-install-recommends $missing
