#pragma once
#include <QByteArray>
#include <QHash>
#include <QList>
#include <functional>

#include "platform/Coder.h"

// The sequential archive: the cellar database's own binary format.
//
//   "KVLNARCH"  magic, 8 bytes
//   u32         format version (1)
//   u32         number of classes, then per class: string name, i32 version
//   u64         body length      u32 CRC-32 of the body
//   body        the root object
//
// Integers are big-endian. An object reference is a byte: 0 null, 1 a reference
// to an object already read (u32 index), 2 a new object (u32 class index, then
// its fields). Strings are u32 byte count (0xFFFFFFFF for a null string) and UTF-8.
namespace SequentialArchive {
inline constexpr quint32 FormatVersion = 1;
QByteArray write(const std::shared_ptr<Archivable>& root);
// Called for each class stored at a version newer than this program knows;
// reading goes on after it.
using NewerVersionHandler = std::function<void(const QString& className, int stored, int current)>;
std::shared_ptr<Archivable> read(const QByteArray& bytes, const NewerVersionHandler& onNewer = {});
// True when the bytes start like a sequential archive.
bool looksLikeArchive(const QByteArray& bytes);
}

class SequentialWriter : public Coder {
public:
    SequentialWriter();
    ~SequentialWriter() override;
    QByteArray finish(const std::shared_ptr<Archivable>& root);

    bool isReading() const override { return false; }
    int versionOf(const QString& className) override;
    void io(const char* key, bool& v) override;
    void io(const char* key, quint8& v) override;
    void io(const char* key, qint16& v) override;
    void io(const char* key, quint16& v) override;
    void io(const char* key, qint32& v) override;
    void io(const char* key, quint32& v) override;
    void io(const char* key, qint64& v) override;
    void io(const char* key, float& v) override;
    void io(const char* key, double& v) override;
    void io(const char* key, QString& v) override;
    void io(const char* key, QByteArray& v) override;
    void io(const char* key, QDate& v) override;
    void io(const char* key, QDateTime& v) override;
    void ioObject(const char* key, std::shared_ptr<Archivable>& object) override;
    void beginList(const char* key, qsizetype& count) override;
    void endList() override {}

private:
    quint32 classIndex(const QString& name);
    template <class T> void put(T v);
    QByteArray m_body;
    QHash<const Archivable*, quint32> m_ids; // only when another writer holds the marks
    quint32 m_objectCount = 0;
    quint64 m_generation = 0;                  // 0: marks not ours, use m_ids
    QHash<QString, quint32> m_classIndex;
    QList<QPair<QString, int>> m_classes;
};

class SequentialReader : public Coder {
public:
    SequentialReader(const QByteArray& bytes, SequentialArchive::NewerVersionHandler onNewer);
    std::shared_ptr<Archivable> readRoot();

    bool isReading() const override { return true; }
    int versionOf(const QString& className) override;
    void io(const char* key, bool& v) override;
    void io(const char* key, quint8& v) override;
    void io(const char* key, qint16& v) override;
    void io(const char* key, quint16& v) override;
    void io(const char* key, qint32& v) override;
    void io(const char* key, quint32& v) override;
    void io(const char* key, qint64& v) override;
    void io(const char* key, float& v) override;
    void io(const char* key, double& v) override;
    void io(const char* key, QString& v) override;
    void io(const char* key, QByteArray& v) override;
    void io(const char* key, QDate& v) override;
    void io(const char* key, QDateTime& v) override;
    void ioObject(const char* key, std::shared_ptr<Archivable>& object) override;
    void beginList(const char* key, qsizetype& count) override;
    void endList() override {}

private:
    void need(qint64 n);
    template <class T> T take();
    QString takeString();
    const QByteArray& m_bytes;
    qint64 m_pos = 0;
    qint64 m_end = 0;
    int m_depth = 0;
    SequentialArchive::NewerVersionHandler m_onNewer;
    QList<QPair<QString, int>> m_classes;
    std::vector<ClassRegistry::Factory> m_factories; // per stored class, looked up once
    QHash<QString, int> m_storedVersions;
    QList<std::shared_ptr<Archivable>> m_objects;
    QHash<QByteArray, QString> m_shared;
};
