#include "LittleEndian.h"
#include "R7200.h"
#include "RangeError.h"
#include "TestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

uint8_t* Slot(TR7200& r, int k) {
    return r.Image.data() + 2048 + 16 * k;
}

// A valid sampler record whose time tells its slot.
void Fill(TR7200& r, int first, int last) {
    for (int k = first; k <= last; ++k) {
        TLogRecord rec;
        rec.Time = 1000000 + uint32_t(k);
        rec.Code = 1;
        rec.Bottle = uint8_t(k % 24);
        rec.Encode(Slot(r, k));
    }
}

void SetTime(TR7200& r, int k, uint32_t time) {
    le::Put32(Slot(r, k), time);
}

class Log : public testing::Test {
protected:
    TFixedClock Clock{40725.5}; // 2011-07-01 12:00
};

} // namespace

TEST_F(Log, RecordCodingAndCrc) {
    EXPECT_EQ(Crc8Maxim(reinterpret_cast<const uint8_t*>("123456789"), 9), 0xA1);
    TLogRecord rec{0x12345678, 9, 3, 17, 1000, 0, -400, 850, 0};
    uint8_t bytes[16];
    rec.Encode(bytes);
    EXPECT_EQ(bytes[0], 0x78);
    EXPECT_EQ(bytes[7], 0xE8);
    EXPECT_EQ(bytes[11], 0x70); // -400 little-endian
    EXPECT_EQ(bytes[12], 0xFE);
    EXPECT_EQ(bytes[15], Crc8Maxim(bytes, 15));
    rec.Crc = bytes[15];
    EXPECT_EQ(TLogRecord::Decode(bytes), rec);

    const TLogRecord empty = TLogRecord::Empty(25);
    EXPECT_EQ(empty.Time, 0xFFFFFFFFu);
    EXPECT_EQ(empty.SampleTemperature, 0x7FFF);
    EXPECT_EQ(empty.Var, 0xFFFF);
    EXPECT_EQ(TLogRecord::CodeWord(0), QStringLiteral("?"));
    EXPECT_EQ(TLogRecord::CodeWord(1), QStringLiteral("SAMPLE"));
    EXPECT_EQ(TLogRecord::CodeWord(11), QStringLiteral("CLEAR"));
    EXPECT_EQ(TLogRecord::CodeWord(20), QStringLiteral("NO CALIBRATION"));
    EXPECT_EQ(TLogRecord::CodeWord(27), QStringLiteral("MARKERX"));
    EXPECT_EQ(TLogRecord::CodeWord(28), QStringLiteral("?"));
}

TEST_F(Log, NewRecordHoldsOneClearRecord) {
    TR7200 r;
    EXPECT_EQ(r.LogCount, 1);
    const TLogRecord clear = r.LogRecordAt(0);
    EXPECT_EQ(clear.Code, 11);
    EXPECT_EQ(clear.Time, TR7200::ToConnectorTimestamp(TClock::Now()));
    EXPECT_EQ(clear.Bottle, 255);
    EXPECT_EQ(clear.BoxTemperature, 0x7FFF);
    EXPECT_TRUE(std::all_of(Slot(r, 1), r.Image.data() + r.Image.size(),
                            [](uint8_t b) { return b == 0xFF; }));
    r.ScanLog();
    EXPECT_EQ(r.LogCount, 1);
    EXPECT_EQ(r.LogRecordAt(0), clear);
}

TEST_F(Log, ScanFindsTheLogExtent) {
    TR7200 r;
    SetTime(r, 0, 0xFFFFFFFF);
    r.ScanLog();
    EXPECT_EQ(r.LogCount, 0);

    Fill(r, 0, 9);
    r.ScanLog();
    EXPECT_EQ(r.LogCount, 10);
    EXPECT_EQ(r.LogStart, 0);
    EXPECT_EQ(r.LogRecordAt(0).Time, 1000000u);

    Fill(r, 0, 1919);
    r.ScanLog();
    EXPECT_EQ(r.LogCount, 1920);
    EXPECT_EQ(r.LogStart, 0);

    SetTime(r, 500, 0xFFFFFFFE);
    r.ScanLog();
    EXPECT_EQ(r.LogCount, 1919);
    EXPECT_EQ(r.LogStart, 501);
    EXPECT_EQ(r.LogRecordAt(0).Time, 1000501u);
    EXPECT_EQ(r.LogRecordAt(1918).Time, 1000499u);
    EXPECT_EQ(r.LogSlotOffset(1419), 2048);

    Fill(r, 500, 500);
    SetTime(r, 1919, 0xFFFFFFFE);
    r.ScanLog();
    EXPECT_EQ(r.LogCount, 1919);
    EXPECT_EQ(r.LogStart, 0);
    EXPECT_EQ(r.LogRecordAt(1918).Time, 1001918u);
}

TEST_F(Log, StrayBlankSlotDoesNotHideTheRing) {
    TR7200 r;
    Fill(r, 0, 1919);
    SetTime(r, 5, 0xFFFFFFFF);
    SetTime(r, 500, 0xFFFFFFFE);
    r.ScanLog();
    EXPECT_EQ(r.LogCount, 1919);
    EXPECT_EQ(r.LogStart, 501);
    EXPECT_EQ(r.LogRecordAt(1419 + 5).Code, 26); // the blank slot became a MARKER
    EXPECT_EQ(r.LogRecordAt(1419 + 6).Time, 1000006u);
}

TEST_F(Log, RepairsSurviveSaveAndLoad) {
    TR7200 r;
    Fill(r, 0, 1919);
    SetTime(r, 100, 0xFFFFFFFE); // write position
    SetTime(r, 300, 0xFFFFFFFF);
    SetTime(r, 700, 0xFFFFFFFE);
    Slot(r, 900)[6] ^= 0x10;
    r.ScanLog();
    for (const auto& [slot, code] : {std::pair{300, 26}, {700, 27}, {900, 25}}) {
        const TLogRecord rec = r.LogRecordAt((slot - 101 + 1920) % 1920);
        EXPECT_EQ(rec.Code, code);
        EXPECT_EQ(rec.Time, 0u); // no time, and not the blank-slot word
        EXPECT_EQ(rec.Bottle, 255);
        EXPECT_EQ(rec.Crc, Crc8Maxim(Slot(r, slot), 15));
    }

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("log.r72"));
    ASSERT_TRUE(r.SaveToFile(path));
    TR7200 loaded;
    ASSERT_TRUE(loaded.LoadFromFile(path));
    EXPECT_EQ(loaded.LogCount, 1919);
    EXPECT_EQ(loaded.LogStart, 101);
    for (int i = 0; i < loaded.LogCount; ++i)
        ASSERT_EQ(loaded.LogRecordAt(i), r.LogRecordAt(i)) << i;
}

TEST_F(Log, IndexOutsideTheLogIsARangeError) {
    TR7200 r;
    EXPECT_THROW(r.LogRecordAt(1), ERangeError);
    EXPECT_EQ(r.Status, 5);
    r.Status = StatusOk;
    EXPECT_THROW(r.LogRecordAt(-1), ERangeError);
    EXPECT_EQ(r.Status, 5);
}

TEST_F(Log, AWindowOutsideTheRingIsAnInternalError) {
    const struct {
        int Start;
        int Count;
    } windows[] = {{-1, 1}, {TR7200::LogSlots, 1}, {0, TR7200::LogSlots + 1}, {0, -1}};
    for (const auto& w : windows) {
        TR7200 r;
        r.LogStart = w.Start;
        r.LogCount = w.Count;
        EXPECT_NE(InternalErrorOf([&] { r.LogRecordAt(0); }), "no internal error") << w.Start;
        EXPECT_NE(InternalErrorOf([&] { r.LogSlotOffset(0); }), "no internal error") << w.Start;
    }
    TR7200 r;
    EXPECT_NE(InternalErrorOf([&] { r.LogSlotOffset(TR7200::LogSlots); }), "no internal error");
}
