// Every generated file goes through this: names are plain file names inside one
// directory, so nothing outside it can be written or deleted, and the first
// failed write is kept for the driver to report.
#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "common/ansi_text.h"

namespace velorin {

class OutputDirectory;

// A text file open for writing; lines end in CR LF.
class OutputFile {
  public:
    OutputFile() = default;
    OutputFile(OutputDirectory* owner, std::string name, bool append);
    OutputFile(OutputFile&&) noexcept;
    OutputFile& operator=(OutputFile&&) noexcept;
    ~OutputFile();

    bool IsOpen() const { return stream_ != nullptr; }
    const std::string& Name() const { return name_; }
    // Visual Basic's Print #: the text and one CR LF.
    void WriteLine(std::string_view text);
    void WriteRaw(std::string_view bytes);
    void Close();

  private:
    // False (and the file closed, the failure reported) when the simulated
    // disk has no room for `size` more bytes.
    bool Fits(size_t size);

    OutputDirectory* owner_ = nullptr;
    std::string name_;
    std::unique_ptr<std::ofstream> stream_;
};

class OutputDirectory {
  public:
    explicit OutputDirectory(std::filesystem::path dir);

    const std::filesystem::path& Path() const { return dir_; }
    // The full path of a file of this directory; empty for a name that is not a
    // plain file name.
    std::filesystem::path PathOf(std::string_view name) const;

    bool Exists(std::string_view name) const;
    std::optional<std::string> Read(std::string_view name) const;
    bool Write(std::string_view name, std::string_view content);
    bool Append(std::string_view name, std::string_view content);
    bool Remove(std::string_view name);
    bool Rename(std::string_view from, std::string_view to);
    bool CopyFrom(const std::filesystem::path& source, std::string_view name);

    OutputFile Create(std::string_view name) { return OutputFile(this, std::string(name), false); }
    OutputFile OpenAppend(std::string_view name) {
        return OutputFile(this, std::string(name), true);
    }

    // Deletes the files whose names match a pattern with "*" and "?", ignoring
    // case, except the files kept. Returns how many were deleted.
    int RemoveMatching(std::string_view pattern);
    // A result of the conversion: no pattern deletes it from now on, however
    // its name happens to read ("Form_Entry.frm" matches "form_*.*").
    void Keep(std::string_view name);
    // True when a file matching the pattern exists.
    bool AnyMatching(std::string_view pattern) const;

    bool Failed() const { return failed_; }
    const std::string& FirstError() const { return firstError_; }
    void ReportFailure(std::string_view name, std::string_view what);

  private:
    std::filesystem::path dir_;
    std::set<std::string, ILess> kept_;
    bool failed_ = false;
    std::string firstError_;
};

// A full or read-only disk, as tests simulate it: while set, every output
// directory fails as such a disk would. Never set outside tests.
struct SimulatedDiskFault {
    // Bytes that still fit on the disk; later writes fail with ENOSPC.
    long long capacity = 0;
    // No file opens for writing and nothing is removed or renamed (EROFS).
    bool readOnly = false;
};
void SimulateDiskFault(std::optional<SimulatedDiskFault> fault);

// The whole content of a file; nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// Pattern match with "*" and "?", ignoring case, over Windows-1252 text.
bool MatchesPattern(std::string_view name, std::string_view pattern);

}  // namespace velorin
