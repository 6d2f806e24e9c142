#include "common/simulated_disk_fault.h"

namespace velorin {
namespace {

std::optional<SimulatedDiskFault> simulatedFault;

}  // namespace

void SimulateDiskFault(std::optional<SimulatedDiskFault> fault) {
    simulatedFault = fault;
}

SimulatedDiskFault* CurrentDiskFault() {
    return simulatedFault ? &*simulatedFault : nullptr;
}

bool SimulatedReadOnly() {
    return simulatedFault && simulatedFault->readOnly;
}

}  // namespace velorin
