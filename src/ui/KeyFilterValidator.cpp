#include "ui/KeyFilterValidator.h"

#include "config/FieldValidation.h"

#include <algorithm>

namespace golv {

KeyFilterValidator::KeyFilterValidator(Input input, int maxLength, QObject* parent)
    : QValidator(parent), m_input(input), m_maxLength(maxLength)
{
}

QValidator::State KeyFilterValidator::validate(QString& text, int& position) const
{
    QString kept;
    kept.reserve(text.size());
    int keptBeforeCursor = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar character = text.at(i);
        const bool accepted = m_input == Input::Any
            || (character.unicode() < 128 && keyFilterAccepts(m_input, static_cast<char>(character.unicode())));
        if (!accepted)
            continue;
        kept.append(character);
        if (i < position)
            ++keptBeforeCursor;
    }
    // What does not fit is what was just put in, just before the cursor.
    if (m_maxLength > 0 && kept.size() > m_maxLength) {
        const int surplus = static_cast<int>(kept.size()) - m_maxLength;
        const int from = std::max(0, keptBeforeCursor - surplus);
        kept.remove(from, keptBeforeCursor - from);
        keptBeforeCursor = from;
        if (kept.size() > m_maxLength)
            kept.truncate(m_maxLength);
    }
    text = kept;
    position = std::min(keptBeforeCursor, static_cast<int>(kept.size()));
    return Acceptable;
}

} // namespace golv
