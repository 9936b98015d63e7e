#pragma once

#include <QValidator>

// Refuses a typed or pasted text holding a character that Windows-1250 cannot store, so a field
// never shows what a save would lose.
class Cp1250Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};
