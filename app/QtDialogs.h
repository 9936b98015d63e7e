#pragma once

#include "Dialogs.h"

#include <QUrl>

// What the desktop is handed for an address: a bare host name opens as a web page.
QUrl desktopUrl(const QString& address);

class QtDialogs : public Dialogs {
public:
    QString openFileName(QWidget* parent, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& filter) override;
    void message(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
    void openUrl(const QString& address) override;
    void printPreview(QWidget* parent, const std::function<void(QPrinter&)>& paint) override;
};
