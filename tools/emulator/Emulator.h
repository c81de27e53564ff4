#pragma once

#include "ConnectorModel.h"
#include "EmulatorOptions.h"
#include "PseudoTerminal.h"

#include <QString>
#include <cstdint>
#include <deque>
#include <vector>

// The emulator's loop: bytes from the pseudo-terminal go into the Connector model, its
// replies go back, optionally at the pace of the real line. Everything waits in poll().
class TEmulator {
public:
    explicit TEmulator(const TEmulatorOptions& options);

    // Fills the memory (from the image file, or a fresh image); false with a message.
    bool Prepare(QString& error);
    bool OpenTerminal(QString& error);
    QString TerminalPath() const { return Pty.SlavePath(); }
    // Runs until a signal on signalFd arrives or the adapter vanishes; false on failure.
    bool Run(int signalFd);
    // Writes the memory to the save file, if one was given.
    bool Save(QString& error);

private:
    struct TArrival {
        int64_t DueNs;
        std::vector<uint8_t> Bytes;
    };

    TConnectorModel::TKind MemoryKind() const;
    void ReadInput(int64_t now);
    void DeliverInput(int64_t now);
    // Moves replies towards the terminal; the time of the next paced chunk, or -1.
    int64_t PumpOutput(int64_t now);
    // The adapter leaves the bus: the terminal closes once the client has its last reply.
    void Vanish();

    TEmulatorOptions Options;
    TConnectorModel Model;
    TPseudoTerminal Pty;

    std::deque<TArrival> Arrivals; // paced requests still on the line
    int64_t InFreeNs = 0;          // paced: when the line to the adapter is free
    int64_t OutFreeNs = 0;         // paced: when the line to the PC is free
    int ChunkLength = 0;           // paced: the chunk on the line now, 0 when none
    int64_t ChunkDueNs = 0;        // paced: when its last byte arrives
    std::vector<uint8_t> Unsent;   // taken from the model, not yet accepted by the terminal
    int64_t NextDemoNs = 0;
};
