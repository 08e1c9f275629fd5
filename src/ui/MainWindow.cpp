#include "ui/MainWindow.h"

#include "config/Session.h"
#include "ui/Windows.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace golv {

MainWindow::MainWindow(Windows& windows, QWidget* parent)
    : QWidget(parent)
    , m_windows(windows)
    , m_session(windows.session())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("GOLV v. 0.67 alpha RC3"));

    m_statusLabel = new QLabel(this);
    m_statusLabel->setObjectName(QStringLiteral("Label6"));

    m_modifyButton = new QPushButton(QStringLiteral("modify"), this);
    m_modifyButton->setObjectName(QStringLiteral("Command3"));

    auto* quitButton = new QPushButton(QStringLiteral("quit"), this);
    quitButton->setObjectName(QStringLiteral("Command1"));
    connect(quitButton, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_modifyButton);
    buttons->addWidget(quitButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_statusLabel);
    layout->addLayout(buttons);

    showStartupStatus();
}

void MainWindow::showStartupStatus()
{
    m_statusLabel->setText(QString::fromStdString(m_session.window.statusLabel));
    m_modifyButton->setEnabled(m_session.window.modifyEnabled);
}

} // namespace golv
