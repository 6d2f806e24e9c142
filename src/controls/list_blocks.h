// Pieces of the GreenTree and Sheridan blocks shared by the list and combo
// writers and the datasheet grids of subforms.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "form_context/form_state.h"
#include "row_sources/row_source_probe.h"

namespace velorin {

inline constexpr double kVb4Scale = 1.7635;
inline constexpr std::string_view kFontClass = "{0BE35203-8F91-11CE-9DE3-00AA004BB851}";

// What a custom list, combo or grid writer needs to know about its control.
struct ListContext {
    FormState& state;
    const AccessControl& control;
    DesignWriter& out;
    std::string name;         // the block's Visual Basic name
    std::string dataControl;  // the data control its rows come from, when bound
    bool combo = false;
    bool tableOrQuery = false;
    bool bound = false;
    int type = 1;  // 1 GreenTree, 2 or 3 Sheridan
    std::string rowSource;
    std::vector<ProbedField> fields;

    long Columns() const;
    std::string FieldName(long i) const;
    long ColumnWidth(long i) const;
};

// The Object= line of the control's library (Visual Basic 5 only).
void AddLibraryReference(ListContext& c);
// Height or Width, scaled for Visual Basic 4.
std::string Sized(const ListContext& c, std::string_view property);
// A font block of fixed properties; `name` stands inside the quotes as given.
void WriteFixedFont(DesignWriter& out, const std::string& opening, std::string_view name,
                    std::string_view size);
// From the library reference to ColumnCaptions.
void WriteGreenTreeHeader(ListContext& c, std::string_view version);
// The four default font blocks that follow the header.
void WriteGreenTreeFonts(ListContext& c);
// Whether the control shows column headings; a subform control has no such
// property and shows them, as a datasheet does.
bool ColumnHeadsShown(const AccessControl& control);

}  // namespace velorin
