#!/usr/bin/env bash
# Builds the module and starts it on the default catalog beside it.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
exec ./build/bindershelf_demo "$@"
