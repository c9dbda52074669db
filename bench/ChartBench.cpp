// The cost of one chart click: from the mouse-down on a colour box to the clipboard holding the
// new colour, through the three sliders, their reactions and every display they rewrite.
#include "BenchSupport.h"
#include "chart/frmTintora.h"
#include "platform/services/Clipboard.h"

#include <benchmark/benchmark.h>

namespace {

using swatchly::frmTintora;

// Boxes 11 (BAE1FF) and 18 (555555) differ in all three channels, so every click moves every
// slider and runs three slider reactions.
constexpr int FirstBox = 11;
constexpr int SecondBox = 18;

void chartClick(benchmark::State &state)
{
    swatchly::bench::ShippedDataFolder folder;
    {
        frmTintora window(folder);
        const QString expected[2] = {
            QStringLiteral("\"#%1\"").arg(QString::fromStdString(
                modChromel::ColorToHex(window.Picture1[FirstBox]->backColor()))),
            QStringLiteral("\"#%1\"").arg(QString::fromStdString(
                modChromel::ColorToHex(window.Picture1[SecondBox]->backColor()))),
        };
        if (expected[0] == expected[1])
            state.SkipWithError("the two boxes hold the same colour");

        int turn = 0;
        for (auto _ : state) {
            window.Picture1_MouseDown(turn == 0 ? FirstBox : SecondBox, 1, 0, 0, 0);
            turn = 1 - turn;
        }
        // The last click's colour must be the one on the clipboard.
        if (swatchly::platform::clipboardText() != expected[1 - turn])
            state.SkipWithError("the clipboard does not hold the clicked colour");
    }
}

} // namespace

BENCHMARK(chartClick)->Repetitions(10)->ReportAggregatesOnly(true);
