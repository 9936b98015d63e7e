#pragma once

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

// Everything the window asks of the user or the desktop outside its own controls. The window
// owns one; the program uses the Qt dialogs, tests a scripted stand-in.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // File dialogs with "name|pattern" filters, several pairs chained with "|" as choices; an
    // empty name means the user cancelled.
    virtual QString openFileName(QWidget* parent, const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& filter) = 0;

    // The program's own checks, answered with a modal box and an OK button.
    virtual void message(QWidget* parent, const QString& text) = 0;

    // An error that ended a handler.
    virtual void error(QWidget* parent, const QString& text) = 0;

    // Hands a web or "mailto:" address to the desktop; never waits, reports nothing.
    virtual void openUrl(const QString& address) = 0;

    // The print preview, from which the user prints: `paint` lays the pages out on the printer
    // it is given, each time the preview or the printer needs them.
    virtual void printPreview(QWidget* parent, const std::function<void(QPrinter&)>& paint) = 0;
};
