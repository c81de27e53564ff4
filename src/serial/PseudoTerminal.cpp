#include "PseudoTerminal.h"

#include <QDeadlineTimer>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

TPseudoTerminal::~TPseudoTerminal() {
    Close();
}

bool TPseudoTerminal::Open() {
    Close();
    Master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (Master < 0) return false;
    const char* name = (grantpt(Master) == 0 && unlockpt(Master) == 0) ? ptsname(Master) : nullptr;
    if (name) Slave = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    termios mode{};
    if (Slave < 0 || tcgetattr(Slave, &mode) != 0) {
        Close();
        return false;
    }
    cfmakeraw(&mode);
    cfsetispeed(&mode, B19200);
    cfsetospeed(&mode, B19200);
    if (tcsetattr(Slave, TCSANOW, &mode) != 0) {
        Close();
        return false;
    }
    Path = QString::fromLocal8Bit(name);
    return true;
}

void TPseudoTerminal::Close() {
    if (Slave >= 0) ::close(Slave);
    if (Master >= 0) ::close(Master);
    Slave = Master = -1;
    Path.clear();
}

bool TPseudoTerminal::WriteAll(const uint8_t* data, int count, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (count > 0) {
        const ssize_t n = ::write(Master, data, size_t(count));
        if (n > 0) {
            data += n;
            count -= int(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) return false;
        pollfd p{Master, POLLOUT, 0};
        const int64_t left = deadline.remainingTime();
        if (left <= 0 || ::poll(&p, 1, int(left)) < 0) return false;
        if (p.revents & (POLLERR | POLLNVAL)) return false;
    }
    return true;
}

int TPseudoTerminal::ReadSome(uint8_t* buffer, int count) {
    const ssize_t n = ::read(Master, buffer, size_t(count));
    if (n >= 0) return int(n);
    return (errno == EAGAIN || errno == EINTR) ? 0 : -1;
}

bool TPseudoTerminal::WaitReadable(int timeoutMs) {
    pollfd p{Master, POLLIN, 0};
    return ::poll(&p, 1, timeoutMs) > 0 && (p.revents & POLLIN);
}

int TPseudoTerminal::ClientQueued() const {
    int queued = 0;
    if (Slave < 0 || ::ioctl(Slave, FIONREAD, &queued) != 0) return 0;
    return queued;
}

bool TPseudoTerminal::WaitClientQueued(int count, int timeoutMs) const {
    QDeadlineTimer deadline(timeoutMs);
    while (ClientQueued() < count) {
        if (deadline.hasExpired()) return false;
        // The kernel moves the bytes over on its own schedule; check again shortly.
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}
