#include "game/menu_pages.h"
#include "game/pawn_scanner.h"
#include "game/pawn_string.h"
#include "game/plugin_check.h"
#include "game/problem_list.h"
#include "game/typed_codes.h"
#include "generator/old_style_template.h"

namespace orvane {

namespace {

// The compilers loop forever when the show_menu line, KEYS expanded to 9 bytes a key, runs
// past their longest line: measured as menu string + menu name + 9 x keys against these.
constexpr qsizetype kHangSum = 4059;
constexpr qsizetype kHangSum182 = 475;
constexpr qsizetype kHangKeys = 447;

const QString kMenuText = QStringLiteral("Menu text");
const QString kMenuName = QStringLiteral("Menu name");
const QString kHandledKeys = QStringLiteral("Handled keys");

QString lineField(int line) {
    return QStringLiteral("Line %1").arg(line);
}

bool isLineCode(QStringView text, qsizetype position, const PawnToken &token) {
    return token.kind == PawnToken::Escape && token.length == 2 && text[position + 1] == u'n';
}

// The line of the menu string that `position` falls in, counting the "^n" codes before it.
int lineByLineCodes(QStringView menuString, qsizetype position) {
    int line = 1;
    for (qsizetype i = 0; i < position && i < menuString.size();) {
        const PawnToken token = NextPawnToken(menuString, i);
        if (token.kind == PawnToken::Problem) break;
        if (isLineCode(menuString, i, token)) ++line;
        i += token.length;
    }
    return line;
}

// The same from the coloured lines, which tell the encoder's "^n" from a typed one: the first
// line whose encoding ends past `position`.
int lineByEncoding(const ColouredText &text, qsizetype position) {
    size_t low = 1;
    size_t high = text.size();
    while (low < high) {
        const size_t middle = (low + high) / 2;
        const ColouredText prefix(text.begin(), text.begin() + qsizetype(middle));
        if (MenuTextEncoding(prefix).size() > position)
            high = middle;
        else
            low = middle + 1;
    }
    return int(low);
}

class OldStyleCheck {
  public:
    OldStyleCheck(const OldStyleMenu &menu, const ColouredText *text) : menu_(menu) {
        // Coloured lines that do not encode to this menu string cannot place anything in it.
        if (text && !text->empty() && MenuTextEncoding(*text) == menu.menuString) text_ = text;
    }

    QList<PluginProblem> run() {
        problems_.checkLiteral(QStringLiteral("Command"), menu_.command);
        problems_.checkLiteral(kMenuName, menu_.menuName);
        checkMenuString();
        if (checkKeys()) checkSource();
        checkScreen();
        checkTypedCodes();
        if (menu_.menuName.isEmpty())
            problems_.add(ProblemSeverity::MenuNameEmpty, kMenuName,
                          QStringLiteral("empty, it matches every menu title of the plugin"));
        return problems_.take();
    }

  private:
    int lineOf(qsizetype position) const {
        return text_ ? lineByEncoding(*text_, position)
                     : lineByLineCodes(menu_.menuString, position);
    }

    void checkMenuString() {
        if (const auto problem = PawnStringBytes(menu_.menuString).problem) {
            problems_.add(ProblemSeverity::WillNotCompile, lineField(lineOf(problem->position)),
                          problem->what + kWillNotCompile);
        }
    }

    bool checkKeys() {
        if (menu_.handledKeys.isEmpty()) {
            problems_.add(ProblemSeverity::WillNotCompile, kHandledKeys,
                          QStringLiteral("none, the key mask is left open") + kWillNotCompile);
            return false;
        }
        if (const auto bad = firstNonDigit(menu_.handledKeys)) {
            problems_.add(
                ProblemSeverity::WillNotCompile, kHandledKeys,
                QStringLiteral("'%1' is not a digit, generating stops after the header").arg(*bad) +
                    kWillNotCompile);
            return false;
        }
        return true;
    }

    static QString fieldOfLine(const SourceLine &line) {
        if (line.text.startsWith(u"#define KEYS")) return kHandledKeys;
        if (line.text.startsWith(u"show_menu(")) return kMenuText;
        if (line.text.startsWith(u"register_menucmd(")) return kMenuName;
        if (line.text.startsWith(u"register_clcmd(")) return QStringLiteral("Command");
        return QStringLiteral("Line %1 of the plugin").arg(line.number);
    }

    void checkSource() {
        SourceText source;
        appendOldStyleMenu(source, menu_);
        bool keysLineTooLong = false;
        for (const SourceLine &line : SourceLines(source.text())) {
            if (line.bytes <= kLongestLine182) continue;
            const QString field = fieldOfLine(line);
            problems_.checkLineLength(field, line);
            keysLineTooLong = keysLineTooLong ||
                              (line.bytes > kLongestLine &&
                               (field == kHandledKeys || field == kMenuName || field == kMenuText));
        }
        checkHang(keysLineTooLong);
    }

    void checkHang(bool keysLineTooLong) {
        const qsizetype keys = menu_.handledKeys.size();
        const qsizetype sum = Utf8Size(menu_.menuString) + Utf8Size(menu_.menuName) + 9 * keys;
        const QString together = QStringLiteral(
                                     "menu text, menu name and %1 handled keys come to "
                                     "%2 bytes with the key mask")
                                     .arg(keys)
                                     .arg(sum);
        if (keys > kHangKeys || sum > kHangSum) {
            // A line over the limit as it stands is an error the compiler reports instead.
            if (keysLineTooLong) return;
            if (keys > kHangKeys) {
                problems_.add(ProblemSeverity::HangsCompiler, kHandledKeys,
                              QStringLiteral("%1 keys, over %2: the compiler loops forever on "
                                             "the key mask")
                                      .arg(keys)
                                      .arg(kHangKeys) +
                                  kWillNotCompile);
            } else {
                problems_.add(
                    ProblemSeverity::HangsCompiler, kMenuText,
                    together +
                        QStringLiteral(", over %1: the compiler loops forever").arg(kHangSum) +
                        kWillNotCompile);
            }
        } else if (sum > kHangSum182 &&
                   !problems_.has(ProblemSeverity::CompilesOn19Only, kMenuText)) {
            problems_.add(ProblemSeverity::CompilesOn19Only, kMenuText,
                          together + QStringLiteral(", over %1: AMX Mod X 1.8.2's compiler "
                                                    "loops forever on it (1.9 and later do not)")
                                         .arg(kHangSum182));
        }
    }

    void checkScreen() {
        const ScreenText screen = ClientScreen(OldStyleMenuText(menu_));
        if (screen.bytes > kClientMenuBytes) {
            QString from;
            for (qsizetype l = 0; l < screen.lines.size() && from.isEmpty(); ++l) {
                for (const ScreenRun &run : screen.lines[l].runs) {
                    if (run.cut != ScreenCut::MenuOver511Bytes) continue;
                    from = QStringLiteral(", from line %1 on").arg(l + 1);
                    break;
                }
            }
            problems_.add(ProblemSeverity::GameCutsText, kMenuText,
                          QStringLiteral("%1 bytes; the game shows %2 and hides the rest%3")
                              .arg(screen.bytes)
                              .arg(kClientMenuBytes)
                              .arg(from));
        }
        for (qsizetype l = 0; l < screen.lines.size(); ++l)
            problems_.checkRuns(lineField(int(l + 1)), ScreenText{{screen.lines[l]}, 0});
    }

    void checkTypedCodes() {
        if (text_) {
            for (size_t l = 0; l < text_->size(); ++l) {
                addTypedCode(int(l + 1),
                             FirstTypedCode((*text_)[l].text, TypedTextEnd::MenuStringLine));
            }
            return;
        }
        // Without the coloured lines, the typed lines are what stands between the "^n" codes,
        // and the colour codes there are taken as the encoder's.
        const QStringView menuString = menu_.menuString;
        int line = 1;
        qsizetype lineBegin = 0;
        for (qsizetype i = 0; i < menuString.size();) {
            const PawnToken token = NextPawnToken(menuString, i);
            if (token.kind == PawnToken::Problem) break;
            if (isLineCode(menuString, i, token)) {
                addTypedCode(line++, FirstTypedCode(menuString.sliced(lineBegin, i - lineBegin),
                                                    TypedTextEnd::MenuStringLine, true));
                lineBegin = i + token.length;
            }
            i += token.length;
        }
    }

    void addTypedCode(int line, const std::optional<QString> &code) {
        if (code) problems_.add(ProblemSeverity::ActsAsCode, lineField(line), *code);
    }

    const OldStyleMenu &menu_;
    const ColouredText *text_ = nullptr;
    ProblemList problems_;
};

}  // namespace

QList<PluginProblem> CheckPlugin(const OldStyleMenu &menu) {
    return OldStyleCheck(menu, nullptr).run();
}

QList<PluginProblem> CheckPlugin(const OldStyleMenu &menu, const ColouredText &text) {
    return OldStyleCheck(menu, &text).run();
}

}  // namespace orvane
