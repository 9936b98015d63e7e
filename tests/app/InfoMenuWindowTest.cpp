#include "WindowHarness.h"

#include "BuildConfig.h"
#include "QtDialogs.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Runs `look` on the about box once it is up, then closes it with OK.
void whileAboutBoxIsOpen(const std::function<void(QDialog*)>& look) {
    QTimer::singleShot(0, [look] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        look(dialog);
        dialog->accept();
    });
}

} // namespace

using InfoMenu = WindowHarness;

TEST_F(InfoMenu, AboutShowsTheProgramWithItsVersionAndSentence) {
    bool looked = false;
    whileAboutBoxIsOpen([&](QDialog* dialog) {
        looked = true;
        EXPECT_EQ(dialog->windowTitle(), "O aplikaci");
        EXPECT_EQ(dialog->height(), 320);
        EXPECT_EQ(dialog->findChild<QLabel*>("NameLabel")->text(), "Strunomat");
        EXPECT_EQ(dialog->findChild<QLabel*>("VersionLabel")->text(),
                  QStringLiteral("Verze ") + build_config::kVersion);
        EXPECT_EQ(dialog->findChild<QPlainTextEdit*>("AdditionalMemo")->toPlainText(),
                  u("Nejnovější verzi preogramu můžete najít na mé webové stránce."));
        EXPECT_EQ(dialog->findChild<QLabel*>("WWWLabel")->text(),
                  QString::fromUtf8(build_config::kHomePage));
    });
    trigger("Oprogramu1");
    EXPECT_TRUE(looked);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(InfoMenu, LinksInTheAboutBoxGoToTheDesktop) {
    whileAboutBoxIsOpen([](QDialog* dialog) {
        for (const char* name : {"EmailLabel", "WWWLabel"}) {
            auto* link = dialog->findChild<QLabel*>(name);
            QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, QPoint(3, link->height() / 2));
        }
    });
    trigger("Oprogramu1");
    EXPECT_EQ(dialogs->urls, (QStringList{"mailto:" + QString::fromUtf8(build_config::kEmail),
                                          QString::fromUtf8(build_config::kHomePage)}));
    EXPECT_TRUE(dialogs->messages.isEmpty());
}

TEST_F(InfoMenu, WebPagesAreHandedOnAndTheReminderShownEveryTime) {
    const QString host = QString::fromUtf8(build_config::kSiteHost);
    trigger("Help1");
    trigger("Archivtabulatur1");
    EXPECT_EQ(dialogs->urls, (QStringList{host, host + "/index2.htm"}));
    const QString reminder = u("Musíte být připojeni k internetu!");
    EXPECT_EQ(dialogs->messages, (QStringList{reminder, reminder}));
}

TEST(DesktopUrlTest, BareHostsOpenAsWebPagesAndOtherAddressesStayAsGiven) {
    EXPECT_EQ(desktopUrl("www.example.org").toString(), "http://www.example.org");
    EXPECT_EQ(desktopUrl("www.example.org/index2.htm").toString(),
              "http://www.example.org/index2.htm");
    EXPECT_EQ(desktopUrl("https://www.example.org/").toString(), "https://www.example.org/");
    EXPECT_EQ(desktopUrl("mailto:someone@example.org").scheme(), "mailto");
}
