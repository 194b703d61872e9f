#include "platform/Archivable.h"
#include <QHash>
#include <mutex>

namespace {
struct Entry {
    int version = 0;
    ClassRegistry::Factory factory;
};
QHash<QString, Entry>& table()
{
    static QHash<QString, Entry> t;
    return t;
}
std::mutex& lock()
{
    static std::mutex m;
    return m;
}
}

void ClassRegistry::add(const QString& className, int version, Factory factory)
{
    std::lock_guard<std::mutex> g(lock());
    table().insert(className, Entry{version, std::move(factory)});
}

void ClassRegistry::addVersion(const QString& className, int version)
{
    std::lock_guard<std::mutex> g(lock());
    auto it = table().find(className);
    if (it == table().end())
        table().insert(className, Entry{version, {}});
    else
        it->version = version;
}

std::shared_ptr<Archivable> ClassRegistry::create(const QString& className)
{
    Factory f;
    {
        std::lock_guard<std::mutex> g(lock());
        auto it = table().constFind(className);
        if (it == table().constEnd() || !it->factory)
            return nullptr;
        f = it->factory;
    }
    return f();
}

ClassRegistry::Factory ClassRegistry::factory(const QString& className)
{
    std::lock_guard<std::mutex> g(lock());
    auto it = table().constFind(className);
    return it == table().constEnd() ? Factory() : it->factory;
}

bool ClassRegistry::knows(const QString& className)
{
    std::lock_guard<std::mutex> g(lock());
    auto it = table().constFind(className);
    return it != table().constEnd() && it->factory;
}

int ClassRegistry::version(const QString& className)
{
    std::lock_guard<std::mutex> g(lock());
    auto it = table().constFind(className);
    return it == table().constEnd() ? 0 : it->version;
}
