#include "synthetic_vocabulary.h"

namespace velorin::bench::synthetic {

const std::vector<std::string> kPrtMip = {
    "0xa0050000a0050000a0050000a005000000000000201c0000e010000001000000",
    "0x010000006801000000000000a10700000100000001000000"};

const std::vector<std::string> kBitmap = {
    "0x2800000010000000100000000100040000000000800000000000000000000000",
    "0x0000000000000000000000000000800000800000008080008000000080008000",
    "0x80800000c0c0c000808080000000ff0000ff000000ffff00ff000000ff00ff00",
    "0xffff0000ffffff00000000000000000000000444444000000004466666644000",
    "0x0046666666666400046666662266664004666662226666404666622222266664",
    "0x4666222222226664466222222226666446662222226666640466222266666640",
    "0x0466622666666640004666666666640000044666666440000000044444400000",
    "0x0000000000000000"};

const std::vector<std::string> kNouns = {
    "Customers", "Orders",    "Products", "Suppliers", "Invoices",  "Shipments", "Employees",
    "Payments",  "Contracts", "Projects", "Tasks",     "Vendors",   "Accounts",  "Assets",
    "Claims",    "Members",   "Bookings", "Rooms",     "Vehicles",  "Parts",     "Repairs",
    "Tickets",   "Courses",   "Students", "Grants",    "Donations", "Events",    "Venues",
    "Stock",     "Prices",    "Budgets",  "Expenses",  "Receipts",  "Quotes",    "Leads",
    "Campaigns", "Surveys",   "Samples",  "Batches",   "Warehouses"};

const std::vector<std::string> kVerbs = {"Update", "Check",   "Show",    "Calc",  "Open",
                                         "Print",  "Refresh", "Archive", "Count", "Validate"};

const std::vector<std::string> kWords = {
    "total",   "amount", "customer", "order",  "record", "list",    "status", "price",
    "current", "open",   "closed",   "report", "date",   "balance", "stock",  "line",
    "account", "entry",  "change",   "value",  "check",  "form",    "screen", "user"};

}  // namespace velorin::bench::synthetic
