#!/usr/bin/env bash
# Plays one session script in a fresh settings folder on a fresh copy of a web, and compares
# the transcript (and the exit status, and for failing scripts standard error) with the
# expected files beside the script:
#   NAME.nvs       the script
#   NAME.out       expected standard output
#   NAME.err       expected standard error (optional; then the exit status must be 1)
#   NAME.web/      expected files of the web after the session (optional; compared exactly)
#   NAME.exists    files of the web (one path a line) that must be there after the session,
#                  content aside: files copied from templates that other tests check (optional)
# usage: run_session.sh NORVEL WEB_FIXTURE SCRIPT [LIBRARY...]
set -euo pipefail
norvel="$1"; fixture="$2"; script="$3"; shift 3

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export NORVEL_CONFIG_HOME="$work/config"
mkdir -p "$NORVEL_CONFIG_HOME"
cp -r "$fixture" "$work/web"
if [ $# -gt 0 ]; then "$norvel" register "$@" >/dev/null; fi

base="${script%.nvs}"
status=0
(cd "$(dirname "$script")" && "$norvel" run --web "$work/web" "$(basename "$script")") \
  >"$work/out" 2>"$work/err" || status=$?

failed=0
if ! diff -u "$base.out" "$work/out"; then failed=1; fi
if [ -f "$base.err" ]; then
  [ "$status" -eq 1 ] || { echo "expected exit status 1, got $status"; failed=1; }
  if ! diff -u "$base.err" "$work/err"; then failed=1; fi
else
  [ "$status" -eq 0 ] || { echo "exit status $status:"; cat "$work/err"; failed=1; }
fi
if [ -d "$base.web" ]; then
  if [ -f "$base.exists" ]; then
    while IFS= read -r path; do
      [ -n "$path" ] || continue
      if [ -f "$work/web/$path" ]; then rm -f "$work/web/$path"
      else echo "missing in the web: $path"; failed=1; fi
    done < "$base.exists"
  fi
  if ! diff -r "$base.web" "$work/web"; then failed=1; fi
fi
exit $failed
