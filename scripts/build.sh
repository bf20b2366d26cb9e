#!/usr/bin/env bash
# Configures and builds the project: optimised, with debug symbols.
# Usage: scripts/build.sh [BUILD_DIR [EXTRA_CMAKE_ARGUMENTS...]]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$dir" --parallel "$(nproc)"
