#include "ui/AccessibleNames.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

namespace golv {
namespace {

QString captionOf(const QWidget* widget)
{
    QString caption;
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        caption = label->text();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        caption = button->text();
    caption = caption.trimmed();
    if (caption.endsWith(QLatin1Char(':')))
        caption.chop(1);
    return caption.trimmed();
}

} // namespace

void nameForReaders(QWidget* control, std::initializer_list<AccessibleNamePart> parts)
{
    QStringList words;
    for (const AccessibleNamePart& part : parts) {
        const QString word = std::holds_alternative<QString>(part) ? std::get<QString>(part)
                                                                   : captionOf(std::get<const QWidget*>(part));
        if (!word.isEmpty())
            words << word;
    }
    const QString name = words.join(QLatin1Char(' '));
    control->setAccessibleName(name);
    // A list that shows a text of its own does so in a box of its own, which
    // readers enter and announce by itself: it is called as its list.
    if (const auto* list = qobject_cast<const QComboBox*>(control); list && list->lineEdit())
        list->lineEdit()->setAccessibleName(name);
}

} // namespace golv
