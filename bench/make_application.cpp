// Writes a synthetic application's text export: make_application SIZE FOLDER,
// SIZE one of tiny, small, medium, large, or FORMS:LINES.
#include <cstdio>
#include <exception>
#include <string>

#include "synthetic_application.h"

int main(int argc, char** argv) {
    using namespace velorin::bench;
    if (argc != 3) {
        std::fprintf(stderr,
                     "usage: make_application tiny|small|medium|large|FORMS:LINES FOLDER\n"
                     "  FOLDER is best named NAME.mdb.src: velorin convert takes it as is\n");
        return 2;
    }
    std::optional<ApplicationSize> size = SizeNamed(argv[1]);
    if (!size) {
        const std::string text = argv[1];
        const size_t colon = text.find(':');
        try {
            if (colon == std::string::npos)
                throw std::invalid_argument(text);
            size = ApplicationSize{text, std::stoi(text.substr(0, colon)),
                                   std::stol(text.substr(colon + 1))};
        } catch (const std::exception&) {
            std::fprintf(stderr, "make_application: unknown size %s\n", argv[1]);
            return 2;
        }
    }
    try {
        const ApplicationCounts c = WriteApplication(argv[2], *size);
        std::printf(
            "%d forms (%d subforms, %d over 254 controls, largest %d), %ld controls, %d tab "
            "controls, %d forms with page breaks\n%d modules, %ld lines of code (%ld behind "
            "forms), %d macros, %d command bars, %d tables, %d queries\n%ld files, %ld bytes\n",
            c.forms, c.subforms, c.formsOver254, c.largestForm, c.controls, c.tabControls,
            c.pageBreakForms, c.modules, c.formCodeLines + c.moduleCodeLines, c.formCodeLines,
            c.macros, c.commandBars, c.tables, c.queries, c.files, c.bytes);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_application: %s\n", e.what());
        return 1;
    }
    return 0;
}
