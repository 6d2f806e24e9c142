#include "site/index_page.h"

#include <algorithm>

#include "site/html_text.h"
#include "site/page_parts.h"

namespace velorin {
namespace {

struct Totals {
    long long forms = 0;
    long long modules = 0;
    ModuleCounts counts;
    long long statementLines = 0;
    long long translated = 0;
    long long findings = 0;
};

Totals Add(const SiteData& data) {
    Totals t;
    for (const SiteModule& m : data.modules) {
        (m.Kind() == "Form" ? t.forms : t.modules) += 1;
        t.counts.controls += m.counts.controls;
        t.counts.controlsInPart += m.counts.controlsInPart;
        t.counts.commentLines += m.counts.commentLines;
        t.counts.blankLines += m.counts.blankLines;
        t.counts.linesToReview += m.counts.linesToReview;
        t.counts.linesNotTranslated += m.counts.linesNotTranslated;
        t.statementLines += m.counts.StatementLines();
        t.translated += m.counts.LinesTranslated();
        t.findings += static_cast<long long>(m.findings.size());
    }
    return t;
}

void AppendTotals(std::string& page, const Totals& t) {
    const std::pair<const char*, long long> rows[] = {
        {"Forms", t.forms},
        {"Modules", t.modules},
        {"Controls", t.counts.controls},
        {"Controls converted in part", t.counts.controlsInPart},
        {"Lines of code (without comments and blank lines)", t.statementLines},
        {"Lines translated", t.translated},
        {"Lines translated, to review", t.counts.linesToReview},
        {"Lines not translated", t.counts.linesNotTranslated},
        {"Findings", t.findings},
    };
    page += "<section id=\"totals\">\n<table class=\"totals\">\n";
    for (const auto& [label, value] : rows)
        page +=
            std::string("<tr><th>") + label + "</th><td>" + std::to_string(value) + "</td></tr>\n";
    page += "</table>\n</section>\n";
}

// One bar per reason that has findings, its text above it, its count after it.
void AppendReasonChart(std::string& page, const SiteData& data) {
    std::map<int, long long> counts;
    for (const SiteModule& m : data.modules) {
        for (const Finding& f : m.findings)
            ++counts[f.reason];
    }
    page += "<section id=\"reasons\">\n<h2>Findings by reason</h2>\n";
    if (counts.empty()) {
        page += "<p>None.</p>\n</section>\n";
        return;
    }
    long long most = 0;
    for (const auto& [reason, count] : counts)
        most = std::max(most, count);
    constexpr int kPitch = 38;
    constexpr double kLongest = 640;
    const int height = kPitch * static_cast<int>(counts.size()) + 4;
    page += "<svg width=\"760\" height=\"" + std::to_string(height) + "\" viewBox=\"0 0 760 " +
            std::to_string(height) + "\" role=\"img\" aria-label=\"Findings by reason\">\n";
    int y = 0;
    for (const auto& [reason, count] : counts) {
        const double length =
            std::max(1.0, kLongest * static_cast<double>(count) / static_cast<double>(most));
        const std::string label = ReasonText(data.reasons, reason);
        page += "<g><title>";
        AppendHtml(page, label + ": " + std::to_string(count));
        page += "</title><text x=\"0\" y=\"" + std::to_string(y + 13) + "\">";
        AppendHtml(page, label);
        page += "</text><rect x=\"0\" y=\"" + std::to_string(y + 17) + "\" width=\"" +
                std::to_string(static_cast<int>(length)) + "\" height=\"14\"/><text x=\"" +
                std::to_string(static_cast<int>(length) + 6) + "\" y=\"" + std::to_string(y + 29) +
                "\">" + std::to_string(count) + "</text></g>\n";
        y += kPitch;
    }
    page += "</svg>\n</section>\n";
}

void AppendModuleTable(std::string& page, const SiteData& data,
                       const std::vector<std::string>& stems) {
    page +=
        "<section id=\"objects\">\n<h2>Forms and modules</h2>\n<p>Click a heading to sort by "
        "it.</p>\n<table class=\"list sortable\">\n<thead><tr>"
        "<th><button type=\"button\">Form or module</button></th>"
        "<th><button type=\"button\">Kind</button></th>";
    for (const char* heading : {"Lines of code", "Translated", "To review", "Not translated",
                                "Controls", "Controls in part", "Findings"})
        page +=
            std::string("<th class=\"n\"><button type=\"button\">") + heading + "</button></th>";
    page += "</tr></thead>\n<tbody>\n";
    for (size_t i = 0; i < data.modules.size(); ++i) {
        const SiteModule& m = data.modules[i];
        page += "<tr><td><a href=\"" + stems[i] + ".html\">";
        AppendHtml(page, m.name);
        page += "</a></td><td>" + Html(m.Kind()) + "</td>";
        const ModuleCounts& c = m.counts;
        for (long long value :
             {c.StatementLines(), c.LinesTranslated(), c.linesToReview, c.linesNotTranslated,
              c.controls, c.controlsInPart, static_cast<long long>(m.findings.size())})
            page += "<td class=\"n\">" + std::to_string(value) + "</td>";
        page += "</tr>\n";
    }
    page += "</tbody>\n</table>\n</section>\n";
}

// Each module's findings under its name, each linked to where its page shows it.
void AppendFindings(std::string& page, const SiteData& data,
                    const std::vector<std::string>& stems) {
    page += "<section id=\"all-findings\">\n<h2>Findings by form and module</h2>\n";
    bool any = false;
    for (size_t i = 0; i < data.modules.size(); ++i) {
        const SiteModule& m = data.modules[i];
        if (m.findings.empty())
            continue;
        any = true;
        const std::string href = stems[i] + ".html";
        page += "<h3><a href=\"" + href + "\">";
        AppendHtml(page, m.name);
        page += "</a></h3>\n";
        page += kFindingsTableHead;
        for (const Finding& f : m.findings) {
            page += "<tr data-f=\"" + std::to_string(f.id) + "\"><td class=\"n\"><a href=\"" +
                    href + "#" + FindingAnchor(m, f) + "\">" + (f.line > 0 ? LineText(f) : "page") +
                    "</a></td><td>";
            AppendFindingCells(page, f, data.reasons);
        }
        page += "</tbody>\n</table>\n";
    }
    if (!any)
        page += "<p>None.</p>\n";
    page += "</section>\n";
}

}  // namespace

std::string IndexPage(const SiteData& data, const std::vector<std::string>& stems) {
    std::string page = PageStart("Velorin conversion report");
    page +=
        "<h1>Conversion report</h1>\n<p>What Velorin converted, and what it could not "
        "translate. Each form and module has a page with its code, Access's beside Visual "
        "Basic's.</p>\n";
    AppendTotals(page, Add(data));
    AppendReasonChart(page, data);
    AppendModuleTable(page, data, stems);
    AppendFindings(page, data, stems);
    page += PageEnd(true);
    return page;
}

}  // namespace velorin
