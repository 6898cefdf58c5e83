// Runs every registered Qt Test class in one program.
#include "gui_tests.h"

#include <QApplication>
#include <QTest>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    int failures = 0;
    for (const auto &make : tallyman::gui::test::registered()) {
        const auto test = make();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
