#!/usr/bin/env bash
# Builds the Debian package of Pelmar, build/pelmar_<version>_<arch>.deb, and checks it: lintian
# (an error fails; the warnings accepted are in packaging/lintian-overrides, each with its reason),
# the menu entry and the software-centre metadata against their validators.
# Install it with: apt install ./build/pelmar_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/dependencias.sh
instala_dependencias dpkg-dev file lintian desktop-file-utils appstream
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
rm -f build/pelmar_*.deb
(cd build && cpack -G DEB >/dev/null)
pacote=$(ls build/pelmar_*.deb)
echo "Pacote: $pacote"
desktop-file-validate packaging/example.pelmar.Pelmar.desktop
appstreamcli validate --no-net build/example.pelmar.Pelmar.metainfo.xml
lintian --fail-on error --display-info --info "$pacote"
