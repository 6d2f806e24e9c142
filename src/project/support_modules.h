// The files every converted project gets besides its forms and modules:
// VlrnConversionCode.bas (the support routines, GetFormFromName and Sub Main),
// MacroCode.bas (the macros) and, for an MDI project, MDIParent.frm.
#pragma once

#include <string>
#include <vector>

#include "session/session.h"

namespace velorin {

// Appends GetFormFromName to VlrnConversionCode.bas.
void WriteFormLookupFunction(Session& session);
// Appends Sub Main to VlrnConversionCode.bas and sets the working copy's
// startup form back.
void WriteSubMain(Session& session);
// Copies the MDI parent template and stamps its version and object lines.
void WriteMdiParent(Session& session);

// The templates the support modules start from, for these options: read from
// the program's directory, and required before a conversion starts.
std::vector<std::string> RequiredTemplates(const ConversionOptions& options);

// All of the above with the macro conversion, in their order.
void WriteSupportModules(Session& session);

}  // namespace velorin
