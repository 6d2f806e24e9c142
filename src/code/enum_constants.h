// Visual Basic 4 has no Enum: each member of an Enum block becomes a Long
// constant of the same name and value (an implicit value counted on as
// Visual Basic counts it), public as the Enum was unless it is a form's, and
// every "As EnumName" of the project becomes "As Long". A member qualified
// by its enum (Actions.Observe) is its constant; a member whose name is no
// plain name ([_First]) or that another enum also has takes the enum's name
// before its own (Actions__First), and its references follow.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "code/application_language.h"
#include "code/code_tokens.h"
#include "output/name_registry.h"

namespace velorin {

class EnumConstants {
  public:
    // The enums of one code file's statements; `application` the
    // project's, `isForm` for a form's code.
    EnumConstants(const CodeStatements& statements,
                  std::shared_ptr<const ApplicationLanguage> application, bool isForm);

    // The code the statement of an Enum block becomes: a constant for a
    // member, a comment for its header and its End; null for any other.
    const std::string* LineOf(size_t statement) const;
    // Members whose value names a member the file cannot reach.
    const std::set<size_t>& Unreachable() const { return unreachable_; }
    // Rewrites the enum names and members the code names; false when it
    // names a member of another form's enum, which the file cannot reach.
    // `controls` are a form's controls, whose names come before a member's.
    bool RewriteReferences(std::string& code, const NameRegistry* controls) const;
    // Whether `name` is an enum the file reaches: as a type it is Long.
    bool IsEnumName(std::string_view name) const;
    // User-defined types the file declares.
    const std::set<std::string, ILess>& LocalTypes() const { return localTypes_; }
    // Names whose presence in a line may make RewriteReferences change it.
    const std::vector<std::string>& Triggers() const { return triggers_; }

  private:
    const EnumBlock* FindEnum(std::string_view name, bool& reachable) const;
    void ReadDeclaredNames(const CodeStatements& statements);
    void WriteLines(const CodeStatements& statements);

    std::shared_ptr<const ApplicationLanguage> application_;
    bool isForm_;
    std::vector<EnumBlock> enums_;
    std::map<size_t, std::string> lines_;
    std::set<size_t> unreachable_;
    // The members by name: the file's own, and those of the modules' public enums.
    std::map<std::string, std::vector<const EnumMember*>, ILess> localMembers_;
    std::map<std::string, std::vector<const EnumMember*>, ILess> publicMembers_;
    // The names the file declares otherwise (variables, parameters,
    // procedures): a bare name there is not an enum's member.
    std::set<std::string, ILess> declaredNames_;
    std::set<std::string, ILess> localTypes_;
    std::vector<std::string> triggers_;
};

}  // namespace velorin
