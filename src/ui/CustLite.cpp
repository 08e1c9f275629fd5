#include "ui/CustLite.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QScrollBar>

namespace golv {
namespace {

using Caption = CaptionKey<Window::CustLite>;
using Setting = SettingKey<Window::CustLite>;
using Row = FieldRow<Window::CustLite>;

constexpr Row kAreas[] = {
    {"pistoluziflash", "PistolFlashArea"},
    {"revolverflash", "RevolverFlashArea"},
    {"shotgunflash", "ShotgunFlashArea"},
    {"flameemitter1", "FlameEmitter1Area"},
};

// The flare colour buttons show their colour instead of a caption, and are
// named for readers by the word for it. The two blue ones stay hidden: they
// stand for no colour the engine has.
struct FlareOption {
    QColor colour;
    CaptionId word;
    bool shown;
};
const FlareOption kFlareOptions[] = {
    {QColor(0, 192, 0), CaptionKey<Window::Form1>("green"), true},
    {QColor(255, 255, 0), Caption("yellow"), true},
    {QColor(255, 0, 0), CaptionKey<Window::Form1>("red"), true},
    {QColor(0, 0, 255), CaptionKey<Window::Form1>("blue"), false},
    {QColor(0, 0, 255), CaptionKey<Window::Form1>("blue"), false},
};

} // namespace

CustLite::CustLite(Windows& windows, QWidget* parent)
    : CustomizerDialog(windows, Window::CustLite, Category::Lite, parent)
{
    const FormBuilder& make = form();

    Section general(make, Caption("general"));
    QLabel* intensity = make.label(Caption("blendintensity"));
    const Setting blend = "DynLightPower";
    QLineEdit* display = make.display(blend, 9);
    nameForReaders(display, {intensity, make.shared("value")});
    general.row(intensity, {make.scrollBar(blend), display});

    // One grid for the window, so that its controls stand in line from block to block.
    Section areas(make, Caption("effectiveareas"), general);
    areas.fieldRows(kAreas);
    areas.row(make.label(Caption("binocularslightrange")), {make.list(Setting("BinocsRange"))});

    Section colours(make, Caption("colours"), general);
    QLabel* flare = make.label(Caption("flarecolour"));
    std::vector<QWidget*> options;
    for (std::size_t index = 0; index < std::size(kFlareOptions); ++index) {
        const FlareOption& option = kFlareOptions[index];
        QRadioButton* button = make.option(Setting("FlareColour"), static_cast<int>(index));
        QPixmap chip(button->iconSize());
        chip.fill(option.colour);
        button->setIcon(chip);
        if (!option.shown)
            button->hide();
        nameForReaders(button, {flare, make.caption(option.word)});
        options.push_back(button);
    }
    colours.row(flare, options);

    finish(column({&general, &areas, &colours}), {Caption("defaults"), Caption("apply")});
}

} // namespace golv
