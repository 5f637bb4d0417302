#pragma once

// A tiny HTTP server on 127.0.0.1 for download tests. It runs in the test's own thread: the download's
// local event loop serves it. Paths not routed get 404.
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

namespace rorovovo::testsupport {

class LocalHttpServer : public QObject {
  public:
    struct Response {
        int status = 200;
        QByteArray body;
        QByteArray location;  // for redirects
        bool silent = false;  // accept the request and never answer
    };

    LocalHttpServer() {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, this, [this] { accept(); });
    }
    ~LocalHttpServer() override {
        for (const QPointer<QTcpSocket>& s : held_)
            if (s) s->abort();
    }

    bool listening() const { return server_.isListening(); }
    void route(const QString& path, const Response& response) { routes_.insert(path, response); }
    void serve(const QString& path, const QByteArray& body) { route(path, Response{200, body, {}, false}); }
    QUrl url(const QString& path) const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path));
    }
    // The paths asked for, in order.
    const QStringList& requests() const { return requests_; }

    // An address on which nothing listens, so connections are refused.
    static QUrl refusedUrl(const QString& path) {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        const quint16 port = probe.serverPort();
        probe.close();
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(path));
    }

  private:
    void accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            socket->setParent(this);
            QObject::connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
        }
    }

    void answer(QTcpSocket* socket) {
        QByteArray& buffer = pending_[socket];
        buffer += socket->readAll();
        if (!buffer.contains("\r\n\r\n")) return;
        const QList<QByteArray> requestLine = buffer.left(buffer.indexOf("\r\n")).split(' ');
        pending_.remove(socket);
        const QString path = requestLine.size() > 1 ? QString::fromLatin1(requestLine[1]) : QString();
        requests_ << path;
        const Response response = routes_.value(path, Response{404, "not here", {}, false});
        if (response.silent) {
            held_ << socket;
            return;
        }
        QByteArray reply = "HTTP/1.1 " + QByteArray::number(response.status) + " X\r\n";
        reply += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
        if (!response.location.isEmpty()) reply += "Location: " + response.location + "\r\n";
        reply += "Connection: close\r\n\r\n" + response.body;
        socket->write(reply);
        socket->disconnectFromHost();
    }

    QTcpServer server_;
    QHash<QString, Response> routes_;
    QHash<QTcpSocket*, QByteArray> pending_;
    QList<QPointer<QTcpSocket>> held_;
    QStringList requests_;
};

}  // namespace rorovovo::testsupport
