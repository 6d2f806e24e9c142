// One picture of a converted form: the Access original on the left, the Visual
// Basic form on the right, each under its title; the controls converted only
// in part outlined and numbered on both, and listed with their reasons below.
#pragma once

#include <QImage>

#include <string>
#include <vector>

#include "preview/marked_control.h"
#include "preview/render_form.h"

namespace velorin {

// Needs a QGuiApplication and the preview font.
QImage SideBySide(const FormPicture& access, const FormPicture& vb,
                  const std::vector<MarkedControl>& marked);

}  // namespace velorin
