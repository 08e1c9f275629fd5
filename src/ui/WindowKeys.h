#pragma once

#include "language/CaptionTable.h"
#include "settings/SettingId.h"

#include <QString>

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace golv {

// A control's name as its widget holds it (objectName), and an array
// element's, with its index in parentheses.
inline QString controlName(std::string_view name)
{
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}
inline QString controlName(std::string_view array, int index)
{
    return QStringLiteral("%1(%2)").arg(controlName(array)).arg(index);
}

// The keys a window's code names its controls by, checked when it compiles.
// A window's file says `using Caption = CaptionKey<Window::CustBars>;` (and
// likewise for settings) and writes its tables with the keys of the caption
// and settings tables: "healthbar", {"maincolour", 2}, "HWidth". A misspelt
// key, a key of another window, or a key that captions several controls of
// the window without its place among them fails the build. The control
// names language files and tests address (objectName) come from those two
// tables alone.
//
// A default key names nothing: a row without a label, a slot a bar lacks.
// A check box's setting key also vouches that the caption table captions it.

template <Window W> class CaptionKey {
public:
    constexpr CaptionKey() = default;
    consteval CaptionKey(const char* key) : m_id(captionId(W, key)) { }
    consteval CaptionKey(const char* key, std::size_t place) : m_id(captionId(W, key, place)) { }

    constexpr explicit operator bool() const { return m_id.has_value(); }
    constexpr operator CaptionId() const { return m_id.value(); }

private:
    std::optional<CaptionId> m_id;
};

template <Window W> class SettingKey {
public:
    constexpr SettingKey() = default;
    consteval SettingKey(const char* key) : m_id(settingId(key))
    {
        const SettingDef& def = kSettings[*m_id];
        if (def.window != W)
            throw std::logic_error("a setting of another window");
        // A check box a window shows says what it does.
        if (kindOf(def.conversion) == ControlKind::Check && !captionOfControl(W, def.control))
            throw std::logic_error("a check box without its caption in the caption table");
    }

    constexpr explicit operator bool() const { return m_id.has_value(); }
    constexpr operator SettingId() const { return m_id.value(); }

private:
    std::optional<SettingId> m_id;
};

// A row of a block: a label and the field after it, or, without a label, the
// setting's check box across the row.
template <Window W> struct FieldRow {
    CaptionKey<W> label;
    SettingKey<W> field;
};

} // namespace golv
