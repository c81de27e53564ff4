#pragma once

#include <cstdint>

enum class TParity : int8_t { None, Odd, Even, Mark, Space };
enum class TStopBits : int8_t { One, Two };
enum class TFlowControl : int8_t { None, RtsCts, XonXoff };

// Line settings of a UART, copied whole.
struct TUartSettings {
    int32_t BaudRate = 9600;
    int32_t DataBits = 8; // 7 or 8
    TStopBits StopBits = TStopBits::One;
    TParity Parity = TParity::None;
    TFlowControl FlowControl = TFlowControl::None;

    bool operator==(const TUartSettings&) const = default;
};
