#include "ui/CustGfx2.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <optional>
#include <vector>

namespace golv {
namespace {

using Caption = CaptionKey<Window::CustGfx2>;
using Row = FieldRow<Window::CustGfx2>;

struct FieldSection {
    Caption title;
    std::vector<Row> rows;
};

// clang-format off
const FieldSection kLeftColumn[] = {
    {"sparkles", {{"amountofsparkles", "SparkleAmount"}, {{}, "UnifyAmount"},
                  {"sparklefalloffdelay", "SparkleFallOffDelay"}, {"addonspriteinitialsize", "SparkleSpriteInitSize"},
                  {"addonspriteid", "SparkleSpriteID"}}},
    {"crossbowboltexplosion", {{"fireballspritesize", "FireballSpriteSize"}, {"fireballduration", "FireballDuration"},
                               {"fireballdispersion", "FireballDispersion"}, {"blastradius", "BlastRadius"},
                               {"rawblasttimeout", "BlastTimeout"}, {"rawblastsize", "BlastSize"}}},
};
const FieldSection kRightColumn[] = {
    {"animtextures",        {{"framechangeinterval", "AnimTextInterval"}}},
    {"flybywidescreenbars", {{"barsheight", "FlybyBarsHeight"}, {"barsopeningspeed", "FlybyBarsSpeed"}}},
    {"underwaterdust",      {{"maximumamount", "UWDustMaxAmount"}, {"meltspeed", "UWDustMeltSpeed"}}},
    {"fadeouts",            {{"fadeoutsspeed", "FadeoutsSpeed"}, {"fadeoutsduration", "FadeoutsDuration"}}},
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
            section.fieldRows(block.rows);
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
    finish(columns, {Caption("defaults"), Caption("apply")});
}

} // namespace golv
