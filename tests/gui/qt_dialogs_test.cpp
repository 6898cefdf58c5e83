// Qt dialogs: filters, message and input boxes, the date picker and help pages.
#include "gui/date_picker_dialog.h"
#include "gui/help_viewer.h"
#include "gui/qt_dialogs.h"
#include "gui_tests.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QInputDialog>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <fstream>
#include <functional>

using namespace tallyman;

namespace {

// Acts on the modal dialog once it is up; the dialog's own event loop runs the timer.
template <typename Dialog> void whenShown(std::function<void(Dialog*)> act)
{
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            // Not up yet: try again on the next pass of the event loop.
            whenShown<Dialog>(act);
            return;
        }
        act(dialog);
    });
}

void writeFile(const QString& path, const char* text) { std::ofstream(path.toStdString()) << text; }

} // namespace

class QtDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void fileFilter_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("expected");
        QTest::newRow("described pattern") << "User Files (*.use)|*.use"
                                           << "User Files (*.use)";
        QTest::newRow("bare description") << "Saved Files|*.prv"
                                          << "Saved Files (*.prv)";
        QTest::newRow("several patterns") << "Pay Files (*.use;*.prv)|*.use;*.prv"
                                          << "Pay Files (*.use *.prv)";
        QTest::newRow("two filters") << "Saved Files (*.use)|*.use|All Files (*.*)|*.*"
                                     << "Saved Files (*.use);;All Files (*.*)";
        QTest::newRow("no pattern part") << "Saved Files"
                                         << "";
    }

    void fileFilter()
    {
        QFETCH(QString, filter);
        QFETCH(QString, expected);
        QCOMPARE(gui::qtFileFilter(filter.toStdString()), expected);
    }

    void messageBoxes_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("press");
        QTest::addColumn<int>("answer");
        QTest::newRow("ok") << int(ui::MessageButtons::Ok) << int(QMessageBox::Ok)
                            << int(ui::MessageAnswer::Ok);
        QTest::newRow("yes") << int(ui::MessageButtons::YesNo) << int(QMessageBox::Yes)
                             << int(ui::MessageAnswer::Yes);
        QTest::newRow("no") << int(ui::MessageButtons::YesNo) << int(QMessageBox::No)
                            << int(ui::MessageAnswer::No);
    }

    void messageBoxes()
    {
        QFETCH(int, buttons);
        QFETCH(int, press);
        QFETCH(int, answer);
        gui::QtDialogs dialogs({}, {});
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        whenShown<QMessageBox>([&](QMessageBox* box) {
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            box->button(QMessageBox::StandardButton(press))->click();
        });
        const ui::Message message { { "Federal Table", "not found" }, "Error", ui::MessageButtons(buttons),
            ui::MessageIcon::Warning };
        QCOMPARE(int(dialogs.message(message)), answer);
        QCOMPARE(title, QString("Error"));
        QCOMPARE(text, QString("Federal Table\nnot found"));
        QCOMPARE(icon, QMessageBox::Warning);
    }

    void inputBoxCancelGivesEmptyText()
    {
        gui::QtDialogs dialogs({}, {});
        whenShown<QInputDialog>([](QInputDialog* input) {
            input->setTextValue("Smith");
            input->accept();
        });
        QCOMPARE(dialogs.inputBox("Enter new user:", "File New", "NAME"), std::string("Smith"));
        QString shownDefault;
        whenShown<QInputDialog>([&](QInputDialog* input) {
            shownDefault = input->textValue();
            input->setTextValue("typed but cancelled");
            input->reject();
        });
        QCOMPARE(dialogs.inputBox("Enter new user:", "File New", "NAME"), std::string());
        QCOMPARE(shownDefault, QString("NAME"));
    }

    void datePickerReportsEveryChange()
    {
        gui::QtDialogs dialogs({}, {});
        whenShown<gui::DatePickerDialog>([](gui::DatePickerDialog* picker) {
            QCOMPARE(picker->date(), QDate(2026, 12, 9));
            QCOMPARE(picker->okButton()->text(), QStringLiteral("Ok"));
            picker->calendar()->setSelectedDate(QDate(2026, 12, 10));
            picker->calendar()->setSelectedDate(QDate(2026, 12, 11));
            picker->okButton()->click();
        });
        std::vector<ui::Date> reported;
        const auto picked
            = dialogs.pickDateLive({ 2026, 12, 9 }, [&](const ui::Date& d) { reported.push_back(d); });
        QVERIFY(picked.has_value());
        QCOMPARE(picked->day, 11);
        QCOMPARE(reported.size(), std::size_t(2));
        QCOMPARE(reported[0].day, 10);

        whenShown<gui::DatePickerDialog>([](gui::DatePickerDialog* picker) {
            picker->calendar()->setSelectedDate(QDate(2027, 1, 5));
            picker->close();
        });
        reported.clear();
        QVERIFY(!dialogs.pickDateLive({ 2026, 12, 9 }, [&](const ui::Date& d) { reported.push_back(d); }));
        QCOMPARE(reported.size(), std::size_t(1)); // what was picked stays reported
        QCOMPARE(reported[0].year, 2027);
    }

    void openListsTheDefaultUsersFile()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath(".use"), "default\r\n");
        writeFile(dir.filePath("Smith.use"), "smith\r\n");
        gui::QtDialogs dialogs(dir.path().toStdString(), {});
        QStringList listed;
        whenShown<QFileDialog>([&listed](QFileDialog* dialog) {
            if (auto* view = dialog->findChild<QListView*>(QStringLiteral("listView"))) {
                // The folder is read in the background: wait until both files could be there.
                QElapsedTimer waited;
                waited.start();
                while (view->model()->rowCount(view->rootIndex()) < 2 && waited.elapsed() < 2000)
                    QTest::qWait(20);
                for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
                    listed << view->model()->index(row, 0, view->rootIndex()).data().toString();
            }
            dialog->reject();
        });
        QVERIFY(!dialogs.openFile("Open", "Saved Files (*.use)|*.use"));
        listed.sort();
        QCOMPARE(listed, (QStringList { QStringLiteral(".use"), QStringLiteral("Smith.use") }));
    }

    void helpPageLookup_data()
    {
        QTest::addColumn<QString>("topic");
        QTest::addColumn<QString>("expected"); // folder/file, relative to the temporary dir
        QTest::newRow("topic in data folder") << "leave"
                                              << "data/leave.html";
        QTest::newRow("topic only installed") << "ledger"
                                              << "installed/ledger.html";
        QTest::newRow("missing topic gives index") << "nothing"
                                                   << "data/index.html";
        QTest::newRow("path is not a topic") << "../installed/ledger"
                                             << "data/index.html";
        QTest::newRow("empty topic") << ""
                                     << "data/index.html";
    }

    void helpPageLookup()
    {
        QFETCH(QString, topic);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("data"));
        QVERIFY(QDir(dir.path()).mkpath("installed"));
        writeFile(dir.filePath("data/index.html"), "<p>index</p>");
        writeFile(dir.filePath("data/leave.html"), "<p>leave</p>");
        writeFile(dir.filePath("installed/index.html"), "<p>installed index</p>");
        writeFile(dir.filePath("installed/ledger.html"), "<p>ledger</p>");
        const std::vector<std::filesystem::path> folders { dir.filePath("data").toStdString(),
            dir.filePath("installed").toStdString() };
        const auto page = gui::findHelpPage(folders, topic.toStdString());
        QVERIFY(page.has_value());
        QCOMPARE(QString::fromStdString(page->string()), dir.filePath(expected));
    }

    void shippedHelpOpensAtTheIndex()
    {
        gui::QtDialogs dialogs("/nonexistent", { std::filesystem::path(TALLYMAN_DATA_DIR) / "help" });
        dialogs.showHelp("no such topic");
        auto* viewer = dialogs.helpViewer();
        QVERIFY(viewer);
        QVERIFY(viewer->isVisible());
        QVERIFY(viewer->browser()->source().toLocalFile().endsWith("help/index.html"));
        QVERIFY(viewer->browser()->toPlainText().contains("Tallyman"));
        dialogs.showHelp("index");
        QCOMPARE(dialogs.helpViewer(), viewer); // one help window
    }

    void noHelpSaysSo()
    {
        gui::HelpViewer viewer({ "/nonexistent/help" });
        QVERIFY(!viewer.showTopic("index"));
        QVERIFY(!viewer.browser()->toPlainText().isEmpty());
    }
};

TALLYMAN_GUI_TEST(QtDialogsTest)
#include "qt_dialogs_test.moc"
