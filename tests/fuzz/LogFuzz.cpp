// Any bytes in the log area: the scan finds a window inside the ring, every record in it can
// be read, and a second scan changes nothing.
#include "FuzzCheck.h"
#include "R7200.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TR7200 record;
    const size_t area = TR7200::ImageSize - 2048;
    // Short inputs repeat, so that a few bytes can still fill the ring or leave it blank.
    std::fill(record.Image.begin() + 2048, record.Image.end(), uint8_t(0xFF));
    if (size > 0)
        for (size_t k = 0; k < area; ++k)
            record.Image[2048 + k] = size >= area ? data[k] : data[k % size];
    record.ScanLog();
    FUZZ_CHECK(record.LogStart >= 0 && record.LogStart < TR7200::LogSlots);
    FUZZ_CHECK(record.LogCount >= 0 && record.LogCount <= TR7200::LogSlots);
    for (int i = 0; i < record.LogCount; ++i) {
        const TLogRecord r = record.LogRecordAt(i);
        FUZZ_CHECK(r.Time != TLogRecord::NeverWritten && r.Time != TLogRecord::WriteMarker);
    }
    const auto image = record.Image;
    const int start = record.LogStart;
    const int count = record.LogCount;
    record.ScanLog();
    FUZZ_CHECK(record.Image == image && record.LogStart == start && record.LogCount == count);
    return 0;
}
