#pragma once
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUrl>

class QTcpServer;
class QTcpSocket;

// A scripted HTTP server on 127.0.0.1 with a free port, for tests of network clients.
// Replies are scripted per path (the target without its query); each request to a
// path takes the next scripted answer, and the last one stays for any further
// requests until another answer is scripted. Unscripted paths get 404.
// Every raw request line is recorded.
class FakeHttpServer : public QObject {
public:
    enum class Behaviour {
        Reply,             // answer with the status and body
        CloseWithoutReply, // read the request, then hang up
        Stall,             // read the request and never answer
    };
    struct Answer {
        Behaviour behaviour = Behaviour::Reply;
        int status = 200;
        QByteArray body;
    };

    FakeHttpServer();
    ~FakeHttpServer() override;

    // Listens on 127.0.0.1, port 0; false when it cannot.
    bool start();
    quint16 port() const { return m_port; }
    // "http://127.0.0.1:<port>"
    QUrl baseUrl() const;
    // Closes the listening socket: later connections are refused.
    void refuse();

    void script(const QString& path, const Answer& answer);
    void reply(const QString& path, const QByteArray& body, int status = 200)
    {
        script(path, {Behaviour::Reply, status, body});
    }

    // Raw request lines as received, e.g. "GET /zuz/adduser.php3?x=1 HTTP/1.1".
    const QStringList& requestLines() const { return m_lines; }
    // The request targets (path and query) of the request lines.
    QStringList targets() const;
    int requestCount(const QString& path) const;

private:
    void onConnection();
    void onReadable(QTcpSocket* socket);
    Answer nextAnswer(const QString& path);

    QTcpServer* m_server = nullptr;
    quint16 m_port = 0;
    QHash<QString, QList<Answer>> m_scripts;
    QSet<QString> m_servedLast;
    QHash<QString, int> m_counts;
    QStringList m_lines;
    QList<QTcpSocket*> m_stalled;
};
