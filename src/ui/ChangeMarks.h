#pragma once

#include "patcher/ExecutableBytes.h"
#include "settings/SettingDef.h"

#include <QObject>

#include <optional>
#include <vector>

class QWidget;

namespace golv {

struct Session;

// Which settings "modify" would change in the executable: the plan of the run
// with the Settings store's values against the executable's bytes, which are
// read once (at start-up, and again after a run, a restore or a new reading)
// rather than on every edit. A setting counts when a byte its writes leave in
// the executable differs from what is there now, so the marks are exactly
// what the run would write.
class ChangeMarks final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChangeMarks)

public:
    explicit ChangeMarks(Session& session, QObject* parent = nullptr);
    ~ChangeMarks() override;

    // Reads the executable's bytes anew and plans again. Without an
    // executable of the build found at start-up nothing is marked.
    void readExecutable();
    // Plans again now. Every change of a setting asks for this once the
    // changes of that moment are all made (a preset load is many).
    void refresh();

    bool changes(SettingId id) const { return m_changes[id]; }
    // How many settings of a window would change.
    int count(Window window) const;

    // Shows on a control whether its setting changes the executable: a sign
    // in its corner (unless `sign` is false: an option group shows it at its
    // chosen option only) and, for readers, "changes the executable" after
    // what the control's description already says.
    void mark(QWidget* control, bool changes, bool sign = true) const;

signals:
    void refreshed();

private:
    Session& m_session;
    std::optional<ExecutableBytes> m_bytes;
    std::vector<bool> m_changes;
    int m_observer = -1;
    bool m_due = false;
};

} // namespace golv
