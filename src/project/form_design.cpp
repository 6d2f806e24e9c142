#include "project/form_design.h"

#include "common/ansi_text.h"

namespace velorin {

const DesignProperty* LoadedBlock::Find(std::string_view propertyName) const {
    for (auto it = properties.rbegin(); it != properties.rend(); ++it) {
        if (IEquals(it->name, propertyName))
            return &*it;
    }
    return nullptr;
}

const LoadedBlock* LoadedBlock::Group(std::string_view groupName) const {
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        if (it->isPropertyGroup && IEquals(it->name, groupName))
            return &*it;
    }
    return nullptr;
}

}  // namespace velorin
