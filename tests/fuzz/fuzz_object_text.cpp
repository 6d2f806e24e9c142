// Object texts: the reader and the form built from it in memory, then the same
// bytes as a file of an export folder (form, report, macro, query or command
// bar, chosen by the last byte) read by the export reader.
#include <cstdint>

#include "common/ansi_text.h"
#include "fuzz_support.h"
#include "session/host/access_form.h"
#include "session/host/database_loader.h"
#include "session/host/object_text.h"

namespace {

using namespace velorin;

void ReadEveryControl(const AccessForm& form) {
    for (const AccessControl& control : form.Controls()) {
        if (const AccessControl* parent = control.Parent())
            (void)parent->Name();
        for (const char* name : {"Caption", "Left", "Top", "Width", "Visible", "BorderStyle",
                                 "RowSource", "ControlSource", "OnClick", "Picture"}) {
            (void)control.Property(name).AsText();
            (void)control.Property(name).AsLong();
        }
    }
    for (int section = -1; section <= 6; ++section)
        (void)form.SectionProperty(section, "Height").AsLong();
    (void)form.Text("RecordSource");
    (void)form.Property("PopUp").AsBool();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes = fuzz::AsText(data, size);
    ObjectTextResult result = ReadObjectText(DecodeInputText(bytes));
    if (result.text) {
        AccessForm form;
        if (BuildAccessForm(*result.text, "Fuzzed", "Fuzzed.bas", form).ok)
            ReadEveryControl(form);
        (void)MacroFromObjectText(*result.text, "mcrFuzzed");
    }

    static const char* const kFiles[] = {"forms/Fuzzed.bas", "reports/Fuzzed.bas",
                                         "macros/Fuzzed.bas", "queries/Fuzzed.bas",
                                         "commandbars/Fuzzed.txt"};
    const size_t kind = size == 0 ? 0 : data[size - 1] % 5;
    const std::filesystem::path root = fuzz::FreshDirectory("Fuzzed.src");
    fuzz::WriteBytes(root / kFiles[kind], bytes);
    AccessApplication app;
    LoadExportFolder(root, app);
    app.FinishLoading();
    if (const AccessForm* form = app.OpenForm("Fuzzed"))
        ReadEveryControl(*form);
    return 0;
}
