// "Set" after pasting a large text into the code box: the paste, the layout
// of the box and the rebuild, with the process's peak memory.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <sys/resource.h>

#include "BenchCatalogue.h"
#include "files/Unit6.h"

namespace {

// 10 MB of letters no entry carries, as one line (arg 0) or as "z" lines (1).
void BM_PasteAndSetLargeCode(benchmark::State& state)
{
    const QString text = state.range(0) ? QString("z\n").repeated(5 << 20) : QString(10 << 20, u'z');
    TTileData doc;
    LoadShippedCatalogue(doc);
    doc.SetLastX(11);
    doc.SetLastY(11);
    QApplication::clipboard()->setText(text);
    for (auto _ : state) {
        TForm6 form;
        form.Attach(&doc);
        QObject::connect(&form, &TForm6::setRequested, [&](const QString& code) {
            std::vector<std::string> trace;
            doc.ApplyMapCode(code.toStdString(), &trace);
            form.ShowTrace(trace);
        });
        form.show();
        form.findChild<QPlainTextEdit*>("Memo1")->paste();
        QApplication::processEvents();
        form.SpeedButton2Click();
        QApplication::processEvents();
        benchmark::DoNotOptimize(form.findChild<QPlainTextEdit*>("Memo2")->blockCount());
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_PasteAndSetLargeCode)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
