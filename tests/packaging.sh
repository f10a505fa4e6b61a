#!/usr/bin/env bash
# The installed files validate, and the .deb puts them where the desktop
# entry says. Usage: packaging.sh BUILD-DIR
set -u
BUILD=$1
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --install "$BUILD" --prefix "$TMP/install" >/dev/null || fail "cmake --install"
desktop=$(ls "$TMP"/install/share/applications/*.desktop)
metainfo=$(ls "$TMP"/install/share/metainfo/*.metainfo.xml)
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$metainfo" >"$TMP/appstream.log" ||
    fail "appstreamcli validate: $(cat "$TMP/appstream.log")"

(cd "$TMP" && cpack -G DEB -B "$TMP/deb" --config "$BUILD/CPackConfig.cmake" >/dev/null) ||
    fail "cpack -G DEB"
deb=$(ls "$TMP"/deb/*.deb) || fail "no .deb"
dpkg-deb -x "$deb" "$TMP/root" || fail "dpkg-deb -x"

root=$TMP/root/usr/share
entry=$root/applications/$(basename "$desktop")
[ -f "$entry" ] || fail "no desktop entry in the package"
exec_name=$(sed -n 's/^Exec=//p' "$entry")
icon_name=$(sed -n 's/^Icon=//p' "$entry")
[ -x "$TMP/root/usr/bin/$exec_name" ] || fail "Exec=$exec_name is not in /usr/bin"
file "$root/icons/hicolor/32x32/apps/$icon_name.png" | grep -q '32 x 32, 8-bit/color RGBA' ||
    fail "Icon=$icon_name has no 32x32 RGBA PNG in hicolor"
[ -f "$root/icons/hicolor/scalable/apps/$icon_name.svg" ] || fail "no scalable icon"
launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' \
    "$root/metainfo/$(basename "$metainfo")")
[ -f "$root/applications/$launchable" ] || fail "metainfo launches $launchable, not in the package"
grep -qx 'Name=百公里耗油计算器' "$entry" || fail "desktop entry Name"
grep -qx 'Categories=Utility;Calculator;' "$entry" || fail "desktop entry Categories"

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins; do
    grep -q "$package" <<<"$depends" || fail "Depends lacks $package: $depends"
done
echo "ok: packaging"
