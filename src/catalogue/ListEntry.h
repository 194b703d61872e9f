#pragma once
#include <QString>

#include "platform/Archivable.h"

// An entry of one of the catalogue's flat lists (wine types, bottle sizes):
// a name, whether it is offered, and its 1-based ID.
class ListEntry : public Archivable {
public:
    QString name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }
    bool on() const { return m_on; }
    void setOn(bool on) { m_on = on; }
    quint16 typeID() const { return m_typeID; }
    void setTypeID(quint16 id) { m_typeID = id; }

protected:
    void archiveFields(Coder& c);

private:
    QString m_name = QStringLiteral("");
    bool m_on = true;
    quint16 m_typeID = 0;
};
