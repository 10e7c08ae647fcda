#!/usr/bin/env bash
# Plays one session script with `norvel run` in a fresh settings folder on a fresh copy of a
# web, and compares what it did with the expected files beside the script:
#   NAME.nvs    the script
#   NAME.out    expected standard output (the transcript)
#   NAME.err    expected standard error (optional; then the exit status must be 1, else 0)
#   NAME.web/   expected files of the web after the session (optional; compared exactly)
#   NAME.exists files of the web (one path a line) that must be there after the session,
#               content aside: files copied from templates that other tests check (optional)
#   NAME.libs   the libraries to register instead of the LIBRARY arguments (optional), one a
#               line: NAME picks the argument whose file is libNAME.so or libfake_NAME.so;
#               NAME-nohelp a copy of that library in a folder without help files
# Paths of --lib-dir and of the scratch folder are written <lib> and <work> in the output.
#
# usage: run_session.sh [--lib-dir DIR] [--keep-web DIR] NORVEL WEB_FIXTURE SCRIPT [LIBRARY...]
#   --keep-web DIR   leave the web as the session left it in DIR, for further checks
set -euo pipefail

lib_dir=""
keep_web=""
while [ $# -gt 0 ]; do
  case "$1" in
    --lib-dir) lib_dir="$(cd "$2" && pwd -P)"; shift 2 ;;
    --keep-web) keep_web="$2"; shift 2 ;;
    *) break ;;
  esac
done
norvel="$1"; fixture="$2"; script="$3"; shift 3
base="${script%.nvs}"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
work="$(cd "$work" && pwd -P)"
export NORVEL_CONFIG_HOME="$work/config"
mkdir -p "$NORVEL_CONFIG_HOME"
cp -r "$fixture" "$work/web"

libraries=("$@")
if [ -f "$base.libs" ]; then
  libraries=()
  while IFS= read -r name || [ -n "$name" ]; do
    [ -n "$name" ] || continue
    wanted="${name%-nohelp}"
    found=""
    for candidate in "$@"; do
      file="$(basename "$candidate")"
      if [ "$file" = "lib$wanted.so" ] || [ "$file" = "libfake_$wanted.so" ]; then
        found="$candidate"
      fi
    done
    [ -n "$found" ] || { echo "$base.libs: no library $wanted among the arguments" >&2; exit 2; }
    if [ "$name" != "$wanted" ]; then
      mkdir -p "$work/$name"
      cp "$found" "$work/$name/"
      found="$work/$name/$(basename "$found")"
    fi
    libraries+=("$found")
  done <"$base.libs"
fi
if [ ${#libraries[@]} -gt 0 ]; then "$norvel" register "${libraries[@]}" >/dev/null; fi

# The copy replaces the folder of the script's `web` line; a script without one runs with no
# web open, as it says.
web_option=()
if grep -qE '^[[:space:]]*web[[:space:]]' "$script"; then web_option=(--web "$work/web"); fi
status=0
(cd "$(dirname "$script")" && "$norvel" run "${web_option[@]}" "$(basename "$script")") \
  >"$work/out" 2>"$work/err" || status=$?

mask() {
  if [ -n "$lib_dir" ]; then
    sed -e "s|$lib_dir|<lib>|g" -e "s|$work|<work>|g" "$1"
  else
    sed -e "s|$work|<work>|g" "$1"
  fi
}
mask "$work/out" >"$work/out.masked"
mask "$work/err" >"$work/err.masked"

failed=0
if ! diff -u "$base.out" "$work/out.masked"; then failed=1; fi
if [ -f "$base.err" ]; then
  [ "$status" -eq 1 ] || { echo "expected exit status 1, got $status"; failed=1; }
  if ! diff -u "$base.err" "$work/err.masked"; then failed=1; fi
else
  [ "$status" -eq 0 ] || { echo "exit status $status:"; cat "$work/err.masked"; failed=1; }
fi
if [ -d "$base.web" ]; then
  compared="$work/compared"
  cp -r "$work/web" "$compared"
  if [ -f "$base.exists" ]; then
    while IFS= read -r path || [ -n "$path" ]; do
      [ -n "$path" ] || continue
      if [ -f "$compared/$path" ]; then rm -f "$compared/$path"
      else echo "missing in the web: $path"; failed=1; fi
    done <"$base.exists"
  fi
  if ! diff -r "$base.web" "$compared"; then failed=1; fi
fi
if [ -n "$keep_web" ]; then
  rm -rf "$keep_web"
  mv "$work/web" "$keep_web"
fi
exit $failed
