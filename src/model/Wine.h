#pragma once
#include <QByteArray>
#include <QDate>
#include <QList>
#include "model/Property.h"
#include "platform/Archivable.h"

class Appelation;
class CellarBook;
class WineInfos;
class Grape;
class KVNAddress;
class Odour;
class Purchase;
class Review;
class Taste;
class Used;
class WineAroma;

// The simple stored fields of a wine, each with a getter of its own name and a
// plain setter. The order of these lists is the order of the stored fields.
#define KV_WINE_STRINGS(X)                                                                \
    X(winename, setWinename) X(customQuality, setCustomQuality) X(food, setFood)          \
    X(customSight, setCustomSight) X(customSmell, setCustomSmell)                         \
    X(customTaste, setCustomTaste) X(currency, setCurrency) X(barcode, setBarcode)        \
    X(appelationString, setAppelationString) X(winery, setWinery) X(place, setPlace)

#define KV_WINE_U32(X)                                                                    \
    X(points, setPoints) X(sightpoints, setSightpoints) X(smellpoints, setSmellpoints)    \
    X(tastepoints, setTastepoints) X(purchaseNumber, setPurchaseNumber)                   \
    X(iDBwineID, setIDBwineID)

#define KV_WINE_S32(X)                                                                    \
    X(stockbalance, setStockbalance) X(bubblesSize, setBubblesSize)                       \
    X(bubblesTime, setBubblesTime) X(bubblesIntensity, setBubblesIntensity)               \
    X(potenzial, setPotenzial)

#define KV_WINE_U16(X)                                                                    \
    X(year, setYear) X(type, setType) X(area, setArea)                                    \
    X(classification, setClassification) X(temperatur, setTemperatur) X(tempTo, setTempTo) \
    X(winespectator, setWinespectator) X(rovant, setRovant) X(vinum, setVinum)            \
    X(quality, setQuality) X(clarity, setClarity) X(colordepth, setColordepth)            \
    X(sightcolor, setSightcolor) X(viscosity, setViscosity) X(appeal, setAppeal)          \
    X(aroma, setAroma) X(bouquet, setBouquet) X(sweet, setSweet) X(tannin, setTannin)     \
    X(acidity, setAcidity) X(body, setBody) X(balance, setBalance) X(lenght, setLenght)   \
    X(internetSource, setInternetSource)

#define KV_WINE_FLOATS(X)                                                                 \
    X(custompoints, setCustompoints) X(score, setScore) X(marketvalue, setMarketvalue)    \
    X(alcohol, setAlcohol) X(acid, setAcid) X(sugar, setSugar)                            \
    X(retailbottlePrice, setRetailbottlePrice) X(retailPrice, setRetailPrice)

// Qualities and the tasting sheet's check boxes.
#define KV_WINE_FLAGS(X)                                                                  \
    X(supple, setSupple) X(finesse, setFinesse) X(elegance, setElegance)                  \
    X(harmonious, setHarmonious) X(rich, setRich) X(delicate, setDelicate)                \
    X(breed, setBreed) X(cloudyopaque, setCloudyopaque) X(kosher, setKosher)              \
    X(alcoholfree, setAlcoholfree) X(barrique, setBarrique) X(retailBottle, setRetailBottle) \
    X(retailGlass, setRetailGlass)                                                        \
    X(unbestimmt, setUnbestimmt) X(amber, setAmber) X(black, setBlack)                    \
    X(glanzhell, setGlanzhell) X(granat, setGranat) X(perdrix, setPerdrix) X(ruby, setRuby) \
    X(stroh, setStroh) X(tawny, setTawny) X(ziegelrot, setZiegelrot)                      \
    X(cedar, setCedar) X(corky, setCorky) X(woody, setWoody) X(musty, setMusty)           \
    X(flowery, setFlowery) X(peach, setPeach) X(honey, setHoney) X(lemon, setLemon)       \
    X(spicy, setSpicy) X(smoky, setSmoky) X(pears, setPears) X(sulphury, setSulphury)     \
    X(roestarome, setRoestarome)                                                          \
    X(appley, setAppley) X(bitter, setBitter) X(currants, setCurrants) X(caramel, setCaramel) \
    X(earthy, setEarthy) X(tastespicy, setTastespicy) X(silky, setSilky) X(salty, setSalty) \
    X(nutty, setNutty) X(mouldy, setMouldy) X(metallic, setMetallic) X(fleshy, setFleshy) \
    X(flinty, setFlinty) X(green, setGreen) X(heady, setHeady) X(melow, setMelow)         \
    X(flabby, setFlabby) X(flat, setFlat) X(twoody, setTwoody)

// One wine with all its records. It refers to the catalogue by IDs only.
class Wine : public Archivable {
public:
    static constexpr int Version = 9;
    static constexpr int SecondaryColours = 5;

    Wine();
    // A wine without the dated defaults, for the archive reader to fill: it
    // avoids asking the clock (and the time zone) once per stored wine.
    enum BlankTag { Blank };
    explicit Wine(BlankTag);
    ~Wine() override;
    QString className() const override { return QStringLiteral("Wine"); }
    void archive(Coder& c) override;

    // The cellar book that wines ask for places and identifiers; set once at launch.
    static void setCellarBook(CellarBook* book);
    static CellarBook* cellarBook();
    // The catalogue the wines' IDs refer to; without one set, the cellar book's.
    static void setWineInfos(WineInfos* infos);
    static WineInfos* wineInfos();

#define KV_DECL_STRING(n, s) KV_PROPERTY(QString, n, s)
#define KV_DECL_U32(n, s) KV_VALUE(quint32, n, s, 0)
#define KV_DECL_S32(n, s) KV_VALUE(qint32, n, s, 0)
#define KV_DECL_U16(n, s) KV_VALUE(quint16, n, s, 0)
#define KV_DECL_FLOAT(n, s) KV_VALUE(float, n, s, 0.0f)
#define KV_DECL_FLAG(n, s) KV_VALUE(bool, n, s, false)
    KV_WINE_STRINGS(KV_DECL_STRING)
    KV_WINE_U32(KV_DECL_U32)
    KV_WINE_S32(KV_DECL_S32)
    KV_WINE_U16(KV_DECL_U16)
    KV_WINE_FLOATS(KV_DECL_FLOAT)
    KV_WINE_FLAGS(KV_DECL_FLAG)
#undef KV_DECL_STRING
#undef KV_DECL_U32
#undef KV_DECL_S32
#undef KV_DECL_U16
#undef KV_DECL_FLOAT
#undef KV_DECL_FLAG

public:
    quint32 wineID() const { return m_wineID; }
    // Given by the cellar book only.
    void setWineID(quint32 id) { m_wineID = id; }

    quint16 country() const { return m_country; }
    quint16 regio() const { return m_regio; }
    // A negative value is ignored; a region is taken only while a country is set.
    void setCountry(int id);
    void setRegio(int id);

    quint16 from() const { return m_from; }
    quint16 best() const { return m_best; }
    quint16 to() const { return m_to; }
    // A 0 is ignored; the other two years are filled with the given one while they are 0.
    void setFrom(quint16 year);
    void setBest(quint16 year);
    void setTo(quint16 year);

    // The comment: rich text in its stored form (or a plain string from older cellars).
    const QByteArray& comment() const { return m_comment; }
    void setComment(const QByteArray& stored) { m_comment = stored; }
    // Appends text to the rich-text comment.
    void appendComment(const QString& text);
    QDate tastingDate() const { return m_tastingDate; }
    void setTastingDate(const QDate& d) { m_tastingDate = d; }

    std::shared_ptr<Grape> rebsorte() const { return m_rebsorte; }
    void setRebsorte(const std::shared_ptr<Grape>& g) { m_rebsorte = g; }
    std::shared_ptr<Odour> odour() const { return m_odour; }
    void setOdour(const std::shared_ptr<Odour>& o) { m_odour = o; }
    std::shared_ptr<Odour> odourA() const { return m_odourA; }
    void setOdourA(const std::shared_ptr<Odour>& o) { m_odourA = o; }
    std::shared_ptr<Taste> taste() const { return m_taste; }
    void setTaste(const std::shared_ptr<Taste>& t) { m_taste = t; }
    std::shared_ptr<Taste> tasteA() const { return m_tasteA; }
    void setTasteA(const std::shared_ptr<Taste>& t) { m_tasteA = t; }
    std::shared_ptr<Appelation> appelation() const { return m_appelation; }
    void setAppelation(const std::shared_ptr<Appelation>& a) { m_appelation = a; }
    std::shared_ptr<KVNAddress> internAddress() const { return m_internAddress; }
    void setInternAddress(const std::shared_ptr<KVNAddress>& a) { m_internAddress = a; }

    // Five indexes of secondary sight colours.
    QList<qint32>& sightcolorSecondary() { return m_sightcolorSecondary; }
    const QList<qint32>& sightcolorSecondary() const { return m_sightcolorSecondary; }
    QList<std::shared_ptr<WineAroma>>& smellAromas() { return m_smellAromas; }
    const QList<std::shared_ptr<WineAroma>>& smellAromas() const { return m_smellAromas; }
    QList<std::shared_ptr<WineAroma>>& tasteAromas() { return m_tasteAromas; }
    const QList<std::shared_ptr<WineAroma>>& tasteAromas() const { return m_tasteAromas; }
    QList<std::shared_ptr<Purchase>>& purchases() { return m_purchases; }
    const QList<std::shared_ptr<Purchase>>& purchases() const { return m_purchases; }
    QList<std::shared_ptr<Used>>& used() { return m_used; }
    const QList<std::shared_ptr<Used>>& used() const { return m_used; }
    QList<std::shared_ptr<Review>>& reviews() { return m_reviews; }
    const QList<std::shared_ptr<Review>>& reviews() const { return m_reviews; }

    // Not stored: the wine came from an online search and is not yet in the cellar
    // book; the key an XML import keeps while the wine waits.
    bool idbhome() const { return m_idbhome; }
    void setIdbhome(bool on) { m_idbhome = on; }
    QString idbIconName() const { return m_idbhome ? QStringLiteral("globe") : QStringLiteral("home"); }
    const QString& importKey() const { return m_importKey; }
    void setImportKey(const QString& key) { m_importKey = key; }

    // Bottles bought (sum of the purchases) and in stock (bought less used).
    // The sums saturate at the fields' widths instead of wrapping.
    void solveStockbalance();
    // The price of the first purchase; 0 without purchases.
    float price() const;
    // Sum of number × price over the purchases with a price and bottles, divided by
    // those bottles; 0 when none.
    double averagePrice() const;
    // averagePrice × bottles in stock (never negative).
    double cellarValue() const;
    // The drinking window against the year: 9 unset, 3 best year, 1 past, 5 before
    // the window, 4 before the best year, 2 otherwise.
    int maturityValue(int currentYear) const;
    int maturityValue() const;
    // The picture name of maturityValue; empty when the window is unset.
    QString maturityIconName() const;
    // The picture names of the wine's type and of its country's flag; empty when unset or unknown.
    QString typeIconName() const;
    QString countryIconName() const;
    // The vintage as "%d", "n/a" for 0.
    QString yearName() const;
    // The comment as plain text, and its first 50 characters.
    QString commentPlainText() const;
    QString commentShort() const;
    // The winery copy's company.
    QString vineyardName() const;
    QString grapeName() const;
    // The rack name of the first place of the wine, and of all places.
    QString locationString() const;
    QString locationsString() const;

    // Names from the catalogue: empty when unset or out of range.
    QString typeName() const;
    QString countryName() const;
    QString regioName() const;
    QString areaName() const;
    QString classificationName() const;
    // The ISO 3166 alpha-3 code of the wine's country; empty when none.
    QString countryCode() const;
    // The region, area or classification is set and is a built-in catalogue entry.
    bool regioIsSystem() const;
    bool areaIsSystem() const;
    bool classificationIsSystem() const;
    // The note for a portable player.
    QString iPodNote() const;

private:
    quint32 m_wineID = 0;
    quint16 m_country = 0;
    quint16 m_regio = 0;
    quint16 m_from = 0;
    quint16 m_best = 0;
    quint16 m_to = 0;
    QByteArray m_comment;
    QDate m_tastingDate;
    std::shared_ptr<Grape> m_rebsorte;
    std::shared_ptr<Odour> m_odour;
    std::shared_ptr<Odour> m_odourA;
    std::shared_ptr<Taste> m_taste;
    std::shared_ptr<Taste> m_tasteA;
    std::shared_ptr<Appelation> m_appelation;
    std::shared_ptr<KVNAddress> m_internAddress;
    QList<qint32> m_sightcolorSecondary;
    QList<std::shared_ptr<WineAroma>> m_smellAromas;
    QList<std::shared_ptr<WineAroma>> m_tasteAromas;
    QList<std::shared_ptr<Purchase>> m_purchases;
    QList<std::shared_ptr<Used>> m_used;
    QList<std::shared_ptr<Review>> m_reviews;
    bool m_idbhome = false;
    QString m_importKey;
};
