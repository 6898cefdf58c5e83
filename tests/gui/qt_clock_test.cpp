// The desktop clock: short dates always carry four-digit years.
#include "gui/qt_clock.h"
#include "gui_tests.h"

#include <QTest>

using namespace tallyman;

class QtClockTest : public QObject {
    Q_OBJECT
private slots:
    void widenYear_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("expected");
        QTest::newRow("US") << "M/d/yy"
                            << "M/d/yyyy";
        QTest::newRow("German") << "dd.MM.yy"
                                << "dd.MM.yyyy";
        QTest::newRow("year first") << "yy/MM/dd"
                                    << "yyyy/MM/dd";
        QTest::newRow("already four") << "yyyy-MM-dd"
                                      << "yyyy-MM-dd";
        QTest::newRow("single y") << "M/d/y"
                                  << "M/d/yyyy";
        QTest::newRow("quoted text kept") << "d 'yy' M/yy"
                                          << "d 'yy' M/yyyy";
        QTest::newRow("month names") << "d MMM yy"
                                     << "d MMM yyyy";
    }

    void widenYear()
    {
        QFETCH(QString, format);
        QFETCH(QString, expected);
        QCOMPARE(gui::widenYear(format), expected);
    }

    void localeDates_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("en_US") << "en_US"
                               << "12/9/2026";
        QTest::newRow("de_DE") << "de_DE"
                               << "09.12.2026";
        QTest::newRow("en_GB") << "en_GB"
                               << "09/12/2026";
    }

    void localeDates()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        const gui::QtClock clock { QLocale(locale) };
        QCOMPARE(QString::fromStdString(clock.shortDate({ 2026, 12, 9 })), text);
        const auto back = clock.parseShortDate(text.toStdString());
        QVERIFY(back.has_value());
        QVERIFY((*back == ui::Date { 2026, 12, 9 }));
        QVERIFY(!clock.parseShortDate("not a date"));
        QVERIFY(!clock.parseShortDate(""));
    }

    void systemFormatHasFourDigitYear()
    {
        const gui::QtClock clock;
        QVERIFY(clock.format().contains("yyyy"));
        const ui::Date today = clock.today();
        QVERIFY(QString::fromStdString(clock.shortDate(today)).contains(QString::number(today.year)));
        const auto back = clock.parseShortDate(clock.shortDate(today));
        QVERIFY(back.has_value());
        QVERIFY(*back == today);
    }
};

TALLYMAN_GUI_TEST(QtClockTest)
#include "qt_clock_test.moc"
