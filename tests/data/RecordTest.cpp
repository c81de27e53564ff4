#include "AnsiText.h"
#include "CodePageGuard.h"
#include "ImageLayout.h"
#include "LittleEndian.h"
#include "LogExport.h"
#include "R7200.h"
#include "TestSupport.h"

#include <QTemporaryDir>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>

namespace {

// The program block of a new record, image bytes 518..612 then 1999..2047.
const uint8_t DefaultBlock[144] = {
    0x0A, 0x0A, 0x00, 0x3C, 0x0A, 0x20, 0x98, 0x3A, 0x00, 0x00, 0x01, 0x01, 0xF8, 0x2A, 0x04, 0x29,
    0x00, 0x00, 0x10, 0x0E, 0x00, 0x00, 0x01, 0x00,                // then 21 schedule bytes
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, //
    0x00, 0x00, 0x00, 0x00, 0xE8, 0x03, 0x3C, 0x00, 0x00, 0x01, 0x00, 0x01, 0x2C, 0x01, 0x00, 0x00,
    0x05, 0x00, 0x00, 0xE8, 0x03, 0x00, 0x0A, 0xE8, 0x03, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x58,
    0x02, 0x00, 0x00, 0x00, 0x58, 0x02, 0x00, 0x00, 0x00, 0x00, 0xFF, 0x01, 0x01, 0x00, 0x10, 0x0E,
    0x00, 0x00, // then two scales 0.0, 100.0,
                // "%" and the units byte
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x59, 0x40, '%', 0, 0, 0, 0, 0, 0, 0, //
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x59, 0x40, '%', 0, 0, 0, 0, 0, 0, 0, //
    0x00};

class Record : public testing::Test {
protected:
    TFixedClock Clock{Moment(2011, 7, 2, 13, 5, 9)};
};

} // namespace

TEST_F(Record, NewRecordPacksToTheDefaultBlock) {
    TR7200 r;
    EXPECT_EQ(r.ConnectorName, QStringLiteral("Limnaset"));
    r.Pack();
    const uint8_t* img = r.Image.data();
    EXPECT_EQ(std::memcmp(img + 518, DefaultBlock, 95), 0);
    EXPECT_EQ(std::memcmp(img + 1999, DefaultBlock + 95, 49), 0);
    EXPECT_EQ(img[512], '#');
    EXPECT_EQ(img[513], 1);
    EXPECT_EQ(le::Get32(img + 514), SecondsSince2000(2011, 7, 2, 12, 5, 9)); // summer time removed
    EXPECT_EQ(le::Get16(img + 1022), r.HeaderChecksum());
    EXPECT_TRUE(std::all_of(img + 613, img + 1022, [](uint8_t b) { return b == 0; }));
    EXPECT_TRUE(std::all_of(img + 1024, img + 1995, [](uint8_t b) { return b == 0xFF; }));
    EXPECT_TRUE(std::all_of(img + 1995, img + 1999, [](uint8_t b) { return b == 0; }));
}

TEST_F(Record, LayoutTilesTheBlockOnce) {
    std::vector<int> uses(2048, 0);
    for (const auto& f : TImageLayout::Fields())
        for (int i = 0; i < f.Width; ++i)
            ++uses[size_t(f.Offset + i)];
    for (int i = 0; i < 2048; ++i)
        EXPECT_EQ(uses[size_t(i)], (i >= 518 && i < 613) || i >= 1999 ? 1 : 0) << i;
}

TEST_F(Record, EachFieldPacksAtItsOwnOffset) {
    struct Case {
        int Offset;
        std::vector<uint8_t> Bytes;
        std::function<void(TR7200&)> Set;
    };
    const std::vector<Case> cases = {
        {518, {0xA1}, [](TR7200& r) { r.PrePurge = 0xA1; }},
        {522, {0xA5}, [](TR7200& r) { r.Aeration = 0xA5; }},
        {524, {0x77}, [](TR7200& r) { r.Reserved523[1] = 0x77; }},
        {526, {0x34, 0x12}, [](TR7200& r) { r.PumpPulses = 0x1234; }},
        {529, {0xA9}, [](TR7200& r) { r.Analog2Range = 0xA9; }},
        {533, {0x55}, [](TR7200& r) { r.Reserved530[3] = 0x55; }},
        {535, {0xB5}, [](TR7200& r) { r.DoorStatusRecord = 0xB5; }},
        {536, {4, 3, 2, 1}, [](TR7200& r) { r.LoggerPeriod = 0x01020304; }},
        {541, {0x66}, [](TR7200& r) { r.Reserved540[1] = 0x66; }},
        {545, {0x9F, 0x05}, [](TR7200& r) { r.Schedule[1].StartAt = 1439; }},
        {562, {0x2F}, [](TR7200& r) { r.Schedule[6].Weeks = 0xFF; }}, // unused bits dropped
        {564, {0xC4}, [](TR7200& r) { r.EventInversion = 0xC4; }},
        {565, {0x00, 0x80}, [](TR7200& r) { r.EventLowLimit = -32768; }},
        {567, {0xFF, 0x7F}, [](TR7200& r) { r.EventHighLimit = 32767; }},
        {569, {0x0A, 0x0B}, [](TR7200& r) { r.EventDelay = 0x0B0A; }},
        {572, {0xC7}, [](TR7200& r) { r.EventChangeBottle = 0xC7; }},
        {574, {0xC9}, [](TR7200& r) { r.PreSamplingDisableVar = 0xC9; }},
        {575, {1, 2, 3, 4}, [](TR7200& r) { r.PreSamplingInterval = 0x04030201; }},
        {579, {0xCD, 0xAB}, [](TR7200& r) { r.PreSamplingSamples = 0xABCD; }},
        {581, {0xD1}, [](TR7200& r) { r.EnableVar = 0xD1; }},
        {582, {0x21, 0x43}, [](TR7200& r) { r.VarMaximum = 0x4321; }},
        {585, {0xD5}, [](TR7200& r) { r.SamplesRate = 0xD5; }},
        {586, {0x65, 0x87}, [](TR7200& r) { r.FlowMaximum = 0x8765; }},
        {588, {9, 8, 7, 6}, [](TR7200& r) { r.MaximumInterval = 0x06070809; }},
        {592, {0x11, 0x22}, [](TR7200& r) { r.PulsesPerSample = 0x2211; }},
        {594, {5, 6, 7, 8}, [](TR7200& r) { r.SamplingPeriod = 0x08070605; }},
        {598,
         {1, 0x39, 0x30, 0, 0},
         [](TR7200& r) {
             r.ProgramMode = 1;
             r.ProgramStartDelay = 12345;
         }},
        {603, {0xE3}, [](TR7200& r) { r.BottleChangeBy = 0xE3; }},
        {605, {0xE5}, [](TR7200& r) { r.BottlesLimit = 0xE5; }},
        {607, {0x33, 0x44}, [](TR7200& r) { r.SamplesPerBottle = 0x4433; }},
        {609, {0xAA, 0xBB, 0xCC, 0xDD}, [](TR7200& r) { r.ChangeInterval = 0xDDCCBBAA; }},
        {1999, {0, 0, 0, 0, 0, 0, 0xF8, 0xBF}, [](TR7200& r) { r.Analog1.Min = -1.5; }},
        {2031, {0, 0, 0, 0, 0, 0, 0xF0, 0x3F}, [](TR7200& r) { r.Analog2.Max = 1.0; }},
        {2015, {'m', '3', '/', 'h', 0}, [](TR7200& r) { r.Analog1.Units = "m3/h"; }},
        {2039, {'k', 'g', 0}, [](TR7200& r) { r.Analog2.Units = "kg"; }},
        {2047, {0xF7}, [](TR7200& r) { r.TemperatureUnits = 0xF7; }},
    };
    TR7200 base;
    base.Pack();
    for (const Case& c : cases) {
        TR7200 r;
        c.Set(r);
        r.Pack();
        for (int i = 518; i < 2048; ++i) {
            if (i >= 612 && i < 1999) continue; // header, checksum and filler
            const int k = i - c.Offset;
            const uint8_t expected =
                k >= 0 && k < int(c.Bytes.size()) ? c.Bytes[size_t(k)] : base.Image[size_t(i)];
            ASSERT_EQ(r.Image[size_t(i)], expected) << "field at " << c.Offset << ", byte " << i;
        }
    }
}

TEST_F(Record, EveryFieldSurvivesPackAndUnpack) {
    TR7200 a;
    uint8_t v = 1;
    for (const auto& f : TImageLayout::Fields()) // a distinct value in every field
        std::visit(
            [&](const auto& acc) {
                auto&& m = acc.Ref(a);
                using T = std::decay_t<decltype(m)>;
                if constexpr (std::is_same_v<T, QString>)
                    m = QStringLiteral("Zä%1€").arg(v++);
                else if constexpr (std::is_same_v<T, std::span<uint8_t>>)
                    std::fill(m.begin(), m.end(), v++);
                else
                    m = T(v++ * 97);
            },
            f.Access);
    for (auto& d : a.Schedule)
        d.Weeks &= 0x2F;
    a.EventLowLimit = -32768;
    a.EventHighLimit = 32767;
    a.Analog1.Min = -1.5e300;
    a.Analog1.Max = 0.1;
    a.Analog2.Units = QStringLiteral("1234567");
    a.ProgramMode = 0;
    a.Pack();
    TR7200 b;
    b.Image = a.Image;
    b.Unpack();
    a.PumpPulses = 0; // replaced by the (cleared) report
    a.ProgramStartValue = 600;
    EXPECT_EQ(static_cast<TProgramBlock&>(b), static_cast<TProgramBlock&>(a));
}

TEST_F(Record, ChecksumCoversExactlyTheHeader) {
    TR7200 r;
    r.Pack();
    const uint16_t sum = r.HeaderChecksum();
    for (int i = 0; i < 2048; ++i) {
        if (i == 1022 || i == 1023) continue;
        TR7200 c = r;
        c.Image[size_t(i)] ^= 0x5A;
        ASSERT_EQ(c.HeaderChecksum() != sum, i >= 512 && i < 1022) << i;
    }
    std::fill(r.Image.begin() + 512, r.Image.begin() + 1022, uint8_t(0));
    EXPECT_EQ(r.HeaderChecksum(), 0xFFFF);
    std::fill(r.Image.begin() + 512, r.Image.begin() + 1022, uint8_t(0xFF));
    EXPECT_EQ(r.HeaderChecksum(), uint16_t(~uint16_t(510 * 255))); // carries dropped
}

TEST_F(Record, PumpPulseReportNeedsItsComplement) {
    TR7200 r;
    r.Pack();
    le::Put16(r.Image.data() + 1995, 1234);
    le::Put16(r.Image.data() + 1997, 0xFB2D);
    r.Unpack();
    EXPECT_EQ(r.PumpPulses, 1234);
    le::Put16(r.Image.data() + 1997, 0xFB2E);
    r.Unpack();
    EXPECT_EQ(r.PumpPulses, 0);
    r.PumpPulses = 1234;
    r.Pack();
    r.Unpack();
    EXPECT_EQ(r.PumpPulses, 0);
}

TEST_F(Record, TextsAreCutAndNeverReadPastTheirField) {
    TR7200 r;
    r.ConnectorName = QString(70, u'N');
    r.ConnectorComment = QString(443, u'C') + QStringLiteral("cut");
    r.Pack();
    EXPECT_EQ(r.Image[66], 'N');
    EXPECT_EQ(r.Image[67], 0);
    EXPECT_EQ(r.Image[511], 0);
    r.Unpack();
    EXPECT_EQ(r.ConnectorName, QString(63, u'N'));
    EXPECT_EQ(r.ConnectorComment, QString(443, u'C'));

    std::fill(r.Image.begin() + 4, r.Image.begin() + 512, uint8_t('x'));
    std::fill(r.Image.begin() + 2015, r.Image.begin() + 2023, uint8_t('u'));
    r.Unpack();
    EXPECT_EQ(r.ConnectorName, QString(63, u'x'));
    EXPECT_EQ(r.ConnectorComment, QString(443, u'x'));
    EXPECT_EQ(r.Analog1.Units, QString(7, u'u'));
}

// Each code page with a name its users write, its bytes, and a character it cannot hold.
struct TCodePageRow {
    TCodePage Page;
    QString Text;
    QByteArray Bytes;
    char32_t Foreign;
};

const TCodePageRow CodePageRows[] = {
    {TCodePage::CentralEuropean, QStringLiteral("Čeňk Łódź ű"),
     "\xC8\x65\xF2\x6B\x20\xA3\xF3\x64\x9F\x20\xFB", U'Ж'},
    {TCodePage::Cyrillic, QStringLiteral("Проба №1 ё"), "\xCF\xF0\xEE\xE1\xE0\x20\xB9\x31\x20\xB8",
     U'č'},
    {TCodePage::Western, QStringLiteral("Grüße €‰ Ÿ"), "\x47\x72\xFC\xDF\x65\x20\x80\x89\x20\x9F",
     U'Ж'},
    {TCodePage::Baltic, QStringLiteral("Ėmiklis ųž"), "\xCB\x6D\x69\x6B\x6C\x69\x73\x20\xF8\xFE",
     U'Ж'},
};

TEST_F(Record, TextsUseTheCodePageInEffect) {
    for (const TCodePageRow& row : CodePageRows) {
        SCOPED_TRACE(int(row.Page));
        TCodePageGuard page(row.Page);
        for (int b = 1; b < 256; ++b)
            ASSERT_EQ(TAnsiText::ToByte(TAnsiText::FromByte(uint8_t(b))), b) << b;
        TR7200 r;
        r.ConnectorName = row.Text + QString::fromUcs4(&row.Foreign, 1) + QStringLiteral("😀x");
        r.Analog1.Units = row.Text.left(7);
        r.Pack();
        const QByteArray name(reinterpret_cast<const char*>(r.Image.data() + 4), row.Bytes.size());
        EXPECT_EQ(name, row.Bytes);
        r.Unpack();
        EXPECT_EQ(r.ConnectorName, row.Text + QStringLiteral("??x"));
        EXPECT_EQ(r.Analog1.Units, row.Text.left(7));
    }
}

// A file written by a user of the code page keeps its bytes through load and save, and its
// unit texts reach the classic CSV as those bytes and the UTF-8 CSV as those letters.
TEST_F(Record, CodePageTextsSurviveFilesAndExport) {
    QTemporaryDir dir;
    for (const TCodePageRow& row : CodePageRows) {
        SCOPED_TRACE(int(row.Page));
        TCodePageGuard page(row.Page);
        TR7200 written;
        written.ConnectorName = row.Text;
        written.Analog1.Units = row.Text.left(7);
        const QString first = dir.filePath(QStringLiteral("first.r72"));
        const QString second = dir.filePath(QStringLiteral("second.r72"));
        ASSERT_TRUE(written.SaveToFile(first));
        TR7200 loaded;
        ASSERT_TRUE(loaded.LoadFromFile(first));
        EXPECT_EQ(loaded.ConnectorName, row.Text);
        ASSERT_TRUE(loaded.SaveToFile(second));
        EXPECT_EQ(FileBytes(second), FileBytes(first));

        const QByteArray units = "\"\",\"\",\"\",\"\",\"" + row.Bytes.left(7) + "\",";
        EXPECT_TRUE(LogCsvBytes(loaded).contains(units));
        const QByteArray utf8 = LogCsvBytes(loaded, {}, TCsvEncoding::Utf8);
        EXPECT_TRUE(utf8.startsWith("\xEF\xBB\xBF\"Time\","));
        EXPECT_TRUE(utf8.contains("\",\"" + row.Text.left(7).toUtf8() +
                                  "\",\" \xC2\xB0"
                                  "C\","));
    }
}

// A Connector read in the wrong code page shows the right letters once recoded.
TEST_F(Record, RecodingReadsTheSameBytesInTheOtherCodePage) {
    for (const TCodePageRow& row : CodePageRows) {
        SCOPED_TRACE(int(row.Page));
        TR7200 r;
        {
            TCodePageGuard page(row.Page);
            r.ConnectorComment = row.Text;
            r.Analog2.Units = row.Text.left(7);
            r.Pack();
        }
        TCodePageGuard western(TCodePage::Western);
        r.Unpack();
        r.RecodeTexts(TCodePage::Western, row.Page);
        EXPECT_EQ(r.ConnectorComment, row.Text);
        EXPECT_EQ(r.Analog2.Units, row.Text.left(7));
    }
}

TEST_F(Record, ProgramStartValueByMode) {
    TR7200 r;
    r.ProgramMode = 1;
    r.ProgramStartDelay = 4321;
    r.Pack();
    r.ProgramStartDelay = 0;
    r.Unpack();
    EXPECT_EQ(r.ProgramStartValue, 4321u);
    EXPECT_EQ(r.ProgramStartDelay, 4321u);

    r.ProgramMode = 2; // summer under the European rule: one hour less than the plain count
    r.ProgramStartTime = Moment(2011, 8, 15, 6, 30);
    r.Pack();
    EXPECT_EQ(r.ProgramStartValue, SecondsSince2000(2011, 8, 15, 5, 30));
    r.ProgramStartTime = 0;
    r.Unpack();
    EXPECT_DOUBLE_EQ(r.ProgramStartTime, Moment(2011, 8, 15, 6, 30));
    EXPECT_EQ(r.ProgramStartDelay, 600u);

    r.ProgramMode = 3;
    r.ProgramStartDelay = 99;
    r.Pack();
    r.ProgramStartTime = 1;
    r.Unpack();
    EXPECT_EQ(r.ProgramStartValue, 600u);
    EXPECT_EQ(r.ProgramStartDelay, 600u);
    EXPECT_EQ(r.ProgramStartTime, TClock::Now());
}

TEST_F(Record, ConnectorTimestamps) {
    EXPECT_EQ(TR7200::ToConnectorTimestamp(0), 0u);
    EXPECT_EQ(TR7200::FromConnectorTimestamp(0), 0.0);
    EXPECT_EQ(TR7200::ToConnectorTimestamp(Moment(2011, 1, 10, 8, 0)),
              SecondsSince2000(2011, 1, 10, 8, 0));
    EXPECT_EQ(TR7200::ToConnectorTimestamp(Moment(2099, 12, 31, 23, 59, 59)),
              SecondsSince2000(2099, 12, 31, 23, 59, 59));
    EXPECT_EQ(TR7200::ToConnectorTimestamp(Moment(1999, 12, 31, 8, 0)),
              SecondsSince2000(2099, 12, 31, 8, 0));
    const TDateTime t = Moment(2040, 10, 1, 22, 17, 3);
    EXPECT_DOUBLE_EQ(TR7200::FromConnectorTimestamp(TR7200::ToConnectorTimestamp(t)), t);
}
