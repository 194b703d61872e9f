#pragma once
#include "app/DataFolder.h"
#include "app/MainWindowController.h"
#include "model/CellarBook.h"
#include "model/CellarDatabase.h"
#include "model/Wine.h"
#include "platform/AtomicFile.h"
#include "platform/Dialogs.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Readable failure messages for texts.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

// A run of the application in a temporary home: Documents, desktop, settings and
// the shipped templates all inside one temporary folder, with a fixed clock.
class AppFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tmp.isValid());
        QDir(tmp.path()).mkpath(QStringLiteral("shipped"));
        QDir(tmp.path()).mkpath(QStringLiteral("Desktop"));
        ASSERT_TRUE(AtomicFile::write(tmp.filePath(QStringLiteral("shipped/Basic.html")), "<kelvan Winename>").isEmpty());
    }

    LaunchOptions options() const
    {
        LaunchOptions o;
        o.documentsPath = tmp.filePath(QStringLiteral("Documents"));
        o.desktopPath = tmp.filePath(QStringLiteral("Desktop"));
        o.settingsPath = tmp.filePath(QStringLiteral("settings.ini"));
        o.templatesSource = tmp.filePath(QStringLiteral("shipped"));
        const QDateTime at = clock;
        o.clock = [at] { return at; };
        o.showWindow = false;
        return o;
    }

    QString product() const { return tmp.filePath(QStringLiteral("Documents/Kelvan")); }
    QString database() const { return product() + QStringLiteral("/DaDirad.kvdb"); }

    static std::shared_ptr<CellarBook> cellarOf(int wines, const QString& prefix = QStringLiteral("Wine"))
    {
        auto book = CellarBook::createNew();
        for (int i = 0; i < wines; ++i) {
            auto w = std::make_shared<Wine>();
            w->setWinename(QStringLiteral("%1 %2").arg(prefix).arg(i));
            w->setYear(quint16(1995 + i % 30));
            book->addWine(w);
        }
        return book;
    }

    void writeCellar(const QString& path, int wines, const QString& prefix = QStringLiteral("Wine"))
    {
        QDir().mkpath(QFileInfo(path).path());
        ASSERT_TRUE(CellarDatabase::save(*cellarOf(wines, prefix), path).isEmpty());
    }

    static QByteArray bytesOf(const QString& path)
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return f.readAll();
    }

    QTemporaryDir tmp;
    QDateTime clock = QDateTime(QDate(2024, 3, 15), QTime(10, 30, 0));
    ScopedScriptedDialogs dialogs;
};
