#!/bin/sh
# The fuzz target still builds with clang on the program's own profiles library, and reads its corpus without a
# finding, so it cannot rot unseen. Only the fuzz target is built, in a folder of its own. Skipped without clang.
# Usage: fuzz_build_test.sh <source folder> <build folder> <cmake>
set -eu
source=$1 build=$2 cmake=$3
if ! command -v clang++ >/dev/null 2>&1; then
    echo "clang++ is not installed: the fuzz build is not checked"
    exit 77
fi
"$cmake" -S "$source" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DROROVOVO_FUZZ=ON -DROROVOVO_TESTS=OFF -DROROVOVO_BENCH=OFF >"$build.configure.log" 2>&1 ||
    { cat "$build.configure.log"; exit 1; }
"$cmake" --build "$build" --target fuzz_profiles -j2
"$build/profiles/fuzz/fuzz_profiles" -runs=0 "$source/profiles/fuzz/corpus"
