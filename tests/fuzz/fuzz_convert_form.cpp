// A whole conversion of one form given as its object text (code behind it
// included), through the driver with every step; the last byte picks the
// options.
#include <cstdint>

#include "common/ansi_text.h"
#include "driver/conversion_driver.h"
#include "fuzz_support.h"
#include "session/host/object_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace velorin;
    ObjectTextResult text = ReadObjectText(DecodeInputText(fuzz::AsText(data, size)));
    if (!text.text)
        return 0;
    auto form = std::make_unique<AccessForm>();
    if (!BuildAccessForm(*text.text, "Fuzzed", "Fuzzed.bas", *form).ok)
        return 0;
    AccessApplication app;
    app.AddForm(std::move(form));
    app.AddModule({"basFuzzed", {"Option Explicit"}});
    app.FinishLoading();

    const uint8_t bits = size == 0 ? 0 : data[size - 1];
    TranslationRequest request;
    const std::filesystem::path dir = fuzz::FreshDirectory("out");
    request.outputPathText = dir.string();
    request.forms = {"Fuzzed"};
    request.modules = {"basFuzzed"};
    request.databasePath = dir.parent_path() / "Fuzzed.mdb";
    request.templateDirectory = fuzz::TemplateDirectory();
    request.options.listBoxType = 1 + bits % 3;
    request.options.comboBoxType = 1 + (bits / 3) % 3;
    request.options.vb5Project = (bits & 0x10) == 0;
    request.options.mdiProject = (bits & 0x20) != 0;
    request.options.standardControlsOnly = (bits & 0x40) != 0;
    request.options.listBoxBound = (bits & 0x80) == 0;

    fuzz::AgreeingUi ui;
    Session session(app, fuzz::SupportDatabasePath(), ui);
    StartTranslation(session, request, DefaultConversionSteps());
    return 0;
}
