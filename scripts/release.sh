#!/usr/bin/env bash
# Makes the release: tavrino-1.0.0-win64.zip (tavrino.exe, README.md,
# LICENSE) and SHA256SUMS, from a clean build, in dist/ or the folder given.
# The same sources give the same bytes: no time stamps, no build paths.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

OUT=$(mkdir -p "${1:-$ROOT/dist}" && cd "${1:-$ROOT/dist}" && pwd)
VERSION=1.0.0
NAME="tavrino-$VERSION-win64"

install_missing_packages
rm -rf "$OUT/build" "$OUT/$NAME" "$OUT/$NAME.zip" "$OUT/SHA256SUMS"
cmake -S "$ROOT" -B "$OUT/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$OUT/build" --target tavrino -- -j2 >/dev/null

mkdir -p "$OUT/$NAME"
cp "$OUT/build/tavrino.exe" "$ROOT/README.md" "$ROOT/LICENSE" "$OUT/$NAME/"
# Every file gets the same fixed time, and the archive holds no extra fields.
touch -d '2026-01-01 00:00:00 UTC' "$OUT/$NAME" "$OUT/$NAME"/*
(cd "$OUT" && TZ=UTC zip -q -X -D "$NAME.zip" "$NAME/LICENSE" "$NAME/README.md" "$NAME/tavrino.exe")
(cd "$OUT" && sha256sum "$NAME.zip" "$NAME/tavrino.exe" >SHA256SUMS)
rm -rf "$OUT/$NAME"
say "release in $OUT:"
cat "$OUT/SHA256SUMS"
