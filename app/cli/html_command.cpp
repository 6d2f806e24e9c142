#include <iostream>

#include "cli_commands.h"
#include "site/write_site.h"

namespace velorin {
namespace fs = std::filesystem;

bool WriteReportSite(const std::string& supportDb, const std::string& folder, bool quiet) {
    const SiteOutcome site =
        WriteConversionSite(fs::path(supportDb), fs::path(folder) / std::string(kReportFolder));
    if (!site.written) {
        std::cerr << "velorin: the conversion report was not written: " << site.error << "\n";
        return false;
    }
    if (!quiet)
        std::cout << "Report: " << site.index.string() << "\n";
    return true;
}

int HtmlCommand(const HtmlArguments& a) {
    if (!ProvideDefaultSupportDatabase(a.supportDb, a.supportTemplate, a.supportDbChosen))
        return 1;
    return WriteReportSite(a.supportDb, a.output, false) ? 0 : 1;
}

}  // namespace velorin
