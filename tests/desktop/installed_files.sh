#!/bin/sh
# Installs the build into a scratch folder as `cmake --install` does on a
# machine, and checks that the game, its card library, the desktop entry, the
# icons and the AppStream file land where desktops and the game look for them.
# Usage: installed_files.sh BUILD_DIR VERSION CARD_DIR_FROM_BIN ICON_SIZE...
set -eu
build=$1 version=$2 card_dir=$3
shift 3
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cmake --install "$build" --prefix "$root/usr" >/dev/null

failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }
have() { [ -f "$root/usr/$1" ] || fail "$1 is not installed"; }

have bin/tavolin
# The game looks for its card library at this place beside itself.
[ -f "$root/usr/bin/$card_dir/libvelvetres2.so" ] || fail "no card library in bin/$card_dir"
have share/applications/tavolin.desktop
# A menu starts the game by its full path, also where its folder is not on
# the PATH, as /usr/games is not on root's.
grep -qx "Exec=$root/usr/bin/tavolin" "$root/usr/share/applications/tavolin.desktop" ||
    fail "the menu entry does not start $root/usr/bin/tavolin"
have share/man/man6/tavolin.6.gz
have share/doc/tavolin/copyright
have share/metainfo/org.example.tavolin.metainfo.xml
have share/icons/hicolor/scalable/apps/tavolin.svg
for size in "$@"; do
    png=$root/usr/share/icons/hicolor/${size}x${size}/apps/tavolin.png
    if [ ! -f "$png" ]; then
        fail "no ${size}x${size} icon"
        continue
    fi
    # Width and height, big-endian, follow the PNG signature and the IHDR tag.
    dimensions=$(od -An -tu1 -j16 -N8 "$png" | awk '{ printf "%dx%d", (($1*256+$2)*256+$3)*256+$4, (($5*256+$6)*256+$7)*256+$8 }')
    [ "$dimensions" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $dimensions"
done
# Installed, the game still answers without a display.
answer=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$root/usr/bin/tavolin" --version) ||
    fail "the installed game does not answer --version"
[ "$(printf '%s\n' "$answer" | sed -n 1p)" = "Tavolin $version" ] || fail "the installed game says \"$answer\""
exit $failed
