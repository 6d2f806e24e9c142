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
    return lines == nullptr ? CodeText() : CodeText(*lines);
}

}  // namespace velorin
