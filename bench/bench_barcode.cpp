// Speed of drawing barcodes: a label sheet or an identifier list puts hundreds
// of identifier barcodes into one PDF.
#include <benchmark/benchmark.h>

#include "reports/barcode/BarcodePictures.h"
#include "reports/barcode/KVNBarcodeOffscreenView.h"
#include "reports/barcode/KVNCode128Barcode.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <memory>

namespace {

// Fonts and PDF output need a GUI application; the benchmark main makes none.
void ensureApplication()
{
    static std::unique_ptr<QGuiApplication> app;
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bench_barcode";
    static char* argv[] = {name, nullptr};
    app = std::make_unique<QGuiApplication>(argc, argv);
}

// 1,000 identifier barcodes, 40 to an A4 page, into one PDF.
void BM_IdentifierBarcodesIntoOnePdf(benchmark::State& state)
{
    ensureApplication();
    const int count = int(state.range(0));
    qint64 bytes = 0;
    for (auto _ : state) {
        QByteArray pdf;
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&buffer);
            writer.setResolution(72);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setPageMargins(QMarginsF(0, 0, 0, 0));
            QPainter painter(&writer);
            for (int i = 0; i < count; ++i) {
                if (i > 0 && i % 40 == 0)
                    writer.newPage();
                const int cell = i % 40;
                const KVNCode128Barcode barcode = identifierBarcode(quint32(1000 + i));
                painter.save();
                painter.translate(20 + (cell % 4) * 140, 20 + (cell / 4) * 80);
                KVNBarcodeOffscreenView(barcode).drawRect(painter);
                painter.restore();
            }
        }
        bytes = pdf.size();
        benchmark::DoNotOptimize(pdf.data());
    }
    state.counters["pdf_bytes"] = double(bytes);
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_IdentifierBarcodesIntoOnePdf)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_IdentifierBarcodeEps(benchmark::State& state)
{
    ensureApplication();
    quint32 n = 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(identifierBarcodeEps(n++));
}
BENCHMARK(BM_IdentifierBarcodeEps)->Unit(benchmark::kMicrosecond);

} // namespace
