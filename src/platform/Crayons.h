#pragma once
#include <QColor>
#include <QStringList>

// The named colour list "Crayons": 48 colours that the catalogue and the charts
// refer to by name ("Grape", "Maraschino", ...).
namespace Crayons {
// The colour of that name; an invalid QColor for a name the list lacks.
QColor color(const QString& name);
// Every name, in the list's own order.
QStringList names();
}
