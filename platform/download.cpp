#include "platform/download.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTimer>
#include <memory>

namespace rorovovo::platform {

bool urlDownloadToFile(const QUrl& url, const QString& localPath, int timeoutMs, qint64 maxBytes) {
    if (!url.isValid() || localPath.isEmpty()) return false;

    // Written beside the target and renamed over it only when complete, so a failure leaves nothing behind.
    QSaveFile out(localPath);
    if (!out.open(QIODevice::WriteOnly)) return false;

    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(10);
    std::unique_ptr<QNetworkReply> reply(manager.get(request));

    bool failed = false;
    qint64 received = 0;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);

    const auto fail = [&] {
        if (failed) return;
        failed = true;
        reply->abort();
    };
    QObject::connect(&timer, &QTimer::timeout, &loop, fail);
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, [&] {
        if (failed) return;
        const QByteArray chunk = reply->readAll();
        received += chunk.size();
        if (received > maxBytes || out.write(chunk) != chunk.size()) fail();
    });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);

    timer.start(timeoutMs);
    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    timer.stop();

    if (!failed) {
        const QByteArray rest = reply->readAll();
        received += rest.size();
        if (received > maxBytes || out.write(rest) != rest.size()) failed = true;
    }
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool ok = !failed && reply->error() == QNetworkReply::NoError && status >= 200 && status < 300;
    if (!ok) {
        out.cancelWriting();  // the temporary file goes with `out`
        return false;
    }
    return out.commit();
}

}  // namespace rorovovo::platform
