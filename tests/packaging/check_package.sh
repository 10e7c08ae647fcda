#!/usr/bin/env bash
# The Debian package, as a person gets it: CPack makes norvel_VERSION_ARCH.deb from the build;
# its file list holds the programs, every library the build made, templates, help, manual
# pages, desktop files and completion, and nothing of the build's tests; its Depends name the
# Debian package of every shared library the programs and libraries link; and the programs run
# from the package unpacked into a scratch folder (not /usr): --version, --help, register, and
# a small session on a copy of the sample web.
# usage: check_package.sh BUILD_DIR SAMPLE_WEB
set -uo pipefail
build="$1"; sample_web="$2"
for tool in cpack dpkg-deb dpkg-shlibdeps dpkg readelf; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The package, made into a folder of this test only.
if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  echo "FAIL: cpack"
  exit 1
fi
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
deb="$work/package/norvel_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { ls "$work/package"; echo "FAIL: no $deb"; exit 1; }

# The file list.
dpkg-deb --contents "$deb" | awk '{ print $6 }' | sed 's|^\./|/|' >"$work/files"
studio=false
[ -x "$build/bin/norvel-studio" ] && studio=true
expected=(/usr/bin/norvel /usr/share/man/man1/norvel.1.gz
  /usr/share/bash-completion/completions/norvel /usr/share/doc/norvel/copyright
  /usr/share/doc/norvel/changelog.gz
  /usr/share/norvel/help/pollc.chm /usr/share/norvel/help/norveljs.chm
  /usr/share/norvel/PHP/vote.php /usr/share/norvel/asp/vote.asp)
# The private library folder: /usr/lib/norvel, or the multiarch one.
libdir=$(grep -E '^/usr/lib/(.*/)?norvel/libnorvelfp\.so$' "$work/files" | xargs -r dirname)
[ -n "$libdir" ] || fail "the package has no libnorvelfp.so in a norvel library folder"
for library in "$build"/lib/lib*.so; do
  expected+=("$libdir/$(basename "$library")")
done
for folder in "$build"/lib/*/; do
  expected+=("/usr/share/norvel/$(basename "$folder")/")
done
if $studio; then
  expected+=(/usr/bin/norvel-studio /usr/share/man/man1/norvel-studio.1.gz
    /usr/share/applications/norvel-studio.desktop
    /usr/share/metainfo/io.github.norvel.studio.metainfo.xml
    /usr/share/icons/hicolor/scalable/apps/norvel-studio.svg
    /usr/share/bash-completion/completions/norvel-studio)
  for size in 16 24 32 48 64 128 256; do
    expected+=("/usr/share/icons/hicolor/${size}x$size/apps/norvel-studio.png")
  done
fi
for file in "${expected[@]}"; do
  grep -qxF -- "$file" "$work/files" || fail "the package lacks $file"
done
grep -v '^/usr/' "$work/files" | grep -vx '/' && fail "files outside /usr"
grep -E 'test|bench|screenshots|fake_|\.a$|/include/' "$work/files" && fail "files of the build's own"

# The declared dependencies: the package of every library that a program or library links.
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
# The package names alone, one a line.
sed 's/, /\n/g' <<<"$depends" | awk '{ print $1 }' >"$work/depends"
dpkg-deb --extract "$deb" "$work/root"
needed=$(find "$work/root/usr/bin" "$work/root/usr/lib" -type f -exec readelf -d {} + 2>/dev/null |
  sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p' | sort -u)
for soname in $needed; do
  path=$(ldconfig -p | awk -v name="$soname" '$1 == name { print $NF; exit }')
  [ -n "$path" ] || { fail "$soname is not on this machine"; continue; }
  owner=$(dpkg -S "$(readlink -f "$path")" 2>/dev/null | head -1 | cut -d: -f1)
  [ -n "$owner" ] || owner=$(dpkg -S "$path" 2>/dev/null | head -1 | cut -d: -f1)
  [ -n "$owner" ] || { fail "no Debian package holds $soname"; continue; }
  grep -qxF "$owner" "$work/depends" || fail "Depends lacks $owner (for $soname)"
done
if $studio; then
  grep -qxF "qt6-qpa-plugins" "$work/depends" || fail "Depends lacks qt6-qpa-plugins"
fi

# The changelog names this version first.
zcat "$work/root/usr/share/doc/norvel/changelog.gz" | head -1 | grep -q "^norvel ($version) " ||
  fail "the changelog does not begin with version $version"

# Debian's own checks of a package, when lintian is there.
if command -v lintian >/dev/null; then
  lintian --fail-on error,warning "$deb" >"$work/lintian" 2>&1 ||
    fail "lintian: $(grep -v 'root privileges' "$work/lintian")"
else
  echo "lintian is not installed: its checks are left out"
fi

# The programs, run from the unpacked package.
bin="$work/root/usr/bin"
export NORVEL_CONFIG_HOME="$work/config"
"$bin/norvel" --version >"$work/out" 2>&1 && grep -qx "norvel $version" "$work/out" ||
  fail "norvel --version: $(cat "$work/out")"
"$bin/norvel" --help >"$work/out" 2>&1 && grep -q "^usage: norvel" "$work/out" ||
  fail "norvel --help"
# Started by name through PATH, as a person does, from another folder: the program must
# still find the libraries beside its own file.
(cd "$work" && PATH="$bin:$PATH" norvel register) >"$work/out" 2>&1 ||
  fail "norvel register: $(cat "$work/out")"
grep -qx "registered norvelfp.Connect from $work/root$libdir/libnorvelfp.so" "$work/out" ||
  fail "norvel register did not register the package's add-in: $(cat "$work/out")"

cp -r "$sample_web" "$work/web"
cat >"$work/session.nvs" <<'NVS'
open index.htm
caret end
menu Norvel JavaScript "Current Date"
click cmdDo
menu Norvel JavaScript "Help  "
save
NVS
"$bin/norvel" run --web "$work/web" "$work/session.nvs" >"$work/out" 2>"$work/err" ||
  fail "norvel run: $(cat "$work/err")"
grep -q '^error ' "$work/out" && fail "norvel run: an error dialog: $(cat "$work/out")"
# The help file and the script template come from the package's share/norvel.
grep -qx "help \"$work/root/usr/share/norvel/help/norveljs.chm\"" "$work/out" ||
  fail "the help file is not the package's: $(cat "$work/out")"
"$bin/norvel" blocks "$work/web/index.htm" | grep -q "^block 1 " || fail "no block inserted"

if $studio; then
  for option in --help --version; do
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin/norvel-studio" "$option" \
      >"$work/out" 2>&1 || fail "norvel-studio $option: $(cat "$work/out")"
  done
  grep -qx "norvel-studio $version" "$work/out" || fail "norvel-studio --version"
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures package check(s) failed"
  exit 1
fi
echo "checked $deb: ${#expected[@]} files, Depends: $depends"
