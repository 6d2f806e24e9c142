// Code: a module (or, by the last byte, a form's code) converted by
// ConvertCodeFile, which translates each line and then runs the procedure pass,
// and re-indented as the driver does.
#include <cstdint>

#include "code/module_conversion.h"
#include "common/ansi_text.h"
#include "common/string_helpers.h"
#include "controls/support_library/support_library.h"
#include "fuzz_support.h"
#include "session/session.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace velorin;
    const std::string_view bytes = fuzz::AsText(data, size);
    const bool asForm = size > 0 && (data[size - 1] & 1) != 0;

    AccessApplication app;
    fuzz::AgreeingUi ui;
    Session session(app, fuzz::SupportDatabasePath(), ui);
    session.supportDb.RunSavedStatement("qryRptOutputDel");
    session.supportDb.RunSavedStatement("qryStatsDel");
    FormFacts form;
    form.designLines = 3;
    form.formFeatureFlags = {0, size % 2 == 0, size % 3 == 0, size % 5 == 0, size % 7 == 0, 0};
    session.supportDb.BeginGroup();
    if (asForm) {
        CodeText code =
            ConvertCodeFile(session, "Fuzzed", CodeText(SplitLines(DecodeInputText(bytes))), &form);
        SilentIndent(code);
    } else {
        app.AddModule({"Fuzzed", CodeModuleLines(SplitLines(DecodeInputText(bytes)))});
        CodeText code =
            ConvertCodeFile(session, "Fuzzed", ExportModuleText(session, "Fuzzed", false));
        SilentIndent(code);
    }
    session.supportDb.CommitGroup();
    return 0;
}
