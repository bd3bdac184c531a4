#pragma once

#include <QByteArray>
#include <QString>

// Reading a file that may not be a file. A named pipe blocks whoever opens it
// for reading, and a link may lead to a device: only a regular file, or a
// link to one, is ever opened, and never read past a limit.
namespace tavolin {

struct FileContents {
    enum class State { Read, Missing, Refused };
    State state = State::Missing;
    QByteArray bytes;        // at most the limit
    bool cutShort = false;   // the file holds more than the limit
    QString problem;         // why it was refused, naming the file
};

// A file larger than the limit: its start is read, or, where only the whole
// file is of use, nothing of it (bytes empty, cutShort set).
enum class WhenLarger { ReadStart, ReadNothing };

FileContents readRegularFile(const QString& fileName, qsizetype limit,
                             WhenLarger whenLarger = WhenLarger::ReadStart);

// Whether the path names such a file that this user can open for reading.
bool isReadableRegularFile(const QString& fileName);

// Empty when the path is missing or a regular file (or a link to one); else
// why it is not one, naming it.
QString notARegularFile(const QString& fileName);

} // namespace tavolin
