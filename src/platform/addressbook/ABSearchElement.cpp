#include "platform/addressbook/ABSearchElement.h"

#include "platform/addressbook/ABMultiValue.h"
#include "platform/addressbook/ABRecord.h"

ABSearchElement ABSearchElement::searchElementForConjunction(ABSearchConjunction conjunction,
                                                             std::vector<ABSearchElement> children)
{
    ABSearchElement e;
    e.m_isConjunction = true;
    e.m_conjunction = conjunction;
    e.m_children = std::move(children);
    return e;
}

bool ABSearchElement::matchesRecord(const ABRecord& record) const
{
    if (m_isConjunction) {
        if (m_children.empty())
            return false;
        const bool wantAll = m_conjunction == ABSearchConjunction::And;
        for (const ABSearchElement& child : m_children)
            if (child.matchesRecord(record) != wantAll)
                return !wantAll;
        return wantAll;
    }
    const QVariant value = record.valueForProperty(m_property);
    if (!value.isValid())
        return false;
    if (value.metaType() != QMetaType::fromType<ABMultiValue>())
        return m_label.isEmpty() && matchesValue(value);
    const ABMultiValue mv = value.value<ABMultiValue>();
    for (int i = 0; i < mv.count(); ++i)
        if ((m_label.isEmpty() || mv.labelAtIndex(i) == m_label) && matchesValue(mv.valueAtIndex(i)))
            return true;
    return false;
}

bool ABSearchElement::matchesValue(const QVariant& value) const
{
    if (value.metaType() != QMetaType::fromType<QVariantMap>())
        return m_key.isEmpty() && matchesText(value.toString());
    const QVariantMap map = value.toMap();
    if (!m_key.isEmpty())
        return map.contains(m_key) && matchesText(map.value(m_key).toString());
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        if (matchesText(it.value().toString()))
            return true;
    return false;
}

bool ABSearchElement::matchesText(const QString& text) const
{
    switch (m_comparison) {
    case ABSearchComparison::Equal:
        return text == m_text;
    case ABSearchComparison::EqualCaseInsensitive:
        return text.compare(m_text, Qt::CaseInsensitive) == 0;
    case ABSearchComparison::ContainsSubString:
        return text.contains(m_text);
    case ABSearchComparison::ContainsSubStringCaseInsensitive:
        return text.contains(m_text, Qt::CaseInsensitive);
    }
    return false;
}
