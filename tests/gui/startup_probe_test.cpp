// What the start-up probe reports of the running program.
#include "gui/startup_probe.h"
#include "gui_tests.h"

#include <QTest>

using namespace tallyman;

class StartupProbeTest : public QObject {
    Q_OBJECT
private slots:
    void residentMemoryIsReported()
    {
        const auto rss = gui::residentKilobytes();
        QVERIFY(rss);
        QVERIFY(*rss > 1000);
    }
};

TALLYMAN_GUI_TEST(StartupProbeTest)
#include "startup_probe_test.moc"
