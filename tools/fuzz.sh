#!/usr/bin/env bash
# Fuzzes the measurement file reader with libFuzzer for SECONDS (default 60), starting from the
# test corpus. Findings land in build-fuzz/findings/.
set -euo pipefail
MORVANE_SETUP_PACKAGES_ONLY=1 source "$(dirname "${BASH_SOURCE[0]}")/setup.sh" # clang, its runtimes
root="$MORVANE_ROOT"
seconds="${1:-60}"
build="$root/build-fuzz"
if [ ! -f "$build/build.ninja" ]; then
    CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DMORVANE_BUILD_FUZZ=ON -DMORVANE_BUILD_TESTS=OFF -DMORVANE_BUILD_BENCH=OFF
fi
cmake --build "$build" --target fuzz_measurement_file
mkdir -p "$build/corpus" "$build/findings"
cp -n "$root"/tests/fixtures/nasty/* "$root"/tests/fixtures/files/* "$root"/examples/* "$build/corpus/" 2>/dev/null || true
"$build/fuzz/fuzz_measurement_file" -max_total_time="$seconds" -max_len=65536 \
    -artifact_prefix="$build/findings/" "$build/corpus"
