#include "ui/CustGfx.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace golv {
namespace {

using Caption = CaptionKey<Window::CustGfx>;
using Setting = SettingKey<Window::CustGfx>;
using Row = FieldRow<Window::CustGfx>;
using Colour = std::array<Setting, 3>; // red, green, blue

// The lightning's raw bytes: two columns, "1" and "2".
struct RawRow {
    Caption label;
    std::array<Setting, 2> fields;
};

struct ColourRow {
    Caption label;
    Colour fields;
    std::array<Setting, 2> switches{}; // check boxes after the swatch
};

// clang-format off
constexpr RawRow kRawRows[] = {
    {"colour/rate", {"LightingRAW1", "LightingRAW2"}},
    {"colour2",     {"LightingRAW3", "LightingRAW4"}},
    {"colour3",     {"LightingRAW5", "LightingRAW6"}},
};
constexpr Row kLightningRows[] = {
    {"coretransparency", "LightingCoreColourA"},
    {"dispersiontime",   "LightingDispTime"},
    {"dispersionrange",  "LightingDispRange"},
    {"coronasize",       "LightingSize"},
};
constexpr Row kBloodRows[] = {
    {"size", "BloodSize"}, {"intensity", "BloodIntensity"}, {"lifetime", "BloodLifetime"},
    {"spreadfactorx", "BloodSpreadX"}, {"spreadfactory", "BloodSpreadY"},
};
constexpr Row kSmokeRows[] = {{"pistols\\uzissmokedur", "PistolSmokeDur"}, {"revolversmokedur", "RevolverSmokeDur"}};
constexpr Row kMiscRows[] = {{"waterfallscrollspeed", "WFallScrollSpeed"}, {"rawskyscrolldirection", "SkyDir"}};

constexpr ColourRow kColourRows[] = {
    {"gunflashblendcolour",   {"GunflashAddR", "GunflashAddG", "GunflashAddB"}},
    {"wallpapersblendcolour", {"WallpaperAddR", "WallpaperAddG", "WallpaperAddB"},
                              {"WallpaperGradTop", "WallpaperGradBottom"}},
    {"sparklesblendcolour",   {"RicoAddR", "RicoAddG", "RicoAddB"}},
    {"waterdropscolour",      {"WaterdropsAddR", "WaterdropsAddG", "WaterdropsAddB"}},
    {"shadowblendcolour",     {"ShadowR", "ShadowG", "ShadowB"}},
};
// clang-format on

} // namespace

CustGfx::CustGfx(Windows& windows, QWidget* parent) : CustomizerDialog(windows, Window::CustGfx, Category::Gfx, parent)
{
    const FormBuilder& make = form();

    Section lightning(make, Caption("lightning"));
    // Column captions over the raw bytes, as wide as the fields below them.
    std::array<QLabel*, 2> columns{};
    std::array<QWidget*, 2> headers{};
    for (std::size_t i = 0; i < columns.size(); ++i) {
        columns[i] = make.ownLabel(QString::number(i + 1));
        columns[i]->setAlignment(Qt::AlignCenter);
        headers[i] = columns[i];
    }
    lightning.row(make.ownLabel(QString()), headers);
    for (const RawRow& raw : kRawRows) {
        QLabel* label = make.label(raw.label);
        QLineEdit* first = make.field(raw.fields[0]);
        QLineEdit* second = make.field(raw.fields[1]);
        nameForReaders(first, {label, make.caption(Caption("firstbyte"))});
        nameForReaders(second, {label, make.caption(Caption("secondbyte"))});
        lightning.row(label, {first, second});
        columns[0]->setFixedWidth(first->minimumWidth());
        columns[1]->setFixedWidth(second->minimumWidth());
    }
    lightning.colourRow(
        Caption("corecolour"), Colour{"LightingCoreColourR", "LightingCoreColourG", "LightingCoreColourB"});
    lightning.fieldRows(kLightningRows);
    // Kept from the engine's older drawing method and hidden: the patch run
    // and presets still treat them as settings. No language key captions
    // the box no one sees.
    QCheckBox* indirect = make.ownCheckBox(settingId("LightingIndirect"), QStringLiteral("indirect drawing method"));
    QLineEdit* randomFactor = make.field(Setting("GFXRandFactor"));
    nameForReaders(randomFactor, {QStringLiteral("lightning random factor")});
    lightning.row(nullptr, {indirect, randomFactor});
    indirect->hide();
    randomFactor->hide();

    // Each column is one grid, so that its fields stand in line from block to block.
    Section blood(make, Caption("blood"), lightning);
    blood.titleInNames();
    blood.fieldRows(kBloodRows);
    Section smoke(make, Caption("smoke"), blood);
    smoke.fieldRows(kSmokeRows);

    Section colours(make, Caption("colours"));
    for (const ColourRow& row : kColourRows) {
        if (row.switches[0])
            colours.colourRow(row.label, row.fields, {make.checkBox(row.switches[0]), make.checkBox(row.switches[1])});
        else
            colours.colourRow(row.label, row.fields);
    }
    colours.fieldRow(Caption("shadowtransparency"), Setting("ShadowA"));
    colours.colourRow(Caption("fadeoutscolour"), Colour{"FadeoutR", "FadeoutG", "FadeoutB"});
    Section misc(make, Caption("misc"), colours);
    misc.fieldRows(kMiscRows);

    auto* layout = new QHBoxLayout;
    layout->addLayout(column({&lightning, &blood, &smoke}));
    layout->addSpacing(16);
    layout->addLayout(column({&colours, &misc}));
    finish(layout, {Caption("defaults"), Caption("apply")});
}

} // namespace golv
