#include "ui/ChangeMarks.h"

#include "config/Session.h"
#include "language/CaptionTable.h"
#include "patcher/ModifyExe.h"
#include "patcher/ReadExecutable.h"
#include "settings/SettingId.h"
#include "ui/AccessibleNames.h"
#include "ui/FormBuilder.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPolygonF>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace golv {
namespace {

// The sign in a control's top left corner: a dark triangle with a light
// edge, drawn after the control has drawn itself, so that it shows on every
// kind of control without taking any room of the layout. A filter rather
// than a widget of its own, which readers would meet as an empty element.
class CornerSign final : public QObject {
public:
    explicit CornerSign(QWidget* control) : QObject(control), m_painted(paintedPart(control))
    {
        setObjectName(QString::fromLatin1(kName));
        m_painted->installEventFilter(this);
    }

    static constexpr const char* kName = "changesign";

    void show(bool shown)
    {
        if (shown == m_shown)
            return;
        m_shown = shown;
        m_painted->update();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_shown || watched != m_painted || event->type() != QEvent::Paint)
            return false;
        // The control draws itself first; the sign goes over it.
        static_cast<QObject*>(m_painted)->event(event);
        QPainter painter(m_painted);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal size = std::max(8, m_painted->fontMetrics().height() * 11 / 20);
        painter.setPen(QPen(QColor(255, 255, 255), 1));
        painter.setBrush(QColor(176, 60, 0));
        painter.drawPolygon(QPolygonF({QPointF(0.5, 0.5), QPointF(size, 0.5), QPointF(0.5, size)}));
        return true;
    }

private:
    // A list that shows a text of its own draws it in a box of its own,
    // which would cover the list's corner.
    static QWidget* paintedPart(QWidget* control)
    {
        if (auto* list = qobject_cast<QComboBox*>(control); list && list->lineEdit())
            return list->lineEdit();
        return control;
    }

    QWidget* m_painted;
    bool m_shown = false;
};

} // namespace

ChangeMarks::ChangeMarks(Session& session, QObject* parent)
    : QObject(parent), m_session(session), m_changes(kSettingCount, false)
{
    m_observer = session.settings.addObserver([this](SettingId) {
        if (m_due)
            return;
        m_due = true;
        QTimer::singleShot(0, this, [this] {
            if (m_due)
                refresh();
        });
    });
    readExecutable();
}

ChangeMarks::~ChangeMarks() { m_session.settings.removeObserver(m_observer); }

void ChangeMarks::readExecutable()
{
    m_bytes.reset();
    if (m_session.executable.state == ExecutableState::Identified) {
        ExecutableBytes bytes;
        if (readBuildBytes(m_session, m_session.executable.path, bytes, nullptr))
            m_bytes = std::move(bytes);
    }
    refresh();
}

void ChangeMarks::refresh()
{
    m_due = false;
    if (m_bytes) {
        const PatchPlan plan = planPatchRun(m_session, m_bytes->fileSize());
        m_changes = planChanges(plan.writes, *m_bytes).settings;
    } else {
        m_changes.assign(kSettingCount, false);
    }
    emit refreshed();
}

int ChangeMarks::count(Window window) const
{
    int count = 0;
    for (SettingId id = 0; id < kSettingCount; ++id)
        count += kSettings[id].window == window && m_changes[id] ? 1 : 0;
    return count;
}

void ChangeMarks::mark(QWidget* control, bool changes, bool sign) const
{
    auto* corner = static_cast<CornerSign*>(
        control->findChild<QObject*>(QString::fromLatin1(CornerSign::kName), Qt::FindDirectChildrenOnly));
    if (corner == nullptr && changes && sign)
        corner = new CornerSign(control);
    if (corner != nullptr)
        corner->show(changes && sign);
    describeForReaders(control, "changes",
        changes ? captionText(m_session, CaptionKey<Window::Form1>("changesexecutable")) : QString());
}

} // namespace golv
