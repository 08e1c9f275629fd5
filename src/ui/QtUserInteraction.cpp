#include "ui/QtUserInteraction.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace golv {
namespace {

QString toQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString titleOrProgram(std::string_view title)
{
    return title.empty() ? QtUserInteraction::programTitle() : toQString(title);
}

} // namespace

QString QtUserInteraction::programTitle() { return QStringLiteral("GOLV"); }

QString QtUserInteraction::toQtFilter(std::string_view filter)
{
    // Pairs of (description, pattern); Qt shows the description, which already names the pattern.
    const QStringList parts = toQString(filter).split(QLatin1Char('|'));
    QStringList descriptions;
    for (qsizetype i = 0; i < parts.size(); i += 2)
        descriptions << parts[i];
    return descriptions.join(QStringLiteral(";;"));
}

void QtUserInteraction::message(std::string_view text, std::string_view title)
{
    QMessageBox::information(m_parent, titleOrProgram(title), toQString(text), QMessageBox::Ok);
}

bool QtUserInteraction::confirm(std::string_view text, std::string_view title)
{
    return QMessageBox::question(
               m_parent, titleOrProgram(title), toQString(text), QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok)
        == QMessageBox::Ok;
}

std::optional<std::string> QtUserInteraction::chooseFileToOpen(std::string_view title, std::string_view filter)
{
    const QString chosen = QFileDialog::getOpenFileName(m_parent, toQString(title), QString(), toQtFilter(filter));
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen.toStdString();
}

std::optional<std::string> QtUserInteraction::chooseFileToSave(std::string_view title, std::string_view filter)
{
    const QString chosen = QFileDialog::getSaveFileName(m_parent, toQString(title), QString(), toQtFilter(filter));
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen.toStdString();
}

} // namespace golv
