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

# Debian's hardening flags, as its own packages are built; no debugging
# information, which the package strips anyway.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP=-g
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
# A game's program goes to /usr/games; its card library stays a private
# plugin in /usr/lib/<triplet>/tavolin, found from the program's own place.
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
      -DCMAKE_INSTALL_BINDIR=games -DTAVOLIN_BUILD_TESTS=OFF -DTAVOLIN_BUILD_BENCH=OFF \
      -DCMAKE_STRIP="$PWD/scripts/debian-strip.sh" \
      -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" -DCMAKE_MODULE_LINKER_FLAGS="$ldflags" \
      >/dev/null
cmake --build build-package
(cd build-package && cpack -G DEB >/dev/null)
ls build-package/*.deb
