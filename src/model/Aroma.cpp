#include "model/Aroma.h"
#include "platform/Coder.h"
#include "platform/Strings.h"

QString AromaNode::name() const
{
    return Strings::lookup("Aromas", m_name);
}

void AromaNode::archive(Coder& c)
{
    c.versionOf(className());
    c.io("nodeID", m_nodeID);
    c.io("on", m_on);
    c.io("name", m_name);
}

QString Aroma::typeName() const
{
    auto t = m_type.lock();
    return t ? t->name() : QString();
}

QString Aroma::groupName() const
{
    auto g = m_group.lock();
    return g ? g->name() : QString();
}

void Aroma::archive(Coder& c)
{
    AromaNode::archive(c);
    c.io("fault", m_fault);
}

std::shared_ptr<Aroma> AromaGroup::addAromaString(const QString& name)
{
    auto a = std::make_shared<Aroma>();
    a->setName(name);
    m_aromas.append(a);
    return a;
}

void AromaGroup::addAroma(const std::shared_ptr<Aroma>& aroma)
{
    if (aroma)
        m_aromas.append(aroma);
}

void AromaGroup::archive(Coder& c)
{
    AromaNode::archive(c);
    c.objects("aromas", m_aromas);
}

std::shared_ptr<AromaGroup> AromaType::addAromaGroupString(const QString& name)
{
    auto g = std::make_shared<AromaGroup>();
    g->setName(name);
    m_groups.append(g);
    return g;
}

void AromaType::archive(Coder& c)
{
    AromaNode::archive(c);
    c.objects("groups", m_groups);
}

void WineAroma::archive(Coder& c)
{
    c.versionOf(className());
    c.object("aroma", m_aroma);
    c.io("strength", m_strength);
    if (c.isReading() && m_strength > 6)
        m_strength = 6;
    c.io("comment", m_comment);
}
