#pragma once

#include <cstdint>

// The Connector's 6-byte clock record, in wire order. Plain numbers, not BCD.
struct TConnectorTime {
    uint8_t Second = 0; // 0..59
    uint8_t Minute = 0; // 0..59
    uint8_t Hour = 0;   // 0..23
    uint8_t Day = 1;    // 1..31
    uint8_t Month = 1;  // 1..12
    uint8_t Year = 0;   // years since 2000

    bool operator==(const TConnectorTime&) const = default;
};
static_assert(sizeof(TConnectorTime) == 6);
