#include "ScriptedDialogs.h"

namespace {

QString next(std::deque<QString>& answers) {
    if (answers.empty())
        return {};
    QString answer = answers.front();
    answers.pop_front();
    return answer;
}

} // namespace

QString ScriptedDialogs::openFileName(QWidget*, const QString& filter) {
    filters << filter;
    return next(openAnswers);
}

QString ScriptedDialogs::saveFileName(QWidget*, const QString& filter) {
    filters << filter;
    return next(saveAnswers);
}

void ScriptedDialogs::message(QWidget*, const QString& text) {
    messages << text;
}

void ScriptedDialogs::error(QWidget*, const QString& text) {
    errors << text;
}

void ScriptedDialogs::openUrl(const QString& address) {
    urls << address;
}
