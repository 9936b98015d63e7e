#include "ProgramIcon.h"

#include <QImage>
#include <QPixmap>
#include <QSet>

#include <gtest/gtest.h>

namespace {

TEST(ProgramIconTest, IsDrawnAtEverySizeAsked) {
    const QIcon icon = programIcon();
    ASSERT_FALSE(icon.isNull());
    for (const int side : {16, 32, 48, 256}) {
        const QImage image = icon.pixmap(side, side).toImage();
        ASSERT_EQ(image.size(), QSize(side, side)) << side;

        QSet<QRgb> colours;
        bool transparent = false;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qAlpha(pixel) == 255)
                    colours.insert(pixel);
                transparent = transparent || qAlpha(pixel) == 0;
            }
        // A picture in several colours, with its rounded corners left clear for any background.
        EXPECT_GE(colours.size(), 4) << side;
        EXPECT_TRUE(transparent) << side;
    }
}

} // namespace
