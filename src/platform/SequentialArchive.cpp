#include "platform/SequentialArchive.h"
#include "platform/Crc32.h"
#include <QtEndian>
#include <atomic>
#include <cstring>

namespace {
constexpr char kMagic[8] = {'K', 'V', 'L', 'N', 'A', 'R', 'C', 'H'};
constexpr quint32 kNullString = 0xFFFFFFFFu;
// Deep enough for any real cellar (groups within groups), shallow enough
// that a crafted file cannot exhaust the stack.
constexpr int kMaxDepth = 400;

template <class T>
void appendBig(QByteArray& out, T v)
{
    if constexpr (sizeof(T) == 1) {
        out.append(char(v));
    } else {
        char buf[sizeof(T)];
        qToBigEndian(v, buf);
        out.append(buf, sizeof(T));
    }
}

void appendString(QByteArray& out, const QString& s)
{
    if (s.isNull()) {
        appendBig<quint32>(out, kNullString);
        return;
    }
    const QByteArray utf8 = s.toUtf8();
    appendBig<quint32>(out, quint32(utf8.size()));
    out.append(utf8);
}
}

// ---------------------------------------------------------------- writing

namespace SequentialArchive {
QByteArray write(const std::shared_ptr<Archivable>& root)
{
    SequentialWriter w;
    return w.finish(root);
}

std::shared_ptr<Archivable> read(const QByteArray& bytes, const NewerVersionHandler& onNewer)
{
    SequentialReader r(bytes, onNewer);
    return r.readRoot();
}

bool looksLikeArchive(const QByteArray& bytes)
{
    return bytes.size() >= 8 && std::memcmp(bytes.constData(), kMagic, 8) == 0;
}
}

namespace {
std::atomic<quint64> g_generation{0};
std::atomic<bool> g_marksInUse{false};
}

SequentialWriter::SequentialWriter()
{
    bool expected = false;
    if (g_marksInUse.compare_exchange_strong(expected, true))
        m_generation = ++g_generation;
}

SequentialWriter::~SequentialWriter()
{
    if (m_generation != 0)
        g_marksInUse.store(false);
}

template <class T>
void SequentialWriter::put(T v)
{
    // Straight into the buffer: QByteArray::append costs more than the copy.
    if (m_body.capacity() - m_body.size() < qsizetype(sizeof(T)))
        m_body.reserve(qMax<qsizetype>(m_body.capacity() * 2, 1 << 16));
    const qsizetype at = m_body.size();
    m_body.resize(at + qsizetype(sizeof(T)));
    if constexpr (sizeof(T) == 1)
        m_body.data()[at] = char(v);
    else
        qToBigEndian(v, m_body.data() + at);
}

QByteArray SequentialWriter::finish(const std::shared_ptr<Archivable>& root)
{
    m_body.reserve(1 << 16);
    std::shared_ptr<Archivable> r = root;
    ioObject("root", r);
    QByteArray out;
    out.reserve(m_body.size() + 1024);
    out.append(kMagic, 8);
    appendBig<quint32>(out, SequentialArchive::FormatVersion);
    appendBig<quint32>(out, quint32(m_classes.size()));
    for (const auto& c : m_classes) {
        appendString(out, c.first);
        appendBig<qint32>(out, c.second);
    }
    appendBig<quint64>(out, quint64(m_body.size()));
    appendBig<quint32>(out, crc32(m_body));
    out.append(m_body);
    return out;
}

quint32 SequentialWriter::classIndex(const QString& name)
{
    auto it = m_classIndex.constFind(name);
    if (it != m_classIndex.constEnd())
        return *it;
    const quint32 index = quint32(m_classes.size());
    m_classes.append({name, ClassRegistry::version(name)});
    m_classIndex.insert(name, index);
    return index;
}

int SequentialWriter::versionOf(const QString& className)
{
    classIndex(className);
    return ClassRegistry::version(className);
}

void SequentialWriter::io(const char*, bool& v) { put<quint8>(v ? 1 : 0); }
void SequentialWriter::io(const char*, quint8& v) { put<quint8>(v); }
void SequentialWriter::io(const char*, qint16& v) { put<qint16>(v); }
void SequentialWriter::io(const char*, quint16& v) { put<quint16>(v); }
void SequentialWriter::io(const char*, qint32& v) { put<qint32>(v); }
void SequentialWriter::io(const char*, quint32& v) { put<quint32>(v); }
void SequentialWriter::io(const char*, qint64& v) { put<qint64>(v); }
void SequentialWriter::io(const char*, float& v)
{
    quint32 bits;
    std::memcpy(&bits, &v, 4);
    put<quint32>(bits);
}
void SequentialWriter::io(const char*, double& v)
{
    quint64 bits;
    std::memcpy(&bits, &v, 8);
    put<quint64>(bits);
}
void SequentialWriter::io(const char*, QString& v) { appendString(m_body, v); }
void SequentialWriter::io(const char*, QByteArray& v)
{
    put<quint32>(quint32(v.size()));
    m_body.append(v);
}
void SequentialWriter::io(const char*, QDate& v)
{
    put<quint8>(v.isValid() ? 1 : 0);
    if (v.isValid())
        put<qint64>(v.toJulianDay());
}
void SequentialWriter::io(const char*, QDateTime& v)
{
    put<quint8>(v.isValid() ? 1 : 0);
    if (v.isValid())
        put<qint64>(v.toMSecsSinceEpoch());
}

void SequentialWriter::ioObject(const char*, std::shared_ptr<Archivable>& object)
{
    if (!object) {
        put<quint8>(0);
        return;
    }
    Archivable* obj = object.get();
    if (m_generation != 0) {
        if ((obj->m_archiveMark >> 32) == m_generation) {
            put<quint8>(1);
            put<quint32>(quint32(obj->m_archiveMark & 0xFFFFFFFFu));
            return;
        }
        obj->m_archiveMark = (m_generation << 32) | m_objectCount;
    } else {
        auto it = m_ids.constFind(obj);
        if (it != m_ids.constEnd()) {
            put<quint8>(1);
            put<quint32>(*it);
            return;
        }
        m_ids.insert(obj, m_objectCount);
    }
    ++m_objectCount;
    put<quint8>(2);
    put<quint32>(classIndex(object->className()));
    object->archive(*this);
}

void SequentialWriter::beginList(const char*, qsizetype& count)
{
    put<quint32>(quint32(count));
}

// ---------------------------------------------------------------- reading

SequentialReader::SequentialReader(const QByteArray& bytes,
                                   SequentialArchive::NewerVersionHandler onNewer)
    : m_bytes(bytes), m_end(bytes.size()), m_onNewer(std::move(onNewer))
{
}

void SequentialReader::need(qint64 n)
{
    if (n < 0 || n > m_end - m_pos)
        fail(QStringLiteral("the file ends too early"));
}

template <class T>
T SequentialReader::take()
{
    need(sizeof(T));
    T v = qFromBigEndian<T>(m_bytes.constData() + m_pos);
    m_pos += sizeof(T);
    return v;
}

QString SequentialReader::takeString()
{
    const quint32 n = take<quint32>();
    if (n == kNullString)
        return QString();
    need(n);
    const char* at = m_bytes.constData() + m_pos;
    m_pos += n;
    // Short texts repeat a lot in a cellar (currencies, suppliers, occasions):
    // equal ones share one string, which saves memory and allocations.
    constexpr quint32 kShort = 48;
    constexpr qsizetype kMaxShared = 65536;
    if (n == 0 || n > kShort)
        return QString::fromUtf8(at, qsizetype(n));
    const QByteArray key = QByteArray::fromRawData(at, qsizetype(n));
    auto it = m_shared.constFind(key);
    if (it != m_shared.constEnd())
        return *it;
    QString s = QString::fromUtf8(at, qsizetype(n));
    if (m_shared.size() < kMaxShared)
        m_shared.insert(QByteArray(at, qsizetype(n)), s);
    return s;
}

std::shared_ptr<Archivable> SequentialReader::readRoot()
{
    if (m_bytes.isEmpty())
        fail(QStringLiteral("the file is empty"));
    if (!SequentialArchive::looksLikeArchive(m_bytes))
        fail(QStringLiteral("the file is no cellar archive"));
    m_pos = 8;
    const quint32 format = take<quint32>();
    if (format > SequentialArchive::FormatVersion)
        fail(QStringLiteral("the file was written in a newer format (%1)").arg(format));
    const quint32 classes = take<quint32>();
    // Each class entry takes at least 8 bytes.
    need(qint64(classes) * 8);
    for (quint32 i = 0; i < classes; ++i) {
        const QString name = takeString();
        const qint32 version = take<qint32>();
        m_classes.append({name, version});
        m_factories.push_back(ClassRegistry::factory(name));
        m_storedVersions.insert(name, version);
        const int current = ClassRegistry::version(name);
        if (current > 0 && version > current && m_onNewer)
            m_onNewer(name, version, current);
    }
    const quint64 length = take<quint64>();
    const quint32 crc = take<quint32>();
    if (length != quint64(m_end - m_pos))
        fail(length > quint64(m_end - m_pos) ? QStringLiteral("the file ends too early")
                                             : QStringLiteral("the file has stray bytes at its end"));
#ifndef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
    // (a fuzzer could never get past the checksum, so its builds skip it)
    if (crc32(QByteArrayView(m_bytes.constData() + m_pos, qsizetype(length))) != crc)
        fail(QStringLiteral("the file is damaged (checksum mismatch)"));
#else
    Q_UNUSED(crc);
#endif
    std::shared_ptr<Archivable> root;
    ioObject("root", root);
    if (!root)
        fail(QStringLiteral("the file holds no data"));
    return root;
}

int SequentialReader::versionOf(const QString& className)
{
    auto it = m_storedVersions.constFind(className);
    if (it != m_storedVersions.constEnd())
        return *it;
    return ClassRegistry::version(className);
}

void SequentialReader::io(const char*, bool& v)
{
    const quint8 b = take<quint8>();
    if (b > 1)
        fail(QStringLiteral("a flag holds %1").arg(b));
    v = b != 0;
}
void SequentialReader::io(const char*, quint8& v) { v = take<quint8>(); }
void SequentialReader::io(const char*, qint16& v) { v = take<qint16>(); }
void SequentialReader::io(const char*, quint16& v) { v = take<quint16>(); }
void SequentialReader::io(const char*, qint32& v) { v = take<qint32>(); }
void SequentialReader::io(const char*, quint32& v) { v = take<quint32>(); }
void SequentialReader::io(const char*, qint64& v) { v = take<qint64>(); }
void SequentialReader::io(const char*, float& v)
{
    const quint32 bits = take<quint32>();
    std::memcpy(&v, &bits, 4);
}
void SequentialReader::io(const char*, double& v)
{
    const quint64 bits = take<quint64>();
    std::memcpy(&v, &bits, 8);
}
void SequentialReader::io(const char*, QString& v) { v = takeString(); }
void SequentialReader::io(const char*, QByteArray& v)
{
    const quint32 n = take<quint32>();
    need(n);
    v = QByteArray(m_bytes.constData() + m_pos, qsizetype(n));
    m_pos += n;
}
void SequentialReader::io(const char*, QDate& v)
{
    if (take<quint8>() == 0) {
        v = QDate();
        return;
    }
    v = QDate::fromJulianDay(take<qint64>());
}
void SequentialReader::io(const char*, QDateTime& v)
{
    if (take<quint8>() == 0) {
        v = QDateTime();
        return;
    }
    v = QDateTime::fromMSecsSinceEpoch(take<qint64>(), Qt::UTC);
}

void SequentialReader::ioObject(const char*, std::shared_ptr<Archivable>& object)
{
    const quint8 kind = take<quint8>();
    if (kind == 0) {
        object.reset();
        return;
    }
    if (kind == 1) {
        const quint32 id = take<quint32>();
        if (id >= quint32(m_objects.size()))
            fail(QStringLiteral("a reference points to no object"));
        object = m_objects.at(id);
        return;
    }
    if (kind != 2)
        fail(QStringLiteral("an object reference is damaged"));
    const quint32 cls = take<quint32>();
    if (cls >= quint32(m_classes.size()))
        fail(QStringLiteral("an object names no stored class"));
    const QString& name = m_classes.at(cls).first;
    const auto& make = m_factories[cls];
    object = make ? make() : nullptr;
    if (!object)
        fail(QStringLiteral("the file holds objects of the unknown class \"%1\"").arg(name));
    if (++m_depth > kMaxDepth)
        fail(QStringLiteral("the objects are nested too deeply"));
    // Registered before its fields are read, so references back to it resolve.
    m_objects.append(object);
    object->archive(*this);
    --m_depth;
}

void SequentialReader::beginList(const char*, qsizetype& count)
{
    const quint32 n = take<quint32>();
    // Every element takes at least one byte: a larger count is damage, and
    // checking it here keeps a bad count from reserving huge memory.
    need(n);
    count = qsizetype(n);
}
