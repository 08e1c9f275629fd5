#include "language/CaptionTable.h"
#include "support/StartedProgram.h"
#include "ui/AboutBox.h"

#include <QAbstractButton>
#include <QLabel>
#include <QtTest>

namespace golv {

// The windows take their captions from the table a language file addresses,
// so that every control the table names shows the caption it gives.
class CaptionsTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlTheTableNamesShowsItsCaption()
    {
        test::StartedProgram program;
        for (const CaptionEntry& entry : kCaptions) {
            QWidget& window = entry.window == Window::Form2 ? static_cast<QWidget&>(program.windows->form2())
                                                            : program.show(entry.window);
            const QString control = QString::fromLatin1(entry.control.data(), entry.control.size());
            const QString expected = QString::fromUtf8(entry.builtIn.data(), entry.builtIn.size());
            QString shown;
            if (entry.control == kWindowTitle) {
                shown = window.windowTitle();
            } else if (const auto* label = window.findChild<QLabel*>(control)) {
                shown = label->text();
            } else if (const auto* button = window.findChild<QAbstractButton*>(control)) {
                shown = button->text();
            } else {
                QFAIL(qPrintable(QStringLiteral("%1 has no %2").arg(window.objectName(), control)));
            }
            QVERIFY2(shown == expected,
                qPrintable(QStringLiteral("%1.%2 shows \"%3\"").arg(window.objectName(), control, shown)));
        }
    }
};

} // namespace golv

QTEST_MAIN(golv::CaptionsTest)
#include "CaptionsTest.moc"
