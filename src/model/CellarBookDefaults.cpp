// The contents of a new cellar. These tables are stored data once a cellar is
// made from them: append to them, never reorder.
#include "model/Aroma.h"
#include "model/CellarBook.h"
#include "model/Depot.h"
#include "model/Rack.h"
#include "model/VocabularyEntry.h"
#include "catalogue/WineInfos.h"
#include "platform/Strings.h"

namespace {
const char* const kTastes[] = {
    "Dry", "Off-dry", "Medium sweet", "Sweet", "Fruity", "Fresh", "Mineral",
    "Spicy", "Oaky", "Tannic", "Smooth", "Full-bodied", "Light",
};

const char* const kOdours[] = {
    "Fruity", "Floral", "Spicy", "Herbal", "Earthy", "Woody", "Toasty",
    "Nutty", "Mineral", "Animal", "Vegetal", "Closed",
};

const char* const kGrapes[] = {
    "Cabernet Sauvignon", "Merlot", "Pinot Noir", "Syrah", "Grenache", "Tempranillo",
    "Sangiovese", "Nebbiolo", "Zinfandel", "Malbec", "Cabernet Franc", "Barbera",
    "Chardonnay", "Sauvignon Blanc", "Riesling", "Pinot Gris", "Gewürztraminer",
    "Chenin Blanc", "Sémillon", "Viognier", "Grüner Veltliner", "Muscat",
};

struct GroupDef {
    const char* name;
    std::initializer_list<const char*> aromas;
};
struct TypeDef {
    const char* name;
    bool faults;
    std::initializer_list<GroupDef> groups;
};

const TypeDef kAromaTree[] = {
    {"Fruit", false,
     {{"Citrus", {"Lemon", "Grapefruit", "Orange peel"}},
      {"Tree fruit", {"Apple", "Pear", "Peach", "Apricot"}},
      {"Tropical fruit", {"Pineapple", "Melon", "Lychee"}},
      {"Red fruit", {"Strawberry", "Raspberry", "Red cherry", "Redcurrant"}},
      {"Black fruit", {"Blackberry", "Blackcurrant", "Black cherry", "Plum"}},
      {"Dried fruit", {"Raisin", "Fig", "Prune"}}}},
    {"Floral", false, {{"Flowers", {"Rose", "Violet", "Acacia", "Elderflower"}}}},
    {"Spice", false, {{"Spices", {"Black pepper", "Clove", "Cinnamon", "Liquorice", "Vanilla"}}}},
    {"Vegetal", false, {{"Herbs", {"Mint", "Eucalyptus", "Green pepper", "Cut grass", "Tobacco"}}}},
    {"Wood and toast", false, {{"Oak", {"Cedar", "Toast", "Smoke", "Coffee", "Chocolate"}},
                               {"Nuts", {"Almond", "Hazelnut", "Walnut"}}}},
    {"Earth", false, {{"Minerals", {"Flint", "Wet stone", "Chalk"}},
                      {"Earthy", {"Mushroom", "Forest floor", "Leather"}}}},
    {"Other", false, {{"Sweet", {"Honey", "Caramel", "Butter"}}}},
    {"Wine faults", true,
     {{"Faults", {"Cork taint", "Oxidised", "Volatile acidity", "Reduction", "Brettanomyces"}}}},
};
}

std::shared_ptr<CellarBook> CellarBook::createNew()
{
    auto book = std::make_shared<CellarBook>();
    book->setWineInfos(WineInfos::create());

    auto depot = std::make_shared<Depot>();
    depot->setName(Strings::tr(QStringLiteral("Wine Cellar")));
    book->addDepot(depot);
    auto rack = std::make_shared<Rack>();
    rack->setName(Strings::tr(QStringLiteral("Main Rack")));
    rack->setDepot(depot);
    book->addRack(rack);

    for (const char* t : kTastes)
        book->addTasteString(QString::fromUtf8(t));
    for (const char* o : kOdours)
        book->addOdourString(QString::fromUtf8(o));
    for (const char* g : kGrapes) {
        auto grape = book->addGrapeString(QString::fromUtf8(g));
        grape->setOn(true);
    }
    for (const TypeDef& type : kAromaTree) {
        auto t = book->addAromaTypeString(QString::fromUtf8(type.name));
        for (const GroupDef& group : type.groups) {
            auto g = t->addAromaGroupString(QString::fromUtf8(group.name));
            for (const char* a : group.aromas)
                g->addAromaString(QString::fromUtf8(a))->setFault(type.faults);
        }
    }
    return book;
}
