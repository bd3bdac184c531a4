#!/bin/sh
# Runs Debian's validators on the desktop entry and the AppStream file; skipped
# (exit 77) where they are not installed (desktop-file-utils, appstream-util).
# Usage: validate.sh DESKTOP_FILE METAINFO_FILE
set -eu
for tool in desktop-file-validate appstream-util; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "$tool is not installed: not validated"
        exit 77
    fi
done
desktop-file-validate "$1"
appstream-util validate-strict --nonet "$2"
