// Reading and writing a rich text of about one megabyte of RTF.
#include <benchmark/benchmark.h>

#include "platform/richtext/RichText.h"
#include "platform/richtext/RichTextDocument.h"
#include "platform/richtext/RtfReader.h"
#include "platform/richtext/RtfWriter.h"

#include <QBuffer>
#include <QImage>
#include <QTextDocument>

namespace {
RichText bigText()
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::darkRed);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");

    RichText t;
    CharFormat plain;
    CharFormat bold;
    bold.bold = true;
    bold.font = QStringLiteral("Helvetica");
    CharFormat red;
    red.colour = QColor(200, 0, 0);
    red.italic = true;
    ParagraphFormat centred;
    centred.alignment = ParagraphFormat::Alignment::Center;
    centred.tabs = {72, 144};
    for (int i = 0; t.length() < 900000; ++i) {
        t.appendText(QStringLiteral("<kelvan WineName> "), bold, centred);
        t.appendText(QStringLiteral("Ch\u00e2teau %1, a wine of body and finesse\t").arg(i), plain, centred);
        t.appendText(QStringLiteral("\u20ac 12.50 \u0416\n"), red, {});
        if (i % 500 == 0) {
            Attachment a;
            a.name = QStringLiteral("p%1.png").arg(i);
            a.bytes = png;
            t.appendAttachment(a);
            t.appendText(QStringLiteral("\f"), plain);
        }
    }
    return t;
}

const RichText& text()
{
    static const RichText t = bigText();
    return t;
}
}

static void BM_WriteRtf(benchmark::State& state)
{
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray rtf = RtfWriter::write(text());
        bytes = rtf.size();
        benchmark::DoNotOptimize(rtf.constData());
    }
    state.counters["rtf_bytes"] = double(bytes);
}
BENCHMARK(BM_WriteRtf)->Unit(benchmark::kMillisecond);

static void BM_ReadRtf(benchmark::State& state)
{
    const QByteArray rtf = RtfWriter::write(text());
    for (auto _ : state) {
        const RichText t = RtfReader::read(rtf);
        benchmark::DoNotOptimize(t.length());
    }
    state.counters["rtf_bytes"] = double(rtf.size());
}
BENCHMARK(BM_ReadRtf)->Unit(benchmark::kMillisecond);

static void BM_ReplaceTags(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        RichText t = text().mid(0, 100000);
        state.ResumeTiming();
        benchmark::DoNotOptimize(t.replaceAll(QStringLiteral("<kelvan winename>"), QStringLiteral("Riesling")));
    }
}
BENCHMARK(BM_ReplaceTags)->Unit(benchmark::kMillisecond);

static void BM_ToTextDocument(benchmark::State& state)
{
    const RichText t = text().mid(0, 100000);
    for (auto _ : state) {
        QTextDocument doc;
        RichTextDocument::toTextDocument(t, &doc);
        benchmark::DoNotOptimize(RichTextDocument::fromTextDocument(doc).length());
    }
}
BENCHMARK(BM_ToTextDocument)->Unit(benchmark::kMillisecond);
