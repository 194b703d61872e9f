#pragma once
#include "exchange/online/ZuzTypes.h"
#include <QByteArray>
#include <QList>
#include <QStringList>

// A wine with every uploaded value set, values chosen to need escaping.
inline ZuzWineRow fullWine()
{
    ZuzWineRow w;
    w.winename = QString::fromUtf8("Ch\xC3\xA2teau Neuf & Co");
    w.year = 2015;
    w.type = 2;
    w.country = 3;
    w.regio = 4;
    w.regioIsSystem = true;
    w.area = 5;
    w.areaIsSystem = true;
    w.classification = 6;
    w.classificationIsSystem = true;
    w.comment = QStringLiteral("Dark/ripe: 100%");
    w.winespectator = 91;
    w.rovant = 17;
    w.vinum = 18;
    w.custompoints = 8.5;
    w.customQuality = QStringLiteral("Top=1");
    w.rebsorte = QStringLiteral("Merlot");
    w.points = 95;
    w.supple = w.finesse = w.elegance = w.harmonious = w.rich = w.delicate = w.breed = true;
    w.from = 2018;
    w.best = 2022;
    w.to = 2030;
    w.temperatur = 16;
    w.tempTo = 18;
    w.food = QStringLiteral("Lamb+beans");
    w.quality = 3;
    w.score = 92.25;
    w.customSight = QStringLiteral("clear?");
    w.clarity = 1;
    w.colordepth = 2;
    w.sightcolor = 3;
    w.viscosity = 4;
    w.sightpoints = 5;
    w.unbestimmt = w.cloudyopaque = true;
    w.sightcolorSecondary = {6, 7, 8, 9, 10};
    w.customSmell = QStringLiteral("#fruit");
    w.appeal = 11;
    w.aroma = 12;
    w.bouquet = 13;
    w.odour = QStringLiteral("Cassis");
    w.odourA = QStringLiteral("Vanille");
    w.smellpoints = 14;
    w.cedar = w.corky = w.woody = w.musty = w.flowery = w.peach = w.honey = w.lemon = w.spicy =
        w.smoky = w.pears = w.sulphury = w.roestarome = true;
    w.customTaste = QStringLiteral("long");
    w.sweet = 15;
    w.tannin = 16;
    w.acidity = 17;
    w.body = 18;
    w.balance = 19;
    w.lenght = 20;
    w.taste = QStringLiteral("dry");
    w.tasteA = QStringLiteral("firm");
    w.tastepoints = 21;
    w.appley = w.bitter = w.currants = w.caramel = w.earthy = w.tastespicy = w.silky = w.salty =
        w.nutty = w.mouldy = w.metallic = w.fleshy = w.flinty = w.green = w.heady = w.melow =
            w.flabby = w.flat = w.twoody = true;
    w.price = 12.5;
    w.currency = QStringLiteral("EUR");
    w.marketvalue = 30;
    w.kosher = w.alcoholfree = w.barrique = true;
    w.alcohol = 13.5;
    w.acid = 5.25;
    w.sugar = 1.75;
    w.barcode = QStringLiteral("4 006381 333931");
    w.winery = QString::fromUtf8("Weingut M\xC3\xBCller");
    return w;
}

// Its upload target for user 4294967295, written out by hand.
inline QString fullWineTarget()
{
    return QStringLiteral(
        "/zuz/addwine.php3?winename=Ch%C3%A2teau%20Neuf%20%26%20Co"
        "&year=2015&type=2&country=3&regio=4&area=5&comment=Dark/ripe:%20100%25"
        "&winespectator=91&rovant=17&vinum=18&custompoints=8.500000&customQuality=Top%3D1"
        "&rebsorte=Merlot&points=95&supple=1&finesse=1&elegance=1&harmonious=1&rich=1"
        "&delicate=1&breed=1&klasse=6&from=2018&best=2022&to=2030&temperatur=16&tempTo=18"
        "&food=Lamb%2Bbeans&quality=3&score=92.250000&customSight=clear%3F&clarity=1"
        "&colordepth=2&sightcolor=3&viscosity=4&sightpoints=5&unbestimmt=1&cloudyopaque=1"
        "&sightcolorSecondary1=6&sightcolorSecondary2=7&sightcolorSecondary3=8"
        "&sightcolorSecondary4=9&sightcolorSecondary5=10&customSmell=%23fruit&appeal=11"
        "&aroma=12&bouquet=13&odour=Cassis&odourA=Vanille&smellpoints=14&cedar=1&corky=1"
        "&woody=1&musty=1&flowery=1&peach=1&honey=1&lemon=1&spicy=1&smoky=1&pears=1"
        "&sulphury=1&roestarome=1&customTaste=long&sweet=15&tannin=16&acidity=17&body=18"
        "&balance=19&lenght=20&taste=dry&tasteA=firm&tastepoints=21&appley=1&bitter=1"
        "&currants=1&caramel=1&earthy=1&tastespicy=1&silky=1&salty=1&nutty=1&mouldy=1"
        "&metallic=1&fleshy=1&flinty=1&green=1&heady=1&melow=1&flabby=1&flat=1&twoody=1"
        "&price=12.500000&currency=EUR&marketvalue=30.000000&kosher=1&alcoholfree=1"
        "&barrique=1&alcohol=13.500000&acid=5.250000&sugar=1.750000"
        "&barcode=4%20006381%20333931&winery=Weingut%20M%C3%BCller&zuzUserWineId=4294967295");
}

inline ZuzAddressForm fullAddress()
{
    ZuzAddressForm a;
    a.company = QString::fromUtf8("Weingut M\xC3\xBCller & S\xC3\xB6hne");
    a.additional = QStringLiteral("Haus 2");
    a.street = QStringLiteral("Hauptstr. 1");
    a.zip = QStringLiteral("55 116");
    a.city = QStringLiteral("Mainz");
    a.phone = QStringLiteral("+49 6131 1");
    a.fax = QStringLiteral("+49/6131/2");
    a.email = QStringLiteral("info+wein@mueller.de");
    a.web = QStringLiteral("http://mueller.de/?a=1&b=2");
    a.note = QStringLiteral("Seit 1900");
    a.state = QStringLiteral("Rheinland-Pfalz");
    a.country = 5;
    a.region = 7;
    a.winery = true;
    return a;
}

inline QString fullAddressTarget()
{
    return QStringLiteral(
        "/zuz/addaddress.php3?company=Weingut%20M%C3%BCller%20%26%20S%C3%B6hne"
        "&additional=Haus%202&street=Hauptstr.%201&zip=55%20116&city=Mainz"
        "&phone=%2B49%206131%201&fax=%2B49/6131/2&email=info%2Bwein@mueller.de"
        "&web=http://mueller.de/%3Fa%3D1%26b%3D2&English=Seit%201900&state=Rheinland-Pfalz"
        "&country=5&region=7&vineyard=1&supplier=0");
}

// A search reply: three header rows, the data rows, one trailing row.
inline QByteArray searchReply(const QList<QByteArray>& rows)
{
    QByteArray out = "zuz\rresult\rcount\r";
    for (const QByteArray& r : rows)
        out += r + '\r';
    return out + "end";
}
