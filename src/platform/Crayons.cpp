#include "platform/Crayons.h"

namespace {
struct Crayon {
    const char* name;
    QRgb rgb;
};

constexpr Crayon kCrayons[] = {
    {"Cantaloupe", 0xFFCC66}, {"Honeydew", 0xCCFF66},  {"Spindrift", 0x66FFCC},  {"Sky", 0x66CCFF},
    {"Lavender", 0xCC66FF},   {"Carnation", 0xFF6FCF}, {"Licorice", 0x000000},   {"Snow", 0xFFFFFF},
    {"Salmon", 0xFF6666},     {"Banana", 0xFFFF66},    {"Flora", 0x66FF66},      {"Ice", 0x66FFFF},
    {"Orchid", 0x6666FF},     {"Bubblegum", 0xFF66FF}, {"Lead", 0x191919},       {"Mercury", 0xE6E6E6},
    {"Tangerine", 0xFF8000},  {"Lime", 0x80FF00},      {"Sea Foam", 0x00FF80},   {"Aqua", 0x0080FF},
    {"Grape", 0x8000FF},      {"Strawberry", 0xFF0080}, {"Tungsten", 0x333333},  {"Silver", 0xCCCCCC},
    {"Maraschino", 0xFF0000}, {"Lemon", 0xFFFF00},     {"Spring", 0x00FF00},     {"Turquoise", 0x00FFFF},
    {"Blueberry", 0x0000FF},  {"Magenta", 0xFF00FF},   {"Iron", 0x4C4C4C},       {"Magnesium", 0xB3B3B3},
    {"Mocha", 0x804000},      {"Fern", 0x408000},      {"Moss", 0x008040},       {"Ocean", 0x004080},
    {"Eggplant", 0x400080},   {"Maroon", 0x800040},    {"Steel", 0x666666},      {"Aluminum", 0x999999},
    {"Cayenne", 0x800000},    {"Asparagus", 0x808000}, {"Clover", 0x008000},     {"Teal", 0x008080},
    {"Midnight", 0x000080},   {"Plum", 0x800080},      {"Tin", 0x7F7F7F},        {"Nickel", 0x808080},
};
}

namespace Crayons {
QColor color(const QString& name)
{
    for (const Crayon& c : kCrayons)
        if (name == QLatin1String(c.name))
            return QColor::fromRgb(c.rgb);
    return QColor();
}

QStringList names()
{
    QStringList out;
    for (const Crayon& c : kCrayons)
        out.append(QString::fromLatin1(c.name));
    return out;
}
}
