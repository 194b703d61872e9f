#pragma once
#include <QString>
#include <QStringMatcher>
#include <QVariant>
#include <vector>

#include "platform/addressbook/ABConstants.h"

class ABRecord;

// A condition on a record's property, or a conjunction (And / Or) of such
// conditions. Made by ABPerson::searchElementForProperty and
// searchElementForConjunction; an And or Or over no children matches nothing.
class ABSearchElement {
public:
    static ABSearchElement searchElementForConjunction(ABSearchConjunction conjunction,
                                                       std::vector<ABSearchElement> children);
    bool matchesRecord(const ABRecord& record) const;

private:
    friend class ABPerson;
    ABSearchElement() = default;
    bool matchesValue(const QVariant& value) const;
    bool matchesText(const QString& text) const;

    bool m_isConjunction = false;
    ABSearchConjunction m_conjunction = ABSearchConjunction::And;
    std::vector<ABSearchElement> m_children;

    QString m_property, m_label, m_key, m_text;
    ABSearchComparison m_comparison = ABSearchComparison::Equal;
    QStringMatcher m_matcher; // for the substring comparisons
};
