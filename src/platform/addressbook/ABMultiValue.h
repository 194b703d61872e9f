#pragma once
#include <QList>
#include <QMetaType>
#include <QString>
#include <QVariant>

// An ordered list of labelled values (a person's phones, e-mails or postal
// addresses). Each entry has an identifier that stays with it while the list
// is edited; one entry is the primary one (the first when none was chosen).
// A plain value type: a person's property holds a copy.
class ABMultiValue {
public:
    int count() const { return int(m_entries.size()); }
    QVariant valueAtIndex(int index) const;
    QString labelAtIndex(int index) const;
    QString identifierAtIndex(int index) const;
    // -1 when no entry has the identifier.
    int indexForIdentifier(const QString& identifier) const;

    // Empty / -1 / invalid when the list is empty.
    QString primaryIdentifier() const;
    int primaryIndex() const;
    QVariant primaryValue() const;
    bool setPrimaryIdentifier(const QString& identifier);

    // Each returns the new entry's identifier.
    QString addValue(const QVariant& value, const QString& label);
    QString insertValue(const QVariant& value, const QString& label, int index);
    bool replaceValueAtIndex(int index, const QVariant& value);
    bool replaceLabelAtIndex(int index, const QString& label);
    bool removeValueAndLabelAtIndex(int index);

    // Equal values, labels and primary position; identifiers are not compared.
    bool operator==(const ABMultiValue& other) const;

private:
    friend class ABSearchElement; // reads entries in place while searching thousands of persons
    struct Entry {
        QString identifier;
        QString label;
        QVariant value;
    };
    bool valid(int index) const { return index >= 0 && index < count(); }
    QList<Entry> m_entries;
    QString m_primary;
};
// A value type: the mutable flavour is the same class.
using ABMutableMultiValue = ABMultiValue;

Q_DECLARE_METATYPE(ABMultiValue)
