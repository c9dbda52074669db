// The main window's costs that a user waits for: building and loading it, a full drag of a
// slider, and typing a colour name into the name box.
#include "BenchSupport.h"
#include "chart/frmTintora.h"
#include "platform/services/Clipboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <benchmark/benchmark.h>

namespace {

using swatchly::frmTintora;

// Construction builds every control and runs Form_Load, which reads the three shipped data
// files and makes box 0 the current colour.
void windowConstructionAndLoad(benchmark::State &state)
{
    swatchly::bench::ShippedDataFolder folder;
    for (auto _ : state) {
        frmTintora window(folder);
        benchmark::DoNotOptimize(window.Combo1->listCount());
        if (window.Combo1->listCount() == 0) {
            state.SkipWithError("the names list was not loaded");
            break;
        }
    }
}

// The same with the window shown and its first frame painted, as at start-up.
void windowConstructionLoadAndShow(benchmark::State &state)
{
    swatchly::bench::ShippedDataFolder folder;
    for (auto _ : state) {
        frmTintora window(folder);
        window.show();
        window.grab();
    }
}

// Dragging the red slider from one end to the other: 256 positions, each one running the
// slider's reaction and rewriting the label, the hexadecimal text and the selected colour.
void sliderDrag256(benchmark::State &state)
{
    swatchly::bench::ShippedDataFolder folder;
    frmTintora window(folder);
    window.show();
    auto *red = window.Slide[0];
    for (auto _ : state) {
        for (int value = 0; value <= 255; ++value)
            red->setValue(value);
    }
    if (window.lblRGB[0]->text() != QLatin1String("255"))
        state.SkipWithError("the red label does not follow the slider");
}

void typeKey(QWidget *target, QChar ch)
{
    const int key = ch.isLetter() ? Qt::Key_A + (ch.toLower().unicode() - 'a') : ch.unicode();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(target, &release);
}

// Ten key presses into the colour-name box, each one going through the key handler, the
// edit, the type-ahead search of the names list and, once the name is complete, the found
// colour becoming the current one.
void typeColourName(benchmark::State &state)
{
    swatchly::bench::ShippedDataFolder folder;
    frmTintora window(folder);
    window.show();
    QLineEdit *edit = window.Combo1->lineEdit();
    const QString name = QStringLiteral("darkorange");
    for (auto _ : state) {
        state.PauseTiming();
        window.Combo1->setText(QString());
        state.ResumeTiming();
        for (const QChar ch : name)
            typeKey(edit, ch);
    }
    if (window.Combo1->text() != name)
        state.SkipWithError("the name box does not hold the typed name");
    else if (swatchly::platform::clipboardText() != QLatin1String("\"darkorange\""))
        state.SkipWithError("the typed name was not found");
}

} // namespace

BENCHMARK(windowConstructionAndLoad)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(windowConstructionLoadAndShow)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(sliderDrag256)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(typeColourName)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
