#include "language/CaptionTable.h"
#include "language/LanguageFile.h"
#include "language/LanguageTemplate.h"
#include "support/StartedProgram.h"
#include "ui/AboutBox.h"

#include <QAbstractButton>
#include <QLabel>
#include <QtTest>

namespace golv {
namespace {

QString captionOf(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    return {};
}

} // namespace

// The windows take their captions from the table a language file addresses:
// what the table names shows its caption, what a window shows is in the
// table, and a language file reaches every one of them.
class CaptionsTest : public QObject {
    Q_OBJECT

private slots:
    void everyCaptionIsTheTablesAndShowsWhole_data()
    {
        QTest::addColumn<QString>("languageFile");
        QTest::newRow("built in") << QString();
        QTest::newRow("German") << QStringLiteral(GOLV_SOURCE_DIR "/languages/deutsch.lng");
        QTest::newRow("every text twice") << QStringLiteral("long.lng");
    }

    void everyCaptionIsTheTablesAndShowsWhole()
    {
        QFETCH(QString, languageFile);
        test::StartedProgram program;
        program.folder.write("long.lng", test::crlfText(languageTemplateLines(true)));
        program.session.languageFile = languageFile.toStdString();
        LoadLanguageFile(program.session);
        // What the table names shows its caption.
        int translated = 0;
        for (const CaptionEntry& entry : kCaptions) {
            if (isOwnText(entry))
                continue; // no control shows it as its caption
            QWidget& window = entry.window == Window::Form2 ? static_cast<QWidget&>(program.windows->form2())
                                                            : program.show(entry.window);
            const QString control = QString::fromUtf8(entry.control);
            const QString shown = entry.control == kWindowTitle
                ? window.windowTitle()
                : captionOf(window.findChild<QWidget*>(control, Qt::FindDirectChildrenOnly));
            const auto set = program.session.captions.find({entry.window, std::string(entry.control)});
            const bool fromFile = set != program.session.captions.end();
            const QString expected = fromFile ? QString::fromStdString(set->second) : QString::fromUtf8(entry.builtIn);
            QVERIFY2(fromFile == !languageFile.isEmpty() && shown == expected,
                qPrintable(QStringLiteral("%1.%2 shows \"%3\"").arg(window.objectName(), control, shown)));
            translated += shown != QString::fromUtf8(entry.builtIn) ? 1 : 0;
        }
        QVERIFY2(languageFile.isEmpty() || translated > 300, "nearly every caption differs in another language");

        // What a window shows is in the table, and shows whole. Captions no
        // language key sets: colour and column letters, the flags' letters,
        // the two pigtail numbers, "?", the hidden drawing-method box, the
        // status line and the credits.
        const QStringList own
            = {"R:", "G:", "B:", "x:", "1", "2", "?", "indirect drawing method", "n", "p", "e", "s", "f"};
        const QStringList changing = {"Form1.Label6", "Form2.Label2"};
        // Every window: the main window, each customizer and the about box.
        auto windows = program.showAll();
        windows.emplace_back(Window::Form2, &program.windows->form2());
        for (const auto& [id, window] : windows) {
            window->show();
            window->adjustSize();
            for (QWidget* widget : window->findChildren<QWidget*>()) {
                if (widget->window() != window || captionOf(widget).isEmpty())
                    continue; // shows no caption of its own
                const bool inTable = builtInCaption(id, widget->objectName().toStdString()).has_value()
                    && !widget->objectName().isEmpty();
                const bool allowed = inTable || own.contains(captionOf(widget))
                    || changing.contains(window->objectName() + '.' + widget->objectName());
                QVERIFY2(allowed,
                    qPrintable(QStringLiteral("%1 shows \"%2\" (%3), which no key sets")
                                   .arg(window->objectName(), captionOf(widget), widget->objectName())));
                // A caption holding "<b>" shows the characters, not bold text.
                const auto* label = qobject_cast<const QLabel*>(widget);
                QVERIFY2(!label || label->textFormat() == Qt::PlainText, qPrintable(widget->objectName()));
                if (!widget->isVisibleTo(window) || widget->objectName() == QLatin1String("Label2"))
                    continue; // the credit line has a fixed panel of its own
                QVERIFY2(widget->width() >= widget->minimumSizeHint().width(),
                    qPrintable(QStringLiteral("%1.%2 is cut: %3 of %4 pixels")
                                   .arg(window->objectName(), widget->objectName())
                                   .arg(widget->width())
                                   .arg(widget->minimumSizeHint().width())));
            }
        }
    }
};

} // namespace golv

QTEST_MAIN(golv::CaptionsTest)
#include "CaptionsTest.moc"
