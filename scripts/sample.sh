#!/usr/bin/env bash
# Builds Velorin and converts the bundled sample application "Sales" into
# Sales-VB/ at the top of the checkout.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# Only the command line and what it runs with: the tests and the desktop
# application are built by scripts/test.sh.
velorin_targets="velorin"
source "$root/scripts/setup.sh"
"$root/build/bin/velorin" convert "$root/examples/Sales.mdb.src" -o "$root/Sales-VB" --yes
