#pragma once
#include "exchange/online/ZuzClient.h"
#include "platform/Dialogs.h"
#include "platform/Settings.h"
#include "support/FakeHttpServer.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// A client whose settings point at a fresh fake server, with scripted dialogs.
class ZuzServerFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(server.start());
        settings = std::make_unique<Settings>(dir.filePath(QStringLiteral("settings.ini")));
        settings->setString(QLatin1String(ZuzTransport::ServerKey), server.baseUrl().toString());
        client = std::make_unique<ZuzClient>(*settings, 5000);
    }

    QString lastLine() const
    {
        return server.requestLines().isEmpty() ? QString() : server.requestLines().last();
    }

    static QString line(const QString& target)
    {
        return QStringLiteral("GET ") + target + QStringLiteral(" HTTP/1.1");
    }

    QTemporaryDir dir;
    FakeHttpServer server;
    ScopedScriptedDialogs dialogs;
    std::unique_ptr<Settings> settings;
    std::unique_ptr<ZuzClient> client;
};
