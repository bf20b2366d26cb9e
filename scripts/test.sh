#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: once as
# built for use, once with AddressSanitizer and UndefinedBehaviorSanitizer;
# then builds the Debian package and checks it against Debian's rules.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh lintian
scripts/build.sh build
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
scripts/build.sh build-sanitize -DAZIDAL_SANITIZE=ON
ctest --test-dir build-sanitize --output-on-failure --parallel "$(nproc)"
lintian --fail-on error,warning "$(scripts/package.sh | tail -n 1)"
