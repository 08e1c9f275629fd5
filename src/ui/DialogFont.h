#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace golv {

// The families GOLV's windows fall back on, in order, when the system's dialog
// font is not installed under its own name.
QStringList fallbackDialogFamilies();

// The family to use instead of `requested` when the font engine drew it with
// `resolved`: empty when the system's font was found (the usual case) or when
// none of the fallback families is installed.
QString replacementDialogFamily(
    const QString& requested, const QString& resolved, const std::function<bool(const QString&)>& installed);

// Called once, before any window exists. On Windows only: there, a missing
// dialog font (Wine without Windows fonts names "MS Shell Dlg") is replaced by
// the font engine with whatever family sorts first, which may be a math font
// whose line metrics place a text field's text above the field, out of sight.
// Elsewhere the system's font configuration already picks a reading font.
void useAnInstalledDialogFont();

} // namespace golv
