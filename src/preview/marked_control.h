// A control the picture of a converted form outlines: one converted only in
// part, with the line that says what was lost.
#pragma once

#include <string>

namespace velorin {

struct MarkedControl {
    std::string accessName;  // as the Access picture places it; empty when not on it
    std::string vbName;      // as the Visual Basic picture places it
    std::string note;        // the line under the pictures: what was lost
};

}  // namespace velorin
