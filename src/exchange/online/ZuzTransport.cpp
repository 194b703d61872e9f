#include "exchange/online/ZuzTransport.h"
#include "platform/Dialogs.h"
#include "platform/Settings.h"
#include "platform/Strings.h"
#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

const char* const ZuzTransport::ServerKey = "zuzServer";

QUrl ZuzTransport::defaultServer()
{
    return QUrl(QStringLiteral("https://zuz.kelvan-cellar.net"));
}

QUrl ZuzTransport::serverFromSettings(const Settings& settings)
{
    const QUrl stored(settings.string(QLatin1String(ServerKey)).trimmed());
    return stored.isValid() && !stored.host().isEmpty() ? stored : defaultServer();
}

ZuzTransport::ZuzTransport(const QUrl& server, int timeoutMs)
    : m_server(server)
    , m_timeoutMs(timeoutMs)
    , m_manager(std::make_unique<QNetworkAccessManager>())
{
}

ZuzTransport::~ZuzTransport() = default;

QUrl ZuzTransport::urlFor(const QString& target) const
{
    // The target is already encoded; StrictMode keeps every escape as it is.
    QString base = m_server.toString(QUrl::FullyEncoded);
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return QUrl(base + target, QUrl::StrictMode);
}

ZuzTransport::Result ZuzTransport::fetch(const QString& target)
{
    Result result;
    const QUrl url = urlFor(target);
    if (!url.isValid()) {
        result.error = QStringLiteral("Invalid address: ") + url.errorString();
        return result;
    }
    // A proxy from the environment must not catch requests to this machine.
    const QHostAddress host(url.host());
    m_manager->setProxy(host.isLoopback() || url.host() == QLatin1String("localhost")
                            ? QNetworkProxy(QNetworkProxy::NoProxy)
                            : QNetworkProxy(QNetworkProxy::DefaultProxy));

    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    QNetworkReply* reply = m_manager->get(request);

    QNetworkReply* outer = m_current;
    const bool outerCancelled = m_cancelled;
    m_current = reply;
    m_cancelled = false;

    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        reply->abort();
    });
    bool tooLarge = false;
    QObject::connect(reply, &QNetworkReply::downloadProgress, &loop, [&](qint64 received, qint64) {
        if (received > m_maxReplyBytes && !tooLarge) {
            tooLarge = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timer.start(m_timeoutMs);
    if (!reply->isFinished())
        loop.exec();
    timer.stop();

    const bool cancelled = m_cancelled;
    m_current = outer;
    m_cancelled = outerCancelled;

    result.httpStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (cancelled) {
        result.status = Result::Status::Cancelled;
        result.error = QStringLiteral("Cancelled");
    } else if (timedOut) {
        result.status = Result::Status::Timeout;
        result.error = QStringLiteral("No reply within %1 ms").arg(m_timeoutMs);
    } else if (tooLarge || reply->bytesAvailable() > m_maxReplyBytes) {
        result.status = Result::Status::TooLarge;
        result.error = QStringLiteral("Reply longer than %1 bytes").arg(m_maxReplyBytes);
    } else if (result.httpStatus >= 400) {
        result.status = Result::Status::HttpError;
        result.error = QStringLiteral("HTTP status %1").arg(result.httpStatus);
    } else if (reply->error() != QNetworkReply::NoError) {
        result.status = Result::Status::NetworkError;
        result.error = reply->errorString();
    } else {
        result.status = Result::Status::Ok;
        result.body = reply->readAll();
    }
    reply->deleteLater();
    return result;
}

std::optional<QByteArray> ZuzTransport::sendToZUZ(const QString& target, Wording wording)
{
    const bool connecting = wording == Wording::Connecting;
    const QString title = Strings::tr(connecting ? QStringLiteral("Connecting to zUZ failed")
                                                 : QStringLiteral("Sending data failed"));
    const QString text = Strings::tr(
        connecting ? QStringLiteral("Connecting to the internet database zUZ failed.")
                   : QStringLiteral("Sending data to the internet database zUZ failed."));
    const QStringList buttons{Strings::tr(QStringLiteral("Try again")),
                              Strings::tr(QStringLiteral("Cancel"))};
    for (;;) {
        Result r = fetch(target);
        if (r.ok())
            return r.body;
        // The user already said no while waiting; asking again would be a second question.
        if (r.status == Result::Status::Cancelled)
            return std::nullopt;
        if (Dialogs::instance().alert(Dialogs::Level::Informational, title, text, buttons) != 0)
            return std::nullopt;
    }
}

void ZuzTransport::cancel()
{
    if (!m_current)
        return;
    m_cancelled = true;
    m_current->abort();
}
