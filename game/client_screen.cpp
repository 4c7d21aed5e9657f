#include "game/client_screen.h"

namespace orvane {

namespace {

bool isContinuation(char byte) {
    return (quint8(byte) & 0xC0) == 0x80;
}

// The bytes of the UTF-8 character at `position`, no further than `end`; a byte that starts no
// valid sequence stands alone.
qsizetype characterLength(const char *data, qsizetype position, qsizetype end) {
    const quint8 lead = quint8(data[position]);
    const qsizetype length = lead < 0xC2   ? 1
                             : lead < 0xE0 ? 2
                             : lead < 0xF0 ? 3
                             : lead < 0xF5 ? 4
                                           : 1;
    if (length == 1 || position + length > end) return 1;
    for (qsizetype i = 1; i < length; ++i)
        if (!isContinuation(data[position + i])) return 1;
    return length;
}

class ScreenBuilder {
  public:
    explicit ScreenBuilder(const QByteArray &text) : data_(text.constData()) {}

    void addRun(qsizetype begin, qsizetype end) {
        // A character belongs where its last byte is: one split by a cut is cut with it.
        qsizetype position = begin;
        qsizetype pieceBegin = begin;
        ScreenCut pieceCut = ScreenCut::None;
        while (position < end) {
            const qsizetype next = position + characterLength(data_, position, end);
            const ScreenCut cut = cutOf(begin, next - 1);
            if (cut != pieceCut) {
                addPiece(pieceBegin, position, pieceCut);
                pieceBegin = position;
                pieceCut = cut;
            }
            position = next;
        }
        addPiece(pieceBegin, end, pieceCut);
    }

    void endLine() {
        lines_.append(std::move(line_));
        line_ = {};
        rightAligned_ = false;
    }

    void applyCode(char code) {
        switch (code) {
            case 'w':
                colour_ = GameColour::White;
                break;
            case 'd':
                colour_ = GameColour::Grey;
                break;
            case 'y':
                colour_ = GameColour::Yellow;
                break;
            case 'r':
                colour_ = GameColour::Red;
                break;
            case 'R':
                rightAligned_ = true;
                break;
            default:
                break;
        }
    }

    QList<ScreenLine> takeLines() {
        if (!line_.runs.isEmpty()) endLine();
        return std::move(lines_);
    }

  private:
    static ScreenCut cutOf(qsizetype runBegin, qsizetype byte) {
        if (byte >= kClientMenuBytes) return ScreenCut::MenuOver511Bytes;
        if (byte - runBegin >= kClientRunBytes) return ScreenCut::RunOver79Bytes;
        return ScreenCut::None;
    }

    void addPiece(qsizetype begin, qsizetype end, ScreenCut cut) {
        if (begin == end) return;
        line_.runs.append(
            ScreenRun{QString::fromUtf8(data_ + begin, end - begin), colour_, rightAligned_, cut});
    }

    const char *data_;
    QList<ScreenLine> lines_;
    ScreenLine line_;
    Rgb colour_ = GameColour::White;
    bool rightAligned_ = false;
};

}  // namespace

ScreenText ClientScreen(const QByteArray &menuText) {
    ScreenText screen;
    screen.bytes = menuText.size();
    // The text travels as a C string: nothing after a zero byte arrives.
    const qsizetype end = qsizetype(qstrnlen(menuText.constData(), size_t(menuText.size())));
    const char *data = menuText.constData();
    ScreenBuilder builder(menuText);
    qsizetype runBegin = 0;
    qsizetype position = 0;
    while (position < end) {
        const char byte = data[position];
        if (byte != '\n' && byte != '\\') {
            ++position;
            continue;
        }
        builder.addRun(runBegin, position);
        if (byte == '\n') {
            builder.endLine();
            ++position;
        } else if (position + 1 < end) {
            // A backslash takes the byte after it, whatever it is, a line break included.
            builder.applyCode(data[position + 1]);
            position += 2;
        } else {
            ++position;
        }
        runBegin = position;
    }
    builder.addRun(runBegin, end);
    screen.lines = builder.takeLines();
    return screen;
}

}  // namespace orvane
