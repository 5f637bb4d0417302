#include "profiles/file_ops.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <filesystem>
#include <system_error>

#include "profiles/ini_store.h"

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace rorovovo::profiles {

namespace {

std::filesystem::path nativePath(const QString& path) {
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

}  // namespace

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

bool replaceFile(FileOps& ops, const QString& target, const QByteArray& bytes) {
    QFile file;
    if (!ops.createTemp(target, file)) return false;
    const QString temp = file.fileName();
    if (ops.write(file, bytes) && ops.flush(file) && ops.sync(file) && ops.close(file) && ops.replace(temp, target))
        return true;
    if (file.isOpen()) file.close();
    ops.remove(temp);
    return false;
}

void writeFileAtomically(const QString& target, const QByteArray& bytes) {
    if (!replaceFile(*SystemFileOps::instance(), target, bytes))
        throw WriteError(QDir::toNativeSeparators(QFileInfo(target).absoluteFilePath()));
}

}  // namespace rorovovo::profiles
