#include "generator/coloured_text.h"

namespace orvane {

namespace {

constexpr Rgb kBlack = 0x000000;

QStringView colourCode(Rgb colour) {
    switch (colour) {
        case MenuColour::Red:
            return u"\\r";
        case MenuColour::Yellow:
            return u"\\y";
        case MenuColour::Grey:
            return u"\\d";
        case MenuColour::White:
            return u"\\w";
        default:
            return {};
    }
}

bool isTrimmed(QChar c) { return c.unicode() <= 32; }

}  // namespace

QString MenuTextEncoding(const ColouredText &text) {
    qsizetype size = 0;
    for (const ColouredLine &line : text) size += line.text.size() + 2;
    QString result;
    result.reserve(size + size / 2);

    Rgb previous = kBlack;
    for (const ColouredLine &line : text) {
        Q_ASSERT(line.colours.size() == size_t(line.text.size()));
        for (qsizetype i = 0; i < line.text.size(); ++i) {
            const Rgb colour = line.colours[size_t(i)];
            if (colour != previous) {
                result += colourCode(colour);
                previous = colour;
            }
            result += line.text[i];
        }
        result += u"^n";
    }
    return result;
}

QString HandledKeysHarvest(const ColouredText &text) {
    QString keys;
    for (const ColouredLine &line : text) {
        const QStringView trimmed = Trimmed(line.text);
        if (!trimmed.isEmpty() && trimmed[0] >= u'0' && trimmed[0] <= u'9') keys += trimmed[0];
    }
    return keys;
}

QStringView Trimmed(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isTrimmed(text[begin])) ++begin;
    while (end > begin && isTrimmed(text[end - 1])) --end;
    return text.sliced(begin, end - begin);
}

}  // namespace orvane
