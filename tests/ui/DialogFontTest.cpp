#include "ui/DialogFont.h"
#include "support/RowTable.h"

#include <QtTest>

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

} // namespace

// Which family GOLV's windows use when the system's dialog font is missing.
class DialogFontTest : public QObject {
    Q_OBJECT

private slots:
    void aMissingDialogFontIsReplacedByAReadingFont_data() { test::addRows(kFontRows); }

    void aMissingDialogFontIsReplacedByAReadingFont()
    {
        const FontRow& row = test::fetchRow(kFontRows);
        const QStringList installed = QString::fromLatin1(row.installed).split(QLatin1Char(','));
        const QString family = replacementDialogFamily(QString::fromLatin1(row.requested),
            QString::fromLatin1(row.resolved), [&](const QString& name) { return installed.contains(name); });
        QCOMPARE(family, QString::fromLatin1(row.expected));
    }
};

} // namespace golv

QTEST_MAIN(golv::DialogFontTest)
#include "DialogFontTest.moc"
