#pragma once
#include "reports/barcode/KVNBarcode.h"

#include <QList>

// Code 128: one code set for the whole content, digit pairs in set C, and the
// modulo-103 check symbol. Characters the chosen set cannot encode are refused
// (contentError names them) rather than dropped from the symbol.
class KVNCode128Barcode : public KVNBarcode
{
public:
    enum CodeSet : qint32 { CodeSetA = 0, CodeSetB = 1, CodeSetC = 2 };
    enum Value { ValueStartA = 103, ValueStartB = 104, ValueStartC = 105, ValueStop = 106 };

    // Chooses the code set, computes the check value and the width.
    explicit KVNCode128Barcode(const QString& content, bool printsCaption = true);

    qint32 codeSet() const { return m_codeSet; }
    void setCodeSet(qint32 codeSet) { m_codeSet = codeSet; }

    void generateChecksum() override;
    QString contentError() const override;
    QString initiator() const override;
    QString terminator() const override;
    QString encodeChar(int c) const override;
    QString barcode() const override;

    bool canEncodeChar(int c, int codeSet) const { return !encodeCharWithSet(c, codeSet).isEmpty(); }
    static QString encodeCharWithSet(int c, int codeSet);
    // Value of a character in sets A and B; -1 (and a log line) when it has none.
    static int valueForChar(int c);
    int bestCodeSetForContent() const;
    // Module string of the symbol of a value 0 to 102; empty for any other.
    static QString encodeNumberPair(int value);
    // Values of the data symbols in the order they are drawn; empty with an
    // error message for a content the code set cannot encode.
    QList<int> dataValues(QString* error = nullptr) const;

    // The published pattern of symbol value 0 to 106 (the stop with its final bar).
    static QString patternForValue(int value);

protected:
    const char* className() const override { return "KVNCode128Barcode"; }

private:
    qint32 m_codeSet = CodeSetB;
};
