// A full or read-only disk, as tests simulate it: while set, every output
// directory fails as such a disk would. Never set outside tests.
#pragma once

#include <optional>

namespace velorin {

struct SimulatedDiskFault {
    // Bytes that still fit on the disk; later writes fail with ENOSPC.
    long long capacity = 0;
    // No file opens for writing and nothing is removed or renamed (EROFS).
    bool readOnly = false;
};
void SimulateDiskFault(std::optional<SimulatedDiskFault> fault);

// The fault in force, for the writes to charge their bytes to; nullptr when
// the disk is as it is.
SimulatedDiskFault* CurrentDiskFault();
// True while a read-only disk is simulated.
bool SimulatedReadOnly();

}  // namespace velorin
