#include "platform/KeyedArchive.h"
#include <QHash>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <cstring>
#include <vector>

namespace {
constexpr char kBinaryMagic[8] = {'K', 'V', 'L', 'N', 'K', 'E', 'Y', 'Z'};
constexpr int kMaxDepth = 800;
// A compressed backup larger than this when unpacked is refused: no real cellar is.
constexpr qsizetype kMaxUnpacked = qsizetype(1) << 31;

// Text that XML cannot carry as it is (control characters, CR, lone surrogates,
// leading or trailing blanks that a reader might trim) goes as base64.
bool needsBase64(const QString& s)
{
    for (qsizetype i = 0; i < s.size(); ++i) {
        const char16_t c = s.at(i).unicode();
        if ((c < 0x20 && c != '\t' && c != '\n') || c == 0xFFFE || c == 0xFFFF)
            return true;
        if (QChar::isHighSurrogate(c)) {
            if (i + 1 >= s.size() || !QChar::isLowSurrogate(s.at(i + 1).unicode()))
                return true;
            ++i;
        } else if (QChar::isLowSurrogate(c)) {
            return true;
        }
    }
    return false;
}

class KeyedWriter : public Coder {
public:
    // The whole document: the class table first, then the objects.
    QByteArray document(const std::shared_ptr<Archivable>& root)
    {
        QByteArray body;
        {
            QXmlStreamWriter bodyXml(&body);
            bodyXml.setAutoFormatting(true);
            m_body = &bodyXml;
            std::shared_ptr<Archivable> r = root;
            ioObject("root", r);
            m_body = nullptr;
        }
        QByteArray head;
        QXmlStreamWriter xml(&head);
        xml.setAutoFormatting(true);
        xml.writeStartDocument();
        xml.writeStartElement(QStringLiteral("kelvan-archive"));
        xml.writeAttribute(QStringLiteral("format"), QStringLiteral("1"));
        xml.writeStartElement(QStringLiteral("classes"));
        for (const auto& c : m_classes) {
            xml.writeEmptyElement(QStringLiteral("class"));
            xml.writeAttribute(QStringLiteral("name"), c.first);
            xml.writeAttribute(QStringLiteral("version"), QString::number(c.second));
        }
        xml.writeEndElement();
        return head + body + "\n</kelvan-archive>\n";
    }

    bool isReading() const override { return false; }
    int versionOf(const QString& className) override
    {
        if (!m_known.contains(className)) {
            m_known.insert(className, true);
            m_classes.append({className, ClassRegistry::version(className)});
        }
        return ClassRegistry::version(className);
    }
    void io(const char* k, bool& v) override { value("bool", k, v ? QStringLiteral("1") : QStringLiteral("0")); }
    void io(const char* k, quint8& v) override { value("u8", k, QString::number(v)); }
    void io(const char* k, qint16& v) override { value("i16", k, QString::number(v)); }
    void io(const char* k, quint16& v) override { value("u16", k, QString::number(v)); }
    void io(const char* k, qint32& v) override { value("i32", k, QString::number(v)); }
    void io(const char* k, quint32& v) override { value("u32", k, QString::number(v)); }
    void io(const char* k, qint64& v) override { value("i64", k, QString::number(v)); }
    void io(const char* k, float& v) override { value("float", k, QString::number(double(v), 'g', 9)); }
    void io(const char* k, double& v) override { value("double", k, QString::number(v, 'g', 17)); }
    void io(const char* k, QString& v) override
    {
        start("string", k);
        if (v.isNull())
            m_body->writeAttribute(QStringLiteral("null"), QStringLiteral("1"));
        else if (needsBase64(v)) {
            m_body->writeAttribute(QStringLiteral("enc"), QStringLiteral("base64"));
            m_body->writeCharacters(QString::fromLatin1(v.toUtf8().toBase64()));
        } else
            m_body->writeCharacters(v);
        m_body->writeEndElement();
    }
    void io(const char* k, QByteArray& v) override { value("bytes", k, QString::fromLatin1(v.toBase64())); }
    void io(const char* k, QDate& v) override
    {
        value("date", k, v.isValid() ? QString::number(v.toJulianDay()) : QString());
    }
    void io(const char* k, QDateTime& v) override
    {
        value("datetime", k, v.isValid() ? QString::number(v.toMSecsSinceEpoch()) : QString());
    }
    void ioObject(const char* k, std::shared_ptr<Archivable>& object) override
    {
        if (!object) {
            start("null", k);
            m_body->writeEndElement();
            return;
        }
        auto it = m_ids.constFind(object.get());
        if (it != m_ids.constEnd()) {
            start("ref", k);
            m_body->writeAttribute(QStringLiteral("id"), QString::number(*it));
            m_body->writeEndElement();
            return;
        }
        const int id = int(m_ids.size());
        m_ids.insert(object.get(), id);
        start("object", k);
        m_body->writeAttribute(QStringLiteral("class"), object->className());
        m_body->writeAttribute(QStringLiteral("id"), QString::number(id));
        versionOf(object->className());
        object->archive(*this);
        m_body->writeEndElement();
    }
    void beginList(const char* k, qsizetype& count) override
    {
        start("list", k);
        m_body->writeAttribute(QStringLiteral("count"), QString::number(count));
    }
    void endList() override { m_body->writeEndElement(); }

private:
    void start(const char* tag, const char* key)
    {
        m_body->writeStartElement(QLatin1String(tag));
        if (key)
            m_body->writeAttribute(QStringLiteral("key"), QLatin1String(key));
    }
    void value(const char* tag, const char* key, const QString& text)
    {
        start(tag, key);
        m_body->writeCharacters(text);
        m_body->writeEndElement();
    }

    QXmlStreamWriter* m_body = nullptr;
    QHash<const Archivable*, int> m_ids;
    QHash<QString, bool> m_known;
    QList<QPair<QString, int>> m_classes;
};

// ---- reading: the document becomes a small tree, then objects are read from it

struct Node {
    QString tag;
    QString key;
    QString cls;
    QString id;
    QString text;
    bool isNull = false;
    bool base64 = false;
    QString name;    // of a class entry
    int version = 0; // of a class entry
    std::vector<Node> children;
};

class KeyedReader : public Coder {
public:
    KeyedReader(const Node& root, QHash<QString, int> versions)
        : m_versions(std::move(versions))
    {
        m_stack.push_back({&root, 0});
    }

    bool isReading() const override { return true; }
    int versionOf(const QString& className) override
    {
        auto it = m_versions.constFind(className);
        return it != m_versions.constEnd() ? *it : ClassRegistry::version(className);
    }
    void io(const char* k, bool& v) override
    {
        if (const Node* n = field("bool", k))
            v = n->text.trimmed() == QLatin1String("1");
    }
    void io(const char* k, quint8& v) override { number("u8", k, v); }
    void io(const char* k, qint16& v) override { number("i16", k, v); }
    void io(const char* k, quint16& v) override { number("u16", k, v); }
    void io(const char* k, qint32& v) override { number("i32", k, v); }
    void io(const char* k, quint32& v) override { number("u32", k, v); }
    void io(const char* k, qint64& v) override { number("i64", k, v); }
    void io(const char* k, float& v) override
    {
        if (const Node* n = field("float", k))
            v = float(toDouble(*n));
    }
    void io(const char* k, double& v) override
    {
        if (const Node* n = field("double", k))
            v = toDouble(*n);
    }
    void io(const char* k, QString& v) override
    {
        const Node* n = field("string", k);
        if (!n)
            return;
        if (n->isNull)
            v = QString();
        else if (n->base64)
            v = QString::fromUtf8(QByteArray::fromBase64(n->text.toLatin1()));
        else
            v = n->text.isNull() ? QString(QLatin1String("")) : n->text; // empty, not null
    }
    void io(const char* k, QByteArray& v) override
    {
        if (const Node* n = field("bytes", k))
            v = QByteArray::fromBase64(n->text.trimmed().toLatin1());
    }
    void io(const char* k, QDate& v) override
    {
        if (const Node* n = field("date", k))
            v = n->text.trimmed().isEmpty() ? QDate() : QDate::fromJulianDay(toInt64(*n));
    }
    void io(const char* k, QDateTime& v) override
    {
        if (const Node* n = field("datetime", k))
            v = n->text.trimmed().isEmpty() ? QDateTime() : QDateTime::fromMSecsSinceEpoch(toInt64(*n), Qt::UTC);
    }
    void ioObject(const char* k, std::shared_ptr<Archivable>& object) override
    {
        const Node* n = take(k);
        if (!n)
            return;
        if (n->tag == QLatin1String("null")) {
            object.reset();
            return;
        }
        if (n->tag == QLatin1String("ref")) {
            auto it = m_objects.constFind(n->id);
            if (it == m_objects.constEnd())
                fail(QStringLiteral("a reference points to no object"));
            object = *it;
            return;
        }
        if (n->tag != QLatin1String("object"))
            fail(QStringLiteral("\"%1\" is no object").arg(n->key));
        object = ClassRegistry::create(n->cls);
        if (!object)
            fail(QStringLiteral("the file holds objects of the unknown class \"%1\"").arg(n->cls));
        if (m_objects.contains(n->id))
            fail(QStringLiteral("two objects share the id %1").arg(n->id));
        m_objects.insert(n->id, object);
        m_stack.push_back({n, 0});
        object->archive(*this);
        m_stack.pop_back();
    }
    void beginList(const char* k, qsizetype& count) override
    {
        const Node* n = take(k);
        if (!n) {
            // An absent list reads as empty.
            static const Node empty;
            m_stack.push_back({&empty, 0});
            count = 0;
            return;
        }
        if (n->tag != QLatin1String("list"))
            fail(QStringLiteral("\"%1\" is no list").arg(n->key));
        m_stack.push_back({n, 0});
        count = qsizetype(n->children.size());
    }
    void endList() override { m_stack.pop_back(); }

private:
    struct Context {
        const Node* node;
        size_t cursor;
    };

    // The next child (no key: list elements in order), or the child with that key.
    const Node* take(const char* key)
    {
        Context& ctx = m_stack.back();
        const auto& kids = ctx.node->children;
        if (!key) {
            if (ctx.cursor >= kids.size())
                fail(QStringLiteral("a list ends too early"));
            return &kids[ctx.cursor++];
        }
        const QLatin1String k(key);
        // Fields usually come in the order they are read: look there first.
        for (size_t i = ctx.cursor; i < kids.size(); ++i)
            if (kids[i].key == k) {
                ctx.cursor = i + 1;
                return &kids[i];
            }
        for (size_t i = 0; i < ctx.cursor && i < kids.size(); ++i)
            if (kids[i].key == k)
                return &kids[i];
        return nullptr; // an absent field keeps its default
    }
    const Node* field(const char* tag, const char* key)
    {
        const Node* n = take(key);
        if (n && n->tag != QLatin1String(tag))
            fail(QStringLiteral("\"%1\" holds a %2 where a %3 belongs").arg(n->key, n->tag, QLatin1String(tag)));
        return n;
    }
    template <class T>
    void number(const char* tag, const char* key, T& v)
    {
        const Node* n = field(tag, key);
        if (!n)
            return;
        bool ok = false;
        const qint64 x = n->text.trimmed().toLongLong(&ok);
        if (!ok || x < qint64(std::numeric_limits<T>::min()) || x > qint64(std::numeric_limits<T>::max()))
            fail(QStringLiteral("\"%1\" is no %2 number: %3").arg(n->key, n->tag, n->text.left(40)));
        v = T(x);
    }
    qint64 toInt64(const Node& n)
    {
        bool ok = false;
        const qint64 x = n.text.trimmed().toLongLong(&ok);
        if (!ok)
            fail(QStringLiteral("\"%1\" is no number").arg(n.key));
        return x;
    }
    double toDouble(const Node& n)
    {
        bool ok = false;
        const double x = n.text.trimmed().toDouble(&ok);
        if (!ok)
            fail(QStringLiteral("\"%1\" is no number").arg(n.key));
        return x;
    }

    QHash<QString, int> m_versions;
    std::vector<Context> m_stack;
    QHash<QString, std::shared_ptr<Archivable>> m_objects;
};

[[noreturn]] void bad(const QString& why)
{
    throw ArchiveError(why);
}

void readNode(QXmlStreamReader& xml, Node& node, int depth)
{
    if (depth > kMaxDepth)
        bad(QStringLiteral("the objects are nested too deeply"));
    const auto attrs = xml.attributes();
    node.tag = xml.name().toString();
    node.key = attrs.value(QLatin1String("key")).toString();
    node.cls = attrs.value(QLatin1String("class")).toString();
    node.id = attrs.value(QLatin1String("id")).toString();
    node.isNull = attrs.value(QLatin1String("null")) == QLatin1String("1");
    node.base64 = attrs.value(QLatin1String("enc")) == QLatin1String("base64");
    node.name = attrs.value(QLatin1String("name")).toString();
    node.version = attrs.value(QLatin1String("version")).toInt();
    while (!xml.atEnd()) {
        const auto t = xml.readNext();
        if (t == QXmlStreamReader::StartElement) {
            node.children.emplace_back();
            readNode(xml, node.children.back(), depth + 1);
        } else if (t == QXmlStreamReader::Characters) {
            node.text += xml.text();
        } else if (t == QXmlStreamReader::EndElement) {
            return;
        }
    }
}
} // namespace

namespace KeyedArchive {

bool looksLikeKeyedArchive(const QByteArray& bytes)
{
    if (bytes.size() >= 8 && std::memcmp(bytes.constData(), kBinaryMagic, 8) == 0)
        return true;
    return bytes.left(200).contains("<kelvan-archive");
}

QByteArray write(const std::shared_ptr<Archivable>& root, Form form)
{
    KeyedWriter w;
    const QByteArray doc = w.document(root);
    if (form == Form::Xml)
        return doc;
    return QByteArray(kBinaryMagic, 8) + qCompress(doc, 6);
}

std::shared_ptr<Archivable> read(const QByteArray& input, const SequentialArchive::NewerVersionHandler& onNewer)
{
    if (input.isEmpty())
        bad(QStringLiteral("the file is empty"));
    QByteArray doc;
    if (input.size() >= 8 && std::memcmp(input.constData(), kBinaryMagic, 8) == 0) {
        const QByteArray packed = input.mid(8);
        // qCompress puts the unpacked size first; refuse absurd sizes before allocating.
        if (packed.size() < 4)
            bad(QStringLiteral("the file ends too early"));
        const quint32 size = (quint32(quint8(packed[0])) << 24) | (quint32(quint8(packed[1])) << 16)
                             | (quint32(quint8(packed[2])) << 8) | quint32(quint8(packed[3]));
        if (qsizetype(size) > kMaxUnpacked || qint64(size) > qint64(packed.size()) * 1100 + 1024)
            bad(QStringLiteral("the file is damaged (impossible size)"));
        doc = qUncompress(packed);
        if (doc.isEmpty())
            bad(QStringLiteral("the file is damaged (cannot be unpacked)"));
    } else {
        doc = input;
    }
    QXmlStreamReader xml(doc);
    Node top;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement) {
            if (xml.name() != QLatin1String("kelvan-archive"))
                bad(QStringLiteral("the file is no cellar archive"));
            readNode(xml, top, 0);
            break;
        }
    }
    if (xml.hasError())
        bad(QStringLiteral("the file is damaged (%1, line %2)").arg(xml.errorString()).arg(xml.lineNumber()));
    if (top.tag.isEmpty())
        bad(QStringLiteral("the file is no cellar archive"));
    QHash<QString, int> versions;
    for (const Node& child : top.children) {
        if (child.tag != QLatin1String("classes"))
            continue;
        for (const Node& c : child.children) {
            versions.insert(c.name, c.version);
            const int current = ClassRegistry::version(c.name);
            if (current > 0 && c.version > current && onNewer)
                onNewer(c.name, c.version, current);
        }
    }
    KeyedReader r(top, versions);
    std::shared_ptr<Archivable> root;
    r.ioObject("root", root);
    if (!root)
        bad(QStringLiteral("the file holds no data"));
    return root;
}

} // namespace KeyedArchive
