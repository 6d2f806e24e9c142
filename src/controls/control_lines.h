// Lines that every control writer shares: colours, fonts, the position
// convention and the optional tail lines.
#pragma once

#include <string>
#include <string_view>

#include "forms/form_state.h"

namespace velorin {

// prefix + the colour's hexadecimal digits + "&".
std::string ColourLine(std::string_view prefix, const PropertyValue& colour);

// "BeginProperty Font " ... "EndProperty" from the control's font properties.
void WriteFontBlock(OutputFile& out, const AccessControl& control);

// Left and Top in the converted form: subform offsets, page shift, the
// page-break page, the section top and the tab top offset applied.
long ControlLeft(const FormState& state, const AccessControl& control);
long ControlTop(const FormState& state, const AccessControl& control);

// "Left = ", "Top = ", "Width = ", "Height = " lines.
void WriteLeft(OutputFile& out, const FormState& state, const AccessControl& control);
void WriteTop(OutputFile& out, const FormState& state, const AccessControl& control);
void WriteSize(OutputFile& out, std::string_view name, const AccessControl& control);

// "Visible = 0", "ToolTipText =" (Visual Basic 5 only) and "Tag =" lines,
// each when it applies.
void WriteVisibleLine(OutputFile& out, const AccessControl& control);
void WriteTipAndTagLines(OutputFile& out, const FormState& state, const AccessControl& control);

}  // namespace velorin
