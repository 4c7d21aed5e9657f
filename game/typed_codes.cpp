#include "game/typed_codes.h"

#include "game/pawn_scanner.h"

namespace orvane {

namespace {

QString characterAt(QStringView text, qsizetype i) {
    const bool pair =
        text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
    return text.mid(i, pair ? 2 : 1).toString();
}

QString escapeMeaning(QStringView escape, quint8 byte) {
    switch (escape[1].unicode()) {
        case u'n':
            return QStringLiteral("a line break");
        case u'r':
            return QStringLiteral("a carriage return");
        case u't':
            return QStringLiteral("a tab");
        case u'v':
            return QStringLiteral("a vertical tab");
        case u'^':
            return QStringLiteral("a single ^");
        case u'"':
            return QStringLiteral("a \"");
        case u'\'':
            return QStringLiteral("a '");
        case u'%':
            return QStringLiteral("a %");
        default:
            break;
    }
    if (byte == 0) return QStringLiteral("the end of the text");
    return QStringLiteral("the character of code %1").arg(byte);
}

QString gameCodeMeaning(const QString &code) {
    if (code == u"\\w") return QStringLiteral("the game reads \\w as the colour code for white");
    if (code == u"\\y") return QStringLiteral("the game reads \\y as the colour code for yellow");
    if (code == u"\\r") return QStringLiteral("the game reads \\r as the colour code for red");
    if (code == u"\\d") return QStringLiteral("the game reads \\d as the colour code for grey");
    if (code == u"\\R")
        return QStringLiteral(
            "the game reads \\R as a code that right-aligns the rest of the line");
    return QStringLiteral("the game hides %1, a backslash and the character after it").arg(code);
}

bool isEncoderCode(QStringView text, qsizetype i) {
    if (i + 1 >= text.size()) return false;
    const char16_t c = text[i + 1].unicode();
    return c == u'w' || c == u'y' || c == u'r' || c == u'd';
}

QString finalBackslash(TypedTextEnd end) {
    if (end == TypedTextEnd::TitleEnd)
        return QStringLiteral(
            "the game reads the \\ at the end and the character after it as "
            "a code and hides both");
    return QStringLiteral("the \\ at the end hides the line break after it");
}

// A backslash in a run of ordinary characters [begin, end).
std::optional<QString> backslashIn(QStringView typed, qsizetype begin, qsizetype end,
                                   TypedTextEnd textEnd, bool encoderCodes) {
    for (qsizetype i = begin; i < end; ++i) {
        if (typed[i] != u'\\') continue;
        if (encoderCodes && isEncoderCode(typed, i)) {
            ++i;
            continue;
        }
        if (i + 1 == typed.size()) return finalBackslash(textEnd);
        if (i + 1 == end)
            return QStringLiteral("the game reads the \\ before %1 as a code")
                .arg(typed.mid(end, 2).toString());
        return gameCodeMeaning(u'\\' + characterAt(typed, i + 1));
    }
    return std::nullopt;
}

}  // namespace

std::optional<QString> FirstTypedCode(QStringView typed, TypedTextEnd end, bool encoderCodes) {
    for (qsizetype position = 0; position < typed.size();) {
        const PawnToken token = NextPawnToken(typed, position);
        switch (token.kind) {
            case PawnToken::Text:
                if (auto code =
                        backslashIn(typed, position, position + token.length, end, encoderCodes))
                    return code;
                break;
            case PawnToken::Escape: {
                const QStringView escape = typed.mid(position, token.length);
                return QStringLiteral("the compiler reads %1 as %2")
                    .arg(escape.toString(), escapeMeaning(escape, token.byte));
            }
            case PawnToken::Problem:
                // In a menu line the encoder's "^n" follows: a final ^ pairs with its caret.
                if (end == TypedTextEnd::MenuStringLine && position + 1 == typed.size())
                    return QStringLiteral(
                        "the ^ at the end makes the compiler read the line "
                        "break after it as the text ^n");
                return std::nullopt;
        }
        position += token.length;
    }
    return std::nullopt;
}

}  // namespace orvane
