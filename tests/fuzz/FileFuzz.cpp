// A file as a user might open it: everything the window and the tool show after an open,
// then a save and a reload that must give the same log.
#include "FuzzCheck.h"
#include "LogExport.h"
#include "LogText.h"
#include "R7200.h"
#include "RecordReport.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TR7200 record;
    if (!record.LoadFromBytes(std::span(data, size))) return 0;

    (void)RecordText(record);
    (void)RecordJson(record);
    (void)RecordDump(record);
    (void)LogCsvBytes(record);
    (void)LogTableUnits(record);
    for (int i = 0; i < record.LogCount; ++i) {
        FUZZ_CHECK(LogTableRow(record, i).size() == 9);
        (void)record.LogRecordAt(i);
    }

    const QByteArray saved = record.PackToBytes();
    TR7200 again;
    FUZZ_CHECK(again.LoadFromBytes(
        std::span(reinterpret_cast<const uint8_t*>(saved.constData()), size_t(saved.size()))));
    FUZZ_CHECK(again.LogCount == record.LogCount && again.LogStart == record.LogStart);
    FUZZ_CHECK(
        std::equal(record.Image.begin() + 2048, record.Image.end(), again.Image.begin() + 2048));
    FUZZ_CHECK(again.PumpPulses == record.PumpPulses);
    FUZZ_CHECK(LogCsvBytes(again) == LogCsvBytes(record));
    return 0;
}
