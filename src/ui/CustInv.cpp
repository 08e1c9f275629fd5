#include "ui/CustInv.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace golv {
namespace {

// A row of a section: a label with its field, a check box alone, or a check
// box with the field it switches on.
struct Row {
    enum class Kind { Field, Check, CheckedField };
    Kind kind;
    const char* control; // the label, or the check box
    const char* field = nullptr;
};
using enum Row::Kind;

struct InventorySection {
    const char* title;
    std::vector<Row> rows;
};

// clang-format off
const InventorySection kStartUp = {"Label22", {
    {Check, "Check1(0)"}, {Check, "Check1(1)"}, {Check, "Check1(2)"},
    {Field, "Label1", "Text1(0)"}, {Field, "Label3", "Text1(1)"}, {Field, "Label2", "Text1(2)"},
    {Check, "Check2"}, {Check, "Check1(4)"}, {Check, "Check4"},
    {CheckedField, "Check1(3)", "Text1(17)"},
    {Check, "Check1(5)"},
    {Field, "Label5", "Text2(0)"}, {Field, "Label9", "Text2(1)"}, {Field, "Label4", "Text2(2)"},
}};
const InventorySection kPickUps = {"Label7", {
    {Field, "Label8(10)", "Text1(16)"}, {Field, "Label8(0)",  "Text1(6)"},  {Field, "Label11(0)", "Text1(5)"},
    {Field, "Label11(1)", "Text1(7)"},  {Field, "Label8(1)",  "Text1(8)"},  {Field, "Label8(2)",  "Text1(9)"},
    {Field, "Label8(3)",  "Text1(10)"}, {Field, "Label8(4)",  "Text1(11)"}, {Field, "Label8(9)",  "Text1(3)"},
    {Field, "Label8(6)",  "Text1(13)"}, {Field, "Label8(7)",  "Text1(14)"}, {Field, "Label8(8)",  "Text1(15)"},
    {Field, "Label8(5)",  "Text1(12)"},
}};
const InventorySection kItemEffect = {"Label13", {{Field, "Label14", "Text2(4)"}, {Check, "Check3"}}};
const InventorySection kMisc = {"Label12", {
    {Check, "Check7"}, {Check, "Check5"}, {Check, "Check6"}, {Check, "Check9"}, {Check, "Check8"},
    {Field, "Label15", "Text1(4)"}, {Field, "Label6", "Text2(3)"}, {Field, "Label16", "Text2(5)"},
}};
// clang-format on

// The rotation speeds, whose four hex digits are easier read as a number.
constexpr const char* kRotationFields[] = {"Text2(3)", "Text2(5)"};

} // namespace

CustInv::CustInv(Windows& windows, QWidget* parent)
    : CustomizerDialog(windows, Window::CustInv, Category::Inventory, parent)
{
    const FormBuilder& make = form();
    // `above`: the block whose grid this one goes on in, so that their fields stand in line.
    auto build = [&make](const InventorySection& block, QWidget* aboveRows = nullptr, const Section* above = nullptr) {
        auto section = above != nullptr ? std::make_unique<Section>(make, block.title, *above)
                                        : std::make_unique<Section>(make, block.title);
        if (aboveRows != nullptr)
            section->row(make.ownLabel(QString()), {aboveRows});
        for (const Row& row : block.rows) {
            switch (row.kind) {
            case Field:
                section->fieldRow(row.control, row.field);
                break;
            case Check:
                section->wideRow(make.checkBox(row.control));
                break;
            case CheckedField: {
                QCheckBox* box = make.checkBox(row.control);
                QLineEdit* field = make.field(row.field);
                nameForReaders(field, {box});
                section->row(nullptr, {box, field});
                break;
            }
            }
        }
        return section;
    };

    const auto startUp = build(kStartUp);
    // "Amount of ammo:" heads the column of pick-up fields.
    const auto pickUps = build(kPickUps, make.label("Label10"));
    const auto itemEffect = build(kItemEffect);
    const auto misc = build(kMisc, nullptr, itemEffect.get());
    for (const char* name : kRotationFields)
        make.explainHex(findChild<QLineEdit*>(QString::fromLatin1(name)), FormBuilder::HexReading::Signed16);

    auto* columns = new QHBoxLayout;
    columns->addLayout(column({startUp.get()}));
    columns->addSpacing(16);
    columns->addLayout(column({pickUps.get()}));
    columns->addSpacing(16);
    columns->addLayout(column({itemEffect.get(), misc.get()}));
    finish(columns);
}

} // namespace golv
