// A small HTTP server on 127.0.0.1 (an ephemeral port) for the download tests. Each path gets a
// canned answer: a status with a body, a redirect, a connection closed at once, a body cut short,
// one that stops and never goes on, one announced far too long, or one that drips forever. It
// runs on the test's own event loop and records every request it is sent.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>

#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace tessary::test {

class TestHttpServer {
public:
    enum class Kind {
        Answer,      // the status, the headers and the whole body, then the connection closes
        CloseAtOnce, // the request is read and the connection closed without a word
        CutShort,    // status 200 announcing the body's length plus 100, then closed early
        Stall,       // status 200, the announced length, half the body, then silence forever
        Drip,        // status 200 without a length, then 64 KiB after 64 KiB, never ending
    };

    TestHttpServer() {
        if (!server_.listen(QHostAddress::LocalHost, 0)) {
            throw std::runtime_error("the test server cannot listen on 127.0.0.1");
        }
        QObject::connect(&server_, &QTcpServer::newConnection, [this] { accept(); });
    }

    ~TestHttpServer() {
        for (QTcpSocket* socket : server_.findChildren<QTcpSocket*>()) {
            socket->disconnect();
        }
    }
    TestHttpServer(const TestHttpServer&) = delete;
    TestHttpServer& operator=(const TestHttpServer&) = delete;

    quint16 port() const { return server_.serverPort(); }
    QString url(const QString& path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path);
    }

    // Answers `path` with `status` and `body`; `headers` are extra header lines, each ending
    // with CR LF.
    void answer(const QByteArray& path, int status, const QByteArray& body,
                const QByteArray& headers = {}) {
        routes_.insert(path, {Kind::Answer, status, body, headers});
    }
    void redirect(const QByteArray& path, const QByteArray& location, int status = 302) {
        answer(path, status, {}, "Location: " + location + "\r\n");
    }
    void serve(const QByteArray& path, Kind kind, const QByteArray& body = {}) {
        routes_.insert(path, {kind, 200, body, {}});
    }
    // Status 200 announcing `length` bytes, of which none ever come.
    void announce(const QByteArray& path, qint64 length) {
        routes_.insert(
            path, {Kind::Stall, 200, {}, "Content-Length: " + QByteArray::number(length) + "\r\n"});
    }

    // Connections accepted so far, and the head of every request read (request line and
    // headers), in order.
    int connections() const { return connections_; }
    const QList<QByteArray>& requests() const { return requests_; }
    // The value of header `name` in request `index` (empty when it is missing).
    QByteArray header(int index, const QByteArray& name) const {
        for (const QByteArray& line : requests_.at(index).split('\n')) {
            const int colon = line.indexOf(':');
            if (colon > 0 && line.left(colon).trimmed().toLower() == name.toLower()) {
                return line.mid(colon + 1).trimmed();
            }
        }
        return {};
    }
    // Bytes the drip has sent so far, over all connections.
    qint64 dripped() const { return dripped_; }

private:
    struct Route {
        Kind kind = Kind::Answer;
        int status = 200;
        QByteArray body;
        QByteArray headers;
    };

    void accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            ++connections_;
            socket->setParent(&server_);
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                if (answered_.contains(socket)) {
                    socket->readAll();
                    return;
                }
                QByteArray& received = pending_[socket];
                received.append(socket->readAll());
                const int end = received.indexOf("\r\n\r\n");
                if (end >= 0) {
                    const QByteArray head = received.left(end);
                    pending_.remove(socket);
                    answered_.insert(socket, true);
                    respond(socket, head);
                }
            });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, [this, socket] {
                pending_.remove(socket);
                answered_.remove(socket);
                socket->deleteLater();
            });
        }
    }

    static QByteArray reason(int status) {
        switch (status) {
        case 200:
            return "OK";
        case 301:
            return "Moved Permanently";
        case 302:
            return "Found";
        case 404:
            return "Not Found";
        case 500:
            return "Internal Server Error";
        default:
            return "Status";
        }
    }

    void respond(QTcpSocket* socket, const QByteArray& head) {
        requests_.append(head);
        // The target of "GET <target> HTTP/1.1": a path, or a whole URL when asked as a proxy.
        QByteArray target = head.left(head.indexOf("\r\n")).split(' ').value(1);
        if (target.startsWith("http://")) {
            target = target.mid(target.indexOf('/', 7));
        }
        const auto found = routes_.constFind(target);
        const Route route =
            found != routes_.cend() ? *found : Route{Kind::Answer, 404, "no such path", {}};
        QByteArray out = "HTTP/1.1 " + QByteArray::number(route.status) + ' ' +
                         reason(route.status) + "\r\n" + route.headers;
        switch (route.kind) {
        case Kind::Answer:
            out += "Content-Length: " + QByteArray::number(route.body.size()) +
                   "\r\nConnection: close\r\n\r\n" + route.body;
            break;
        case Kind::CloseAtOnce:
            socket->disconnectFromHost();
            return;
        case Kind::CutShort:
            out += "Content-Length: " + QByteArray::number(route.body.size() + 100) +
                   "\r\nConnection: close\r\n\r\n" + route.body;
            break;
        case Kind::Stall:
            if (!route.headers.contains("Content-Length")) {
                out += "Content-Length: " + QByteArray::number(route.body.size());
                out += "\r\n";
            }
            out += "\r\n" + route.body.left(route.body.size() / 2);
            socket->write(out);
            return; // the connection stays open and silent
        case Kind::Drip:
            out += "Connection: close\r\n\r\n";
            socket->write(out);
            // Another chunk each time the last one has gone out, for as long as the client
            // keeps the connection.
            QObject::connect(socket, &QTcpSocket::bytesWritten, socket, [this, socket] {
                if (socket->bytesToWrite() == 0 && socket->state() == QTcpSocket::ConnectedState) {
                    dripped_ += socket->write(QByteArray(64 * 1024, 'd'));
                }
            });
            return;
        }
        socket->write(out);
        socket->disconnectFromHost(); // after everything written has gone out
    }

    QHash<QByteArray, Route> routes_;
    QList<QByteArray> requests_;
    QHash<QTcpSocket*, QByteArray> pending_;
    QHash<QTcpSocket*, bool> answered_;
    int connections_ = 0;
    qint64 dripped_ = 0;
    // Last, so it goes first: its sockets are gone before the state their handlers touch.
    QTcpServer server_;
};

// Sets the proxy variables of the environment for the life of the object and puts the old values
// back afterwards. By default no proxy at all, so a test's loopback requests go straight to its
// server whatever the machine is set up with.
class ProxyEnvironment {
public:
    explicit ProxyEnvironment(const std::string& httpProxy = {}) {
        for (const char* name : {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY",
                                 "all_proxy", "ALL_PROXY", "no_proxy", "NO_PROXY"}) {
            const char* value = std::getenv(name);
            saved_.emplace_back(name, value != nullptr ? std::optional<std::string>(value)
                                                       : std::nullopt);
            ::unsetenv(name);
        }
        if (!httpProxy.empty()) {
            ::setenv("http_proxy", httpProxy.c_str(), 1);
        }
    }
    ~ProxyEnvironment() {
        for (const auto& [name, value] : saved_) {
            if (value) {
                ::setenv(name.c_str(), value->c_str(), 1);
            } else {
                ::unsetenv(name.c_str());
            }
        }
    }
    ProxyEnvironment(const ProxyEnvironment&) = delete;
    ProxyEnvironment& operator=(const ProxyEnvironment&) = delete;

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

} // namespace tessary::test
