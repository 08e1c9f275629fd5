#pragma once

#include "config/SettingDef.h"

#include <QValidator>

namespace golv {

// The shared key filters (digits; hex digits, upper case only; digits and
// "-") as a validator, so that a character a filter swallows never reaches
// the field, whether it is typed or pasted: such characters are dropped from
// the new text and the rest is taken. It also keeps the field's length, after
// the filtering, so that a paste of "x-9" into a field with one place left
// still brings the 9.
class KeyFilterValidator final : public QValidator {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeyFilterValidator)

public:
    KeyFilterValidator(Input input, int maxLength, QObject* parent);

    State validate(QString& text, int& position) const override;

private:
    Input m_input;
    int m_maxLength;
};

} // namespace golv
