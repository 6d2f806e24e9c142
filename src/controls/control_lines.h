// Lines that every control writer shares: colours, fonts, the position
// convention and the optional tail lines.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "form_context/form_state.h"

namespace velorin {

// prefix + the colour's hexadecimal digits + "&".
std::string ColourLine(std::string_view prefix, const PropertyValue& colour);

// "BeginProperty Font " ... "EndProperty" from the control's font properties;
// a control of another library opens the block with its font class.
void WriteFontBlock(DesignWriter& out, const AccessControl& control,
                    std::string_view opening = "BeginProperty Font ");

// Left and Top of the current control in the container it is written into
// (state.container): its place in the top form's client area, the top of its
// page-break page taken off, less the container's corner, Left moved by the
// container's page shift.
long ControlLeft(const FormState& state, const AccessControl& control);
long ControlTop(const FormState& state, const AccessControl& control);
// The top of the page-break page the current control lies on; 0 off a strip.
long PageBreakPageTop(const FormState& state);

// "Left = ", "Top = ", "Width = ", "Height = " lines.
void WriteLeft(DesignWriter& out, const FormState& state, const AccessControl& control);
void WriteTop(DesignWriter& out, const FormState& state, const AccessControl& control);
void WriteSize(DesignWriter& out, std::string_view name, const AccessControl& control);

// "TabStop = 0" when the control is no tab stop; nothing when it has no
// TabStop at all (an image), whose class may lack the property.
void WriteTabStopLine(DesignWriter& out, const AccessControl& control);

// Height, Left, "TabIndex = ", the TabStop line, Top and Width.
void WritePlacementLines(DesignWriter& out, const FormState& state, const AccessControl& control);

// "Visible = 0", "ToolTipText =" (Visual Basic 5 only) and "Tag =" lines,
// each when it applies.
void WriteVisibleLine(DesignWriter& out, const AccessControl& control);
void WriteTipAndTagLines(DesignWriter& out, const FormState& state, const AccessControl& control);
// The ToolTipText line alone, for controls whose Tag holds something else.
void WriteToolTipLine(DesignWriter& out, const FormState& state, const AccessControl& control);

// An Access expression of the form's controls and fields in Visual Basic;
// empty when Visual Basic cannot compute it.
std::optional<std::string> FormExpression(FormState& state, std::string_view expression);
// The statement an event property's expression ("=Foo('x')") becomes: its value
// given to `target`, the expression in Visual Basic where it can be, as Access
// wrote it otherwise.
std::string EventExpressionStatement(FormState& state, std::string_view target,
                                     std::string_view property);

// The statement that shows a calculated control's value ("=expression"):
// `target` (control and member) set to the expression in Visual Basic, or,
// when Visual Basic cannot compute it, the statement commented out and
// recorded.
std::string CalculatedValue(FormState& state, const std::string& target, std::string_view source);

// The data control of the form being written.
std::string DataControlName(const FormState& state);

// A bound control's DataSource and DataField lines; for a calculated source
// ("=..."), the statement control + member + source added to the data
// control's Reposition procedure instead.
void WriteBinding(FormState& state, DesignWriter& out, const AccessControl& control,
                  std::string_view member);

// "Alignment =" from TextAlign: general and left 0, centre 2, right 1.
void WriteAlignmentLine(DesignWriter& out, const AccessControl& control);

// "Caption =  " + the text in quotes, line breaks made blanks.
std::string CaptionLine(std::string_view caption);

}  // namespace velorin
