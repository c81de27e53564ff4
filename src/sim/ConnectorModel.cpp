#include "ConnectorModel.h"

#include "ConnectorCalendar.h"
#include "ConnectorImage.h"
#include "DateTime.h"
#include "KelbProtocol.h"
#include "LittleEndian.h"
#include "LogRecord.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

using namespace kelb;

constexpr uint8_t Refusal = 0;
constexpr size_t JunkLevel = 64;

} // namespace

TConnectorModel::TConnectorModel(TKind kind, const TFaultPlan& plan)
    : Kind(kind), Small(connector::SmallSize, 0xFF), Large(connector::ImageSize, 0xFF), Plan(plan),
      Random(plan.Seed) {
    Timer.start();
    ClockBase = ToConnectorTimestamp(TClock::Now());
    ClockBaseElapsed = Elapsed();
    if (Plan.Junk) DiscardOutput();
}

void TConnectorModel::SetPlugged(bool plugged) {
    if (plugged && !Plugged) ++Generation;
    Plugged = plugged;
    VanishPending = false;
    if (!plugged) {
        Input.clear();
        Output.clear();
    }
}

std::vector<uint8_t>& TConnectorModel::Memory(TKind kind) {
    return kind == TKind::Small ? Small : Large;
}

void TConnectorModel::LoadMemory(const uint8_t* data, int count, TKind kind) {
    std::vector<uint8_t>& memory = Memory(kind);
    std::copy_n(data, std::min(count, int(memory.size())), memory.begin());
}

int64_t TConnectorModel::Elapsed() const {
    return ElapsedSource ? ElapsedSource() : Timer.elapsed();
}

uint32_t TConnectorModel::ClockSeconds() const {
    return ClockBase + uint32_t((Elapsed() - ClockBaseElapsed) / 1000);
}

void TConnectorModel::SetClockSeconds(uint32_t seconds) {
    ClockBase = seconds;
    ClockBaseElapsed = Elapsed();
}

void TConnectorModel::SetElapsedSource(std::function<int64_t()> source) {
    const uint32_t now = ClockSeconds();
    ElapsedSource = std::move(source);
    SetClockSeconds(now);
}

bool TConnectorModel::Feed(const uint8_t* data, int count) {
    if (VanishPending) SetPlugged(false);
    if (!Plugged) return false;
    Input.insert(Input.end(), data, data + count);
    for (;;) {
        auto start = std::find(Input.begin(), Input.end(), RequestStart);
        Input.erase(Input.begin(), start);
        if (Input.size() < 2) break;
        const TCommandRow* entry = FindCommand(Input[1]);
        if (!entry) {
            // Unknown command: resynchronise on the next frame start.
            Input.erase(Input.begin());
            continue;
        }
        const int length = entry->RequestLength;
        if (int(Input.size()) < 1 + length) break;
        std::vector<uint8_t> request(Input.begin() + 1, Input.begin() + 1 + length);
        Input.erase(Input.begin(), Input.begin() + 1 + length);
        HandleRequest(request);
        if (!Plugged) break;
    }
    TopUpJunk();
    return true;
}

int TConnectorModel::Pending() const {
    return Plugged ? int(Output.size()) : 0;
}

int TConnectorModel::Take(uint8_t* buffer, int count) {
    if (!Plugged) return 0;
    const int n = std::min(count, int(Output.size()));
    std::copy_n(Output.begin(), n, buffer);
    Output.erase(Output.begin(), Output.begin() + n);
    // The adapter goes once its last reply has left it.
    if (VanishPending && Output.empty()) SetPlugged(false);
    TopUpJunk();
    return n;
}

void TConnectorModel::DiscardOutput() {
    Output.clear();
    TopUpJunk();
}

void TConnectorModel::TopUpJunk() {
    if (!Plan.Junk || !Plugged) return;
    // Line noise that never starts a reply frame, so a run with junk fails the same way
    // whatever the timing.
    while (Output.size() < JunkLevel) {
        const uint8_t byte = uint8_t(Random());
        Output.push_back(byte == ReplyStart ? uint8_t(~byte) : byte);
    }
}

void TConnectorModel::SetFaultPlan(const TFaultPlan& plan) {
    Plan = plan;
    Random.seed(plan.Seed);
    Replies = 0;
    TopUpJunk();
}

TReplyFault TConnectorModel::DrawFault() {
    // One draw per reply whatever the plan, so a fixed fault does not shift later draws.
    double u = std::uniform_real_distribution<double>(0.0, 1.0)(Random);
    auto fixed = Plan.AtReply.find(Replies);
    if (fixed != Plan.AtReply.end()) return fixed->second;
    const std::pair<double, TReplyFault> table[] = {
        {Plan.DropProbability, TReplyFault::Drop},
        {Plan.WrongFirstProbability, TReplyFault::WrongFirst},
        {Plan.TruncateProbability, TReplyFault::Truncate},
        {Plan.FlipProbability, TReplyFault::Flip},
        {Plan.NakProbability, TReplyFault::Nak},
    };
    for (const auto& [probability, fault] : table) {
        if (u < probability) return fault;
        u -= probability;
    }
    return TReplyFault::None;
}

void TConnectorModel::HandleRequest(const std::vector<uint8_t>& request) {
    const uint8_t command = request[0];
    ++Requests[command];

    const bool large = Kind == TKind::Large;
    const TCommandRow& entry = Command(command);
    const int count = request.size() >= 4 ? request[3] : 0;
    const bool served = entry.Serves == TServes::Any ||
                        (entry.Serves == TServes::Large ? large : Kind == TKind::Small);
    const bool answers = served && (entry.MaxBlock == 0 || (count >= 1 && count <= entry.MaxBlock));
    if (!answers) return;

    ++Replies;
    TReplyFault fault = DrawFault();
    if (fault == TReplyFault::Nak && !entry.Acknowledged) fault = TReplyFault::None;
    const bool refuse = fault == TReplyFault::Nak;

    std::vector<uint8_t> payload;
    switch (command) {
    case CmdAdapterVersion:
        payload = {uint8_t(AdapterVersion), uint8_t(AdapterVersion >> 8)};
        break;
    case CmdQueryConnector:
        payload = {Kind != TKind::None ? Acknowledge : Refusal};
        break;
    case CmdMemoryKind:
        payload = {large ? Acknowledge : Refusal};
        break;
    case CmdReadClock: {
        TConnectorTime time;
        UnpackTime(ClockSeconds(), time);
        if (ClockLost) time = {255, 255, 255, 255, 255, 255};
        payload.resize(sizeof time);
        std::memcpy(payload.data(), &time, sizeof time);
        break;
    }
    case CmdSetClock: {
        if (!refuse) {
            TConnectorTime time;
            std::memcpy(&time, &request[1], sizeof time);
            SetClockSeconds(PackTime(time));
            ClockLost = false;
        }
        payload = {refuse ? Refusal : Acknowledge};
        break;
    }
    case CmdReadLarge:
    case CmdReadSmall: {
        const std::vector<uint8_t>& memory = Memory(Kind);
        const int address = le::Get16(&request[1]);
        for (int i = 0; i < count; ++i) {
            const size_t at = size_t(address + i) % memory.size();
            const bool stuck = int(at) >= Plan.StuckAt && int(at) < Plan.StuckAt + Plan.StuckCount;
            payload.push_back(stuck ? 0 : memory[at]);
        }
        break;
    }
    case CmdWriteLarge:
    case CmdWriteSmall: {
        std::vector<uint8_t>& memory = Memory(Kind);
        const int address = le::Get16(&request[1]);
        if (!refuse) {
            for (int i = 0; i < count; ++i)
                memory[size_t(address + i) % memory.size()] = request[4 + i];
        }
        payload = {refuse ? Refusal : Acknowledge};
        break;
    }
    default:
        // A command the model keeps nothing for is answered by its row alone.
        payload.assign(size_t(entry.ReplyLength), refuse ? Refusal : Acknowledge);
        break;
    }
    Emit(std::move(payload), fault);

    if (Plan.PullAfter > 0 && Replies == Plan.PullAfter) Kind = TKind::None;
    if (Plan.VanishAfter > 0 && Replies == Plan.VanishAfter) VanishPending = true;
}

void TConnectorModel::Emit(std::vector<uint8_t> payload, TReplyFault fault) {
    // A babbling adapter drowns its replies in the noise.
    if (Plan.Junk) return;
    std::vector<uint8_t> reply;
    reply.push_back(ReplyStart);
    reply.insert(reply.end(), payload.begin(), payload.end());
    switch (fault) {
    case TReplyFault::Drop:
        return;
    case TReplyFault::WrongFirst:
        reply[0] = 0x00;
        break;
    case TReplyFault::Truncate: {
        const size_t kept = std::uniform_int_distribution<size_t>(0, payload.size() - 1)(Random);
        reply.resize(1 + kept);
        break;
    }
    case TReplyFault::Flip: {
        const size_t at = std::uniform_int_distribution<size_t>(1, payload.size())(Random);
        const int bit = std::uniform_int_distribution<int>(0, 7)(Random);
        reply[at] ^= uint8_t(1 << bit);
        break;
    }
    case TReplyFault::None:
    case TReplyFault::Nak:
        break;
    }
    Output.insert(Output.end(), reply.begin(), reply.end());
}

int TConnectorModel::NextLogSlot() const {
    // The first slot holding either marker ends the log, as the reader sees it.
    for (int slot = 0; slot < connector::LogSlots; ++slot) {
        const uint32_t time =
            le::Get32(&Large[size_t(connector::LogArea + slot * TLogRecord::Size)]);
        if (time == TLogRecord::NeverWritten || time == TLogRecord::WriteMarker) return slot;
    }
    // A full ring without a marker: the oldest record, in slot 0, goes first.
    return 0;
}

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr uint32_t Day = 86400;
// The demo's days repeat every three: a storm on the second, the door opened on the third,
// the power lost once in the night of the first.
constexpr uint32_t Cycle = 3 * Day;
constexpr uint32_t PowerAt = 3 * 3600 + 10 * 60;
constexpr uint32_t DoorOpenAt = 2 * Day + 10 * 3600, DoorClosedAt = DoorOpenAt + 25 * 60;
constexpr uint32_t StormAt = Day + 14 * 3600;

// Whether the moment of the cycle came after from, up to to.
bool Passed(uint32_t from, uint32_t to, uint32_t moment) {
    const int64_t t = to, m = moment;
    return t >= m && t - (t - m) % Cycle > int64_t(from);
}

double HourOfDay(uint32_t time) {
    return double(time % Day) / 3600;
}

} // namespace

void TConnectorModel::SetDemoProgram(uint32_t samplingPeriod, int samplesPerBottle) {
    DemoPeriod = std::max<uint32_t>(samplingPeriod, 60);
    DemoPerBottle = std::max(samplesPerBottle, 1);
}

void TConnectorModel::WriteDemoRecord(uint32_t time) {
    const int slot = NextLogSlot();
    TLogRecord record = TLogRecord::Empty();
    record.Time = time;
    const uint32_t last = DemoLast ? DemoLast : time - 1;
    DemoLast = time;
    const double hour = HourOfDay(time);
    // Flow, per mille of its scale: a daily curve, a storm's surge and a little noise.
    const double storm = double(int64_t(time % Cycle) - int64_t(StormAt)) / 3600;
    double flow = 300 + 120 * std::sin(2 * Pi * (hour - 9) / 24) +
                  550 * std::exp(-storm * storm / 8) +
                  std::normal_distribution<double>(0, 6)(DemoRandom);
    flow = std::clamp(flow, 0.0, 1000.0);
    // The water level follows the flow, slower.
    DemoLevel = DemoLevel < 0 ? flow * 0.8 : DemoLevel + (flow * 0.8 - DemoLevel) * 0.15;
    const auto air = int16_t(std::lround(140 + 60 * std::sin(2 * Pi * (hour - 9) / 24)));
    const auto water = int16_t(std::lround(110 + 15 * std::sin(2 * Pi * (hour - 12) / 24)));
    auto readings = [&] {
        record.Var = uint16_t(std::lround(flow));
        record.Aux = uint16_t(std::lround(DemoLevel));
        record.BoxTemperature = air;
        record.SampleTemperature = water;
    };
    const bool sample = time / DemoPeriod != last / DemoPeriod;
    if (Passed(last, time, PowerAt)) {
        record.Code = LogPower;
    } else if (Passed(last, time, DoorOpenAt)) {
        record.Code = LogOpen;
    } else if (Passed(last, time, DoorClosedAt)) {
        record.Code = LogClosed;
    } else if (sample && DemoSample > 0 && DemoSample % DemoPerBottle == 0 && !DemoChanged) {
        // The full bottle is changed before the next sample goes in.
        record.Code = LogBottleNext;
        record.Bottle = uint8_t(1 + (DemoSample / DemoPerBottle) % 24);
        DemoChanged = true;
        DemoLast = last; // the sample is still due
    } else if (sample) {
        record.Code = LogSample;
        record.Bottle = uint8_t(1 + (DemoSample / DemoPerBottle) % 24);
        record.Sample = uint8_t(1 + DemoSample % DemoPerBottle);
        ++DemoSample;
        DemoChanged = false;
    } else {
        record.Code = LogLogger;
    }
    // Every record carries the readings of its moment, so that the lines run on through it.
    readings();
    uint8_t* bytes = &Large[size_t(connector::LogArea + slot * TLogRecord::Size)];
    record.Encode(bytes);

    // The marker goes only over a slot that holds an older record; an unwritten slot
    // already ends the log.
    const int next = (slot + 1) % connector::LogSlots;
    uint8_t* marker = &Large[size_t(connector::LogArea + next * TLogRecord::Size)];
    if (le::Get32(marker) != TLogRecord::NeverWritten) {
        std::fill_n(marker, TLogRecord::Size, uint8_t(0xFF));
        le::Put32(marker, TLogRecord::WriteMarker);
    }
}

void TConnectorModel::AppendDemoRecord() {
    WriteDemoRecord(ClockSeconds());
}

void TConnectorModel::PrefillDemoRecords(int count, int spacingSeconds) {
    const uint32_t now = ClockSeconds();
    const uint32_t spacing = uint32_t(spacingSeconds);
    // A freshly cleared log holds only its "CLEAR" record, stamped when it was made: the
    // sampler started after it, so it goes before the history made up here.
    uint8_t* first = &Large[size_t(connector::LogArea)];
    const TLogRecord clear = TLogRecord::Decode(first);
    if (count > 0 && NextLogSlot() == 1 && clear.Code == LogClear &&
        Crc8Maxim(first, TLogRecord::Size - 1) == clear.Crc) {
        TLogRecord dated = clear;
        dated.Time = now - uint32_t(count) * spacing;
        dated.Encode(first);
    }
    for (int i = 0; i < count; ++i)
        WriteDemoRecord(now - uint32_t(count - 1 - i) * spacing);
}
