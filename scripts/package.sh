#!/usr/bin/env bash
# Builds the Debian package of the program: installs what is missing,
# configures an optimised build without tests in build-package, builds it
# and packs what cmake --install lays out under /usr. Prints the package's
# path.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DARVENTO_TESTS=OFF
cmake --build build-package
rm -f build-package/arvento_*.deb
(cd build-package && cpack -G DEB)
deb=$(find "$PWD/build-package" -maxdepth 1 -name 'arvento_*.deb')
if [ -z "$deb" ]; then
  echo "package.sh: cpack made no package" >&2
  exit 1
fi
echo "$deb"
