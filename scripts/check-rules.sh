#!/usr/bin/env bash
# Layering rules the compiler cannot see:
# - modal boxes and system dialogs are shown only through the seam in platform/;
# - the core library's files include no Qt header.
set -euo pipefail
cd "$(dirname "$0")/.."
status=0

if hits=$(git grep -n -E '\b(QMessageBox|QFileDialog|QInputDialog|QColorDialog|QFontDialog)\b' -- \
    '*.cpp' '*.h' ':!platform/' ':!tests/'); then
  echo "Modal boxes and system dialogs belong behind the seam in platform/:"
  echo "$hits"
  status=1
fi

# Files of orvella_core are those listed under target_sources(orvella_core ...).
core_files=$(git ls-files '*CMakeLists.txt' | while read -r list; do
  dir=$(dirname "$list")
  awk '/target_sources\(orvella_core/{on=1; next} on && /\)/{on=0} on{print $1}' "$list" |
    while read -r f; do [ -n "$f" ] && echo "$dir/$f"; done
done)
for f in $core_files; do
  header="${f%.cpp}.h"
  for g in "$f" "$header"; do
    [ -f "$g" ] || continue
    if grep -n -E '#include\s*<Q' "$g"; then
      echo "$g: core files must not include Qt"
      status=1
    fi
  done
done
exit $status
