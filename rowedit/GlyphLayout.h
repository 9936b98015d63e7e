#pragma once

#include <QFont>
#include <QHash>
#include <QString>

#include <vector>

class QFontMetricsF;

// Where each character of one line of text starts, in a font. In a fixed-pitch font every
// character takes one column of the font's advance, so a new text costs nothing to place; in a
// proportional font the layout keeps where every character starts, found in one pass over a new
// text and again only from where an edit changed it.
class GlyphLayout {
public:
    // The font with what would pull a character out of its place turned off.
    const QFont& font() const { return font_; }
    bool fixedPitch() const { return fixedPitch_; }
    // The column width of a fixed-pitch font; in a proportional font a space's advance, which
    // control characters and the end of the text take.
    qreal advance() const { return advance_; }

    // Measures the font and places `text` anew.
    void setFont(const QFont& font, const QString& text);

    // Where a position starts, from the start of the text; the position after the last
    // character is the end of the text.
    qreal x(int position) const { return fixedPitch_ ? position * advance_ : edges_[position]; }

    qreal advanceOf(QChar c);

    // The characters between `from` and `to` of the previous text became `inserted` characters
    // of `text`: places them and moves the characters after them along.
    void replaced(const QString& text, int from, int to, int inserted);
    // The text changed as a whole: the same for what differs from the previous text.
    void changed(const QString& previous, const QString& text);

private:
    QFont font_;
    bool fixedPitch_ = true;
    qreal advance_ = 1;
    // In a proportional font: where each position starts, up to the end of the text.
    std::vector<qreal> edges_;
    // In a proportional font: each character's advance, measured once; a text has few distinct
    // characters however long it is.
    QHash<char16_t, qreal> advances_;
};

// What stands in a character's place on screen: a pasted line break, tab or other control
// character would move the characters after it out of place, or show as a box.
QChar shownAs(QChar c);
