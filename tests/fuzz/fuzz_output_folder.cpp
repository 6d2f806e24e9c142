// The output folder: a folder holding the user's files and a record of
// written files (its bytes from the input), then the directory's operations
// the input picks, with names from the input. Whatever the input, a file
// outside the folder, or a file of the user's in it that was not agreed to,
// keeps its bytes, and no temporary file is left behind.
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

#include "common/ansi_text.h"
#include "common/output_directory.h"
#include "fuzz_support.h"

namespace {

namespace fs = std::filesystem;
using velorin::OutputDirectory;

// Reads the input a byte or a length-prefixed piece at a time.
struct Input {
    std::string_view rest;
    uint8_t Byte() {
        if (rest.empty())
            return 0;
        const auto b = static_cast<uint8_t>(rest[0]);
        rest.remove_prefix(1);
        return b;
    }
    std::string Piece() {
        const size_t size = std::min<size_t>(Byte() % 64, rest.size());
        std::string piece(rest.substr(0, size));
        rest.remove_prefix(size);
        return piece;
    }
};

constexpr const char* kNames[] = {"Orders.frm",
                                  "Orders.frx",
                                  "Sales.vbp",
                                  "Sales.vbp.part",
                                  "Sales.mdb",
                                  "notes.txt",
                                  "errors.log",
                                  "Form_Letter.pdf",
                                  "velorin.files",
                                  "Orders.frm.velorin-tmp",
                                  "..",
                                  "../outside",
                                  "a/b",
                                  "",
                                  "M.bas"};

std::string Name(Input& in) {
    const uint8_t pick = in.Byte();
    if (pick < 200)
        return kNames[pick % std::size(kNames)];
    return in.Piece();
}

std::map<std::string, std::string> Contents(const fs::path& dir) {
    std::map<std::string, std::string> files;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_regular_file(ec))
            // The directory's names are Windows-1252; the disk's are UTF-8.
            files[velorin::PathToAnsi(it->path().filename())] =
                velorin::ReadWholeFile(it->path()).value_or("<unreadable>");
    }
    return files;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in{velorin::fuzz::AsText(data, size)};
    const fs::path root = velorin::fuzz::FreshDirectory("output");
    const fs::path dir = root / "out";
    fs::create_directories(dir);
    velorin::fuzz::WriteBytes(root / "outside", "the user's, beside the folder");
    // The user's files, and a record that may or may not be ours.
    for (int files = in.Byte() % 6; files > 0; --files) {
        const std::string name = Name(in);
        if (velorin::IsPlainFileName(name))
            velorin::fuzz::WriteBytes(dir / name, "user " + name);
    }
    if (in.Byte() % 2 == 1) {
        std::string record(velorin::kRecordHeading);
        record += "\r\n" + in.Piece();
        velorin::fuzz::WriteBytes(dir / std::string(velorin::kRecordName), record);
    }
    const std::map<std::string, std::string> before = Contents(dir);
    std::map<std::string, std::string> agreed;
    {
        OutputDirectory out(dir);
        out.TrackWrittenFiles();
        std::map<std::string, bool> foreign;
        for (const auto& [name, bytes] : before)
            foreign[name] = out.IsForeign(name);
        // The names the operations were given: a temporary name among them
        // is a file asked for, not one left behind.
        std::map<std::string, bool> named;
        for (int steps = in.Byte() % 16; steps > 0; --steps) {
            const std::string name = Name(in);
            named[name] = true;
            switch (in.Byte() % 8) {
                case 0:
                    out.Write(name, in.Piece());
                    break;
                case 1:
                    out.Append(name, in.Piece());
                    break;
                case 2:
                    out.Remove(name);
                    break;
                case 3: {
                    const std::string to = Name(in);
                    named[to] = true;
                    out.Rename(name, to);
                    break;
                }
                case 4:
                    out.RemovePreviousFiles();
                    break;
                case 5:
                    out.AllowReplacing(name);
                    agreed[name] = true;
                    break;
                case 6:
                    out.Create(name).WriteLine(in.Piece());
                    break;
                default:
                    out.WriteHeld();
                    break;
            }
        }
        out.WriteHeld();
        // A file of the user's that nobody agreed to replace is as it was.
        const std::map<std::string, std::string> after = Contents(dir);
        for (const auto& [name, bytes] : before) {
            if (!foreign[name] || agreed.count(name) > 0)
                continue;
            const auto now = after.find(name);
            if (now == after.end() || now->second != bytes)
                __builtin_trap();
        }
        for (const auto& [name, bytes] : after) {
            if (name.ends_with(velorin::kTemporarySuffix) && before.count(name) == 0 &&
                named.count(name) == 0)
                __builtin_trap();
        }
    }
    if (velorin::ReadWholeFile(root / "outside") != "the user's, beside the folder")
        __builtin_trap();
    return 0;
}
