#include "site/code_page.h"

#include <vector>

#include "site/code_rows.h"
#include "site/html_text.h"
#include "site/page_parts.h"

namespace velorin {
namespace {

using FindingsByLine = std::map<long long, std::vector<const Finding*>>;

// The code table's columns: line numbers, Access, line numbers, Visual Basic, findings.
constexpr std::string_view kColumns =
    "<colgroup><col class=\"ln\"><col><col class=\"ln\"><col><col class=\"f\"></colgroup>";
// A part of the code table holds this many rows, or the rest of the unit
// that reaches that number; until it comes into view its height is taken
// as its rows' at kRowHeight pixels.
constexpr size_t kRowsInPart = 250;
constexpr size_t kRowHeight = 16;

const char* RowClass(LineChange change) {
    switch (change) {
        case LineChange::Unchanged:
            return "u";
        case LineChange::Rewritten:
            return "w";
        case LineChange::Marked:
            return "m";
        case LineChange::Added:
            return "a";
        case LineChange::Dropped:
            return "d";
    }
    return "u";
}

void AppendCounts(std::string& page, const SiteModule& module) {
    page += "<p>" + Html(module.Kind());
    if (module.code && module.code->objectName != module.name) {
        page += ", in Access ";
        AppendHtml(page, module.code->objectName);
    }
    if (module.hasStats) {
        const ModuleCounts& c = module.counts;
        page += ". " + std::to_string(c.StatementLines()) +
                " lines of code: " + std::to_string(c.LinesTranslated()) + " translated, " +
                std::to_string(c.linesToReview) + " to review, " +
                std::to_string(c.linesNotTranslated) + " not translated; " +
                std::to_string(c.commentLines) + " comment and " + std::to_string(c.blankLines) +
                " blank lines";
        if (c.controls > 0)
            page += "; " + std::to_string(c.controls) + " controls, " +
                    std::to_string(c.controlsInPart) + " of them converted in part";
    }
    page += ".</p>\n";
}

void AppendFindingsList(std::string& page, const SiteModule& module,
                        const std::map<int, std::string>& reasons, size_t besideLines) {
    page += "<section id=\"findings\">\n<h2>Findings</h2>\n";
    if (module.findings.empty())
        page += "<p>None.</p>\n";
    if (besideLines > 0)
        page += "<p>" + std::to_string(besideLines) +
                (besideLines == 1 ? " finding stands beside its line"
                                  : " findings stand beside their lines") +
                " in the code below.</p>\n";
    if (module.findings.size() > besideLines) {
        page += kFindingsTableHead;
        for (const Finding& f : module.findings) {
            if (module.ShowsLine(f.line))
                continue;
            const std::string id = std::to_string(f.id);
            page += "<tr id=\"F" + id + "\" data-f=\"" + id + "\"><td class=\"n\">" + LineText(f) +
                    "</td><td>";
            AppendFindingCells(page, f, reasons);
        }
        page += "</tbody>\n</table>\n";
    }
    page += "</section>\n";
}

void AppendPicture(std::string& page, const SiteModule& module, const std::string& picture,
                   bool pictureMissing) {
    if (picture.empty() && !pictureMissing)
        return;
    page += "<section id=\"picture\">\n<h2>The form</h2>\n";
    if (!picture.empty()) {
        page += "<img class=\"preview\" src=\"" + picture + "\" alt=\"The form ";
        AppendHtml(page, module.name);
        page += ": Access on the left, Visual Basic on the right\">\n";
    } else {
        page += "<p class=\"note\">The form's picture ";
        AppendHtml(page, module.code->preview);
        page += " was not found.</p>\n";
    }
    page += "</section>\n";
}

// A block is quiet when nothing in it changed and no finding stands beside it:
// the filter hides it.
bool IsQuiet(const CodeBlock& block, const FindingsByLine& findings) {
    for (const CodeRow& row : block) {
        if (row.change != LineChange::Unchanged || findings.count(row.access) > 0)
            return false;
    }
    return true;
}

void AppendRow(std::string& page, const CodeMap& code, const CodeRow& row, bool first, bool quiet,
               const FindingsByLine& findings, const std::map<int, std::string>& reasons) {
    page += "<tr class=\"";
    page += RowClass(row.change);
    if (first)
        page += " b";
    if (quiet)
        page += " q";
    page += "\">";
    if (row.access > 0) {
        const std::string number = std::to_string(row.access);
        page += "<td id=\"L" + number + "\">" + number + "</td><td>";
        AppendHtml(page, code.accessLines[row.access - 1]);
        page += "</td>";
    } else {
        page += "<td></td><td></td>";
    }
    if (row.vb > 0) {
        page += "<td>" + std::to_string(row.vb) + "</td><td>";
        AppendHtml(page, code.vbLines[row.vb - 1]);
        page += "</td>";
    } else {
        page += "<td></td><td></td>";
    }
    page += "<td>";
    if (const auto beside = findings.find(row.access); row.access > 0 && beside != findings.end()) {
        for (const Finding* f : beside->second) {
            page += "<div data-f=\"" + std::to_string(f->id) + "\">";
            AppendHtml(page, ReasonText(reasons, f->reason));
            page += "</div>";
        }
    }
    page += "</td></tr>\n";
}

void AppendCode(std::string& page, const SiteModule& module, const FindingsByLine& findings,
                const std::map<int, std::string>& reasons) {
    page += "<section id=\"code\">\n<h2>Code</h2>\n";
    if (!module.code) {
        page += "<p>The support database holds no code of this " +
                std::string(module.Kind() == "Form" ? "form" : "module") +
                "; its findings are listed above.</p>\n</section>\n";
        return;
    }
    const CodeMap& code = *module.code;
    if (!code.unitsProblem.empty()) {
        page += "<p class=\"note\">Which lines became which cannot be read (";
        AppendHtml(page, code.unitsProblem);
        page += "): the two codes stand side by side line by line.</p>\n";
    }
    page +=
        "<p class=\"legend\"><span class=\"u\">unchanged</span><span class=\"w\">rewritten</span>"
        "<span class=\"m\">commented out ('VLRN)</span><span class=\"a\">added by the "
        "conversion</span><span class=\"d\">left nothing</span></p>\n"
        "<input type=\"checkbox\" id=\"only\"> <label for=\"only\">Show only the parts with "
        "findings or changes</label>\n<table class=\"code head\">";
    page += kColumns;
    page +=
        "<thead><tr><th>#</th><th>Access</th><th>#</th><th>Visual Basic</th><th>Findings</th>"
        "</tr></thead></table>\n";
    // The rows go in parts of a few hundred, each a table of its own that the
    // browser lays out only when it comes into view: a page of many thousand
    // lines opens at once.
    std::string part;
    size_t partRows = 0;
    const auto endPart = [&] {
        if (partRows == 0)
            return;
        page += "<div class=\"part\" style=\"contain-intrinsic-size: auto " +
                std::to_string(partRows * kRowHeight) + "px\"><table class=\"code\">";
        page += kColumns;
        page += "<tbody>\n" + part + "</tbody></table></div>\n";
        part.clear();
        partRows = 0;
    };
    for (const CodeBlock& block : LayOutCode(code)) {
        if (partRows >= kRowsInPart)
            endPart();
        const bool quiet = IsQuiet(block, findings);
        for (size_t i = 0; i < block.size(); ++i)
            AppendRow(part, code, block[i], i == 0, quiet, findings, reasons);
        partRows += block.size();
    }
    endPart();
    page += "</section>\n";
}

}  // namespace

std::string CodePage(const SiteModule& module, const std::map<int, std::string>& reasons,
                     const std::string& picture, bool pictureMissing) {
    FindingsByLine besideLines;
    size_t beside = 0;
    for (const Finding& f : module.findings) {
        if (module.ShowsLine(f.line)) {
            besideLines[f.line].push_back(&f);
            ++beside;
        }
    }
    std::string page = PageStart(module.name + " - Velorin conversion report");
    page.reserve(module.code ? 200 * (module.code->accessLines.size() + module.code->vbLines.size())
                             : 4096);
    page += "<nav><a href=\"" + std::string(kIndexPage) + "\">Conversion report</a></nav>\n<h1>";
    AppendHtml(page, module.name);
    page += "</h1>\n";
    AppendCounts(page, module);
    AppendFindingsList(page, module, reasons, beside);
    AppendPicture(page, module, picture, pictureMissing);
    AppendCode(page, module, besideLines, reasons);
    page += PageEnd(false);
    return page;
}

}  // namespace velorin
