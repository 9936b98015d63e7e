#pragma once

#include <QValidator>

// What a user may put into a field: line breaks become spaces, and a text holding a character
// that Windows-1250 cannot store is refused, so a field never shows what a save would lose.
class FieldValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};
