#include "ui/CustPhys.h"

#include "ui/Artwork.h"
#include "ui/OwnControls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <map>
#include <optional>
#include <string>

namespace golv {
namespace {

using artwork::Picture;
using Caption = CaptionKey<Window::CustPhys>;
using Setting = SettingKey<Window::CustPhys>;

// A speed field under its picture button, which has the field's index. The
// buttons without a picture of their own take one from another button when
// the window loads: the turns in the air and swimming take those on ground.
struct Speed {
    Setting field;
    Caption name; // what a reader calls the field (no caption names it)
    std::optional<Picture> picture;
    Setting pictureFrom{};
};

struct SpeedGroup {
    Picture picture;
    Caption name;
    std::vector<Speed> speeds;
};

const SpeedGroup kGroups[] = {
    {Picture::OnGround, "onground",
        {{"RotOnGroundFrontLeft", "turnleftonground", Picture::TurnLeft},
            {"RotOnGroundFrontRight", "turnrightonground", Picture::TurnRight},
            {"RotOnGroundBackLeft", "turnleftbackwards", Picture::TurnBackLeft},
            {"RotOnGroundBackRight", "turnrightbackwards", Picture::TurnBackRight}}},
    {Picture::InAir, "inair",
        {{"InAirFrontLeft", "turnleftinair", std::nullopt, "RotOnGroundFrontLeft"},
            {"InAirFrontRight", "turnrightinair", std::nullopt, "RotOnGroundFrontRight"}}},
    {Picture::Swimming, "swimming",
        {{"SwimSpeed", "swimmingspeed", Picture::SwimForward},
            {"SwimRotLeft", "turnleftswimming", std::nullopt, "RotOnGroundFrontLeft"},
            {"SwimRotRight", "turnrightswimming", std::nullopt, "RotOnGroundFrontRight"}}},
};

constexpr Setting kSwitches[] = {"DoNotExplodeMotorbike", "DoNotExplodeJeep", "KillClimbDelay"};

QPixmap drawn(Picture picture) { return artwork::picture(picture, artwork::pictureSize(picture)); }

// The index of an array element's name, the number in its parentheses.
int indexOf(std::string_view element)
{
    const std::size_t open = element.find('(');
    return std::stoi(std::string(element.substr(open + 1)));
}

} // namespace

CustPhys::CustPhys(Windows& windows, QWidget* parent)
    : CustomizerDialog(windows, Window::CustPhys, Category::Physics, parent)
{
    const FormBuilder& make = form();

    Section speeds(make, Caption("speeds"));
    auto* grid = new QGridLayout;
    std::map<SettingId, QPushButton*> buttons;
    int line = 0;
    for (const SpeedGroup& group : kGroups) {
        auto* picture = new QLabel(this);
        picture->setPixmap(drawn(group.picture));
        picture->setToolTip(make.caption(group.name));
        picture->setAccessibleName(picture->toolTip());
        grid->addWidget(picture, line, 0, 2, 1);
        int column = 1;
        for (const Speed& speed : group.speeds) {
            const QString name = make.caption(speed.name);
            const std::string buttonName
                = controlName(own::kSpeedButtons, indexOf(definition(speed.field).control)).toStdString();
            QPushButton* button = make.pictureButton(buttonName, speed.picture ? drawn(*speed.picture) : QPixmap(),
                make.caption(Caption("goto")) + QLatin1Char(' ') + name);
            button->setToolTip(name);
            // Only a mouse needs the way into the field; Tab goes there directly.
            button->setFocusPolicy(Qt::NoFocus);
            QLineEdit* field = make.field(speed.field);
            nameForReaders(field, {name});
            make.explainHex(speed.field, FormBuilder::HexReading::Signed16);
            grid->addWidget(button, line, column, Qt::AlignHCenter);
            grid->addWidget(field, line + 1, column);
            ++column;
            buttons[speed.field] = button;
            onCommand(button, [field] { field->setFocus(Qt::OtherFocusReason); });
        }
        line += 2;
    }
    // Window load: the borrowed pictures.
    for (const SpeedGroup& group : kGroups) {
        for (const Speed& speed : group.speeds) {
            if (speed.pictureFrom) {
                QPushButton* lender = buttons.at(speed.pictureFrom);
                buttons.at(speed.field)->setIcon(lender->icon());
                buttons.at(speed.field)->setIconSize(lender->iconSize());
            }
        }
    }
    grid->setColumnStretch(5, 1);
    speeds.layout()->addLayout(grid);

    Section misc(make, Caption("misc"));
    misc.fieldRow(Caption("shellcasinggravity"), Setting("ShellGravity"));
    for (const Setting box : kSwitches)
        misc.wideRow(make.checkBox(box));

    // The key "defaults" captions the apply button too.
    finish(column({&speeds, &misc}), {Caption("defaults", 0), Caption("defaults", 1)});
}

} // namespace golv
