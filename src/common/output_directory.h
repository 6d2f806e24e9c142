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
// The names, checks and simulated faults that go with writing in a directory.
#include "common/directory_writability.h"
#include "common/file_contents.h"
#include "common/output_file_names.h"
#include "common/plain_file_name.h"
#include "common/simulated_disk_fault.h"

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

    // From now on this directory keeps a record (kRecordName, in the directory)
    // of the files it writes: each name is added before its file is created,
    // so that even a killed conversion leaves every file it made listed. The
    // record the last conversion left is read here; what it lists is the
    // last conversion's, and no other file that is already there is
    // replaced, renamed over or deleted unless AllowReplacing names it.
    void TrackWrittenFiles();
    // The files the last conversion wrote that are still here, sorted.
    std::vector<std::string> PreviousFiles() const;
    // True when `name` is there (a file or link) and is not a file Velorin
    // wrote; always true for a record of written files not made by us.
    bool IsForeign(std::string_view name) const;
    // A file Velorin did not write that the user agreed to have replaced.
    void AllowReplacing(std::string_view name);
    // Deletes the files the last conversion wrote (and what a killed write of
    // one of them left); a file that cannot be deleted stays listed.
    void RemovePreviousFiles();

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

    // Writes `content` under a temporary name and renames it into place: a
    // failed or killed write leaves the old file (or none), never half a file.
    bool WriteInPlace(std::string_view name, std::string_view content);
    // Before `name` is created or replaced: true when it may be, once it is
    // in the record of written files.
    bool Claim(std::string_view name);
    bool WriteRecord();
    // Adds one name at the end of a record this directory wrote whole; false
    // when it cannot, and the record is then written whole.
    bool AppendToRecord(std::string_view name);
    // Deletes a file (never a folder) from the disk; true when it is gone.
    bool RemoveFromDisk(std::string_view name);
    // Drops a name that is no longer on the disk from the record.
    void Forget(std::string_view name);

    std::filesystem::path dir_;
    mutable std::map<std::string, HeldText, std::less<>> held_;
    bool tracking_ = false;
    // The record found was not written by us: it is the user's file.
    bool recordForeign_ = false;
    // The record on disk is the one this directory last wrote whole, with
    // every name added since at its end.
    bool recordCurrent_ = false;
    // Listed by the last conversion's record.
    std::set<std::string, std::less<>> previous_;
    // Listed in the record now: the last conversion's files and this one's.
    std::set<std::string, std::less<>> owned_;
    std::set<std::string, std::less<>> allowed_;
    bool failed_ = false;
    std::string firstError_;
};

}  // namespace velorin
