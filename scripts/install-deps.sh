#!/usr/bin/env bash
# Installs the Debian packages the build and the tests use, skipping those already there.
set -euo pipefail
packages=(
  g++ cmake ninja-build pkg-config
  binutils             # nm, with which a test lists what the module exports
  libtsan2             # ThreadSanitizer's runtime, for the stress tests
  libsqlite3-dev       # the catalog database engine
  libicu-dev           # Unicode case folding for text comparison and LIKE
  libgtest-dev libgmock-dev   # tests
  libbenchmark-dev     # benchmarks
  libedit-dev          # the host's line editing and history (readline interface, BSD licence)
  libcli11-dev         # the host's command-line options (header-only)
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
