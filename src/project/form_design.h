// The blocks of a form's design section as Visual Basic loads them: the form,
// its controls and menus nested as in the file, each with its property lines
// and its BeginProperty groups (Font, ...).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velorin {

struct DesignProperty {
    std::string name;   // as written: Caption, Tab(0).Caption, _ExtentX
    std::string value;  // the value as written, without blanks or a comment
    int line = 0;
};

struct LoadedBlock {
    bool isPropertyGroup = false;  // BeginProperty ... EndProperty
    std::string className;         // VB.Label, Threed.SSCommand; empty for a group
    std::string name;              // the control's name, or the group's (Font)
    int line = 0;
    std::vector<DesignProperty> properties;
    std::vector<LoadedBlock> children;  // controls and groups, in file order

    // The last property or group of that name (case is not significant).
    const DesignProperty* Find(std::string_view propertyName) const;
    const LoadedBlock* Group(std::string_view groupName) const;
};

}  // namespace velorin
