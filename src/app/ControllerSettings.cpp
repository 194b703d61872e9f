#include "app/ControllerSettings.h"
#include "platform/Settings.h"

namespace {
// The keys and their defaults for a stored 0, in one table so reading and writing agree.
struct IntKey {
    const char* key;
    int ControllerSettings::*field;
    int defaultForZero;
};
constexpr IntKey kInts[] = {
    {"deltaUBID", &ControllerSettings::deltaUBID, 250},
    {"tempFromRed", &ControllerSettings::tempFromRed, 16},
    {"tempToRed", &ControllerSettings::tempToRed, 18},
    {"tempFromWhite", &ControllerSettings::tempFromWhite, 10},
    {"tempToWhite", &ControllerSettings::tempToWhite, 12},
    {"tempFromOther", &ControllerSettings::tempFromOther, 12},
    {"tempToOther", &ControllerSettings::tempToOther, 16},
    {"drinkDeltaFromRed", &ControllerSettings::drinkDeltaFromRed, 2},
    {"drinkDeltaBestRed", &ControllerSettings::drinkDeltaBestRed, 4},
    {"drinkDeltaToRed", &ControllerSettings::drinkDeltaToRed, 6},
    {"drinkDeltaFromWhite", &ControllerSettings::drinkDeltaFromWhite, 1},
    {"drinkDeltaBestWhite", &ControllerSettings::drinkDeltaBestWhite, 2},
    {"drinkDeltaToWhite", &ControllerSettings::drinkDeltaToWhite, 3},
    {"drinkDeltaFromOther", &ControllerSettings::drinkDeltaFromOther, 1},
    {"drinkDeltaBestOther", &ControllerSettings::drinkDeltaBestOther, 2},
    {"drinkDeltaToOther", &ControllerSettings::drinkDeltaToOther, 3},
};

struct BoolKey {
    const char* key;
    bool ControllerSettings::*field;
};
// "expertMode" and "saveAutomatically" are inverted by the settings store itself.
constexpr BoolKey kBools[] = {
    {"KelvansendAddressToiDB", &ControllerSettings::sendAddressToiDB},
    {"brushMetal", &ControllerSettings::brushMetal},
    {"expertMode", &ControllerSettings::expertMode},
    {"automaticUpdateCheck", &ControllerSettings::isCheckForUpdate},
    {"useUBID", &ControllerSettings::useUBID},
    {"saveAutomatically", &ControllerSettings::saveAutomatically},
    {"saveAutomaticallyToPda", &ControllerSettings::saveAutomaticallyToPda},
    {"isRSSReaderOpen", &ControllerSettings::isRSSReaderOpen},
};

struct StringKey {
    const char* key;
    QString ControllerSettings::*field;
};
constexpr StringKey kStrings[] = {
    {"uFirstName", &ControllerSettings::uFirstName},
    {"uName", &ControllerSettings::uName},
    {"uEmail", &ControllerSettings::uEmail},
    {"uLanguage", &ControllerSettings::uLanguage},
};
}

void ControllerSettings::read(const Settings& store)
{
    for (const IntKey& k : kInts)
        this->*k.field = store.intValue(QLatin1String(k.key), k.defaultForZero);
    for (const BoolKey& k : kBools)
        this->*k.field = store.boolValue(QLatin1String(k.key));
    for (const StringKey& k : kStrings)
        this->*k.field = store.string(QLatin1String(k.key));
    displayModeUBIDlist = quint16(qBound(0, store.intValue(QStringLiteral("displayModeUBIDlist")), 0xFFFF));
}

void ControllerSettings::write(Settings& store) const
{
    for (const IntKey& k : kInts)
        store.setInt(QLatin1String(k.key), this->*k.field);
    for (const BoolKey& k : kBools)
        store.setBool(QLatin1String(k.key), this->*k.field);
    for (const StringKey& k : kStrings)
        store.setString(QLatin1String(k.key), this->*k.field);
    store.setInt(QStringLiteral("displayModeUBIDlist"), displayModeUBIDlist);
}
