#pragma once

#include "settings/SettingDef.h"

#include <QString>
#include <QValidator>

class QLineEdit;

namespace golv {

// The shared key filters (digits; hex digits, upper case only; digits and
// "-") and a field's length limit, applied to what the user puts into the
// field, typed or pasted: swallowed characters never reach it, and what does
// not fit is dropped. Only the inserted part of a change is filtered; the
// text the field held before is kept whole, so a value that came from a file
// ("1234" in a three-character field, "-5" in a digits field) stays exactly
// as the store holds it.
//
// The binder puts values into a field with the validator taken off (see
// SettingsBinder), because Qt runs validators on setText as well.
class KeyFilterValidator final : public QValidator {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeyFilterValidator)

public:
    KeyFilterValidator(Input input, int maxLength, QLineEdit* field);

    State validate(QString& text, int& position) const override;

private:
    Input m_input;
    int m_maxLength;
    QString m_previous; // the field's text before the change being validated
};

} // namespace golv
