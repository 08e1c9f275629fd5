#!/bin/sh
# Unpacks the Debian source of an installed package, at the installed
# version, into a folder:
#   scripts/fetch-debian-source.sh BINARY-PACKAGE DEST-FOLDER
# Needs no deb-src line and no root: the archive's signed InRelease is
# checked against the Debian keyring, the Sources index against InRelease,
# and every file of the source against the index, before anything is
# unpacked. A download that does not match stops here.
set -eu

binary=$1
dest=$2
suite=${DEBIAN_SUITE:-$(. /etc/os-release && echo "$VERSION_CODENAME")}
# The mirror the machine's own package configuration names for that suite.
mirror=${DEBIAN_MIRROR:-$(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' 'Created-By: Packages' \
    | awk -v s="$suite" '$2 == s { sub("/$", "", $1); print $1; exit }')}
[ -n "$mirror" ] || { echo "no package source of the machine serves $suite" >&2; exit 1; }
keyring=/usr/share/keyrings/debian-archive-keyring.gpg

package=$(dpkg-query -W -f='${source:Package}' "$binary")
version=$(dpkg-query -W -f='${source:Version}' "$binary")
[ -n "$package" ] && [ -n "$version" ] || { echo "$binary is not installed" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

curl -fsSL -o InRelease "$mirror/dists/$suite/InRelease"
gpgv --keyring "$keyring" --output Release InRelease 2>/dev/null \
    || { echo "InRelease of $suite is not signed by Debian" >&2; exit 1; }
curl -fsSL -o Sources.xz "$mirror/dists/$suite/main/source/Sources.xz"
expected=$(awk '/^SHA256:/ { on = 1; next } /^[^ ]/ { on = 0 } on && $3 == "main/source/Sources.xz" { print $1 }' Release)
echo "$expected  Sources.xz" | sha256sum -c --quiet - \
    || { echo "Sources.xz does not match InRelease" >&2; exit 1; }

# The stanza of this package and version: its folder and its files' sums.
xz -dc Sources.xz | awk -v p="$package" -v v="$version" '
    /^$/ { if (hit) exit; pkg = ""; ver = ""; dir = ""; n = 0; next }
    /^Package: / { pkg = $2 }
    /^Version: / { ver = $2 }
    /^Directory: / { dir = $2 }
    /^Checksums-Sha256:/ { sums = 1; next }
    /^[^ ]/ { sums = 0 }
    sums { files[++n] = $1 "  " $3 }
    pkg == p && ver == v && dir != "" { hit = 1 }
    END { if (!hit) exit 1; print dir; for (i = 1; i <= n; i++) print files[i] }' > stanza \
    || { echo "$package $version is not in $suite's Sources" >&2; exit 1; }

directory=$(head -n 1 stanza)
tail -n +2 stanza > SHA256SUMS
while read -r _ name; do
    curl -fsSL -o "$name" "$mirror/$directory/$name"
done < SHA256SUMS
sha256sum -c --quiet SHA256SUMS || { echo "a file of $package $version does not match" >&2; exit 1; }

rm -rf "$dest"
mkdir -p "$(dirname "$dest")"
dpkg-source --no-check -x "${package}_$(echo "$version" | sed 's/^[0-9]*://').dsc" "$dest" >/dev/null
echo "$package $version in $dest"
