#pragma once

#include "KelbDevice.h"

#include <string>

// What a detection found: "present", "absent", or "failed" when an exchange failed.
inline std::string Detection(TKelbDevice& device) {
    bool present = false;
    if (!device.DetectConnector(present)) return "failed";
    return present ? "present" : "absent";
}

// The memory kind the device is set up for, as one text to compare.
inline std::string MemoryKind(const TKelbDevice& device) {
    return std::string(device.SmallMemory() ? "small" : "large") + ": " +
           std::to_string(device.BlockSize()) + "-byte blocks of " +
           std::to_string(device.MemorySize());
}
