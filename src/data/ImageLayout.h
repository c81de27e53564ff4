#pragma once

#include "ConnectorImage.h"
#include "ProgramBlock.h"

#include <QString>
#include <array>
#include <cstdint>
#include <span>
#include <variant>
#include <vector>

// The map of the Connector image, and the one table that places every typed field of the
// program block at its offset. Pack, unpack, the defaults and dumps all go through it.
class TImageLayout {
public:
    static constexpr int SerialNumber = 0;
    static constexpr int Name = 4;
    static constexpr int NameSize = 64;
    static constexpr int Comment = 68;
    static constexpr int CommentSize = 444;
    static constexpr int IdentitySize = 512;
    static constexpr int Marker = 512;
    static constexpr uint8_t MarkerByte = '#';
    static constexpr int Format = 513;
    static constexpr int ProgrammedAt = 514;
    static constexpr int BlockHead = 518;
    static constexpr int BlockHeadSize = 95;
    static constexpr int ChecksumStart = 512;
    static constexpr int ChecksumCount = 510;
    static constexpr int Checksum = 1022;
    static constexpr int Filler = 1024; // 0xFF up to the pump pulse report
    static constexpr int PumpReport = 1995;
    static constexpr int PumpReportComplement = 1997;
    static constexpr int BlockTail = 1999;
    static constexpr int BlockTailSize = 49;
    static constexpr int LogArea = connector::LogArea;
    static constexpr int UnitsSize = 8;
    static constexpr int DefaultSize = BlockHeadSize + BlockTailSize;

    // The program block of a new record, in image order: 518..612, then 1999..2047.
    static const std::array<uint8_t, DefaultSize> DefaultBytes;

    template <typename T> struct TAccess {
        T& (*Ref)(TProgramBlock&);
        const T& (*Get)(const TProgramBlock&);
    };
    struct TBytesAccess {
        std::span<uint8_t> (*Ref)(TProgramBlock&);
        std::span<const uint8_t> (*Get)(const TProgramBlock&);
    };
    // Alternatives in the order of TKind.
    using TAccessor =
        std::variant<TAccess<uint8_t>, TAccess<uint16_t>, TAccess<int16_t>, TAccess<uint32_t>,
                     TAccess<double>, TAccess<QString>, TBytesAccess>;
    enum class TKind { Byte, UInt16, Int16, UInt32, Double, Text, Bytes };

    struct TField {
        QString Name; // as the member is spelled, e.g. "Schedule[2].Weeks", "Analog1.Units"
        int Offset;
        int Width;
        TAccessor Access;
        uint8_t Mask = 0xFF; // bits of a byte field the program keeps

        TKind Kind() const { return TKind(Access.index()); }
    };

    static const std::vector<TField>& Fields();

    static void Pack(const TProgramBlock& block, uint8_t* image);
    static void Unpack(const uint8_t* image, TProgramBlock& block);
    static void LoadDefaults(TProgramBlock& block);
};
