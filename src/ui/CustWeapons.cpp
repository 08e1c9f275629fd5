#include "ui/CustWeapons.h"

#include "codec/Numbers.h"
#include "ui/Artwork.h"
#include "ui/OwnControls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace golv {
namespace {

using Caption = CaptionKey<Window::CustWeapons>;
using Setting = SettingKey<Window::CustWeapons>;
using Row = FieldRow<Window::CustWeapons>;

// The grid: a row a weapon, a column a quantity, in the order of kColumns.
struct WeaponRow {
    Caption label;
    std::array<Setting, 4> fields; // damage, rate, dispersion, flash duration
};

constexpr std::array<Caption, 4> kColumns = {"damage", "rate", "dispersion", "flashdur"};
constexpr std::size_t kRate = 1;
constexpr std::size_t kFlash = 3;

// The shotgun's rate is no setting (its slot is empty): the preview takes
// this fixed period.
// clang-format off
constexpr WeaponRow kGrid[] = {
    {"pistols",  {"PistolDamage",  "PistolRate", "PistolDisp",  "PistolFlash"}},
    {"uzis",     {"UziDamage",     "UziRate",    "UziDisp",     "UziFlash"}},
    {"revolver", {"RevolDamage",   "RevolRate",  "RevolDisp",   "RevolFlash"}},
    {"shotgun",  {"ShotgunDamage", {},           "ShotgunDisp", "ShotgunFlash"}},
};

// The crossbow's poison damage row also carries the box that switches it on.
constexpr Row kMiscBefore[] = {{"crossbownormaldamage", "XBowDamage"}};
constexpr Row kMiscAfter[] = {{"explosiveweaponsdamage", "ExplosiveDamage"}, {"shotgunshotamount", "ShotgunShotAmount"}};
constexpr Row kMisc2[] = {{"crossbowboltflyspeed", "XBowFlySpeed"}, {"grenadetimer", "GrenadeTimeout"}};
constexpr Row kGunflash[] = {
    {"xposition", "SGFlashXPos"}, {"yposition", "SGFlashYPos"}, {"shotgunsmokepuffyposition", "SGSmokePuffYPos"}};

// The ammunition flags: the row's label, the slots' column letters and the
// flags; then, for the help, the letters each flag cycles through with the
// behaviour each stands for.
struct Letter {
    char letter;
    Caption behaviour;
};
struct FlagRow {
    Caption label;
    std::array<const char*, 3> columns;
    std::array<Setting, 3> flags;
    std::vector<Letter> letters;
};
const FlagRow kFlagRows[] = {
    {"crossbowammoflags", {"n", "p", "e"}, {"XBowNormFlag", "XBowPoisonFlag", "XBowExplosiveFlag"},
        {{'n', "normalammo"}, {'p', "poisonammo"}, {'e', "explosiveammo"}}},
    {"grenadeammoflags",  {"n", "s", "f"}, {"GrenNormFlag", "GrenSupaFlag", "GrenFlshFlag"},
        {{'n', "normalammo"}, {'s', "superammo"}, {'f', "flashammo"}, {'u', "ultraammo"}, {'x', "fragammo"}}},
};
// clang-format on

constexpr const char* kShotgunRate = "32";
// The ink of the grid's decimal fields.
constexpr QColor kWeaponInk(64, 0, 0);
constexpr int kTickMilliseconds = 10;

double numberIn(const QLineEdit* field) { return leadingNumber(field->text().toStdString()).value_or(0); }

QPixmap drawn(artwork::Picture picture) { return artwork::picture(picture, artwork::pictureSize(picture)); }

} // namespace

CustWeapons::CustWeapons(Windows& windows, QWidget* parent)
    : CustomizerDialog(windows, Window::CustWeapons, Category::Weapons, parent)
{
    FormBuilder& make = form();
    make.setPositiveInk(kWeaponInk);

    Section grid(make, Caption("complexweaponmodifiers"));
    auto* top = new QHBoxLayout;
    QLabel* previewCaption = make.label(Caption("preview"));
    top->addLayout(buildGrid(previewCaption));
    top->addSpacing(16);
    top->addLayout(buildPreview(previewCaption));
    top->addStretch();
    grid.layout()->addLayout(top);

    Section misc(make, Caption("misc"));
    misc.fieldRows(kMiscBefore);
    misc.row(make.label(Caption("crossbowpoisondamage")),
        {make.field(Setting("XBowPoisonDamage")), make.checkBox(Setting("EnablePoisonDamageChanging"))});
    misc.fieldRows(kMiscAfter);

    Section misc2(make, Caption("misc2"));
    misc2.fieldRows(kMisc2);
    for (const FlagRow& flags : kFlagRows) {
        QLabel* label = make.label(flags.label);
        std::vector<QWidget*> headers;
        std::vector<QWidget*> buttons;
        for (std::size_t i = 0; i < flags.flags.size(); ++i) {
            QToolButton* flag = make.flag(flags.flags[i]);
            QLabel* column = make.ownLabel(QString::fromLatin1(flags.columns[i]));
            column->setAlignment(Qt::AlignCenter);
            column->setFixedWidth(flag->minimumWidth());
            nameForReaders(flag, {label, column});
            headers.push_back(column);
            buttons.push_back(flag);
        }
        misc2.row(make.ownLabel(QString()), headers);
        misc2.row(label, buttons);
    }

    Section gunflash(make, Caption("gunflash"));
    gunflash.wideRow(make.checkBox(Setting("ReviveShotGunflash")));
    gunflash.fieldRows(kGunflash);

    auto* lower = new QHBoxLayout;
    lower->addLayout(column({&misc, &misc2}));
    lower->addSpacing(16);
    lower->addLayout(column({&gunflash}));
    auto* layout = new QVBoxLayout;
    layout->addLayout(grid.layout());
    layout->addLayout(lower);
    QStringList help;
    for (const FlagRow& flags : kFlagRows) {
        if (!help.isEmpty())
            help << QString();
        help << make.caption(flags.label);
        for (const auto& [letter, behaviour] : flags.letters)
            help << QStringLiteral("   %1 = %2").arg(QChar::fromLatin1(letter)).arg(make.caption(behaviour));
    }
    finish(layout, {Caption("defaults"), Caption("apply")}, help.join(QLatin1Char('\n')));

    m_timer = windowTimer(this, own::kPreviewTimer, kTickMilliseconds, &CustWeapons::previewTick);
    onCommand(m_previewButton, [this] { togglePreview(); });
    stopPreview();
}

QLayout* CustWeapons::buildGrid(QLabel* previewCaption)
{
    const FormBuilder& make = form();
    auto* grid = new QGridLayout;
    std::array<QLabel*, 4> columns{};
    for (std::size_t column = 0; column < kColumns.size(); ++column) {
        columns[column] = make.label(kColumns[column]);
        grid->addWidget(columns[column], 0, static_cast<int>(column) + 1, Qt::AlignCenter);
    }
    for (std::size_t line = 0; line < std::size(kGrid); ++line) {
        const WeaponRow& weapon = kGrid[line];
        const int row = static_cast<int>(line) + 1;
        QLabel* label = make.label(weapon.label);
        grid->addWidget(label, row, 0);
        std::array<QLineEdit*, 4> fields{};
        for (std::size_t column = 0; column < weapon.fields.size(); ++column) {
            if (const Setting field = weapon.fields[column]) {
                fields[column] = make.field(field);
            } else {
                fields[column] = make.ownDisplay(own::kShotgunRate, 3);
                fields[column]->setText(QString::fromLatin1(kShotgunRate));
                fields[column]->setEnabled(false);
            }
            nameForReaders(fields[column], {label, columns[column]});
            grid->addWidget(fields[column], row, static_cast<int>(column) + 1);
        }
        label->setBuddy(fields[0]);
        m_rateFields[line] = fields[kRate];
        m_flashFields[line] = fields[kFlash];
        m_rows[line] = make.ownOption(own::kPreviewWeapons, static_cast<int>(line));
        nameForReaders(m_rows[line], {previewCaption, label});
        grid->addWidget(m_rows[line], row, static_cast<int>(weapon.fields.size()) + 1);
    }
    m_rows[0]->setChecked(true);
    return grid;
}

QLayout* CustWeapons::buildPreview(QLabel* caption)
{
    const FormBuilder& make = form();
    // The flash lies over the weapon, in the same place and size.
    const QSize size = artwork::pictureSize(artwork::Picture::Weapon);
    auto* frame = new QWidget(this);
    frame->setObjectName(controlName(own::kPreviewFrame));
    frame->setFixedSize(size);
    auto* weapon = new QLabel(frame);
    weapon->setObjectName(controlName(own::kWeaponPicture));
    weapon->setPixmap(artwork::picture(artwork::Picture::Weapon, size));
    weapon->setAccessibleName(make.caption(Caption("weaponpicture")));
    m_gunflash = new QLabel(frame);
    m_gunflash->setObjectName(controlName(own::kGunflashPicture));
    m_gunflash->setPixmap(artwork::picture(artwork::Picture::Gunflash, size));
    m_gunflash->setAccessibleName(make.caption(Caption("gunflashpicture")));
    m_gunflash->hide();

    m_previewButton = make.pictureButton(own::kPreviewButton, drawn(artwork::Picture::PreviewStart), QString());

    auto* layout = new QVBoxLayout;
    layout->addWidget(caption, 0, Qt::AlignHCenter);
    layout->addWidget(m_previewButton, 0, Qt::AlignHCenter);
    layout->addWidget(frame);
    layout->addStretch();
    return layout;
}

void CustWeapons::restoreDefaults()
{
    stopPreview();
    CustomizerDialog::restoreDefaults();
}

bool CustWeapons::previewRunning() const { return m_timer->isActive(); }

void CustWeapons::togglePreview()
{
    if (previewRunning()) {
        stopPreview();
        return;
    }
    m_previewButton->setIcon(drawn(artwork::Picture::PreviewStop));
    m_previewButton->setAccessibleName(form().caption(Caption("stoppreview")));
    m_timer->start();
}

void CustWeapons::stopPreview()
{
    m_timer->stop();
    m_preview.hideFlash();
    m_gunflash->hide();
    m_previewButton->setIcon(drawn(artwork::Picture::PreviewStart));
    m_previewButton->setAccessibleName(form().caption(Caption("startpreview")));
}

void CustWeapons::previewTick()
{
    std::size_t row = 0;
    while (row + 1 < m_rows.size() && !m_rows[row]->isChecked())
        ++row;
    const bool shown = m_preview.tick(numberIn(m_flashFields[row]), numberIn(m_rateFields[row]));
    // Only a change of the flash repaints anything.
    if (shown == m_gunflash->isHidden())
        m_gunflash->setVisible(shown);
}

} // namespace golv
