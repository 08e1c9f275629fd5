#pragma once

#include <QString>

#include <initializer_list>
#include <variant>

class QWidget;

namespace golv {

// A part of the name a screen reader announces for a control: the caption of
// a label or button (its closing ":" left out) or a fixed word.
using AccessibleNamePart = std::variant<const QWidget*, QString>;

// Names `control` by its parts: "health bar", "main colour:" and "red" make
// "health bar main colour red". Captions are final once a window is built (a
// language file is read before any window exists), so a name is made once.
void nameForReaders(QWidget* control, std::initializer_list<AccessibleNamePart> parts);

} // namespace golv
