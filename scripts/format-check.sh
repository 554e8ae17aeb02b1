#!/usr/bin/env bash
# Fails when a tracked C++ file differs from what .clang-format makes of it.
# Checks only; `clang-format -i <file>` applies the style.
set -euo pipefail
cd "$(dirname "$0")/.."

CLANG_FORMAT=${CLANG_FORMAT:-clang-format}
command -v "$CLANG_FORMAT" >/dev/null \
    || { echo "format-check: $CLANG_FORMAT not found; run 'make deps'" >&2; exit 1; }

git ls-files -z -- '*.cpp' '*.h' | xargs -0 -r -n 40 -P "${JOBS:-2}" "$CLANG_FORMAT" --dry-run --Werror
