#pragma once
#include <QLocale>
#include <clocale>
#include <string>

// Switches the process and Qt to a German locale (decimal comma) for a scope, so
// tests can show that the protocol writes and reads numbers in the C form.
class GermanLocale {
public:
    GermanLocale()
    {
        const char* old = std::setlocale(LC_ALL, nullptr);
        m_oldC = old ? old : "C";
        m_active = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr
                   || std::setlocale(LC_ALL, "de_DE.utf8") != nullptr;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    ~GermanLocale()
    {
        std::setlocale(LC_ALL, m_oldC.c_str());
        QLocale::setDefault(m_oldQt);
    }
    // false when the system lacks the German locale (only Qt's default changed)
    bool active() const { return m_active; }

private:
    std::string m_oldC;
    QLocale m_oldQt;
    bool m_active = false;
};
