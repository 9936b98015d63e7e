#pragma once

#include "Dialogs.h"

class QtDialogs : public Dialogs {
public:
    QString openFileName(QWidget* parent, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& filter) override;
    void message(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
    void openUrl(const QString& address) override;
};
