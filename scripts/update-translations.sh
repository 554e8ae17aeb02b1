#!/usr/bin/env bash
# Collects every translatable text of the client into the two catalogues, keeping what
# is translated already. Run after adding texts, then translate the unfinished ones:
#   bash scripts/update-translations.sh [OUTPUT_DIR]
# With OUTPUT_DIR the catalogues are updated there (a copy), not in the tree.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$top/resources/translations}"
lupdate="${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt5/bin/lupdate)}"
dirs=()
for d in app device dialogs grid login mainwindow multiview upload users wall resources/forms; do
    [ -d "$top/$d" ] && dirs+=("$top/$d")
done
for lang in zh en; do
    if [ "$out" != "$top/resources/translations" ]; then
        cp "$top/resources/translations/zeldesk_$lang.ts" "$out/zeldesk_$lang.ts"
    fi
    "$lupdate" -silent -no-obsolete -locations none -extensions cpp,h,ui "${dirs[@]}" \
        -ts "$out/zeldesk_$lang.ts"
done
