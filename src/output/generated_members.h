// The names the generated project defines for itself, which no form, module,
// control or menu of the application may take: a control named OpenArgs
// would be declared twice in its form, a form named Main would meet the
// project's Sub Main.
#pragma once

#include <span>
#include <string_view>

namespace velorin {

// What every converted form's module may define: the OpenArgs property, its
// field and the variable Form_Load keeps results in.
std::span<const std::string_view> FormModuleMembers();
// The routines a converted form's Form_Load may call. Each gives way to a
// procedure of that name in the form's own code.
std::span<const std::string_view> FormLoaderRoutines();
// The public names of the support module: its variables, its routines and the
// Sub Main the project starts with.
std::span<const std::string_view> SupportModuleMembers();

class NameRegistry;
// Claims Visual Basic's keywords and every name above in a registry of names,
// so that the application's names and the conversion's own give way to them.
void ClaimProjectMembers(NameRegistry& names);
// The same for a form: its loader routines are generated names, which give
// way to what the registry holds reserved (the procedures of the form's code).
void ClaimFormMembers(NameRegistry& names);

}  // namespace velorin
