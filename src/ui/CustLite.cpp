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

constexpr FieldRow kAreas[] = {
    {"Label3(0)", "Text1(0)"},
    {"Label3(2)", "Text1(2)"},
    {"Label3(3)", "Text1(3)"},
    {"Label3(1)", "Text1(1)"},
};

// The flare colour buttons show their colour instead of a caption. The two
// blue ones stay hidden: they stand for no colour the engine has.
struct FlareOption {
    const char* name;
    QColor colour;
    Window wordOf; // the window whose text names the colour
    const char* word;
    bool shown;
};
const FlareOption kFlareOptions[] = {
    {"Option1(0)", QColor(0, 192, 0), Window::Form1, "green", true},
    {"Option1(1)", QColor(255, 255, 0), Window::CustLite, "yellow", true},
    {"Option1(2)", QColor(255, 0, 0), Window::Form1, "red", true},
    {"Option1(3)", QColor(0, 0, 255), Window::Form1, "blue", false},
    {"Option1(4)", QColor(0, 0, 255), Window::Form1, "blue", false},
};

} // namespace

CustLite::CustLite(Windows& windows, QWidget* parent)
    : CustomizerDialog(windows, Window::CustLite, Category::Lite, parent)
{
    const FormBuilder& make = form();

    Section general(make, "Label2");
    QLabel* intensity = make.label("Label10");
    QLineEdit* display = make.display("Text4", 9);
    nameForReaders(display, {intensity, make.shared("value")});
    general.row(intensity, {make.scrollBar("HScroll4"), display});

    // One grid for the window, so that its controls stand in line from block to block.
    Section areas(make, "Label1", general);
    areas.fieldRows(kAreas);
    areas.row(make.label("Label3(4)"), {make.list("Combo1")});

    Section colours(make, "Label4", general);
    QLabel* flare = make.label("Label5");
    std::vector<QWidget*> options;
    for (const FlareOption& option : kFlareOptions) {
        QRadioButton* button = make.option(option.name);
        QPixmap chip(button->iconSize());
        chip.fill(option.colour);
        button->setIcon(chip);
        if (!option.shown)
            button->hide();
        nameForReaders(button, {flare, captionText(session(), option.wordOf, option.word)});
        options.push_back(button);
    }
    colours.row(flare, options);

    finish(column({&general, &areas, &colours}));
}

} // namespace golv
