#include "ui/CustBars.h"

#include "config/Session.h"
#include "ui/OwnControls.h"
#include "ui/Swatch.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <optional>
#include <span>
#include <vector>

namespace golv {
namespace {

using Caption = CaptionKey<Window::CustBars>;
using Setting = SettingKey<Window::CustBars>;

struct ColourRow {
    Caption label;
    std::array<Setting, 3> fields; // red, green, blue
};

// A bar's size row; a default key leaves its control out.
struct SizeRow {
    Caption widthLabel;
    Setting width;
    Caption heightLabel;
    Setting height;
    Setting left;
    Setting hide;
    Setting animated;
};

struct BarSection {
    Caption title;
    std::array<ColourRow, 3> colours; // rows without a label are left out
    SizeRow size;
};

// A key that captions several labels of the window names one by its place
// among them: the bars' "main colour:" labels are {"maincolour", 0} to 5.
// clang-format off
constexpr BarSection kLeftColumn[] = {
    {"healthbar", {{{{"maincolour", 0}, {"HMainColourR", "HMainColourG", "HMainColourB"}},
                    {{"fadecolour", 0}, {"HFadeColourR", "HFadeColourG", "HFadeColourB"}},
                    {"poisoned",        {"HPoisonColourR", "HPoisonColourG", "HPoisonColourB"}}}},
     {{"width", 0}, "HWidth", {"height", 0}, "HHeight", {},        "HHide", "HAnim"}},
    {"airbar",    {{{{"maincolour", 1}, {"AMainColourR", "AMainColourG", "AMainColourB"}},
                    {{"fadecolour", 1}, {"AFadeColourR", "AFadeColourG", "AFadeColourB"}}}},
     {{"width", 1}, "AWidth", {"height", 1}, "AHeight", "ALeft",   "AHide", "AAnim"}},
    {"sprintbar", {{{{"maincolour", 2}, {"SMainColourR", "SMainColourG", "SMainColourB"}},
                    {{"fadecolour", 2}, {"SFadeColourR", "SFadeColourG", "SFadeColourB"}}}},
     {{"width", 2}, "SWidth", {"height", 2}, "SHeight", "SLeft",   "SHide", "SAnim"}},
    {"loadingbar", {{{{"maincolour", 3}, {"LMainColourR", "LMainColourG", "LMainColourB"}},
                     {{"fadecolour", 3}, {"LFadeColourR", "LFadeColourG", "LFadeColourB"}}}},
     {{"width", 3}, "LWidth", {"height", 3}, "LHeight", "LLeft",   "LHide", {}}},
};
constexpr BarSection kRightColumn[] = {
    {"soundvolumebar", {{{{"maincolour", 4}, {"SndBarMainColourR", "SndBarMainColourG", "SndBarMainColourB"}},
                         {{"fadecolour", 4}, {"SndBarFadeColourR", "SndBarFadeColourG", "SndBarFadeColourB"}},
                         {{"abo", 0},        {"SndBarABOColourR", "SndBarABOColourG", "SndBarABOColourB"}}}}, {}},
    {"musicvolumebar", {{{{"maincolour", 5}, {"MusBarMainColourR", "MusBarMainColourG", "MusBarMainColourB"}},
                         {{"fadecolour", 5}, {"MusBarFadeColourR", "MusBarFadeColourG", "MusBarFadeColourB"}},
                         {{"abo", 1},        {"MusBarABOColourR", "MusBarABOColourG", "MusBarABOColourB"}}}}, {}},
    {"misc",           {{{"pbo",             {"PBOColourR", "PBOColourG", "PBOColourB"}}}}, {}},
};
// clang-format on

// The poisoned preview blinks between the health bar's main colour and the
// sum of it and the poisoned colour.
constexpr const ColourRow& kHealthMain = kLeftColumn[0].colours[0];
constexpr const ColourRow& kPoisoned = kLeftColumn[0].colours[2];

ColourFields fieldsOf(const ColourRow& row) { return {row.fields[0], row.fields[1], row.fields[2]}; }

constexpr int kBlinkMilliseconds = 500;

} // namespace

CustBars::CustBars(Windows& windows, QWidget* parent)
    : CustomizerDialog(windows, Window::CustBars, Category::Bars, parent)
{
    const FormBuilder& make = form();
    m_healthMain = fieldsOf(kHealthMain);
    m_poisoned = fieldsOf(kPoisoned);

    // Each column is one grid, so that its fields stand in line from block to block.
    auto build = [&](std::span<const BarSection> bars) {
        std::optional<Section> first;
        for (const BarSection& bar : bars) {
            Section section = first ? Section(make, bar.title, *first) : Section(make, bar.title);
            section.titleInNames();
            for (const ColourRow& row : bar.colours) {
                if (!row.label)
                    continue;
                const bool poisoned = &row == &kPoisoned;
                Swatch* swatch = section.colourRow(row.label, row.fields, {},
                    poisoned ? Section::SwatchKind::Preview : Section::SwatchKind::FollowsFields);
                if (poisoned)
                    m_poisonedSwatch = swatch;
                else if (&row == &kHealthMain)
                    m_healthSwatch = swatch;
            }
            if (const SizeRow& size = bar.size; size.width) {
                std::vector<QWidget*> controls = {make.label(size.widthLabel), make.field(size.width),
                    make.label(size.heightLabel), make.field(size.height)};
                if (size.left)
                    controls.insert(controls.end(), {make.ownLabel(QStringLiteral("x:")), make.field(size.left)});
                controls.push_back(make.checkBox(size.hide));
                if (size.animated)
                    controls.push_back(make.checkBox(size.animated));
                section.row(nullptr, controls);
            }
            if (!first)
                first.emplace(std::move(section));
        }
        auto* column = first->layout();
        column->addStretch();
        return column;
    };

    QVBoxLayout* left = build(kLeftColumn);
    QVBoxLayout* right = build(kRightColumn);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addSpacing(16);
    columns->addLayout(right);

    finish(columns, {Caption("defaults"), Caption("apply")},
        make.caption(Caption("abohelp")) + QLatin1Char('\n') + make.caption(Caption("pbohelp")));

    // Until its first tick the preview shows what that tick will: the plain
    // health colour, not the swatch's black.
    m_poisonedSwatch->setColour(m_healthSwatch->colour());
    // The preview blinks for as long as the window is loaded, shown or hidden.
    m_timer = windowTimer(this, own::kBlinkTimer, kBlinkMilliseconds, &CustBars::blinkPoisonedPreview);
    m_timer->start();
}

void CustBars::blinkPoisonedPreview()
{
    const SettingsStore& settings = session().settings;
    const Rgb shown = m_preview.tick(
        toRgb(m_healthSwatch->colour()), numbersOf(settings, m_healthMain), numbersOf(settings, m_poisoned));
    m_poisonedSwatch->setColour(toQColor(shown));
}

} // namespace golv
