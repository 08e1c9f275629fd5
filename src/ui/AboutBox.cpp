#include "ui/AboutBox.h"

#include "language/CaptionTable.h"
#include "ui/Artwork.h"
#include "ui/FormBuilder.h"
#include "ui/OwnControls.h"

#include <QFontMetrics>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace golv {

namespace {

constexpr int kTickMilliseconds = 100;

void setTextGrey(QLabel& label, int grey)
{
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, QColor(grey, grey, grey));
    label.setPalette(palette);
}

} // namespace

AboutBox::AboutBox(const Session& session, QWidget* parent) : QDialog(parent)
{
    using Caption = CaptionKey<Window::Form2>;
    setObjectName(controlName(windowName(Window::Form2)));
    setWindowTitle(captionText(session, titleCaption(Window::Form2)));
    setAttribute(Qt::WA_DeleteOnClose);

    const QSize logoSize = artwork::logoSize();
    auto* logo = new QLabel(this);
    logo->setObjectName(controlName(own::kLogo));
    logo->setPixmap(artwork::logo(logoSize));
    logo->setFixedSize(logoSize);
    logo->setAccessibleName(captionText(session, Caption("logo")));

    auto* panel = new QFrame(this);
    panel->setObjectName(controlName(own::kCreditPanel));
    panel->setAutoFillBackground(true);
    QPalette black = panel->palette();
    black.setColor(QPalette::Window, Qt::black);
    black.setColor(QPalette::WindowText, Qt::white);
    panel->setPalette(black);
    panel->setFixedWidth(logoSize.width());

    m_creditLabel = new QLabel(panel);
    m_creditLabel->setObjectName(controlName(own::kCreditLine));
    m_creditLabel->setTextFormat(Qt::PlainText);
    m_creditLabel->setAutoFillBackground(true);
    m_creditLabel->setPalette(black);
    m_creditLabel->setAlignment(Qt::AlignCenter);
    // A long line must not resize the box while it fades.
    m_creditLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    QFont creditFont = m_creditLabel->font();
    creditFont.setPointSizeF(creditFont.pointSizeF() * 1.15);
    m_creditLabel->setFont(creditFont);
    m_creditLabel->setMinimumHeight(QFontMetrics(creditFont).height() * 2);

    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(8, 6, 8, 6);
    panelLayout->addWidget(m_creditLabel);

    constexpr Caption close = "close";
    auto* closeButton = new QPushButton(captionText(session, close), this);
    closeButton->setObjectName(controlName(entry(close).control));
    closeButton->setDefault(true);
    connect(closeButton, &QPushButton::clicked, this, &AboutBox::closeBox);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(10, 0, 10, 0);
    buttons->addStretch();
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(0, 0, 0, 10);
    layout->setSpacing(0);
    layout->addWidget(logo);
    layout->addWidget(panel);
    layout->addSpacing(10);
    layout->addLayout(buttons);

    m_creditTimer = windowTimer(this, own::kCreditTimer, kTickMilliseconds, &AboutBox::showNextCredit);
    m_creditTimer->start();
}

void AboutBox::showNextCredit()
{
    const CreditCycle::Step step = m_credits.tick();
    setTextGrey(*m_creditLabel, step.grey);
    m_creditLabel->setText(QString::fromUtf8(step.caption.data(), static_cast<qsizetype>(step.caption.size())));
}

void AboutBox::closeBox()
{
    m_creditTimer->stop();
    m_credits.rewind();
    close();
}

} // namespace golv
