#pragma once

#include "KelbProtocol.h"

// The Connector's memory as the sampler lays it out: what the document keeps and the
// simulated Connector holds.
namespace connector {

constexpr int SmallSize = 256;   // the small kind holds no program
constexpr int ImageSize = 32768; // the large kind: one document image
constexpr int LogArea = 2048;    // the event log runs from here to the end
constexpr int LogRecordSize = 16;
constexpr int LogSlots = (ImageSize - LogArea) / LogRecordSize;

static_assert(SmallSize == kelb::SmallMemorySize && ImageSize == kelb::LargeMemorySize,
              "the image fills the memory of its kind");

} // namespace connector
