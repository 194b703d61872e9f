#include "platform/addressbook/VCardCoder.h"

#include "platform/addressbook/ABGroup.h"
#include "platform/addressbook/ABMultiValue.h"
#include "platform/addressbook/ABPerson.h"
#include "platform/addressbook/VCardLine.h"

#include <QDate>
#include <QStringDecoder>
#include <QUuid>

#include <functional>

using namespace VCardSyntax;

namespace {
// Custom properties become X- properties that carry their own key, so a card
// can be read back before the application has registered its properties.
const char* const kKeyParam = "X-ABKEY";
// A label with no vCard type is written in this parameter.
const char* const kLabelParam = "X-ABLABEL";

struct LabelTypes {
    QLatin1StringView label;
    const char* types; // sorted, comma-separated; empty: no TYPE
};

// The label "other" is a line without TYPE; vCard has no main phone, so it
// gets a type of our own.
const LabelTypes kPhoneLabels[] = {
    {kABPhoneMainLabel, "x-main"}, {kABWorkLabel, "work"}, {kABHomeLabel, "home"},
    {kABPhoneMobileLabel, "cell"}, {kABPhoneWorkFAXLabel, "fax,work"}, {kABPhoneHomeFAXLabel, "fax,home"},
    {kABPhonePagerLabel, "pager"}, {kABOtherLabel, ""},
};
const LabelTypes kPlainLabels[] = {
    {kABWorkLabel, "work"}, {kABHomeLabel, "home"}, {kABOtherLabel, ""},
};

template <size_t N>
QByteArray typesForLabel(const LabelTypes (&table)[N], const QString& label, bool* known)
{
    for (const LabelTypes& lt : table)
        if (label == lt.label) {
            *known = true;
            return lt.types;
        }
    *known = false;
    return {};
}

template <size_t N>
QString labelForTypes(const LabelTypes (&table)[N], QStringList types, bool phone)
{
    std::sort(types.begin(), types.end());
    const QString joined = types.join(u',');
    for (const LabelTypes& lt : table)
        if (joined == QLatin1StringView(lt.types))
            return lt.label;
    // The nearest label for type sets written by other programs.
    const auto has = [&](const char* t) { return types.contains(QLatin1StringView(t)); };
    if (phone && has("fax"))
        return has("home") ? QString(kABPhoneHomeFAXLabel) : QString(kABPhoneWorkFAXLabel);
    if (phone && has("cell"))
        return kABPhoneMobileLabel;
    if (phone && has("x-main"))
        return kABPhoneMainLabel;
    if (has("work"))
        return kABWorkLabel;
    if (has("home"))
        return kABHomeLabel;
    return kABOtherLabel;
}

QStringList typeValues(const VCardLine& line, std::initializer_list<const char*> ignored)
{
    QStringList out;
    for (const QString& v : line.param("TYPE"))
        for (const QString& t : v.split(u',', Qt::SkipEmptyParts)) {
            const QString lower = t.trimmed().toLower();
            bool skip = lower == u"pref";
            for (const char* ig : ignored)
                skip = skip || lower == QLatin1StringView(ig);
            if (!skip && !out.contains(lower))
                out.append(lower);
        }
    return out;
}

int prefOf(const VCardLine& line)
{
    const QStringList prefs = line.param("PREF");
    bool ok = false;
    const int p = prefs.isEmpty() ? 0 : prefs.first().toInt(&ok);
    if (ok && p >= 1 && p <= 100)
        return p;
    // vCard 3 marked the preferred entry as a type.
    for (const QString& t : line.param("TYPE"))
        if (t.split(u',').contains(QStringLiteral("pref"), Qt::CaseInsensitive))
            return 1;
    return 101;
}

QString customName(const QString& key)
{
    QByteArray name = "X-";
    for (const char c : key.toUtf8())
        name += (c >= 'a' && c <= 'z') ? char(c - 32) : ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) ? c : '-';
    return QString::fromLatin1(name);
}

QByteArray mediaTypeOf(const QByteArray& data)
{
    if (data.startsWith("II*\0") || data.startsWith(QByteArray("MM\0*", 4)))
        return "image/tiff";
    if (data.startsWith("\x89PNG"))
        return "image/png";
    if (data.startsWith("\xFF\xD8\xFF"))
        return "image/jpeg";
    if (data.startsWith("GIF8"))
        return "image/gif";
    return "application/octet-stream";
}

// A data: URI with base64 content, as PHOTO values are written.
bool decodeDataUri(const QByteArray& value, QByteArray* data)
{
    if (!value.startsWith("data:"))
        return false;
    const qsizetype comma = value.indexOf(',');
    if (comma < 0 || !value.left(comma).endsWith(";base64"))
        return false;
    auto result = QByteArray::fromBase64Encoding(value.mid(comma + 1), QByteArray::AbortOnBase64DecodingErrors);
    if (!result || result.decoded.isEmpty())
        return false;
    *data = *result;
    return true;
}

QVariant customValue(const VCardLine& line)
{
    const QStringList type = line.param("VALUE");
    const QString kind = type.isEmpty() ? QString() : type.first().toLower();
    const QString text = unescapeText(line.value);
    bool ok = false;
    if (kind == u"integer") {
        const qlonglong n = text.toLongLong(&ok);
        return ok ? QVariant(n) : QVariant();
    }
    if (kind == u"float") {
        const double d = text.toDouble(&ok);
        return ok ? QVariant(d) : QVariant();
    }
    if (kind == u"date") {
        const QDate d = QDate::fromString(text, QStringLiteral("yyyyMMdd"));
        return d.isValid() ? QVariant(d) : QVariant();
    }
    return kind.isEmpty() || kind == u"text" ? QVariant(text) : QVariant();
}

class Writer {
public:
    void line(const QByteArray& nameAndParams, const QByteArray& value)
    {
        appendFolded(out, QByteArray(nameAndParams + ':' + value));
    }
    void text(const char* name, const QString& value) { line(name, escapeText(value)); }
    QByteArray out;
};
}

std::shared_ptr<ABRecord> VCardCoder::decode(const QByteArray& bytes, const QString& fileName, QString* error)
{
    QList<VCardLine> lines;
    if (!splitLines(bytes, &lines, error))
        return nullptr;
    // Checked after unfolding: other writers fold inside a character.
    for (const VCardLine& l : lines) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = utf8.decode(l.text); // converts only when assigned
        if (utf8.hasError()) {
            *error = QStringLiteral("it is not UTF-8 text");
            return nullptr;
        }
    }
    if (lines.size() < 2 || lines.first().name != "BEGIN" || lines.last().name != "END"
        || lines.first().value.toUpper() != "VCARD" || lines.last().value.toUpper() != "VCARD") {
        *error = QStringLiteral("it is not a vCard");
        return nullptr;
    }
    lines.removeFirst();
    lines.removeLast();
    QString uid, kind;
    bool version = false;
    for (const VCardLine& l : lines) {
        if (l.name == "BEGIN" || l.name == "END") {
            *error = QStringLiteral("it holds more than one card");
            return nullptr;
        }
        if (!l.group.isEmpty())
            continue;
        if (l.name == "VERSION") {
            if (l.value != "4.0") {
                *error = QStringLiteral("it is a vCard %1, not 4.0").arg(QString::fromUtf8(l.value));
                return nullptr;
            }
            version = true;
        } else if (l.name == "UID") {
            if (!uid.isEmpty()) {
                *error = QStringLiteral("it has more than one UID");
                return nullptr;
            }
            uid = unescapeText(l.value);
        } else if (l.name == "KIND") {
            kind = QString::fromUtf8(l.value).toLower();
        }
    }
    if (!version) {
        *error = QStringLiteral("it has no VERSION");
        return nullptr;
    }
    if (!kind.isEmpty() && kind != u"individual" && kind != u"org" && kind != u"group") {
        *error = QStringLiteral("it is a card of kind \"%1\"").arg(kind);
        return nullptr;
    }
    if (uid.isEmpty()) {
        // Stable across runs as long as the file keeps its name.
        static const QUuid space = QUuid::fromString(QStringLiteral("8a1d4f6c-3b7e-4c52-9d0f-2e6a5b1c7d39"));
        uid = ABRecordId::referenceFor(QUuid::createUuidV5(space, fileName).toString(QUuid::WithoutBraces));
    }

    std::shared_ptr<ABRecord> record;
    auto keep = [&](const VCardLine& l) { record->m_keptLines.append(l.text); };
    if (kind == u"group") {
        auto group = std::shared_ptr<ABGroup>(new ABGroup(uid, ABGroup::StoredTag{}));
        record = group;
        bool haveName = false;
        for (const VCardLine& l : lines) {
            if (!l.group.isEmpty())
                keep(l);
            else if (l.name == "VERSION" || l.name == "UID" || l.name == "KIND")
                continue;
            else if (l.name == "FN" && !haveName) {
                haveName = true;
                group->m_values.insert(kABGroupNameProperty, unescapeText(l.value));
            } else if (l.name == "MEMBER")
                group->addReference(QString::fromUtf8(l.value));
            else
                keep(l);
        }
        return record;
    }

    auto person = std::shared_ptr<ABPerson>(new ABPerson(uid));
    record = person;
    auto& values = person->m_values;
    if (kind == u"org")
        values.insert(kABPersonFlags, qlonglong(kABShowAsCompany));
    struct Entry {
        QVariant value;
        QString label;
        int pref;
    };
    QList<Entry> adr, tel, email;
    bool haveFn = false, haveN = false, haveOrg = false, havePhoto = false;
    auto singleText = [&](const VCardLine& l, QLatin1StringView property) {
        if (values.contains(property))
            keep(l);
        else
            values.insert(property, unescapeText(l.value));
    };
    auto labelOf = [&](const VCardLine& l, auto& table, std::initializer_list<const char*> ignored) {
        const QStringList custom = l.param(kLabelParam);
        const bool phone = l.name == "TEL";
        return custom.isEmpty() ? labelForTypes(table, typeValues(l, ignored), phone) : custom.first();
    };
    for (const VCardLine& l : lines) {
        const QByteArray& n = l.name;
        if (!l.group.isEmpty()) {
            keep(l);
        } else if (n == "VERSION" || n == "UID" || n == "KIND") {
            continue;
        } else if (n == "FN" && !haveFn) {
            haveFn = true;
            person->m_storedFormattedName = unescapeText(l.value);
        } else if (n == "N" && !haveN) {
            // An empty N or ORG is not written again, so a later one takes its place.
            const QStringList c = components(l.value);
            const QLatin1StringView keys[] = {kABLastNameProperty, kABFirstNameProperty, kABMiddleNameProperty,
                                              kABTitleProperty, kABSuffixProperty};
            for (int i = 0; i < 5 && i < c.size(); ++i)
                if (!c[i].isEmpty()) {
                    values.insert(keys[i], c[i]);
                    haveN = true;
                }
        } else if (n == "ORG" && !haveOrg) {
            const QStringList c = components(l.value);
            if (!c.value(0).isEmpty())
                values.insert(kABOrganizationProperty, c.value(0));
            if (c.size() > 1)
                values.insert(kABDepartmentProperty, c.mid(1).join(u';'));
            haveOrg = !c.value(0).isEmpty() || c.size() > 1;
        } else if (n == "TITLE") {
            singleText(l, kABJobTitleProperty);
        } else if (n == "NOTE") {
            singleText(l, kABNoteProperty);
        } else if (n == "URL") {
            if (values.contains(kABHomePageProperty))
                keep(l);
            else
                values.insert(kABHomePageProperty, QString::fromUtf8(l.value));
        } else if (n == "ADR") {
            const QStringList c = components(l.value);
            const QLatin1StringView keys[] = {kABAddressPOBoxKey, kABAddressExtendedKey, kABAddressStreetKey,
                                              kABAddressCityKey, kABAddressStateKey, kABAddressZIPKey,
                                              kABAddressCountryKey};
            QVariantMap address;
            for (int i = 0; i < 7; ++i)
                if (i < c.size() && (!c[i].isEmpty() || i >= 2))
                    address.insert(keys[i], c[i]);
            adr.append({address, labelOf(l, kPlainLabels, {}), prefOf(l)});
        } else if (n == "TEL") {
            QString number = unescapeText(l.value);
            if (l.param("VALUE").contains(QStringLiteral("uri"), Qt::CaseInsensitive) && number.startsWith(u"tel:"))
                number = number.mid(4);
            tel.append({number, labelOf(l, kPhoneLabels, {"voice"}), prefOf(l)});
        } else if (n == "EMAIL") {
            email.append({unescapeText(l.value), labelOf(l, kPlainLabels, {"internet"}), prefOf(l)});
        } else if (n == "PHOTO" && !havePhoto && decodeDataUri(l.value, &person->m_imageData)) {
            havePhoto = true;
        } else if (n.startsWith("X-") && !l.param(kKeyParam).isEmpty()) {
            const QString key = l.param(kKeyParam).first();
            const QVariant v = customValue(l);
            if (key.isEmpty() || ABPerson::isStandardProperty(key) || !v.isValid() || values.contains(key))
                keep(l);
            else
                values.insert(key, v);
        } else {
            keep(l);
        }
    }
    auto multi = [&](const QList<Entry>& entries, QLatin1StringView property) {
        if (entries.isEmpty())
            return;
        ABMultiValue mv;
        int best = 0;
        for (int i = 0; i < entries.size(); ++i) {
            mv.addValue(entries[i].value, entries[i].label);
            if (entries[i].pref < entries[best].pref)
                best = i;
        }
        mv.setPrimaryIdentifier(mv.identifierAtIndex(best));
        values.insert(property, QVariant::fromValue(mv));
    };
    multi(adr, kABAddressProperty);
    multi(tel, kABPhoneProperty);
    multi(email, kABEmailProperty);
    return record;
}

namespace {
template <size_t N>
void writeMultiValue(Writer& w, const char* name, const ABMultiValue& mv, const LabelTypes (&table)[N],
                     const std::function<QByteArray(const QVariant&)>& valueText)
{
    const int primary = mv.primaryIndex();
    for (int i = 0; i < mv.count(); ++i) {
        QByteArray head = name;
        bool known = false;
        const QByteArray types = typesForLabel(table, mv.labelAtIndex(i), &known);
        if (!types.isEmpty())
            head += ";TYPE=" + types;
        if (!known)
            head += QByteArray(";") + kLabelParam + '=' + paramValue(mv.labelAtIndex(i));
        if (i == primary && mv.count() > 1)
            head += ";PREF=1";
        w.line(head, valueText(mv.valueAtIndex(i)));
    }
}

QString displayName(const ABPerson& p, const QString& stored)
{
    const auto text = [&](QLatin1StringView key) { return p.valueForProperty(key).toString(); };
    const QString org = text(kABOrganizationProperty);
    QStringList parts;
    for (QLatin1StringView key : {kABTitleProperty, kABFirstNameProperty, kABMiddleNameProperty,
                                  kABLastNameProperty, kABSuffixProperty})
        if (!text(key).isEmpty())
            parts.append(text(key));
    const bool company = p.valueForProperty(kABPersonFlags).toLongLong() & kABShowAsCompany;
    if (!org.isEmpty() && (company || parts.isEmpty()))
        return org;
    return parts.isEmpty() ? stored : parts.join(u' ');
}
}

QByteArray VCardCoder::encode(const ABRecord& record)
{
    Writer w;
    w.line("BEGIN", "VCARD");
    w.line("VERSION", "4.0");
    w.line("UID", escapeText(record.m_uidText));
    const auto text = [&](QLatin1StringView key) { return record.valueForProperty(key).toString(); };

    if (const auto* group = dynamic_cast<const ABGroup*>(&record)) {
        w.line("KIND", "group");
        w.text("FN", group->name());
        for (const QString& ref : group->m_memberRefs)
            w.line("MEMBER", ref.toUtf8().replace('\r', "%0D").replace('\n', "%0A"));
    } else {
        const auto& person = static_cast<const ABPerson&>(record);
        const qlonglong flags = record.valueForProperty(kABPersonFlags).toLongLong();
        if (flags & kABShowAsCompany)
            w.line("KIND", "org");
        w.text("FN", displayName(person, record.m_storedFormattedName));
        QByteArray n;
        bool anyName = false;
        for (QLatin1StringView key : {kABLastNameProperty, kABFirstNameProperty, kABMiddleNameProperty,
                                      kABTitleProperty, kABSuffixProperty}) {
            if (key != kABLastNameProperty)
                n += ';';
            n += escapeText(text(key));
            anyName = anyName || !text(key).isEmpty();
        }
        if (anyName)
            w.line("N", n);
        if (!text(kABOrganizationProperty).isEmpty() || record.m_values.contains(kABDepartmentProperty)) {
            QByteArray org = escapeText(text(kABOrganizationProperty));
            if (record.m_values.contains(kABDepartmentProperty))
                org += ';' + escapeText(text(kABDepartmentProperty));
            w.line("ORG", org);
        }
        if (record.m_values.contains(kABJobTitleProperty))
            w.text("TITLE", text(kABJobTitleProperty));
        const auto multi = [&](QLatin1StringView key) { return record.valueForProperty(key).value<ABMultiValue>(); };
        writeMultiValue(w, "ADR", multi(kABAddressProperty), kPlainLabels, [](const QVariant& v) {
            const QVariantMap m = v.toMap();
            QByteArray out;
            for (QLatin1StringView key : {kABAddressPOBoxKey, kABAddressExtendedKey, kABAddressStreetKey,
                                          kABAddressCityKey, kABAddressStateKey, kABAddressZIPKey,
                                          kABAddressCountryKey}) {
                if (key != kABAddressPOBoxKey)
                    out += ';';
                out += escapeText(m.value(key).toString());
            }
            return out;
        });
        const auto plain = [](const QVariant& v) { return escapeText(v.toString()); };
        writeMultiValue(w, "TEL", multi(kABPhoneProperty), kPhoneLabels, plain);
        writeMultiValue(w, "EMAIL", multi(kABEmailProperty), kPlainLabels, plain);
        if (record.m_values.contains(kABHomePageProperty)) {
            // A URI is written as it is; only line breaks, which cannot be in one, are encoded.
            QByteArray url = text(kABHomePageProperty).toUtf8();
            url.replace('\r', "%0D").replace('\n', "%0A");
            w.line("URL", url);
        }
        if (record.m_values.contains(kABNoteProperty))
            w.text("NOTE", text(kABNoteProperty));
        if (!person.m_imageData.isEmpty())
            w.line("PHOTO", "data:" + mediaTypeOf(person.m_imageData) + ";base64," + person.m_imageData.toBase64());

        QStringList customKeys;
        for (auto it = record.m_values.cbegin(); it != record.m_values.cend(); ++it)
            if (!ABPerson::isStandardProperty(it.key()))
                customKeys.append(it.key());
        std::sort(customKeys.begin(), customKeys.end());
        for (const QString& key : customKeys) {
            const QVariant v = record.m_values.value(key);
            QByteArray head = customName(key).toLatin1() + ';' + kKeyParam + '=' + paramValue(key);
            QByteArray value;
            switch (v.metaType().id()) {
            case QMetaType::LongLong:
                head += ";VALUE=integer";
                value = QByteArray::number(v.toLongLong());
                break;
            case QMetaType::Double:
                head += ";VALUE=float";
                value = QByteArray::number(v.toDouble(), 'g', 17);
                break;
            case QMetaType::QDate:
                head += ";VALUE=date";
                value = v.toDate().toString(QStringLiteral("yyyyMMdd")).toLatin1();
                break;
            default:
                value = escapeText(v.toString());
            }
            w.line(head, value);
        }
    }
    for (const QByteArray& kept : record.m_keptLines)
        appendFolded(w.out, kept);
    w.line("END", "VCARD");
    return w.out;
}
