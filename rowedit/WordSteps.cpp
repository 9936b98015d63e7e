#include "WordSteps.h"

namespace word_steps {

namespace {

enum class Kind { Space, Word, Other };

Kind kindOf(QChar c) {
    if (c.isSpace())
        return Kind::Space;
    if (c.isLetterOrNumber() || c.isMark() || c == u'_')
        return Kind::Word;
    return Kind::Other;
}

} // namespace

int right(const QString& text, int position) {
    const int length = int(text.size());
    if (position < length && kindOf(text[position]) != Kind::Space) {
        const Kind kind = kindOf(text[position]);
        while (position < length && kindOf(text[position]) == kind)
            ++position;
    }
    while (position < length && kindOf(text[position]) == Kind::Space)
        ++position;
    return position;
}

int left(const QString& text, int position) {
    while (position > 0 && kindOf(text[position - 1]) == Kind::Space)
        --position;
    if (position > 0) {
        const Kind kind = kindOf(text[position - 1]);
        while (position > 0 && kindOf(text[position - 1]) == kind)
            --position;
    }
    return position;
}

std::pair<int, int> around(const QString& text, int index) {
    const Kind kind = kindOf(text[index]);
    int from = index;
    int to = index + 1;
    while (from > 0 && kindOf(text[from - 1]) == kind)
        --from;
    while (to < text.size() && kindOf(text[to]) == kind)
        ++to;
    return {from, to};
}

} // namespace word_steps
