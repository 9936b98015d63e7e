#!/bin/sh
# Builds the Debian package and checks that it lists the programs and their dependencies,
# that dpkg would install it here, and that the programs start from it.
set -eu
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

(cd "$build" && cpack -G DEB -B "$out" > /dev/null)
deb=$(ls "$out"/*.deb)
dpkg-deb -c "$deb" | grep -q './usr/bin/strunomat$'
dpkg-deb -c "$deb" | grep -q './usr/bin/strunomat-txt$'
dpkg-deb -c "$deb" | grep -q './usr/share/applications/org.example.Strunomat.desktop$'
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins libqt6svg6; do
    echo "$depends" | grep -q "$needed" || { echo "missing dependency $needed: $depends"; exit 1; }
done
if [ "$(id -u)" -eq 0 ]; then
    dpkg --dry-run -i "$deb" > /dev/null
fi

dpkg-deb -x "$deb" "$out/root"
"$out/root/usr/bin/strunomat-txt" --help | grep -q 'Použití'
# The editor runs until closed; still running after two seconds means it started.
status=0
QT_QPA_PLATFORM=offscreen timeout 2 "$out/root/usr/bin/strunomat" 2> /dev/null || status=$?
[ "$status" -eq 124 ] || { echo "the editor ended with $status"; exit 1; }
echo "package ok: $(basename "$deb")"
