#include "ui/AccessibleNames.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

namespace golv {

AccessibleNames::AccessibleNames(QWidget* window) : QObject(window)
{
    setObjectName(QStringLiteral("AccessibleNames"));
}

AccessibleNames* AccessibleNames::of(const QWidget* window)
{
    return window->findChild<AccessibleNames*>(QStringLiteral("AccessibleNames"), Qt::FindDirectChildrenOnly);
}

QString AccessibleNames::captionOf(const QWidget* widget)
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

void AccessibleNames::name(QWidget* control, std::initializer_list<Part> parts)
{
    Rule rule{control, {}};
    for (const Part& part : parts) {
        if (const auto* widget = std::get_if<const QWidget*>(&part))
            rule.parts.emplace_back(QPointer<const QWidget>(*widget));
        else
            rule.parts.emplace_back(std::get<QString>(part));
    }
    apply(rule);
    m_rules.push_back(std::move(rule));
}

void AccessibleNames::refresh()
{
    for (const Rule& rule : m_rules)
        apply(rule);
}

void AccessibleNames::apply(const Rule& rule) const
{
    if (rule.control.isNull())
        return;
    QStringList words;
    for (const auto& part : rule.parts) {
        const QString word = std::holds_alternative<QString>(part)
            ? std::get<QString>(part)
            : captionOf(std::get<QPointer<const QWidget>>(part).data());
        if (!word.isEmpty())
            words << word;
    }
    const QString name = words.join(QLatin1Char(' '));
    rule.control->setAccessibleName(name);
    // A list that shows a text of its own does so in a box of its own, which
    // readers enter and announce by itself: it is called as its list.
    if (const auto* list = qobject_cast<const QComboBox*>(rule.control.data()); list && list->lineEdit())
        list->lineEdit()->setAccessibleName(name);
}

} // namespace golv
