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
// "health bar main colour red". Captions are final once a window is built
// (choosing a language makes every window anew), so a name is made once.
void nameForReaders(QWidget* control, std::initializer_list<AccessibleNamePart> parts);

// Sets one part of what readers hear as a control's description, keeping its
// other parts: a field's decimal value, a flag's letter and "changes the
// executable" come from different places and change at different times.
// Parts are joined in the order in which they were first set; an empty
// text takes a part out.
void describeForReaders(QWidget* control, const char* part, const QString& text);

} // namespace golv
