#include "core/file_ops.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <csignal>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace rorovovo::core {

namespace {

// As many links as the kernel follows before it gives up.
constexpr int kMostLinksFollowed = 40;

QString fullPathOf(const QString& path) { return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()); }

// Why `path` must not be written, in words for a message; empty when it may be.
QString outputProblem(const QString& path) {
#ifdef Q_OS_UNIX
    // stat follows the links and never opens the file.
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return errno == ENOENT ? QString() : QString::fromLocal8Bit(std::strerror(errno));
    if (S_ISREG(st.st_mode)) return {};
    return S_ISDIR(st.st_mode) ? QCoreApplication::translate("Errors", "it is a folder")
                               : QCoreApplication::translate("Errors", "it is not a regular file");
#else
    const QFileInfo info(resolveOutputPath(path));
    if (!info.exists() || info.isFile()) return {};
    return info.isDir() ? QCoreApplication::translate("Errors", "it is a folder")
                        : QCoreApplication::translate("Errors", "it is not a regular file");
#endif
}

std::filesystem::path nativePath(const QString& path) {
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

}  // namespace

WriteError::WriteError(const QString& fullPath)
    : AppError(QT_TRANSLATE_NOOP("Errors", "Unable to write to %1"), fullPath.toStdString()) {}

WriteError::WriteError(const QString& fullPath, const QString& reason)
    : AppError(QT_TRANSLATE_NOOP("Errors", "Unable to write to %1 (%2)"), fullPath.toStdString(),
               reason.toStdString()) {}

void ignoreFileSizeSignal() {
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

void keepClosedStandardStreamsClosed() {
#ifndef Q_OS_WIN
    for (int fd = 0; fd <= 2; ++fd)
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) ::open("/dev/null", O_RDONLY);  // the lowest free number
#endif
}

ReadResult readRegularFile(const QString& path, QByteArray* bytes, QString* reason) {
    bytes->clear();
    QString ignored;
    QString& why = reason ? *reason : ignored;
    QFile file;
#ifdef Q_OS_UNIX
    // Opening a FIFO for reading waits for a writer; without blocking it returns at once, and the type is
    // checked on the open file, so nothing can be swapped in between.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        if (errno == ENOENT) return ReadResult::Missing;
        why = QString::fromLocal8Bit(std::strerror(errno));
        return ReadResult::Failed;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const bool folder = S_ISDIR(st.st_mode);
        ::close(fd);
        why = folder ? QCoreApplication::translate("Errors", "it is a folder")
                     : QCoreApplication::translate("Errors", "it is not a regular file");
        return ReadResult::NotRegular;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        why = file.errorString();
        return ReadResult::Failed;
    }
#else
    const QFileInfo info(path);
    if (!info.exists()) return ReadResult::Missing;
    if (!info.isFile()) {
        why = info.isDir() ? QCoreApplication::translate("Errors", "it is a folder")
                           : QCoreApplication::translate("Errors", "it is not a regular file");
        return ReadResult::NotRegular;
    }
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) {
        why = file.errorString();
        return ReadResult::Failed;
    }
#endif
    // A settings or celebrity file is kilobytes; one this large is no file of ours, and reading it whole could take
    // all the memory there is.
    if (file.size() > kLargestReadableFile) {
        why =
            QCoreApplication::translate("Errors", "it is larger than %1 MB").arg(kLargestReadableFile / (1024 * 1024));
        return ReadResult::Failed;
    }
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        why = file.errorString();
        bytes->clear();
        return ReadResult::Failed;
    }
    return ReadResult::Read;
}

QString readErrorMessage(const QString& path, const QString& reason) {
    return QCoreApplication::translate("Errors", "Input/output error: unable to read %1 (%2)")
        .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()), reason);
}

bool SystemFileOps::createTemp(const QString& target, QFile& file) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString suffix = QString::number(QRandomGenerator::global()->generate(), 16);
        file.setFileName(target + QStringLiteral(".tmp-") + suffix);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            // The new file takes the old one's place, so it takes its permissions too.
            const QFileInfo old(target);
            if (old.exists()) file.setPermissions(old.permissions());
            return true;
        }
        if (!QFileInfo::exists(file.fileName())) return false;  // not a name clash: the folder refuses
    }
    return false;
}

bool SystemFileOps::write(QFile& file, const QByteArray& bytes) { return file.write(bytes) == bytes.size(); }

bool SystemFileOps::flush(QFile& file) { return file.flush(); }

bool SystemFileOps::sync(QFile& file) {
#ifdef Q_OS_WIN
    return _commit(file.handle()) == 0;
#else
    return ::fsync(file.handle()) == 0;
#endif
}

bool SystemFileOps::close(QFile& file) {
    file.close();
    return file.error() == QFileDevice::NoError;
}

bool SystemFileOps::replace(const QString& from, const QString& to) {
    std::error_code error;
    std::filesystem::rename(nativePath(from), nativePath(to), error);
    return !error;
}

bool SystemFileOps::remove(const QString& path) { return QFile::remove(path); }

std::shared_ptr<FileOps> SystemFileOps::instance() {
    static const std::shared_ptr<FileOps> ops = std::make_shared<SystemFileOps>();
    return ops;
}

QString resolveOutputPath(const QString& path) {
    QString current = path;
    for (int followed = 0; followed < kMostLinksFollowed; ++followed) {
        const QFileInfo info(current);
        if (!info.isSymbolicLink()) return current;
        current = info.symLinkTarget();
    }
    return path;  // a loop of links, which checkOutputPath refuses
}

QString checkOutputPath(const QString& path) {
    const QString reason = outputProblem(path);
    return reason.isEmpty() ? QString() : QString::fromStdString(WriteError(fullPathOf(path), reason).what());
}

bool replaceFile(FileOps& ops, const QString& target, const QByteArray& bytes) {
    if (!outputProblem(target).isEmpty()) return false;
    const QString destination = resolveOutputPath(target);
    QFile file;
    if (!ops.createTemp(destination, file)) return false;
    const QString temp = file.fileName();
    if (ops.write(file, bytes) && ops.flush(file) && ops.sync(file) && ops.close(file) &&
        ops.replace(temp, destination))
        return true;
    if (file.isOpen()) file.close();
    ops.remove(temp);
    return false;
}

void writeFileAtomically(const QString& target, const QByteArray& bytes) {
    if (const QString reason = outputProblem(target); !reason.isEmpty()) throw WriteError(fullPathOf(target), reason);
    if (!replaceFile(*SystemFileOps::instance(), target, bytes)) throw WriteError(fullPathOf(target));
}

}  // namespace rorovovo::core
