#pragma once

#include <QString>
#include <QUrl>
#include <functional>

namespace rorovovo::platform {

// A server that never answers must not hang the program: each download gives up after this long.
inline constexpr int kVersionDownloadTimeoutMs = 15000;
// A release description is a few kilobytes; anything far larger is not one and is not read.
inline constexpr qint64 kMaxVersionFileBytes = 256 * 1024;

using Downloader = std::function<bool(const QUrl& url, const QString& localPath, int timeoutMs, qint64 maxBytes)>;

struct VersionCheck {
    QUrl primaryUrl;
    QUrl fallbackUrl;
    QString localPath;       // where the downloaded description is kept while it is read
    QString runningVersion;  // the running program's file version, "a.b.c.d" or ""
    int timeoutMs = kVersionDownloadTimeoutMs;
    qint64 maxBytes = kMaxVersionFileBytes;
    Downloader download;  // empty: urlDownloadToFile
};

// The version text that follows the first "<Program_Version>" tag, up to the next "</" within the
// 20 characters after the tag; "" when no "</" lies there. Without the tag the 20 characters are
// taken from the text's 17th character on, so such a file yields no usable version.
QString versionCandidate(const QString& text);

// A description file's text as the check reads it: its lines, each ended by "\r\n".
QString versionFileText(const QByteArray& contents);

// Fetches the release description (primary, then fallback), compares its version with the running one
// and tells the user. The local copy is deleted after reading. A version that is not a whole number once
// its dots are dropped throws ConvertError (the remote one first); a local copy larger than maxBytes
// throws AppError. Both downloads failing shows a warning and writes nothing.
void checkForNewVersion(const VersionCheck& check);

}  // namespace rorovovo::platform
