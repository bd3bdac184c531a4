#!/usr/bin/env bash
# Builds the Debian package of Tavolin with CPack, installing into /usr:
# build-package/tavolin_<version>_<architecture>.deb. Install it with
#   sudo apt-get install ./build-package/tavolin_*.deb
# which also brings the Qt libraries it needs; remove it with
#   sudo apt-get remove tavolin
set -euo pipefail
cd "$(dirname "$0")/.."

# dpkg-shlibdeps (dpkg-dev) finds the packages of the libraries the game links.
scripts/install-deps.sh dpkg-dev

cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
      -DTAVOLIN_BUILD_TESTS=OFF -DTAVOLIN_BUILD_BENCH=OFF >/dev/null
cmake --build build-package
(cd build-package && cpack -G DEB >/dev/null)
ls build-package/*.deb
