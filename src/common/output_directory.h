// Every generated file goes through this: names are plain file names inside one
// directory, so nothing outside it can be written or deleted, and the first
// failed write is kept for the driver to report.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "common/ansi_text.h"

namespace velorin {

class OutputDirectory;

// A text file open for writing; lines end in CR LF. What is written is held by
// the directory and reaches the disk when the directory writes its files back.
class OutputFile {
  public:
    OutputFile() = default;
    OutputFile(OutputDirectory* owner, std::string name, bool append);
    OutputFile(OutputFile&&) noexcept;
    OutputFile& operator=(OutputFile&&) noexcept;
    ~OutputFile() = default;

    bool IsOpen() const { return owner_ != nullptr; }
    const std::string& Name() const { return name_; }
    // Visual Basic's Print #: the text and one CR LF.
    void WriteLine(std::string_view text);
    void WriteRaw(std::string_view bytes);
    void Close() { owner_ = nullptr; }

  private:
    OutputDirectory* owner_ = nullptr;
    std::string name_;
};

// A file of the directory held in memory until the directory writes it back,
// so that each file reaches the disk in one write.
struct HeldText {
    std::string content;
    bool dirty = false;
};

class OutputDirectory {
  public:
    explicit OutputDirectory(std::filesystem::path dir);
    // Held files are written back.
    ~OutputDirectory();
    OutputDirectory(OutputDirectory&&) = default;
    // This directory's held files are written back before it takes the other's place.
    OutputDirectory& operator=(OutputDirectory&& other);

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

    // The size of a file in bytes, held or on disk; nothing when it does not exist.
    std::optional<uintmax_t> SizeOf(std::string_view name) const;

    // Writes back every held file that changed and lets go of all of them.
    // False when a write failed (reported as every failure is).
    bool WriteHeld();

    bool Failed() const { return failed_; }
    const std::string& FirstError() const { return firstError_; }
    void ReportFailure(std::string_view name, std::string_view what);

  private:
    friend class OutputFile;
    // Writes the file back when it changed and lets go of it.
    void Release(std::string_view name);
    // The held bytes a writer adds to (read from disk first when appending).
    HeldText& HoldForWriting(std::string_view name, bool append);
    HeldText* HeldBytes(std::string_view name);
    bool WriteToDisk(std::string_view name, std::string_view content);

    std::filesystem::path dir_;
    std::set<std::string, ILess> kept_;
    mutable std::map<std::string, HeldText, std::less<>> held_;
    // The directory's files (and links) as first listed, less the kept ones,
    // then kept up to date by this object's own writes and removals, so that
    // the patterns removed after every form do not list the directory again.
    std::optional<std::set<std::string, std::less<>>> listed_;
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

// A name that stays inside its directory: no "/", NUL, "." or "..".
bool IsPlainFileName(std::string_view name);

// The whole content of a file; nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// Pattern match with "*" and "?", ignoring case, over Windows-1252 text.
bool MatchesPattern(std::string_view name, std::string_view pattern);

}  // namespace velorin
