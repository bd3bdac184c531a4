#!/bin/sh
# The manual page renders without a warning from man and groff, and names
# every option the program's --help lists; skipped (exit 77) without man.
# Usage: manual_page.sh PAGE PROGRAM
set -eu
page=$1 program=$2
if ! command -v man >/dev/null 2>&1; then
    echo "man is not installed: the manual page is not rendered"
    exit 77
fi
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
if [ -n "$warnings" ]; then
    echo "FAIL: the manual page renders with warnings:" >&2
    echo "$warnings" >&2
    exit 1
fi
failed=0
rendered=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$page" 2>/dev/null)
for option in $(QT_QPA_PLATFORM=offscreen "$program" --help | grep -o -- '--[a-z-]*' | sort -u); do
    printf '%s\n' "$rendered" | grep -q -e "$option" || {
        echo "FAIL: the manual page does not name $option" >&2
        failed=1
    }
done
exit $failed
