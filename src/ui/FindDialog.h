#pragma once

#include "settings/SettingDef.h"

#include <QDialog>

#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;

namespace golv {

class Windows;

// One field over every setting of every window: what is typed is looked
// for, word by word, in each setting's name as readers hear it (its captions
// in the current language), its preset key and its window's title. Enter or
// a click on a match closes the box with that setting chosen; Down moves
// from the field into the matches.
class FindDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FindDialog)

public:
    FindDialog(Windows& windows, QWidget* parent);

    std::optional<SettingId> chosen() const { return m_chosen; }
    // The matches in the order of the list.
    const std::vector<SettingId>& matches() const { return m_matches; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        SettingId id;
        QString shown;
        QString searched; // what the words are looked for in, in lower case
    };

    void refill(const QString& typed);
    void choose(int row);

    std::vector<Entry> m_entries;
    std::vector<SettingId> m_matches;
    std::optional<SettingId> m_chosen;
    QLineEdit* m_field;
    QListWidget* m_list;
    QLabel* m_none;
};

} // namespace golv
