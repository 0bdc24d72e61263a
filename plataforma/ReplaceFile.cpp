#include "ReplaceFile.h"

#include "Errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <filesystem>
#include <system_error>

namespace plataforma {

namespace {

// As many links as the system itself follows before it gives up.
constexpr int MaxLinks = 40;

QString reasonOf(std::errc code) {
    return QString::fromStdString(std::make_error_code(code).message());
}

// Unbuffered and in a loop: a short write is followed by one that fails with the system's
// reason, which a buffered write would report late or not at all.
bool writeAll(QFileDevice& file, QByteArrayView bytes) {
    while (!bytes.isEmpty()) {
        const qint64 written = file.write(bytes.data(), bytes.size());
        if (written <= 0)
            return false;
        bytes = bytes.sliced(written);
    }
    return true;
}

class Replacement {
public:
    Replacement(const QString& path, QByteArrayView bytes)
        : m_shown(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())), m_bytes(bytes) {}

    void write(const QString& path) {
        const QString target = followLinks(path);
        std::error_code error;
        const auto status = std::filesystem::status(target.toStdString(), error);
        if (status.type() == std::filesystem::file_type::not_found)
            return replaceWhole(target);
        if (error)
            fail(QString::fromStdString(error.message()));
        if (status.type() == std::filesystem::file_type::directory)
            fail(reasonOf(std::errc::is_a_directory));
        if (status.type() != std::filesystem::file_type::regular)
            return writeStraight(target);
        if (std::filesystem::hard_link_count(target.toStdString(), error) > 1)
            return writeInPlace(target);
        replaceWhole(target);
    }

private:
    [[noreturn]] void fail(const QString& reason) const {
        throw fileCreationError(m_shown, reason);
    }

    QString followLinks(QString path) const {
        for (int links = 0; links < MaxLinks; ++links) {
            const QFileInfo info(path);
            if (!info.isSymLink())
                return path;
            path = info.symLinkTarget();
        }
        fail(reasonOf(std::errc::too_many_symbolic_link_levels));
    }

    void replaceWhole(const QString& target) {
        QSaveFile file(target);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            // The folder refuses the new file; a writable file can still take the bytes.
            if (QFileInfo(target).isWritable())
                return writeInPlace(target);
            fail(file.errorString());
        }
        if (!writeAll(file, m_bytes) || !file.commit())
            fail(file.errorString());
    }

    void writeStraight(const QString& target) {
        QFile file(target);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !writeAll(file, m_bytes))
            fail(file.errorString());
    }

    // Growing is the write that can run out of room, so it goes first and is undone on
    // failure; overwriting blocks the file already has then leaves nothing to go wrong but
    // the device itself.
    void writeInPlace(const QString& target) {
        QFile file(target);
        if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
            fail(file.errorString());
        const qint64 oldSize = file.size();
        if (m_bytes.size() > oldSize &&
            (!file.seek(oldSize) || !writeAll(file, m_bytes.sliced(oldSize)))) {
            const QString reason = file.errorString();
            file.resize(oldSize);
            fail(reason);
        }
        if (!file.seek(0) || !writeAll(file, m_bytes.first(std::min(oldSize, m_bytes.size()))) ||
            !file.resize(m_bytes.size()))
            fail(file.errorString());
    }

    const QString m_shown;
    const QByteArrayView m_bytes;
};

} // namespace

void replaceFile(const QString& path, QByteArrayView bytes) {
    Replacement(path, bytes).write(path);
}

} // namespace plataforma
