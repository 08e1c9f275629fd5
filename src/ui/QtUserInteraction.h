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

    void message(std::string_view text, std::string_view title, std::string_view details) override;
    bool confirm(std::string_view text, std::string_view title, std::string_view details) override;
    std::optional<std::string> chooseFileToOpen(std::string_view title, std::string_view filter) override;
    std::optional<std::string> chooseFileToSave(std::string_view title, std::string_view filter) override;

    static QString programTitle();
    // "Name (*.ext)|*.ext|All (*.*)|*.*" as Qt writes it: "Name (*.ext);;All (*.*)".
    static QString toQtFilter(std::string_view filter);
    // A name typed without an extension gets the one of the chosen filter
    // ("mine" under "GOLV preset (*.qpt)" is "mine.qpt"), so that the load
    // dialog's filter shows the file again. "*.*" adds nothing.
    static QString withFilterExtension(const QString& fileName, const QString& selectedFilter);
    // The extension a filter stands for ("qpt" for "GOLV preset (*.qpt)"); empty for "*.*".
    static QString filterExtension(const QString& filter);

private:
    QWidget* m_parent = nullptr;
    // Each dialog starts in the folder the last one ended in.
    QString m_lastFolder;
};

} // namespace golv
