#include "game/pawn_string.h"

#include "game/pawn_scanner.h"
#include "output/utf8.h"

namespace orvane {

PawnString PawnStringBytes(QStringView text) {
    PawnString result;
    result.bytes.reserve(text.size() * 2);
    bool ended = false;  // a zero code ends what AMX Mod X reads, though the literal goes on
    for (qsizetype position = 0; position < text.size();) {
        const PawnToken token = NextPawnToken(text, position);
        switch (token.kind) {
            case PawnToken::Text:
                if (!ended) result.bytes += Utf8Encode(text.mid(position, token.length));
                break;
            case PawnToken::Escape:
                ended = ended || token.byte == 0;
                if (!ended) result.bytes += char(token.byte);
                break;
            case PawnToken::Problem:
                result.problem = PawnStringProblem{position + token.problemAt, token.problem};
                return result;
        }
        position += token.length;
    }
    return result;
}

}  // namespace orvane
