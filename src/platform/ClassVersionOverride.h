#pragma once
#include "platform/Archivable.h"

// Writes a class at another version for the lifetime of a scope: how tests
// produce the archives of older (or newer) programs.
class ClassVersionOverride {
public:
    ClassVersionOverride(const QString& className, int version)
        : m_className(className), m_previous(ClassRegistry::version(className))
    {
        ClassRegistry::addVersion(className, version);
    }
    ~ClassVersionOverride() { ClassRegistry::addVersion(m_className, m_previous); }
    ClassVersionOverride(const ClassVersionOverride&) = delete;
    ClassVersionOverride& operator=(const ClassVersionOverride&) = delete;

private:
    QString m_className;
    int m_previous;
};
