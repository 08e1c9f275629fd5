#include "ui/MainWindow.h"

#include "UserInteraction.h"
#include "config/CommonSection.h"
#include "config/Session.h"
#include "config/VersionSection.h"
#include "language/CaptionTable.h"
#include "language/LanguageFile.h"
#include "patcher/ModifyExe.h"
#include "patcher/PatchPreview.h"
#include "patcher/ReadExecutable.h"
#include "presets/Presets.h"
#include "settings/SettingId.h"
#include "ui/AboutBox.h"
#include "ui/Artwork.h"
#include "ui/ChangeMarks.h"
#include "ui/FindDialog.h"
#include "ui/FormBuilder.h"
#include "ui/LanguageDialog.h"
#include "ui/SettingsBinder.h"
#include "ui/Windows.h"

#include <QAccessible>
#include <QApplication>
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
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

namespace golv {
namespace {

constexpr QColor kWarningInk(128, 0, 0);

// The buttons that open the customizer windows, in the two blocks under the
// sections, three a line.
struct WindowButton {
    const char* name;
    Window window;
};
constexpr WindowButton kGraphicWindows[] = {
    {"Command11", Window::CustBars},
    {"Command21", Window::CustFonts},
    {"Command14", Window::CustGfx},
    {"Command18", Window::CustGfx2},
    {"Command13", Window::CustLite},
};
constexpr WindowButton kMiscWindows[] = {
    {"Command19", Window::CustEnemy},
    {"Command15", Window::CustPhys},
    {"Command17", Window::CustInv},
    {"Command20", Window::CustWeapons},
    {"Command10", Window::CustOxmaHP},
};

// The drawing-distance presets: each sets both bars.
struct DistancePreset {
    const char* name;
    int drawing;
    int fog;
};
constexpr DistancePreset kDistancePresets[] = {
    {"Command4", -3, -2},
    {"Command2", 2, 2},
    {"Command5", 5, 7},
    {"Command6", 8, 17},
    {"Command7", 10, 28},
};

// A scroll bar with its display box: the box shows the bar's value in words a
// reader announces as that value.
void barRow(const FormBuilder& make, Section& section, const char* label, const char* bar, const char* display)
{
    QLabel* caption = make.label(label);
    QLineEdit* box = make.display(display, 9);
    nameForReaders(box, {caption, make.shared("value")});
    section.row(caption, {make.scrollBar(bar), box});
}

QGridLayout* windowButtons(const FormBuilder& make, std::span<const WindowButton> buttons)
{
    auto* grid = new QGridLayout;
    for (std::size_t i = 0; i < buttons.size(); ++i)
        grid->addWidget(make.button(buttons[i].name), static_cast<int>(i / 3), static_cast<int>(i % 3));
    return grid;
}

} // namespace

MainWindow::MainWindow(Windows& windows, QWidget* parent)
    : QWidget(parent), m_windows(windows), m_session(windows.session()),
      m_form(std::make_unique<FormBuilder>(this, Window::Form1, windows))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(m_form->caption(kWindowTitle.data()));
    buildLayout();
    m_binder = new SettingsBinder(m_session.settings, windows.ui(), Window::Form1, this, &windows.marks());
    m_form->setGate([this] { return m_binder->checkPendingField(); });
    connectCommands();
    m_observer = m_session.settings.addObserver([this](SettingId id) {
        if (id == settingId("DrawingDistanceRange") || id == settingId("DistantFogRange"))
            refreshRangeWarning();
    });
    refreshRangeWarning();
    showStartupStatus();
    connect(&windows.marks(), &ChangeMarks::refreshed, this, &MainWindow::showCounts);
    showCounts();
}

MainWindow::~MainWindow() { m_session.settings.removeObserver(m_observer); }

void MainWindow::buildLayout()
{
    const FormBuilder& make = *m_form;

    Section graphic(make, "Label7");
    barRow(make, graphic, "Label2", "HScroll1", "Text2");
    barRow(make, graphic, "Label3", "HScroll2", "Text3");
    m_rangeWarning = make.label("Label4");
    QPalette warningPalette = m_rangeWarning->palette();
    warningPalette.setColor(QPalette::WindowText, kWarningInk);
    m_rangeWarning->setPalette(warningPalette);
    FormBuilder::reserveSpace(m_rangeWarning);
    m_rangeWarning->hide();
    graphic.wideRow(m_rangeWarning);
    std::vector<QWidget*> presets;
    for (const DistancePreset& preset : kDistancePresets)
        presets.push_back(make.button(preset.name));
    graphic.row(make.label("Label5"), presets);
    for (const char* name : {"Check1", "Check2", "Check3", "Check8"})
        graphic.wideRow(make.checkBox(name));
    graphic.row(make.label("Label11"), {make.checkBox("Check4"), make.checkBox("Check6")});
    barRow(make, graphic, "Label9", "HScroll3", "Text1");

    Section misc(make, "Label8");
    misc.row(make.label("Label1"), {make.field("Text5(18)"), make.checkBox("Check5")});
    misc.row(make.label("Label12"), {make.field("Text5(0)"), make.checkBox("Check7")});
    misc.row(make.label("Label10"), {make.checkBox("Check10"), make.checkBox("Check9")});
    misc.row(make.label("Label13"),
        {make.option("Option1(0)"), make.option("Option1(1)", QStringLiteral("1")),
            make.option("Option1(2)", QStringLiteral("2"))});
    for (const char* name : {"Check12", "Check13", "Check14"})
        misc.wideRow(make.checkBox(name));

    auto* left = new QVBoxLayout;
    left->addLayout(graphic.layout());
    left->addStretch();
    left->addLayout(windowButtons(make, kGraphicWindows));
    auto* right = new QVBoxLayout;
    right->addLayout(misc.layout());
    right->addStretch();
    right->addLayout(windowButtons(make, kMiscWindows));
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addSpacing(16);
    columns->addLayout(right, 1);

    auto* statusLabel = new QLabel(this);
    statusLabel->setObjectName(QStringLiteral("Label6"));
    statusLabel->setTextFormat(Qt::PlainText); // it names the executable
    QFont statusFont = statusLabel->font();
    statusFont.setBold(true);
    statusLabel->setFont(statusFont);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setAlignment(Qt::AlignCenter);
    picture->setPixmap(artwork::windowPicture(artwork::windowPictureSize()));
    picture->setAccessibleName(make.caption("windowpicture"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture);
    layout->addLayout(columns);
    layout->addWidget(statusLabel);
    // Made one by one: the order of making is the Tab order, and a call's
    // arguments may be made in any order. The program's own commands stand
    // above those of the settings and the executable.
    QPushButton* find = make.button("Command24");
    QPushButton* languages = make.button("Command25");
    QPushButton* about = make.button("Command8");
    QLabel* language = make.label("Label14");
    QFont small = language->font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    language->setFont(small);
    auto* program = make.commandRow({find, languages, about}, {});
    program->addWidget(language);
    layout->addLayout(program);
    QPushButton* load = make.button("Command12");
    QPushButton* save = make.button("Command16");
    QPushButton* defaults = make.button("Command9");
    QPushButton* read = make.button("Command26");
    QPushButton* exportPatch = make.button("Command22");
    QPushButton* restore = make.button("Command23");
    QPushButton* modify = make.button("Command3");
    QPushButton* quit = make.button("Command1");
    layout->addLayout(make.commandRow({load, save, defaults}, {read, exportPatch, restore, modify, quit}));
}

void MainWindow::connectCommands()
{
    const FormBuilder& make = *m_form;
    auto onClick = [this, &make](const char* name, std::function<void()> handler) {
        make.onClick(findChild<QPushButton*>(QString::fromLatin1(name)), std::move(handler));
    };
    for (const DistancePreset& preset : kDistancePresets)
        onClick(preset.name, [this, preset] { setDistances(preset.drawing, preset.fog); });

    onClick("Command12", [this] {
        const SettingsStore::Step step(m_session.settings);
        loadPreset(m_session);
    });
    onClick("Command16", [this] { savePreset(m_session); });
    onClick("Command9", [this] { restoreDefaults(); });
    // A command refused for an executable that changed may have read it anew.
    onClick("Command3", [this] {
        modifyCommand(m_session);
        executableTouched();
    });
    onClick("Command26", [this] {
        readExecutableCommand(m_session);
        executableTouched();
    });
    onClick("Command22", [this] { exportPatchCommand(m_session); });
    onClick("Command23", [this] {
        restoreCommand(m_session);
        executableTouched();
    });
    onClick("Command1", [this] { m_windows.unloadAll(); });
    onClick("Command8", [this] { m_windows.form2().exec(); });
    onClick("Command24", [this] { findSetting(); });
    onClick("Command25", [this] { chooseLanguage(); });
    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, [this] {
        if (m_binder->checkPendingField())
            findSetting();
    });

    // Each customizer button opens its window once that window exists.
    for (const auto buttons :
        {std::span<const WindowButton>(kGraphicWindows), std::span<const WindowButton>(kMiscWindows)}) {
        for (const WindowButton& button : buttons) {
            findChild<QPushButton*>(QString::fromLatin1(button.name))
                ->setEnabled(m_windows.hasCustomizer(button.window));
            const Window target = button.window;
            onClick(button.name, [this, target] { m_windows.openCustomizer(target); });
        }
    }
}

void MainWindow::findSetting()
{
    FindDialog find(m_windows, this);
    if (find.exec() == QDialog::Accepted && find.chosen())
        m_windows.goTo(*find.chosen());
}

void MainWindow::chooseLanguage()
{
    LanguageDialog languages(m_session, this);
    if (languages.exec() != QDialog::Accepted || !languages.chosen())
        return;
    if (Status kept = golv::chooseLanguage(m_session, *languages.chosen()); !kept)
        m_session.ui.message(captionText(m_session, Window::Form1, "languagenotkept").toStdString(), {}, kept.reason());
    // This window is one of those made anew: not while it is answering a click.
    QTimer::singleShot(0, qApp, [windows = &m_windows] { windows->rebuild(); });
}

void MainWindow::setDistances(int drawing, int fog)
{
    const SettingsStore::Step step(m_session.settings);
    m_session.settings.setState(settingId("DrawingDistanceRange"), drawing);
    m_session.settings.setState(settingId("DistantFogRange"), fog);
}

void MainWindow::restoreDefaults()
{
    const SettingsStore::Step step(m_session.settings);
    if (Status loaded = LoadCommonConfig(m_session); !loaded) {
        m_session.ui.message("The defaults could not be read.\n" + loaded.reason());
        return;
    }
    // The defaults that come from the build's section return too, where
    // start-up read the detection bytes that pick it.
    if (const ExecutableState state = m_session.executable.state;
        state == ExecutableState::Identified || state == ExecutableState::NotCompatible) {
        if (Status loaded = LoadConfig(m_session); !loaded)
            m_session.ui.message("The build's section of the configuration could not be read.\n" + loaded.reason());
    }
    m_windows.resetWeaponsPreview();
    // The section read again may place the writes elsewhere, or find the build.
    executableTouched();
}

void MainWindow::refreshRangeWarning()
{
    const bool shown = m_session.settings.rangeWarningShown();
    if (shown == !m_rangeWarning->isHidden())
        return;
    m_rangeWarning->setVisible(shown);
    // Readers announce the warning the moment it appears.
    if (shown) {
        QAccessibleEvent alert(m_rangeWarning, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
}

void MainWindow::executableTouched()
{
    showStartupStatus();
    m_windows.marks().readExecutable();
}

void MainWindow::showCounts()
{
    for (const auto buttons :
        {std::span<const WindowButton>(kGraphicWindows), std::span<const WindowButton>(kMiscWindows)}) {
        for (const WindowButton& button : buttons) {
            const int count = m_windows.marks().count(button.window);
            const QString caption = m_form->caption(button.name);
            auto* shown = findChild<QPushButton*>(QString::fromLatin1(button.name));
            // Readers hear the count after the button's name, which stays its caption.
            const QString counted = count > 0 ? QStringLiteral("%1 (%2)").arg(caption).arg(count) : caption;
            if (shown->text() != counted) {
                shown->setText(counted);
                shown->setAccessibleName(caption);
                describeForReaders(shown, "changes",
                    count > 0 ? QStringLiteral("%1 %2").arg(m_form->shared("changingsettings")).arg(count) : QString());
            }
        }
    }
}

void MainWindow::showStartupStatus()
{
    const Executable& executable = m_session.executable;
    std::string status;
    switch (executable.state) {
    case ExecutableState::Unread:
        break;
    case ExecutableState::Identified:
        status = m_session.foundLabel;
        break;
    case ExecutableState::NotCompatible:
        status = "Engine is not compatible with GOLV!";
        break;
    case ExecutableState::Unreadable:
        status = "Error loading patcher!";
        break;
    case ExecutableState::Missing:
        status = executable.name + " not found!";
        break;
    case ExecutableState::Refused:
        status = executable.name + " is outside GOLV's folder!";
        break;
    }
    findChild<QLabel*>(QStringLiteral("Label6"))->setText(QString::fromStdString(status));
    // Exporting and reading go by the build found, as "modify" does.
    for (const char* name : {"Command3", "Command22", "Command26"})
        findChild<QPushButton*>(QString::fromLatin1(name))->setEnabled(executable.state == ExecutableState::Identified);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Closing by the frame ends the program the way "quit" does.
    m_windows.unloadAll();
    event->accept();
}

} // namespace golv
