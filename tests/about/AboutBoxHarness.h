#pragma once

#include "AboutDlg.h"

#include <QColor>
#include <QPoint>
#include <QString>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <vector>

class QLabel;

// Colours in failure messages as #rrggbb.
inline void PrintTo(const QColor& colour, std::ostream* out) {
    *out << colour.name().toStdString();
}

// What the Info menu hands the about box.
namespace about_texts {
inline const QString kName = QStringLiteral("Strunomat");
inline const QString kVersion = QStringLiteral("1.01 CZ");
inline const QString kCopyright = QStringLiteral("Copyright (C) 2026 Strunomat contributors");
inline const QString kAdditional =
    QStringLiteral("Nejnovější verzi preogramu můžete najít na mé webové stránce.");
inline const QString kEmail = QStringLiteral("strunomat@example.org");
inline const QString kWeb = QStringLiteral("http://www.example.org");
} // namespace about_texts

// Shows the about box through ShowAboutBox and, once it is up, does the test's gestures on it;
// whatever a test leaves open is closed from the title bar. Gestures go through the dialog's
// window, as the user's would. The addresses the links hand on are recorded.
class AboutBoxHarness : public ::testing::Test {
protected:
    using Gestures = std::function<void(TAboutDlg&)>;

    bool show(const Gestures& gestures, const QString& additional = about_texts::kAdditional,
              QWidget* owner = nullptr);

    template <class T = QWidget> static T* find(const TAboutDlg& dialog, const char* name) {
        T* widget = dialog.findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            throw std::runtime_error(std::string("no control named ") + name);
        return widget;
    }

    // Moves the mouse onto a point of the widget, its centre unless told otherwise.
    static void moveOnto(QWidget* widget, std::optional<QPoint> where = {});
    static void click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton);
    // A key pressed and let go, delivered to whichever control has the focus.
    static void press(const TAboutDlg& dialog, Qt::Key key);
    static QColor textColour(const QLabel* label);

    std::vector<QString> opened;
};
