// What the menu preview recomputes after every keystroke: the pages or the old-style text, the
// player's screen of the page shown, and the plugin check. The preview's budget is a 16 ms
// frame, drawing included.
#include "game/client_screen.h"
#include "game/menu_pages.h"
#include "game/plugin_check.h"
#include "generator/coloured_text.h"

#include <benchmark/benchmark.h>

#include <array>
#include <random>

namespace orvane {
namespace {

NewStyleMenu russianMenu(int items) {
    NewStyleMenu menu{"Меню администратора", "amx_adminmenu", "ADMIN_BAN", {}};
    for (int k = 1; k <= items; ++k) menu.items << QStringLiteral("Пункт меню номер %1").arg(k);
    return menu;
}

void BM_NewStylePreview(benchmark::State &state) {
    const NewStyleMenu menu = russianMenu(int(state.range(0)));
    for (auto _ : state) {
        const QList<QByteArray> pages = NewStyleMenuPages(menu);
        ScreenText screen = ClientScreen(pages.front());
        QList<PluginProblem> problems = CheckPlugin(menu);
        benchmark::DoNotOptimize(screen);
        benchmark::DoNotOptimize(problems);
    }
}
BENCHMARK(BM_NewStylePreview)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

// About `units` characters of menu text in lines of 20 to 60, the colour changing every one to
// eight characters among the four menu colours.
ColouredText colouredText(qsizetype units) {
    constexpr std::array<Rgb, 4> colours = {MenuColour::White, MenuColour::Yellow, MenuColour::Red,
                                            MenuColour::Grey};
    std::mt19937 random(1);
    std::uniform_int_distribution<int> lineLength(20, 60);
    std::uniform_int_distribution<int> runLength(1, 8);
    std::uniform_int_distribution<int> colour(0, int(colours.size()) - 1);
    std::uniform_int_distribution<int> letter(0, 31);
    ColouredText text;
    qsizetype total = 0;
    while (total < units) {
        ColouredLine line;
        const int length = lineLength(random);
        while (line.text.size() < length) {
            const Rgb c = colours[size_t(colour(random))];
            for (int r = runLength(random); r > 0 && line.text.size() < length; --r) {
                line.text += QChar(u'а' + letter(random));
                line.colours.push_back(c);
            }
        }
        total += line.text.size();
        text.push_back(std::move(line));
    }
    return text;
}

void BM_OldStylePreview(benchmark::State &state) {
    const ColouredText text = colouredText(state.range(0));
    for (auto _ : state) {
        const OldStyleMenu menu{"1234567890", "My Menu", "mymenu", "ADMIN_ALL",
                                MenuTextEncoding(text)};
        ScreenText screen = ClientScreen(OldStyleMenuText(menu));
        QList<PluginProblem> problems = CheckPlugin(menu, text);
        benchmark::DoNotOptimize(screen);
        benchmark::DoNotOptimize(problems);
    }
    state.counters["lines"] = double(text.size());
}
BENCHMARK(BM_OldStylePreview)->Arg(10 * 1024)->Arg(100 * 1024)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvane

BENCHMARK_MAIN();
