#!/usr/bin/env bash
# The studio's desktop entry and AppStream metainfo are valid, the entry offers the studio for
# folders and HTML files, and each icon PNG has the size of its hicolor folder.
# usage: check_desktop_files.sh SOURCE_DIR
set -uo pipefail
packaging="$1/packaging"
for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || {
    echo "SKIP: $tool is not installed (Debian packages desktop-file-utils, appstream)"
    exit 77
  }
done
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

desktop="$packaging/norvel-studio.desktop"
output=$(desktop-file-validate "$desktop" 2>&1)
[ $? -eq 0 ] && [ -z "$output" ] || fail "desktop-file-validate: $output"
grep -qx 'MimeType=inode/directory;text/html;' "$desktop" || fail "no MimeType for folders and HTML"
grep -qx 'Exec=norvel-studio %f' "$desktop" || fail "Exec does not hand a file or folder"
grep -qx 'Icon=norvel-studio' "$desktop" || fail "the icon is not the hicolor one"

appstreamcli validate --no-net --pedantic "$packaging"/*.metainfo.xml || fail "appstreamcli validate"
grep -q '<launchable type="desktop-id">norvel-studio.desktop</launchable>' \
  "$packaging"/*.metainfo.xml || fail "the metainfo does not launch the desktop entry"

# A PNG's width and height are the big-endian numbers at bytes 16 and 20.
for png in "$packaging"/icons/*/norvel-studio.png; do
  size=$(basename "$(dirname "$png")")
  width=$(od -An -tu1 -j16 -N4 "$png" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 }')
  height=$(od -An -tu1 -j20 -N4 "$png" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 }')
  [ "$width" = "$size" ] && [ "$height" = "$size" ] || fail "$png is ${width}x$height"
done
[ -f "$packaging/icons/norvel-studio.svg" ] || fail "no scalable icon"

if [ "$failures" -ne 0 ]; then
  echo "$failures desktop check(s) failed"
  exit 1
fi
