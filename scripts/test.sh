#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the full
# build (model, window, headless runner) and the model again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$jobs"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs")

cmake -S . -B build-san -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLAMVERO_SANITIZE=ON -DLAMVERO_WITH_UI=OFF >/dev/null
cmake --build build-san -j"$jobs" --target model_tests
(cd build-san && ctest --output-on-failure -j"$jobs")
