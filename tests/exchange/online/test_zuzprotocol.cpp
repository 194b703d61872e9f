#include "GermanLocale.h"
#include "ZuzSamples.h"
#include "exchange/online/ZuzProtocol.h"
#include <gtest/gtest.h>

TEST(ZuzProtocol, FullWineUploadGoldenTargetUnderGermanLocale)
{
    GermanLocale german;
    EXPECT_TRUE(german.active()) << "de_DE.UTF-8 missing: only Qt's locale is German";
    EXPECT_EQ(ZuzProtocol::addWineQuery(fullWine(), 4294967295u), fullWineTarget());
}

TEST(ZuzProtocol, WineUploadLeavesOutZeroAndNonSystemValues)
{
    ZuzWineRow w;
    w.winename = QStringLiteral("Riesling");
    w.year = 2000;
    w.type = 1;
    w.country = 2;
    w.regio = 9; // a region the user added: not sent
    w.area = 8;
    w.classification = 7;
    w.custompoints = std::numeric_limits<double>::quiet_NaN();
    w.customQuality = QString();
    EXPECT_EQ(ZuzProtocol::addWineQuery(w, 0),
              QStringLiteral("/zuz/addwine.php3?winename=Riesling&year=2000&type=1&country=2"));
    w.spicy = true;
    const QString q = ZuzProtocol::addWineQuery(w, 12);
    EXPECT_EQ(q.count(QStringLiteral("spicy=1")), 1); // the smell mark goes out once
    EXPECT_TRUE(q.endsWith(QStringLiteral("&spicy=1&zuzUserWineId=12")));
}

TEST(ZuzProtocol, WineUploadNeedsNameVintageTypeAndCountry)
{
    ZuzWineRow w;
    w.winename = QStringLiteral("X");
    w.type = 1;
    w.country = 1;
    for (const auto& [year, sent] : {std::pair{999, false}, {1000, true}, {2100, true}, {2101, false}}) {
        w.year = year;
        EXPECT_EQ(ZuzProtocol::isComplete(w), sent) << year;
        EXPECT_EQ(!ZuzProtocol::addWineQuery(w, 1).isEmpty(), sent) << year;
    }
    w.year = 2000;
    ZuzWineRow noType = w, noCountry = w, noName = w;
    noType.type = 0;
    noCountry.country = 0;
    noName.winename.clear();
    EXPECT_TRUE(ZuzProtocol::addWineQuery(noType, 1).isEmpty());
    EXPECT_TRUE(ZuzProtocol::addWineQuery(noCountry, 1).isEmpty());
    EXPECT_TRUE(ZuzProtocol::addWineQuery(noName, 1).isEmpty());
}

TEST(ZuzProtocol, FullAddressUploadGoldenTarget)
{
    EXPECT_EQ(ZuzProtocol::addAddressQuery(fullAddress()), fullAddressTarget());
}

TEST(ZuzProtocol, AddressUploadOptionalPartsAndCompleteness)
{
    ZuzAddressForm a;
    a.company = QStringLiteral("A");
    a.street = QStringLiteral("S");
    a.zip = QStringLiteral("1");
    a.city = QStringLiteral("C");
    a.country = 3;
    a.supplier = true;
    EXPECT_EQ(ZuzProtocol::addAddressQuery(a), QStringLiteral("/zuz/addaddress.php3?company=A"
                                                              "&street=S&zip=1&city=C&country=3&vineyard=0&supplier=1"));
    a.state = QString(); // an item chosen whose text is empty still sends the key
    EXPECT_TRUE(ZuzProtocol::addAddressQuery(a).contains(QStringLiteral("&state=&country=3")));
    for (QString ZuzAddressForm::*field : {&ZuzAddressForm::company, &ZuzAddressForm::street,
                                           &ZuzAddressForm::zip, &ZuzAddressForm::city}) {
        ZuzAddressForm missing = a;
        (missing.*field).clear();
        EXPECT_TRUE(ZuzProtocol::addAddressQuery(missing).isEmpty());
    }
    a.country = 0;
    EXPECT_TRUE(ZuzProtocol::addAddressQuery(a).isEmpty());
}

TEST(ZuzProtocol, UserAndSearchTargets)
{
    const ZuzUser u{QStringLiteral("Anna Maria"), QStringLiteral("O'Neil"),
                    QStringLiteral("a&b@x.org"), QStringLiteral("Deutsch")};
    EXPECT_EQ(ZuzProtocol::addUserQuery(u),
              QStringLiteral("/zuz/adduser.php3?firstname=Anna%20Maria&name=O%27Neil"
                             "&email=a%26b@x.org&language=Deutsch"));
    EXPECT_EQ(ZuzProtocol::updateUserQuery(u, 3000000000u),
              ZuzProtocol::addUserQuery(u).replace(QStringLiteral("adduser"), QStringLiteral("updateuser"))
                  + QStringLiteral("&id=3000000000"));
    EXPECT_EQ(ZuzProtocol::findWineQuery(QStringLiteral("Ch & Co")),
              QStringLiteral("/zuz/findwine.php3?winename=Ch%20%26%20Co"));
    EXPECT_EQ(ZuzProtocol::findWineSQLQuery(QStringLiteral("year > 1990 AND name LIKE '%a%'")),
              QStringLiteral("/zuz/findwinesql.php3?sqlquery=year%20%3E%201990%20AND%20name"
                             "%20LIKE%20%27%25a%25%27"));
    EXPECT_EQ(ZuzProtocol::findAddressQuery(QStringLiteral("M\u00fcller")),
              QStringLiteral("/zuz/findaddress.php3?findcompany=M%C3%BCller"));
    // the address ID comes from a reply: encoded, so it cannot add keys
    EXPECT_EQ(ZuzProtocol::addressQuery(QStringLiteral("12&x=1")),
              QStringLiteral("/zuz/address.php3?addressid=12%26x%3D1"));
    EXPECT_TRUE(ZuzProtocol::findWineQuery({}).isEmpty());
    EXPECT_TRUE(ZuzProtocol::findWineSQLQuery({}).isEmpty());
    EXPECT_TRUE(ZuzProtocol::findAddressQuery({}).isEmpty());
    EXPECT_TRUE(ZuzProtocol::addressQuery({}).isEmpty());
}

TEST(ZuzProtocol, BulkAddressSendsEveryKey)
{
    ZuzBulkAddress l;
    l.company = QStringLiteral("A&B");
    l.region = QStringLiteral("12");
    EXPECT_EQ(ZuzProtocol::bulkAddAddressQuery(l),
              QStringLiteral("/zuz/addaddress.php3?country=&region=12&company=A%26B&zip=&city="
                             "&street=&state=&phone=&fax=&web=&email=&English=&countrystring="
                             "&regionstring=&area=&vineyard=1&reviewed=1"));
}

TEST(ZuzProtocol, RegistrationAndUploadReplies)
{
    EXPECT_EQ(ZuzProtocol::userIDFromReply("4711"), 4711u);
    EXPECT_EQ(ZuzProtocol::userIDFromReply(" 12\r"), 12u);
    EXPECT_EQ(ZuzProtocol::userIDFromReply("failed"), 0u);
    EXPECT_EQ(ZuzProtocol::userIDFromReply("0"), 0u);
    EXPECT_EQ(ZuzProtocol::userIDFromReply("-5"), 0u);
    EXPECT_EQ(ZuzProtocol::userIDFromReply("4294967295"), 4294967295u);
    EXPECT_EQ(ZuzProtocol::userIDFromReply("4294967296"), 0u); // no wrap to a small ID
    EXPECT_EQ(ZuzProtocol::userIDFromReply("99999999999999999999999"), 0u);
    EXPECT_EQ(ZuzProtocol::userIDFromReply(""), 0u);

    EXPECT_EQ(ZuzProtocol::wineIDFromReply("zuz addwine at <#>4711"), 4711u);
    EXPECT_EQ(ZuzProtocol::wineIDFromReply("zuz addwine at <#>"), 0u);
    EXPECT_EQ(ZuzProtocol::wineIDFromReply("zuz addwine at <#>0"), 0u);
    EXPECT_EQ(ZuzProtocol::wineIDFromReply("zuz addwine at <#>-3"), 0u);
    EXPECT_EQ(ZuzProtocol::wineIDFromReply("idb addwine at <#>4711"), 0u);
    EXPECT_EQ(ZuzProtocol::wineIDFromReply("4711"), 0u);
}

TEST(ZuzProtocol, NumbersReadInCForm)
{
    GermanLocale german;
    EXPECT_DOUBLE_EQ(ZuzProtocol::leadingDecimal(u"12.5"), 12.5);
    EXPECT_DOUBLE_EQ(ZuzProtocol::leadingDecimal(u" -3.25abc"), -3.25);
    EXPECT_DOUBLE_EQ(ZuzProtocol::leadingDecimal(u"12,5"), 12.0);
    EXPECT_DOUBLE_EQ(ZuzProtocol::leadingDecimal(u"+1e2"), 100.0);
    EXPECT_DOUBLE_EQ(ZuzProtocol::leadingDecimal(u"x"), 0.0);
    EXPECT_DOUBLE_EQ(ZuzProtocol::leadingDecimal(u"1e999"), 0.0);
    EXPECT_DOUBLE_EQ(ZuzProtocol::leadingDecimal(u"nan"), 0.0);
    EXPECT_EQ(ZuzProtocol::leadingInteger(u"  42abc"), 42);
    EXPECT_EQ(ZuzProtocol::leadingInteger(u"-7"), -7);
    EXPECT_EQ(ZuzProtocol::leadingInteger(u"abc"), 0);
    EXPECT_EQ(ZuzProtocol::leadingInteger(u"99999999999999999999999"),
              std::numeric_limits<qint64>::max());
}

namespace {
QStringList numberedRow(int size)
{
    QStringList f;
    for (int i = 0; i < size; ++i)
        f.append(QString::number(1000 + i));
    return f;
}
}

TEST(ZuzProtocol, WineRowFieldsByIndex)
{
    const ZuzWineRow w = ZuzProtocol::wineFromFields(numberedRow(119));
    const std::pair<int ZuzWineRow::*, int> ints[] = {
        {&ZuzWineRow::year, 2}, {&ZuzWineRow::acidity, 3}, {&ZuzWineRow::appeal, 6},
        {&ZuzWineRow::area, 8}, {&ZuzWineRow::aroma, 9}, {&ZuzWineRow::balance, 10},
        {&ZuzWineRow::body, 14}, {&ZuzWineRow::bouquet, 16}, {&ZuzWineRow::clarity, 20},
        {&ZuzWineRow::colordepth, 22}, {&ZuzWineRow::country, 25}, {&ZuzWineRow::from, 43},
        {&ZuzWineRow::best, 44}, {&ZuzWineRow::classification, 51}, {&ZuzWineRow::lenght, 54},
        {&ZuzWineRow::rovant, 62}, {&ZuzWineRow::points, 67}, {&ZuzWineRow::quality, 71},
        {&ZuzWineRow::regio, 73}, {&ZuzWineRow::sightcolor, 82}, {&ZuzWineRow::sightpoints, 83},
        {&ZuzWineRow::smellpoints, 85}, {&ZuzWineRow::sweet, 92}, {&ZuzWineRow::tannin, 93},
        {&ZuzWineRow::tastepoints, 96}, {&ZuzWineRow::temperatur, 99}, {&ZuzWineRow::tempTo, 100},
        {&ZuzWineRow::to, 101}, {&ZuzWineRow::type, 103}, {&ZuzWineRow::vinum, 105},
        {&ZuzWineRow::viscosity, 106}, {&ZuzWineRow::winespectator, 108}};
    for (const auto& [member, index] : ints)
        EXPECT_EQ(w.*member, 1000 + index) << "index " << index;
    EXPECT_EQ(w.iDBwineID, 1000u);
    EXPECT_EQ(w.winename, QStringLiteral("1001"));
    EXPECT_EQ(w.comment, QStringLiteral("1023"));
    EXPECT_EQ(w.customQuality, QStringLiteral("1029"));
    EXPECT_EQ(w.customSight, QStringLiteral("1030"));
    EXPECT_EQ(w.customSmell, QStringLiteral("1031"));
    EXPECT_EQ(w.customTaste, QStringLiteral("1032"));
    EXPECT_EQ(w.food, QStringLiteral("1042"));
    EXPECT_EQ(w.odour, QStringLiteral("1060"));
    EXPECT_EQ(w.odourA, QStringLiteral("1061"));
    EXPECT_EQ(w.rebsorte, QStringLiteral("1072"));
    EXPECT_EQ(w.taste, QStringLiteral("1094"));
    EXPECT_EQ(w.tasteA, QStringLiteral("1095"));
    EXPECT_DOUBLE_EQ(w.custompoints, 1028);
    EXPECT_DOUBLE_EQ(w.alcohol, 1074);
    EXPECT_DOUBLE_EQ(w.acid, 1075);
    EXPECT_DOUBLE_EQ(w.sugar, 1076);
    EXPECT_DOUBLE_EQ(w.score, 1081);
    EXPECT_EQ(w.sightcolorSecondary, (std::array<int, 5>{1114, 1115, 1116, 1117, 1118}));
    EXPECT_FALSE(w.spicy); // flags are set by "1" only

    const std::pair<bool ZuzWineRow::*, int> flags[] = {
        {&ZuzWineRow::alcoholfree, 4}, {&ZuzWineRow::amber, 5}, {&ZuzWineRow::appley, 7},
        {&ZuzWineRow::barrique, 11}, {&ZuzWineRow::bitter, 12}, {&ZuzWineRow::black, 13},
        {&ZuzWineRow::breed, 17}, {&ZuzWineRow::caramel, 18}, {&ZuzWineRow::cedar, 19},
        {&ZuzWineRow::cloudyopaque, 21}, {&ZuzWineRow::corky, 24}, {&ZuzWineRow::currants, 27},
        {&ZuzWineRow::delicate, 33}, {&ZuzWineRow::earthy, 34}, {&ZuzWineRow::elegance, 35},
        {&ZuzWineRow::finesse, 36}, {&ZuzWineRow::flabby, 37}, {&ZuzWineRow::flat, 38},
        {&ZuzWineRow::fleshy, 39}, {&ZuzWineRow::flinty, 40}, {&ZuzWineRow::flowery, 41},
        {&ZuzWineRow::glanzhell, 45}, {&ZuzWineRow::granat, 46}, {&ZuzWineRow::green, 47},
        {&ZuzWineRow::harmonious, 48}, {&ZuzWineRow::heady, 49}, {&ZuzWineRow::honey, 50},
        {&ZuzWineRow::kosher, 52}, {&ZuzWineRow::lemon, 53}, {&ZuzWineRow::melow, 55},
        {&ZuzWineRow::metallic, 56}, {&ZuzWineRow::mouldy, 57}, {&ZuzWineRow::musty, 58},
        {&ZuzWineRow::nutty, 59}, {&ZuzWineRow::peach, 63}, {&ZuzWineRow::pears, 64},
        {&ZuzWineRow::perdrix, 65}, {&ZuzWineRow::rich, 77}, {&ZuzWineRow::roestarome, 78},
        {&ZuzWineRow::ruby, 79}, {&ZuzWineRow::salty, 80}, {&ZuzWineRow::silky, 84},
        {&ZuzWineRow::smoky, 86}, {&ZuzWineRow::spicy, 87}, {&ZuzWineRow::stroh, 88},
        {&ZuzWineRow::sulphury, 89}, {&ZuzWineRow::supple, 90}, {&ZuzWineRow::tastespicy, 97},
        {&ZuzWineRow::tawny, 98}, {&ZuzWineRow::twoody, 102}, {&ZuzWineRow::unbestimmt, 104},
        {&ZuzWineRow::woody, 109}, {&ZuzWineRow::ziegelrot, 110}};
    QStringList zeros;
    for (int i = 0; i < 119; ++i)
        zeros.append(QStringLiteral("0"));
    for (const auto& [member, index] : flags) {
        QStringList row = zeros;
        row[index] = QStringLiteral("1");
        const ZuzWineRow one = ZuzProtocol::wineFromFields(row);
        EXPECT_TRUE(one.*member) << "index " << index;
        int set = 0;
        for (const auto& [other, unused] : flags)
            set += (one.*other) ? 1 : 0;
        EXPECT_EQ(set, 1) << "index " << index << " sets another flag too";
    }
    // "yes", "01" and " 1" are not "1"
    QStringList row = zeros;
    row[87] = QStringLiteral(" 1");
    row[4] = QStringLiteral("yes");
    EXPECT_FALSE(ZuzProtocol::wineFromFields(row).spicy);
    EXPECT_FALSE(ZuzProtocol::wineFromFields(row).alcoholfree);
}

TEST(ZuzProtocol, ShortRowsGiveEmptyFields)
{
    const ZuzWineRow w = ZuzProtocol::wineFromFields(numberedRow(3));
    EXPECT_EQ(w.year, 1002);
    EXPECT_EQ(w.type, 0);
    EXPECT_TRUE(w.odour.isEmpty());
    EXPECT_EQ(w.sightcolorSecondary[4], 0);
    const ZuzWineRow none = ZuzProtocol::wineFromFields({});
    EXPECT_EQ(none.iDBwineID, 0u);

    const ZuzCompany c = ZuzProtocol::companyFromFields(
        {QStringLiteral("17"), QStringLiteral("Gut"), QStringLiteral("Mainz"), QStringLiteral("5")});
    EXPECT_EQ(c.addressID, QStringLiteral("17"));
    EXPECT_EQ(c.country, 5);
    EXPECT_EQ(c.region, 0);
    EXPECT_TRUE(c.email.isEmpty());

    const ZuzAddress a = ZuzProtocol::addressFromFields({QStringLiteral("9"), QString(), QStringLiteral("1")});
    EXPECT_TRUE(a.winery);
    EXPECT_FALSE(a.supplier);
    EXPECT_TRUE(a.state.isEmpty());
}

TEST(ZuzProtocol, AddressAndCompanyRowsByIndex)
{
    QStringList f;
    for (int i = 0; i < 16; ++i)
        f.append(QStringLiteral("v%1").arg(i));
    f[2] = QStringLiteral("0");
    f[3] = QStringLiteral("1");
    f[13] = QStringLiteral("44");
    f[14] = QStringLiteral("3");
    const ZuzAddress a = ZuzProtocol::addressFromFields(f);
    EXPECT_EQ(a.addressID, QStringLiteral("v0"));
    EXPECT_FALSE(a.winery);
    EXPECT_TRUE(a.supplier);
    const QStringList texts{a.company, a.street, a.zip, a.city, a.email, a.web, a.phone, a.fax, a.additional};
    for (int i = 0; i < texts.size(); ++i)
        EXPECT_EQ(texts[i], QStringLiteral("v%1").arg(4 + i));
    EXPECT_EQ(a.country, 44);
    EXPECT_EQ(a.regionPosition, 3);
    EXPECT_EQ(a.state, QStringLiteral("v15"));

    const ZuzCompany c = ZuzProtocol::companyFromFields(
        {"1", "Gut", "Mainz", "5", "7", "Weg 1", "55116", "a@b.de"});
    EXPECT_EQ(c.company, QStringLiteral("Gut"));
    EXPECT_EQ(c.city, QStringLiteral("Mainz"));
    EXPECT_EQ(c.region, 7);
    EXPECT_EQ(c.street, QStringLiteral("Weg 1"));
    EXPECT_EQ(c.zip, QStringLiteral("55116"));
    EXPECT_EQ(c.email, QStringLiteral("a@b.de"));
}
