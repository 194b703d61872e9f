#pragma once
#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (logout, shutdown, kill) into a signal on the
// event loop, so the quit path runs and nothing is lost.
class SessionEnd : public QObject {
    Q_OBJECT
public:
    explicit SessionEnd(QObject* parent = nullptr);
    ~SessionEnd() override;

Q_SIGNALS:
    void endRequested(int signalNumber);

private:
    QSocketNotifier* m_notifier = nullptr;
};
