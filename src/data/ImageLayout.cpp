#include "ImageLayout.h"

#include "AnsiText.h"
#include "LittleEndian.h"

#include <bit>
#include <cstring>
#include <type_traits>
#include <utility>

// The program block of a new record: the one source of the defaults. Note EventChangeBottle 1,
// PreSampling 0 and PreSamplingDisableVar 1.
const std::array<uint8_t, TImageLayout::DefaultSize> TImageLayout::DefaultBytes = {
    // 518: purging, suction, aeration, reserved, pump pulses, input ranges, reserved
    0x0A, 0x0A, 0x00, 0x3C, 0x0A, 0x20, 0x98, 0x3A, 0x00, 0x00, 0x01, 0x01, 0xF8, 0x2A, 0x04, 0x29,
    // 534: logger, reserved
    0x00, 0x00, 0x10, 0x0E, 0x00, 0x00, 0x01, 0x00,
    // 542: schedule
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    // 563: event control, pre-sampling, sampling, program start, bottles
    0x00, 0x00, 0x00, 0x00, 0xE8, 0x03, 0x3C, 0x00, 0x00, 0x01, 0x00, 0x01, 0x2C, 0x01, 0x00, 0x00,
    0x05, 0x00, 0x00, 0xE8, 0x03, 0x00, 0x0A, 0xE8, 0x03, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x58,
    0x02, 0x00, 0x00, 0x00, 0x58, 0x02, 0x00, 0x00, 0x00, 0x00, 0xFF, 0x01, 0x01, 0x00, 0x10, 0x0E,
    0x00, 0x00,
    // 1999: two scales 0.0 .. 100.0 "%", temperature units
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x59, 0x40, '%', 0, 0, 0, 0, 0, 0, 0, //
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x59, 0x40, '%', 0, 0, 0, 0, 0, 0, 0, //
    0x00};

namespace {

using TField = TImageLayout::TField;

// A member of the block, reached by a path such as Schedule[2].Weeks, for both constnesses.
// clang-format off
#define LIMNASET_MEMBER(m)                                                                        \
    TImageLayout::TAccess<std::remove_cvref_t<decltype(std::declval<TProgramBlock&>().m)>>{      \
        [](TProgramBlock& b) -> auto& { return b.m; },                                            \
        [](const TProgramBlock& b) -> const auto& { return b.m; }}
// clang-format on

template <auto M> TImageLayout::TAccessor Bytes() {
    return TImageLayout::TBytesAccess{
        [](TProgramBlock& b) { return std::span<uint8_t>(b.*M); },
        [](const TProgramBlock& b) { return std::span<const uint8_t>(b.*M); }};
}

template <typename T>
TField Number(const char* name, int offset, TImageLayout::TAccess<T> access, uint8_t mask = 0xFF) {
    return TField{QString::fromLatin1(name), offset, int(sizeof(T)), access, mask};
}

template <size_t Day> void AddScheduleDay(std::vector<TField>& fields) {
    const int offset = 542 + 3 * int(Day);
    const QString name = QStringLiteral("Schedule[%1].").arg(Day);
    fields.push_back(TField{name + QStringLiteral("StartAt"), offset, 2,
                            LIMNASET_MEMBER(Schedule[Day].StartAt)});
    // Bits without a meaning are written as 0 and ignored when read.
    fields.push_back(TField{name + QStringLiteral("Weeks"), offset + 2, 1,
                            LIMNASET_MEMBER(Schedule[Day].Weeks), WeekMask});
}

std::vector<TField> BuildFields() {
    std::vector<TField> f;
    f.push_back(Number("PrePurge", 518, LIMNASET_MEMBER(PrePurge)));
    f.push_back(Number("PostPurge", 519, LIMNASET_MEMBER(PostPurge)));
    f.push_back(Number("PurgesCount", 520, LIMNASET_MEMBER(PurgesCount)));
    f.push_back(Number("MaxSuctionTime", 521, LIMNASET_MEMBER(MaxSuctionTime)));
    f.push_back(Number("Aeration", 522, LIMNASET_MEMBER(Aeration)));
    f.push_back(TField{"Reserved523", 523, 3, Bytes<&TProgramBlock::Reserved523>()});
    f.push_back(Number("PumpPulses", 526, LIMNASET_MEMBER(PumpPulses)));
    f.push_back(Number("Analog1Range", 528, LIMNASET_MEMBER(Analog1Range)));
    f.push_back(Number("Analog2Range", 529, LIMNASET_MEMBER(Analog2Range)));
    f.push_back(TField{"Reserved530", 530, 4, Bytes<&TProgramBlock::Reserved530>()});
    f.push_back(Number("LoggerMode", 534, LIMNASET_MEMBER(LoggerMode)));
    f.push_back(Number("DoorStatusRecord", 535, LIMNASET_MEMBER(DoorStatusRecord)));
    f.push_back(Number("LoggerPeriod", 536, LIMNASET_MEMBER(LoggerPeriod)));
    f.push_back(TField{"Reserved540", 540, 2, Bytes<&TProgramBlock::Reserved540>()});
    [&]<size_t... Day>(std::index_sequence<Day...>) {
        (AddScheduleDay<Day>(f), ...);
    }
    (std::make_index_sequence<7>{});
    f.push_back(Number("EventMode", 563, LIMNASET_MEMBER(EventMode)));
    f.push_back(Number("EventInversion", 564, LIMNASET_MEMBER(EventInversion)));
    f.push_back(Number("EventLowLimit", 565, LIMNASET_MEMBER(EventLowLimit)));
    f.push_back(Number("EventHighLimit", 567, LIMNASET_MEMBER(EventHighLimit)));
    f.push_back(Number("EventDelay", 569, LIMNASET_MEMBER(EventDelay)));
    f.push_back(Number("EventRun", 571, LIMNASET_MEMBER(EventRun)));
    f.push_back(Number("EventChangeBottle", 572, LIMNASET_MEMBER(EventChangeBottle)));
    f.push_back(Number("PreSampling", 573, LIMNASET_MEMBER(PreSampling)));
    f.push_back(Number("PreSamplingDisableVar", 574, LIMNASET_MEMBER(PreSamplingDisableVar)));
    f.push_back(Number("PreSamplingInterval", 575, LIMNASET_MEMBER(PreSamplingInterval)));
    f.push_back(Number("PreSamplingSamples", 579, LIMNASET_MEMBER(PreSamplingSamples)));
    f.push_back(Number("EnableVar", 581, LIMNASET_MEMBER(EnableVar)));
    f.push_back(Number("VarMaximum", 582, LIMNASET_MEMBER(VarMaximum)));
    f.push_back(Number("SamplerMode", 584, LIMNASET_MEMBER(SamplerMode)));
    f.push_back(Number("SamplesRate", 585, LIMNASET_MEMBER(SamplesRate)));
    f.push_back(Number("FlowMaximum", 586, LIMNASET_MEMBER(FlowMaximum)));
    f.push_back(Number("MaximumInterval", 588, LIMNASET_MEMBER(MaximumInterval)));
    f.push_back(Number("PulsesPerSample", 592, LIMNASET_MEMBER(PulsesPerSample)));
    f.push_back(Number("SamplingPeriod", 594, LIMNASET_MEMBER(SamplingPeriod)));
    f.push_back(Number("ProgramMode", 598, LIMNASET_MEMBER(ProgramMode)));
    f.push_back(Number("ProgramStartValue", 599, LIMNASET_MEMBER(ProgramStartValue)));
    f.push_back(Number("BottleChangeBy", 603, LIMNASET_MEMBER(BottleChangeBy)));
    f.push_back(Number("Capacity", 604, LIMNASET_MEMBER(Capacity)));
    f.push_back(Number("BottlesLimit", 605, LIMNASET_MEMBER(BottlesLimit)));
    f.push_back(Number("BottlesPerGroup", 606, LIMNASET_MEMBER(BottlesPerGroup)));
    f.push_back(Number("SamplesPerBottle", 607, LIMNASET_MEMBER(SamplesPerBottle)));
    f.push_back(Number("ChangeInterval", 609, LIMNASET_MEMBER(ChangeInterval)));
    f.push_back(Number("Analog1.Min", 1999, LIMNASET_MEMBER(Analog1.Min)));
    f.push_back(Number("Analog1.Max", 2007, LIMNASET_MEMBER(Analog1.Max)));
    f.push_back(
        TField{"Analog1.Units", 2015, TImageLayout::UnitsSize, LIMNASET_MEMBER(Analog1.Units)});
    f.push_back(Number("Analog2.Min", 2023, LIMNASET_MEMBER(Analog2.Min)));
    f.push_back(Number("Analog2.Max", 2031, LIMNASET_MEMBER(Analog2.Max)));
    f.push_back(
        TField{"Analog2.Units", 2039, TImageLayout::UnitsSize, LIMNASET_MEMBER(Analog2.Units)});
    f.push_back(Number("TemperatureUnits", 2047, LIMNASET_MEMBER(TemperatureUnits)));
    return f;
}

#undef LIMNASET_MEMBER

void Put(uint8_t* p, const TField& f, uint8_t v) {
    *p = v & f.Mask;
}
void Put(uint8_t* p, const TField&, uint16_t v) {
    le::Put16(p, v);
}
void Put(uint8_t* p, const TField&, int16_t v) {
    le::Put16(p, uint16_t(v));
}
void Put(uint8_t* p, const TField&, uint32_t v) {
    le::Put32(p, v);
}
void Put(uint8_t* p, const TField&, double v) {
    le::Put64(p, std::bit_cast<uint64_t>(v));
}
// Units hold at most 7 characters; the eighth byte stays 0.
void Put(uint8_t* p, const TField& f, const QString& v) {
    TAnsiText::Store(v, p, f.Width);
}
void Put(uint8_t* p, const TField& f, std::span<const uint8_t> v) {
    std::memcpy(p, v.data(), size_t(f.Width));
}

void Get(const uint8_t* p, const TField& f, uint8_t& v) {
    v = *p & f.Mask;
}
void Get(const uint8_t* p, const TField&, uint16_t& v) {
    v = le::Get16(p);
}
void Get(const uint8_t* p, const TField&, int16_t& v) {
    v = int16_t(le::Get16(p));
}
void Get(const uint8_t* p, const TField&, uint32_t& v) {
    v = le::Get32(p);
}
void Get(const uint8_t* p, const TField&, double& v) {
    v = std::bit_cast<double>(le::Get64(p));
}
// Bytes outside the checksum may lack the terminating zero: never read past the field.
void Get(const uint8_t* p, const TField& f, QString& v) {
    v = TAnsiText::Load(p, f.Width - 1);
}
void Get(const uint8_t* p, const TField& f, std::span<uint8_t> v) {
    std::memcpy(v.data(), p, size_t(f.Width));
}

} // namespace

const std::vector<TField>& TImageLayout::Fields() {
    static const std::vector<TField> fields = BuildFields();
    return fields;
}

void TImageLayout::Pack(const TProgramBlock& block, uint8_t* image) {
    for (const TField& f : Fields())
        std::visit([&](const auto& a) { Put(image + f.Offset, f, a.Get(block)); }, f.Access);
}

void TImageLayout::Unpack(const uint8_t* image, TProgramBlock& block) {
    for (const TField& f : Fields())
        std::visit([&](const auto& a) { Get(image + f.Offset, f, a.Ref(block)); }, f.Access);
}

void TImageLayout::LoadDefaults(TProgramBlock& block) {
    std::array<uint8_t, LogArea> scratch{};
    std::memcpy(scratch.data() + BlockHead, DefaultBytes.data(), BlockHeadSize);
    std::memcpy(scratch.data() + BlockTail, DefaultBytes.data() + BlockHeadSize, BlockTailSize);
    Unpack(scratch.data(), block);
}
