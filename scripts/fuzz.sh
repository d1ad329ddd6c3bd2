#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer into build-fuzz/ and runs each for a bounded
# time (FUZZ_SECONDS, 60 by default). Seeds come from fuzz/corpus/<target>/; what the fuzzer
# finds is kept in build-fuzz/corpus/<target>/, a crashing input in build-fuzz/fuzz/.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build-fuzz"
seconds="${FUZZ_SECONDS:-60}"
targets=(listfile numbers recordsource ownsizefile keptlist)

# The core library, which fuzz_keptlist links, is built with the fuzzer's coverage and the
# sanitizers; the other targets compile their few sources themselves.
CC=clang CXX=clang++ cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMORVEX_FUZZ=ON -DMORVEX_BUILD_TESTS=OFF \
    "-DMORVEX_SANITIZE_FLAGS=-fsanitize=fuzzer-no-link,address,undefined" >/dev/null
for target in "${targets[@]}"; do
    cmake --build "$build" --target "fuzz_$target" -j"$(nproc)"
done
for target in "${targets[@]}"; do
    mkdir -p "$build/corpus/$target"
    echo "fuzz_$target: ${seconds} s"
    (cd "$build/fuzz" && "./fuzz_$target" -max_total_time="$seconds" -max_len=65536 \
        "$build/corpus/$target" "$here/fuzz/corpus/$target")
done
