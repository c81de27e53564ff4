#pragma once

#include <QByteArray>
#include <QString>

enum class TWholeFileWrite {
    Ok,
    CannotOpen, // no such folder, a folder, or a file the user may not write
    Incomplete, // not every byte reached the file
};

// Writes the bytes as the whole content of the path. A regular file in a folder the user may
// write is replaced at once, so a failed write leaves the old file whole; anything else the
// user may write (a device, a FIFO, a hard-linked file, a file in a folder the user may not
// write) is cut and written in place. A symbolic link is followed, never replaced.
TWholeFileWrite WriteWholeFile(const QString& path, const QByteArray& bytes);

// Whether the path names a regular file (links followed), found without opening it: opening
// a FIFO would wait for a writer.
bool IsRegularFile(const QString& path);
