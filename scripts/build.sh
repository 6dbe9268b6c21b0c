#!/usr/bin/env bash
# Installs what is missing, then configures and builds the project in build/:
# everything, or only what the arguments name (--target euro-changeover-adviser).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build" --parallel "$(nproc)" "$@"
