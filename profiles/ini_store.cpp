#include "profiles/ini_store.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace rorovovo::profiles {

namespace {

constexpr qsizetype kMaxValueLength = IniStore::kMaxValueLength;
// Another copy of the program holds the lock only for the few milliseconds of one action's write.
constexpr int kLockWaitMs = 5000;
// Looking at the disk costs a path lookup; the startup loop reads thousands of keys within milliseconds.
constexpr qint64 kRecheckMs = 20;

bool breaksLine(QChar c) {
    switch (c.unicode()) {
        case 0x0000:
        case 0x000A:
        case 0x000B:
        case 0x000C:
        case 0x000D:
        case 0x0085:
        case 0x2028:
        case 0x2029:
            return true;
        default:
            return false;
    }
}

[[noreturn]] void refuse(const QString& text, const char* reason) {
    QString shown = text.size() > 60 ? text.left(60) + QStringLiteral("...") : text;
    for (QChar& c : shown) {
        if (breaksLine(c)) c = QLatin1Char(' ');
    }
    throw AppError(QStringLiteral("'%1' cannot be stored in the settings file: %2")
                       .arg(shown, QLatin1String(reason))
                       .toStdString());
}

void checkNoLineBreak(const QString& text, const char* what) {
    for (QChar c : text) {
        if (breaksLine(c)) refuse(text, what);
    }
}

// Anything that would read back as a different line structure is refused, so no typed or pasted text can
// add keys or sections of its own.
void checkSection(const QString& section) {
    checkNoLineBreak(section, "a section name cannot hold a line break or a NUL character");
    if (section.contains(QLatin1Char(']'))) refuse(section, "a section name cannot contain \"]\"");
}

void checkKey(const QString& key) {
    checkNoLineBreak(key, "a key name cannot hold a line break or a NUL character");
    const QString trimmed = key.trimmed();
    if (trimmed.isEmpty()) refuse(key, "a key name cannot be empty");
    if (trimmed.startsWith(QLatin1Char('['))) refuse(key, "a key name cannot start with \"[\"");
    if (trimmed.startsWith(QLatin1Char(';'))) refuse(key, "a key name cannot start with \";\"");
    if (trimmed.contains(QLatin1Char('='))) refuse(key, "a key name cannot contain \"=\"");
}

void checkValue(const QString& value) {
    checkNoLineBreak(value, "a value cannot hold a line break or a NUL character");
}

}  // namespace

bool IniStore::Stamp::operator==(const Stamp& o) const {
    return exists == o.exists && size == o.size && modified == o.modified && changed == o.changed && inode == o.inode;
}

IniStore::IniStore(const QString& path, std::shared_ptr<core::FileOps> ops)
    : path_(QFileInfo(path).absoluteFilePath()), ops_(ops ? std::move(ops) : core::SystemFileOps::instance()) {
    removeLeftovers();
    stamp_ = stampNow();
    lastCheck_.start();
    QByteArray bytes;
    bool exists = false;
    if (readDisk(&bytes, &exists, &problem_)) {
        doc_ = IniDocument::parse(bytes);
        diskBytes_ = bytes;
        diskExists_ = exists;
    }
}

IniStore::~IniStore() = default;

IniStore::Stamp IniStore::stampNow() const {
    Stamp s;
#ifdef Q_OS_UNIX
    struct stat st;
    if (::stat(QFile::encodeName(path_).constData(), &st) != 0) return s;
    s.exists = true;
    s.size = st.st_size;
    s.inode = st.st_ino;
#ifdef Q_OS_LINUX
    s.modified = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    s.changed = qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
#else
    s.modified = st.st_mtime;
    s.changed = st.st_ctime;
#endif
#else
    const QFileInfo info(path_);
    if (!info.exists()) return s;
    s.exists = true;
    s.size = info.size();
    s.modified = info.lastModified(QTimeZone::UTC).toMSecsSinceEpoch();
#endif
    return s;
}

bool IniStore::readDisk(QByteArray* bytes, bool* exists, QString* problem) const {
    QString reason;
    const core::ReadResult result = core::readRegularFile(path_, bytes, &reason);
    *exists = result != core::ReadResult::Missing;
    if (result == core::ReadResult::Read || result == core::ReadResult::Missing) return true;
    if (problem) *problem = core::readErrorMessage(path_, reason);
    return false;
}

std::unique_ptr<QLockFile> IniStore::takeLock(int waitMs) const {
    const QString name = targetPath() + QStringLiteral(".lock");
    // Checking whether a lock is stale reads it: a FIFO or a device in its place would stall that.
    const QFileInfo info(name);
    if (info.exists() && !info.isFile()) return nullptr;
    auto lock = std::make_unique<QLockFile>(name);
    if (!lock->tryLock(waitMs)) return nullptr;
    return lock;
}

void IniStore::removeLeftovers() {
    const QFileInfo target(targetPath());
    const QDir folder = target.dir();
    // Our temporary files are named "<file>.tmp-" and up to eight hex digits. Matched by hand: a name filter would
    // compile a regular expression at every start.
    const QString prefix = target.fileName() + QStringLiteral(".tmp-");
    const auto ours = [&prefix](const QString& name) {
        const qsizetype digits = name.size() - prefix.size();
        if (digits < 1 || digits > 8 || !name.startsWith(prefix)) return false;
        return std::all_of(name.cbegin() + prefix.size(), name.cend(), [](QChar c) {
            return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
        });
    };
    QStringList names;
    for (QDirIterator it(folder.path(), QDir::Files | QDir::Hidden); it.hasNext();) {
        const QString name = it.nextFileInfo().fileName();
        if (ours(name)) names << name;
    }
    // Taking the lock costs a synced write, so only when there is something to remove.
    if (names.isEmpty()) return;
    // While we hold the lock no other copy is writing, so a temporary file of our naming is what a killed write
    // left behind.
    const auto lock = takeLock(0);
    if (!lock) return;
    for (const QString& name : names) ops_->remove(folder.filePath(name));
}

void IniStore::refreshIfChanged(bool always) {
    if (!always && lastCheck_.isValid() && lastCheck_.elapsed() < kRecheckMs) return;
    lastCheck_.start();
    const Stamp now = stampNow();
    if (now == stamp_) return;
    stamp_ = now;
    QByteArray bytes;
    bool exists = false;
    if (!readDisk(&bytes, &exists, nullptr)) return;  // keep what we have rather than forget every setting
    if (exists == diskExists_ && bytes == diskBytes_) return;
    doc_ = IniDocument::parse(bytes);
    ++revision_;
    diskBytes_ = bytes;
    diskExists_ = exists;
}

quint64 IniStore::revision() {
    if (!inBatch_) refreshIfChanged();
    return revision_;
}

namespace {

// A value cut after kMaxValueLength characters, never in the middle of one.
QStringView cut(QStringView value) {
    if (value.size() <= kMaxValueLength) return value;
    qsizetype length = kMaxValueLength;
    if (value.at(length - 1).isHighSurrogate()) --length;
    return value.left(length);
}

}  // namespace

QString IniStore::readString(const QString& section, const QString& key, const QString& def) {
    if (!inBatch_) refreshIfChanged();
    const std::optional<QString> value = doc_.value(section, key);
    if (!value) return def;
    return value->size() > kMaxValueLength ? cut(*value).toString() : *value;
}

int IniStore::readInteger(const QString& section, const QString& key, int def) {
    if (!inBatch_) refreshIfChanged();
    const std::optional<QString> value = doc_.value(section, key);
    if (!value) return def;
    return parseIniInteger(*value).value_or(def);
}

void IniStore::forEachValue(const QString& section,
                            const std::function<void(QStringView key, QStringView value)>& visit) {
    if (!inBatch_) refreshIfChanged();
    doc_.forEachValue(section, [&visit](QStringView key, QStringView value) { visit(key, cut(value)); });
}

bool IniStore::readBool(const QString& section, const QString& key, bool def) {
    return readInteger(section, key, def ? 1 : 0) != 0;
}

void IniStore::writeString(const QString& section, const QString& key, const QString& value) {
    checkSection(section);
    checkKey(key);
    checkValue(value);
    apply({OpKind::Set, section, key, value});
}

void IniStore::writeInteger(const QString& section, const QString& key, int value) {
    writeString(section, key, QString::number(value));
}

void IniStore::writeBool(const QString& section, const QString& key, bool value) {
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniStore::deleteKey(const QString& section, const QString& key) { apply({OpKind::DeleteKey, section, key, {}}); }

void IniStore::eraseSection(const QString& section) { apply({OpKind::EraseSection, section, {}, {}}); }

bool IniStore::applyTo(IniDocument& doc, const Op& op) {
    switch (op.kind) {
        case OpKind::Set:
            return doc.setValue(op.section, op.key, op.value);
        case OpKind::DeleteKey:
            return doc.removeKey(op.section, op.key);
        case OpKind::EraseSection:
            return doc.removeSection(op.section);
    }
    return false;
}

void IniStore::apply(const Op& op) {
    if (inBatch_) {
        // A write that changes nothing is not a write: the file is not touched for it.
        if (applyTo(doc_, op)) {
            pending_.push_back(op);
            ++revision_;
        }
        return;
    }
    // A write that would change nothing (storing the selection as it was, erasing what is not there) touches
    // neither the file nor the lock, whose taking costs a synced write of its own.
    refreshIfChanged(true);
    if (changesNothing(op)) return;
    Batch batch(*this);
    apply(op);
    batch.commit();
}

bool IniStore::changesNothing(const Op& op) const {
    switch (op.kind) {
        case OpKind::Set:
            return doc_.holds(op.section, op.key, op.value);
        case OpKind::DeleteKey:
            return !doc_.value(op.section, op.key);
        case OpKind::EraseSection:
            return !doc_.hasSection(op.section);
    }
    return false;
}

// Replacing a symbolic link would cut it; the file it points to is the one to replace, and to lock.
QString IniStore::targetPath() const { return core::resolveOutputPath(path_); }

void IniStore::throwWriteError() const { throw core::WriteError(QDir::toNativeSeparators(path_)); }

void IniStore::beginBatch() {
    inBatch_ = true;
    lock_ = takeLock(kLockWaitMs);
    refreshIfChanged(true);
    before_ = doc_;
    pending_.clear();
}

void IniStore::discardBatch() {
    doc_ = std::move(before_);
    if (!pending_.empty()) ++revision_;  // the writes of the batch are undone
    before_ = IniDocument();
    pending_.clear();
    lock_.reset();
    inBatch_ = false;
}

void IniStore::commitBatch() {
    if (pending_.empty()) {
        discardBatch();
        return;
    }
    if (!lock_) lock_ = takeLock(kLockWaitMs);
    QByteArray current;
    bool exists = false;
    if (!readDisk(&current, &exists, nullptr)) {
        discardBatch();
        throwWriteError();  // replacing a file we cannot read would lose what it holds
    }

    IniDocument base;
    IniDocument result;
    if (exists == diskExists_ && current == diskBytes_) {
        base = std::move(before_);
        result = std::move(doc_);
    } else {
        // Someone else wrote the file since we read it: their state is the base, ours goes on top.
        base = IniDocument::parse(current);
        result = base;
        for (const Op& op : pending_) applyTo(result, op);
    }
    const QByteArray bytes = result.serialize();
    const bool needed = exists ? bytes != current : !result.empty();
    bool written = false;
    if (needed && lock_) {
        try {
            writeAtomically(targetPath(), bytes);
            written = true;
        } catch (const core::WriteError&) {
        }
    }
    const bool failed = needed && !written;
    doc_ = failed ? std::move(base) : std::move(result);
    ++revision_;
    diskBytes_ = written ? bytes : current;
    diskExists_ = written || exists;
    stamp_ = stampNow();
    before_ = IniDocument();
    pending_.clear();
    lock_.reset();
    inBatch_ = false;
    if (failed) throwWriteError();
}

void IniStore::writeAtomically(const QString& target, const QByteArray& bytes) {
    if (!core::replaceFile(*ops_, target, bytes)) throwWriteError();
}

IniStore::Batch::Batch(IniStore& store) : store_(store), outer_(!store.inBatch_) {
    if (outer_) store_.beginBatch();
}

IniStore::Batch::~Batch() {
    if (!done_ && outer_) store_.discardBatch();
}

void IniStore::Batch::commit() {
    if (done_) return;
    done_ = true;
    if (outer_) store_.commitBatch();
}

}  // namespace rorovovo::profiles
