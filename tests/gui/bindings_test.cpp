// Widgets bound to model controls: each direction, the key filter, focus, clicks and lifetimes.
#include "gui/bindings.h"
#include "gui/window_registry.h"
#include "gui_tests.h"
#include "platform/controls.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>

#include <memory>
#include <vector>

using namespace tallyman;

namespace {

// A shown, active window holding the widgets of one test.
struct Window {
    QWidget widget;
    QVBoxLayout* layout = new QVBoxLayout(&widget);

    template <typename W> W* add(W* child)
    {
        layout->addWidget(child);
        return child;
    }
    bool showActive()
    {
        widget.show();
        widget.activateWindow();
        return QTest::qWaitForWindowActive(&widget);
    }
};

} // namespace

class BindingsTest : public QObject {
    Q_OBJECT
private slots:
    void typedKeysPassTheModelFilter_data()
    {
        QTest::addColumn<bool>("numeric");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("digit letter digit") << true << "4a0"
                                            << "40";
        QTest::newRow("letters only") << true << "abc"
                                      << "";
        QTest::newRow("blank minus point") << true << "-1 2.5x"
                                           << "-1 2.5";
        QTest::newRow("signs and commas") << true << "+1,000$"
                                          << "1000";
        QTest::newRow("free text box") << false << "Tax5 x"
                                       << "Tax5 x";
    }

    void typedKeysPassTheModelFilter()
    {
        QFETCH(bool, numeric);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        Window window;
        auto* edit = window.add(new QLineEdit);
        ui::TextBox box;
        box.setNumeric(numeric);
        gui::bind(edit, box);
        QVERIFY(window.showActive());
        edit->setFocus();
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), expected);
        QCOMPARE(QString::fromStdString(box.text()), expected);
    }

    // Text that arrives other than by a plain key (with Alt held, pasted) is filtered as well:
    // what arrived loses what a number box drops, at the caret.
    void textArrivingOtherwisePassesTheFilter()
    {
        Window window;
        auto* edit = window.add(new QLineEdit);
        ui::TextBox box;
        box.setNumeric(true);
        gui::bind(edit, box);
        QVERIFY(window.showActive());
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_4);
        QTest::keyClick(edit, Qt::Key_X, Qt::AltModifier);
        QTest::keyClick(edit, Qt::Key_Q, Qt::AltModifier);
        QTest::keyClick(edit, Qt::Key_0);
        QCOMPARE(edit->text(), QString("40"));
        QCOMPARE(box.text(), std::string("40"));
        QGuiApplication::clipboard()->setText(QString::fromUtf8("1a 2é"));
        QTest::keyClick(edit, Qt::Key_Left);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), QString("41 20"));
        QCOMPARE(box.text(), std::string("41 20"));
        QCOMPARE(edit->cursorPosition(), 4);
        QCOMPARE(box.selectionStart(), std::size_t(4));
    }

    void backspaceAndCaretEditing()
    {
        Window window;
        auto* edit = window.add(new QLineEdit);
        ui::TextBox box;
        box.setNumeric(true);
        gui::bind(edit, box);
        QVERIFY(window.showActive());
        edit->setFocus();
        QTest::keyClicks(edit, "125");
        QTest::keyClick(edit, Qt::Key_Left);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, "3");
        QCOMPARE(box.text(), std::string("135"));
        QCOMPARE(box.selectionStart(), std::size_t(2));
    }

    void enterUpDownReachKeyDown()
    {
        Window window;
        auto* edit = window.add(new QLineEdit);
        ui::TextBox box;
        box.setNumeric(true);
        std::vector<int> keys;
        box.onKeyDown = [&](int key) { keys.push_back(key); };
        gui::bind(edit, box);
        QVERIFY(window.showActive());
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClick(edit, Qt::Key_Up);
        QTest::keyClick(edit, Qt::Key_Down);
        QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(keys, (std::vector<int> { ui::KeyEnter, ui::KeyUp, ui::KeyDown, ui::KeyEnter }));
        QCOMPARE(edit->text(), QString());
    }

    void enterMovesFocusThroughTheModel()
    {
        Window window;
        ui::TextBox first, second;
        auto* edit1 = window.add(new QLineEdit);
        auto* edit2 = window.add(new QLineEdit);
        gui::bind(edit1, first);
        gui::bind(edit2, second);
        second.setText("7.5");
        first.onKeyDown = [&](int key) {
            if (key == ui::KeyEnter)
                second.setFocus();
        };
        QVERIFY(window.showActive());
        edit1->setFocus();
        QTest::keyClick(edit1, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), edit2);
        QCOMPARE(edit2->selectedText(), QString("7.5"));
    }

    void focusSelectsAllSoTypingReplaces()
    {
        Window window;
        auto* other = window.add(new QLineEdit);
        auto* edit = window.add(new QLineEdit);
        ui::TextBox box;
        box.setNumeric(true);
        gui::bind(edit, box);
        box.setText("12.5");
        QVERIFY(window.showActive());
        other->setFocus();
        edit->setFocus(Qt::OtherFocusReason);
        QCOMPARE(edit->selectedText(), QString("12.5"));
        QCOMPARE(box.selectionLength(), std::size_t(4));
        QTest::keyClicks(edit, "7");
        QCOMPARE(box.text(), std::string("7"));
    }

    void mouseFocusSelectsAllAfterTheClick()
    {
        Window window;
        auto* other = window.add(new QLineEdit);
        auto* edit = window.add(new QLineEdit);
        ui::TextBox box;
        gui::bind(edit, box);
        box.setText("40.25");
        int clicks = 0;
        box.onClick = [&] { ++clicks; };
        QVERIFY(window.showActive());
        other->setFocus();
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(5, edit->height() / 2));
        QCOMPARE(clicks, 1);
        QTRY_COMPARE(edit->selectedText(), QString("40.25"));
        QCOMPARE(box.selectionStart(), std::size_t(0));
        QCOMPARE(box.selectionLength(), std::size_t(5));
    }

    void modelStateShowsInTheWidget()
    {
        Window window;
        auto* edit = window.add(new QLineEdit);
        ui::TextBox box;
        gui::bind(edit, box);
        box.setText("12/9/2026");
        box.setToolTip("Click for Date change");
        box.setEnabled(false);
        QCOMPARE(edit->text(), QString("12/9/2026"));
        QCOMPARE(edit->toolTip(), QString("Click for Date change"));
        QVERIFY(!edit->isEnabled());
        box.setVisible(false);
        QVERIFY(edit->isHidden());
        box.setVisible(true);
        QVERIFY(!edit->isHidden());
    }

    void changeHandlerMayRewriteTheText()
    {
        Window window;
        auto* edit = window.add(new QLineEdit);
        ui::TextBox box;
        box.onChange = [&] {
            if (box.text().size() > 3)
                box.setText(box.text().substr(0, 3));
        };
        gui::bind(edit, box);
        QVERIFY(window.showActive());
        edit->setFocus();
        QTest::keyClicks(edit, "abcde");
        QCOMPARE(edit->text(), QString("abc"));
        QCOMPARE(box.text(), std::string("abc"));
    }

    void checkBoxClicksRunTheModel()
    {
        Window window;
        auto* check = window.add(new QCheckBox("view text"));
        ui::CheckBox model;
        std::vector<std::string> events;
        model.onMouseDown = [&] { events.push_back("down " + std::to_string(model.value())); };
        model.onClick = [&] { events.push_back("click " + std::to_string(model.value())); };
        gui::bind(check, model);
        QVERIFY(window.showActive());
        QCOMPARE(check->text(), QString("view text")); // no caption in the model yet

        QTest::mouseClick(check, Qt::LeftButton);
        QCOMPARE(model.value(), 1);
        QCOMPARE(events, (std::vector<std::string> { "down 0", "click 1" }));

        model.setValue(0);
        QVERIFY(!check->isChecked());
        model.setCaption("Round State");
        QCOMPARE(check->text(), QString("Round State"));
    }

    void checkBoxRefusedByHandlerStaysOff()
    {
        Window window;
        auto* check = window.add(new QCheckBox);
        ui::CheckBox model;
        model.onClick = [&] { model.setValue(0); };
        gui::bind(check, model);
        QVERIFY(window.showActive());
        QTest::mouseClick(check, Qt::LeftButton);
        QCOMPARE(model.value(), 0);
        QVERIFY(!check->isChecked());
    }

    void optionButtonsFollowTheModelGroup()
    {
        Window window;
        auto* weeklyButton = window.add(new QRadioButton("Weekly"));
        auto* biWeeklyButton = window.add(new QRadioButton("Bi-Weekly"));
        ui::OptionButton weekly, biWeekly;
        weekly.setGroup({ &weekly, &biWeekly });
        biWeekly.setGroup({ &weekly, &biWeekly });
        int biWeeklyClicks = 0;
        biWeekly.onClick = [&] { ++biWeeklyClicks; };
        gui::bind(weeklyButton, weekly);
        gui::bind(biWeeklyButton, biWeekly);
        weekly.setValue(-1);
        QVERIFY(weeklyButton->isChecked());
        QVERIFY(window.showActive());

        QTest::mouseClick(biWeeklyButton, Qt::LeftButton);
        QCOMPARE(biWeekly.value(), -1);
        QCOMPARE(weekly.value(), 0);
        QVERIFY(!weeklyButton->isChecked());
        QVERIFY(biWeeklyButton->isChecked());
        QCOMPARE(biWeeklyClicks, 1);

        QTest::mouseClick(biWeeklyButton, Qt::LeftButton); // the selected one stays selected
        QVERIFY(biWeeklyButton->isChecked());
        QCOMPARE(biWeeklyClicks, 1);
    }

    void comboBoxListAndText()
    {
        Window window;
        auto* list = window.add(new QComboBox);
        auto* editable = window.add(new QComboBox);
        editable->setEditable(true);
        ui::ComboBox status, state;
        status.setItems({ "Single", "Married" });
        state.setItems({ "IOWA", "OHIO" });
        gui::bind(list, status);
        gui::bind(editable, state);
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->currentIndex(), -1);

        status.setText("Married");
        QCOMPARE(list->currentIndex(), 1);
        QVERIFY(window.showActive());
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Up); // a person picks the item above
        QCOMPARE(status.text(), std::string("Single"));

        editable->setFocus();
        editable->lineEdit()->selectAll();
        QTest::keyClicks(editable->lineEdit(), "UTAH");
        QCOMPARE(state.text(), std::string("UTAH"));
        QCOMPARE(state.listIndex(), -1);
        state.setText("OHIO");
        QCOMPARE(editable->currentText(), QString("OHIO"));
        QCOMPARE(editable->currentIndex(), 1);
    }

    void commandButtonAndMenuItem()
    {
        Window window;
        auto* button = window.add(new QPushButton("designed"));
        ui::CommandButton save;
        int clicks = 0;
        save.onClick = [&] { ++clicks; };
        gui::bind(button, save);
        QAction action("Print");
        ui::CommandButton print;
        int prints = 0;
        print.onClick = [&] { ++prints; };
        gui::bind(&action, print);
        QVERIFY(window.showActive());

        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(clicks, 1);
        QCOMPARE(button->text(), QString("designed"));
        save.setCaption("Save This Pay Period");
        QCOMPARE(button->text(), QString("Save This Pay Period"));
        save.setEnabled(false);
        QVERIFY(!button->isEnabled());

        action.trigger();
        QCOMPARE(prints, 1);
        print.setVisible(false);
        QVERIFY(!action.isVisible());
    }

    void labelTextAndClicks()
    {
        Window window;
        auto* label = window.add(new QLabel);
        ui::Label week;
        int left = 0, right = 0;
        week.onClick = [&] { ++left; };
        week.onRightClick = [&] { ++right; };
        gui::bind(label, week);
        week.setText("<b>12</b>");
        QCOMPARE(label->text(), QString("<b>12</b>"));
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QVERIFY(window.showActive());
        QTest::mouseClick(label, Qt::LeftButton);
        QTest::mouseClick(label, Qt::RightButton);
        QTest::mouseClick(label, Qt::RightButton);
        QCOMPARE(left, 1);
        QCOMPARE(right, 2);
        week.setText("");
        QCOMPARE(label->text(), QString());
    }

    void frameTitle()
    {
        QGroupBox frame("Hours");
        ui::Label caption;
        gui::bind(&frame, caption);
        QCOMPARE(frame.title(), QString("Hours"));
        caption.setCaption("Results");
        QCOMPARE(frame.title(), QString("Results"));
    }

    void windowFollowsScreen()
    {
        QWidget window;
        ui::Screen screen;
        gui::bind(&window, screen);
        QCOMPARE(gui::windowOf(screen), &window);
        screen.setTitle("  User:  Smith");
        QCOMPARE(window.windowTitle(), QString("  User:  Smith"));
        screen.setShown(true);
        QVERIFY(window.isVisible());
        screen.setShown(false);
        QVERIFY(!window.isVisible());
    }

    void closeBoxAsksTheModel()
    {
        QWidget window;
        ui::Screen screen;
        bool mayClose = false;
        int asked = 0;
        screen.onCloseRequested = [&] {
            ++asked;
            if (mayClose)
                screen.setShown(false);
        };
        gui::bind(&window, screen);
        screen.setShown(true);
        window.close();
        QCOMPARE(asked, 1);
        QVERIFY(window.isVisible());
        QVERIFY(screen.shown());
        mayClose = true;
        window.close();
        QVERIFY(!window.isVisible());
        QVERIFY(!screen.shown());
    }

    void escapeAsksTheModelLikeTheCloseBox()
    {
        QDialog dialog;
        ui::Screen screen;
        int asked = 0;
        bool mayClose = false;
        screen.onCloseRequested = [&] {
            ++asked;
            if (mayClose)
                screen.setShown(false);
        };
        gui::bind(&dialog, screen);
        screen.setShown(true);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(asked, 1);
        QVERIFY(dialog.isVisible()); // the model kept it open: the dialog does not reject itself
        QVERIFY(screen.shown());
        mayClose = true;
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(asked, 2);
        QVERIFY(!dialog.isVisible());
        QVERIFY(!screen.shown());
    }

    void eitherSideMayGoFirst()
    {
        {
            auto edit = std::make_unique<QLineEdit>();
            ui::TextBox box;
            gui::bind(edit.get(), box);
            edit.reset();
            box.setText("after the widget"); // must not reach the deleted widget
            box.setFocus();
        }
        {
            QLineEdit edit;
            auto box = std::make_unique<ui::TextBox>();
            gui::bind(&edit, *box);
            box->setText("1");
            box.reset();
            edit.setText("2");
            QTest::keyClicks(&edit, "34"); // no model to tell
            QCOMPARE(edit.text(), QString("234"));
        }
        {
            auto screen = std::make_unique<ui::Screen>();
            QWidget window;
            gui::bind(&window, *screen);
            screen.reset();
            ui::Screen other;
            QCOMPARE(gui::windowOf(other), nullptr);
        }
    }
};

TALLYMAN_GUI_TEST(BindingsTest)
#include "bindings_test.moc"
