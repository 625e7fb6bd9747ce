#!/usr/bin/env bash
# Builds the module and the host, then starts the host on the default catalog, in the
# directory it was started from (relative names typed at the prompt are taken from there).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
(cd "$root" && ./scripts/build.sh)
exec "$root/build/bindershelf" "$@"
