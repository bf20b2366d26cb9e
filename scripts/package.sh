#!/usr/bin/env bash
# Builds the Debian package of the program: a release build in build-package/,
# packed by `cpack -G DEB` with the install prefix /usr. Installs what is
# missing with apt-get (using sudo when not root). Prints the package's path.
set -euo pipefail
cd "$(dirname "$0")/.."

# dpkg-shlibdeps (in dpkg-dev) and file find the libraries the program links.
scripts/setup-debian.sh dpkg-dev file

build=build-package
# Only what goes into the package is built, so the install step must not
# build the rest. Compiled and linked with Debian's hardening flags.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$build" --target azidal azidal-qrb compressed_docs --parallel "$(nproc)"

rm -f "$build"/azidal_*.deb
(cd "$build" && cpack -G DEB)

debs=("$PWD/$build"/azidal_*.deb)
[ -f "${debs[0]}" ] || { echo "cpack made no package." >&2; exit 1; }
echo "${debs[0]}"
