#include "platform/Settings.h"
#include <QSettings>

Settings::Settings()
    : m_store(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                          QStringLiteral("Kelvan"), QStringLiteral("Kelvan")))
{
}

Settings::Settings(const QString& iniPath)
    : m_store(std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{
}

Settings::~Settings() = default;

bool Settings::isStoredInverted(const QString& key)
{
    return key == QLatin1String("expertMode") || key == QLatin1String("saveAutomatically");
}

QVariant Settings::value(const QString& key) const
{
    return m_store->value(key);
}

void Settings::setValue(const QString& key, const QVariant& value)
{
    m_store->setValue(key, value);
}

bool Settings::contains(const QString& key) const
{
    return m_store->contains(key);
}

void Settings::remove(const QString& key)
{
    m_store->remove(key);
}

int Settings::intValue(const QString& key, int defaultForZero) const
{
    bool ok = false;
    const int stored = m_store->value(key).toInt(&ok);
    if (!ok || stored == 0)
        return defaultForZero;
    return stored;
}

void Settings::setInt(const QString& key, int value)
{
    m_store->setValue(key, value);
}

bool Settings::boolValue(const QString& key) const
{
    const QVariant v = m_store->value(key);
    bool stored = false;
    if (v.isValid()) {
        const QString s = v.toString().trimmed().toLower();
        stored = s == QLatin1String("true") || s == QLatin1String("yes") || s.toInt() != 0;
    }
    return isStoredInverted(key) ? !stored : stored;
}

void Settings::setBool(const QString& key, bool value)
{
    m_store->setValue(key, isStoredInverted(key) ? !value : value);
}

QString Settings::string(const QString& key) const
{
    return m_store->value(key).toString();
}

void Settings::setString(const QString& key, const QString& value)
{
    m_store->setValue(key, value);
}

bool Settings::sync()
{
    m_store->sync();
    return m_store->status() == QSettings::NoError;
}

QString Settings::fileName() const
{
    return m_store->fileName();
}
