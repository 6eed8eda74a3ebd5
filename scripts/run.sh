#!/usr/bin/env bash
# Installs what is missing, builds Lamvero and opens its window with the
# default inputs. Without a display it runs the default inputs headless,
# prints the results and writes the window's picture instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" --target lamvero lamvero-batch
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Kein Bildschirm gefunden: Lamvero rechnet die Vorgabewerte ohne Fenster und schreibt das Fensterbild nach lamvero.png."
  QT_QPA_PLATFORM=offscreen ./build/tools/lamvero-batch --png lamvero.png
else
  exec ./build/app/lamvero
fi
