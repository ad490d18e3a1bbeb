// Fetches one http address with Qt Network and hands back the status and, for status 200, the
// whole body. It asks the server and any cache on the way for a fresh copy, goes through the
// system's proxy settings, follows redirects only as long as they stay on http, and gives up
// when the transfer stalls or the body grows beyond a cap. It knows nothing of what it fetches.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace tessary::fw {

class CHttpFetcher : public QObject {
    Q_OBJECT

public:
    // How a fetch ended.
    enum class End {
        Running,      // not started, or not ended yet
        Answered,     // the server answered: status() holds its status, body() the body of a 200
        NetworkError, // no answer: refused address, connection or transfer failure, stall, a
                      // redirect away from http or too many redirects
        TooLarge,     // status 200 with a body above the cap, announced or received
        Cancelled,    // abort() was called
    };

    struct Limits {
        qint64 maxBodyBytes = 0; // a larger body is refused without being kept
        int stallMs = 0;         // this long without any progress ends the fetch
        int maxRedirects = 0;    // more redirects than this end the fetch
    };

    // `userAgent` is sent as it is, byte for byte.
    CHttpFetcher(QByteArray userAgent, Limits limits, QObject* parent = nullptr);
    ~CHttpFetcher() override;
    CHttpFetcher(const CHttpFetcher&) = delete;
    CHttpFetcher& operator=(const CHttpFetcher&) = delete;

    // Starts a GET of `url`, forgetting any earlier fetch. Anything but a valid http URL ends
    // as NetworkError without touching the network. finished() always comes from the event
    // loop, never from inside start().
    void start(const QUrl& url);
    // Stops the fetch; it ends as Cancelled unless it had already ended.
    void abort();

    End end() const { return end_; }
    // The status of the last answer (0 when there was none).
    int status() const { return status_; }
    // The body of a status-200 answer that ended as Answered; empty otherwise.
    const QByteArray& body() const { return body_; }
    // The network's own description of a NetworkError, for diagnostics.
    const QString& errorText() const { return errorText_; }

signals:
    // Bytes of the body received so far, and the announced total (-1 when not announced).
    void progress(qint64 received, qint64 total);
    // The fetch has ended; end() says how.
    void finished();

private:
    // Looks at the status once the final answer's head is in; true when it is a 200 whose body
    // is to be read. Ends the fetch for any other final status and for an announced body above
    // the cap.
    bool examineHead();
    void onMetaData();
    void onReadyRead();
    void send(const QUrl& url);
    // Follows a redirect to `location` (resolved against the address just asked), only to http
    // and only up to the limit.
    void follow(const QByteArray& location);
    void dropReply();
    void onReplyFinished();
    void onStalled();
    void finish(End end, const QString& errorText = {});

    QByteArray userAgent_;
    Limits limits_;
    QNetworkAccessManager* manager_ = nullptr;
    QNetworkReply* reply_ = nullptr;
    QTimer stallTimer_;
    End end_ = End::Running;
    bool headSeen_ = false; // the final answer's status has been seen
    int status_ = 0;
    int redirects_ = 0;
    qint64 announced_ = -1;
    QByteArray body_;
    QString errorText_;
};

} // namespace tessary::fw
