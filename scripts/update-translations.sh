#!/usr/bin/env bash
# Collects every translatable text of the client into the catalogues, keeping what is
# translated already. There is one catalogue pair per source folder
# (resources/translations/<folder>_zh.ts and _en.ts, forms under "forms"); all of one
# language are compiled into one ":/Chinese" or ":/English". Run after adding texts,
# then translate the unfinished ones:
#   bash scripts/update-translations.sh [OUTPUT_DIR]
# With OUTPUT_DIR the catalogues are updated there (a copy), not in the tree.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
src="$top/resources/translations"
out="${1:-$src}"
lupdate="${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt5/bin/lupdate)}"
for d in app control device dialogs grid login mainwindow multiview remote storage upload users wall resources/forms; do
    [ -d "$top/$d" ] || continue
    name="$(basename "$d")"
    for lang in zh en; do
        ts="$out/${name}_$lang.ts"
        if [ "$out" != "$src" ] && [ -f "$src/${name}_$lang.ts" ]; then
            cp "$src/${name}_$lang.ts" "$ts"
        fi
        "$lupdate" -silent -no-obsolete -locations none -extensions cpp,h,ui "$top/$d" \
            -target-language "$([ "$lang" = zh ] && echo zh_CN || echo en_US)" -ts "$ts"
        # A folder without texts needs no catalogue.
        grep -q '<message' "$ts" || rm -f "$ts"
    done
done
