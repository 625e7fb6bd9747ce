#!/usr/bin/env bash
# Builds everything and runs every test, then the stress tests again under
# ThreadSanitizer (preset tsan in CMakePresets.json), where a data race fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
ctest --test-dir build --output-on-failure -j "$(nproc)"
cmake --preset tsan >/dev/null
cmake --build --preset tsan
ctest --preset tsan
