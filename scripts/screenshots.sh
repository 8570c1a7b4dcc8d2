#!/usr/bin/env bash
# Draws the main window, the Payer List with one entry, the Payee List with
# a payee of each type, the INB form as it opens on a 1600 x 1000 screen, Add
# Payer with its markers and Generate Files to PNG files, under Qt's
# offscreen platform, so no display is needed. The main window's and the INB
# form's pictures are the ones in the README.
# Usage: scripts/screenshots.sh [output-folder] [build-folder]
# (defaults: docs/screenshots and build). Not part of the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshots}
dir=${2:-build}
if [ ! -f "$dir/CMakeCache.txt" ]; then
  scripts/install-deps.sh
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQLS_BUILD_BENCH=OFF
fi
cmake --build "$dir" --target quillastrand_screenshots
QT_QPA_PLATFORM=offscreen "$dir/tests/shell/quillastrand_screenshots" "$out"
# A filled payment summary as its payee receives it, drawn by poppler at 60 dpi.
cmake --build "$dir" --target sample_payment_summary
summary=$(mktemp --suffix=.pdf)
"$dir/tests/pdf/sample_payment_summary" "$summary"
pdftoppm -r 60 -png -singlefile "$summary" "$out/inb-payment-summary" && rm -f "$summary"
echo "wrote $out/inb-payment-summary.png"
