#include "model/VocabularyEntry.h"
#include "model/Aroma.h"
#include "platform/Coder.h"

void VocabularyEntry::archive(Coder& c)
{
    c.versionOf(className());
    c.io("entryID", m_entryID);
    c.io("name", m_name);
    c.io("description", m_description);
}

void Grape::archive(Coder& c)
{
    VocabularyEntry::archive(c);
    c.io("on", m_on);
    c.objects("aromas", m_aromas);
}
