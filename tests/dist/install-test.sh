#!/bin/sh
# Installs the build into a scratch prefix and checks what a desktop reads from it.
set -eu
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

cmake --install "$build" --prefix "$root/usr" > /dev/null
share=$root/usr/share
for file in "$root/usr/bin/strunomat" "$root/usr/bin/strunomat-txt" \
    "$share/applications/org.example.Strunomat.desktop" \
    "$share/metainfo/org.example.Strunomat.metainfo.xml" \
    "$share/mime/packages/org.example.Strunomat.xml" \
    "$share/icons/hicolor/scalable/apps/org.example.Strunomat.svg"; do
    test -f "$file" || { echo "not installed: $file"; exit 1; }
done
desktop-file-validate "$share/applications/org.example.Strunomat.desktop"
appstreamcli validate --no-net --pedantic "$share/metainfo/org.example.Strunomat.metainfo.xml"
# The file type must be one the shared MIME database accepts.
mkdir -p "$root/mime/packages"
cp "$share/mime/packages/org.example.Strunomat.xml" "$root/mime/packages/"
update-mime-database "$root/mime"
grep -q 'application/x-strunomat-tab' "$root/mime/globs2"
"$root/usr/bin/strunomat-txt" --help | grep -q 'Použití'
# Asked from a terminal, without a display: the editor answers before it opens a window.
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$root/usr/bin/strunomat" --help | grep -q 'Použití: strunomat \[SOUBOR\]'
echo "install ok"
