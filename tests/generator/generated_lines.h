#pragma once

#include <QString>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

// Lets GoogleTest show a QString as text when an assertion on it fails.
inline void PrintTo(const QString &text, std::ostream *os) {
    *os << '"' << text.toStdString() << '"';
}

namespace orvane::testing {

// The lines of a generated text (UTF-8), which must end every line with CR LF. A line break of
// any other shape shows up as a stray '\r' or '\n' inside a line.
inline std::vector<std::string> generatedLines(const QString &text) {
    std::vector<std::string> lines;
    const std::string utf8 = text.toStdString();
    std::string::size_type begin = 0;
    while (begin < utf8.size()) {
        const auto end = utf8.find("\r\n", begin);
        if (end == std::string::npos) {
            ADD_FAILURE() << "the text does not end with CR LF";
            lines.push_back(utf8.substr(begin));
            break;
        }
        lines.push_back(utf8.substr(begin, end - begin));
        begin = end + 2;
    }
    return lines;
}

// The expected text of a test, written with plain line feeds, as the generator ends its lines.
inline std::string withCrLf(const char *text) {
    std::string result;
    for (const char *c = text; *c; ++c) {
        if (*c == '\n') result += '\r';
        result += *c;
    }
    return result;
}

}  // namespace orvane::testing
