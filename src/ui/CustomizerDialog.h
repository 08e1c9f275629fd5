#pragma once

#include "settings/Category.h"
#include "settings/SettingDef.h"
#include "ui/FormBuilder.h"

#include <QDialog>
#include <QPointer>

class QLayout;

namespace golv {

class SettingsBinder;
class Windows;
struct Session;

// What the ten customizer windows share: a modal dialog over the main window
// whose title and captions come from the caption table, whose controls are
// bound to the Settings store, and whose "apply" hides it ("defaults" puts
// its own category back). Closing it by its frame or Escape hides it the
// same way, after the checks of the field the user was in. A window's own
// code lays out its controls and adds what is truly its own.
class CustomizerDialog : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CustomizerDialog)

public:
    CustomizerDialog(Windows& windows, Window id, Category category, QWidget* parent);
    ~CustomizerDialog() override;

    // "defaults": the category's settings return to the configuration's defaults.
    virtual void restoreDefaults();

    // The control the focus goes to when the window shows next; otherwise
    // every opening starts at the window's first field.
    void focusOnShow(QWidget* control) { m_focusOnShow = control; }

protected:
    FormBuilder& form() { return m_form; }
    Session& session();

    // The captions of the window's "defaults" and "apply" buttons.
    struct Commands {
        CaptionId defaults;
        CaptionId apply;
    };

    // Puts the window together once its controls exist: the content, then
    // the command row, and binds every control to its setting. The commands
    // are made here: "?" (when `help` has a text), "defaults" and "apply".
    void finish(QLayout* content, Commands commands, const QString& help = {});

    // A command of the window's own that must wait for the field checks.
    void onCommand(QAbstractButton* button, std::function<void()> handler)
    {
        m_form.onClick(button, std::move(handler));
    }

    void reject() override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    Windows& m_windows;
    Category m_category;
    FormBuilder m_form;
    SettingsBinder* m_binder = nullptr;
    QPointer<QWidget> m_focusOnShow;
};

} // namespace golv
