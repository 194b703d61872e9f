#pragma once

class QFont;
class QPaintDevice;

// The fixed-pitch font of captions, measured in points whatever the screen.
namespace BarcodeFont {
// Cap height in points of the fixed-pitch font at the given size.
double capHeight(double pointSize);
// Descent in points, to stand text on a given bottom line.
double descent(double pointSize);
// The font sized so that it measures pointSize units on a painter whose
// unit is one point on the given device.
QFont fontFor(double pointSize, const QPaintDevice* device);
}
