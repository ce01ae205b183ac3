#!/usr/bin/env bash
# What an installation puts on a machine: exactly the two programs and the desktop files, which
# the desktop's own validators accept, and a Debian package of the same files that depends on the
# song face and Qt's Chinese texts as well as on what the programs link.
# packaging_test.sh CMAKE CPACK BUILD_DIR
set -euo pipefail
cmake=$1 cpack=$2 build=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "packaging_test: $*" >&2; exit 1; }

files="usr/bin/qev-amount-words
usr/bin/qev-words
usr/share/applications/com.kestrune.qev.desktop
usr/share/icons/hicolor/16x16/apps/com.kestrune.qev.png
usr/share/icons/hicolor/32x32/apps/com.kestrune.qev.png
usr/share/icons/hicolor/48x48/apps/com.kestrune.qev.png
usr/share/metainfo/com.kestrune.qev.metainfo.xml"

"$cmake" --install "$build" --prefix "$tmp/root/usr" >/dev/null
[ "$(cd "$tmp/root" && find . -type f -printf '%P\n' | sort)" = "$files" ] ||
    fail "installed files differ: $(cd "$tmp/root" && find . -type f -printf '%P ')"
version=$("$tmp/root/usr/bin/qev-words" --version | sed 's/^qev-words //')
metainfo=$tmp/root/usr/share/metainfo/com.kestrune.qev.metainfo.xml
desktop-file-validate "$tmp/root/usr/share/applications/com.kestrune.qev.desktop"
# Infos are fine; warnings and errors are not.
! appstreamcli validate --no-net "$metainfo" | grep -E '^[EW]: |error|warning' ||
    fail "the metainfo has warnings"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo is not of $version"

(cd "$tmp" && "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/deb" >/dev/null)
deb=$tmp/deb/qev-amount-words_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no package $(basename "$deb"): $(ls "$tmp/deb")"
[ "$(dpkg-deb --contents "$deb" | grep -v '/$' | sed 's|.* \./||' | sort)" = "$files" ] ||
    fail "the package's files differ from the installed ones"
depends=$(dpkg-deb --field "$deb" Depends)
for package in fonts-arphic-uming qt6-translations-l10n libqt6widgets6 libicu72 libc6; do
    [[ ", $depends" == *", $package"* ]] || fail "$package missing from Depends: $depends"
done
