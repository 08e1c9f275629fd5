#include "ui/QtUserInteraction.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStringList>

namespace golv {
namespace {

QString toQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString titleOrProgram(std::string_view title)
{
    return title.empty() ? QtUserInteraction::programTitle() : toQString(title);
}

// Qt's dialogs give "/" on every system; GOLV's messages name a chosen file
// the way the user's system writes it ("C:\games\mine.qpt" on Windows).
std::string systemPath(const QString& chosen) { return QDir::toNativeSeparators(chosen).toStdString(); }

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

void QtUserInteraction::message(std::string_view text, std::string_view title, std::string_view details)
{
    QMessageBox box(QMessageBox::Information, titleOrProgram(title), toQString(text), QMessageBox::Ok, m_parent);
    if (!details.empty())
        box.setDetailedText(toQString(details));
    box.exec();
}

bool QtUserInteraction::confirm(std::string_view text, std::string_view title, std::string_view details)
{
    QMessageBox box(
        QMessageBox::Question, titleOrProgram(title), toQString(text), QMessageBox::Ok | QMessageBox::Cancel, m_parent);
    box.setDefaultButton(QMessageBox::Ok);
    if (!details.empty())
        box.setDetailedText(toQString(details));
    return box.exec() == QMessageBox::Ok;
}

QString QtUserInteraction::filterExtension(const QString& filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.([^*?\\s;)]+)"));
    return pattern.match(filter).captured(1);
}

QString QtUserInteraction::withFilterExtension(const QString& fileName, const QString& selectedFilter)
{
    const QString extension = filterExtension(selectedFilter);
    if (extension.isEmpty() || !QFileInfo(fileName).suffix().isEmpty())
        return fileName;
    return fileName + QLatin1Char('.') + extension;
}

std::optional<std::string> QtUserInteraction::chooseFileToOpen(std::string_view title, std::string_view filter)
{
    const QString chosen = QFileDialog::getOpenFileName(m_parent, toQString(title), m_lastFolder, toQtFilter(filter));
    if (chosen.isEmpty())
        return std::nullopt;
    m_lastFolder = QFileInfo(chosen).absolutePath();
    return systemPath(chosen);
}

std::optional<std::string> QtUserInteraction::chooseFileToSave(std::string_view title, std::string_view filter)
{
    QFileDialog dialog(m_parent, toQString(title), m_lastFolder, toQtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The dialog adds the chosen filter's extension itself, so its question
    // about overwriting a file asks about the file that will be written.
    dialog.setDefaultSuffix(filterExtension(dialog.selectedNameFilter()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString& chosenFilter) { dialog.setDefaultSuffix(filterExtension(chosenFilter)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    // A platform dialog may leave the suffix to us.
    const QString chosen = withFilterExtension(dialog.selectedFiles().constFirst(), dialog.selectedNameFilter());
    m_lastFolder = QFileInfo(chosen).absolutePath();
    return systemPath(chosen);
}

} // namespace golv
