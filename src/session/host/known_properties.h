// What Velorin knows of the property names and block heads in a form's text:
// Access 97's own, and those the later Access versions added, each with what
// becomes of it. A later export writes the same new properties into nearly
// every form, so what is known is read without a word; what is not is named
// once per run by the reader (see README, Converting your own application).
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "session/host/object_text.h"

namespace velorin {

enum class PropertyKnowledge {
    Unknown,   // neither Access 97's nor a later one Velorin knows
    Access97,  // Access 97 has it; the writers read what Visual Basic can use
    Carried,   // later: carried over (theme colours and fonts, the layout cache)
    Recorded,  // later: an effect Visual Basic 4 and 5 lack, recorded per control
    Ignored,   // later: nothing the converted form would show or do differently
};

PropertyKnowledge KnowProperty(std::string_view name);

// A block head of a form's text: the form, its sections, a control type of
// any version, or the bare Begin.
bool IsKnownBlockHead(std::string_view head);

// The event properties that came after Access 97 (OnDirty, OnUndo, ...).
std::span<const std::string_view> LaterEvents();

// Access's default of a Boolean property a later version added, by which
// `Name = NotDefault` reads; empty when Velorin does not know it.
std::optional<bool> LaterBooleanDefault(std::string_view name);

struct UnknownName {
    std::string name;
    int line = 0;        // where the text first has it
    bool block = false;  // a block head, not a property
};

// The property names and block heads of an object text that Velorin does not
// know, each once, in the order the text first has them.
std::vector<UnknownName> UnknownNames(const ObjectText& text);

}  // namespace velorin
