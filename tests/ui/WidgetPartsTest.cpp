#include "support/RowTable.h"
#include "ui/DialogFont.h"
#include "ui/KeyFilterValidator.h"
#include "ui/Previews.h"
#include "ui/QtUserInteraction.h"

#include <QLineEdit>
#include <QtTest>

#include <tuple>

namespace golv {
namespace {

struct FontRow {
    const char* name;
    const char* requested;
    const char* resolved;
    const char* installed; // families separated by commas
    const char* expected;  // empty: keep the system's font
};

// clang-format off
const FontRow kFontRows[] = {
    // name                                         requested       resolved                installed                         expected
    {"the system's font found stays",               "Segoe UI",     "Segoe UI",             "Segoe UI,Tahoma",                ""},
    {"found under another case stays",              "MS Shell Dlg", "ms shell dlg",         "Tahoma",                         ""},
    {"a stand-in for a missing font is replaced",   "MS Shell Dlg", "DejaVu Math TeX Gyre", "DejaVu Sans,DejaVu Math TeX Gyre", "DejaVu Sans"},
    {"the first installed fallback wins",           "MS Shell Dlg", "Symbol",               "DejaVu Sans,Arial,Tahoma",       "Tahoma"},
    {"a stand-in that is a fallback stays",         "MS Shell Dlg", "Tahoma",               "Tahoma,Arial",                   ""},
    {"no fallback installed keeps the stand-in",    "MS Shell Dlg", "Symbol",               "Symbol,Wingdings",               ""},
};
// clang-format on

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

struct GunflashRow {
    const char* name;
    double flash;
    double rate;
    int ticks;
    int lit;     // the gunflash shows on ticks 1 to lit (1-based), then never
    int counter; // after the last tick
};

// clang-format off
const GunflashRow kGunflashRows[] = {
    {"pistols 3 and 9: ticks 1 to 10 lit, back to 0 on tick 34", 3, 9, 34, 10,  0},
    {"an empty rate resets every tick: always lit",               3, 0,  5,  5,  0},
    {"an empty flash never lights",                               0, 9, 40,  0,  6},
    // 5 × 3.6 is exactly 18: the tick that equals the flash length goes dark.
    {"a whole flash length ends on its own tick",                 5, 9, 20, 17, 20},
};
// clang-format on

} // namespace

// The parts of the windows that are tested without a window.
class WidgetPartsTest : public QObject {
    Q_OBJECT

private slots:
    // Which family GOLV's windows use when the system's dialog font is missing.
    void aMissingDialogFontIsReplacedByAReadingFont_data() { test::addRows(kFontRows); }

    void aMissingDialogFontIsReplacedByAReadingFont()
    {
        const FontRow& row = test::fetchRow(kFontRows);
        const QStringList installed = QString::fromLatin1(row.installed).split(QLatin1Char(','));
        const QString family = replacementDialogFamily(QString::fromLatin1(row.requested),
            QString::fromLatin1(row.resolved), [&](const QString& name) { return installed.contains(name); });
        QCOMPARE(family, QString::fromLatin1(row.expected));
    }

    // What reaches a digits field when the user puts text into it at the cursor, typed
    // or pasted, over what the field held before (which may have come from a file).
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

    void aPresetNameGetsTheExtensionOfItsFilter()
    {
        const std::tuple<const char*, const char*, const char*> rows[] = {
            {"/p/mine", "GOLV preset (*.qpt)", "/p/mine.qpt"},
            {"/p/mine.txt", "GOLV preset (*.qpt)", "/p/mine.txt"}, // an extension of its own stays
            {"/p/mine", "All Files (*.*)", "/p/mine"},
            {"/p.d/mine", "GOLV preset (*.qpt)", "/p.d/mine.qpt"}, // a dot in the folder is no extension
        };
        for (const auto& [chosen, filter, written] : rows)
            QCOMPARE(QtUserInteraction::withFilterExtension(chosen, filter), QString::fromLatin1(written));
    }

    // The weapons window's preview counting, tick by tick.
    void gunflashRhythm_data() { test::addRows(kGunflashRows); }

    void gunflashRhythm()
    {
        const GunflashRow& row = test::fetchRow(kGunflashRows);
        GunflashPreview preview;
        for (int tick = 1; tick <= row.ticks; ++tick)
            QVERIFY2(preview.tick(row.flash, row.rate) == (tick <= row.lit), qPrintable(QString::number(tick)));
        QCOMPARE(preview.counter(), row.counter);
    }
};

} // namespace golv

QTEST_MAIN(golv::WidgetPartsTest)
#include "WidgetPartsTest.moc"
