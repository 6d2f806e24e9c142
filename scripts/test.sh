#!/usr/bin/env bash
# Builds Velorin and runs every test.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/setup.sh"
ctest --test-dir "$root/build" --output-on-failure -j"$(nproc)"
