#pragma once

#include "settings/SettingDef.h"

#include <QColor>
#include <QPointer>

#include <functional>
#include <map>
#include <memory>
#include <optional>

class QDialog;
class QWidget;

namespace golv {

class AboutBox;
class ChangeMarks;
class MainWindow;
class UserInteraction;
struct Session;

// Every window of the program. Each is created on first use and stays
// loaded, hidden between uses, until unloadAll closes them all in their fixed
// order; the settings they show live in the session's store, not in them.
class Windows final {
public:
    explicit Windows(Session& session);
    ~Windows();
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;

    Session& session() { return m_session; }
    // Messages and questions go through the session's user interaction.
    UserInteraction& ui();

    // Which settings "modify" would change, for every window's marks.
    ChangeMarks& marks() { return *m_marks; }

    MainWindow& form1();
    // The about box is unloaded by its "close", so every opening is a new one.
    AboutBox& form2();

    // The customizer windows open modally over the main window; each is
    // created on first use and keeps its place until unloadAll.
    bool hasCustomizer(Window window) const;
    QDialog* customizer(Window window);
    void openCustomizer(Window window);

    // The control that shows a setting, its window made if need be; for an
    // option group, the option chosen (else the first).
    QWidget* controlOf(SettingId id);
    // Opens a setting's window with the focus in its control: the main
    // window's at once, a customizer window's as it opens, modally.
    void goTo(SettingId id);

    // Makes every window anew, after the captions changed: the customizers
    // and the about box on their next use, the main window at once, in the
    // old one's place. The old main window goes once the event that asked
    // for this is done with it.
    void rebuild();

    // Puts the weapons window's preview back into its resting state, as the
    // main window's "defaults" does; nothing when the window was never opened.
    void resetWeaponsPreview();

    // The colour a swatch asks for: the platform's colour dialog, or what a
    // test puts in its place. No value when the user cancels.
    using ColourChooser = std::function<std::optional<QColor>(const QColor& initial, QWidget* parent)>;
    void setColourChooser(ColourChooser chooser) { m_chooseColour = std::move(chooser); }
    std::optional<QColor> chooseColour(const QColor& initial, QWidget* parent) const;

    // UnloadAllWindows: the customizer windows, the about box, the main
    // window last; then the program ends.
    void unloadAll();

private:
    Session& m_session;
    using Factory = std::function<QDialog*(Windows&, QWidget* parent)>;
    std::map<Window, Factory> m_factories;
    std::map<Window, QPointer<QDialog>> m_customizers;
    ColourChooser m_chooseColour;
    std::unique_ptr<ChangeMarks> m_marks;
    std::unique_ptr<MainWindow> m_form1;
    QPointer<AboutBox> m_form2;
    bool m_unloading = false;
};

} // namespace golv
