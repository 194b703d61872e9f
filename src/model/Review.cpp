#include "model/Review.h"
#include "platform/Coder.h"

void Review::archive(Coder& c)
{
    c.versionOf(className());
    c.io("rvReview", m_rvReview);
    c.io("rvJournal", m_rvJournal);
    c.io("rvEdition", m_rvEdition);
    c.io("rvAuthor", m_rvAuthor);
    c.io("rvScore", m_rvScore);
    c.io("rvOutOf", m_rvOutOf);
}
