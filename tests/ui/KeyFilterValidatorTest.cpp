#include "ui/KeyFilterValidator.h"
#include "support/RowTable.h"

#include <QLineEdit>
#include <QtTest>

namespace golv {
namespace {

struct PutRow {
    const char* name;
    int maxLength;
    const char* before;
    int cursor;
    const char* put;
    const char* after;
    int cursorAfter;
};

// clang-format off
const PutRow kPutRows[] = {
    // name                                          max  before  at  put      after  at
    {"letters and minus never reach a digits field", 3,  "",     0,  "a-1b2", "12",   2},
    {"a paste brings what fits after filtering",     3,  "12",   2,  "x-9",   "129",  3},
    {"a full field takes nothing more",              3,  "129",  3,  "5",     "129",  3},
    {"a longer value from a file stays whole",       3,  "1234", 4,  "9",     "1234", 4},
    {"a loaded sign stays beside typed digits",      3,  "-5",   2,  "3",     "-53",  3},
    {"a repeated digit lands at the cursor",         5,  "11",   1,  "1",     "111",  2},
    {"typing in the middle",                         5,  "19",   1,  "a5",    "159",  2},
    {"a swallowed key keeps what it would replace",  5,  "1000", -1, "A",     "1000", 4},
};
// clang-format on

} // namespace

// What reaches a digits field when the user puts text into it at the cursor, typed
// or pasted, over what the field held before (which may have come from a file).
class KeyFilterValidatorTest : public QObject {
    Q_OBJECT

private slots:
    void onlyWhatIsPutInIsFiltered_data() { test::addRows(kPutRows); }

    void onlyWhatIsPutInIsFiltered()
    {
        const PutRow& row = test::fetchRow(kPutRows);
        QLineEdit field(QString::fromLatin1(row.before));
        field.setValidator(new KeyFilterValidator(Input::Digits, row.maxLength, &field));
        if (row.cursor < 0)
            field.selectAll();
        else
            field.setCursorPosition(row.cursor);
        field.insert(QString::fromLatin1(row.put));
        QCOMPARE(field.text(), QString::fromLatin1(row.after));
        QCOMPARE(field.cursorPosition(), row.cursorAfter);
    }
};

} // namespace golv

QTEST_MAIN(golv::KeyFilterValidatorTest)
#include "KeyFilterValidatorTest.moc"
