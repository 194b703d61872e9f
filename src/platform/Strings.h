#pragma once
#include <QString>

// Texts the user sees are looked up by their English text in named tables
// ("Countries", "RegionenClassifications", "Grapes", ...); the default table is "Localizable".
// A key without a translation gives the key itself.
namespace Strings {
inline constexpr const char* Default = "Localizable";
QString lookup(const char* table, const QString& key);
inline QString tr(const QString& key) { return lookup(Default, key); }
}
