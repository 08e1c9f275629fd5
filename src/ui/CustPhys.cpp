#include "ui/CustPhys.h"

#include "ui/Artwork.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <map>
#include <optional>

namespace golv {
namespace {

using artwork::Picture;

// A speed field under its picture button, which has the field's index. The
// buttons without a picture of their own take one from another button when
// the window loads: 7 and 0 that of 1, 8 and 3 that of 2.
struct Speed {
    int index;
    const char* name; // what a reader calls the field (no caption names it)
    std::optional<Picture> picture;
    int pictureFrom = -1;
};

struct SpeedGroup {
    Picture picture;
    const char* name;
    std::vector<Speed> speeds;
};

// The names are the window's texts in the caption table.
const SpeedGroup kGroups[] = {
    {Picture::OnGround, "onground",
        {{1, "turnleftonground", Picture::TurnLeft}, {2, "turnrightonground", Picture::TurnRight},
            {5, "turnleftbackwards", Picture::TurnBackLeft}, {6, "turnrightbackwards", Picture::TurnBackRight}}},
    {Picture::InAir, "inair", {{7, "turnleftinair", std::nullopt, 1}, {8, "turnrightinair", std::nullopt, 2}}},
    {Picture::Swimming, "swimming",
        {{10, "swimmingspeed", Picture::SwimForward}, {0, "turnleftswimming", std::nullopt, 1},
            {3, "turnrightswimming", std::nullopt, 2}}},
};

QPixmap drawn(Picture picture) { return artwork::picture(picture, artwork::pictureSize(picture)); }

QByteArray indexed(const char* array, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index).toLatin1();
}

} // namespace

CustPhys::CustPhys(Windows& windows, QWidget* parent)
    : CustomizerDialog(windows, Window::CustPhys, Category::Physics, parent)
{
    const FormBuilder& make = form();

    Section speeds(make, "Label2");
    auto* grid = new QGridLayout;
    std::map<int, QPushButton*> buttons;
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
            QPushButton* button = make.pictureButton(indexed("Command1", speed.index).constData(),
                speed.picture ? drawn(*speed.picture) : QPixmap(), make.caption("goto") + QLatin1Char(' ') + name);
            button->setToolTip(name);
            // Only a mouse needs the way into the field; Tab goes there directly.
            button->setFocusPolicy(Qt::NoFocus);
            QLineEdit* field = make.field(indexed("Text2", speed.index).constData());
            nameForReaders(field, {name});
            make.explainHex(field, FormBuilder::HexReading::Signed16);
            grid->addWidget(button, line, column, Qt::AlignHCenter);
            grid->addWidget(field, line + 1, column);
            ++column;
            buttons[speed.index] = button;
            onCommand(button, [field] { field->setFocus(Qt::OtherFocusReason); });
        }
        line += 2;
    }
    // Window load: the borrowed pictures.
    for (const SpeedGroup& group : kGroups) {
        for (const Speed& speed : group.speeds) {
            if (speed.pictureFrom >= 0) {
                QPushButton* lender = buttons.at(speed.pictureFrom);
                buttons.at(speed.index)->setIcon(lender->icon());
                buttons.at(speed.index)->setIconSize(lender->iconSize());
            }
        }
    }
    grid->setColumnStretch(5, 1);
    speeds.layout()->addLayout(grid);

    Section misc(make, "Label4");
    misc.fieldRow("Label5", "Text1(1)");
    for (const char* name : {"Check1", "Check2", "Check3"})
        misc.wideRow(make.checkBox(name));

    finish(column({&speeds, &misc}));
}

} // namespace golv
