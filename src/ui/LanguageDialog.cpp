#include "ui/LanguageDialog.h"

#include "config/Session.h"
#include "language/CaptionTable.h"
#include "ui/FormBuilder.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace golv {

LanguageDialog::LanguageDialog(const Session& session, QWidget* parent) : QDialog(parent)
{
    using Caption = CaptionKey<Window::Form1>;
    auto text = [&session](Caption caption) { return captionText(session, caption); };
    setObjectName(QStringLiteral("LanguageDialog"));
    setWindowTitle(text("languagetitle"));

    const std::string_view english = entry(Caption("languagename")).builtIn;
    m_choices.push_back({std::string(), std::string(english) + " (" + text("builtinlanguage").toStdString() + ")"});
    for (LanguageChoice& choice : languageChoices(session.folder))
        m_choices.push_back(std::move(choice));

    auto* label = new QLabel(text("languagelist"), this);
    label->setTextFormat(Qt::PlainText);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("Languages"));
    m_list->setAccessibleName(text("languagelist"));
    label->setBuddy(m_list);
    for (const LanguageChoice& choice : m_choices) {
        m_list->addItem(QString::fromStdString(choice.name));
        if (choice.file == session.languageFile)
            m_list->setCurrentRow(m_list->count() - 1);
    }
    if (m_list->currentRow() < 0)
        m_list->setCurrentRow(0);

    // "apply" as in every customizer window; Escape leaves the language as it is.
    auto* apply = new QPushButton(captionText(session, CaptionKey<Window::CustBars>("apply")), this);
    apply->setObjectName(QStringLiteral("Apply"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_list);
    layout->addWidget(apply, 0, Qt::AlignRight);

    auto take = [this] {
        if (m_list->currentRow() >= 0)
            m_chosen = m_choices[static_cast<std::size_t>(m_list->currentRow())].file;
        accept();
    };
    connect(apply, &QPushButton::clicked, this, take);
    connect(m_list, &QListWidget::itemActivated, this, take);
}

} // namespace golv
