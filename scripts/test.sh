#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the full
# build (model, window, headless runner) and the model again under
# AddressSanitizer and UndefinedBehaviorSanitizer, and the study tests (the
# model on several worker threads) under ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$jobs"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs")

cmake -S . -B build-san -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLAMVERO_SANITIZE=ON -DLAMVERO_WITH_UI=OFF >/dev/null
cmake --build build-san -j"$jobs" --target model_tests study_tests
(cd build-san && ctest --output-on-failure -j"$jobs")

cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLAMVERO_TSAN=ON -DLAMVERO_WITH_UI=OFF >/dev/null
cmake --build build-tsan -j"$jobs" --target study_tests
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" build-tsan/tests/study_tests
