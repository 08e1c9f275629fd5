#include "ui/CustGfx2.h"

#include <QCheckBox>

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

namespace golv {
namespace {

struct FieldSection {
    const char* title;
    std::array<FieldRow, 6> rows; // rows without a label are left out
};

// clang-format off
constexpr FieldSection kLeftColumn[] = {
    {"Label1", {{{"Label3",  "Text1(1)"}, {"Check1", nullptr}, {"Label2", "Text1(0)"},
                 {"Label5",  "Text1(3)"}, {"Label4", "Text1(2)"}}}},
    {"Label6", {{{"Label7",  "Text1(4)"}, {"Label8", "Text1(5)"}, {"Label13", "Text1(7)"},
                 {"Label10", "Text1(6)"}, {"Label11", "Text2(1)"}, {"Label12", "Text2(3)"}}}},
};
constexpr FieldSection kRightColumn[] = {
    {"Label9",  {{{"Label14", "Text1(8)"}}}},
    {"Label15", {{{"Label16", "Text1(9)"},  {"Label17", "Text1(10)"}}}},
    {"Label18", {{{"Label19", "Text1(11)"}, {"Label20", "Text1(12)"}}}},
    {"Label21", {{{"Label23", "Text1(14)"}, {"Label22", "Text1(13)"}}}},
};
// clang-format on

} // namespace

CustGfx2::CustGfx2(Windows& windows, QWidget* parent)
    : CustomizerDialog(windows, Window::CustGfx2, Category::Gfx2, parent)
{
    const FormBuilder& make = form();
    // Each column is one grid, so that its fields stand in line from block to block.
    auto build = [&make](std::span<const FieldSection> sections) {
        std::optional<Section> first;
        for (const FieldSection& block : sections) {
            Section section = first ? Section(make, block.title, *first) : Section(make, block.title);
            section.titleInNames();
            const auto used = std::find_if(
                block.rows.begin(), block.rows.end(), [](const FieldRow& row) { return row.label == nullptr; });
            section.fieldRows(std::span<const FieldRow>(block.rows.begin(), used));
            if (!first)
                first.emplace(section);
        }
        QVBoxLayout* column = first->layout();
        column->addStretch();
        return column;
    };
    auto* columns = new QHBoxLayout;
    columns->addLayout(build(kLeftColumn));
    columns->addSpacing(16);
    columns->addLayout(build(kRightColumn));
    finish(columns);
}

} // namespace golv
