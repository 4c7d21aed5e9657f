#include "game/pawn_scanner.h"

namespace orvane {

namespace {

bool endsTextRun(char16_t c) {
    return c == u'^' || c == u'"' || c == u'\n' || c == u'\r' || c == u'\0';
}

int hexValue(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

bool isDecimal(char16_t c) {
    return c >= u'0' && c <= u'9';
}

PawnToken problem(qsizetype length, QString what) {
    return {PawnToken::Problem, length, 0, std::move(what), 0};
}

PawnToken escape(qsizetype length, quint32 code) {
    return {PawnToken::Escape, length, quint8(code & 0xFF), {}, 0};
}

// A character that may not stand in a literal.
PawnToken forbiddenCharacter(QStringView text, qsizetype position) {
    const char16_t c = text[position].unicode();
    if (c == u'"') return problem(1, QStringLiteral("a \" ends the string"));
    if (c == u'\n' || (c == u'\r' && position + 1 < text.size() && text[position + 1] == u'\n'))
        return problem(1, QStringLiteral("a line break stands inside the string"));
    if (c == u'\r') return problem(1, QStringLiteral("a carriage return stands inside the string"));
    return problem(1, QStringLiteral("a NUL character stands inside the string"));
}

// Arithmetic on the code wraps like the compiler's 32-bit cell; only the low byte is kept.
PawnToken numericEscape(QStringView text, qsizetype position) {
    qsizetype i = position + 1;
    quint32 code = 0;
    if (text[i] == u'x') {
        for (++i; i < text.size() && hexValue(text[i].unicode()) >= 0; ++i)
            code = code * 16 + quint32(hexValue(text[i].unicode()));
    } else {
        for (; i < text.size() && isDecimal(text[i].unicode()); ++i)
            code = code * 10 + quint32(text[i].unicode() - u'0');
    }
    if (i < text.size() && text[i] == u';') ++i;
    return escape(i - position, code);
}

QString characterAfterCaret(QStringView text, qsizetype position) {
    const bool pair = text[position].isHighSurrogate() && position + 1 < text.size() &&
                      text[position + 1].isLowSurrogate();
    return text.mid(position, pair ? 2 : 1).toString();
}

PawnToken caretEscape(QStringView text, qsizetype position) {
    if (position + 1 == text.size())
        return problem(1, QStringLiteral("the ^ at the end escapes the closing quote"));
    const char16_t c = text[position + 1].unicode();
    switch (c) {
        case u'^':
        case u'"':
        case u'\'':
        case u'%':
            return escape(2, c);
        case u'n':
            return escape(2, 10);
        case u'r':
            return escape(2, 13);
        case u't':
            return escape(2, 9);
        case u'v':
            return escape(2, 11);
        case u'a':
            return escape(2, 7);
        case u'b':
            return escape(2, 8);
        case u'e':
            return escape(2, 27);
        case u'f':
            return escape(2, 12);
        case u'x':
            return numericEscape(text, position);
        default:
            break;
    }
    if (isDecimal(c)) return numericEscape(text, position);
    // A line break right after the caret is the worse fault and the one to name.
    if (c == u'\n' || c == u'\r' || c == u'\0') {
        PawnToken broken = forbiddenCharacter(text, position + 1);
        broken.length = 2;
        broken.problemAt = 1;
        return broken;
    }
    return problem(
        2, QStringLiteral("^%1 is not an escape").arg(characterAfterCaret(text, position + 1)));
}

}  // namespace

PawnToken NextPawnToken(QStringView text, qsizetype position) {
    const char16_t c = text[position].unicode();
    if (c == u'^') return caretEscape(text, position);
    if (endsTextRun(c)) return forbiddenCharacter(text, position);
    qsizetype end = position + 1;
    while (end < text.size() && !endsTextRun(text[end].unicode())) ++end;
    return {PawnToken::Text, end - position, 0, {}, 0};
}

}  // namespace orvane
