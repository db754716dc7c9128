#!/bin/sh
# Installs the build into a folder of its own and checks what a desktop and a package need:
# the desktop entry and the AppStream file validate, the manual page is there, and the installed
# program, started from another folder and without a display, finds its data file and lists a
# category's cables.
set -eu
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
desktop-file-validate "$prefix/share/applications/com.norvale.Tensora.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/com.norvale.Tensora.metainfo.xml" > /dev/null
test -s "$prefix/share/man/man1/tensora-cli.1"
test -s "$prefix/share/icons/hicolor/scalable/apps/com.norvale.Tensora.svg"
# The report type, recognised by its first line, as a file manager's database takes it.
update-mime-database "$prefix/share/mime"
test -s "$prefix/share/mime/application/x-tensora-report.xml"
grep -q 'Tensora(tm)' "$prefix/share/mime/magic"
cd /
cables=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    "$prefix/bin/tensora" --list-cables Power 2> "$prefix/messages")
echo "$cables" | grep -q '^PWR-'
if grep -q . "$prefix/messages"; then
    cat "$prefix/messages"
    exit 1
fi
echo "installed and found its data file"
