// The data folder's choice and creation, and where the installed data is found.
#include "gui/data_locations.h"
#include "gui/startup_probe.h"
#include "gui_tests.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>

using namespace tallyman;

class DataLocationsTest : public QObject {
    Q_OBJECT
private slots:
    void dataFolderChoice_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QString>("standard");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("option first") << "/opt"
                                      << "/env"
                                      << "/std"
                                      << "/opt";
        QTest::newRow("then the environment") << ""
                                              << "/env"
                                              << "/std"
                                              << "/env";
        QTest::newRow("then the desktop's folder") << ""
                                                   << ""
                                                   << "/std"
                                                   << "/std";
    }
    void dataFolderChoice()
    {
        QFETCH(QString, option);
        QFETCH(QString, environment);
        QFETCH(QString, standard);
        QFETCH(QString, chosen);
        QCOMPARE(
            QString::fromStdString(gui::chooseDataFolder(option, environment, standard).string()), chosen);
    }

    void dataFolderIsCreatedOnFirstRun()
    {
        QTemporaryDir root;
        const auto folder = std::filesystem::path(root.path().toStdString()) / "a" / "b";
        const auto prepared = gui::prepareDataFolder(folder);
        QVERIFY(prepared);
        QVERIFY(std::filesystem::is_directory(folder));
        QVERIFY(prepared->is_absolute());
    }

    void aFileInTheWayIsNoDataFolder()
    {
        QTemporaryDir root;
        const auto file = std::filesystem::path(root.path().toStdString()) / "taken";
        std::ofstream(file) << "x";
        QVERIFY(!gui::prepareDataFolder(file));
        QVERIFY(!gui::prepareDataFolder(file / "below"));
    }

    void installedDataBesideTheProgram()
    {
        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkpath(QStringLiteral("bin")));
        const QString bin = root.path() + QStringLiteral("/bin");
        // Without an installed copy, the source tree's data is used.
        QCOMPARE(QString::fromStdString(gui::installedDataFolder(bin).string()),
            QStringLiteral(TALLYMAN_DATA_DIR));
        QVERIFY(QDir(root.path()).mkpath(QStringLiteral("share/tallyman")));
        const auto installed = gui::installedDataFolder(bin);
        QCOMPARE(QString::fromStdString(installed.string()), root.path() + QStringLiteral("/share/tallyman"));
    }

    void residentMemoryIsReported()
    {
        const auto rss = gui::residentKilobytes();
        QVERIFY(rss);
        QVERIFY(*rss > 1000);
    }
};

TALLYMAN_GUI_TEST(DataLocationsTest)
#include "data_locations_test.moc"
