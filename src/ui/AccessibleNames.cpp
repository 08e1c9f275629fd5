#include "ui/AccessibleNames.h"

#include "settings/SettingId.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

#include <algorithm>
#include <string>

namespace golv {
namespace {

// A list named for readers by its label. Qt on Linux announces a list's
// current entry as its name ("center, combo box"); here the entry is its value.
class AccessibleList final : public QAccessibleWidget {
public:
    explicit AccessibleList(QWidget* list) : QAccessibleWidget(list, QAccessible::ComboBox) { }

    QString text(QAccessible::Text kind) const override
    {
        const auto* list = static_cast<const QComboBox*>(widget());
        if (kind == QAccessible::Name && !list->accessibleName().isEmpty())
            return list->accessibleName();
        if (kind == QAccessible::Value)
            return list->currentText();
        return QAccessibleWidget::text(kind);
    }
};

// Only the lists of the windows, those of settings; Qt's own dialogs have
// lists too.
bool isSettingsList(const QObject* object)
{
    const std::string name = object->objectName().toStdString();
    return std::ranges::any_of(kSettings,
        [&name](const SettingDef& def) { return kindOf(def.conversion) == ControlKind::List && def.control == name; });
}

QAccessibleInterface* accessibleList(const QString& className, QObject* object)
{
    if (className == QLatin1String("QComboBox") && isSettingsList(object))
        return new AccessibleList(static_cast<QWidget*>(object));
    return nullptr;
}

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
    static const bool listsNamed = [] {
        QAccessible::installFactory(accessibleList);
        return true;
    }();
    Q_UNUSED(listsNamed);
    control->setAccessibleName(name);
    // A list that shows a text of its own does so in a box of its own, which
    // readers enter and announce by itself: it is called as its list.
    if (const auto* list = qobject_cast<const QComboBox*>(control); list && list->lineEdit())
        list->lineEdit()->setAccessibleName(name);
}

void describeForReaders(QWidget* control, const char* part, const QString& text)
{
    // Each part under a property of its own, in a list that keeps their order.
    const QByteArray property = QByteArrayLiteral("golvDescription.") + part;
    QStringList parts = control->property("golvDescriptionParts").toStringList();
    if (!parts.contains(QLatin1String(part))) {
        parts << QLatin1String(part);
        control->setProperty("golvDescriptionParts", parts);
    }
    control->setProperty(property.constData(), text);
    QStringList texts;
    for (const QString& name : parts) {
        const QString shown = control->property(("golvDescription." + name).toLatin1().constData()).toString();
        if (!shown.isEmpty())
            texts << shown;
    }
    const QString description = texts.join(QStringLiteral("; "));
    if (control->accessibleDescription() != description)
        control->setAccessibleDescription(description);
}

} // namespace golv
