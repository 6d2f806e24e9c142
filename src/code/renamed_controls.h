// The form's own code names its controls as Access does: Me![Order ID],
// Me!Order_ID, [Order ID]. Where a control got another Visual Basic name (a
// name that was no identifier, too long, or taken), its references in the
// form's code follow it.
#pragma once

#include <map>
#include <string>

#include "common/ansi_text.h"
#include "output/code_text.h"

namespace velorin {

// `renamed`: each renamed control's Access name and Visual Basic name.
void FollowRenamedControls(CodeText& code,
                           const std::map<std::string, std::string, ILess>& renamed);

}  // namespace velorin
