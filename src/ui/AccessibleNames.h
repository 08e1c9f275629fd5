#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <initializer_list>
#include <variant>
#include <vector>

class QWidget;

namespace golv {

// The names a screen reader announces for the controls of one window. A name
// is made of parts: the caption of a label or button (read when the name is
// made, its closing ":" left out) or a fixed word; "health bar", "main
// colour:" and "red" make "health bar main colour red". Names are made again
// whenever a caption changes (refresh), so they follow a language file.
class AccessibleNames final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AccessibleNames)

public:
    using Part = std::variant<const QWidget*, QString>;

    explicit AccessibleNames(QWidget* window);

    // The names of the window's controls, or none when the window names none.
    static AccessibleNames* of(const QWidget* window);

    // Names a control now and after every change of a caption it uses.
    void name(QWidget* control, std::initializer_list<Part> parts);
    void refresh();

    // The caption a part reads: a label's or a button's text, trimmed, without its closing ":".
    static QString captionOf(const QWidget* widget);

private:
    struct Rule {
        QPointer<QWidget> control;
        std::vector<std::variant<QPointer<const QWidget>, QString>> parts;
    };
    void apply(const Rule& rule) const;

    std::vector<Rule> m_rules;
};

} // namespace golv
