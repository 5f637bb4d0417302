#include "platform/version_check.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include "core/errors.h"
#include "platform/dialogs.h"
#include "platform/download.h"
#include "rhythm/convert.h"

namespace rorovovo::platform {

namespace {

const QString kTag = QStringLiteral("<Program_Version>");
constexpr int kCandidateLength = 20;

// The busy cursor stays exactly as long as the downloads, whichever way they end.
class BusyCursor {
  public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

bool fetch(const VersionCheck& check) {
    const Downloader download = check.download ? check.download : Downloader(urlDownloadToFile);
    BusyCursor busy;
    return download(check.primaryUrl, check.localPath, check.timeoutMs, check.maxBytes) ||
           download(check.fallbackUrl, check.localPath, check.timeoutMs, check.maxBytes);
}

QString lastUrlPart(const QUrl& url) {
    const QString text = url.toString();
    return text.mid(text.lastIndexOf(QLatin1Char('/')) + 1);
}

// Reads the local copy, at most maxBytes of it; the copy is deleted whatever happens.
QString readAndDelete(const QString& path, qint64 maxBytes) {
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly);
    const bool tooLarge = opened && file.size() > maxBytes;
    const QByteArray contents = opened && !tooLarge ? file.read(maxBytes) : QByteArray();
    file.close();
    QFile::remove(path);
    const QString name = QFileInfo(path).fileName();
    if (!opened) throw AppError(QStringLiteral("Cannot open file \"%1\"").arg(path).toStdString());
    if (tooLarge)
        throw AppError(QStringLiteral("The version file \"%1\" is larger than %2 bytes and holds no usable version")
                           .arg(name)
                           .arg(maxBytes)
                           .toStdString());
    return versionFileText(contents);
}

int toNumber(const QString& text) { return rhythm::strToInt(text.toStdString()); }

}  // namespace

QString versionCandidate(const QString& text) {
    // Positions count from 1 here, 0 meaning "no tag", so a missing tag cuts from the 17th character.
    const int position = text.indexOf(kTag) + 1;
    QString candidate = text.mid(position + kTag.size() - 1, kCandidateLength);
    const int end = candidate.indexOf(QLatin1String("</"));
    return end < 0 ? QString() : candidate.left(end);
}

QString versionFileText(const QByteArray& contents) {
    // One character per byte, as the file is never decoded as XML; line ends of any kind become "\r\n".
    const QString raw = QString::fromLatin1(contents);
    QString text;
    text.reserve(raw.size() + raw.size() / 16);
    int start = 0;
    while (start < raw.size()) {
        int end = start;
        while (end < raw.size() && raw[end] != QLatin1Char('\r') && raw[end] != QLatin1Char('\n')) ++end;
        text += QStringView(raw).mid(start, end - start);
        text += QLatin1String("\r\n");
        if (end < raw.size()) {
            if (raw[end] == QLatin1Char('\r') && end + 1 < raw.size() && raw[end + 1] == QLatin1Char('\n')) ++end;
            ++end;
        }
        start = end;
    }
    return text;
}

void checkForNewVersion(const VersionCheck& check) {
    if (!fetch(check)) {
        messageDlg(QCoreApplication::translate("Messages",
                                               "Error downloading file \"%1\" for version check.\rPlease check your "
                                               "internet connection and/or firewall..")
                       .arg(lastUrlPart(check.fallbackUrl)),
                   DialogKind::Warning, {DialogButton::Ok});
        return;
    }
    QString candidate = versionCandidate(readAndDelete(check.localPath, check.maxBytes));
    QString running = check.runningVersion;
    candidate.remove(QLatin1Char('.'));
    running.remove(QLatin1Char('.'));
    const int remote = toNumber(candidate);
    const int local = toNumber(running);
    if (remote > local)
        messageDlg(
            QCoreApplication::translate("Messages",
                                        "There is a *new* version of this freeware available !\r\rPlease go to "
                                        "our freeware web page and download it,\rand replace the existing one by "
                                        "the new version."),
            DialogKind::Information, {DialogButton::Ok});
    else
        messageDlg(
            QCoreApplication::translate("Messages",
                                        "You have the most recent version of this freeware..\rBut keep checking, as "
                                        "this is updated regularly!"),
            DialogKind::Information, {DialogButton::Ok});
}

}  // namespace rorovovo::platform
