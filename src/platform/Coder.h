#pragma once
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <stdexcept>

#include "platform/Archivable.h"

// Thrown when an archive cannot be read or written; the message is for the user.
class ArchiveError : public std::runtime_error {
public:
    explicit ArchiveError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};

// Moves fields between an object and an archive, in either direction. The keys
// name each field in the keyed (backup) form; the sequential form keeps only the order.
class Coder {
public:
    virtual ~Coder() = default;
    virtual bool isReading() const = 0;
    bool isWriting() const { return !isReading(); }

    // The version a class was stored at (reading) or its current version (writing).
    virtual int versionOf(const QString& className) = 0;

    virtual void io(const char* key, bool& v) = 0;
    virtual void io(const char* key, quint8& v) = 0;
    virtual void io(const char* key, qint16& v) = 0;
    virtual void io(const char* key, quint16& v) = 0;
    virtual void io(const char* key, qint32& v) = 0;
    virtual void io(const char* key, quint32& v) = 0;
    virtual void io(const char* key, qint64& v) = 0;
    virtual void io(const char* key, float& v) = 0;
    virtual void io(const char* key, double& v) = 0;
    virtual void io(const char* key, QString& v) = 0;
    virtual void io(const char* key, QByteArray& v) = 0;
    virtual void io(const char* key, QDate& v) = 0;
    virtual void io(const char* key, QDateTime& v) = 0;

    // An object reference: written once, later references point to it, so a shared
    // object stays shared after reading. Null is allowed.
    virtual void ioObject(const char* key, std::shared_ptr<Archivable>& object) = 0;

    // A list: when writing, count is the number of elements that follow; when
    // reading, count is set. Elements are moved with a null key in between.
    virtual void beginList(const char* key, qsizetype& count) = 0;
    virtual void endList() = 0;

    // Reports a damaged archive; never returns.
    [[noreturn]] virtual void fail(const QString& why);

    // ---- typed helpers

    template <class T>
    void object(const char* key, std::shared_ptr<T>& p)
    {
        std::shared_ptr<Archivable> a = p;
        ioObject(key, a);
        if (isReading()) {
            p = std::dynamic_pointer_cast<T>(a);
            if (a && !p)
                fail(QStringLiteral("an object of class %1 stands where \"%2\" belongs")
                         .arg(a->className(), QString::fromLatin1(key)));
        }
    }

    template <class T>
    void weak(const char* key, std::weak_ptr<T>& w)
    {
        std::shared_ptr<T> p = w.lock();
        object(key, p);
        if (isReading())
            w = p;
    }

    // A list of objects. Reading drops null entries: no list of the model holds one.
    template <class T>
    void objects(const char* key, QList<std::shared_ptr<T>>& list)
    {
        qsizetype n = list.size();
        beginList(key, n);
        if (isReading()) {
            QList<std::shared_ptr<T>> read;
            read.reserve(n);
            for (qsizetype i = 0; i < n; ++i) {
                std::shared_ptr<T> p;
                object(nullptr, p);
                if (p)
                    read.append(std::move(p));
            }
            list = std::move(read);
        } else {
            for (auto& p : list) {
                std::shared_ptr<T> copy = p;
                object(nullptr, copy);
            }
        }
        endList();
    }

    void strings(const char* key, QStringList& list)
    {
        qsizetype n = list.size();
        beginList(key, n);
        if (isReading()) {
            list.clear();
            list.reserve(n);
            for (qsizetype i = 0; i < n; ++i) {
                QString s;
                io(nullptr, s);
                list.append(s);
            }
        } else {
            for (QString& s : list)
                io(nullptr, s);
        }
        endList();
    }

    template <class Int>
    void values(const char* key, QList<Int>& list)
    {
        qsizetype n = list.size();
        beginList(key, n);
        if (isReading()) {
            list.clear();
            list.reserve(n);
            for (qsizetype i = 0; i < n; ++i) {
                Int v{};
                io(nullptr, v);
                list.append(v);
            }
        } else {
            for (Int& v : list)
                io(nullptr, v);
        }
        endList();
    }
};
