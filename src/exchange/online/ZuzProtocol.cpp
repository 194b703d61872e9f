#include "exchange/online/ZuzProtocol.h"
#include "exchange/online/URLTools.h"
#include <charconv>
#include <cmath>
#include <limits>

namespace {

QString fieldAt(const QStringList& fields, int index)
{
    return index < fields.size() ? fields.at(index) : QString();
}

int intAt(const QStringList& fields, int index)
{
    const qint64 v = ZuzProtocol::leadingInteger(fieldAt(fields, index));
    return int(qBound(qint64(std::numeric_limits<int>::min()), v, qint64(std::numeric_limits<int>::max())));
}

double decimalAt(const QStringList& fields, int index)
{
    return ZuzProtocol::leadingDecimal(fieldAt(fields, index));
}

bool flagAt(const QStringList& fields, int index)
{
    return fieldAt(fields, index) == QLatin1String("1");
}

quint32 unsignedID(qint64 value)
{
    return value > 0 && value <= std::numeric_limits<quint32>::max() ? quint32(value) : 0;
}

QString number(qint64 value)
{
    return QString::number(value);
}

// "key=value" pairs joined by "&", in the order given.
QString joinPairs(const QList<QPair<QString, QString>>& pairs)
{
    QString query;
    for (const auto& [key, value] : pairs) {
        if (!query.isEmpty())
            query += QLatin1Char('&');
        query += key + QLatin1Char('=') + value;
    }
    return query;
}

QString userQuery(const char* page, const ZuzUser& user)
{
    return ZuzProtocol::path(page) + QLatin1Char('?')
        + joinPairs({{QStringLiteral("firstname"), URLTools::encode(user.firstName)},
                     {QStringLiteral("name"), URLTools::encode(user.name)},
                     {QStringLiteral("email"), URLTools::encode(user.email)},
                     {QStringLiteral("language"), URLTools::encode(user.language)}});
}

QString singleValueQuery(const char* page, const char* key, const QString& value)
{
    if (value.isEmpty())
        return {};
    return ZuzProtocol::path(page) + QLatin1Char('?') + QLatin1String(key) + QLatin1Char('=')
        + URLTools::encode(value);
}

} // namespace

QString ZuzProtocol::path(const char* page)
{
    return QStringLiteral("/zuz/") + QLatin1String(page) + QStringLiteral(".php3");
}

// ---- query builders

QString ZuzProtocol::urlPartForInt(const QString& query, const QString& part, int value)
{
    if (value == 0)
        return query;
    return query + QLatin1Char('&') + part + QLatin1Char('=') + QString::number(value);
}

QString ZuzProtocol::urlPartForFloat(const QString& query, const QString& part, double value)
{
    // A value that is not a number has no decimal form the server could read.
    if (value == 0.0 || !std::isfinite(value))
        return query;
    return query + QLatin1Char('&') + part + QLatin1Char('=') + QString::number(value, 'f', 6);
}

QString ZuzProtocol::urlPartForBool(const QString& query, const QString& part, bool value)
{
    if (!value)
        return query;
    return query + QLatin1Char('&') + part + QStringLiteral("=1");
}

QString ZuzProtocol::urlPartForString(const QString& query, const QString& part,
                                      const QString& value)
{
    const QString encoded = URLTools::encode(value);
    if (encoded.isEmpty())
        return query;
    return query + QLatin1Char('&') + part + QLatin1Char('=') + encoded;
}

// ---- user

QString ZuzProtocol::addUserQuery(const ZuzUser& user)
{
    return userQuery("adduser", user);
}

QString ZuzProtocol::updateUserQuery(const ZuzUser& user, quint32 userID)
{
    return userQuery("updateuser", user) + QStringLiteral("&id=") + number(userID);
}

quint32 ZuzProtocol::userIDFromReply(const QByteArray& reply)
{
    if (reply == "failed")
        return 0;
    return unsignedID(leadingInteger(QString::fromLatin1(reply)));
}

// ---- wines

QString ZuzProtocol::findWineQuery(const QString& winename)
{
    return singleValueQuery("findwine", "winename", winename);
}

QString ZuzProtocol::findWineSQLQuery(const QString& condition)
{
    return singleValueQuery("findwinesql", "sqlquery", condition);
}

QList<QStringList> ZuzProtocol::searchRows(const QByteArray& reply)
{
    return URLTools::arrayFromString(reply, 3, 1);
}

ZuzWineRow ZuzProtocol::wineFromFields(const QStringList& f)
{
    ZuzWineRow w;
    w.iDBwineID = unsignedID(leadingInteger(fieldAt(f, 0)));
    w.winename = fieldAt(f, 1);
    w.year = intAt(f, 2);
    w.acidity = intAt(f, 3);
    w.alcoholfree = flagAt(f, 4);
    w.amber = flagAt(f, 5);
    w.appeal = intAt(f, 6);
    w.appley = flagAt(f, 7);
    w.area = intAt(f, 8);
    w.aroma = intAt(f, 9);
    w.balance = intAt(f, 10);
    w.barrique = flagAt(f, 11);
    w.bitter = flagAt(f, 12);
    w.black = flagAt(f, 13);
    w.body = intAt(f, 14);
    w.bouquet = intAt(f, 16);
    w.breed = flagAt(f, 17);
    w.caramel = flagAt(f, 18);
    w.cedar = flagAt(f, 19);
    w.clarity = intAt(f, 20);
    w.cloudyopaque = flagAt(f, 21);
    w.colordepth = intAt(f, 22);
    w.comment = fieldAt(f, 23);
    w.corky = flagAt(f, 24);
    w.country = intAt(f, 25);
    w.currants = flagAt(f, 27);
    w.custompoints = decimalAt(f, 28);
    w.customQuality = fieldAt(f, 29);
    w.customSight = fieldAt(f, 30);
    w.customSmell = fieldAt(f, 31);
    w.customTaste = fieldAt(f, 32);
    w.delicate = flagAt(f, 33);
    w.earthy = flagAt(f, 34);
    w.elegance = flagAt(f, 35);
    w.finesse = flagAt(f, 36);
    w.flabby = flagAt(f, 37);
    w.flat = flagAt(f, 38);
    w.fleshy = flagAt(f, 39);
    w.flinty = flagAt(f, 40);
    w.flowery = flagAt(f, 41);
    w.food = fieldAt(f, 42);
    w.from = intAt(f, 43);
    w.best = intAt(f, 44);
    w.glanzhell = flagAt(f, 45);
    w.granat = flagAt(f, 46);
    w.green = flagAt(f, 47);
    w.harmonious = flagAt(f, 48);
    w.heady = flagAt(f, 49);
    w.honey = flagAt(f, 50);
    w.classification = intAt(f, 51);
    w.kosher = flagAt(f, 52);
    w.lemon = flagAt(f, 53);
    w.lenght = intAt(f, 54);
    w.melow = flagAt(f, 55);
    w.metallic = flagAt(f, 56);
    w.mouldy = flagAt(f, 57);
    w.musty = flagAt(f, 58);
    w.nutty = flagAt(f, 59);
    w.odour = fieldAt(f, 60);
    w.odourA = fieldAt(f, 61);
    w.rovant = intAt(f, 62);
    w.peach = flagAt(f, 63);
    w.pears = flagAt(f, 64);
    w.perdrix = flagAt(f, 65);
    w.points = intAt(f, 67);
    w.quality = intAt(f, 71);
    w.rebsorte = fieldAt(f, 72);
    w.regio = intAt(f, 73);
    w.alcohol = decimalAt(f, 74);
    w.acid = decimalAt(f, 75);
    w.sugar = decimalAt(f, 76);
    w.rich = flagAt(f, 77);
    w.roestarome = flagAt(f, 78);
    w.ruby = flagAt(f, 79);
    w.salty = flagAt(f, 80);
    w.score = decimalAt(f, 81);
    w.sightcolor = intAt(f, 82);
    w.sightpoints = intAt(f, 83);
    w.silky = flagAt(f, 84);
    w.smellpoints = intAt(f, 85);
    w.smoky = flagAt(f, 86);
    w.spicy = flagAt(f, 87);
    w.stroh = flagAt(f, 88);
    w.sulphury = flagAt(f, 89);
    w.supple = flagAt(f, 90);
    w.sweet = intAt(f, 92);
    w.tannin = intAt(f, 93);
    w.taste = fieldAt(f, 94);
    w.tasteA = fieldAt(f, 95);
    w.tastepoints = intAt(f, 96);
    w.tastespicy = flagAt(f, 97);
    w.tawny = flagAt(f, 98);
    w.temperatur = intAt(f, 99);
    w.tempTo = intAt(f, 100);
    w.to = intAt(f, 101);
    w.twoody = flagAt(f, 102);
    w.type = intAt(f, 103);
    w.unbestimmt = flagAt(f, 104);
    w.vinum = intAt(f, 105);
    w.viscosity = intAt(f, 106);
    w.winespectator = intAt(f, 108);
    w.woody = flagAt(f, 109);
    w.ziegelrot = flagAt(f, 110);
    for (int i = 0; i < 5; ++i)
        w.sightcolorSecondary[size_t(i)] = intAt(f, 114 + i);
    return w;
}

bool ZuzProtocol::isComplete(const ZuzWineRow& w)
{
    return !w.winename.isEmpty() && w.year >= 1000 && w.year <= 2100 && w.type != 0
        && w.country != 0;
}

QString ZuzProtocol::addWineQuery(const ZuzWineRow& w, quint32 userID)
{
    if (!isComplete(w))
        return {};
    QString q = path("addwine") + QLatin1Char('?');
    const QString name = URLTools::encode(w.winename);
    if (!name.isEmpty())
        q += QStringLiteral("winename=") + name;

    const auto i = [&q](const char* key, int v) { q = urlPartForInt(q, QLatin1String(key), v); };
    const auto f = [&q](const char* key, double v) { q = urlPartForFloat(q, QLatin1String(key), v); };
    const auto b = [&q](const char* key, bool v) { q = urlPartForBool(q, QLatin1String(key), v); };
    const auto s = [&q](const char* key, const QString& v) {
        q = urlPartForString(q, QLatin1String(key), v);
    };

    i("year", w.year);
    i("type", w.type);
    i("country", w.country);
    if (w.regioIsSystem)
        i("regio", w.regio);
    if (w.areaIsSystem)
        i("area", w.area);
    s("comment", w.comment);
    i("winespectator", w.winespectator);
    i("rovant", w.rovant);
    i("vinum", w.vinum);
    f("custompoints", w.custompoints);
    s("customQuality", w.customQuality);
    s("rebsorte", w.rebsorte);
    i("points", w.points);
    b("supple", w.supple);
    b("finesse", w.finesse);
    b("elegance", w.elegance);
    b("harmonious", w.harmonious);
    b("rich", w.rich);
    b("delicate", w.delicate);
    b("breed", w.breed);
    if (w.classificationIsSystem)
        i("klasse", w.classification);
    i("from", w.from);
    i("best", w.best);
    i("to", w.to);
    i("temperatur", w.temperatur);
    i("tempTo", w.tempTo);
    s("food", w.food);
    i("quality", w.quality);
    f("score", w.score);
    s("customSight", w.customSight);
    i("clarity", w.clarity);
    i("colordepth", w.colordepth);
    i("sightcolor", w.sightcolor);
    i("viscosity", w.viscosity);
    i("sightpoints", w.sightpoints);
    b("unbestimmt", w.unbestimmt);
    b("cloudyopaque", w.cloudyopaque);
    i("sightcolorSecondary1", w.sightcolorSecondary[0]);
    i("sightcolorSecondary2", w.sightcolorSecondary[1]);
    i("sightcolorSecondary3", w.sightcolorSecondary[2]);
    i("sightcolorSecondary4", w.sightcolorSecondary[3]);
    i("sightcolorSecondary5", w.sightcolorSecondary[4]);
    s("customSmell", w.customSmell);
    i("appeal", w.appeal);
    i("aroma", w.aroma);
    i("bouquet", w.bouquet);
    s("odour", w.odour);
    s("odourA", w.odourA);
    i("smellpoints", w.smellpoints);
    b("cedar", w.cedar);
    b("corky", w.corky);
    b("woody", w.woody);
    b("musty", w.musty);
    b("flowery", w.flowery);
    b("peach", w.peach);
    b("honey", w.honey);
    b("lemon", w.lemon);
    b("spicy", w.spicy);
    b("smoky", w.smoky);
    b("pears", w.pears);
    b("sulphury", w.sulphury);
    b("roestarome", w.roestarome);
    s("customTaste", w.customTaste);
    i("sweet", w.sweet);
    i("tannin", w.tannin);
    i("acidity", w.acidity);
    i("body", w.body);
    i("balance", w.balance);
    i("lenght", w.lenght);
    s("taste", w.taste);
    s("tasteA", w.tasteA);
    i("tastepoints", w.tastepoints);
    b("appley", w.appley);
    b("bitter", w.bitter);
    b("currants", w.currants);
    b("caramel", w.caramel);
    b("earthy", w.earthy);
    b("tastespicy", w.tastespicy);
    b("silky", w.silky);
    b("salty", w.salty);
    b("nutty", w.nutty);
    b("mouldy", w.mouldy);
    b("metallic", w.metallic);
    b("fleshy", w.fleshy);
    b("flinty", w.flinty);
    b("green", w.green);
    b("heady", w.heady);
    b("melow", w.melow);
    b("flabby", w.flabby);
    b("flat", w.flat);
    b("twoody", w.twoody);
    f("price", w.price);
    s("currency", w.currency);
    f("marketvalue", w.marketvalue);
    b("kosher", w.kosher);
    b("alcoholfree", w.alcoholfree);
    b("barrique", w.barrique);
    f("alcohol", w.alcohol);
    f("acid", w.acid);
    f("sugar", w.sugar);
    s("barcode", w.barcode);
    s("winery", w.winery);
    // The ID is unsigned 32-bit; written in full, never wrapped to a negative number.
    if (userID != 0)
        q += QStringLiteral("&zuzUserWineId=") + number(userID);
    return q;
}

quint32 ZuzProtocol::wineIDFromReply(const QByteArray& reply)
{
    static const QByteArray head = QByteArrayLiteral("zuz addwine at <#>");
    if (reply.size() <= head.size() || !reply.startsWith(head))
        return 0;
    return unsignedID(leadingInteger(QString::fromLatin1(reply.mid(head.size()))));
}

// ---- addresses

QString ZuzProtocol::findAddressQuery(const QString& text)
{
    return singleValueQuery("findaddress", "findcompany", text);
}

ZuzCompany ZuzProtocol::companyFromFields(const QStringList& f)
{
    ZuzCompany c;
    c.addressID = fieldAt(f, 0);
    c.company = fieldAt(f, 1);
    c.city = fieldAt(f, 2);
    c.country = intAt(f, 3);
    c.region = intAt(f, 4);
    c.street = fieldAt(f, 5);
    c.zip = fieldAt(f, 6);
    c.email = fieldAt(f, 7);
    return c;
}

QString ZuzProtocol::addressQuery(const QString& addressID)
{
    return singleValueQuery("address", "addressid", addressID);
}

ZuzAddress ZuzProtocol::addressFromFields(const QStringList& f)
{
    ZuzAddress a;
    a.addressID = fieldAt(f, 0);
    a.winery = flagAt(f, 2);
    a.supplier = flagAt(f, 3);
    a.company = fieldAt(f, 4);
    a.street = fieldAt(f, 5);
    a.zip = fieldAt(f, 6);
    a.city = fieldAt(f, 7);
    a.email = fieldAt(f, 8);
    a.web = fieldAt(f, 9);
    a.phone = fieldAt(f, 10);
    a.fax = fieldAt(f, 11);
    a.additional = fieldAt(f, 12);
    a.country = intAt(f, 13);
    a.regionPosition = intAt(f, 14);
    a.state = fieldAt(f, 15);
    return a;
}

bool ZuzProtocol::isComplete(const ZuzAddressForm& a)
{
    return !a.company.isEmpty() && !a.street.isEmpty() && !a.zip.isEmpty() && !a.city.isEmpty()
        && a.country != 0;
}

QString ZuzProtocol::addAddressQuery(const ZuzAddressForm& a)
{
    if (!isComplete(a))
        return {};
    QList<QPair<QString, QString>> pairs;
    const auto text = [&pairs](const char* key, const QString& value) {
        const QString encoded = URLTools::encode(value);
        if (!encoded.isEmpty())
            pairs.append({QLatin1String(key), encoded});
    };
    text("company", a.company);
    text("additional", a.additional);
    text("street", a.street);
    text("zip", a.zip);
    text("city", a.city);
    text("phone", a.phone);
    text("fax", a.fax);
    text("email", a.email);
    text("web", a.web);
    text("English", a.note);
    if (a.state)
        pairs.append({QStringLiteral("state"), URLTools::encode(*a.state)});
    if (a.country != 0)
        pairs.append({QStringLiteral("country"), number(a.country)});
    if (a.region != 0)
        pairs.append({QStringLiteral("region"), number(a.region)});
    pairs.append({QStringLiteral("vineyard"), number(a.winery ? 1 : 0)});
    pairs.append({QStringLiteral("supplier"), number(a.supplier ? 1 : 0)});
    return path("addaddress") + QLatin1Char('?') + joinPairs(pairs);
}

QString ZuzProtocol::bulkAddAddressQuery(const ZuzBulkAddress& l)
{
    const auto e = [](const QString& v) { return URLTools::encode(v); };
    return path("addaddress") + QLatin1Char('?')
        + joinPairs({{QStringLiteral("country"), e(l.country)},
                     {QStringLiteral("region"), e(l.region)},
                     {QStringLiteral("company"), e(l.company)},
                     {QStringLiteral("zip"), e(l.zip)},
                     {QStringLiteral("city"), e(l.city)},
                     {QStringLiteral("street"), e(l.street)},
                     {QStringLiteral("state"), e(l.state)},
                     {QStringLiteral("phone"), e(l.phone)},
                     {QStringLiteral("fax"), e(l.fax)},
                     {QStringLiteral("web"), e(l.web)},
                     {QStringLiteral("email"), e(l.email)},
                     {QStringLiteral("English"), e(l.english)},
                     {QStringLiteral("countrystring"), e(l.countrystring)},
                     {QStringLiteral("regionstring"), e(l.regionstring)},
                     {QStringLiteral("area"), e(l.area)},
                     {QStringLiteral("vineyard"), QStringLiteral("1")},
                     {QStringLiteral("reviewed"), QStringLiteral("1")}});
}

// ---- numbers in replies

qint64 ZuzProtocol::leadingInteger(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    constexpr qint64 limit = std::numeric_limits<qint64>::max();
    qint64 value = 0;
    for (; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            break;
        const int digit = c - u'0';
        if (value > (limit - digit) / 10) {
            value = limit;
            break;
        }
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

double ZuzProtocol::leadingDecimal(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text.at(i).isSpace())
        ++i;
    // from_chars reads the C form only and ignores the process locale.
    QByteArray bytes;
    bytes.reserve(qMin<qsizetype>(n - i, 64));
    for (; i < n && bytes.size() < 400; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c > 0x7F)
            break;
        bytes.append(char(c));
    }
    const char* begin = bytes.constData();
    if (!bytes.isEmpty() && *begin == '+')
        ++begin;
    double value = 0.0;
    const auto [end, error] = std::from_chars(begin, bytes.constData() + bytes.size(), value,
                                              std::chars_format::general);
    (void)end;
    if (error != std::errc() || !std::isfinite(value))
        return 0.0;
    return value;
}
