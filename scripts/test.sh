#!/usr/bin/env bash
# Runs every test: native unit tests under the sanitizers, a short fuzz run,
# the program file's checks, the Win32 tests under Wine (code pages 936 and
# 1252), and the end-to-end user stories on a Wine virtual desktop (code
# pages 936, 1252 and 950).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

PASSED=0
FAILED=0
FAILURES=()

count_gtest() {  # name, log
  local passed failed
  passed=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\?\./\1/p' "$2" | tail -n 1)
  failed=$(grep -c '^\[  FAILED  \] .* ([0-9]* ms)$' "$2" || true)
  if [ -z "$passed" ] && [ "$failed" -eq 0 ]; then failed=1; fi  # it crashed or hung
  PASSED=$((PASSED + ${passed:-0}))
  FAILED=$((FAILED + failed))
  [ "$failed" -eq 0 ] || FAILURES+=("$1")
}

# Runs a GoogleTest program of the Windows build under Wine and counts it.
run_wine_gtest() {  # name, program, log, locale
  # Into a file, not a pipe: Wine's service processes would hold a pipe open.
  (cd "$BUILD/win64" && timeout 600 env LC_ALL="$4" wine "./$2") >"$3" 2>&1 || true
  sed -i 's/\r$//' "$3"
  cat "$3"
  count_gtest "$1" "$3"
}

# A check fails when its command fails or when it reported a failure.
CHECK_FAILURES=0
fail() { printf '   FAIL: %s\n' "$*" >&2; CHECK_FAILURES=$((CHECK_FAILURES + 1)); return 1; }

check() {  # name, command...
  local name=$1 status=0
  shift
  CHECK_FAILURES=0
  "$@" || status=1
  if [ "$status" -eq 0 ] && [ "$CHECK_FAILURES" -eq 0 ]; then
    PASSED=$((PASSED + 1))
    printf '   ok: %s\n' "$name"
  else
    FAILED=$((FAILED + 1))
    FAILURES+=("$name")
    printf '   FAILED: %s\n' "$name"
  fi
}

install_missing_packages
LOGS="$BUILD/test-logs"
mkdir -p "$LOGS"

say "native unit tests (AddressSanitizer, UndefinedBehaviorSanitizer)"
build_native
"$BUILD/native/native_tests" >"$LOGS/native.log" 2>&1 || true
cat "$LOGS/native.log"
count_gtest native "$LOGS/native.log"

say "fuzzing the text operations against a reference (short run)"
build_fuzz
fuzz_briefly() {
  mkdir -p "$BUILD/fuzz/corpus"
  "$BUILD/fuzz/text_fuzz" -runs=300000 -max_len=128 "$BUILD/fuzz/corpus" >"$LOGS/fuzz.log" 2>&1 ||
    { tail -n 30 "$LOGS/fuzz.log"; return 1; }
}
check "text operations fuzzed, 300,000 runs" fuzz_briefly

say "the program file"
build_windows
source "$ROOT/tests/program_file.sh"
for t in $(declare -F | awk '{print $3}' | grep '^file_'); do check "$t" "$t"; done

say "the release is reproducible"
release_twice() {
  local first="$BUILD/release-check/a" second="$BUILD/release-check/elsewhere/b"
  rm -rf "$BUILD/release-check"
  bash "$ROOT/scripts/release.sh" "$first" >/dev/null 2>&1 || { fail "release.sh failed"; return 1; }
  bash "$ROOT/scripts/release.sh" "$second" >/dev/null 2>&1 || { fail "release.sh failed"; return 1; }
  cat "$first/SHA256SUMS"
  cmp -s "$first/SHA256SUMS" "$second/SHA256SUMS" || fail "two clean builds differ"
  unzip -Z1 "$first/tavrino-1.0.0-win64.zip" | sort | tr '\n' ' ' |
    grep -qx 'tavrino-1.0.0-win64/LICENSE tavrino-1.0.0-win64/README.md tavrino-1.0.0-win64/tavrino.exe ' ||
    fail "the zip does not hold exactly the exe, README.md and LICENSE"
}
check "two clean release builds give the same SHA-256" release_twice

start_virtual_display
trap 'stop_wine; stop_virtual_display' EXIT
prepare_wine_prefix

for locale in zh_CN.UTF-8 en_US.UTF-8; do
  say "Win32 tests under Wine, LC_ALL=$locale"
  run_wine_gtest "win32 $locale" win32_tests.exe "$LOGS/win32-$locale.log" "$locale"
done
check "Wine gave code page 936 for zh_CN" grep -q '^ANSI code page: 936$' "$LOGS/win32-zh_CN.UTF-8.log"
check "Wine gave code page 1252 for en_US" grep -q '^ANSI code page: 1252$' "$LOGS/win32-en_US.UTF-8.log"

for locale in zh_CN.UTF-8 en_US.UTF-8 zh_TW.UTF-8; do
  say "end-to-end user stories, LC_ALL=$locale"
  run_wine_gtest "e2e stories $locale" e2e_stories.exe "$LOGS/e2e-$locale.log" "$locale"
done
say "end-to-end user stories seen from Linux"
source "$ROOT/tests/e2e/lib.sh"
for f in "$ROOT"/tests/e2e/*.sh; do [ "$f" = "$ROOT/tests/e2e/lib.sh" ] || source "$f"; done
for t in $(declare -F | awk '{print $3}' | grep '^e2e_'); do check "$t" run_story "$t"; done

[ ${#FAILURES[@]} -eq 0 ] || printf 'failed: %s\n' "${FAILURES[@]}"
printf '%d passed, %d failed\n' "$PASSED" "$FAILED"
[ "$FAILED" -eq 0 ]
