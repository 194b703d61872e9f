#pragma once
#include <QString>

// Progress and diagnostics go to the log as free-form lines.
namespace Log {
void line(const QString& text);
}
