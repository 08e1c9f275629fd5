#pragma once

#include "UserInteraction.h"

#include <QString>

class QWidget;

namespace golv {

// Message boxes and file dialogs for the core, with the program's title.
class QtUserInteraction final : public UserInteraction {
public:
    explicit QtUserInteraction(QWidget* parent = nullptr) : m_parent(parent) { }

    void setParent(QWidget* parent) { m_parent = parent; }

    void message(std::string_view text, std::string_view title) override;
    bool confirm(std::string_view text, std::string_view title) override;
    std::optional<std::string> chooseFileToOpen(std::string_view title, std::string_view filter) override;
    std::optional<std::string> chooseFileToSave(std::string_view title, std::string_view filter) override;

    static QString programTitle();
    // "Name (*.ext)|*.ext|All (*.*)|*.*" as Qt writes it: "Name (*.ext);;All (*.*)".
    static QString toQtFilter(std::string_view filter);

private:
    QWidget* m_parent = nullptr;
};

} // namespace golv
