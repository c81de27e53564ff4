#include "TestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <algorithm>
#include <csignal>
#include <sys/resource.h>

TEnvironmentGuard::TEnvironmentGuard(const char* name, const QString& value)
    : Name(name), Had(qEnvironmentVariableIsSet(name)), Old(qgetenv(name)) {
    if (value.isNull())
        qunsetenv(Name);
    else
        qputenv(Name, value.toLocal8Bit());
}

TEnvironmentGuard::~TEnvironmentGuard() {
    if (Had)
        qputenv(Name, Old);
    else
        qunsetenv(Name);
}

TDateTime Moment(int year, int month, int day, int hour, int minute, int second) {
    TDateTime value = 0;
    EXPECT_TRUE(TryEncodeDateTime(year, month, day, hour, minute, second, 0, value));
    return value;
}

uint32_t SecondsSince2000(int year, int month, int day, int hour, int minute, int second) {
    const QDateTime epoch(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC);
    return uint32_t(
        epoch.secsTo(QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC)));
}

std::vector<uint8_t> BytePattern(int length, int seed) {
    std::vector<uint8_t> bytes(size_t(std::max(length, 0)));
    for (int i = 0; i < length; ++i)
        bytes[size_t(i)] = uint8_t(i * 13 + i / 251 + seed * 71);
    return bytes;
}

int DifferingBits(const uint8_t* a, const uint8_t* b, int count) {
    int bits = 0;
    for (int i = 0; i < count; ++i)
        bits += __builtin_popcount(unsigned(a[i] ^ b[i]));
    return bits;
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void WriteFileBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

bool WithFileSizeLimit(qint64 limit, const std::function<bool()>& action) {
    rlimit saved{};
    EXPECT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    // Past the limit the write fails instead of the process being killed.
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = rlim_t(limit);
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool result = action();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    return result;
}

QString BuiltProgram(const QString& name) {
#ifdef LIMNASET_BINARY_DIR
    QDirIterator it(QStringLiteral(LIMNASET_BINARY_DIR), {name}, QDir::Files | QDir::Executable,
                    QDirIterator::Subdirectories);
    if (it.hasNext()) return it.next();
#endif
    return name;
}
