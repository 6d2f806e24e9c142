#include "site/page_parts.h"

#include "site/html_text.h"
#include "site/site_assets.h"

namespace velorin {

std::string PageStart(std::string_view title) {
    std::string page =
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>";
    AppendHtml(page, title);
    page += "</title>\n<link rel=\"stylesheet\" href=\"";
    page += kStyleSheetName;
    page += "\">\n</head>\n<body>\n";
    return page;
}

std::string PageEnd(bool script) {
    std::string end;
    if (script) {
        end += "<script src=\"";
        end += kScriptName;
        end += "\"></script>\n";
    }
    return end + "</body>\n</html>\n";
}

std::string ReasonText(const std::map<int, std::string>& reasons, int reason) {
    const auto it = reasons.find(reason);
    return std::to_string(reason) + ": " +
           (it != reasons.end() ? it->second : std::string("reason not described"));
}

std::string FindingAnchor(const SiteModule& module, const Finding& finding) {
    return module.ShowsLine(finding.line) ? "L" + std::to_string(finding.line)
                                          : "F" + std::to_string(finding.id);
}

std::string LineText(const Finding& finding) {
    return finding.line > 0 ? std::to_string(finding.line) : std::string("-");
}

void AppendFindingCells(std::string& page, const Finding& finding,
                        const std::map<int, std::string>& reasons) {
    AppendHtml(page, finding.routine);
    page += "</td><td>";
    AppendHtml(page, ReasonText(reasons, finding.reason));
    page += "</td><td class=\"c\">";
    AppendHtml(page, finding.codeLine);
    page += "</td><td class=\"c\">";
    AppendHtml(page, finding.translatedLine);
    page += "</td></tr>\n";
}

}  // namespace velorin
