#include "language/CaptionTable.h"
#include "language/LanguageFile.h"
#include "presets/Presets.h"
#include "settings/SettingId.h"
#include "support/StartedProgram.h"
#include "ui/ChangeMarks.h"
#include "ui/FormBuilder.h"
#include "ui/Swatch.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include <algorithm>
#include <map>
#include <tuple>

namespace golv {
namespace {

QString describe(const QWidget* widget)
{
    return QStringLiteral("%1 %2 in %3")
        .arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName(),
            widget->window()->objectName());
}

// Where Tab goes, in order, starting from the window itself.
std::vector<QWidget*> tabChain(QWidget* window)
{
    std::vector<QWidget*> chain;
    for (QWidget* widget = window->nextInFocusChain(); widget != window; widget = widget->nextInFocusChain()) {
        if (widget->window() == window && widget->isVisibleTo(window) && widget->isEnabled()
            && (widget->focusPolicy() & Qt::TabFocus))
            chain.push_back(widget);
    }
    return chain;
}

} // namespace

// Every window as a keyboard and screen-reader user meets it.
class AccessibleWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void everyInputIsNamedAndReachedByTab_data()
    {
        QTest::addColumn<QString>("languageFile");
        QTest::newRow("built in") << QString();
        QTest::newRow("German") << QStringLiteral(GOLV_SOURCE_DIR "/languages/deutsch.lng");
    }

    // Every input has a name of its own, made of the captions around it in
    // the window's language and never its value, and Tab reaches every one
    // (a group of options once) but the displays, the swatches (their fields
    // are reached) and the physics window's picture buttons, which only lead
    // into a field. Every window fits a 1366 by 768 screen with room for its
    // frame and a task bar. So it stays while settings of every window and
    // kind would change the executable: readers hear that of exactly those,
    // after what the control's description says already.
    void everyInputIsNamedAndReachedByTab()
    {
        QFETCH(QString, languageFile);
        test::StartedProgram program;
        program.session.languageFile = languageFile.toStdString();
        LoadLanguageFile(program.session);
        // Names tell the control's place (in the built-in captions).
        const std::tuple<Window, const char*, const char*> names[] = {
            {Window::Form1, "Check7", "[no ammo] sound ID remove sound"},
            {Window::Form1, "HScroll3", "Overall SFX sample rate"},
            {Window::CustWeapons, "Text5(0)", "pistols damage"},
            {Window::CustWeapons, "Label31(2)", "Grenade ammo flags f"},
            {Window::CustBars, "Text1(9)", "air bar main colour blue"},
            {Window::CustBars, "Text2(0)", "health bar width"},
            {Window::CustBars, "Check4", "loading bar hide"},
            {Window::CustFonts, "Text1(26)", "Main Menu -> Load Game effect #"},
            {Window::CustGfx, "Text1(3)", "colour 2 second byte"},
            {Window::CustFonts, "Combo1(0)", "align to"},
        };
        for (const auto& [window, control, name] : names) {
            if (languageFile.isEmpty())
                QCOMPARE(QAccessible::queryAccessibleInterface(test::child<QWidget>(program.show(window), control))
                             ->text(QAccessible::Name),
                    QString::fromUtf8(name));
        }
        QVERIFY(applyPreset(program.session,
            {"[preset]", "DrawingDistanceRange=5", "PonytailMode=1", "PistolDamage=7", "GrenNormFlag=2",
                "HMainColourR=200", "HHide=1", "MainMenuAlign=2", "ShadowA=50", "SparkleAmount=9", "BinocsRange=05",
                "DefBigMedkits=2", "SkeletonHP=99", "SwimSpeed=0030", "BatDmg=5"}));
        const QString changes = captionText(program.session, captionId(Window::Form1, "changesexecutable"));
        // Every caption and text of the table as the windows show it now,
        // longest first, each without the ":" that names leave out.
        QStringList texts;
        for (std::size_t row = 0; row < kCaptions.size(); ++row) {
            QString text = captionText(program.session, {row}).trimmed();
            if (text.endsWith(QLatin1Char(':')))
                text.chop(1);
            if (!text.trimmed().isEmpty())
                texts << text.trimmed();
        }
        std::ranges::sort(texts, [](const QString& a, const QString& b) { return a.size() > b.size(); });
        for (const auto& [id, window] : program.showAll()) {
            int marked = 0;
            QVERIFY2(window->width() <= 1366 && window->height() <= 700, qPrintable(window->objectName()));
            const std::vector<QWidget*> chain = tabChain(window);
            std::map<QString, QString> owners;
            for (QWidget* input : window->findChildren<QWidget*>()) {
                // The window's own inputs, as readers and the keyboard meet them.
                if (!(qobject_cast<QLineEdit*>(input) || qobject_cast<QAbstractButton*>(input)
                        || qobject_cast<QComboBox*>(input) || qobject_cast<QScrollBar*>(input)
                        || qobject_cast<Swatch*>(input))
                    || input->window() != window)
                    continue;
                // What a screen reader announces as the control's name.
                const QString name = QAccessible::queryAccessibleInterface(input)->text(QAccessible::Name);
                QVERIFY2(!name.isEmpty(), qPrintable(describe(input) + QStringLiteral(" has no name")));
                // A list's own text box (the binoculars range), which readers
                // enter by itself, is called as its list (whose own name Qt
                // announces as its value on this system).
                if (qobject_cast<QLineEdit*>(input) && qobject_cast<QComboBox*>(input->parentWidget())) {
                    QCOMPARE(name, input->parentWidget()->accessibleName());
                    continue;
                }
                if (input->isVisibleTo(window)) {
                    const auto [place, fresh] = owners.emplace(name, describe(input));
                    QVERIFY2(fresh,
                        qPrintable(describe(input) + QStringLiteral(" and ") + place->second
                            + QStringLiteral(" are both called \"") + name + QLatin1Char('"')));
                    QVERIFY2(name != QAccessible::queryAccessibleInterface(input)->text(QAccessible::Value),
                        qPrintable(describe(input) + QStringLiteral(" is called by its value")));
                    QString rest = name;
                    for (const QString& text : texts)
                        rest.replace(text, QStringLiteral(" "));
                    const QStringList words = rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
                    QVERIFY2(std::ranges::all_of(words, [](const QString& word) { return word.size() == 1; }),
                        qPrintable(describe(input) + QStringLiteral(" is called \"") + name
                            + QStringLiteral("\", words no caption gives: ") + words.join(QLatin1Char(' '))));
                }
                const auto* field = qobject_cast<const QLineEdit*>(input);
                const bool aside = qobject_cast<Swatch*>(input) != nullptr || (field && field->isReadOnly())
                    || (id == Window::CustPhys && input->objectName().startsWith(QLatin1String("Command1(")));
                QWidget* focused = input->focusProxy() != nullptr ? input->focusProxy() : input;
                // Tab enters a group of options once, at its chosen one.
                const QString group = input->objectName().section(QLatin1Char('('), 0, 0);
                const bool reached = qobject_cast<QRadioButton*>(input) != nullptr
                    ? std::ranges::any_of(chain,
                        [&group](const QWidget* stop) {
                            return qobject_cast<const QRadioButton*>(stop) != nullptr
                                && stop->objectName().section(QLatin1Char('('), 0, 0) == group;
                        })
                    : (focused->focusPolicy() & Qt::TabFocus) != 0;
                QVERIFY2(aside || !input->isVisibleTo(window) || reached,
                    qPrintable(describe(input) + QStringLiteral(" cannot be reached by Tab")));
                auto setting = settingOfControl(id, input->objectName().toStdString());
                if (!setting)
                    setting = settingOfControl(id, group.toStdString());
                const QString description = input->accessibleDescription();
                const bool changing = setting && program.windows->marks().changes(*setting);
                QVERIFY2(description.endsWith(changes) == changing && description.count(changes) <= 1,
                    qPrintable(describe(input) + QStringLiteral(" is described as \"") + description + '"'));
                marked += changing ? 1 : 0;
                QVERIFY2(!qobject_cast<Swatch*>(input) || std::ranges::find(chain, input) == chain.end(),
                    qPrintable(describe(input) + QStringLiteral(" takes the focus")));
            }
            QVERIFY2(marked > 0, qPrintable(window->objectName() + QStringLiteral(" shows no change")));
            // Tab goes rightwards along a row, then down; it goes up again
            // only into a column further right.
            for (std::size_t i = 1; i < chain.size(); ++i) {
                const QRect from(chain[i - 1]->mapTo(window, QPoint()), chain[i - 1]->size());
                const QRect to(chain[i]->mapTo(window, QPoint()), chain[i]->size());
                const bool sameRow = to.center().y() >= from.top() && to.center().y() <= from.bottom();
                const bool onwards = sameRow ? to.left() >= from.left() : to.center().y() > from.bottom();
                QVERIFY2(onwards || to.left() >= from.right(),
                    qPrintable(QStringLiteral("Tab goes back from ") + describe(chain[i - 1]) + QStringLiteral(" to ")
                        + describe(chain[i])));
            }
        }
        QCOMPARE(test::child<QWidget>(program.show(Window::CustPhys), "Text2(10)")->accessibleDescription(),
            QStringLiteral("48 %1; %2")
                .arg(captionText(program.session, captionId(Window::Form1, "indecimal")), changes));
    }

    // The keys that move on or open a list work there as anywhere (that its
    // entry is picked, never typed, is CustomizerWindowsTest's); and a window
    // opened again starts at its first field, not at the control left last.
    void theListsKeysAndTheFirstField()
    {
        test::StartedProgram program;
        const std::pair<Window, const char*> lists[] = {{Window::CustFonts, "Combo1(0)"}, {Window::CustLite, "Combo1"}};
        for (const auto& [window, name] : lists) {
            QDialog& dialog = program.open(window);
            auto* list = test::child<QComboBox>(dialog, QString::fromLatin1(name));
            QWidget* typedInto = list->focusProxy() != nullptr ? list->focusProxy() : list;
            list->setFocus();
            QTest::keyClick(typedInto, Qt::Key_Tab);
            QVERIFY2(QApplication::focusWidget() != typedInto, name);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
            QCOMPARE(QApplication::focusWidget(), typedInto);
            QTest::keyClick(typedInto, Qt::Key_F4);
            QVERIFY2(QTest::qWaitFor([list] { return list->view()->isVisible(); }), name);
            list->hidePopup();
            dialog.hide();
            program.open(window);
            QVERIFY2(QApplication::focusWidget() == tabChain(&dialog).front(), name);
        }
    }
};

} // namespace golv

QTEST_MAIN(golv::AccessibleWindowsTest)
#include "AccessibleWindowsTest.moc"
