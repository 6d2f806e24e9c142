// What an export says about the application's code project besides its
// objects: its name (vbe-project.json) and the libraries it refers to
// (vbe-references.json of the current add-in, references.csv of the older).
#pragma once

#include <filesystem>

#include "session/host/access_application.h"

namespace velorin {

// Reads the files that are there into `app`; a file that cannot be read is
// named in the application's load diagnostics.
void ReadCodeProjectSidecars(const std::filesystem::path& root, AccessApplication& app);

}  // namespace velorin
