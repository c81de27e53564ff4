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

namespace {

// The oldest and the newest records, where the ring wraps: every record takes the same way
// through the texts, and a full log of them would keep an input busy for a tenth of a second.
QList<TLogEntry> Ends(const TR7200& record) {
    constexpr int Each = 4;
    QList<TLogEntry> ends;
    for (int i = 0; i < record.LogCount; ++i) {
        if (i == Each && record.LogCount > 2 * Each) i = record.LogCount - Each;
        ends.append({LogRecordOf(record, i), &record});
        FUZZ_CHECK(LogTableRow(record, i).size() == 9);
        (void)LogRecordSummary(record, {}, i);
    }
    return ends;
}

QByteArray ShownLog(const TR7200& record) {
    const QList<TLogEntry> ends = Ends(record);
    return LogCsvBytes(record, ends) + LogCsvBytes(record, ends, {}, TCsvEncoding::Utf8) +
           LogTabBytes(record, ends);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TR7200 record;
    if (!record.LoadFromBytes(std::span(data, size))) return 0;

    (void)RecordText(record);
    (void)RecordJson(record);
    (void)RecordDump(record);
    (void)LogTableUnits(record);
    const QByteArray shown = ShownLog(record);

    const QByteArray saved = record.PackToBytes();
    TR7200 again;
    FUZZ_CHECK(again.LoadFromBytes(
        std::span(reinterpret_cast<const uint8_t*>(saved.constData()), size_t(saved.size()))));
    FUZZ_CHECK(again.LogCount == record.LogCount && again.LogStart == record.LogStart);
    FUZZ_CHECK(
        std::equal(record.Image.begin() + 2048, record.Image.end(), again.Image.begin() + 2048));
    FUZZ_CHECK(again.PumpPulses == record.PumpPulses);
    FUZZ_CHECK(ShownLog(again) == shown);
    return 0;
}
