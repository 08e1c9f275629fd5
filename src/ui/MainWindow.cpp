#include "ui/MainWindow.h"

#include "UserInteraction.h"
#include "config/CommonSection.h"
#include "config/Session.h"
#include "config/SettingId.h"
#include "config/VersionSection.h"
#include "patcher/ModifyExe.h"
#include "presets/Presets.h"
#include "ui/AboutBox.h"
#include "ui/Artwork.h"
#include "ui/SettingsBinder.h"
#include "ui/Windows.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace golv {
namespace {

constexpr QColor kDarkRed(128, 0, 0);

template <typename Widget> Widget* named(QWidget* parent, const char* name, const QString& caption = {})
{
    auto* widget = new Widget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    if constexpr (std::is_base_of_v<QAbstractButton, Widget> || std::is_same_v<Widget, QLabel>) {
        if (!caption.isEmpty())
            widget->setText(caption);
    }
    return widget;
}

QLabel* sectionTitle(QWidget* parent, const char* name, const QString& caption)
{
    auto* title = named<QLabel>(parent, name, caption);
    QFont font = title->font();
    font.setBold(true);
    title->setFont(font);
    return title;
}

QScrollBar* scrollBar(QWidget* parent, const char* name)
{
    auto* bar = named<QScrollBar>(parent, name);
    bar->setOrientation(Qt::Horizontal);
    bar->setMinimumWidth(160);
    return bar;
}

QLineEdit* displayBox(QWidget* parent, const char* name)
{
    auto* box = named<QLineEdit>(parent, name);
    box->setAlignment(Qt::AlignRight);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0102400.00")) + 12);
    box->setMaximumWidth(box->minimumWidth());
    return box;
}

QLineEdit* soundField(QWidget* parent, const char* name)
{
    auto* field = named<QLineEdit>(parent, name);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Text, kDarkRed);
    field->setPalette(palette);
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    return field;
}

// A row of widgets that keeps to the left of its cell.
QHBoxLayout* row(std::initializer_list<QWidget*> widgets)
{
    auto* layout = new QHBoxLayout;
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    layout->addStretch();
    return layout;
}

} // namespace

MainWindow::MainWindow(Windows& windows, QWidget* parent)
    : QWidget(parent), m_windows(windows), m_session(windows.session())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("GOLV v. 0.67 alpha RC3"));
    buildLayout();
    m_binder = new SettingsBinder(m_session.settings, windows.ui(), Window::Form1, this);
    connectCommands();
    m_observer = m_session.settings.addObserver([this](SettingId id) {
        if (id == settingId("DrawingDistanceRange") || id == settingId("DistantFogRange"))
            refreshRangeWarning();
    });
    refreshRangeWarning();
    showStartupStatus();
}

MainWindow::~MainWindow() { m_session.settings.removeObserver(m_observer); }

void MainWindow::buildLayout()
{
    // Graphic settings: distances, fog, presets, look and enemy switches, sample rate.
    auto* graphic = new QGridLayout;
    int line = 0;
    graphic->addWidget(sectionTitle(this, "Label7", QStringLiteral("graphic settings")), line++, 0, 1, 3);
    graphic->addWidget(named<QLabel>(this, "Label2", QStringLiteral("Drawing Distance range:")), line, 0);
    graphic->addWidget(scrollBar(this, "HScroll1"), line, 1);
    graphic->addWidget(displayBox(this, "Text2"), line++, 2);
    graphic->addWidget(named<QLabel>(this, "Label3", QStringLiteral("Distant Fog range:")), line, 0);
    graphic->addWidget(scrollBar(this, "HScroll2"), line, 1);
    graphic->addWidget(displayBox(this, "Text3"), line++, 2);

    auto* warning = named<QLabel>(this, "Label4", QStringLiteral("DF range cannot be more than DD range"));
    QPalette warningPalette = warning->palette();
    warningPalette.setColor(QPalette::WindowText, kDarkRed);
    warning->setPalette(warningPalette);
    warning->hide();
    graphic->addWidget(warning, line++, 0, 1, 3);

    graphic->addWidget(named<QLabel>(this, "Label5", QStringLiteral("DD presets:")), line, 0);
    graphic->addLayout(row({named<QPushButton>(this, "Command4", QStringLiteral("hell!")),
                           named<QPushButton>(this, "Command2", QStringLiteral("default")),
                           named<QPushButton>(this, "Command5", QStringLiteral("not too far")),
                           named<QPushButton>(this, "Command6", QStringLiteral("far")),
                           named<QPushButton>(this, "Command7", QStringLiteral("very far"))}),
        line++, 1, 1, 2);
    for (const auto& [name, caption] : {std::pair{"Check1", "Turn off distance limit completely (experimental)"},
             std::pair{"Check2", "Turn off distant fog completely (only for Vol.FX=ON)"},
             std::pair{"Check3", "Remove look transparency"}, std::pair{"Check8", "Disable flare blinking effect"}})
        graphic->addWidget(named<QCheckBox>(this, name, QString::fromLatin1(caption)), line++, 0, 1, 3);
    graphic->addWidget(named<QLabel>(this, "Label11", QStringLiteral("Disable enemy disappearance:")), line, 0);
    graphic->addLayout(row({named<QCheckBox>(this, "Check4", QStringLiteral("Land")),
                           named<QCheckBox>(this, "Check6", QStringLiteral("Water"))}),
        line++, 1, 1, 2);
    graphic->addWidget(named<QLabel>(this, "Label9", QStringLiteral("Overall SFX sample rate:")), line, 0);
    graphic->addWidget(scrollBar(this, "HScroll3"), line, 1);
    graphic->addWidget(displayBox(this, "Text1"), line++, 2);

    auto* graphicButtons = new QGridLayout;
    int button = 0;
    for (const auto& [name, caption] : {std::pair{"Command11", "bars..."}, std::pair{"Command21", "font \\ text..."},
             std::pair{"Command14", "GFX 1..."}, std::pair{"Command18", "GFX 2..."},
             std::pair{"Command13", "customize lights..."}}) {
        graphicButtons->addWidget(named<QPushButton>(this, name, QString::fromLatin1(caption)), button / 3, button % 3);
        ++button;
    }

    // Miscellaneous options: sound fixes, free camera, pigtail, holsters, save trigger, hang thread.
    auto* misc = new QGridLayout;
    line = 0;
    misc->addWidget(sectionTitle(this, "Label8", QStringLiteral("miscellaneous options")), line++, 0, 1, 2);
    misc->addWidget(named<QLabel>(this, "Label1", QStringLiteral("[oxma being hit] sound ID:")), line, 0);
    misc->addLayout(
        row({soundField(this, "Text5(18)"), named<QCheckBox>(this, "Check5", QStringLiteral("remove sound"))}), line++,
        1);
    misc->addWidget(named<QLabel>(this, "Label12", QStringLiteral("[no ammo] sound ID:")), line, 0);
    misc->addLayout(
        row({soundField(this, "Text5(0)"), named<QCheckBox>(this, "Check7", QStringLiteral("remove sound"))}), line++,
        1);
    misc->addWidget(named<QLabel>(this, "Label10", QStringLiteral("Free camera:")), line, 0);
    misc->addLayout(row({named<QCheckBox>(this, "Check10", QStringLiteral("Lock")),
                        named<QCheckBox>(this, "Check9", QStringLiteral("Stick"))}),
        line++, 1);
    misc->addWidget(named<QLabel>(this, "Label13", QStringLiteral("Force pigtail:")), line, 0);
    misc->addLayout(row({named<QRadioButton>(this, "Option1(0)", QStringLiteral("Intact")),
                        named<QRadioButton>(this, "Option1(1)", QStringLiteral("1")),
                        named<QRadioButton>(this, "Option1(2)", QStringLiteral("2"))}),
        line++, 1);
    for (const auto& [name, caption] : {std::pair{"Check12", "Fix holsters bug"}, std::pair{"Check13", "FE 40/41 save"},
             std::pair{"Check14", "Disable ''Hang game thread'' on lost focus (debug option)"}})
        misc->addWidget(named<QCheckBox>(this, name, QString::fromLatin1(caption)), line++, 0, 1, 2);

    auto* miscButtons = new QGridLayout;
    button = 0;
    for (const auto& [name, caption] : {std::pair{"Command19", "enemy HP..."}, std::pair{"Command15", "physics..."},
             std::pair{"Command17", "inventory..."}, std::pair{"Command20", "weapons..."},
             std::pair{"Command10", "damage \\ HP..."}}) {
        miscButtons->addWidget(named<QPushButton>(this, name, QString::fromLatin1(caption)), button / 3, button % 3);
        ++button;
    }

    auto* left = new QVBoxLayout;
    left->addLayout(graphic);
    left->addStretch();
    left->addLayout(graphicButtons);
    auto* right = new QVBoxLayout;
    right->addLayout(misc);
    right->addStretch();
    right->addLayout(miscButtons);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addSpacing(16);
    columns->addLayout(right, 1);

    auto* status = new QHBoxLayout;
    auto* statusLabel = named<QLabel>(this, "Label6");
    QFont statusFont = statusLabel->font();
    statusFont.setBold(true);
    statusLabel->setFont(statusFont);
    status->addWidget(statusLabel, 1);
    auto* language = named<QLabel>(this, "Label14", QStringLiteral("EN"));
    QFont small = language->font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    language->setFont(small);
    status->addWidget(language);

    auto* commands = new QHBoxLayout;
    for (const auto& [name, caption] : {std::pair{"Command12", "load preset"}, std::pair{"Command16", "save preset"},
             std::pair{"Command9", "defaults"}, std::pair{"Command8", "about..."}})
        commands->addWidget(named<QPushButton>(this, name, QString::fromLatin1(caption)));
    commands->addStretch();
    commands->addWidget(named<QPushButton>(this, "Command3", QStringLiteral("modify")));
    commands->addWidget(named<QPushButton>(this, "Command1", QStringLiteral("quit")));

    auto* layout = new QVBoxLayout(this);
    auto* picture = named<QLabel>(this, "Picture1");
    picture->setAlignment(Qt::AlignCenter);
    picture->setPixmap(artwork::windowPicture(artwork::windowPictureSize()));
    layout->addWidget(picture);
    layout->addLayout(columns);
    layout->addLayout(status);
    layout->addLayout(commands);
}

void MainWindow::connectCommands()
{
    auto onClick = [this](const char* name, auto handler) {
        auto* button = findChild<QPushButton*>(QString::fromLatin1(name));
        connect(button, &QPushButton::clicked, this, [this, handler] {
            if (fieldsAccepted())
                handler();
        });
    };
    // The drawing-distance presets set both bars; the bars' own rules do the rest.
    onClick("Command4", [this] { setDistances(-3, -2); });
    onClick("Command2", [this] { setDistances(2, 2); });
    onClick("Command5", [this] { setDistances(5, 7); });
    onClick("Command6", [this] { setDistances(8, 17); });
    onClick("Command7", [this] { setDistances(10, 28); });

    onClick("Command12", [this] { loadPreset(m_session); });
    onClick("Command16", [this] { savePreset(m_session); });
    onClick("Command9", [this] { restoreDefaults(); });
    onClick("Command3", [this] { modifyCommand(m_session); });
    onClick("Command1", [this] { m_windows.unloadAll(); });
    onClick("Command8", [this] {
        AboutBox& about = m_windows.form2();
        about.exec();
    });

    // Each customizer button opens its window once that window exists.
    for (const auto& [name, window] :
        {std::pair{"Command11", Window::CustBars}, std::pair{"Command21", Window::CustFonts},
            std::pair{"Command14", Window::CustGfx}, std::pair{"Command18", Window::CustGfx2},
            std::pair{"Command13", Window::CustLite}, std::pair{"Command17", Window::CustInv},
            std::pair{"Command19", Window::CustEnemy}, std::pair{"Command10", Window::CustOxmaHP},
            std::pair{"Command15", Window::CustPhys}, std::pair{"Command20", Window::CustWeapons}}) {
        auto* button = findChild<QPushButton*>(QString::fromLatin1(name));
        button->setEnabled(m_windows.hasCustomizer(window));
        const Window target = window;
        onClick(name, [this, target] { m_windows.openCustomizer(target); });
    }
}

void MainWindow::setDistances(int drawing, int fog)
{
    m_session.settings.setState(settingId("DrawingDistanceRange"), drawing);
    m_session.settings.setState(settingId("DistantFogRange"), fog);
}

void MainWindow::restoreDefaults()
{
    if (Status loaded = LoadCommonConfig(m_session); !loaded) {
        m_session.ui.message("The defaults could not be read.\n" + loaded.reason());
        return;
    }
    // The defaults that come from the identified build's section return too.
    if (m_session.exeRead) {
        if (Status loaded = LoadConfig(m_session); !loaded)
            m_session.ui.message("The build's section of the configuration could not be read.\n" + loaded.reason());
    }
    m_windows.resetWeaponsPreview();
    showStartupStatus();
}

void MainWindow::refreshRangeWarning()
{
    findChild<QLabel*>(QStringLiteral("Label4"))->setVisible(m_session.settings.rangeWarningShown());
}

bool MainWindow::fieldsAccepted() { return m_binder->checkPendingField(); }

void MainWindow::showStartupStatus()
{
    findChild<QLabel*>(QStringLiteral("Label6"))->setText(QString::fromStdString(m_session.window.statusLabel));
    findChild<QPushButton*>(QStringLiteral("Command3"))->setEnabled(m_session.window.modifyEnabled);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Closing by the frame ends the program the way "quit" does.
    m_windows.unloadAll();
    event->accept();
}

} // namespace golv
