#include "ui/CustBars.h"

#include "config/Session.h"
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

using Fields = std::array<const char*, 3>;

struct ColourRow {
    const char* label;
    Fields fields; // red, green, blue
};

// A bar's size row; an empty name leaves its control out.
struct SizeRow {
    const char* widthLabel;
    const char* width;
    const char* heightLabel;
    const char* height;
    const char* left;
    const char* hide;
    const char* animated;
};

struct BarSection {
    const char* title;
    std::array<ColourRow, 3> colours; // rows without a label are left out
    SizeRow size;
};

constexpr const char* kPoisonedLabel = "Label48";

// clang-format off
constexpr BarSection kLeftColumn[] = {
    {"Label22", {{{"Label21", {"Text1(0)",  "Text1(1)",  "Text1(2)"}},
                  {"Label29", {"Text1(3)",  "Text1(4)",  "Text1(5)"}},
                  {"Label48", {"Text1(24)", "Text1(25)", "Text1(26)"}}}},
     {"Label30", "Text2(0)", "Label31", "Text2(1)", nullptr,     "Check1", "Check5"}},
    {"Label1",  {{{"Label2",  {"Text1(11)", "Text1(10)", "Text1(9)"}},
                  {"Label9",  {"Text1(8)",  "Text1(7)",  "Text1(6)"}}}},
     {"Label10", "Text2(3)", "Label11", "Text2(2)", "Text2(9)",  "Check2", "Check6"}},
    {"Label12", {{{"Label13", {"Text1(17)", "Text1(16)", "Text1(15)"}},
                  {"Label20", {"Text1(14)", "Text1(13)", "Text1(12)"}}}},
     {"Label32", "Text2(5)", "Label33", "Text2(4)", "Text2(10)", "Check3", "Check7"}},
    {"Label34", {{{"Label44", {"Text1(18)", "Text1(19)", "Text1(20)"}},
                  {"Label37", {"Text1(21)", "Text1(22)", "Text1(23)"}}}},
     {"Label36", "Text2(6)", "Label35", "Text2(7)", "Text2(8)",  "Check4", nullptr}},
};
constexpr BarSection kRightColumn[] = {
    {"Label49", {{{"Label50", {"Text1(29)", "Text1(28)", "Text1(27)"}},
                  {"Label57", {"Text1(32)", "Text1(31)", "Text1(30)"}},
                  {"Label61", {"Text1(35)", "Text1(34)", "Text1(33)"}}}}, {}},
    {"Label62", {{{"Label63", {"Text1(38)", "Text1(37)", "Text1(36)"}},
                  {"Label70", {"Text1(41)", "Text1(40)", "Text1(39)"}},
                  {"Label74", {"Text1(44)", "Text1(43)", "Text1(42)"}}}}, {}},
    {"Label79", {{{"Label85", {"Text1(47)", "Text1(46)", "Text1(45)"}}}}, {}},
};
// clang-format on

constexpr Fields kHealthMain = {"Text1(0)", "Text1(1)", "Text1(2)"};
constexpr Fields kPoisoned = {"Text1(24)", "Text1(25)", "Text1(26)"};

constexpr int kBlinkMilliseconds = 500;

} // namespace

CustBars::CustBars(Windows& windows, QWidget* parent)
    : CustomizerDialog(windows, Window::CustBars, Category::Bars, parent)
{
    const FormBuilder& make = form();
    m_healthMain = make.settings(kHealthMain);
    m_poisoned = make.settings(kPoisoned);

    // Each column is one grid, so that its fields stand in line from block to block.
    auto build = [&](std::span<const BarSection> bars) {
        std::optional<Section> first;
        for (const BarSection& bar : bars) {
            Section section = first ? Section(make, bar.title, *first) : Section(make, bar.title);
            section.titleInNames();
            for (const ColourRow& row : bar.colours) {
                if (row.label == nullptr)
                    continue;
                const bool poisoned = std::string_view(row.label) == kPoisonedLabel;
                Swatch* swatch = section.colourRow(row.label, row.fields, {},
                    poisoned ? Section::SwatchKind::Preview : Section::SwatchKind::FollowsFields);
                if (poisoned)
                    m_poisonedSwatch = swatch;
                else if (row.fields == kHealthMain)
                    m_healthSwatch = swatch;
            }
            if (const SizeRow& size = bar.size; size.width != nullptr) {
                std::vector<QWidget*> controls = {make.label(size.widthLabel), make.field(size.width),
                    make.label(size.heightLabel), make.field(size.height)};
                if (size.left != nullptr)
                    controls.insert(controls.end(), {make.ownLabel(QStringLiteral("x:")), make.field(size.left)});
                controls.push_back(make.checkBox(size.hide));
                if (size.animated != nullptr)
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

    finish(columns, make.caption("abohelp") + QLatin1Char('\n') + make.caption("pbohelp"));

    // Until its first tick the preview shows what that tick will: the plain
    // health colour, not the swatch's black.
    m_poisonedSwatch->setColour(m_healthSwatch->colour());
    // The preview blinks for as long as the window is loaded, shown or hidden.
    m_timer = windowTimer(this, "Timer1", kBlinkMilliseconds, &CustBars::blinkPoisonedPreview);
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
