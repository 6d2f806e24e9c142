// The names of one scope as Visual Basic compares them, ignoring case: a
// form's controls and menus, or a project's forms and modules. The
// application's names keep their form; names the conversion makes up give way
// to every name of the application, whether it was given before or after.
#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>

#include "common/ansi_text.h"

namespace velorin {

class NameRegistry {
  public:
    // Visual Basic's longest name of a form, control or module.
    static constexpr size_t kLongestName = 40;

    // A name the application will claim in this scope: no generated name
    // takes it. `exact`: the application's name is this identifier as it is
    // (Order_ID), not one made of it (Order ID): it keeps it before any other.
    void Reserve(std::string_view name, bool exact = false);
    // An application's name, cut to the longest name; when another name has
    // it (two Access names with one identifier), "A" is appended until it is
    // unique. A name made of another (`exact` false) leaves the identifier to
    // the application's name that is that identifier itself.
    std::string Claim(std::string_view name, bool exact = false);
    // The name made up for `key`: `wanted`, or `wanted` with "_2", "_3", ...
    // when another name has it or the application may claim it. The same key
    // gives the same name every time.
    std::string Generate(std::string_view key, std::string_view wanted);
    // A made-up name of its own, never asked for again.
    std::string Generate(std::string_view wanted);
    // The name made up for `key`; empty when none was.
    std::string Find(std::string_view key) const;

    bool IsTaken(std::string_view name) const { return taken_.count(name) > 0; }
    // How many names were given.
    size_t Size() const { return taken_.size(); }

  private:
    bool IsFree(std::string_view name) const;

    std::set<std::string, ILess> taken_;
    std::set<std::string, ILess> reserved_;
    std::set<std::string, ILess> exact_;
    std::map<std::string, std::string, std::less<>> generated_;
};

}  // namespace velorin
