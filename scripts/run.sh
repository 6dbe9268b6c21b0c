#!/usr/bin/env bash
# Builds the program alone (not the tests and benchmarks) and starts it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/build.sh" --target euro-changeover-adviser
exec "$root/build/src/euro-changeover-adviser" "$@"
