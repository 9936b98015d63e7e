#pragma once

#include "Dialogs.h"

#include <QString>
#include <QStringList>

#include <deque>

// Answers the window's questions from a script and records what the window showed.
class ScriptedDialogs : public Dialogs {
public:
    // Names the file dialogs will return, in order; an exhausted script answers "cancelled".
    std::deque<QString> openAnswers;
    std::deque<QString> saveAnswers;
    QStringList filters;

    QStringList messages;
    QStringList errors;
    QStringList urls;
    // Where the preview's pages go, printed to a PDF file; how many previews were asked for.
    QString printTo;
    int previews = 0;

    QString openFileName(QWidget* parent, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& filter) override;
    void message(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
    void openUrl(const QString& address) override;
    void printPreview(QWidget* parent, const std::function<void(QPrinter&)>& paint) override;
};
