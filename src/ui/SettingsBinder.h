#pragma once

#include "settings/SettingDef.h"

#include <QObject>
#include <QPointer>

#include <map>
#include <optional>
#include <vector>

class QWidget;

namespace golv {

class ChangeMarks;
class SettingsStore;
class UserInteraction;

// Binds the widgets of one window to the Settings store. It finds each
// setting's widget by its object name (the control name, "Text5(18)"; an
// option group's buttons are "Option1(0)", "Option1(1)", ...), shows the
// store's value and enabled state in it, and puts every edit back into the
// store, whose rules then run. Text fields get their length, key filter and
// leave-field checks from the settings table; display boxes beside scroll
// bars follow their bar. With `marks`, every control whose setting "modify"
// would change is marked so.
class SettingsBinder final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SettingsBinder)

public:
    SettingsBinder(
        SettingsStore& store, UserInteraction& ui, Window window, QWidget* root, const ChangeMarks* marks = nullptr);
    ~SettingsBinder() override;

    // Shows every bound setting as the store holds it.
    void refreshAll();

    // Makes the checks of a text field that lost the focus and was not
    // checked yet: a command run by a click comes after the field's checks,
    // and does not run when they refuse the field (which keeps the focus).
    // True when the field passed or nothing was waiting.
    bool checkPendingField();
    // The same for the field that has the focus now, as if it were left: a
    // window that closes makes the checks of the field the user was in.
    bool checkFocusedField();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void bind(SettingId id, QWidget* root);
    void refresh(SettingId id);
    void showMarks();

    SettingsStore& m_store;
    UserInteraction& m_ui;
    std::map<SettingId, std::vector<QPointer<QWidget>>> m_widgets;
    std::map<QObject*, SettingId> m_settingOf;
    std::map<SettingId, QPointer<QWidget>> m_displays;
    const ChangeMarks* m_marks;
    // As each control was last marked: whether it changes, and shows the sign.
    std::map<QWidget*, std::pair<bool, bool>> m_marked;
    int m_observer = -1;
    bool m_refreshing = false;
    bool m_checking = false;
    std::optional<SettingId> m_pendingCheck;
};

} // namespace golv
