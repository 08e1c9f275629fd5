#include "ui/CustInv.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace golv {
namespace {

using Caption = CaptionKey<Window::CustInv>;
using Setting = SettingKey<Window::CustInv>;

// A row of a section: a label with its field, a check box alone, or a check
// box with the field it switches on.
struct Row {
    enum class Kind { Field, Check, CheckedField };
    Kind kind;
    Setting control; // the field, or the check box
    Caption label{}; // a field's label
    Setting field{}; // the field a check box switches on
};
using enum Row::Kind;

struct InventorySection {
    Caption title;
    std::vector<Row> rows;
};

// clang-format off
const InventorySection kStartUp = {"startupinventory", {
    {Check, "DefGetPistols"}, {Check, "DefGetBinoculars"}, {Check, "DefGetCrowbar"},
    {Field, "DefBigMedkits", "amountofbigmedkits"}, {Field, "DefSmallMedkits", "amountofsmallmedkits"},
    {Field, "DefFlares", "amountofflares"},
    {Check, "SeperateAmount"}, {Check, "DisableUnlPistAmmoLabel"}, {Check, "ReplacePistolsWithAmmo"},
    {CheckedField, "RemovePistolAmmo", {}, "StartUpPistolAmmo"},
    {Check, "DisableShotgunAmmoDivider"},
    {Field, "StartupHealth", "healthatstartup"}, {Field, "StartupAir", "airatstartup"},
    {Field, "StartupSprint", "sprintatstartup"},
}};
const InventorySection kPickUps = {"pickupsquantity", {
    {Field, "PistolAmmo",        "pistols/pistolammo"},  {Field, "ShotgunNormalAmmo", "shotgunnormalammo"},
    {Field, "ShotgunWideAmmo",   "shotgunwideshotammo"}, {Field, "UziAmmo",           "uziammo"},
    {Field, "RevolverAmmo",      "revolverammo"},        {Field, "XBowNormalAmmo",    "crossbownormalammo"},
    {Field, "XBowPoisonAmmo",    "crossbowpoisonammo"},  {Field, "XBowExplosiveAmmo", "crossbowexplosiveammo"},
    {Field, "GrenadeGunDefAmmo", "grenadegundefaultammo"}, {Field, "GrenadeNormalAmmo", "grenadedefaultammo"},
    {Field, "GrenadeSuperAmmo",  "grenadesuperammo"},    {Field, "GrenadeFlashAmmo",  "grenadeflashammo"},
    {Field, "Flares",            "flares"},
}};
const InventorySection kItemEffect = {"itemeffect", {
    {Field, "SmallMediEffect", "smallmedkiteffect"}, {Check, "InvertSmallMediEffect"}}};
const InventorySection kMisc = {"misc", {
    {Check, "DisableInventory"}, {Check, "DisableLoad"}, {Check, "DisableSave"}, {Check, "FixCompassBug"},
    {Check, "DisableCompassCheats"},
    {Field, "Secrets", "overallsecrets"}, {Field, "ItemRotateSpeed", "itemrotatespeed"},
    {Field, "AmmoRotateSpeed", "ammorotatespeed"},
}};
// clang-format on

// The rotation speeds, whose four hex digits are easier read as a number.
constexpr Setting kRotationFields[] = {"ItemRotateSpeed", "AmmoRotateSpeed"};

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
                section->fieldRow(row.label, row.control);
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
    const auto pickUps = build(kPickUps, make.label(Caption("amountofammo")));
    const auto itemEffect = build(kItemEffect);
    const auto misc = build(kMisc, nullptr, itemEffect.get());
    for (const Setting rotation : kRotationFields)
        make.explainHex(rotation, FormBuilder::HexReading::Signed16);

    auto* columns = new QHBoxLayout;
    columns->addLayout(column({startUp.get()}));
    columns->addSpacing(16);
    columns->addLayout(column({pickUps.get()}));
    columns->addSpacing(16);
    columns->addLayout(column({itemEffect.get(), misc.get()}));
    finish(columns, {Caption("defaults"), Caption("apply")});
}

} // namespace golv
