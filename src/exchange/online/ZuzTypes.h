#pragma once
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>
#include <optional>

// Plain values exchanged with the online wine database. They carry no model
// objects, so the protocol can be built and tested on its own; the callers map
// their wines and address forms onto them.

// The cellar owner as registered with the online database.
struct ZuzUser {
    QString firstName;
    QString name;
    QString email;
    QString language;
};

// One wine as the online database knows it: the keys of the wine upload and the
// fields of a wine search row, under the names of the wine's own fields.
// Names of odours, tastes and the grape travel as text; the caller resolves them.
struct ZuzWineRow {
    quint32 iDBwineID = 0;
    QString winename;
    int year = 0;
    int type = 0;
    int country = 0;
    int regio = 0;
    bool regioIsSystem = false; // uploaded only for a built-in region
    int area = 0;
    bool areaIsSystem = false;
    int classification = 0;
    bool classificationIsSystem = false;
    QString comment; // plain text
    int winespectator = 0, rovant = 0, vinum = 0;
    double custompoints = 0.0;
    QString customQuality;
    QString rebsorte; // grape name; empty when the cellar's grape list lacks the wine's grape
    int points = 0;
    bool supple = false, finesse = false, elegance = false, harmonious = false, rich = false,
         delicate = false, breed = false;
    int from = 0, best = 0, to = 0;
    int temperatur = 0, tempTo = 0;
    QString food;
    int quality = 0;
    double score = 0.0;
    QString customSight;
    int clarity = 0, colordepth = 0, sightcolor = 0, viscosity = 0, sightpoints = 0;
    bool unbestimmt = false, cloudyopaque = false;
    std::array<int, 5> sightcolorSecondary{};
    // Colour marks: read from search rows, not uploaded.
    bool amber = false, black = false, glanzhell = false, granat = false, perdrix = false,
         ruby = false, stroh = false, tawny = false, ziegelrot = false;
    QString customSmell;
    int appeal = 0, aroma = 0, bouquet = 0;
    QString odour, odourA; // names; empty when not set
    int smellpoints = 0;
    bool cedar = false, corky = false, woody = false, musty = false, flowery = false, peach = false,
         honey = false, lemon = false, spicy = false, smoky = false, pears = false, sulphury = false,
         roestarome = false;
    QString customTaste;
    int sweet = 0, tannin = 0, acidity = 0, body = 0, balance = 0, lenght = 0;
    QString taste, tasteA; // names; empty when not set
    int tastepoints = 0;
    bool appley = false, bitter = false, currants = false, caramel = false, earthy = false,
         tastespicy = false, silky = false, salty = false, nutty = false, mouldy = false,
         metallic = false, fleshy = false, flinty = false, green = false, heady = false,
         melow = false, flabby = false, flat = false, twoody = false;
    double price = 0.0; // of the first purchase; 0 without purchases
    QString currency;
    double marketvalue = 0.0;
    bool kosher = false, alcoholfree = false, barrique = false;
    double alcohol = 0.0, acid = 0.0, sugar = 0.0;
    QString barcode;
    QString winery; // organisation of the wine's winery; empty when unknown
};

// One row of a company search.
struct ZuzCompany {
    QString addressID;
    QString company;
    QString city;
    int country = 0;
    int region = 0; // within the country
    QString street;
    QString zip;
    QString email;
};

// One address fetched by its ID.
struct ZuzAddress {
    QString addressID;
    bool winery = false;
    bool supplier = false;
    QString company;
    QString street;
    QString zip;
    QString city;
    QString email;
    QString web;
    QString phone;
    QString fax;
    QString additional;
    int country = 0;        // 1-based position in the catalogue's ordered countries, 0 none
    int regionPosition = 0; // position in the region menu
    QString state;
};

// An address form to upload (the editor's address section, the address window).
struct ZuzAddressForm {
    QString company, additional, street, zip, city, phone, fax, email, web;
    QString note;                 // plain text, sent as "English"
    std::optional<QString> state; // set when an item other than the first is chosen
    int country = 0;              // ID of the chosen country; 0 for the first item
    int region = 0;               // ID of the chosen region; 0 for the first item
    bool winery = false;
    bool supplier = false;
};

// One line of the bulk address file; every value is sent.
struct ZuzBulkAddress {
    QString country, region, company, zip, city, street, state, phone, fax, web, email, english,
        countrystring, regionstring, area;
};
