#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: once as
# built for use, once with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
scripts/build.sh build
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
scripts/build.sh build-sanitize -DAZIDAL_SANITIZE=ON
ctest --test-dir build-sanitize --output-on-failure --parallel "$(nproc)"
