#include <gtest/gtest.h>
#include <QTemporaryDir>

#include "platform/AtomicFile.h"
#include "platform/Settings.h"

TEST(Settings, UnsetReadsZeroAndStoredZeroTakesDefault)
{
    QTemporaryDir dir;
    Settings s(dir.filePath("k.ini"));
    EXPECT_EQ(s.intValue("deltaUBID"), 0);
    EXPECT_EQ(s.intValue("deltaUBID", 250), 250);
    s.setInt("deltaUBID", 0);
    EXPECT_EQ(s.intValue("deltaUBID", 250), 250);
    s.setInt("deltaUBID", 17);
    EXPECT_EQ(s.intValue("deltaUBID", 250), 17);
    EXPECT_FALSE(s.boolValue("useUBID"));
    EXPECT_TRUE(s.string("uName").isEmpty());
}

TEST(Settings, ExpertModeAndSaveAutomaticallyAreStoredInverted)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("k.ini");
    {
        Settings s(path);
        EXPECT_TRUE(s.boolValue("expertMode")) << "unset means on";
        EXPECT_TRUE(s.boolValue("saveAutomatically"));
        s.setBool("expertMode", false);
        s.setBool("saveAutomatically", true);
        s.setBool("useUBID", true);
        ASSERT_TRUE(s.sync());
    }
    Settings again(path);
    EXPECT_FALSE(again.boolValue("expertMode"));
    EXPECT_TRUE(again.boolValue("saveAutomatically"));
    EXPECT_TRUE(again.value("expertMode").toBool()) << "off is stored as true";
    EXPECT_FALSE(again.value("saveAutomatically").toBool());
    EXPECT_TRUE(again.boolValue("useUBID"));
}

TEST(AtomicFile, FailedWriteLeavesOldFileAndSaysWhy)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("cellar.kvdb");
    ASSERT_TRUE(AtomicFile::write(path, "first").isEmpty());
    QString err;
    EXPECT_EQ(AtomicFile::read(path, &err), QByteArray("first"));
    EXPECT_TRUE(err.isEmpty());
    ASSERT_TRUE(AtomicFile::write(path, "second").isEmpty());
    EXPECT_EQ(AtomicFile::read(path, &err), QByteArray("second"));

    // A target that is a folder cannot be replaced: the write fails, names the
    // file, and the folder with its contents stays as it was.
    const QString folder = dir.filePath("taken.kvdb");
    ASSERT_TRUE(QDir().mkdir(folder));
    ASSERT_TRUE(AtomicFile::write(folder + "/inner", "keep").isEmpty());
    const QString why = AtomicFile::write(folder, "bad");
    EXPECT_FALSE(why.isEmpty());
    EXPECT_TRUE(why.contains("taken.kvdb"));
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(AtomicFile::read(folder + "/inner", &err), QByteArray("keep"));
}

TEST(AtomicFile, WriteToMissingFolderFailsAndReadOfMissingFileNamesIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("no/such/folder/x.kvdb");
    EXPECT_FALSE(AtomicFile::write(path, "x").isEmpty());
    QString err;
    EXPECT_TRUE(AtomicFile::read(dir.filePath("missing.kvdb"), &err).isEmpty());
    EXPECT_TRUE(err.contains("missing.kvdb"));
}
