#include "GlyphLayout.h"

#include <QFontInfo>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <ranges>

namespace {

qreal columnWidth(const QFontMetricsF& metrics) {
    return std::max<qreal>(1, metrics.horizontalAdvance(QLatin1Char('0')));
}

// Some fixed-pitch fonts do not say so; a few characters of very different widths in most
// fonts tell.
bool evenlySpaced(const QFontMetricsF& metrics) {
    const qreal column = metrics.horizontalAdvance(QLatin1Char('0'));
    const QStringView sample = u"iWm .-|";
    return std::ranges::all_of(sample, [&](QChar c) {
        return std::abs(metrics.horizontalAdvance(c) - column) < 1.0 / 64;
    });
}

} // namespace

QChar shownAs(QChar c) {
    return c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
                   c == QChar::ParagraphSeparator
               ? QChar(u' ')
               : c;
}

void GlyphLayout::setFont(const QFont& font, const QString& text) {
    font_ = font;
    // Kerning would pull a character out of its column.
    font_.setKerning(false);
    const QFontMetricsF metrics(font_);
    fixedPitch_ = QFontInfo(font_).fixedPitch() || evenlySpaced(metrics);
    advance_ = fixedPitch_ ? columnWidth(metrics) : metrics.horizontalAdvance(QLatin1Char(' '));
    advances_.clear();
    edges_.clear();
    if (fixedPitch_) {
        // What a proportional font placed before is of no more use.
        edges_.shrink_to_fit();
    } else {
        edges_.push_back(0);
        replaced(text, 0, 0, int(text.size()));
    }
}

qreal GlyphLayout::advanceOf(QChar c) {
    if (fixedPitch_)
        return advance_;
    auto known = advances_.constFind(c.unicode());
    if (known == advances_.constEnd())
        known = advances_.insert(c.unicode(), QFontMetricsF(font_).horizontalAdvance(shownAs(c)));
    return *known;
}

void GlyphLayout::replaced(const QString& text, int from, int to, int inserted) {
    if (fixedPitch_)
        return;
    const qreal oldEnd = edges_[to];
    // Room to spare, so that typing at the end of a long text does not move all of it.
    const std::size_t needed = edges_.size() - (to - from) + inserted;
    if (needed > edges_.capacity())
        edges_.reserve(needed + needed / 2);
    edges_.erase(edges_.begin() + from + 1, edges_.begin() + to + 1);
    edges_.insert(edges_.begin() + from + 1, inserted, 0);
    const int end = from + inserted;
    for (int i = from; i < end; ++i)
        edges_[i + 1] = edges_[i] + advanceOf(text[i]);
    // The characters after the change keep their advances and move along together.
    const qreal shift = edges_[end] - oldEnd;
    if (shift != 0)
        for (qreal& x : std::ranges::subrange(edges_.begin() + end + 1, edges_.end()))
            x += shift;
    // A long text replaced by a short one gives its room back.
    if (edges_.capacity() > 4 * edges_.size() + 4096)
        edges_.shrink_to_fit();
}

void GlyphLayout::changed(const QString& previous, const QString& text) {
    if (fixedPitch_)
        return;
    // Only what differs is placed anew: a text that grew at its end costs only the new part.
    const int same =
        int(std::mismatch(previous.cbegin(), previous.cend(), text.cbegin(), text.cend()).first -
            previous.cbegin());
    const int sameEnd = int(std::mismatch(previous.crbegin(), previous.crend() - same,
                                          text.crbegin(), text.crend() - same)
                                .first -
                            previous.crbegin());
    replaced(text, same, int(previous.size()) - sameEnd, int(text.size()) - same - sameEnd);
}
