// The windows' captions and messages, from the program's string table.
#pragma once

#include <QString>

namespace velorin {

// The text of a string-table id as Qt shows it (the table is Windows-1252).
QString Caption(int id);
// The same without the "&" that marks an access key, for window titles.
QString PlainCaption(int id);

}  // namespace velorin
