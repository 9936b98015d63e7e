#include "GlyphLayout.h"

#include <QFontMetricsF>

#include <gtest/gtest.h>

#include <random>

namespace {

// Where every boundary lies when the advances of the characters before it are added up one by
// one, as a fresh layout of the whole text would find them.
void expectPlacedByTheirAdvances(const GlyphLayout& layout, const QString& text) {
    const QFontMetricsF metrics(layout.font());
    qreal x = 0;
    for (int i = 0; i <= text.size(); ++i) {
        ASSERT_NEAR(layout.x(i), x, 1e-6) << "before " << i << " of " << text.toStdString();
        if (i < text.size())
            x += metrics.horizontalAdvance(shownAs(text[i]));
    }
}

} // namespace

TEST(GlyphLayout, EditsAnywhereInAProportionalFontPlaceAsAFreshLayout) {
    GlyphLayout layout;
    QString text = QStringLiteral("iWm.|-");
    layout.setFont(QFont(QStringLiteral("Liberation Sans"), 8), text);
    ASSERT_FALSE(layout.fixedPitch());
    std::mt19937 random(7);
    const QString pieces[] = {QStringLiteral("W"),
                              QStringLiteral("ii"),
                              QString::fromUtf8("Řž"),
                              QStringLiteral("\t"),
                              {}};
    for (int step = 0; step < 200; ++step) {
        const int from = int(random() % (text.size() + 1));
        const int to = from + int(random() % (text.size() - from + 1));
        const QString& inserted = pieces[random() % std::size(pieces)];
        if (step % 10 == 0) {
            const QString previous = text;
            text.replace(from, to - from, inserted + inserted);
            layout.changed(previous, text);
        } else {
            text.replace(from, to - from, inserted);
            layout.replaced(text, from, to, int(inserted.size()));
        }
        expectPlacedByTheirAdvances(layout, text);
    }
}
