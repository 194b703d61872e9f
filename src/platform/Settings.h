#pragma once
#include <QString>
#include <QVariant>
#include <memory>

class QSettings;

// The user's settings. Every key reads as 0, NO or empty while unset; a getter
// with a default replaces a stored 0 by that default. The switches "expertMode"
// and "saveAutomatically" are stored inverted, so that unset means on.
class Settings {
public:
    // Settings in the user's configuration folder.
    Settings();
    // Settings in the given INI file (tests, client folders).
    explicit Settings(const QString& iniPath);
    ~Settings();

    int intValue(const QString& key, int defaultForZero = 0) const;
    void setInt(const QString& key, int value);
    bool boolValue(const QString& key) const;
    void setBool(const QString& key, bool value);
    QString string(const QString& key) const;
    void setString(const QString& key, const QString& value);
    QVariant value(const QString& key) const;
    void setValue(const QString& key, const QVariant& value);
    bool contains(const QString& key) const;
    void remove(const QString& key);

    // Writes pending changes to disk; false when the store could not be written.
    bool sync();
    QString fileName() const;

    static bool isStoredInverted(const QString& key);

private:
    std::unique_ptr<QSettings> m_store;
};
