// The style sheet and the script every page of the report shares, written
// beside the pages: the report needs nothing from outside its folder.
#pragma once

#include <string_view>

namespace velorin {

inline constexpr std::string_view kStyleSheetName = "site.css";
inline constexpr std::string_view kScriptName = "site.js";

extern const std::string_view kStyleSheet;
// Sorts a table of class "sortable" by the column whose heading is clicked.
extern const std::string_view kScript;

}  // namespace velorin
