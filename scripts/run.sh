#!/usr/bin/env bash
# Builds the module and the host, then starts the host on the default catalog.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
exec ./build/bindershelf "$@"
