#include "gui_texts.h"

#include "common/ansi_text.h"
#include "session/string_table.h"

namespace velorin {

QString Caption(int id) {
    return QString::fromStdString(AnsiToUtf8(LoadText(id)));
}

QString PlainCaption(int id) {
    return Caption(id).remove('&');
}

}  // namespace velorin
