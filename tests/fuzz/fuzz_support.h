// What the fuzz targets share: a scratch directory in memory, a support
// database built from the script, and a user who agrees to everything but
// stopping the conversion.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "session/user_interface.h"

namespace velorin::fuzz {

// A directory of this process, in /dev/shm when there is one; made on first use.
const std::filesystem::path& ScratchDirectory();

// `name` inside the scratch directory, emptied (or created) for this input.
std::filesystem::path FreshDirectory(const std::string& name);

// The support database built from support/vlrn.sql, once per process.
const std::filesystem::path& SupportDatabasePath();

// The folder of the project templates (support/ in the source tree).
std::filesystem::path TemplateDirectory();

void WriteBytes(const std::filesystem::path& path, std::string_view bytes);

class AgreeingUi : public UserInterface {
  public:
    Answer Show(const Message& message) override;
    void Warn(const std::string&) override {}
    void StartProgress(int) override {}
    void SetProgress(int) override {}
    void UpdateTime() override {}
    void EndProgress() override {}
};

inline std::string_view AsText(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

}  // namespace velorin::fuzz
