#include "ui/one_line_text.h"

#include <QLineEdit>
#include <QValidator>

#include <algorithm>

namespace {

// A validator sees the box's whole new text after every change, whichever way the change came
// in, so it is the one place that catches every paste path.
class OneLineValidator : public QValidator {
  public:
    using QValidator::QValidator;

    State validate(QString &input, int &position) const override {
        if (std::none_of(input.cbegin(), input.cend(), IsLineBreak)) return Acceptable;
        const qsizetype caret = JoinedLines(QStringView(input).first(position)).size();
        input = JoinedLines(input);
        position = int(caret);
        return Acceptable;
    }
};

}  // namespace

bool IsLineBreak(QChar c) {
    return c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

QString JoinedLines(QStringView text) {
    QString joined;
    joined.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!IsLineBreak(text[i])) {
            joined.append(text[i]);
            continue;
        }
        joined.append(u' ');
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    }
    return joined;
}

QStringList SplitLines(QStringView text) {
    QStringList lines;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!IsLineBreak(text[i])) continue;
        lines.append(text.sliced(lineStart, i - lineStart).toString());
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        lineStart = i + 1;
    }
    lines.append(text.sliced(lineStart).toString());
    return lines;
}

void KeepOnOneLine(QLineEdit *box) {
    box->setValidator(new OneLineValidator(box));
}
