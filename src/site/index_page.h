// The report's first page: the totals of the conversion, the findings per
// reason as a bar chart, the forms and modules in a table sortable by any
// column, and every finding with a link to where its page shows it.
#pragma once

#include <string>
#include <vector>

#include "site/site_data.h"

namespace velorin {

// `stems`: the page of each module of `data`, in the same order.
std::string IndexPage(const SiteData& data, const std::vector<std::string>& stems);

}  // namespace velorin
