#!/usr/bin/env bash
# clang-tidy with .clang-tidy over our sources listed in <build>/compile_commands.json.
# Generated files (moc, uic, rcc) live in the build directory and are left out, as are
# the headers they bring in.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${1:-build}

[ -f "$build/compile_commands.json" ] \
    || { echo "lint: $build/compile_commands.json missing; run 'make build' first" >&2; exit 1; }
command -v run-clang-tidy >/dev/null \
    || { echo "lint: run-clang-tidy not found; run 'make deps'" >&2; exit 1; }

ours="app|bench|device|dialogs|grid|login|mainwindow|control|multiview|sim|storage|tests|upload|users|wall"
run-clang-tidy -quiet -j "${JOBS:-2}" -p "$build" \
    -header-filter="^$root/($ours)/" "^$root/($ours)/"
