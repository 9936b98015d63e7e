#include "AboutBoxHarness.h"

#include <QCursor>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace {

using namespace about_texts;

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

class AboutLinksTest : public AboutBoxHarness {};

// The longest run of one colour along a pixel row of the label: its underline.
int longestLine(QLabel* label, const QColor& colour) {
    const QImage image = label->grab().toImage();
    int longest = 0;
    for (int y = 0; y < image.height(); ++y) {
        int run = 0;
        for (int x = 0; x < image.width(); ++x) {
            run = QColor(image.pixel(x, y)) == colour ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    return longest;
}

TEST_F(AboutLinksTest, LinksAreDrawnBlueAndUnderlinedWithAHandPointer) {
    show([&](TAboutDlg& dialog) {
        for (const char* name : {"EmailLabel", "WWWLabel"}) {
            auto* link = find<QLabel>(dialog, name);
            EXPECT_EQ(textColour(link), kBlue) << name;
            EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor) << name;
            const int textWidth = link->fontMetrics().horizontalAdvance(link->text());
            EXPECT_GE(longestLine(link, kBlue), textWidth - 2) << name;
        }
    });
}

TEST_F(AboutLinksTest, TheLinkUnderTheMouseTurnsRedUntilTheMouseMovesOntoThePanel) {
    show([&](TAboutDlg& dialog) {
        auto* email = find<QLabel>(dialog, "EmailLabel");
        auto* web = find<QLabel>(dialog, "WWWLabel");

        moveOnto(email);
        EXPECT_EQ(textColour(email), kRed);
        EXPECT_EQ(textColour(web), kBlue);

        moveOnto(find(dialog, "Panel1"), QPoint(4, 4));
        EXPECT_EQ(textColour(email), kBlue);
        EXPECT_EQ(textColour(web), kBlue);

        moveOnto(web);
        EXPECT_EQ(textColour(email), kBlue);
        EXPECT_EQ(textColour(web), kRed);

        // Straight from one link to the other, only the one under the mouse is red.
        moveOnto(email);
        EXPECT_EQ(textColour(email), kRed);
        EXPECT_EQ(textColour(web), kBlue);
    });
}

TEST_F(AboutLinksTest, EveryOtherElementTurnsBothLinksBlue) {
    show([&](TAboutDlg& dialog) {
        auto* email = find<QLabel>(dialog, "EmailLabel");
        const std::array<std::pair<QWidget*, std::optional<QPoint>>, 12> elements{{
            {&dialog, QPoint(4, 300)},
            {find(dialog, "NameLabel"), {}},
            {find(dialog, "VersionLabel"), {}},
            {find(dialog, "IconImage"), {}},
            {find(dialog, "CopyrightLabel"), {}},
            {find(dialog, "Panel1"), QPoint(4, 4)},
            // Just past the end of the e-mail address, where the link is no longer drawn.
            {find(dialog, "Panel1"),
             email->pos() + QPoint(email->fontMetrics().horizontalAdvance(email->text()) + 4,
                                   email->height() / 2)},
            {find(dialog, "Label1"), {}},
            {find(dialog, "Label2"), {}},
            {find(dialog, "Label4"), {}},
            {find(dialog, "AdditionalMemo"), {}},
            {find(dialog, "OKBtn"), {}},
        }};
        for (const auto& [element, where] : elements) {
            moveOnto(email);
            ASSERT_EQ(textColour(email), kRed) << element->objectName().toStdString();
            moveOnto(element, where);
            EXPECT_EQ(textColour(email), kBlue) << element->objectName().toStdString();
        }
    });
}

TEST_F(AboutLinksTest, Label3AndTheSeparatorsLeaveTheColoursAsTheyAre) {
    show([&](TAboutDlg& dialog) {
        auto* email = find<QLabel>(dialog, "EmailLabel");
        auto* web = find<QLabel>(dialog, "WWWLabel");
        moveOnto(web);
        for (const char* name : {"Label3", "Bevel1", "Bevel2"}) {
            moveOnto(find(dialog, name));
            EXPECT_EQ(textColour(web), kRed) << name;
            EXPECT_EQ(textColour(email), kBlue) << name;
        }
    });
}

TEST_F(AboutLinksTest, ClicksHandTheAddressesOnAndKeepTheDialogOpen) {
    bool openAfterClicks = false;
    show([&](TAboutDlg& dialog) {
        click(find(dialog, "EmailLabel"));
        click(find(dialog, "WWWLabel"));
        openAfterClicks = dialog.isVisible();
    });
    EXPECT_EQ(opened, (std::vector<QString>{QStringLiteral("mailto:") + kEmail, kWeb}));
    EXPECT_TRUE(openAfterClicks);
}

TEST_F(AboutLinksTest, OnlyALeftClickOnALinkOpensIt) {
    show([&](TAboutDlg& dialog) {
        for (const char* name : {"Label1", "Label2", "Panel1"})
            click(find(dialog, name));
        auto* email = find(dialog, "EmailLabel");
        click(email, Qt::RightButton);
        // Pressed on the link but let go beside it.
        QWindow* window = dialog.windowHandle();
        QTest::mousePress(window, Qt::LeftButton, {},
                          email->mapTo(&dialog, email->rect().center()));
        QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(4, 300));
    });
    EXPECT_TRUE(opened.empty());
}

} // namespace
