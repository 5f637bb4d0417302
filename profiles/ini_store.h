#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "core/errors.h"
#include "core/file_ops.h"
#include "profiles/ini_document.h"

class QLockFile;

namespace rorovovo::profiles {

// The settings file. The file is parsed once and kept in memory, so reading N keys costs O(N). A read looks
// at the file's size and time stamps, at most once every 20 ms, and parses the file again only when they
// changed (another copy of the program wrote it); a batch always looks. Every write replaces the whole file atomically
// (a temporary file beside it, flushed, synced, renamed over it); a crash leaves the old file or the new one. Before
// writing, the store takes a lock file beside the settings file, compares the file with what it last read and, if
// someone else changed it, reads it again and applies its own changes on top, so two copies of the program do not lose
// each other's writes. Section and key names are compared without regard to case.
class IniStore {
  public:
    // Opening never fails, also when the file does not exist or cannot be read (everything reads as its
    // default then). It removes what a copy of the program killed while writing left beside the file: the lock
    // file and the temporary file. `ops` replaces the file system for tests.
    explicit IniStore(const QString& path, std::shared_ptr<core::FileOps> ops = nullptr);
    ~IniStore();
    IniStore(const IniStore&) = delete;
    IniStore& operator=(const IniStore&) = delete;

    QString path() const { return path_; }
    // Why the file could not be read when the store was opened ("Input/output error: unable to read <path>
    // (<reason>)"), for instance because the path is a folder or a FIFO; empty when it was read or does not exist.
    // Such a file is never opened again by a write: every key reads as its default and writes throw core::WriteError.
    QString problem() const { return problem_; }

    // The longest value a read gives back; longer ones are cut.
    static constexpr qsizetype kMaxValueLength = 2047;

    // The value with blanks at both ends removed and cut after 2047 characters; `def` when the section or the
    // key is missing. A key with an empty value reads as the empty text.
    QString readString(const QString& section, const QString& key, const QString& def);
    // Decimal with an optional sign, or hexadecimal after "0x" or "$"; `def` when missing or not a number.
    int readInteger(const QString& section, const QString& key, int def);
    // Read as an integer: non-zero is true.
    bool readBool(const QString& section, const QString& key, bool def);
    // Every key line of a section in file order, values as readString gives them: one pass over a long section
    // instead of a lookup per key. A key written twice comes twice; readString gives the first.
    void forEachValue(const QString& section, const std::function<void(QStringView key, QStringView value)>& visit);
    // Goes up whenever what the store holds may have changed, by its own writes or, as a read finds, by another
    // program's; while it stays the same, every read gives what it gave before.
    quint64 revision();

    // Each write reaches the file before it returns, unless a Batch is open. A failed file write throws
    // core::WriteError ("Unable to write to <full path>"); a name or value that cannot be stored (line break, NUL,
    // a section name with "]", a key that is empty, starts with "[" or ";" or holds "=") throws AppError
    // before anything changes.
    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInteger(const QString& section, const QString& key, int value);
    void writeBool(const QString& section, const QString& key, bool value);
    // Missing keys and sections are no error; nothing is written then.
    void deleteKey(const QString& section, const QString& key);
    void eraseSection(const QString& section);

    // Gathers the writes of one user action into one file write:
    //     IniStore::Batch batch(store); ...reads and writes...; batch.commit();
    // Reads inside the batch see its writes. The file is locked from the start of the batch to its end, so
    // a read-modify-write inside a batch cannot interleave with another copy of the program. A batch left
    // without commit (an exception) discards its writes. A batch opened inside another joins it.
    class Batch {
      public:
        explicit Batch(IniStore& store);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;
        // Writes the file; throws core::WriteError (and discards the writes) when that fails.
        void commit();

      private:
        IniStore& store_;
        bool outer_;
        bool done_ = false;
    };

  private:
    enum class OpKind { Set, DeleteKey, EraseSection };
    struct Op {
        OpKind kind;
        QString section;
        QString key;
        QString value;
    };
    struct Stamp {
        bool exists = false;
        qint64 size = 0;
        qint64 modified = 0;
        qint64 changed = 0;
        quint64 inode = 0;
        bool operator==(const Stamp& o) const;
    };

    Stamp stampNow() const;
    void refreshIfChanged(bool always = false);
    bool readDisk(QByteArray* bytes, bool* exists, QString* problem) const;
    std::unique_ptr<QLockFile> takeLock(int waitMs) const;
    void removeLeftovers();
    void apply(const Op& op);
    bool changesNothing(const Op& op) const;
    static bool applyTo(IniDocument& doc, const Op& op);
    void beginBatch();
    void commitBatch();
    void discardBatch();
    void writeAtomically(const QString& target, const QByteArray& bytes);
    QString targetPath() const;
    [[noreturn]] void throwWriteError() const;

    QString path_;
    QString problem_;
    std::shared_ptr<core::FileOps> ops_;
    IniDocument doc_;
    QByteArray diskBytes_;  // the file as last read or written by this store
    bool diskExists_ = false;
    Stamp stamp_;
    QElapsedTimer lastCheck_;

    quint64 revision_ = 0;
    bool inBatch_ = false;
    IniDocument before_;  // the document at the start of the open batch
    std::vector<Op> pending_;
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace rorovovo::profiles
