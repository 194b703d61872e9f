#pragma once
#include "exchange/online/ZuzTypes.h"
#include <QList>
#include <memory>

class AddressBook;
class CellarBook;
class Wine;

// What a wine upload needs from outside the cellar book: whether the wine's region,
// area and classification are built-in catalogue entries (user entries are not
// sent), and the organisation of the winery shown in the editor (empty when the
// wine has no winery or the address book lacks it).
struct ZuzWineContext {
    bool regioIsSystem = false;
    bool areaIsSystem = false;
    bool classificationIsSystem = false;
    QString winery;
};

// The context of a wine in this cellar: the catalogue's word on its entries and
// the winery's organisation from the address book (none given: no winery name).
ZuzWineContext zuzContextForWine(const Wine& wine, const AddressBook* addresses);

// The upload values of a wine. The grape's name goes only when the book's grape
// list holds that very grape; the price is the first purchase's.
ZuzWineRow zuzRowFromWine(const Wine& wine, CellarBook& book, const ZuzWineContext& context);

// A new wine from a search row, marked as found online (idbhome) and not added to
// the book. Odour, taste and grape names are looked up in the book, which may add
// them to its lists. A number outside its field's range reads as 0.
std::shared_ptr<Wine> wineFromZuzRow(const ZuzWineRow& row, CellarBook& book);
QList<std::shared_ptr<Wine>> createWinesFromArray(const QList<ZuzWineRow>& rows, CellarBook& book);
