#pragma once

#include <QString>
#include <QUrl>

namespace rorovovo::platform {

// Fetches a URL into a local file and returns when done; the window takes no input meanwhile.
// True only when a complete 2xx answer (after any redirects) now sits in localPath. On an error,
// after timeoutMs without the whole answer, or when the body would exceed maxBytes, returns false and
// leaves localPath as it was. Throws AppError when the module that downloads cannot be loaded.
bool urlDownloadToFile(const QUrl& url, const QString& localPath, int timeoutMs, qint64 maxBytes);

}  // namespace rorovovo::platform
