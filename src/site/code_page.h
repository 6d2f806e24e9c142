// The page of one form or module: its counts, its findings, the form's
// picture, and its code, Access's beside Visual Basic's, unit by unit.
#pragma once

#include <map>
#include <string>

#include "site/site_data.h"

namespace velorin {

// `picture`: the file name of the form's picture in the report's folder, or
// empty when there is none; `pictureMissing`: the picture the code map names
// could not be found.
std::string CodePage(const SiteModule& module, const std::map<int, std::string>& reasons,
                     const std::string& picture, bool pictureMissing);

}  // namespace velorin
