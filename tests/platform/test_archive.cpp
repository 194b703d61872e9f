#include <gtest/gtest.h>

#include "platform/Coder.h"
#include "platform/SequentialArchive.h"

namespace {
// A small class tree that uses every kind of field the model uses.
struct Leaf : Archivable {
    QString name;
    quint16 n16 = 0;
    qint32 s32 = 0;
    float f = 0;
    QString className() const override { return QStringLiteral("TestLeaf"); }
    void archive(Coder& c) override
    {
        const int v = c.versionOf(className());
        c.io("name", name);
        c.io("n16", n16);
        if (v >= 2)
            c.io("s32", s32);
        c.io("f", f);
    }
};

struct Node : Archivable {
    QString title;
    bool flag = false;
    quint32 count = 0;
    qint64 big = 0;
    double d = 0;
    QByteArray blob;
    QDate date;
    QDateTime stamp;
    QStringList words;
    QList<quint16> numbers;
    QList<std::shared_ptr<Leaf>> leaves;
    std::shared_ptr<Leaf> favourite;
    QList<std::shared_ptr<Node>> children;
    std::weak_ptr<Node> parent;
    QString className() const override { return QStringLiteral("TestNode"); }
    void archive(Coder& c) override
    {
        c.versionOf(className());
        c.io("title", title);
        c.io("flag", flag);
        c.io("count", count);
        c.io("big", big);
        c.io("d", d);
        c.io("blob", blob);
        c.io("date", date);
        c.io("stamp", stamp);
        c.strings("words", words);
        c.values("numbers", numbers);
        c.objects("leaves", leaves);
        c.object("favourite", favourite);
        c.objects("children", children);
        c.weak("parent", parent);
    }
};

void registerTestClasses(int leafVersion = 2)
{
    registerArchivable<Leaf>(QStringLiteral("TestLeaf"), leafVersion);
    registerArchivable<Node>(QStringLiteral("TestNode"), 1);
}

std::shared_ptr<Node> sampleTree()
{
    auto root = std::make_shared<Node>();
    root->title = QStringLiteral("Keller \u00e4\u00f6\u00fc \u2014 \v tab\tcr\r");
    root->flag = true;
    root->count = 4000000000u;
    root->big = -1234567890123LL;
    root->d = 0.1 + 0.2;
    root->blob = QByteArray("\0\1\2\xff", 4);
    root->date = QDate(2024, 2, 29);
    root->stamp = QDateTime::fromMSecsSinceEpoch(1700000000123LL);
    root->words = {QStringLiteral("a"), QString(), QStringLiteral("")};
    root->numbers = {0, 1, 65535};
    auto shared = std::make_shared<Leaf>();
    shared->name = QStringLiteral("Merlot");
    shared->n16 = 65535;
    shared->s32 = -7;
    shared->f = 12.5f;
    root->leaves = {shared, std::make_shared<Leaf>(), shared};
    root->favourite = shared;
    auto child = std::make_shared<Node>();
    child->title = QStringLiteral("child");
    child->parent = root;
    child->favourite = shared;
    root->children = {child};
    return root;
}
} // namespace

TEST(SequentialArchive, RoundTripKeepsEveryFieldAndSharing)
{
    registerTestClasses();
    auto root = sampleTree();
    const QByteArray bytes = SequentialArchive::write(root);
    auto back = std::dynamic_pointer_cast<Node>(SequentialArchive::read(bytes));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->title, root->title);
    EXPECT_TRUE(back->flag);
    EXPECT_EQ(back->count, 4000000000u);
    EXPECT_EQ(back->big, -1234567890123LL);
    EXPECT_EQ(back->d, root->d);
    EXPECT_EQ(back->blob, root->blob);
    EXPECT_EQ(back->date, root->date);
    EXPECT_EQ(back->stamp, root->stamp);
    ASSERT_EQ(back->words.size(), 3);
    EXPECT_TRUE(back->words[1].isNull());
    EXPECT_FALSE(back->words[2].isNull());
    EXPECT_EQ(back->numbers, root->numbers);
    ASSERT_EQ(back->leaves.size(), 3);
    EXPECT_EQ(back->leaves[0], back->leaves[2]) << "one shared object stays one object";
    EXPECT_NE(back->leaves[0], back->leaves[1]);
    EXPECT_EQ(back->favourite, back->leaves[0]);
    EXPECT_EQ(back->leaves[0]->name, QStringLiteral("Merlot"));
    EXPECT_EQ(back->leaves[0]->n16, 65535);
    EXPECT_EQ(back->leaves[0]->s32, -7);
    EXPECT_EQ(back->leaves[0]->f, 12.5f);
    ASSERT_EQ(back->children.size(), 1);
    EXPECT_EQ(back->children[0]->parent.lock(), back) << "back reference points to the parent";
    EXPECT_EQ(back->children[0]->favourite, back->favourite);
    // Writing again gives the same bytes.
    EXPECT_EQ(SequentialArchive::write(back), bytes);
}

TEST(SequentialArchive, OlderClassVersionIsReadFieldByField)
{
    // Write the leaf at version 1 (no s32 field), read with version 2 current.
    registerTestClasses(1);
    auto root = sampleTree();
    const QByteArray old = SequentialArchive::write(root);
    registerTestClasses(2);
    auto back = std::dynamic_pointer_cast<Node>(SequentialArchive::read(old));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->leaves[0]->name, QStringLiteral("Merlot"));
    EXPECT_EQ(back->leaves[0]->s32, 0) << "field absent in version 1 keeps its default";
    EXPECT_EQ(back->leaves[0]->f, 12.5f);
}

TEST(SequentialArchive, NewerStoredVersionIsReportedAndReadingGoesOn)
{
    registerTestClasses(3);
    const QByteArray newer = SequentialArchive::write(sampleTree());
    registerTestClasses(2);
    QStringList reported;
    auto back = SequentialArchive::read(newer, [&](const QString& cls, int stored, int current) {
        reported << QStringLiteral("%1 %2 %3").arg(cls).arg(stored).arg(current);
    });
    EXPECT_TRUE(back);
    EXPECT_EQ(reported, QStringList{QStringLiteral("TestLeaf 3 2")});
}

TEST(SequentialArchive, DamagedInputGivesClearErrors)
{
    registerTestClasses();
    const QByteArray good = SequentialArchive::write(sampleTree());
    auto message = [](const QByteArray& b) {
        try {
            SequentialArchive::read(b);
        } catch (const ArchiveError& e) {
            return e.message();
        }
        return QString();
    };
    EXPECT_TRUE(message(QByteArray()).contains("empty"));
    EXPECT_TRUE(message(QByteArray("hello world, not a cellar")).contains("no cellar archive"));
    EXPECT_TRUE(message(good.left(good.size() - 5)).contains("ends too early"));
    EXPECT_TRUE(message(good.left(20)).contains("ends too early"));
    QByteArray flipped = good;
    flipped[flipped.size() - 10] = char(flipped[flipped.size() - 10] ^ 0x5a);
    EXPECT_TRUE(message(flipped).contains("damaged"));
    // Every truncation point fails cleanly, never crashes.
    for (int cut = 0; cut < good.size(); ++cut)
        EXPECT_FALSE(message(good.left(cut)).isEmpty()) << cut;
}

TEST(SequentialArchive, UnknownClassAndHugeCountsAreRefused)
{
    registerTestClasses();
    // A class the reader does not know.
    struct Stranger : Archivable {
        QString className() const override { return QStringLiteral("NoSuchClassAnywhere"); }
        void archive(Coder&) override {}
    };
    const QByteArray strange = SequentialArchive::write(std::make_shared<Stranger>());
    try {
        SequentialArchive::read(strange);
        FAIL() << "an unknown class must be refused";
    } catch (const ArchiveError& e) {
        EXPECT_TRUE(e.message().contains("NoSuchClassAnywhere"));
    }
}
