#!/usr/bin/env bash
# The bash completion of norvel and norvel-studio completes commands, options, session
# scripts, folders after --web, libraries and pages.
# usage: check_completion.sh SOURCE_DIR
set -uo pipefail
completions="$1/packaging/bash-completion"
framework=/usr/share/bash-completion/bash_completion
[ -f "$framework" ] || { echo "SKIP: bash-completion is not installed"; exit 77; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/webs/club" "$work/webs/shop"
touch "$work/demo.nvs" "$work/notes.txt" "$work/page.htm" "$work/libnorvelfp.so"
cd "$work"
# shellcheck disable=SC1090
source "$framework"
source "$completions/norvel"
source "$completions/norvel-studio"
failures=0

# complete FUNCTION EXPECTED WORD...: completes the last WORD; EXPECTED is the sorted list.
complete_line() {
  local function="$1" expected="$2"
  shift 2
  COMP_WORDS=("$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMP_LINE="$*"
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  "$function"
  local got
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sed 's|/$||' | sort | xargs)
  if [ "$got" != "$expected" ]; then
    echo "FAIL: '$*' completes to '$got', expected '$expected'"
    failures=$((failures + 1))
  fi
}

complete_line _norvel "blocks help register run" norvel ""
complete_line _norvel "register run" norvel r
complete_line _norvel "--help --version -h" norvel -
complete_line _norvel "--help --web" norvel run --
complete_line _norvel "webs/club webs/shop" norvel run --web webs/
complete_line _norvel "demo.nvs webs" norvel run ""
complete_line _norvel "libnorvelfp.so webs" norvel register ""
complete_line _norvel "page.htm webs" norvel blocks ""
complete_line _norvel "blocks" norvel help b
complete_line _norvel_studio "--exit-when-ready --help --version --view= -h" norvel-studio -
complete_line _norvel_studio "--view=preview" norvel-studio --view=p
complete_line _norvel_studio "page.htm webs" norvel-studio ""

if [ "$failures" -ne 0 ]; then
  echo "$failures completion check(s) failed"
  exit 1
fi
