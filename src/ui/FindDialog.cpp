#include "ui/FindDialog.h"

#include "config/Session.h"
#include "settings/SettingId.h"
#include "ui/FormBuilder.h"
#include "ui/Windows.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace golv {

FindDialog::FindDialog(Windows& windows, QWidget* parent) : QDialog(parent)
{
    const Session& session = windows.session();
    auto text = [&session](CaptionKey<Window::Form1> caption) { return captionText(session, caption); };
    setObjectName(QStringLiteral("FindDialog"));
    setWindowTitle(text("findtitle"));

    for (SettingId id = 0; id < kSettings.size(); ++id) {
        QWidget* control = windows.controlOf(id);
        if (control == nullptr || control->isHidden())
            continue; // kept from an older drawing method, and shown nowhere
        const QString name = control->accessibleName();
        const QString window = control->window()->windowTitle();
        const QString key
            = QString::fromLatin1(kSettings[id].key.data(), static_cast<qsizetype>(kSettings[id].key.size()));
        m_entries.push_back({id, QStringLiteral("%1 \u2013 %2 (%3)").arg(name, window, key),
            (name + QLatin1Char(' ') + key + QLatin1Char(' ') + window).toLower()});
    }

    auto* label = new QLabel(text("findlabel"), this);
    label->setTextFormat(Qt::PlainText);
    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("FindField"));
    m_field->setAccessibleName(label->text().chopped(label->text().endsWith(QLatin1Char(':')) ? 1 : 0));
    label->setBuddy(m_field);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("FindMatches"));
    m_list->setAccessibleName(text("findresults"));
    m_none = new QLabel(text("findnone"), this);
    m_none->setTextFormat(Qt::PlainText);
    m_none->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_field);
    layout->addWidget(m_list);
    layout->addWidget(m_none);
    resize(fontMetrics().averageCharWidth() * 80, fontMetrics().height() * 24);

    m_field->installEventFilter(this);
    connect(m_field, &QLineEdit::textChanged, this, &FindDialog::refill);
    connect(m_field, &QLineEdit::returnPressed, this, [this] { choose(std::max(m_list->currentRow(), 0)); });
    connect(m_list, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { choose(m_list->row(item)); });
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { choose(m_list->row(item)); });
    refill(QString());
}

void FindDialog::refill(const QString& typed)
{
    const QStringList words = typed.toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    m_matches.clear();
    m_list->clear();
    for (const Entry& entry : m_entries) {
        if (std::all_of(
                words.begin(), words.end(), [&entry](const QString& word) { return entry.searched.contains(word); })) {
            m_matches.push_back(entry.id);
            m_list->addItem(entry.shown);
        }
    }
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
    m_none->setVisible(m_matches.empty());
}

void FindDialog::choose(int row)
{
    if (row < 0 || row >= static_cast<int>(m_matches.size()))
        return;
    m_chosen = m_matches[static_cast<std::size_t>(row)];
    accept();
}

bool FindDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_field && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Down || key == Qt::Key_Up || key == Qt::Key_PageDown || key == Qt::Key_PageUp)
            && m_list->count() > 0) {
            m_list->setFocus(Qt::OtherFocusReason);
            QCoreApplication::sendEvent(m_list, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace golv
