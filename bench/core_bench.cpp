#include "generator/coloured_text.h"
#include "generator/current_menu.h"
#include "generator/generate.h"
#include "output/utf8.h"

#include <QString>

#include <benchmark/benchmark.h>

#include <array>
#include <random>

namespace orvane {
namespace {

class BenchInputs : public MenuInputs {
  public:
    explicit BenchInputs(int itemCount) {
        menu_ = {"My Menu", "mymenu", "ADMIN_ALL", {}};
        menu_.items.reserve(itemCount);
        for (int k = 1; k <= itemCount; ++k) menu_.items << QStringLiteral("Menu item %1").arg(k);
    }
    NewStyleMenu newStyleMenu() const override { return menu_; }
    OldStyleMenu oldStyleMenu() const override { return {}; }

  private:
    NewStyleMenu menu_;
};

void BM_GenerateNewStyle(benchmark::State &state) {
    const int items = int(state.range(0));
    const BenchInputs inputs(items);
    SetCurrentMenu(0);
    qsizetype size = 0;
    for (auto _ : state) {
        Generation generation = Generate(inputs);
        size = generation.text.size();
        benchmark::DoNotOptimize(generation);
    }
    state.SetItemsProcessed(state.iterations() * items);
    state.SetBytesProcessed(state.iterations() * size * qsizetype(sizeof(QChar)));
    state.SetComplexityN(items);
}
BENCHMARK(BM_GenerateNewStyle)
    ->Arg(10)
    ->Arg(1000)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);

// About a mebibyte of menu text in lines of 20 to 60 characters whose colour changes every one
// to eight characters, among the menu colours and a few colours without a code.
ColouredText colouredText() {
    constexpr std::array<Rgb, 6> colours = {MenuColour::White, MenuColour::Yellow, MenuColour::Red,
                                            MenuColour::Grey,  0x000000,           0x00FF00};
    std::mt19937 random(1);
    std::uniform_int_distribution<int> lineLength(20, 60);
    std::uniform_int_distribution<int> runLength(1, 8);
    std::uniform_int_distribution<int> colour(0, int(colours.size()) - 1);
    std::uniform_int_distribution<int> letter(0, 25);
    ColouredText text;
    qsizetype total = 0;
    while (total < (qsizetype{1} << 20)) {
        ColouredLine line;
        const int length = lineLength(random);
        while (line.text.size() < length) {
            const Rgb c = colours[size_t(colour(random))];
            for (int r = runLength(random); r > 0 && line.text.size() < length; --r) {
                line.text += QChar(u'a' + letter(random));
                line.colours.push_back(c);
            }
        }
        total += line.text.size();
        text.push_back(std::move(line));
    }
    return text;
}

void BM_MenuTextEncoding(benchmark::State &state) {
    const ColouredText text = colouredText();
    qsizetype characters = 0;
    for (const ColouredLine &line : text) characters += line.text.size();
    for (auto _ : state) {
        QString encoded = MenuTextEncoding(text);
        benchmark::DoNotOptimize(encoded);
    }
    state.SetItemsProcessed(state.iterations() * characters);
    state.SetBytesProcessed(state.iterations() * characters * qsizetype(sizeof(QChar)));
    state.counters["lines"] = double(text.size());
}
BENCHMARK(BM_MenuTextEncoding)->Unit(benchmark::kMillisecond);

enum class TextKind { Ascii, Cyrillic, Mixed };

// 8 Mi UTF-16 units: plugin-like ASCII, Russian words, or both with the odd euro sign and emoji.
const QString &text(TextKind kind) {
    static const std::array<QString, 3> texts = [] {
        constexpr qsizetype kUnits = qsizetype{8} << 20;
        std::array<QString, 3> result;
        std::mt19937 random(2);
        std::uniform_int_distribution<int> wordLength(1, 10);
        std::uniform_int_distribution<int> letter(0, 25);
        std::uniform_int_distribution<int> cyrillic(0x0410, 0x044F);
        std::uniform_int_distribution<int> pick(0, 99);
        for (QString &t : result) t.reserve(kUnits + 16);
        while (result[0].size() < kUnits) {
            for (int i = wordLength(random); i > 0; --i) result[0] += QChar(u'a' + letter(random));
            result[0] += pick(random) < 10 ? u"\r\n" : u" ";
        }
        while (result[1].size() < kUnits) {
            for (int i = wordLength(random); i > 0; --i) result[1] += QChar(cyrillic(random));
            result[1] += u' ';
        }
        while (result[2].size() < kUnits) {
            const int p = pick(random);
            if (p < 2) {
                result[2] += u"\U0001F600";
            } else if (p < 5) {
                result[2] += u'€';
            } else {
                const bool russian = p < 40;
                for (int i = wordLength(random); i > 0; --i)
                    result[2] += russian ? QChar(cyrillic(random)) : QChar(u'a' + letter(random));
            }
            result[2] += u' ';
        }
        for (QString &t : result) {
            t.truncate(kUnits);
            if (t.back().isHighSurrogate()) t.chop(1);
        }
        return result;
    }();
    return texts[size_t(kind)];
}

void BM_Utf8Encode(benchmark::State &state, TextKind kind) {
    const QString &input = text(kind);
    for (auto _ : state) {
        QByteArray bytes = Utf8Encode(input);
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(state.iterations() * input.size() * qsizetype(sizeof(QChar)));
}

void BM_QtToUtf8(benchmark::State &state, TextKind kind) {
    const QString &input = text(kind);
    for (auto _ : state) {
        QByteArray bytes = input.toUtf8();
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(state.iterations() * input.size() * qsizetype(sizeof(QChar)));
}

BENCHMARK_CAPTURE(BM_Utf8Encode, ascii, TextKind::Ascii)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_QtToUtf8, ascii, TextKind::Ascii)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Utf8Encode, cyrillic, TextKind::Cyrillic)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_QtToUtf8, cyrillic, TextKind::Cyrillic)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Utf8Encode, mixed, TextKind::Mixed)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_QtToUtf8, mixed, TextKind::Mixed)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvane

BENCHMARK_MAIN();
