#include "code/translate_line.h"

namespace velorin {

void TranslateLine(CodeFileState& state) {
    (void)state;
}

}  // namespace velorin
