#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Encoding of query values and splitting of the online database's replies.
class URLTools {
public:
    // Builds the process-wide set of characters that need escaping. Calling it is
    // optional (the set is also built on first use) and harmless more than once.
    static void initCharcters();

    // The value's UTF-8 bytes with every byte that is not one of the safe characters
    // "*-.0123456789@A-Z_a-z" written as "%XX" (upper-case hex); with asQuery a blank
    // becomes "+", with leaveSlashes "/" stays, with leaveColons ":" stays. A string
    // that needs no escaping comes back as it is; a null or empty string gives "".
    // The encoding number is kept for the callers' sake: the bytes are always UTF-8.
    static QString encodeURLString(const QString& value, int encoding = 4, bool asQuery = false,
                                   bool leaveSlashes = true, bool leaveColons = true);

    // The encoding every request uses: not as query, slashes and colons left.
    static QString encode(const QString& value) { return encodeURLString(value); }

    // Splits a reply at CR into rows and each row at TAB into fields, dropping
    // removeFirst leading and removeLast trailing rows. A row that is valid UTF-8 is
    // read as such, any other row byte for byte (Latin-1). Empty when nothing is left.
    static QList<QStringList> arrayFromString(const QByteArray& reply, int removeFirst,
                                              int removeLast);
};
