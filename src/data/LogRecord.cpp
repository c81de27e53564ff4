#include "LogRecord.h"

#include "LittleEndian.h"

#include <array>

namespace {

constexpr std::array<uint8_t, 256> MakeCrcTable() {
    std::array<uint8_t, 256> table{};
    for (int i = 0; i < 256; ++i) {
        uint8_t crc = uint8_t(i);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? uint8_t((crc >> 1) ^ 0x8C) : uint8_t(crc >> 1);
        table[size_t(i)] = crc;
    }
    return table;
}

constexpr std::array<uint8_t, 256> CrcTable = MakeCrcTable();

constexpr const char* CodeWords[] = {
    "SAMPLE", "MANUAL",  "REMOTE",  "MISSING",   "BOTTLE 1",  "BOTTLE NEXT",    "CALIBRATION",
    "LOGGER", "EVENT",   "NOEVENT", "CLEAR",     "INSERT",    "START",          "EXPIRATION",
    "STOP",   "EXHAUST", "TIMEOUT", "DISABLED",  "NO BOTTLE", "NO CALIBRATION", "BOTTLES COUNT",
    "POWER",  "OPEN",    "CLOSED",  "CORRUPTED", "MARKER",    "MARKERX",
};

} // namespace

uint8_t Crc8Maxim(const uint8_t* data, int count) {
    uint8_t crc = 0;
    for (int i = 0; i < count; ++i)
        crc = CrcTable[crc ^ data[i]];
    return crc;
}

TLogRecord TLogRecord::Decode(const uint8_t* bytes) {
    TLogRecord r;
    r.Time = le::Get32(bytes);
    r.Code = bytes[4];
    r.Bottle = bytes[5];
    r.Sample = bytes[6];
    r.Var = le::Get16(bytes + 7);
    r.Aux = le::Get16(bytes + 9);
    r.SampleTemperature = int16_t(le::Get16(bytes + 11));
    r.BoxTemperature = int16_t(le::Get16(bytes + 13));
    r.Crc = bytes[15];
    return r;
}

void TLogRecord::Encode(uint8_t* bytes) const {
    le::Put32(bytes, Time);
    bytes[4] = Code;
    bytes[5] = Bottle;
    bytes[6] = Sample;
    le::Put16(bytes + 7, Var);
    le::Put16(bytes + 9, Aux);
    le::Put16(bytes + 11, uint16_t(SampleTemperature));
    le::Put16(bytes + 13, uint16_t(BoxTemperature));
    bytes[15] = Crc8Maxim(bytes, Size - 1);
}

TLogRecord TLogRecord::Empty(uint8_t code) {
    TLogRecord r;
    r.Code = code;
    uint8_t bytes[Size];
    r.Encode(bytes);
    r.Crc = bytes[Size - 1];
    return r;
}

QString TLogRecord::CodeWord(uint8_t code) {
    if (code >= 1 && code <= std::size(CodeWords)) return QString::fromLatin1(CodeWords[code - 1]);
    return QStringLiteral("?");
}
