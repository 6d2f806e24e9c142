#include "forms/standard_list_fit.h"

#include <cctype>

#include "common/ansi_text.h"
#include "common/string_helpers.h"
#include "row_sources/row_source_probe.h"

namespace velorin {

bool IsNumericText(std::string_view text) {
    text = TrimBlanks(text);
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    bool digits = false, point = false;
    for (; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (std::isdigit(c)) {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else if ((c == 'e' || c == 'E') && digits) {
            size_t j = i + 1;
            if (j < text.size() && (text[j] == '+' || text[j] == '-'))
                ++j;
            if (j >= text.size())
                return false;
            for (; j < text.size(); ++j) {
                if (!std::isdigit(static_cast<unsigned char>(text[j])))
                    return false;
            }
            return true;
        } else {
            return false;
        }
    }
    return digits;
}

bool IsStandardList(Session& session, const AccessControl& control) {
    const long columns = control.Property("ColumnCount").AsLong();
    if (columns >= 3)
        return false;
    if (columns >= 2 && !control.Text("ControlSource").empty())
        return false;
    int hidden = 0;
    if (columns == 2) {
        const std::string widths = control.Text("ColumnWidths");
        if (GetToken(widths, 1, ";") == "0")
            hidden = 1;
        else if (GetToken(widths, 2, ";") == "0")
            hidden = 2;
        else
            return false;
    }
    const std::string type = control.Text("RowSourceType");
    const std::string rowSource = control.Text("RowSource");
    if (IEquals(type, "Value List")) {
        if (columns < 2)
            return true;
        // The hidden column's items must be numbers, up to the first empty one.
        for (int position = hidden;; position += 2) {
            const std::string item = GetToken(rowSource, position, ";");
            if (item.empty())
                return true;
            if (!IsNumericText(item))
                return false;
        }
    }
    if (IEquals(type, "Table/Query")) {
        if (!session.rowSourceProbe)
            session.rowSourceProbe = std::make_shared<RowSourceProbe>(*session.sourceDb);
        return session.rowSourceProbe->FieldTypeClass(rowSource, hidden) != "F";
    }
    return false;
}

}  // namespace velorin
