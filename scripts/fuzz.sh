#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer, ASan and UBSan, and runs each one for the
# given number of seconds (default 30) over its seed corpus, as many side by side as there are
# cores (MAPEDITOR_FUZZ_JOBS), each on its own core for the whole time.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
# The corpus each run grows is kept in build-fuzz/corpus/<name>, crash inputs go to
# build-fuzz/artifacts, the full output to build-fuzz/<target>.log. Exit status 1 when any
# target found a crash or stayed below its coverage floor (fuzz/coverage-floors.txt): a target
# that no longer reaches its reader, say because a question now stops the operation before
# it, reaches far fewer edges than its seeds alone give a working one.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-30}"
shift || true
build="${MAPEDITOR_FUZZ_BUILD_DIR:-$root/build-fuzz}"

# MAPEDITOR_FUZZ_NO_BUILD=1 runs the targets already built (for several runs side by side).
if [ "${MAPEDITOR_FUZZ_NO_BUILD:-0}" != 1 ]; then
    MAPEDITOR_WITH_FUZZ=1 "$root/scripts/install-deps.sh"
    CC=clang-14 CXX=clang++-14 cmake -S "$root" -B "$build" -G Ninja \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMAPEDITOR_FUZZ=ON -DMAPEDITOR_BUILD_TESTS=OFF \
        -DMAPEDITOR_BUILD_BENCH=OFF >/dev/null
    cmake --build "$build" --target fuzzers -j "$(nproc)"
fi

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for f in "$root"/fuzz/fuzz_*.cpp; do targets+=("$(basename "$f" .cpp)"); done
fi

# The targets write their inputs as files; keep that traffic in memory when possible.
scratch_parent=/dev/shm
[ -w "$scratch_parent" ] || scratch_parent="$build"
scratch="$(mktemp -d "$scratch_parent/mapfuzz-run-XXXXXX")"
trap 'rm -rf "$scratch"' EXIT

# Runs one target in a scratch folder of its own and leaves its exit status beside its log.
run_target() {
    local t="$1"
    local work="$build/corpus/${t#fuzz_}"
    mkdir -p "$work" "$build/artifacts" "$scratch/$t"
    local result=0
    TMPDIR="$scratch/$t" "$build/fuzz/$t" -max_total_time="$seconds" -timeout=30 \
        -print_final_stats=1 -artifact_prefix="$build/artifacts/$t-" "$work" \
        "$root/fuzz/corpus/${t#fuzz_}" 2>"$build/$t.log" || result=$?
    echo "$result" >"$build/$t.status"
    rm -rf "${scratch:?}/$t"
}

jobs="${MAPEDITOR_FUZZ_JOBS:-$(nproc)}"
for ((first = 0; first < ${#targets[@]}; first += jobs)); do
    for t in "${targets[@]:first:jobs}"; do
        echo "== $t: ${seconds}s =="
        run_target "$t" &
    done
    wait
done

status=0
for t in "${targets[@]}"; do
    echo "== $t =="
    if [ "$(cat "$build/$t.status")" != 0 ]; then
        status=1
        echo "-- $t FAILED; the end of its output:"
        tail -n 40 "$build/$t.log"
    fi
    # Executions, the coverage reached (edges "cov", features "ft") and the corpus size.
    grep -E "stat::number_of_executed_units|stat::average_exec_per_sec" "$build/$t.log" || true
    grep -E "^#[0-9]+.*cov:" "$build/$t.log" | tail -n 1 || true
    floor="$(awk -v t="$t" '$1 == t { print $2 }' "$root/fuzz/coverage-floors.txt")"
    reached="$(grep -oE "cov: [0-9]+" "$build/$t.log" | awk '{ print $2 }' | sort -n | tail -n 1)"
    if [ -z "$floor" ]; then
        status=1
        echo "-- $t has no coverage floor in fuzz/coverage-floors.txt"
    elif [ "${reached:-0}" -lt "$floor" ]; then
        status=1
        echo "-- $t reached ${reached:-0} edges, below its floor of $floor: it does not reach its reader"
    fi
done
exit $status
