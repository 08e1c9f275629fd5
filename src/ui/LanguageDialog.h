#pragma once

#include "language/LanguageFile.h"

#include <QDialog>

#include <optional>
#include <vector>

class QListWidget;

namespace golv {

struct Session;

// The languages to choose from: the built-in captions and every language
// file in the start-up folder, each by the name it gives itself, the one in
// use chosen. Enter, a double click or "apply" takes the chosen one.
class LanguageDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LanguageDialog)

public:
    LanguageDialog(const Session& session, QWidget* parent);

    // The file of the language taken (empty: the built-in captions); none when cancelled.
    std::optional<std::string> chosen() const { return m_chosen; }

private:
    std::vector<LanguageChoice> m_choices;
    std::optional<std::string> m_chosen;
    QListWidget* m_list;
};

} // namespace golv
