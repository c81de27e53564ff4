#pragma once

#include <QString>
#include <cstdint>

// Optional trace sink of the adapter link.
class TLinkMonitor {
public:
    enum TTraceKind { ReplyReceived = 1, RequestSent = 2, BadReply = 3 };
    virtual ~TLinkMonitor() = default;
    virtual void TraceData(int kind, const uint8_t* bytes, int count) = 0;
    virtual void TraceText(const QString& text) = 0;
};
