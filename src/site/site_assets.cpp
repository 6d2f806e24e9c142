#include "site/site_assets.h"

namespace velorin {

// Row classes of the code table: u unchanged, w rewritten, m marked, a added,
// d dropped; b starts a unit, q belongs to a unit without findings or changes.
const std::string_view kStyleSheet =
    R"css(body { font: 14px/1.4 sans-serif; margin: 1em 2em; color: #222; }
h1 { font-size: 1.5em; } h2 { font-size: 1.2em; margin-top: 1.5em; } h3 { font-size: 1em; }
a { color: #0645ad; }
table { border-collapse: collapse; }
th, td { padding: 1px 6px; text-align: left; vertical-align: top; }
th { background: #e8e8e8; }
td.n, th.n { text-align: right; }
table.sortable th button { font: inherit; font-weight: bold; border: 0; background: none; cursor: pointer; padding: 0; }
table.sortable th[aria-sort=ascending] button::after { content: " \25B2"; }
table.sortable th[aria-sort=descending] button::after { content: " \25BC"; }
table.list td { border-bottom: 1px solid #ddd; }
table.totals th { background: none; font-weight: normal; }
table.totals td { text-align: right; font-weight: bold; }
.c { font-family: monospace; white-space: pre-wrap; overflow-wrap: anywhere; }
svg text { font: 12px sans-serif; } svg rect { fill: #4a7ab5; }
img.preview { max-width: 100%; border: 1px solid #ccc; }
table.code { table-layout: fixed; width: 100%; font: 12px/1.35 monospace; }
table.code col.ln { width: 3.5em; } table.code col.f { width: 18%; }
table.code td { padding: 0 4px; white-space: pre-wrap; overflow-wrap: anywhere; }
table.code td:nth-child(odd) { color: #888; text-align: right; user-select: none; }
table.code td:nth-child(5) { color: #222; text-align: left; font-family: sans-serif; overflow-wrap: normal; background: #fff6e0; }
table.code td:nth-child(5):empty { background: none; }
table.code tr.b td { border-top: 1px solid #ddd; }
tr.w td:nth-child(2), tr.w td:nth-child(4), .legend .w { background: #fff3b0; }
tr.m td:nth-child(2), tr.m td:nth-child(4), .legend .m { background: #ffd0d0; }
tr.a td:nth-child(2), tr.a td:nth-child(4), .legend .a { background: #d4f5d4; }
tr.d td:nth-child(2), tr.d td:nth-child(4), .legend .d { background: #e4e4e4; color: #666; }
.legend span { padding: 0 6px; margin-right: 6px; border: 1px solid #ddd; }
table.code.head { position: sticky; top: 0; }
div.part { content-visibility: auto; }
#only:checked ~ div.part tr.q { display: none; }
.note { color: #a00; }
)css";

const std::string_view kScript =
    R"js(// Sorts a table of class "sortable" by the column whose heading is clicked;
// a second click reverses the order. Columns of class "n" hold numbers.
document.querySelectorAll('table.sortable').forEach(function (table) {
  var headings = table.tHead.rows[0].cells;
  Array.prototype.forEach.call(headings, function (heading, column) {
    var button = heading.querySelector('button');
    if (!button) return;
    button.addEventListener('click', function () {
      var ascending = heading.getAttribute('aria-sort') !== 'ascending';
      Array.prototype.forEach.call(headings, function (h) { h.removeAttribute('aria-sort'); });
      heading.setAttribute('aria-sort', ascending ? 'ascending' : 'descending');
      var numeric = heading.classList.contains('n');
      var body = table.tBodies[0];
      var rows = Array.prototype.slice.call(body.rows);
      rows.sort(function (a, b) {
        var x = a.cells[column].textContent, y = b.cells[column].textContent;
        var order = numeric ? Number(x) - Number(y)
                            : x.localeCompare(y, undefined, { sensitivity: 'base' });
        return ascending ? order : -order;
      });
      rows.forEach(function (row) { body.appendChild(row); });
    });
  });
});
)js";

}  // namespace velorin
