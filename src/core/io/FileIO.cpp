#include "core/io/FileIO.h"

#include <QFile>
#include <QSaveFile>
#include <QString>

std::optional<std::vector<uint8_t>> ReadFilePrefix(const std::string& path, size_t maxBytes) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    std::vector<uint8_t> bytes;
    const qint64 size = file.size();
    const size_t wanted =
        size > 0 && static_cast<uint64_t>(size) < maxBytes ? static_cast<size_t>(size) : maxBytes;
    bytes.resize(wanted);
    qint64 got = 0;
    while (got < static_cast<qint64>(wanted)) {
        const qint64 n = file.read(reinterpret_cast<char*>(bytes.data()) + got,
                                   static_cast<qint64>(wanted) - got);
        if (n < 0)
            return std::nullopt; // a read error is no end of file
        if (n == 0)
            break;
        got += n;
    }
    bytes.resize(static_cast<size_t>(got));
    return bytes;
}

bool WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes,
                         std::string* error, WriteFailure* failure) {
    if (failure)
        *failure = WriteFailure::Write;
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString().toStdString();
        if (failure)
            *failure = WriteFailure::Open;
        return false;
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size) {
        if (error)
            *error = file.errorString().toStdString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString().toStdString();
        return false;
    }
    if (failure)
        *failure = WriteFailure::None;
    return true;
}
