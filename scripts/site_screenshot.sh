#!/usr/bin/env bash
# The README's picture of the conversion report in a browser: converts the
# sample application with --html and lets headless chromium draw the top of
# the page of its Orders form, 1280 by 1000 pixels.
#   scripts/site_screenshot.sh [PICTURE]   (default docs/images/report-orders.png)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
picture="$(realpath -m "${1:-$root/docs/images/report-orders.png}")"
chromium="$(command -v chromium || command -v chromium-browser || true)"
if [ -z "$chromium" ]; then
  echo "chromium is missing: install it (apt-get install chromium)" >&2
  exit 1
fi
velorin_targets="velorin"
source "$root/scripts/setup.sh"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# An analysis database of its own: the user's keeps its last conversion.
cp "$root/build/bin/vlrn.db" "$work/vlrn.db"
status=0
"$root/build/bin/velorin" convert "$root/examples/Sales.mdb.src" -o "$work/Sales-VB" \
  --html --yes --quiet --support-db "$work/vlrn.db" || status=$?
# 3: converted, the project check found problems; the report is written.
[ "$status" -eq 0 ] || [ "$status" -eq 3 ] || exit "$status"
"$chromium" --headless --no-sandbox --disable-gpu --hide-scrollbars \
  --user-data-dir="$work/profile" --window-size=1280,1000 --screenshot="$picture" \
  "file://$work/Sales-VB/report/Orders.html" >/dev/null 2>&1
echo "Picture: $picture"
