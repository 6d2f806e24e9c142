// velorin-mdb-read FILE: reads an Access file with libmdb and writes what it
// holds to standard output, for the program that started it. It runs on its
// own because a damaged file can crash libmdb or keep it reading for ever;
// its limits end it before it takes the machine with it.
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "session/host/database_loader.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: velorin-mdb-read FILE\n", stderr);
        return 2;
    }
    // Far beyond what reading a real database takes. A sanitized build maps
    // terabytes of shadow memory and has its own limits.
#if !defined(__SANITIZE_ADDRESS__) && !defined(VELORIN_SANITIZED)
    const rlimit memory{rlim_t{2} << 30, rlim_t{2} << 30};
    setrlimit(RLIMIT_AS, &memory);
#endif
    const rlimit processor{120, 120};
    setrlimit(RLIMIT_CPU, &processor);

    velorin::AccessApplication application;
    std::string error;
    if (!velorin::ReadMdbFileHere(argv[1], application, error)) {
        std::fwrite(error.data(), 1, error.size(), stdout);
        return 1;
    }
    const std::string bytes = velorin::EncodeMdbContents(application);
    return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() &&
                   std::fflush(stdout) == 0
               ? 0
               : 1;
}
