// Access files: the bytes written to a file and read the way the program
// reads a database, through the reader process. A crash or a hang of libmdb
// must become an error of the load; only a fault of this program's own side
// (the answer read back, the limits) may end the run.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "session/host/database_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace velorin;
    static const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                              ("velorin-fuzz-" + std::to_string(getpid()) + ".mdb");
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    AccessApplication application;
    std::string error;
    MdbReadLimits limits;
    limits.seconds = 5;
    if (LoadMdbFile(file, application, error, limits)) {
        // What was read back is whole: every table has its name.
        for (const TableDef& table : application.TableDefs())
            (void)table.name.size();
    }
    return 0;
}
