#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the full
# build (model, window, headless runner), then all of it again under
# AddressSanitizer and UndefinedBehaviorSanitizer, the study tests (the model
# on several worker threads) under ThreadSanitizer, then short libFuzzer runs
# (clang) of the number reader, the input check and the case-file round trip of
# what it accepts, of the study inputs (case tables, varied inputs, shards,
# merges of parts), of the case-file reader with the round trip of what it reads, and of the
# study-file and study-output readers with the round trip of what they read, and
# of the measured-curve reader.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs=$(nproc)
root=$PWD

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$jobs"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs")

cmake -S . -B build-san -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLAMVERO_SANITIZE=ON -DLAMVERO_WITH_BENCH=OFF >/dev/null
cmake --build build-san -j"$jobs"
(cd build-san && QT_QPA_PLATFORM=offscreen LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0" \
  ctest --output-on-failure -j"$jobs")

cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLAMVERO_TSAN=ON -DLAMVERO_WITH_UI=OFF >/dev/null
cmake --build build-tsan -j"$jobs" --target study_tests
# The known-answer tests of fitting and optimising repeat the same threads'
# work many times (twenty noisy fits, a grid); the Release and ASan stages run
# them, here one fit with its parallel Jacobian stands for them.
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" build-tsan/tests/study_tests \
  --gtest_filter=-Fit.NoisyDataCoverTheTrueValuesInTheirIntervals:Fit.JacobianStepGivesIntervalsThatDoNotDependOnIt:Optimise.TwoInputsUnderATimeLimitFindTheGridsBestPoint

CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLAMVERO_FUZZ=ON \
  -DLAMVERO_WITH_UI=OFF -DLAMVERO_WITH_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"$jobs" --target fuzz_inputs fuzz_study fuzz_casefile fuzz_studyfile fuzz_measuredcsv
rm -rf build-fuzz/corpus && mkdir -p build-fuzz/corpus && cp fuzz/seeds/* build-fuzz/corpus/
build-fuzz/fuzz/fuzz_inputs -max_total_time=20 -timeout=10 -print_final_stats=1 build-fuzz/corpus
rm -rf build-fuzz/corpus-study && mkdir -p build-fuzz/corpus-study && cp fuzz/seeds-study/* build-fuzz/corpus-study/
build-fuzz/fuzz/fuzz_study -max_total_time=20 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 build-fuzz/corpus-study
rm -rf build-fuzz/corpus-casefile && mkdir -p build-fuzz/corpus-casefile && cp fuzz/seeds-casefile/* build-fuzz/corpus-casefile/
build-fuzz/fuzz/fuzz_casefile -max_total_time=20 -timeout=10 -print_final_stats=1 build-fuzz/corpus-casefile
rm -rf build-fuzz/corpus-studyfile && mkdir -p build-fuzz/corpus-studyfile && cp fuzz/seeds-studyfile/* build-fuzz/corpus-studyfile/
build-fuzz/fuzz/fuzz_studyfile -max_total_time=20 -timeout=10 -print_final_stats=1 build-fuzz/corpus-studyfile
rm -rf build-fuzz/corpus-measured && mkdir -p build-fuzz/corpus-measured && cp fuzz/seeds-measured/* build-fuzz/corpus-measured/
build-fuzz/fuzz/fuzz_measuredcsv -max_total_time=20 -timeout=10 -print_final_stats=1 build-fuzz/corpus-measured
