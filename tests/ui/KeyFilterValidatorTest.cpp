#include "ui/KeyFilterValidator.h"

#include <QLineEdit>
#include <QtTest>

namespace golv {

// What reaches a field when the user puts text into it at the cursor, typed
// or pasted, over what the field held before (which may have come from a file).
class KeyFilterValidatorTest : public QObject {
    Q_OBJECT

private slots:
    void onlyWhatIsPutInIsFiltered_data()
    {
        QTest::addColumn<int>("input");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("put");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("cursorAfter");
        const int digits = static_cast<int>(Input::Digits);
        const int hex = static_cast<int>(Input::Hex);
        const int signedDigits = static_cast<int>(Input::SignedDigits);
        QTest::newRow("letters and minus never reach a digits field") << digits << 3 << "" << 0 << "a-1b2"
                                                                      << "12" << 2;
        QTest::newRow("a paste brings what fits after filtering") << digits << 3 << "12" << 2 << "x-9"
                                                                  << "129" << 3;
        QTest::newRow("a full field takes nothing more") << digits << 3 << "129" << 3 << "5"
                                                         << "129" << 3;
        QTest::newRow("a longer value from a file stays whole") << digits << 3 << "1234" << 4 << "9"
                                                                << "1234" << 4;
        QTest::newRow("a loaded sign stays beside typed digits") << digits << 3 << "-5" << 2 << "3"
                                                                 << "-53" << 3;
        QTest::newRow("lower-case hex is swallowed") << hex << 4 << "" << 0 << "a1B2f"
                                                     << "1B2" << 3;
        QTest::newRow("signed fields take the minus") << signedDigits << 4 << "" << 0 << "-12x"
                                                      << "-12" << 3;
        QTest::newRow("a repeated digit lands at the cursor") << digits << 5 << "11" << 1 << "1"
                                                              << "111" << 2;
        QTest::newRow("typing in the middle") << digits << 5 << "19" << 1 << "a5"
                                              << "159" << 2;
    }

    void onlyWhatIsPutInIsFiltered()
    {
        QFETCH(int, input);
        QFETCH(int, maxLength);
        QFETCH(QString, before);
        QFETCH(int, cursor);
        QFETCH(QString, put);
        QFETCH(QString, after);
        QFETCH(int, cursorAfter);
        QLineEdit field(before);
        field.setValidator(new KeyFilterValidator(static_cast<Input>(input), maxLength, &field));
        field.setCursorPosition(cursor);
        field.insert(put);
        QCOMPARE(field.text(), after);
        QCOMPARE(field.cursorPosition(), cursorAfter);
    }
};

} // namespace golv

QTEST_MAIN(golv::KeyFilterValidatorTest)
#include "KeyFilterValidatorTest.moc"
