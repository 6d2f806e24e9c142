// The files of an output directory held in memory while they are written,
// and written back to the disk, each in one write, when they are let go.
#include "common/output_directory.h"

#include <cerrno>
#include <cstring>
#include <utility>

namespace velorin {

OutputFile::OutputFile(OutputDirectory* owner, std::string name, bool append)
    : name_(std::move(name)) {
    if (!IsPlainFileName(name_)) {
        owner->ReportFailure(name_, "not a plain file name");
        return;
    }
    if (SimulatedReadOnly()) {
        owner->ReportFailure(name_, std::strerror(EROFS));
        return;
    }
    owner->HoldForWriting(name_, append);
    owner_ = owner;
}

OutputFile::OutputFile(OutputFile&& other) noexcept
    : owner_(std::exchange(other.owner_, nullptr)), name_(std::move(other.name_)) {}

OutputFile& OutputFile::operator=(OutputFile&& other) noexcept {
    if (this != &other) {
        owner_ = std::exchange(other.owner_, nullptr);
        name_ = std::move(other.name_);
    }
    return *this;
}

void OutputFile::WriteLine(std::string_view text) {
    if (HeldText* held = owner_ ? owner_->HeldBytes(name_) : nullptr) {
        held->content.append(text);
        held->content.append("\r\n");
    }
}

void OutputFile::WriteRaw(std::string_view bytes) {
    if (HeldText* held = owner_ ? owner_->HeldBytes(name_) : nullptr)
        held->content.append(bytes);
}

HeldText& OutputDirectory::HoldForWriting(std::string_view name, bool append) {
    auto it = held_.find(name);
    if (it == held_.end()) {
        // Only a file Velorin wrote is added to; any other is replaced.
        const bool ours = !tracking_ || owned_.count(name) > 0;
        std::optional<std::string> existing = append && ours ? Read(name) : std::nullopt;
        it = held_.emplace(std::string(name), HeldText{}).first;
        if (existing)
            it->second.content = std::move(*existing);
    } else if (!append) {
        it->second = HeldText{};
    }
    it->second.dirty = true;
    return it->second;
}

HeldText* OutputDirectory::HeldBytes(std::string_view name) {
    auto it = held_.find(name);
    if (it == held_.end())
        return nullptr;
    it->second.dirty = true;
    return &it->second;
}

void OutputDirectory::Release(std::string_view name) {
    auto it = held_.find(name);
    if (it == held_.end())
        return;
    HeldText text = std::move(it->second);
    held_.erase(it);
    if (text.dirty)
        WriteToDisk(name, text.content);
}

bool OutputDirectory::WriteHeld() {
    while (!held_.empty())
        Release(std::string(held_.begin()->first));
    return !failed_;
}

bool OutputDirectory::WriteToDisk(std::string_view name, std::string_view content) {
    if (PathOf(name).empty()) {
        ReportFailure(name, "not a plain file name");
        return false;
    }
    return Claim(name) && WriteInPlace(name, content);
}

}  // namespace velorin
