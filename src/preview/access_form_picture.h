// The Access original of a form, drawn as Access 97 shows it in form view:
// its window with record selectors and navigation buttons, the form header,
// detail and footer stacked at the form's width, and their controls.
#pragma once

#include "preview/render_form.h"
#include "session/host/access_form.h"

namespace velorin {

// Needs a QGuiApplication and the preview font (LoadPreviewFont). Controls
// are placed by their Access names.
FormPicture RenderAccessForm(const AccessForm& form);

}  // namespace velorin
