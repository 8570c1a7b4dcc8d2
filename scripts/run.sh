#!/usr/bin/env bash
# Installs what is needed, builds and starts the program.
# Usage: scripts/run.sh [report.vkrd]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQLS_BUILD_TESTS=OFF -DQLS_BUILD_BENCH=OFF
exec build/src/app/quillastrand "$@"
