#!/usr/bin/env bash
# The rules of docs/ARCHITECTURE.md that a reader of the code can check: run as
#   architecture_rules.sh SOURCE_DIR RULE
# and prints each place that breaks RULE; exits 1 when there is one.
set -euo pipefail
root="$1"
rule="$2"
cd "$root"

# Library code: what is linked into the four component libraries.
library_dirs=(common addin pollcollection stylecollection scriptcollection)
sources() {
  find "$@" -type f \( -name '*.cpp' -o -name '*.h' \) 2>/dev/null | sort
}

case "$rule" in
  library-code-never-catches-everything)
    # A session script error is not a std::exception and must pass every trap.
    found=$(sources "${library_dirs[@]}" | xargs -r grep -nE 'catch[[:space:]]*\([[:space:]]*\.\.\.[[:space:]]*\)' || true)
    ;;
  libraries-include-nothing-from-host-apps-or-qt)
    found=$(sources "${library_dirs[@]}" |
      xargs -r grep -nE '#[[:space:]]*include[[:space:]]*[<"](host/|apps/|Q[A-Za-z]+|Qt[A-Za-z]*/)' || true)
    ;;
  ascii-helpers-live-in-one-header)
    # Case folding, letter and hex-digit tests written out again, or taken from the C library
    # whose answer depends on the locale.
    pattern="'A'[[:space:]]*&&[^;]*<=[[:space:]]*'Z'|'a'[[:space:]]*&&[^;]*<=[[:space:]]*'z'|'a'[[:space:]]*&&[^;]*<=[[:space:]]*'f'|std::(tolower|toupper)|[^_[:alnum:]](tolower|toupper)[[:space:]]*\(|(asciiLower|asciiUpper|toLowerAscii|toUpperAscii|equalsIgnoreCase|trimBlanks|trimSpacesAndTabs|hexDigitValue)[[:space:]]*\([^)]*\)[[:space:]]*\{"
    found=$(sources common addin pollcollection stylecollection scriptcollection host apps |
      grep -v '^common/ascii_text\.h$' | xargs -r grep -nE "$pattern" || true)
    ;;
  *)
    echo "unknown rule: $rule" >&2
    exit 2
    ;;
esac

if [ -n "$found" ]; then
  echo "Broken rule '$rule' at:"
  echo "$found"
  exit 1
fi
echo "rule '$rule' holds"
