// The window around a form as the designer shows it: border, caption bar with
// the control box and the minimise, maximise and close buttons, menu bar.
#pragma once

#include <QPainter>
#include <QRect>
#include <QSize>

#include "project/form_design.h"

namespace velorin {

struct WindowLayout {
    QSize outer;   // the whole picture
    QRect client;  // where the controls go
    QRect captionBar;
    QRect menuBar;  // empty without top-level menus
};

// Lays the window out around a client area of `client` pixels, by the form's
// BorderStyle, ControlBox and menus.
WindowLayout LayOutWindow(const LoadedBlock& form, QSize client);
// Paints everything but the client area.
void PaintWindowFrame(QPainter& painter, const LoadedBlock& form, const WindowLayout& layout);

}  // namespace velorin
