#pragma once
#include <QString>
#include <functional>
#include <memory>

class Coder;

// A class stored in the cellar database. It names its class (the name the archive
// records and the registry restores it by) and moves its fields through a Coder:
// one function serves writing and reading, so the order of fields can never differ.
class Archivable {
public:
    Archivable() = default;
    // Copies are new objects: the writer's mark stays with the original.
    Archivable(const Archivable&) {}
    Archivable& operator=(const Archivable&) { return *this; }
    virtual ~Archivable() = default;
    virtual QString className() const = 0;
    // Write or read the object's fields. When reading, c.versionOf(...) gives the
    // version the data was stored at; older layouts are read field by field.
    virtual void archive(Coder& c) = 0;

private:
    friend class SequentialWriter;
    // Set by the archive writer while it writes: which write saw this object
    // and under which index, so shared objects are found without a hash look-up.
    quint64 m_archiveMark = 0;
};

// Classes restored by name: each stored class registers a factory and its current
// version once (see registerArchivable).
class ClassRegistry {
public:
    using Factory = std::function<std::shared_ptr<Archivable>()>;
    static void add(const QString& className, int version, Factory factory);
    // Registers a class name with a version but no factory: a base part
    // (a class whose objects are always of a subclass) or a class read only.
    static void addVersion(const QString& className, int version);
    static std::shared_ptr<Archivable> create(const QString& className);
    // The factory of a class, empty when unknown: for readers that make many objects.
    static Factory factory(const QString& className);
    static bool knows(const QString& className);
    // The current version of a class; 0 when unknown.
    static int version(const QString& className);
};

// Registers class T under its name and version with its default constructor.
// Each library registers its classes from one function run once (static
// initialisers in a static library are dropped by the linker when unreferenced).
template <class T>
void registerArchivable(const QString& className, int version)
{
    ClassRegistry::add(className, version,
                       [] { return std::static_pointer_cast<Archivable>(std::make_shared<T>()); });
}
