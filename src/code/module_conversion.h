// A form's or module's code exported to a text file, and an exported module or
// assembled form file converted into the project's .bas or .frm.
#pragma once

#include <string>
#include <string_view>

#include "session/session.h"

namespace velorin {

// Writes the code of the form's or the module's code module to
// "<F>.txt" (form) or "MODU_<F>.txt" (module) in the output directory.
void ExportModuleText(Session& session, std::string_view name, bool isForm);
// The same with <F> given: the driver's file name for the object.
void ExportModuleText(Session& session, std::string_view name, bool isForm,
                      std::string_view fileStem);

// Converts "form_<F>.frm" into "<F>.frm", or "MODU_<F>.txt" into "<F>.bas".
void ConvertCodeFile(Session& session, std::string_view fileName, bool isForm);

}  // namespace velorin
