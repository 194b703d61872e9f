#pragma once
#include <QString>

class ChartView;
class RichText;

// The last picture of the chart view as a rich text of one attachment character,
// ready to stand in a report. The picture also goes to the scratch file
// "Images/kvcharttemp.tiff" in the data folder (TIFF, LZW); each report keeps its
// own copy, so the next chart may overwrite the scratch file. A scratch file that
// cannot be written is reported in error but does not lose the chart. A view that
// drew nothing gives the empty rich text.
RichText chartAttachment(const ChartView& view, const QString& dataFolder, QString* error = nullptr);

// A picture file as a rich text of one attachment character (a report's heading
// picture); the empty rich text and an error for a file that cannot be read.
RichText chartAttachmentForImagePath(const QString& path, QString* error = nullptr);
