#!/usr/bin/env bash
# A person's first steps with norvel, from the real program and libraries of the build:
# a fresh configuration registers the bundled libraries on the first `run`, a script without a
# `web` line plays on the web given by --web, `register` tells what it did, and a menu path
# that misses an entry by blanks or case names the entry meant.
# usage: first_use.sh NORVEL SAMPLE_WEB
set -uo pipefail
norvel="$1"; sample_web="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export NORVEL_CONFIG_HOME="$work/config"
cp -r "$sample_web" "$work/web"
failures=0
fail() { echo "FAIL: $*"; sed 's/^/  err: /' "$work/err"; failures=$((failures + 1)); }

# No `web` line: --web names the web.
cat >"$work/date.nvs" <<'NVS'
open index.htm
caret end
menu Norvel JavaScript "Current Date"
expect form "Norvel- Current Date"
click cmdDo
save
NVS

"$norvel" run --web "$work/web" "$work/date.nvs" >"$work/out" 2>"$work/err"
status=$?
[ "$status" -eq 0 ] || fail "first run: status $status"
grep -q "^norvel: a fresh configuration: registered [0-9]* components and 1 add-in(s)" \
  "$work/err" || fail "first run: no note of the registration"
grep -q '^form "Norvel- Current Date" shown$' "$work/out" || fail "first run: no dialog shown"
grep -q '^error ' "$work/out" && fail "first run: an error dialog"
[ -f "$NORVEL_CONFIG_HOME/components.ini" ] || fail "first run: no registry written"
"$norvel" blocks "$work/web/index.htm" >"$work/blocks" 2>"$work/err" || fail "blocks failed"
grep -q "^block 1 " "$work/blocks" || fail "the session inserted no block"

# The second run finds the configuration and says nothing about it.
"$norvel" run --web "$work/web" "$work/date.nvs" >"$work/out" 2>"$work/err"
status=$?
[ "$status" -eq 0 ] && [ ! -s "$work/err" ] || fail "second run: status $status or a note"

# A menu entry written without its trailing blank, or in another case.
printf 'open index.htm\nmenu Norvel JavaScript options\n' >"$work/blank.nvs"
"$norvel" run --web "$work/web" "$work/blank.nvs" >"$work/out" 2>"$work/err"
status=$?
expected="$work/blank.nvs: line 2: menu: There is no menu entry Norvel > JavaScript > options (did you mean 'options '?)"
[ "$status" -eq 1 ] && [ "$(cat "$work/err")" = "$expected" ] || fail "blank: status $status"

printf 'open index.htm\nmenu norvel javascript "current date"\n' >"$work/case.nvs"
"$norvel" run --web "$work/web" "$work/case.nvs" >"$work/out" 2>"$work/err"
status=$?
grep -q "line 2: menu: There is no menu entry norvel > javascript > current date (did you mean 'Norvel'?)$" \
  "$work/err" && [ "$status" -eq 1 ] || fail "case: status $status"

# A top-level menu no one made: the hint points at registration.
printf 'menu Polls "PHP Polls"\n' >"$work/nomenu.nvs"
"$norvel" run --web "$work/web" "$work/nomenu.nvs" >"$work/out" 2>"$work/err"
grep -q "(no add-in made a menu 'Polls': are the suite's libraries registered? (norvel register))$" \
  "$work/err" || fail "missing top-level menu: no hint"

# `register` tells each class, its library and the files it wrote.
rm -rf "$NORVEL_CONFIG_HOME"
"$norvel" register >"$work/out" 2>"$work/err" || fail "register failed"
grep -q "^registered norvelfp.Connect from /.*/libnorvelfp.so$" "$work/out" ||
  fail "register: no line for norvelfp.Connect"
grep -q "^add-in norvelfp.Connect entered in the add-in list$" "$work/out" ||
  fail "register: no add-in line"
grep -qx "wrote $NORVEL_CONFIG_HOME/components.ini and $NORVEL_CONFIG_HOME/addins.ini" \
  "$work/out" || fail "register: the files written are not named"

if [ "$failures" -ne 0 ]; then
  echo "$failures first-use check(s) failed"
  exit 1
fi
