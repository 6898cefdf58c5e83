// Runs every registered Qt Test class in one program. GUI_TEST_CLASS=Name runs that class
// alone, so that one of its functions can be named on the command line.
#include "gui_tests.h"

#include <QApplication>
#include <QTest>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QByteArray only = qgetenv("GUI_TEST_CLASS");
    int failures = 0;
    for (const auto& make : tallyman::gui::test::registered()) {
        const auto test = make();
        if (!only.isEmpty() && only != test->metaObject()->className())
            continue;
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
