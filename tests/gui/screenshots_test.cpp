// The documentation pictures: every window is drawn into its file.
#include "gui/screenshots.h"
#include "gui_tests.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace tallyman;

class ScreenshotsTest : public QObject {
    Q_OBJECT
private slots:
    void everyWindowIsDrawn()
    {
        QTemporaryDir out;
        QVERIFY(gui::renderScreenshots(out.path().toStdString(), TALLYMAN_DATA_DIR));
        for (const char* name :
            { "startup-prompt", "main-window", "user-info", "save-user", "state-dialog", "city-dialog",
                "noncity-dialog", "overtime-tracker", "leave-log", "federal-table-dialog", "about" }) {
            const QImage image(
                out.path() + QLatin1Char('/') + QString::fromLatin1(name) + QStringLiteral(".png"));
            QVERIFY2(!image.isNull(), name);
            QVERIFY2(image.width() > 150 && image.height() > 60, name);
        }
    }
};

TALLYMAN_GUI_TEST(ScreenshotsTest)
#include "screenshots_test.moc"
