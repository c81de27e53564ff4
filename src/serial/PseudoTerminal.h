#pragma once

#include <QString>
#include <cstdint>

// A pseudo-terminal whose slave side looks like a serial device to a client program.
// Its master side plays the device. The slave is raw, so bytes pass unchanged, and we
// keep a slave descriptor open ourselves so that the line does not hang up each time a
// client closes it.
class TPseudoTerminal {
public:
    TPseudoTerminal() = default;
    ~TPseudoTerminal();
    TPseudoTerminal(const TPseudoTerminal&) = delete;
    TPseudoTerminal& operator=(const TPseudoTerminal&) = delete;

    bool Open();
    // Closes both sides: the slave device disappears and its clients see a hang-up.
    void Close();
    bool IsOpen() const { return Master >= 0; }

    QString SlavePath() const { return Path; }
    int MasterFd() const { return Master; }

    // Writes everything to the master side, waiting while the line is full; false when
    // the line fails or stays full for timeoutMs.
    bool WriteAll(const uint8_t* data, int count, int timeoutMs = 5000);
    // What the client sent, without waiting; 0 when nothing is there, -1 on failure.
    int ReadSome(uint8_t* buffer, int count);
    // Waits until the client sent something; false on time-out.
    bool WaitReadable(int timeoutMs);
    // Bytes waiting on the client's side, not yet read by it.
    int ClientQueued() const;
    // Waits until at least count bytes wait on the client's side.
    bool WaitClientQueued(int count, int timeoutMs) const;

private:
    int Master = -1;
    int Slave = -1;
    QString Path;
};
