#!/usr/bin/env bash
# Builds Tavrino and prints the benchmark: start-up, memory and size beside
# a bare one-window program, and the cost of the generate and copy actions.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing_packages
build_windows >/dev/null
start_virtual_display
trap 'stop_wine; stop_virtual_display' EXIT
prepare_wine_prefix
out="$BUILD/benchmark.txt"
# Into a file, not a pipe: Wine's service processes would hold a pipe open.
(cd "$BUILD/win64" && run_wine ./benchmark.exe) >"$out" 2>&1
sed -i 's/\r$//' "$out"
cat "$out"
