#include "ui/pawn_syntax.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<std::u16string_view, 29> kKeywords = {
    u"assert", u"break", u"case",     u"char",   u"const",  u"continue", u"default", u"defined",
    u"do",     u"else",  u"enum",     u"exit",   u"for",    u"forward",  u"goto",    u"if",
    u"native", u"new",   u"operator", u"public", u"return", u"sizeof",   u"sleep",   u"state",
    u"static", u"stock", u"switch",   u"tagof",  u"while"};

constexpr char16_t kEscape = u'^';

bool isKeyword(QStringView word) {
    const std::u16string_view text(reinterpret_cast<const char16_t *>(word.utf16()),
                                   size_t(word.size()));
    return std::find(kKeywords.begin(), kKeywords.end(), text) != kKeywords.end();
}

bool isIdentifierStart(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_' || c == u'@';
}

bool isIdentifierPart(QChar c) {
    return isIdentifierStart(c) || (c >= u'0' && c <= u'9');
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Index just past the closing quote, or the end of the line when it has none.
qsizetype endOfQuoted(QStringView line, qsizetype open) {
    const QChar quote = line[open];
    for (qsizetype i = open + 1; i < line.size(); ++i) {
        if (line[i] == kEscape)
            ++i;
        else if (line[i] == quote)
            return i + 1;
    }
    return line.size();
}

// Index just past a number: digits, hexadecimal and binary prefixes, digit separators and a
// fraction with its exponent.
qsizetype endOfNumber(QStringView line, qsizetype start) {
    qsizetype i = start;
    while (i < line.size() && (isIdentifierPart(line[i]) || line[i] == u'.')) {
        const bool exponent = (line[i] == u'e' || line[i] == u'E') && i + 1 < line.size() &&
                              (line[i + 1] == u'-' || line[i + 1] == u'+');
        i += exponent ? 2 : 1;
    }
    return i;
}

}  // namespace

void ScanPawnLine(QStringView line, qsizetype offset, bool &inComment,
                  std::vector<PawnSpan> &spans) {
    const auto add = [&](qsizetype start, qsizetype end, PawnToken kind) {
        if (end > start) spans.push_back({offset + start, end - start, kind});
    };
    // Where the comment ends that begins at `start`, whose text starts at `from`.
    const auto comment = [&](qsizetype start, qsizetype from) {
        const qsizetype close = line.indexOf(u"*/", from);
        const qsizetype end = close < 0 ? line.size() : close + 2;
        add(start, end, PawnToken::Comment);
        inComment = close < 0;
        return end;
    };
    qsizetype i = inComment ? comment(0, 0) : 0;
    bool directive = false;
    if (!inComment) {
        qsizetype first = i;
        while (first < line.size() && (line[first] == u' ' || line[first] == u'\t')) ++first;
        directive = i == 0 && first < line.size() && line[first] == u'#';
        if (directive) add(first, line.size(), PawnToken::Preprocessor);
    }
    while (i < line.size()) {
        const QChar c = line[i];
        const QChar next = i + 1 < line.size() ? line[i + 1] : QChar();
        if (c == u'/' && next == u'/') {
            add(i, line.size(), PawnToken::Comment);
            return;
        }
        if (c == u'/' && next == u'*') {
            i = comment(i, i + 2);
            continue;
        }
        if (c == u'"' || c == u'\'') {
            const qsizetype end = endOfQuoted(line, i);
            add(i, end, PawnToken::String);
            i = end;
            continue;
        }
        if (isIdentifierStart(c)) {
            qsizetype end = i + 1;
            while (end < line.size() && isIdentifierPart(line[end])) ++end;
            if (!directive && isKeyword(line.sliced(i, end - i))) add(i, end, PawnToken::Keyword);
            i = end;
            continue;
        }
        if (isDigit(c)) {
            const qsizetype end = endOfNumber(line, i);
            if (!directive) add(i, end, PawnToken::Number);
            i = end;
            continue;
        }
        ++i;
    }
}
