#!/usr/bin/env bash
# Builds the project and times the calculation by locator over the pairs in
# bench/pairs.txt (or the file given as the first argument), alone and beside
# Hamlib's locator2longlat and qrb, whose headers it installs.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh libhamlib-dev
scripts/build.sh
build/bench/bench_locator_pipeline "${1:-bench/pairs.txt}"
