#!/usr/bin/env bash
# norvel-studio's command line: --help and --version without a display, wrong use in one line
# with the usage and status 2, a missing folder or file named with status 1, and pages named
# after the web drawn and reported one by one with --exit-when-ready.
# usage: studio_command_line.sh NORVEL_STUDIO
set -uo pipefail
studio="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export NORVEL_CONFIG_HOME="$work/config"
# Qt notes a missing runtime folder on standard error; the messages checked are the studio's.
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
failures=0
fail() {
  echo "FAIL: norvel-studio $* (status $status)"
  sed 's/^/  out: /' "$work/out"; sed 's/^/  err: /' "$work/err"
  failures=$((failures + 1))
}
# Without a display: the help must not need one.
run() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$studio" "$@" >"$work/out" 2>"$work/err"
  status=$?
}
offscreen() {
  QT_QPA_PLATFORM=offscreen "$studio" "$@" >"$work/out" 2>"$work/err"
  status=$?
}

run --help
[ "$status" -eq 0 ] && grep -q "^usage: norvel-studio" "$work/out" && [ ! -s "$work/err" ] ||
  fail --help
run -h
[ "$status" -eq 0 ] && grep -q "^usage: norvel-studio" "$work/out" || fail -h
run --version
[ "$status" -eq 0 ] && grep -Eqx "norvel-studio [0-9]+\.[0-9]+.*" "$work/out" || fail --version

offscreen --frobnicate
[ "$status" -eq 2 ] && [ "$(sed -n 1p "$work/err")" = "norvel-studio: unknown option '--frobnicate'" ] &&
  grep -q "^usage: norvel-studio" "$work/err" || fail --frobnicate
offscreen --view=outline "$work"
[ "$status" -eq 2 ] &&
  [ "$(sed -n 1p "$work/err")" = "norvel-studio: unknown view 'outline' (normal, html or preview)" ] ||
  fail "an unknown view"
offscreen "$work" "$work"
[ "$status" -eq 1 ] &&
  [ "$(cat "$work/err")" = "norvel-studio: '$work' is no file of the web '$work'" ] ||
  fail "a folder as a page"

# Pages after the web: in the web, or named from the current folder; each reported once drawn.
mkdir -p "$work/web/sub"
printf '<html><body><p>One</p></body></html>\n' >"$work/web/one.htm"
printf '<html><body><h1>Two</h1></body></html>\n' >"$work/web/sub/two.htm"
for view in normal preview; do
  (cd "$work" && QT_QPA_PLATFORM=offscreen "$studio" --exit-when-ready --view=$view web one.htm \
    web/sub/two.htm >"$work/out" 2>"$work/err")
  status=$?
  [ "$status" -eq 0 ] && [ "$(wc -l <"$work/out")" -eq 2 ] &&
    grep -Eqx "drawn one.htm in [0-9]+ ms" "$work/out" &&
    [ "$(sed -n 2p "$work/out" | sed -E 's/ [0-9]+ ms$//')" = "drawn sub/two.htm in" ] ||
    fail "--exit-when-ready --view=$view web one.htm web/sub/two.htm"
done
offscreen --exit-when-ready "$work/web" missing.htm
[ "$status" -eq 1 ] &&
  [ "$(cat "$work/err")" = "norvel-studio: 'missing.htm' is no file of the web '$work/web'" ] ||
  fail "a missing page"
offscreen "$work/nowhere"
[ "$status" -eq 1 ] &&
  [ "$(cat "$work/err")" = "norvel-studio: '$work/nowhere' is neither a folder nor a file" ] ||
  fail "a missing folder"

if [ "$failures" -ne 0 ]; then
  echo "$failures studio command-line check(s) failed"
  exit 1
fi
