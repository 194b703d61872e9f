#include "model/Wine.h"
#include "model/Aroma.h"
#include "model/CellarBook.h"
#include "model/KVNAddress.h"
#include "model/Purchase.h"
#include "model/RackZuord.h"
#include "model/Review.h"
#include "model/Used.h"
#include "model/VocabularyEntry.h"
#include "catalogue/Appelation.h"
#include "catalogue/Country.h"
#include "catalogue/WineType.h"
#include "catalogue/WineInfos.h"
#include "platform/richtext/RichText.h"
#include "platform/Coder.h"
#include <limits>

namespace {
CellarBook* g_cellarBook = nullptr;
WineInfos* g_wineInfos = nullptr;
}

void Wine::setWineInfos(WineInfos* infos)
{
    g_wineInfos = infos;
}

WineInfos* Wine::wineInfos()
{
    if (g_wineInfos)
        return g_wineInfos;
    return g_cellarBook ? g_cellarBook->wineInfos().get() : nullptr;
}

void Wine::setCellarBook(CellarBook* book)
{
    g_cellarBook = book;
}

CellarBook* Wine::cellarBook()
{
    return g_cellarBook;
}

Wine::Wine()
    : m_sightcolorSecondary(SecondaryColours, 0)
{
    const int year = QDate::currentDate().year();
    m_year = quint16(year - 1);
    m_from = quint16(year);
    m_best = quint16(year + 1);
    m_to = quint16(year + 2);
    m_temperatur = 10;
    m_tempTo = 18;
    m_currency = QStringLiteral("USD");
    m_tastingDate = QDate::currentDate();
}

Wine::Wine(BlankTag)
    : m_sightcolorSecondary(SecondaryColours, 0)
{
}

Wine::~Wine() = default;

void Wine::setCountry(int id)
{
    if (id < 0 || id > std::numeric_limits<quint16>::max())
        return;
    m_country = quint16(id);
}

void Wine::setRegio(int id)
{
    if (id < 0 || id > std::numeric_limits<quint16>::max() || m_country == 0)
        return;
    m_regio = quint16(id);
}

namespace {
// Sets one year of the drinking window; a 0 is ignored, and the other two years
// are filled with it while they are unset.
void setWindowYear(quint16 year, quint16& field, quint16& other1, quint16& other2)
{
    if (year == 0)
        return;
    field = year;
    if (other1 == 0)
        other1 = year;
    if (other2 == 0)
        other2 = year;
}
}

void Wine::setFrom(quint16 year) { setWindowYear(year, m_from, m_best, m_to); }
void Wine::setBest(quint16 year) { setWindowYear(year, m_best, m_from, m_to); }
void Wine::setTo(quint16 year) { setWindowYear(year, m_to, m_from, m_best); }

void Wine::solveStockbalance()
{
    qint64 bought = 0;
    for (const auto& p : m_purchases)
        bought += p->number();
    qint64 usedUp = 0;
    for (const auto& u : m_used)
        usedUp += u->used();
    const qint64 stock = bought - usedUp;
    m_purchaseNumber = quint32(qMin<qint64>(bought, std::numeric_limits<quint32>::max()));
    m_stockbalance = qint32(qBound(qint64(std::numeric_limits<qint32>::min()), stock,
                                   qint64(std::numeric_limits<qint32>::max())));
}

float Wine::price() const
{
    return m_purchases.isEmpty() ? 0.0f : m_purchases.first()->price();
}

double Wine::averagePrice() const
{
    double sum = 0;
    double bottles = 0;
    for (const auto& p : m_purchases) {
        if (p->price() > 0 && p->number() > 0) {
            sum += double(p->number()) * double(p->price());
            bottles += double(p->number());
        }
    }
    return bottles > 0 ? sum / bottles : 0.0;
}

double Wine::cellarValue() const
{
    return m_stockbalance > 0 ? averagePrice() * double(m_stockbalance) : 0.0;
}

int Wine::maturityValue(int y) const
{
    if (m_from == 0 && m_best == 0 && m_to == 0)
        return 9;
    if (y == m_best)
        return 3;
    if (y > m_to)
        return 1;
    if (y < m_from)
        return 5;
    if (y < m_best)
        return 4;
    return 2;
}

int Wine::maturityValue() const
{
    return maturityValue(QDate::currentDate().year());
}

QString Wine::maturityIconName() const
{
    const int v = maturityValue();
    return v == 9 ? QString() : QStringLiteral("maturity%1").arg(v);
}

QString Wine::typeIconName() const
{
    const WineInfos* infos = wineInfos();
    const auto type = infos && m_type != 0 ? infos->winetype(m_type) : nullptr;
    return type ? type->image() : QString();
}

QString Wine::countryIconName() const
{
    const WineInfos* infos = wineInfos();
    const auto country = infos && m_country != 0 ? infos->country(m_country) : nullptr;
    return country ? country->flag() : QString();
}

QString Wine::yearName() const
{
    return m_year == 0 ? QStringLiteral("n/a") : QString::number(m_year);
}

QString Wine::commentPlainText() const
{
    return m_comment.isEmpty() ? QString() : RichText::fromStoredBytes(m_comment).plainText();
}

void Wine::appendComment(const QString& text)
{
    RichText comment = RichText::fromStoredBytes(m_comment);
    comment.appendText(text);
    m_comment = comment.toStoredBytes();
}

QString Wine::typeName() const
{
    const WineInfos* infos = wineInfos();
    return infos ? infos->winetypeName(m_type) : QString();
}

QString Wine::countryName() const
{
    const WineInfos* infos = wineInfos();
    return infos && m_country != 0 ? infos->countryName(m_country) : QString();
}

QString Wine::regioName() const
{
    const WineInfos* infos = wineInfos();
    return infos ? infos->regioName(m_country, m_regio) : QString();
}

QString Wine::areaName() const
{
    const WineInfos* infos = wineInfos();
    return infos ? infos->areaName(m_country, m_regio, m_area) : QString();
}

QString Wine::classificationName() const
{
    const WineInfos* infos = wineInfos();
    return infos ? infos->classificationName(m_country, m_regio, m_area, m_classification) : QString();
}

QString Wine::countryCode() const
{
    const WineInfos* infos = wineInfos();
    return infos ? infos->countryCode(m_country) : QString();
}

bool Wine::regioIsSystem() const
{
    const WineInfos* infos = wineInfos();
    return infos && m_regio != 0 && infos->regioIsSystem(m_country, m_regio);
}

bool Wine::areaIsSystem() const
{
    const WineInfos* infos = wineInfos();
    return infos && m_area != 0 && infos->areaIsSystem(m_country, m_regio, m_area);
}

bool Wine::classificationIsSystem() const
{
    const WineInfos* infos = wineInfos();
    return infos && m_classification != 0
        && infos->classificationIsSystem(m_country, m_regio, m_area, m_classification);
}

QString Wine::iPodNote() const
{
    const QString appelationText = m_appelation ? m_appelation->name() : m_appelationString;
    return QStringLiteral("<TITLE>%1</TITLE>\n").arg(m_winename)
        + QStringLiteral("%1 <br>").arg(m_winename)
        + QStringLiteral("%1, %2<br>").arg(m_year).arg(typeName())
        + QStringLiteral("%1, %2 <br>").arg(countryName(), regioName())
        + QStringLiteral("%1, %2 <p>").arg(classificationName(), appelationText);
}

QString Wine::commentShort() const
{
    return commentPlainText().left(50);
}

QString Wine::vineyardName() const
{
    return m_internAddress ? m_internAddress->company() : QString();
}

QString Wine::grapeName() const
{
    return m_rebsorte ? m_rebsorte->name() : QString();
}

QString Wine::locationString() const
{
    if (!g_cellarBook)
        return {};
    const auto places = g_cellarBook->rackZuordForWine(this);
    return places.isEmpty() ? QString() : places.first()->rackName();
}

QString Wine::locationsString() const
{
    if (!g_cellarBook)
        return {};
    QStringList parts;
    for (const auto& p : g_cellarBook->rackZuordForWine(this))
        parts << QStringLiteral("%1 (%2/%3): %4")
                     .arg(p->rackName(), QString::number(p->x()), QString::number(p->y()), QString::number(p->n()));
    return parts.join(QStringLiteral(", "));
}

// Version 9 stores the comment as rich text bytes; older versions stored a plain string.
void Wine::archive(Coder& c)
{
    const int v = c.versionOf(className());
    c.io("wineID", m_wineID);
#define KV_IO(n, s) c.io(#n, m_##n);
    KV_WINE_STRINGS(KV_IO)
    KV_WINE_U32(KV_IO)
    KV_WINE_S32(KV_IO)
    KV_WINE_U16(KV_IO)
    KV_WINE_FLOATS(KV_IO)
    KV_WINE_FLAGS(KV_IO)
#undef KV_IO
    c.io("country", m_country);
    c.io("regio", m_regio);
    c.io("from", m_from);
    c.io("best", m_best);
    c.io("to", m_to);
    if (v >= 9) {
        c.io("comment", m_comment);
    } else {
        QString plain = commentPlainText();
        c.io("comment", plain);
        if (c.isReading())
            m_comment = plain.isEmpty() ? QByteArray() : RichText::fromPlainText(plain).toStoredBytes();
    }
    c.io("tastingDate", m_tastingDate);
    c.object("rebsorte", m_rebsorte);
    c.object("odour", m_odour);
    c.object("odourA", m_odourA);
    c.object("taste", m_taste);
    c.object("tasteA", m_tasteA);
    c.object("appelation", m_appelation);
    c.object("internAddress", m_internAddress);
    c.values("sightcolorSecondary", m_sightcolorSecondary);
    if (c.isReading())
        m_sightcolorSecondary.resize(SecondaryColours, 0);
    c.objects("smellAromas", m_smellAromas);
    c.objects("tasteAromas", m_tasteAromas);
    c.objects("purchases", m_purchases);
    c.objects("used", m_used);
    c.objects("reviews", m_reviews);
}
