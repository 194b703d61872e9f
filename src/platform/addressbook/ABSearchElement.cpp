#include "platform/addressbook/ABSearchElement.h"

#include "platform/addressbook/ABMultiValue.h"
#include "platform/addressbook/ABRecord.h"

namespace {
// The value held, without copying it; null when the variant holds another type.
template <class T>
const T* get_if(const QVariant* v)
{
    return v->metaType() == QMetaType::fromType<T>() ? static_cast<const T*>(v->constData()) : nullptr;
}
}

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
    const QVariant* value = record.valueReference(m_property);
    if (!value)
        return false;
    const auto* mv = get_if<ABMultiValue>(value);
    if (!mv)
        return m_label.isEmpty() && matchesValue(*value);
    for (const auto& entry : mv->m_entries)
        if ((m_label.isEmpty() || entry.label == m_label) && matchesValue(entry.value))
            return true;
    return false;
}

bool ABSearchElement::matchesValue(const QVariant& value) const
{
    if (const auto* text = get_if<QString>(&value))
        return m_key.isEmpty() && matchesText(*text);
    const auto* map = get_if<QVariantMap>(&value);
    if (!map)
        return m_key.isEmpty() && matchesText(value.toString());
    if (!m_key.isEmpty()) {
        const auto it = map->constFind(m_key);
        if (it == map->cend())
            return false;
        const auto* text = get_if<QString>(&*it);
        return text ? matchesText(*text) : matchesText(it->toString());
    }
    for (auto it = map->cbegin(); it != map->cend(); ++it)
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
    case ABSearchComparison::ContainsSubStringCaseInsensitive:
        return m_matcher.indexIn(text) >= 0;
    }
    return false;
}
