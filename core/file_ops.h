#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <memory>

#include "core/errors.h"

namespace rorovovo::core {

// A file the program could not write; a file it replaces is as it was before.
class WriteError : public AppError {
  public:
    explicit WriteError(const QString& fullPath);
    // "Unable to write to <full path> (<reason>)".
    WriteError(const QString& fullPath, const QString& reason);
};

// Past the file-size limit a write then fails, as any failed write does, instead of ending the program with a
// signal halfway through a file. Called once at start-up by every program that writes files.
void ignoreFileSizeSignal();

// A standard stream the program was started without (stdout closed by `>&-`) stays one that refuses writes: a
// read-only /dev/null takes its number, so no file opened later does and receives what was meant for the stream.
void keepClosedStandardStreamsClosed();

// The steps of replacing a file safely, one call each, so that a test can make any one of them fail as a full
// disk, a lost medium or a read-only folder would. Every call reports success; none throws.
class FileOps {
  public:
    virtual ~FileOps() = default;

    // Creates and opens for writing a new, empty file in the folder of `target`, with a name of its own.
    virtual bool createTemp(const QString& target, QFile& file) = 0;
    virtual bool write(QFile& file, const QByteArray& bytes) = 0;
    virtual bool flush(QFile& file) = 0;
    // Makes the written bytes durable before the rename makes them visible.
    virtual bool sync(QFile& file) = 0;
    virtual bool close(QFile& file) = 0;
    // Puts `from` in the place of `to` in one step; readers see the old file or the new one, never a mix.
    virtual bool replace(const QString& from, const QString& to) = 0;
    virtual bool remove(const QString& path) = 0;
};

// Reads a whole file without ever waiting on it: a FIFO, a device, a socket or a folder at the path is refused
// before a byte is read, and so is a file larger than kLargestReadableFile. `reason` (may be null) says why a read
// failed, in words for a message.
inline constexpr qint64 kLargestReadableFile = 64 * 1024 * 1024;
enum class ReadResult { Read, Missing, NotRegular, Failed };
ReadResult readRegularFile(const QString& path, QByteArray* bytes, QString* reason);

// "Input/output error: unable to read <path> (<reason>)", the path in the system's own notation.
QString readErrorMessage(const QString& path, const QString& reason);

// The real file system.
class SystemFileOps : public FileOps {
  public:
    bool createTemp(const QString& target, QFile& file) override;
    bool write(QFile& file, const QByteArray& bytes) override;
    bool flush(QFile& file) override;
    bool sync(QFile& file) override;
    bool close(QFile& file) override;
    bool replace(const QString& from, const QString& to) override;
    bool remove(const QString& path) override;

    static std::shared_ptr<FileOps> instance();
};

// The settings file and every file the user saves are written by replaceFile and writeFileAtomically below, which
// keep one rule for what stands at the path:
// - a symbolic link (or a chain of them, a dangling one too) is followed: the file it names is replaced and the
//   link stays a link, as editors do;
// - a FIFO, a device, a socket or a folder is refused and left as it is, without ever being opened (opening a FIFO
//   waits for a reader).
//
// The file a write of `path` replaces: the end of the chain when `path` is a symbolic link, else `path` itself.
QString resolveOutputPath(const QString& path);
// Empty when `path` may be written: nothing is there yet, or (links followed) a regular file. Otherwise the message
// for the user, "Unable to write to <full path> (<reason>)", the reason "it is not a regular file", "it is a folder"
// or the system's words (a loop of links). Only looks at the path, so a window can ask before a dialog or a
// printer opens the file.
QString checkOutputPath(const QString& path);

// Replaces `target` (links followed) with `bytes` through a temporary file beside it, so a failure at any step
// leaves the old file whole. Returns false, with the temporary file removed, when a step fails or checkOutputPath
// refuses the path.
bool replaceFile(FileOps& ops, const QString& target, const QByteArray& bytes);

// As replaceFile on the real file system; a failure throws WriteError naming the full path (and the reason, when
// checkOutputPath refused it).
void writeFileAtomically(const QString& target, const QByteArray& bytes);

}  // namespace rorovovo::core
