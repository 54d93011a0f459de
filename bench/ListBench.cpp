// Lists that grow with input from outside the program: the card list filled
// with 100,000 described cards, and the RTF reader over documents of two sizes
// (their ratio shows the growth: 2 for linear time).
#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <string>

#include "SetupCtrls/supporter/CardListLines.h"
#include "SetupCtrls/supporter/PCIForm.h"
#include "toolkit/Memo.h"
#include "toolkit/RtfReader.h"

static void BM_List_CardList100kDescribedCards(benchmark::State& state)
{
    // The driver's bound is lifted so that the list itself is measured: a
    // shown card-list window, its lines collected and handed to the memo.
    const int32_t cards = int32_t(state.range(0));
    TPCIForm form(nullptr);
    form.Build("LX-4410", nullptr);
    QCoreApplication::processEvents();
    for (auto _ : state) {
        const TCardListLines list = CollectCardLines(
            cards, [](int32_t card) { return "LX-4410 #" + std::to_string(card) + ", bus 3"; }, cards);
        form.PCIMemo()->Lines().Assign(list.Lines);
        QCoreApplication::processEvents();
        state.PauseTiming();
        form.PCIMemo()->SetText("No Card Found");
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_List_CardList100kDescribedCards)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

namespace {
// n fonts in the table, then n bold toggles in the text, each on a character
// of its own, all in the table's first font (the last one a backward search
// through the table would find).
std::string ManyFontsAndToggles(int n)
{
    std::string rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl";
    for (int i = 0; i < n; ++i)
        rtf += "{\\f" + std::to_string(i) + "\\fswiss Font " + std::to_string(i) + ";}";
    rtf += "}";
    for (int i = 0; i < n; ++i)
        rtf += (i % 2) ? "\\b0 x" : "\\b x";
    rtf += "}";
    return rtf;
}
} // namespace

static void BM_List_RtfFontsAndBoldToggles(benchmark::State& state)
{
    const std::string rtf = ManyFontsAndToggles(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseRtf(rtf));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_List_RtfFontsAndBoldToggles)->Arg(32000)->Arg(64000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
