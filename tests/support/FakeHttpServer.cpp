#include "support/FakeHttpServer.h"
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

namespace {
QByteArray reason(int status)
{
    switch (status) {
    case 200: return "OK";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    default: return "Status";
    }
}

// The largest request head we accept; anything longer is hung up on.
constexpr qsizetype MaxHead = 64 * 1024;
}

FakeHttpServer::FakeHttpServer()
    : m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &FakeHttpServer::onConnection);
}

FakeHttpServer::~FakeHttpServer()
{
    for (QTcpSocket* s : std::as_const(m_stalled))
        s->abort();
}

bool FakeHttpServer::start()
{
    if (!m_server->listen(QHostAddress::LocalHost, 0))
        return false;
    m_port = m_server->serverPort();
    return true;
}

QUrl FakeHttpServer::baseUrl() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_port));
}

void FakeHttpServer::refuse()
{
    m_server->close();
}

void FakeHttpServer::script(const QString& path, const Answer& answer)
{
    QList<Answer>& queue = m_scripts[path];
    // A last answer that already served stays only until another is scripted.
    if (m_servedLast.contains(path))
        queue.clear();
    m_servedLast.remove(path);
    queue.append(answer);
}

QStringList FakeHttpServer::targets() const
{
    QStringList out;
    for (const QString& line : m_lines)
        out.append(line.section(QLatin1Char(' '), 1, 1));
    return out;
}

int FakeHttpServer::requestCount(const QString& path) const
{
    return m_counts.value(path);
}

FakeHttpServer::Answer FakeHttpServer::nextAnswer(const QString& path)
{
    auto it = m_scripts.find(path);
    if (it == m_scripts.end() || it->isEmpty())
        return {Behaviour::Reply, 404, QByteArray()};
    if (it->size() > 1)
        return it->takeFirst();
    m_servedLast.insert(path);
    return it->first();
}

void FakeHttpServer::onConnection()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadable(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QObject::destroyed, this, [this, socket] { m_stalled.removeAll(socket); });
    }
}

void FakeHttpServer::onReadable(QTcpSocket* socket)
{
    if (socket->property("handled").toBool())
        return;
    QByteArray head = socket->property("head").toByteArray() + socket->readAll();
    if (!head.contains("\r\n\r\n")) {
        if (head.size() > MaxHead)
            socket->abort();
        else
            socket->setProperty("head", head);
        return;
    }
    socket->setProperty("handled", true);
    const QString line = QString::fromLatin1(head.left(head.indexOf("\r\n")));
    m_lines.append(line);
    const QString target = line.section(QLatin1Char(' '), 1, 1);
    const QString path = target.section(QLatin1Char('?'), 0, 0);
    m_counts[path] += 1;

    const Answer answer = nextAnswer(path);
    switch (answer.behaviour) {
    case Behaviour::CloseWithoutReply:
        socket->disconnectFromHost();
        return;
    case Behaviour::Stall:
        m_stalled.append(socket);
        return;
    case Behaviour::Reply:
        break;
    }
    QByteArray out = "HTTP/1.1 " + QByteArray::number(answer.status) + ' ' + reason(answer.status)
        + "\r\nContent-Type: text/plain; charset=utf-8\r\nContent-Length: "
        + QByteArray::number(answer.body.size()) + "\r\nConnection: close\r\n\r\n" + answer.body;
    socket->write(out);
    socket->disconnectFromHost();
}
