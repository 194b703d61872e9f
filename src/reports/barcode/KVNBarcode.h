#pragma once
#include <QString>

// One-dimensional barcode: holds the content and the geometry and turns the
// content into a module string of "1" (bar) and "0" (space). Symbologies derive
// from it and override the encoding; KVNBarcodeOffscreenView draws the result.
//
// Lengths are in points, except captionHeight, which is in inches.
class KVNBarcode
{
public:
    static constexpr quint8 NoCheckDigit = 255;
    static constexpr double DefaultBarWidth = 0.936;
    static constexpr double DefaultHeight = 36.0;
    static constexpr double DefaultFontSize = 6.0;

    explicit KVNBarcode(const QString& content, bool printsCaption = true);
    KVNBarcode(const QString& content, bool printsCaption, double barWidth, double height,
               double fontSize, quint8 checkDigit);
    virtual ~KVNBarcode();
    KVNBarcode(const KVNBarcode&) = default;
    KVNBarcode& operator=(const KVNBarcode&) = default;

    // Setters store the field; nothing is recomputed.
    void setContent(const QString& content) { m_content = content; }
    void setHeight(double height) { m_height = height; }
    void setWidth(double width) { m_width = width; }
    void setCheckDigit(quint8 checkDigit) { m_checkDigit = checkDigit; }
    void setPrintsCaption(bool printsCaption) { m_printsCaption = printsCaption; }
    void setBarWidth(double barWidth) { m_barWidth = barWidth; }
    void setCaptionHeight(double inches) { m_captionHeight = inches; }
    // Stores the size and derives captionHeight from the fixed-pitch font's cap height.
    void setFontSize(double points);

    const QString& content() const { return m_content; }
    double height() const { return m_height; }
    double width() const { return m_width; }
    quint8 checkDigit() const { return m_checkDigit; }
    virtual bool printsCaption() const { return m_printsCaption; }
    double barWidth() const { return m_barWidth; }
    double captionHeight() const { return m_captionHeight; }
    double fontSize() const { return m_fontSize; }

    // width = modules of completeBarcode() times barWidth.
    virtual void calculateWidth();
    virtual bool isSizeValid() const { return true; }
    virtual void generateChecksum() {}

    // Empty when every character can be encoded, else a message naming the
    // first one that cannot.
    virtual QString contentError() const;
    bool isContentValid() const { return contentError().isEmpty(); }

    virtual QString initiator() const { return {}; }
    virtual QString terminator() const { return {}; }
    // Module string of one character; empty when the symbology has none.
    virtual QString encodeChar(int c) const;
    // Data symbols (and the check symbol where there is one).
    virtual QString barcode() const;
    // initiator + barcode + terminator; empty for an invalid content, so that a
    // refused character never yields a symbol that reads as something else.
    QString completeBarcode() const;

    virtual int digitsToLeft() const { return 0; }
    virtual int digitsToRight() const { return 0; }
    QString leftCaption() const;
    virtual QString rightCaption() const;
    virtual QString caption() const;

    // Vertical extent of the module at index i of completeBarcode().
    virtual double barBottom(int moduleIndex) const;
    virtual double barTop(int moduleIndex) const;
    virtual double firstBar() const { return 0.0; }
    virtual double lastBar() const { return m_width - m_barWidth; }

    QString description() const;
    bool isEqual(const KVNBarcode& other) const { return m_content == other.m_content; }

protected:
    virtual const char* className() const { return "KVNBarcode"; }

private:
    QString m_content;
    double m_height = DefaultHeight;
    double m_width = 0.0;
    quint8 m_checkDigit = NoCheckDigit;
    double m_barWidth = DefaultBarWidth;
    bool m_printsCaption = true;
    double m_fontSize = DefaultFontSize;
    double m_captionHeight = 0.0;
};
