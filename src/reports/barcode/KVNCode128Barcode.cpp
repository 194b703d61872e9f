#include "reports/barcode/KVNCode128Barcode.h"

#include <QtDebug>

namespace {

// The complete published table, values 0 to 106, as module strings.
constexpr const char* kPatterns[107] = {
    "11011001100", "11001101100", "11001100110", "10010011000", // 0
    "10010001100", "10001001100", "10011001000", "10011000100", // 4
    "10001100100", "11001001000", "11001000100", "11000100100", // 8
    "10110011100", "10011011100", "10011001110", "10111001100", // 12
    "10011101100", "10011100110", "11001110010", "11001011100", // 16
    "11001001110", "11011100100", "11001110100", "11101101110", // 20
    "11101001100", "11100101100", "11100100110", "11101100100", // 24
    "11100110100", "11100110010", "11011011000", "11011000110", // 28
    "11000110110", "10100011000", "10001011000", "10001000110", // 32
    "10110001000", "10001101000", "10001100010", "11010001000", // 36
    "11000101000", "11000100010", "10110111000", "10110001110", // 40
    "10001101110", "10111011000", "10111000110", "10001110110", // 44
    "11101110110", "11010001110", "11000101110", "11011101000", // 48
    "11011100010", "11011101110", "11101011000", "11101000110", // 52
    "11100010110", "11101101000", "11101100010", "11100011010", // 56
    "11101111010", "11001000010", "11110001010", "10100110000", // 60
    "10100001100", "10010110000", "10010000110", "10000101100", // 64
    "10000100110", "10110010000", "10110000100", "10011010000", // 68
    "10011000010", "10000110100", "10000110010", "11000010010", // 72
    "11001010000", "11110111010", "11000010100", "10001111010", // 76
    "10100111100", "10010111100", "10010011110", "10111100100", // 80
    "10011110100", "10011110010", "11110100100", "11110010100", // 84
    "11110010010", "11011011110", "11011110110", "11110110110", // 88
    "10101111000", "10100011110", "10001011110", "10111101000", // 92
    "10111100010", "11110101000", "11110100010", "10111011110", // 96
    "10111101110", "11101011110", "11110101110", "11010000100", // 100
    "11010010000", "11010011100", "1100011101011",              // 104
};

constexpr int kLastDataValue = 102;

bool isDigit(int c)
{
    return c >= '0' && c <= '9';
}

QString describeChar(int c)
{
    if (c > 32 && c < 127)
        return QStringLiteral("\"%1\" (code %2)").arg(QChar(c)).arg(c);
    return QStringLiteral("code %1").arg(c);
}

const char* setName(qint32 codeSet)
{
    switch (codeSet) {
    case KVNCode128Barcode::CodeSetA: return "A";
    case KVNCode128Barcode::CodeSetB: return "B";
    case KVNCode128Barcode::CodeSetC: return "C";
    }
    return "?";
}

} // namespace

KVNCode128Barcode::KVNCode128Barcode(const QString& content, bool printsCaption)
    : KVNBarcode(content, printsCaption)
{
    setCodeSet(bestCodeSetForContent());
    generateChecksum();
    calculateWidth();
}

QString KVNCode128Barcode::patternForValue(int value)
{
    if (value < 0 || value > ValueStop)
        return {};
    return QString::fromLatin1(kPatterns[value]);
}

int KVNCode128Barcode::valueForChar(int c)
{
    if (c >= 32 && c <= 126)
        return c - 32;
    if (c >= 0 && c < 32)
        return c + 64;
    qWarning("_valueForChar: received Unrecognized character %c", c);
    return -1;
}

QString KVNCode128Barcode::encodeCharWithSet(int c, int codeSet)
{
    switch (codeSet) {
    case CodeSetA:
        return c >= 0 && c <= 95 ? patternForValue(valueForChar(c)) : QString();
    case CodeSetB:
        return c >= 32 && c <= 126 ? patternForValue(c - 32) : QString();
    case CodeSetC:
        // Set C encodes digits only, by pairs; one digit alone answers with its
        // set-A pattern so that validation can ask character by character.
        return isDigit(c) ? patternForValue(c - 32) : QString();
    }
    return {};
}

QString KVNCode128Barcode::encodeChar(int c) const
{
    return encodeCharWithSet(c, m_codeSet);
}

int KVNCode128Barcode::bestCodeSetForContent() const
{
    int digits = 0;
    int lower = 0;
    int other = 0;
    for (QChar ch : content()) {
        const int c = ch.unicode();
        if (isDigit(c))
            ++digits;
        else if (c >= 'a' && c <= 'z')
            ++lower;
        else if (c < 32 || c > 126)
            ++other;
    }
    if (digits == content().size())
        return CodeSetC;
    return lower >= other ? CodeSetB : CodeSetA;
}

QString KVNCode128Barcode::encodeNumberPair(int value)
{
    if (value < 0 || value > kLastDataValue)
        return {};
    return patternForValue(value);
}

QString KVNCode128Barcode::contentError() const
{
    if (m_codeSet < CodeSetA || m_codeSet > CodeSetC)
        return QStringLiteral("Invalid code set %1 for a Code 128 barcode.").arg(m_codeSet);
    const QString& text = content();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int c = text.at(i).unicode();
        if (c > 126)
            return QStringLiteral("The barcode text cannot hold the character %1 at position %2: "
                                  "only ASCII characters up to 126 can be encoded.")
                .arg(describeChar(c))
                .arg(i + 1);
        if (!canEncodeChar(c, m_codeSet))
            return QStringLiteral("The barcode text cannot hold the character %1 at position %2: "
                                  "Code 128 set %3 has no symbol for it.")
                .arg(describeChar(c))
                .arg(i + 1)
                .arg(QLatin1String(setName(m_codeSet)));
    }
    return {};
}

QList<int> KVNCode128Barcode::dataValues(QString* error) const
{
    const QString problem = contentError();
    if (error)
        *error = problem;
    if (!problem.isEmpty())
        return {};
    QList<int> values;
    const QString& text = content();
    if (m_codeSet == CodeSetC) {
        const QString digits = text.size() % 2 ? QLatin1Char('0') + text : text;
        values.reserve(digits.size() / 2);
        for (qsizetype i = 0; i + 1 < digits.size(); i += 2)
            values.append((digits.at(i).unicode() - '0') * 10 + (digits.at(i + 1).unicode() - '0'));
    } else {
        values.reserve(text.size());
        for (QChar ch : text)
            values.append(valueForChar(ch.unicode()));
    }
    return values;
}

void KVNCode128Barcode::generateChecksum()
{
    QString error;
    const QList<int> values = dataValues(&error);
    if (!error.isEmpty()) {
        setCheckDigit(NoCheckDigit);
        return;
    }
    int sum = ValueStartA + m_codeSet;
    for (qsizetype i = 0; i < values.size(); ++i)
        sum = (sum + int(i + 1) * values.at(i)) % 103;
    setCheckDigit(quint8(sum % 103));
}

QString KVNCode128Barcode::initiator() const
{
    if (m_codeSet < CodeSetA || m_codeSet > CodeSetC) {
        qWarning("Invalid codeSet value: %c", m_codeSet);
        return {};
    }
    return patternForValue(ValueStartA + m_codeSet);
}

QString KVNCode128Barcode::terminator() const
{
    return patternForValue(ValueStop);
}

QString KVNCode128Barcode::barcode() const
{
    QString modules;
    const QList<int> values = dataValues();
    modules.reserve((values.size() + 1) * 11);
    for (int v : values)
        modules += encodeNumberPair(v);
    modules += encodeNumberPair(checkDigit());
    return modules;
}
