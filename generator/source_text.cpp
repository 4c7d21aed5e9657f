#include "generator/source_text.h"

namespace orvane {

void SourceText::appendLine(int indent, QStringView tmpl, std::initializer_list<FormatArg> args) {
    text_.resize(text_.size() + indent, u' ');
    auto nextArg = args.begin();
    qsizetype copiedUpTo = 0;
    for (qsizetype i = 0; i + 1 < tmpl.size(); ++i) {
        if (tmpl[i] != u'%' || (tmpl[i + 1] != u's' && tmpl[i + 1] != u'd')) continue;
        Q_ASSERT(nextArg != args.end());
        Q_ASSERT(nextArg->isNumber() == (tmpl[i + 1] == u'd'));
        text_.append(tmpl.mid(copiedUpTo, i - copiedUpTo));
        if (nextArg->isNumber())
            text_.append(QString::number(nextArg->number()));
        else
            text_.append(nextArg->text());
        ++nextArg;
        ++i;
        copiedUpTo = i + 1;
    }
    text_.append(tmpl.mid(copiedUpTo));
    text_.append(u"\r\n");
}

void SourceText::appendEmptyLine() { text_.append(u"\r\n"); }

}  // namespace orvane
