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
#include "ui/OwnControls.h"
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

using Caption = CaptionKey<Window::Form1>;
using Setting = SettingKey<Window::Form1>;

// The buttons that open the customizer windows, in the two blocks under the
// sections, three a line.
struct WindowButton {
    Caption caption;
    Window window;
};
constexpr WindowButton kGraphicWindows[] = {
    {"barsbutton", Window::CustBars},
    {"fontsbutton", Window::CustFonts},
    {"gfx1button", Window::CustGfx},
    {"gfx2button", Window::CustGfx2},
    {"lightsbutton", Window::CustLite},
};
constexpr WindowButton kMiscWindows[] = {
    {"enemyhp", Window::CustEnemy},
    {"physics", Window::CustPhys},
    {"inventory", Window::CustInv},
    {"weapons", Window::CustWeapons},
    {"damage\\hp", Window::CustOxmaHP},
};

// The drawing-distance presets: each sets both bars.
struct DistancePreset {
    Caption caption;
    int drawing;
    int fog;
};
constexpr DistancePreset kDistancePresets[] = {
    {"ddhellpreset", -3, -2},
    {"dddefaultpreset", 2, 2},
    {"ddnottoofarpreset", 5, 7},
    {"ddfarpreset", 8, 17},
    {"ddveryfarpreset", 10, 28},
};

// The switches of the two sections, each across its row.
constexpr Setting kGraphicSwitches[]
    = {"TurnOffDistDLimit", "TurnOffDistFog", "RemoveLookTransparency", "DisableBlinkFlare"};
constexpr Setting kMiscSwitches[] = {"FixHolsters", "SaveTrigger", "DisableHangThread"};

// "modify" and the commands that, like it, go by the build found.
constexpr Caption kBuildCommands[] = {"modify", "exportpatch", "readexecutable"};

// A scroll bar with its display box: the box shows the bar's value in words a
// reader announces as that value.
void barRow(const FormBuilder& make, Section& section, Caption label, Setting bar)
{
    QLabel* caption = make.label(label);
    QLineEdit* box = make.display(bar, 9);
    nameForReaders(box, {caption, make.shared("value")});
    section.row(caption, {make.scrollBar(bar), box});
}

QGridLayout* windowButtons(const FormBuilder& make, std::span<const WindowButton> buttons)
{
    auto* grid = new QGridLayout;
    for (std::size_t i = 0; i < buttons.size(); ++i)
        grid->addWidget(make.button(buttons[i].caption), static_cast<int>(i / 3), static_cast<int>(i % 3));
    return grid;
}

} // namespace

MainWindow::MainWindow(Windows& windows, QWidget* parent)
    : QWidget(parent), m_windows(windows), m_session(windows.session()),
      m_form(std::make_unique<FormBuilder>(this, Window::Form1, windows))
{
    setObjectName(controlName(windowName(Window::Form1)));
    setWindowTitle(m_form->caption(titleCaption(Window::Form1)));
    buildLayout();
    m_binder = new SettingsBinder(m_session.settings, windows.ui(), Window::Form1, this, &windows.marks());
    m_form->setGate([this] { return m_binder->checkPendingField(); });
    connectCommands();
    // Any change may be one of the distances; the check is two lookups.
    m_observer = m_session.settings.addObserver([this](SettingId) { refreshRangeWarning(); });
    refreshRangeWarning();
    showStartupStatus();
    connect(&windows.marks(), &ChangeMarks::refreshed, this, &MainWindow::showCounts);
    showCounts();
}

MainWindow::~MainWindow() { m_session.settings.removeObserver(m_observer); }

void MainWindow::buildLayout()
{
    const FormBuilder& make = *m_form;

    Section graphic(make, Caption("graphicsettingstitle"));
    barRow(make, graphic, "drawingdistancerange", "DrawingDistanceRange");
    barRow(make, graphic, "distantfogrange", "DistantFogRange");
    m_rangeWarning = make.label(Caption("dfrangecannotbemoreddrangewarning"));
    QPalette warningPalette = m_rangeWarning->palette();
    warningPalette.setColor(QPalette::WindowText, kWarningInk);
    m_rangeWarning->setPalette(warningPalette);
    FormBuilder::reserveSpace(m_rangeWarning);
    m_rangeWarning->hide();
    graphic.wideRow(m_rangeWarning);
    std::vector<QWidget*> presets;
    for (const DistancePreset& preset : kDistancePresets)
        presets.push_back(make.button(preset.caption));
    graphic.row(make.label(Caption("ddpresets")), presets);
    for (const Setting box : kGraphicSwitches)
        graphic.wideRow(make.checkBox(box));
    graphic.row(make.label(Caption("disableenemydisappearance")),
        {make.checkBox(Setting("DisableDEnemyLand")), make.checkBox(Setting("DisableDEnemyWatr"))});
    barRow(make, graphic, "overallsfxsamplerate", "SampleRate");

    Section misc(make, Caption("miscellaneousoptionstitle"));
    misc.row(make.label(Caption("oxmabeinghitsoundid")),
        {make.field(Setting("UWDoorBugSoundID")), make.checkBox(Setting("FixUWDoorBug"))});
    misc.row(make.label(Caption("noammosoundid")),
        {make.field(Setting("NoAmmoBugSoundID")), make.checkBox(Setting("FixNoAmmoBug"))});
    misc.row(make.label(Caption("freecamera")),
        {make.checkBox(Setting("LockFreeCamera")), make.checkBox(Setting("StickFreeCamera"))});
    const Setting pigtail = "PonytailMode";
    misc.row(make.label(Caption("forcepigtail")),
        {make.option(pigtail, 0), make.option(pigtail, 1, QStringLiteral("1")),
            make.option(pigtail, 2, QStringLiteral("2"))});
    for (const Setting box : kMiscSwitches)
        misc.wideRow(make.checkBox(box));

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
    statusLabel->setObjectName(controlName(own::kStatusLine));
    statusLabel->setTextFormat(Qt::PlainText); // it names the executable
    QFont statusFont = statusLabel->font();
    statusFont.setBold(true);
    statusLabel->setFont(statusFont);

    auto* picture = new QLabel(this);
    picture->setObjectName(controlName(own::kWindowPicture));
    picture->setAlignment(Qt::AlignCenter);
    picture->setPixmap(artwork::windowPicture(artwork::windowPictureSize()));
    picture->setAccessibleName(make.caption(Caption("windowpicture")));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture);
    layout->addLayout(columns);
    layout->addWidget(statusLabel);
    // Made one by one: the order of making is the Tab order, and a call's
    // arguments may be made in any order. The program's own commands stand
    // above those of the settings and the executable.
    QPushButton* find = make.button(Caption("findbutton"));
    QPushButton* languages = make.button(Caption("languagebutton"));
    QPushButton* about = make.button(Caption("about"));
    QLabel* language = make.label(Caption("languagelabel"));
    QFont small = language->font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    language->setFont(small);
    auto* program = make.commandRow({find, languages, about}, {});
    program->addWidget(language);
    layout->addLayout(program);
    QPushButton* load = make.button(Caption("loadpreset"));
    QPushButton* save = make.button(Caption("savepreset"));
    QPushButton* defaults = make.button(Caption("defaults"));
    QPushButton* read = make.button(Caption("readexecutable"));
    QPushButton* exportPatch = make.button(Caption("exportpatch"));
    QPushButton* restore = make.button(Caption("restoreoriginal"));
    QPushButton* modify = make.button(Caption("modify"));
    QPushButton* quit = make.button(Caption("quit"));
    layout->addLayout(make.commandRow({load, save, defaults}, {read, exportPatch, restore, modify, quit}));
}

void MainWindow::connectCommands()
{
    const FormBuilder& make = *m_form;
    auto onClick = [this, &make](Caption button, std::function<void()> handler) {
        make.onClick(this->button(button), std::move(handler));
    };
    for (const DistancePreset& preset : kDistancePresets)
        onClick(preset.caption, [this, preset] { setDistances(preset.drawing, preset.fog); });

    onClick("loadpreset", [this] {
        const SettingsStore::Step step(m_session.settings);
        loadPreset(m_session);
    });
    onClick("savepreset", [this] { savePreset(m_session); });
    onClick("defaults", [this] { restoreDefaults(); });
    // A command refused for an executable that changed may have read it anew.
    onClick("modify", [this] {
        modifyCommand(m_session);
        executableTouched();
    });
    onClick("readexecutable", [this] {
        readExecutableCommand(m_session);
        executableTouched();
    });
    onClick("exportpatch", [this] { exportPatchCommand(m_session); });
    onClick("restoreoriginal", [this] {
        restoreCommand(m_session);
        executableTouched();
    });
    onClick("quit", [this] { m_windows.unloadAll(); });
    onClick("about", [this] { m_windows.form2().exec(); });
    onClick("findbutton", [this] { findSetting(); });
    onClick("languagebutton", [this] { chooseLanguage(); });
    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, [this] {
        if (m_binder->checkPendingField())
            findSetting();
    });

    // Each customizer button opens its window once that window exists.
    for (const auto buttons :
        {std::span<const WindowButton>(kGraphicWindows), std::span<const WindowButton>(kMiscWindows)}) {
        for (const WindowButton& opens : buttons) {
            this->button(opens.caption)->setEnabled(m_windows.hasCustomizer(opens.window));
            const Window target = opens.window;
            onClick(opens.caption, [this, target] { m_windows.openCustomizer(target); });
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
        m_session.ui.message(captionText(m_session, Caption("languagenotkept")).toStdString(), {}, kept.reason());
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
        for (const WindowButton& opens : buttons) {
            const int count = m_windows.marks().count(opens.window);
            const QString caption = m_form->caption(opens.caption);
            QPushButton* shown = button(opens.caption);
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
    findChild<QLabel*>(controlName(own::kStatusLine))->setText(QString::fromStdString(status));
    // Exporting and reading go by the build found, as "modify" does.
    for (const Caption command : kBuildCommands)
        button(command)->setEnabled(executable.state == ExecutableState::Identified);
}

QPushButton* MainWindow::button(CaptionId caption) const
{
    return findChild<QPushButton*>(controlName(entry(caption).control));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Closing by the frame ends the program the way "quit" does.
    m_windows.unloadAll();
    event->accept();
}

} // namespace golv
