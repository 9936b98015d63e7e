#include "AboutBoxHarness.h"
#include "ProgramIcon.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>

#include <vector>

namespace {

using namespace about_texts;

class AboutBoxTest : public AboutBoxHarness {};

TEST_F(AboutBoxTest, ShowsTheTextsAtFullHeightCentredOnTheScreen) {
    // An owner in the corner of the screen, so that centring over it would show.
    QWidget owner;
    owner.setGeometry(0, 0, 120, 90);
    owner.show();
    show(
        [&](TAboutDlg& dialog) {
            EXPECT_EQ(dialog.parentWidget(), &owner);
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("O aplikaci"));
            EXPECT_EQ(dialog.size(), QSize(296, 320));
            EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
            EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));
            EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowMinMaxButtonsHint));
            const QPoint offCentre =
                dialog.geometry().center() - dialog.screen()->availableGeometry().center();
            EXPECT_LE(offCentre.manhattanLength(), 1);

            const auto* name = find<QLabel>(dialog, "NameLabel");
            EXPECT_EQ(name->text(), kName);
            EXPECT_TRUE(name->font().bold());
            EXPECT_EQ(find<QLabel>(dialog, "VersionLabel")->text(),
                      QStringLiteral("Verze ") + kVersion);
            EXPECT_EQ(find<QLabel>(dialog, "CopyrightLabel")->text(), kCopyright);
            EXPECT_EQ(find<QLabel>(dialog, "EmailLabel")->text(), kEmail);
            EXPECT_EQ(find<QLabel>(dialog, "WWWLabel")->text(), kWeb);
            EXPECT_EQ(find<QLabel>(dialog, "IconImage")->pixmap().toImage(),
                      programIcon().pixmap(32, 32).toImage());

            auto* memo = find<QPlainTextEdit>(dialog, "AdditionalMemo");
            EXPECT_EQ(memo->toPlainText(), kAdditional);
            EXPECT_TRUE(memo->isReadOnly());
            EXPECT_TRUE(memo->verticalScrollBar()->isVisible());

            EXPECT_EQ(find(dialog, "Panel1")->geometry(), QRect(0, 72, 297, 202));
            EXPECT_EQ(find(dialog, "Bevel2")->geometry(), QRect(-1, 274, 297, 7));
            EXPECT_EQ(find(dialog, "OKBtn")->geometry(), QRect(212, 286, 75, 25));
        },
        kAdditional, &owner);
}

TEST_F(AboutBoxTest, WithoutAdditionalInformationEndsBelowTheContacts) {
    show(
        [&](TAboutDlg& dialog) {
            EXPECT_EQ(dialog.size(), QSize(296, 184));
            EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
            EXPECT_EQ(find(dialog, "Bevel2")->geometry(), QRect(-1, 138, 297, 7));
            EXPECT_EQ(find(dialog, "Panel1")->geometry(), QRect(0, 72, 297, 66));
            EXPECT_EQ(find(dialog, "OKBtn")->geometry(), QRect(212, 150, 75, 25));
            EXPECT_TRUE(find<QPlainTextEdit>(dialog, "AdditionalMemo")->toPlainText().isEmpty());
            // The contacts stay whole inside the shortened panel.
            const QRect panel = find(dialog, "Panel1")->rect();
            for (const char* contact : {"Label3", "Label1", "EmailLabel", "Label2", "WWWLabel"})
                EXPECT_TRUE(panel.contains(find(dialog, contact)->geometry())) << contact;
        },
        QString());
}

TEST_F(AboutBoxTest, LabelsShowTheirTextsWhole) {
    show([&](TAboutDlg& dialog) {
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            if (label->text().isEmpty())
                continue;
            const QString name = label->objectName();
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
                << name.toStdString();
            EXPECT_LE(label->fontMetrics().height(), label->height()) << name.toStdString();
            EXPECT_LE(label->mapTo(&dialog, label->rect().bottomRight()).x(), dialog.width() - 1)
                << name.toStdString();
        }
    });
}

TEST_F(AboutBoxTest, SeparatorLinesLieAlongTheirEdges) {
    show([&](TAboutDlg& dialog) {
        // Bevel1 draws along its bottom edge, Bevel2 along its top edge; the rest stays plain.
        const auto drawnRows = [](QWidget* bevel) {
            const QImage image = bevel->grab().toImage();
            const QRgb background = bevel->palette().color(QPalette::Window).rgb();
            std::vector<int> rows;
            for (int y = 0; y < image.height(); ++y)
                if (image.pixel(image.width() / 2, y) != background)
                    rows.push_back(y);
            return rows;
        };
        EXPECT_EQ(drawnRows(find(dialog, "Bevel1")), (std::vector<int>{8, 9}));
        EXPECT_EQ(drawnRows(find(dialog, "Bevel2")), (std::vector<int>{0, 1}));
    });
}

TEST_F(AboutBoxTest, EscEnterAndOkCloseWithOk) {
    EXPECT_TRUE(show([&](TAboutDlg& dialog) { press(dialog, Qt::Key_Escape); }));
    EXPECT_TRUE(show([&](TAboutDlg& dialog) { press(dialog, Qt::Key_Return); }));
    EXPECT_TRUE(show([&](TAboutDlg& dialog) { click(find(dialog, "OKBtn")); }));
    // From the memo too, the keys reach the OK button.
    EXPECT_TRUE(show([&](TAboutDlg& dialog) {
        find(dialog, "AdditionalMemo")->setFocus();
        press(dialog, Qt::Key_Escape);
    }));
    EXPECT_TRUE(show([&](TAboutDlg& dialog) {
        find(dialog, "AdditionalMemo")->setFocus();
        press(dialog, Qt::Key_Return);
    }));
}

TEST_F(AboutBoxTest, TitleBarCloseButtonClosesWithoutOk) {
    EXPECT_FALSE(show([&](TAboutDlg& dialog) { dialog.close(); }));
}

TEST_F(AboutBoxTest, IsFreedBeforeTheCallReturns) {
    QWidget owner;
    QPointer<TAboutDlg> shown;
    show([&](TAboutDlg& dialog) { shown = &dialog; }, kAdditional, &owner);
    EXPECT_TRUE(shown.isNull());
    EXPECT_TRUE(owner.findChildren<TAboutDlg*>().isEmpty());

    show([&](TAboutDlg& dialog) {
        shown = &dialog;
        click(find(dialog, "OKBtn"));
    });
    EXPECT_TRUE(shown.isNull());
    for (QWidget* window : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<TAboutDlg*>(window), nullptr);
}

} // namespace
