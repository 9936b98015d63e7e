#include "AboutBoxHarness.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <exception>

namespace {

QPoint inWindow(QWidget* widget, QPoint where) {
    return widget->mapTo(widget->window(), where);
}

} // namespace

bool AboutBoxHarness::show(const Gestures& gestures, const QString& additional, QWidget* owner) {
    // Queued before the modal loop starts, so it runs once the dialog is shown.
    QTimer::singleShot(0, [&] {
        QPointer<QWidget> modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<TAboutDlg*>(modal.data())) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
            // The pointer starts on a corner of the upper bevel, which answers no movement. Left
            // where the last dialog had it, a first move to the same point would be dropped.
            // Nothing may be thrown back into the modal loop.
            try {
                moveOnto(find(*dialog, "Bevel1"), QPoint(1, 1));
                gestures(*dialog);
            } catch (const std::exception& e) {
                ADD_FAILURE() << e.what();
            }
        } else {
            ADD_FAILURE() << "the about box is not the modal window";
        }
        if (modal && modal->isVisible())
            modal->close();
    });
    using namespace about_texts;
    return ShowAboutBox(
        kName, kVersion, kCopyright, additional, kEmail, kWeb,
        [this](const QString& address) { opened.push_back(address); }, owner);
}

void AboutBoxHarness::moveOnto(QWidget* widget, std::optional<QPoint> where) {
    QTest::mouseMove(widget->window()->windowHandle(),
                     inWindow(widget, where.value_or(widget->rect().center())));
}

void AboutBoxHarness::click(QWidget* widget, Qt::MouseButton button) {
    QTest::mouseClick(widget->window()->windowHandle(), button, Qt::NoModifier,
                      inWindow(widget, widget->rect().center()));
}

void AboutBoxHarness::press(const TAboutDlg& dialog, Qt::Key key) {
    QTest::keyClick(dialog.windowHandle(), key);
}

QColor AboutBoxHarness::textColour(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}
