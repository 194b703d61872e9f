#include "app/SessionEnd.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <csignal>
#include <gtest/gtest.h>

TEST(SessionEndTest, TerminationSignalArrivesOnTheEventLoop)
{
    SessionEnd watcher;
    QList<int> received;
    QObject::connect(&watcher, &SessionEnd::endRequested, [&](int n) { received.append(n); });
    ASSERT_EQ(std::raise(SIGTERM), 0) << "the handler keeps the process alive";
    QElapsedTimer t;
    t.start();
    while (received.isEmpty() && t.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_EQ(received, QList<int>{SIGTERM});
}
