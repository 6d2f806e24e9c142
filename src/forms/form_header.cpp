#include "forms/form_header.h"

namespace velorin {

void WriteFormHeader(FormState& state, std::string_view fileName, bool finish) {
    const std::string file = "form_" + std::string(fileName) + ".hdr";
    const bool vb5 = state.session.options.vb5Project;
    if (!finish || !vb5) {
        state.referenceIds.clear();
        state.referenceFiles.clear();
        state.usedControlNames.clear();
        OutputFile header = state.session.out.Create(file);
        header.WriteLine(vb5 ? "VERSION 5.00" : "VERSION 4.00");
        return;
    }
    OutputFile header = state.session.out.OpenAppend(file);
    for (size_t i = 0; i < state.referenceIds.size(); ++i) {
        header.WriteLine("Object=\"" + state.referenceIds[i] + "\"; \"" + state.referenceFiles[i] +
                         "\"");
    }
}

}  // namespace velorin
