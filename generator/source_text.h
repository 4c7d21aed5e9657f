#pragma once

#include <QString>
#include <QStringView>

#include <initializer_list>

namespace orvane {

// One value for a "%s" or "%d" placeholder of a template line.
class FormatArg {
public:
    FormatArg(QStringView text) : text_(text) {}
    FormatArg(const QString &text) : text_(text) {}
    FormatArg(const char16_t *text) : text_(text) {}
    FormatArg(qint64 number) : number_(number), isNumber_(true) {}
    FormatArg(int number) : FormatArg(qint64{number}) {}

    bool isNumber() const { return isNumber_; }
    QStringView text() const { return text_; }
    qint64 number() const { return number_; }

private:
    QStringView text_;
    qint64 number_ = 0;
    bool isNumber_ = false;
};

// The generated source as it grows: every appended line is followed by CR LF.
class SourceText {
public:
    // Appends `indent` spaces and the template with its placeholders filled from left to right.
    // Inserted texts are copied as they are: a '%' inside them is never a placeholder.
    void appendLine(int indent, QStringView tmpl, std::initializer_list<FormatArg> args = {});
    void appendEmptyLine();

    const QString &text() const { return text_; }
    QString takeText() { return std::move(text_); }
    void reserve(qsizetype size) { text_.reserve(size); }

private:
    QString text_;
};

}  // namespace orvane
