#include "platform/download.h"

#include "extras/extras.h"

namespace rorovovo::platform {

bool urlDownloadToFile(const QUrl& url, const QString& localPath, int timeoutMs, qint64 maxBytes) {
    return extras::api().downloadToFile(url, localPath, timeoutMs, maxBytes);
}

}  // namespace rorovovo::platform
