// The file-name and identifier forms of Access object names.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velorin {

// Each of \ / : * ? " < > | and each control character becomes "_".
std::string MakeFileName(std::string_view name);
// A Visual Basic identifier for an Access name: a letter with an accent is
// written without it ("Caf\xE9" is "Cafe"), every other character that is not
// an ASCII letter or digit becomes "_"; leading "_" are then removed. A name
// left starting with a digit gets an "N" before it, and a name left empty is
// "Unnamed".
std::string MakeVBName(std::string_view name);
// `name`, with "A" appended until no name in `used` equals it (ignoring case,
// as Visual Basic does); the result is added to `used`.
std::string UniqueName(std::string name, std::vector<std::string>& used);
// Names a form, module or project of a Visual Basic project may not have:
// the objects Visual Basic itself provides (App, Screen, Forms, ...) and the
// libraries a converted project references (VB, VBA, DAO, Access).
std::span<const std::string_view> VisualBasicGlobalNames();
bool IsVisualBasicGlobalName(std::string_view name);
// Words Visual Basic reads as its own wherever they stand (End, Print, Date,
// Me, ...): a form, module, control or menu so named could not be referred to.
std::span<const std::string_view> VisualBasicKeywords();
bool IsVisualBasicKeyword(std::string_view name);
// The name Access gives a control in its event procedures: its blanks and
// signs made "_", its letters kept ("Order ID" has Order_ID_Click, Größe
// Größe_Click).
std::string EventProcedurePrefix(std::string_view controlName);
// As MakeVBName, keeping leading "_".
std::string MakeMacroName(std::string_view name);
// The part after the last path separator ("\" or "/"); the whole text when none.
std::string FileNameFromPath(std::string_view path);

}  // namespace velorin
