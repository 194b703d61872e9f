#pragma once
#include <QString>

class Settings;

// The application controller's settings: read from the user's settings at launch,
// changed in memory by their setters, written back at quit.
struct ControllerSettings {
    bool sendAddressToiDB = false;
    bool brushMetal = false;
    bool expertMode = true;        // stored inverted: unset means on
    bool isCheckForUpdate = false; // stored as "automaticUpdateCheck"
    QString uFirstName;
    QString uName;
    QString uEmail;
    QString uLanguage;
    bool useUBID = false;
    bool saveAutomatically = true; // stored inverted: unset means on
    bool saveAutomaticallyToPda = false;
    int deltaUBID = 250;
    int tempFromRed = 16, tempToRed = 18;
    int tempFromWhite = 10, tempToWhite = 12;
    int tempFromOther = 12, tempToOther = 16;
    int drinkDeltaFromRed = 2, drinkDeltaBestRed = 4, drinkDeltaToRed = 6;
    int drinkDeltaFromWhite = 1, drinkDeltaBestWhite = 2, drinkDeltaToWhite = 3;
    int drinkDeltaFromOther = 1, drinkDeltaBestOther = 2, drinkDeltaToOther = 3;
    quint16 displayModeUBIDlist = 0;
    bool isRSSReaderOpen = false;

    // Reads every key; an unset key reads as 0, NO or empty, a stored 0 of the
    // numbers with a default reads as that default.
    void read(const Settings& store);
    void write(Settings& store) const;
};
