#include "ui/KeyFilterValidator.h"

#include "settings/FieldValidation.h"

#include <QLineEdit>

#include <algorithm>

namespace golv {

KeyFilterValidator::KeyFilterValidator(Input input, int maxLength, QLineEdit* field)
    : QValidator(field), m_input(input), m_maxLength(maxLength), m_previous(field->text())
{
    connect(field, &QLineEdit::textChanged, this, [this](const QString& text) { m_previous = text; });
}

QValidator::State KeyFilterValidator::validate(QString& text, int& position) const
{
    // The change replaced the middle of the old text: what lies between the
    // common beginning and the common end is what was put in. The cursor
    // stands after what was put in, which settles where a repeated character
    // went ("11" to "111").
    const qsizetype cursor = std::clamp<qsizetype>(position, 0, text.size());
    qsizetype suffix = 0;
    const qsizetype suffixLimit = std::min(text.size() - cursor, m_previous.size());
    while (suffix < suffixLimit && text.at(text.size() - 1 - suffix) == m_previous.at(m_previous.size() - 1 - suffix))
        ++suffix;
    qsizetype prefix = 0;
    const qsizetype prefixLimit = std::min(text.size(), m_previous.size()) - suffix;
    while (prefix < prefixLimit && text.at(prefix) == m_previous.at(prefix))
        ++prefix;

    QString inserted;
    for (const QChar character : QStringView(text).mid(prefix, text.size() - prefix - suffix)) {
        if (m_input == Input::Any
            || (character.unicode() < 128 && keyFilterAccepts(m_input, static_cast<char>(character.unicode()))))
            inserted.append(character);
    }
    // A key the filter swallows changes nothing, not even a selection it
    // would have typed over.
    if (inserted.isEmpty() && prefix + suffix < text.size()) {
        text = m_previous;
        position = static_cast<int>(m_previous.size() - suffix);
        return Acceptable;
    }
    if (m_maxLength > 0)
        inserted.truncate(std::max<qsizetype>(0, m_maxLength - prefix - suffix));

    text = text.left(prefix) + inserted + text.right(suffix);
    position = static_cast<int>(prefix + inserted.size());
    return Acceptable;
}

} // namespace golv
