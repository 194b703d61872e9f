#include "GermanLocale.h"
#include "ZuzSamples.h"
#include "ZuzServerFixture.h"
#include "exchange/online/ZuzProtocol.h"
#include <QElapsedTimer>
#include <QTimer>

namespace {

using Behaviour = FakeHttpServer::Behaviour;
using Status = ZuzTransport::Result::Status;

const QString AddUser = QStringLiteral("/zuz/adduser.php3");
const QString UpdateUser = QStringLiteral("/zuz/updateuser.php3");
const QString AddWine = QStringLiteral("/zuz/addwine.php3");
const QString FindWine = QStringLiteral("/zuz/findwine.php3");
const QString FindWineSQL = QStringLiteral("/zuz/findwinesql.php3");
const QString FindAddress = QStringLiteral("/zuz/findaddress.php3");
const QString Address = QStringLiteral("/zuz/address.php3");
const QString AddAddress = QStringLiteral("/zuz/addaddress.php3");

class ZuzClientTest : public ZuzServerFixture {
protected:
    void SetUp() override
    {
        ZuzServerFixture::SetUp();
        settings->setString(QStringLiteral("uFirstName"), QStringLiteral("Anna"));
        settings->setString(QStringLiteral("uName"), QStringLiteral("Weber"));
        settings->setString(QStringLiteral("uEmail"), QStringLiteral("anna@example.org"));
        settings->setString(QStringLiteral("uLanguage"), QStringLiteral("English"));
    }
};

} // namespace

TEST_F(ZuzClientTest, GoldenRequestLinesOnTheWire)
{
    GermanLocale german;
    server.reply(AddWine, "zuz addwine at <#>4711");
    server.reply(AddAddress, "ok");
    quint32 user = 4294967295u;
    EXPECT_EQ(client->sendWineToIDB(fullWine(), user), std::optional<quint32>(4711));
    EXPECT_EQ(lastLine(), line(fullWineTarget()));
    EXPECT_TRUE(client->sendAddressToIDB(fullAddress()));
    EXPECT_EQ(lastLine(), line(fullAddressTarget()));
    EXPECT_EQ(server.requestLines().size(), 2);
    EXPECT_TRUE(dialogs.asked().isEmpty());
}

TEST_F(ZuzClientTest, VintagesOutsideTheRangeAreNotSent)
{
    server.reply(AddWine, "zuz addwine at <#>77");
    quint32 user = 5;
    ZuzWineRow w;
    w.winename = QStringLiteral("X");
    w.type = 1;
    w.country = 1;
    for (const int year : {999, 1000, 2100, 2101}) {
        w.year = year;
        const int before = server.requestCount(AddWine);
        const auto id = client->sendWineToIDB(w, user);
        const bool sent = year == 1000 || year == 2100;
        EXPECT_EQ(server.requestCount(AddWine) - before, sent ? 1 : 0) << year;
        EXPECT_EQ(id, sent ? std::optional<quint32>(77) : std::nullopt) << year;
        if (sent) {
            EXPECT_TRUE(lastLine().contains(QStringLiteral("&year=%1&").arg(year)));
        }
    }
    EXPECT_EQ(server.requestCount(AddUser), 0); // the ID was known
}

TEST_F(ZuzClientTest, UploadReplyWithoutPositiveNumberGivesNoID)
{
    quint32 user = 5;
    const ZuzWineRow w = fullWine();
    for (const QByteArray& reply : {QByteArray("zuz addwine at <#>"), QByteArray("zuz addwine at <#>0"),
                                   QByteArray("ok"), QByteArray()}) {
        server.reply(AddWine, reply);
        EXPECT_EQ(client->sendWineToIDB(w, user), std::nullopt) << reply.constData();
    }
}

// Every way the server can fail: the request fails, the user is asked, and
// choosing "Cancel" gives no result.
class ZuzFailureTest : public ZuzClientTest, public ::testing::WithParamInterface<int> {};

TEST_P(ZuzFailureTest, FailsAsksAndCancels)
{
    // Only the stalling server waits for the timeout; the others answer at once, so
    // a short timeout there would turn a slow machine into a false timeout.
    client->transport().setTimeoutMs(GetParam() == 3 ? 400 : 10000);
    Status expected = Status::NetworkError;
    switch (GetParam()) {
    case 0: server.refuse(); break;
    case 1: server.script(AddUser, {Behaviour::CloseWithoutReply, 200, {}}); break;
    case 2: server.reply(AddUser, "4711", 500); expected = Status::HttpError; break;
    case 3: server.script(AddUser, {Behaviour::Stall, 200, {}}); expected = Status::Timeout; break;
    case 4: expected = Status::HttpError; break; // nothing scripted: 404
    }
    const auto r = client->transport().fetch(ZuzProtocol::addUserQuery(client->user()));
    EXPECT_EQ(r.status, expected);
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.body.isEmpty()); // the 500 page's "4711" is not taken for an ID

    dialogs.push(1); // Cancel
    quint32 user = 0;
    EXPECT_EQ(client->userID(user), 0u);
    EXPECT_EQ(user, 0u);
    ASSERT_EQ(dialogs.asked().size(), 1);
    EXPECT_EQ(dialogs.asked()[0].title, QStringLiteral("Connecting to zUZ failed"));
    EXPECT_EQ(dialogs.asked()[0].text, QStringLiteral("Connecting to the internet database zUZ failed."));
    EXPECT_EQ(dialogs.asked()[0].options, (QStringList{"Try again", "Cancel"}));
}

std::string failureName(const ::testing::TestParamInfo<int>& info)
{
    static const char* const names[] = {"Refused", "ClosedWithoutReply", "Status500", "Stalled",
                                        "NotFound"};
    return names[info.param];
}

INSTANTIATE_TEST_SUITE_P(Modes, ZuzFailureTest, ::testing::Range(0, 5), failureName);

TEST_F(ZuzClientTest, RetryThenCancel)
{
    server.reply(FindAddress, "", 500);
    dialogs.push(0); // Try again
    dialogs.push(1); // Cancel
    EXPECT_TRUE(client->findIdbCompany(QStringLiteral("Gut")).isEmpty());
    EXPECT_EQ(server.requestCount(FindAddress), 2);
    ASSERT_EQ(dialogs.asked().size(), 2);
    EXPECT_EQ(dialogs.asked()[1].title, QStringLiteral("Sending data failed"));
    EXPECT_EQ(dialogs.asked()[1].text, QStringLiteral("Sending data to the internet database zUZ failed."));
}

TEST_F(ZuzClientTest, RetryThenSuccess)
{
    server.reply(AddUser, "", 500);
    server.reply(AddUser, "4711");
    dialogs.push(0);
    quint32 user = 0;
    EXPECT_EQ(client->userID(user), 4711u);
    EXPECT_EQ(user, 4711u);
    EXPECT_EQ(server.requestCount(AddUser), 2);
    EXPECT_EQ(dialogs.asked().size(), 1);
}

TEST_F(ZuzClientTest, UserCancelsWhileWaiting)
{
    server.script(FindWine, {Behaviour::Stall, 200, {}});
    client->transport().setTimeoutMs(10000);
    QTimer::singleShot(100, [this] {
        EXPECT_TRUE(client->transport().isWaiting());
        client->transport().cancel();
    });
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(client->findZuzWine(QStringLiteral("test")).isEmpty());
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_TRUE(dialogs.asked().isEmpty()); // cancelling is an answer already
    EXPECT_FALSE(client->transport().isWaiting());
}

TEST_F(ZuzClientTest, CancelledRegistrationIsTriedAgainByTheNextUpload)
{
    server.reply(AddUser, "", 500);
    server.reply(AddUser, "31");
    server.reply(AddWine, "zuz addwine at <#>8");
    quint32 user = 0;
    dialogs.push(1);
    EXPECT_EQ(client->sendWineToIDB(fullWine(), user), std::optional<quint32>(8));
    EXPECT_EQ(user, 0u);
    EXPECT_FALSE(lastLine().contains(QStringLiteral("zuzUserWineId")));
    EXPECT_EQ(client->sendWineToIDB(fullWine(), user), std::optional<quint32>(8));
    EXPECT_EQ(user, 31u);
    EXPECT_TRUE(lastLine().endsWith(QStringLiteral("&zuzUserWineId=31 HTTP/1.1")));
    EXPECT_EQ(server.requestLines()[0],
              line(QStringLiteral("/zuz/adduser.php3?firstname=Anna&name=Weber"
                                  "&email=anna@example.org&language=English")));
}

TEST_F(ZuzClientTest, SendUserRegistersOrUpdatesAndTells)
{
    settings->setString(QStringLiteral("uLanguage"), QString());
    server.reply(AddUser, "12");
    quint32 user = 0;
    EXPECT_TRUE(client->sendUserID(user));
    EXPECT_EQ(user, 12u);
    EXPECT_TRUE(lastLine().contains(QStringLiteral("&language=%20%20%20 ")));
    EXPECT_EQ(settings->string(QStringLiteral("uLanguage")), QStringLiteral("    "));
    ASSERT_EQ(dialogs.asked().size(), 1);
    EXPECT_EQ(dialogs.asked()[0].title, QStringLiteral("User send to zUZ"));
    EXPECT_EQ(dialogs.asked()[0].text, QStringLiteral("User added to zUZ"));

    settings->setString(QStringLiteral("uLanguage"), QStringLiteral("Deutsch"));
    server.reply(UpdateUser, "12");
    EXPECT_TRUE(client->sendUserID(user));
    EXPECT_TRUE(lastLine().contains(QStringLiteral("&language=Deu&id=12 ")));
    EXPECT_EQ(dialogs.asked().last().text, QStringLiteral("User updated to zUZ"));

    server.reply(UpdateUser, "failed");
    server.reply(UpdateUser, "failed");
    EXPECT_FALSE(client->sendUserID(user));
    EXPECT_EQ(user, 12u);
    EXPECT_EQ(dialogs.asked().size(), 2); // "failed" shows nothing
}

TEST_F(ZuzClientTest, WineSearchesSkipBlankRowsAndReadShortOnes)
{
    QStringList full;
    for (int i = 0; i < 119; ++i)
        full.append(QStringLiteral("0"));
    full[0] = QStringLiteral("501");
    full[1] = QString::fromUtf8("Gr\xC3\xBCner Veltliner");
    full[2] = QStringLiteral("2019");
    const QByteArray reply = searchReply({full.join(QLatin1Char('\t')).toUtf8(), "", "502\tShort"});
    server.reply(FindWine, reply);
    server.reply(FindWineSQL, reply);
    for (const auto& wines : {client->findZuzWine(QStringLiteral("Veltliner")),
                              client->findZuzSQL(QStringLiteral("year = 2019"))}) {
        ASSERT_EQ(wines.size(), 2);
        EXPECT_EQ(wines[0].iDBwineID, 501u);
        EXPECT_EQ(wines[0].winename, QString::fromUtf8("Gr\xC3\xBCner Veltliner"));
        EXPECT_EQ(wines[0].year, 2019);
        EXPECT_EQ(wines[1].iDBwineID, 502u);
        EXPECT_EQ(wines[1].winename, QStringLiteral("Short"));
        EXPECT_EQ(wines[1].year, 0);
    }
    EXPECT_EQ(lastLine(), line(QStringLiteral("/zuz/findwinesql.php3?sqlquery=year%20%3D%202019")));

    // header and trailer only
    server.reply(FindWine, "a\rb\rc\rd");
    EXPECT_TRUE(client->findZuzWine(QStringLiteral("x")).isEmpty());
    // nothing sent for empty input
    const int before = int(server.requestLines().size());
    EXPECT_TRUE(client->findZuzWine(QString()).isEmpty());
    EXPECT_TRUE(client->findZuzSQL(QString()).isEmpty());
    EXPECT_EQ(server.requestLines().size(), before);
}

TEST_F(ZuzClientTest, InvalidUtf8InSearchReplies)
{
    // a Latin-1 row: the name search drops the whole reply, the rule search reads it byte for byte
    const QByteArray reply = searchReply({"7\tM\xFCller"});
    server.reply(FindWine, reply);
    server.reply(FindWineSQL, reply);
    EXPECT_TRUE(client->findZuzWine(QStringLiteral("x")).isEmpty());
    const auto wines = client->findZuzSQL(QStringLiteral("x"));
    ASSERT_EQ(wines.size(), 1);
    EXPECT_EQ(wines[0].winename, QString::fromUtf8("M\xC3\xBCller"));
}

TEST_F(ZuzClientTest, CompanySearchAndAddressFetch)
{
    server.reply(FindAddress, searchReply({"17\tGut A\tMainz\t5\t2\tWeg 1\t55116\ta@b.de", "18\tGut B"}));
    const auto companies = client->findIdbCompany(QStringLiteral("Gut & Co"));
    EXPECT_EQ(lastLine(), line(QStringLiteral("/zuz/findaddress.php3?findcompany=Gut%20%26%20Co")));
    ASSERT_EQ(companies.size(), 2);
    EXPECT_EQ(companies[0].company, QStringLiteral("Gut A"));
    EXPECT_EQ(companies[0].region, 2);
    EXPECT_EQ(companies[1].addressID, QStringLiteral("18"));
    EXPECT_TRUE(companies[1].city.isEmpty());

    server.reply(Address, searchReply({"17\tx\t1\t0\tGut A\tWeg 1\t55116\tMainz\ta@b.de\thttp://a.de"
                                       "\t061\t062\tKellerei\t44\t3\tRheinhessen"}));
    const auto a = client->addressForID(companies[0].addressID);
    EXPECT_EQ(lastLine(), line(QStringLiteral("/zuz/address.php3?addressid=17")));
    ASSERT_TRUE(a.has_value());
    EXPECT_TRUE(a->winery);
    EXPECT_EQ(a->company, QStringLiteral("Gut A"));
    EXPECT_EQ(a->country, 44);
    EXPECT_EQ(a->state, QStringLiteral("Rheinhessen"));

    server.reply(Address, "a\rb\rc\rd");
    EXPECT_FALSE(client->addressForID(QStringLiteral("99")).has_value());
    EXPECT_FALSE(client->addressForID(QString()).has_value());
    server.reply(FindAddress, "");
    EXPECT_TRUE(client->findIdbCompany(QStringLiteral("none")).isEmpty());
}

TEST_F(ZuzClientTest, IncompleteAddressIsNotSentAndBulkFailsWithoutAsking)
{
    ZuzAddressForm a = fullAddress();
    a.city.clear();
    EXPECT_FALSE(client->sendAddressToIDB(a));
    EXPECT_EQ(server.requestCount(AddAddress), 0);

    server.reply(AddAddress, "", 500);
    ZuzBulkAddress l;
    l.company = QStringLiteral("Gut");
    EXPECT_FALSE(client->sendBulkAddress(l).has_value());
    EXPECT_TRUE(dialogs.asked().isEmpty());
    server.reply(AddAddress, "stored");
    server.reply(AddAddress, "stored");
    EXPECT_EQ(client->sendBulkAddress(l), std::optional<QByteArray>("stored"));
}

TEST_F(ZuzClientTest, EscapesReachTheServerUntouched)
{
    server.reply(FindWine, "");
    const QString every = QStringLiteral(" !\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~\u00e4");
    client->findZuzWine(every);
    // Qt's URL class writes the unreserved "~" for "%7E"; both decode to the same value.
    EXPECT_EQ(lastLine(),
              line(QStringLiteral("/zuz/findwine.php3?winename=%20%21%22%23%24%25%26%27%28%29*%2B%2C-./:"
                                  "%3B%3C%3D%3E%3F@%5B%5C%5D%5E_%60%7B%7C%7D~%C3%A4")));
}

TEST_F(ZuzClientTest, OversizedReplyIsAFailure)
{
    client->transport().setMaxReplyBytes(1000);
    server.reply(AddUser, QByteArray(5000, '7'));
    const auto r = client->transport().fetch(ZuzProtocol::addUserQuery(client->user()));
    EXPECT_EQ(r.status, Status::TooLarge);
    EXPECT_TRUE(r.body.isEmpty());
    server.reply(AddUser, QByteArray(1000, '7'));
    EXPECT_TRUE(client->transport().fetch(ZuzProtocol::addUserQuery(client->user())).ok());
}
