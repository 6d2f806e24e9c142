// The facts the project check needs of the source application: where it
// defines each procedure, and the code each converted object had.
#pragma once

#include <string>
#include <vector>

#include "project/project_check.h"
#include "session/host/access_application.h"

namespace velorin {

// A form or module the conversion wrote, and the file it became.
struct ConvertedObject {
    Container container = Container::Forms;
    std::string name;  // the Access name
    std::string file;  // Orders.frm, Utility Functions.bas
};

ApplicationFacts BuildApplicationFacts(const AccessApplication& application,
                                       const std::vector<ConvertedObject>& converted);

}  // namespace velorin
