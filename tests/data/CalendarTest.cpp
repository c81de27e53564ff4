#include "ConnectorCalendar.h"
#include "InternalError.h"
#include "TestSupport.h"

#include <QDate>
#include <gtest/gtest.h>

namespace {

TConnectorTime At(int year, int month, int day, int hour, int minute, int second = 0) {
    return TConnectorTime{uint8_t(second), uint8_t(minute), uint8_t(hour),
                          uint8_t(day),    uint8_t(month),  uint8_t(year - 2000)};
}

// Installs a fixed daylight-saving rule for one test.
class TRuleGuard {
public:
    explicit TRuleGuard(int rule) {
        SetDaylightRuleSource([rule] { return rule; });
    }
    ~TRuleGuard() { SetDaylightRuleSource(nullptr); }
};

} // namespace

TEST(Calendar, AgreesWithGregorianCalendarOverTheWholeRange) {
    const QDate first(2000, 1, 1);
    const QDate last(2068, 1, 19);
    for (QDate d = first; d <= last; d = d.addDays(1)) {
        const auto n = uint16_t(first.daysTo(d));
        ASSERT_EQ(DayNumber(d.year() - 2000, d.month(), d.day()), n) << d.toString().toStdString();
        int y, m, day;
        DayToDate(n, y, m, day);
        ASSERT_EQ(QDate(y + 2000, m, day), d);
        ASSERT_EQ(WeekDay(n), d.dayOfWeek() - 1);
        ASSERT_EQ(DaysInMonth(d.year() - 2000, d.month()), d.daysInMonth());
    }
    EXPECT_EQ(WeekDay(0), 5);
    EXPECT_EQ(DayNumber(4, 1, 1), 1461);
}

TEST(Calendar, SecondsRoundTripWithoutWrapping) {
    TConnectorTime t;
    UnpackTime(0, t);
    EXPECT_EQ(t, At(2000, 1, 1, 0, 0, 0));
    // Past 2^31 seconds: signed 32-bit arithmetic would overflow here.
    for (const auto& [y, mo, d] : {std::tuple{2011, 7, 2}, {2068, 1, 20}, {2099, 12, 31}}) {
        const uint32_t s = SecondsSince2000(y, mo, d, 23, 59, 59);
        EXPECT_EQ(PackTime(At(y, mo, d, 23, 59, 59)), s);
        UnpackTime(s, t);
        EXPECT_EQ(t, At(y, mo, d, 23, 59, 59));
    }
    UnpackTime(0xFFFFFFFF, t);
    EXPECT_EQ(PackTime(t), 0xFFFFFFFFu);
}

TEST(Calendar, GarbageMonthFromADeviceStaysInBounds) {
    EXPECT_EQ(DaysInMonth(11, 0), 31);
    EXPECT_EQ(DaysInMonth(11, 200), 31);
    EXPECT_EQ(DayNumber(0, 13, 1), DayNumber(0, 12, 1));
}

TEST(Calendar, SwitchDays) {
    const TSwitchPoint euStart{3, 5, 6, 2, 0}, euEnd{10, 5, 6, 2, 0};
    const TSwitchPoint usStart{3, 2, 6, 2, 0}, usEnd{11, 1, 6, 2, 0};
    EXPECT_EQ(SwitchDay(11, euStart), 27);
    EXPECT_EQ(SwitchDay(11, euEnd), 30);
    EXPECT_EQ(SwitchDay(11, usStart), 13);
    EXPECT_EQ(SwitchDay(11, usEnd), 6);
    // Last Sunday on the 31st, and the 7th as the first Sunday.
    EXPECT_EQ(SwitchDay(13, euStart), 31);
    EXPECT_EQ(SwitchDay(12, TSwitchPoint{10, 1, 6, 2, 0}), 7);
}

TEST(Calendar, EuropeanSwitchInstants) {
    EXPECT_EQ(DaylightRule(), 1); // nothing installed
    EXPECT_FALSE(IsSummerTime(At(2011, 3, 27, 1, 59)));
    EXPECT_TRUE(IsSummerTime(At(2011, 3, 27, 2, 0)));
    EXPECT_TRUE(IsSummerTime(At(2011, 10, 30, 1, 59)));
    EXPECT_FALSE(IsSummerTime(At(2011, 10, 30, 2, 0)));
    EXPECT_FALSE(IsSummerTime(At(2011, 2, 28, 12, 0)));
    EXPECT_TRUE(IsSummerTime(At(2011, 7, 1, 12, 0)));
    EXPECT_FALSE(IsSummerTime(At(2011, 11, 1, 12, 0)));
}

TEST(Calendar, UnitedStatesSwitchInstants) {
    TRuleGuard rule(2);
    EXPECT_FALSE(IsSummerTime(At(2011, 3, 13, 1, 59)));
    EXPECT_TRUE(IsSummerTime(At(2011, 3, 13, 2, 0)));
    EXPECT_TRUE(IsSummerTime(At(2011, 3, 27, 1, 0)));
    EXPECT_TRUE(IsSummerTime(At(2011, 11, 6, 1, 59)));
    EXPECT_FALSE(IsSummerTime(At(2011, 11, 6, 2, 0)));
    EXPECT_TRUE(IsSummerTime(At(2011, 10, 30, 2, 0)));
    EXPECT_EQ(PackLocalTime(At(2011, 3, 20, 12, 0)), SecondsSince2000(2011, 3, 20, 11, 0));
}

TEST(Calendar, LocalConversionsUnderEuropeanRule) {
    TConnectorTime t;
    EXPECT_EQ(PackLocalTime(At(2011, 7, 1, 12, 0)), SecondsSince2000(2011, 7, 1, 11, 0));
    EXPECT_EQ(PackLocalTime(At(2011, 7, 2, 0, 15)), SecondsSince2000(2011, 7, 1, 23, 15));
    UnpackLocalTime(SecondsSince2000(2011, 7, 1, 23, 30), t);
    EXPECT_EQ(t, At(2011, 7, 2, 0, 30));
    UnpackLocalTime(SecondsSince2000(2011, 6, 30, 23, 30), t); // across a month end
    EXPECT_EQ(t, At(2011, 7, 1, 0, 30));

    EXPECT_EQ(PackLocalTime(At(2011, 3, 27, 2, 30)), SecondsSince2000(2011, 3, 27, 1, 30));
    UnpackLocalTime(SecondsSince2000(2011, 3, 27, 1, 30), t);
    EXPECT_EQ(t, At(2011, 3, 27, 1, 30));
    UnpackLocalTime(SecondsSince2000(2011, 3, 27, 2, 0), t);
    EXPECT_EQ(t, At(2011, 3, 27, 3, 0));

    UnpackLocalTime(SecondsSince2000(2011, 10, 30, 1, 30), t);
    EXPECT_EQ(t, At(2011, 10, 30, 2, 30));
    UnpackLocalTime(SecondsSince2000(2011, 10, 30, 2, 30), t);
    EXPECT_EQ(t, At(2011, 10, 30, 2, 30));
    EXPECT_EQ(PackLocalTime(At(2011, 10, 30, 2, 30)), SecondsSince2000(2011, 10, 30, 2, 30));
    EXPECT_EQ(PackLocalTime(At(2011, 10, 30, 1, 30)), SecondsSince2000(2011, 10, 30, 0, 30));
}

TEST(Calendar, NoRuleEqualsPlainConversion) {
    TRuleGuard rule(0);
    TConnectorTime local, plain;
    for (uint32_t s :
         {0u, SecondsSince2000(2011, 7, 1, 23, 30), SecondsSince2000(2011, 3, 27, 2, 0)}) {
        UnpackLocalTime(s, local);
        UnpackTime(s, plain);
        EXPECT_EQ(local, plain);
        EXPECT_EQ(PackLocalTime(local), s);
    }
    EXPECT_FALSE(IsSummerTime(At(2011, 7, 1, 12, 0)));
}

TEST(Calendar, UnknownRuleIsAnInternalError) {
    TRuleGuard rule(3);
    EXPECT_THROW(PackLocalTime(At(2011, 7, 1, 12, 0)), TInternalError);
}

TEST(Calendar, DisplayTextsInLocaleFormatsWithoutZone) {
    const TDateTime v = Moment(2011, 7, 2, 13, 5, 9);
    {
        TLocaleGuard locale(QStringLiteral("en_US"));
        EXPECT_EQ(DateTimeText(v), QStringLiteral("7/2/11 1:05:09 PM"));
        EXPECT_EQ(DateShortTimeText(v), QStringLiteral("7/2/11 1:05 PM"));
        EXPECT_EQ(DateTimeText(0), QString());
        EXPECT_EQ(DateShortTimeText(0), QString());
    }
    {
        TLocaleGuard locale(QStringLiteral("de_DE"));
        EXPECT_EQ(DateTimeText(v), QStringLiteral("02.07.11 13:05:09"));
        EXPECT_EQ(DateShortTimeText(v), QStringLiteral("02.07.11 13:05"));
    }
    // Zone first, in brackets, and after quoted literals.
    const QString zone = FromDateTime(v).timeZoneAbbreviation();
    ASSERT_FALSE(zone.isEmpty());
    for (const char* name : {"zh_CN", "fa_IR", "fr_CA", "en_US", "de_DE"}) {
        TLocaleGuard locale(QString::fromLatin1(name));
        const QString text = DateTimeText(v);
        EXPECT_FALSE(text.contains(zone) || text.contains(u'(') || text.endsWith(u' ') ||
                     text.contains(QStringLiteral("  ")))
            << name << ": " << text.toStdString();
    }
}
