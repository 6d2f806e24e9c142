#include "code/module_conversion.h"

namespace velorin {

CodeText ExportModuleText(Session& session, std::string_view name, bool isForm) {
    const std::vector<std::string>* lines = nullptr;
    if (isForm) {
        if (const AccessForm* form = session.sourceDb->OpenForm(name))
            lines = &form->CodeLines();
    } else if (const CodeModule* module = session.sourceDb->Module(name)) {
        lines = &module->lines;
    }
    if (lines == nullptr)
        return CodeText();
    CodeText code(*lines);
    code.NumberAsSource();
    return code;
}

}  // namespace velorin
