// Text of the support database (Windows-1252) written into a page: UTF-8,
// every character that means something to HTML escaped, so that code holding
// "<script>" or "&amp;" shows as the text it is.
#pragma once

#include <string>
#include <string_view>

namespace velorin {

// Appends `ansi` as HTML text, fit for an element or a quoted attribute value.
void AppendHtml(std::string& out, std::string_view ansi);
std::string Html(std::string_view ansi);

}  // namespace velorin
