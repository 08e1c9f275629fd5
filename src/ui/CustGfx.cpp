#include "ui/CustGfx.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace golv {
namespace {

using Fields = std::array<const char*, 3>;

// The lightning's raw bytes: two columns, "1" and "2".
struct RawRow {
    const char* label;
    std::array<const char*, 2> fields;
};

struct ColourRow {
    const char* label;
    Fields fields;                         // red, green, blue
    std::array<const char*, 2> switches{}; // check boxes after the swatch
};

// clang-format off
constexpr RawRow kRawRows[] = {
    {"Label5",  {"Text1(0)", "Text1(1)"}},
    {"Label16", {"Text1(2)", "Text1(3)"}},
    {"Label2",  {"Text1(4)", "Text1(5)"}},
};
constexpr FieldRow kLightningRows[] = {
    {"Label17(22)", "Text1(30)"},
    {"Label1",      "Text2"},
    {"Label3",      "Text3"},
    {"Label9",      "Text10"},
};
constexpr FieldRow kBloodRows[] = {
    {"Label15", "Text9"}, {"Label8", "Text5"}, {"Label10", "Text6"}, {"Label13", "Text7"}, {"Label14", "Text8"},
};
constexpr FieldRow kSmokeRows[] = {{"Label20", "Text1(12)"}, {"Label21", "Text1(13)"}};
constexpr FieldRow kMiscRows[] = {{"Label30", "Text1(31)"}, {"Label28", "Text11"}};

constexpr ColourRow kColourRows[] = {
    {"Label18", {"Text1(11)", "Text1(10)", "Text1(9)"}},
    {"Label24", {"Text1(14)", "Text1(15)", "Text1(16)"}, {"Check3", "Check2"}},
    {"Label12", {"Text1(6)",  "Text1(7)",  "Text1(8)"}},
    {"Label11", {"Text1(19)", "Text1(18)", "Text1(17)"}},
    {"Label25", {"Text1(22)", "Text1(21)", "Text1(20)"}},
};
// clang-format on

} // namespace

CustGfx::CustGfx(Windows& windows, QWidget* parent) : CustomizerDialog(windows, Window::CustGfx, Category::Gfx, parent)
{
    const FormBuilder& make = form();

    Section lightning(make, "Label22");
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
        nameForReaders(first, {label, make.caption("firstbyte")});
        nameForReaders(second, {label, make.caption("secondbyte")});
        lightning.row(label, {first, second});
        columns[0]->setFixedWidth(first->minimumWidth());
        columns[1]->setFixedWidth(second->minimumWidth());
    }
    lightning.colourRow("Label27", {"Text1(29)", "Text1(28)", "Text1(27)"});
    lightning.fieldRows(kLightningRows);
    // Kept from the engine's older drawing method and hidden: the patch run
    // and presets still treat them as settings.
    QCheckBox* indirect = make.ownCheckBox("Check1", QStringLiteral("indirect drawing method"));
    QLineEdit* randomFactor = make.field("Text4");
    nameForReaders(randomFactor, {QStringLiteral("lightning random factor")});
    lightning.row(nullptr, {indirect, randomFactor});
    indirect->hide();
    randomFactor->hide();

    // Each column is one grid, so that its fields stand in line from block to block.
    Section blood(make, "Label7", lightning);
    blood.titleInNames();
    blood.fieldRows(kBloodRows);
    Section smoke(make, "Label19", blood);
    smoke.fieldRows(kSmokeRows);

    Section colours(make, "Label23");
    for (const ColourRow& row : kColourRows) {
        if (row.switches[0] != nullptr)
            colours.colourRow(row.label, row.fields, {make.checkBox(row.switches[0]), make.checkBox(row.switches[1])});
        else
            colours.colourRow(row.label, row.fields);
    }
    colours.fieldRow("Label17(15)", "Text1(23)");
    colours.colourRow("Label26", {"Text1(26)", "Text1(25)", "Text1(24)"});
    Section misc(make, "Label29", colours);
    misc.fieldRows(kMiscRows);

    auto* layout = new QHBoxLayout;
    layout->addLayout(column({&lightning, &blood, &smoke}));
    layout->addSpacing(16);
    layout->addLayout(column({&colours, &misc}));
    finish(layout);
}

} // namespace golv
