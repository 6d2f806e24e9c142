#include "code/module_conversion.h"
#include "common/names.h"

namespace velorin {

void ExportModuleText(Session& session, std::string_view name, bool isForm) {
    ExportModuleText(session, name, isForm, MakeFileName(name));
}

void ExportModuleText(Session& session, std::string_view name, bool isForm,
                      std::string_view fileStem) {
    const std::vector<std::string>* lines = nullptr;
    if (isForm) {
        if (const AccessForm* form = session.sourceDb->OpenForm(name))
            lines = &form->CodeLines();
    } else if (const CodeModule* module = session.sourceDb->Module(name)) {
        lines = &module->lines;
    }
    std::string file = (isForm ? "" : "MODU_") + std::string(fileStem) + ".txt";
    OutputFile out = session.out.Create(file);
    if (lines == nullptr)
        return;
    for (const std::string& line : *lines)
        out.WriteLine(line);
}

}  // namespace velorin
