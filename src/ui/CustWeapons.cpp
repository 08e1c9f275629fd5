#include "ui/CustWeapons.h"

#include "codec/Numbers.h"
#include "ui/Artwork.h"

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

// The grid: a row a weapon, a column a quantity, in the order of kColumns.
struct WeaponRow {
    const char* label;
    std::array<const char*, 4> fields; // damage, rate, dispersion, flash duration
    const char* option;                // chooses the weapon for the preview
};

constexpr std::array<const char*, 4> kColumns = {"Label15", "Label17", "Label18", "Label16"};
constexpr std::size_t kRate = 1;
constexpr std::size_t kFlash = 3;

// clang-format off
constexpr WeaponRow kGrid[] = {
    {"Label12", {"Text5(0)",  "Text5(1)",  "Text5(2)",  "Text5(3)"},  "Option1(0)"},
    {"Label13", {"Text5(15)", "Text5(6)",  "Text5(5)",  "Text5(4)"},  "Option1(1)"},
    {"Label14", {"Text5(13)", "Text5(9)",  "Text5(8)",  "Text5(7)"},  "Option1(2)"},
    {"Label20", {"Text5(14)", "Text5(12)", "Text5(11)", "Text5(10)"}, "Option1(3)"},
};

// The crossbow's poison damage row also carries the box that switches it on.
constexpr FieldRow kMiscBefore[] = {{"Label4", "Text5(18)"}};
constexpr FieldRow kMiscAfter[] = {{"Label1", "Text5(16)"}, {"Label5", "Text5(19)"}};
constexpr FieldRow kMisc2[] = {{"Label6", "Text5(20)"}, {"Label24", "Text5(21)"}};
constexpr FieldRow kGunflash[] = {{"Label27", "Text5(22)"}, {"Label28", "Text5(23)"}, {"Label29", "Text5(24)"}};

// The ammunition flags: the row's label, the slots' column letters and the flags.
struct FlagRow {
    const char* label;
    std::array<const char*, 3> columns;
    std::array<const char*, 3> flags;
};
constexpr FlagRow kFlagRows[] = {
    {"Label2",  {"n", "p", "e"}, {"Label30(0)", "Label30(1)", "Label30(2)"}},
    {"Label35", {"n", "s", "f"}, {"Label31(0)", "Label31(1)", "Label31(2)"}},
};
// clang-format on

// The shotgun's rate is no setting: the preview takes this fixed period.
constexpr const char* kShotgunRate = "32";
constexpr const char* kShotgunRateField = "Text5(12)";
// The ink of the grid's decimal fields.
constexpr QColor kWeaponInk(64, 0, 0);
constexpr int kTickMilliseconds = 10;

// The help: each flag row's caption, then its letters with the behaviour each stands for.
struct HelpBlock {
    const char* caption;
    std::vector<std::pair<char, const char*>> letters;
};
const HelpBlock kHelp[] = {
    {"Label2", {{'n', "normalammo"}, {'p', "poisonammo"}, {'e', "explosiveammo"}}},
    {"Label35", {{'n', "normalammo"}, {'s', "superammo"}, {'f', "flashammo"}, {'u', "ultraammo"}, {'x', "fragammo"}}},
};

double numberIn(const QLineEdit* field) { return leadingNumber(field->text().toStdString()).value_or(0); }

QPixmap drawn(artwork::Picture picture) { return artwork::picture(picture, artwork::pictureSize(picture)); }

} // namespace

CustWeapons::CustWeapons(Windows& windows, QWidget* parent)
    : CustomizerDialog(windows, Window::CustWeapons, Category::Weapons, parent)
{
    FormBuilder& make = form();
    make.setPositiveInk(kWeaponInk);

    Section grid(make, "Label22");
    auto* top = new QHBoxLayout;
    QLabel* previewCaption = make.label("Label19");
    top->addLayout(buildGrid(previewCaption));
    top->addSpacing(16);
    top->addLayout(buildPreview(previewCaption));
    top->addStretch();
    grid.layout()->addLayout(top);

    Section misc(make, "Label26");
    misc.fieldRows(kMiscBefore);
    misc.row(make.label("Label3"), {make.field("Text5(17)"), make.checkBox("Check1")});
    misc.fieldRows(kMiscAfter);

    Section misc2(make, "Label7");
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

    Section gunflash(make, "Label25");
    gunflash.wideRow(make.checkBox("Check2"));
    gunflash.fieldRows(kGunflash);

    auto* lower = new QHBoxLayout;
    lower->addLayout(column({&misc, &misc2}));
    lower->addSpacing(16);
    lower->addLayout(column({&gunflash}));
    auto* layout = new QVBoxLayout;
    layout->addLayout(grid.layout());
    layout->addLayout(lower);
    QStringList help;
    for (const HelpBlock& block : kHelp) {
        if (!help.isEmpty())
            help << QString();
        help << make.caption(block.caption);
        for (const auto& [letter, behaviour] : block.letters)
            help << QStringLiteral("   %1 = %2").arg(QChar::fromLatin1(letter)).arg(make.caption(behaviour));
    }
    finish(layout, help.join(QLatin1Char('\n')));

    m_timer = windowTimer(this, "Timer1", kTickMilliseconds, &CustWeapons::previewTick);
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
            const char* name = weapon.fields[column];
            if (std::string_view(name) == kShotgunRateField) {
                fields[column] = make.display(name, 3);
                fields[column]->setText(QString::fromLatin1(kShotgunRate));
                fields[column]->setEnabled(false);
            } else {
                fields[column] = make.field(name);
            }
            nameForReaders(fields[column], {label, columns[column]});
            grid->addWidget(fields[column], row, static_cast<int>(column) + 1);
        }
        label->setBuddy(fields[0]);
        m_rateFields[line] = fields[kRate];
        m_flashFields[line] = fields[kFlash];
        m_rows[line] = make.option(weapon.option);
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
    frame->setObjectName(QStringLiteral("Picture1"));
    frame->setFixedSize(size);
    auto* weapon = new QLabel(frame);
    weapon->setObjectName(QStringLiteral("Image1"));
    weapon->setPixmap(artwork::picture(artwork::Picture::Weapon, size));
    weapon->setAccessibleName(make.caption("weaponpicture"));
    m_gunflash = new QLabel(frame);
    m_gunflash->setObjectName(QStringLiteral("Image2"));
    m_gunflash->setPixmap(artwork::picture(artwork::Picture::Gunflash, size));
    m_gunflash->setAccessibleName(make.caption("gunflashpicture"));
    m_gunflash->hide();

    m_previewButton = make.pictureButton("Command10", drawn(artwork::Picture::PreviewStart), QString());

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
    m_previewButton->setAccessibleName(form().caption("stoppreview"));
    m_timer->start();
}

void CustWeapons::stopPreview()
{
    m_timer->stop();
    m_preview.hideFlash();
    m_gunflash->hide();
    m_previewButton->setIcon(drawn(artwork::Picture::PreviewStart));
    m_previewButton->setAccessibleName(form().caption("startpreview"));
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
