#include "ui/DialogFont.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>

namespace golv {

QStringList fallbackDialogFamilies()
{
    return {QStringLiteral("Segoe UI"), QStringLiteral("Tahoma"), QStringLiteral("Microsoft Sans Serif"),
        QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
        QStringLiteral("Noto Sans")};
}

QString replacementDialogFamily(
    const QString& requested, const QString& resolved, const std::function<bool(const QString&)>& installed)
{
    if (requested.compare(resolved, Qt::CaseInsensitive) == 0)
        return {};
    for (const QString& family : fallbackDialogFamilies()) {
        if (installed(family))
            return family.compare(resolved, Qt::CaseInsensitive) == 0 ? QString() : family;
    }
    return {};
}

void useAnInstalledDialogFont()
{
#ifdef Q_OS_WIN
    QFont font = QApplication::font();
    const QString family = replacementDialogFamily(
        font.family(), QFontInfo(font).family(), [](const QString& name) { return QFontDatabase::hasFamily(name); });
    if (family.isEmpty())
        return;
    font.setFamily(family);
    QApplication::setFont(font);
#endif
}

} // namespace golv
