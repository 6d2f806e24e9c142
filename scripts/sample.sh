#!/usr/bin/env bash
# Builds Velorin and converts the bundled sample application "Sales" into
# Sales-VB/ at the top of the checkout.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/setup.sh"
"$root/build/bin/velorin" convert "$root/examples/Sales.mdb.src" -o "$root/Sales-VB" --yes
