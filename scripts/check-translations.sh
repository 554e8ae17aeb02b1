#!/usr/bin/env bash
# Fails when a text used in the code has no finished translation in its catalogue: the
# sources are collected into copies of the catalogues, which must come out with nothing
# unfinished.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
bash "$top/scripts/update-translations.sh" "$tmp"
status=0
for ts in "$tmp"/*.ts; do
    if grep -q 'type="unfinished"' "$ts"; then
        echo "$(basename "$ts"): texts without a finished translation:"
        grep -B1 'type="unfinished"' "$ts" | grep '<source>' | sed 's/^ */    /'
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "every text has a finished translation in both catalogues"
exit "$status"
