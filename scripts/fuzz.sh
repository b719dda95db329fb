#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer, ASan and UBSan, and runs each one for the
# given number of seconds (default 30) over its seed corpus.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-30}"
shift || true
build="${MAPEDITOR_FUZZ_BUILD_DIR:-$root/build-fuzz}"

MAPEDITOR_WITH_FUZZ=1 "$root/scripts/install-deps.sh"
CC=clang-14 CXX=clang++-14 cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMAPEDITOR_FUZZ=ON -DMAPEDITOR_BUILD_TESTS=OFF -DMAPEDITOR_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target fuzzers -j "$(nproc)"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for f in "$root"/fuzz/fuzz_*.cpp; do targets+=("$(basename "$f" .cpp)"); done
fi

status=0
for t in "${targets[@]}"; do
    corpus_seed="$root/fuzz/corpus/${t#fuzz_}"
    work="$build/corpus/${t#fuzz_}"
    mkdir -p "$work" "$build/artifacts"
    echo "== $t: ${seconds}s =="
    if ! "$build/fuzz/$t" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$t-" "$work" "$corpus_seed" 2>"$build/$t.log"; then
        status=1
        tail -n 40 "$build/$t.log"
    fi
    grep -E "stat::number_of_executed_units|stat::peak_rss_mb|cov:" "$build/$t.log" | tail -n 3 || true
done
exit $status
