// The binders between widgets and model controls.
#include "gui/bindings.h"

#include "gui/qt_text.h"
#include "gui/window_registry.h"
#include "platform/controls.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QRadioButton>
#include <QTimer>
#include <QValidator>

#include <functional>
#include <memory>

namespace tallyman::gui {

namespace {

// What every binder shares: the model pointer guarded by the model's lifetime, a flag that
// keeps the widget's own signals from echoing back while the model is being shown, and the
// way the model's changes reach the widget.
template <typename Model> class Binder : public QObject {
public:
    Binder(QObject* widget, Model& model)
        : QObject(widget)
        , m_model(&model)
        , m_alive(model.lifetime())
    { }

    ~Binder() override
    {
        if (auto* alive = model())
            alive->unlisten(m_listener);
    }

    Model* model() const { return m_alive.expired() ? nullptr : m_model; }

    // Calls push() whenever the model changes, for as long as this binder exists.
    void follow()
    {
        m_listener = m_model->listen([this] { refresh(); });
        refresh();
    }

    void refresh()
    {
        if (!model())
            return;
        m_pushing = true;
        push();
        m_pushing = false;
    }

protected:
    virtual void push() = 0;
    bool pushing() const { return m_pushing; }

private:
    Model* m_model;
    std::weak_ptr<const void> m_alive;
    ui::Observable::ListenerId m_listener = 0;
    bool m_pushing = false;
};

void showControl(QWidget* widget, const ui::Control& model)
{
    // A widget not yet shown or hidden by anyone (not even in a window yet) counts as
    // visible: hide it now, or it appears with its window. Showing it is left to the window,
    // since showing a widget without a parent would open it as a window of its own.
    const bool explicitly = widget->testAttribute(Qt::WA_WState_ExplicitShowHide);
    if (!model.visible() && (!widget->isHidden() || !explicitly))
        widget->setVisible(false);
    else if (model.visible() && explicitly && widget->isHidden())
        widget->setVisible(true);
    // The widget's own flag, not isEnabled(), which also reflects a disabled parent.
    if (widget->testAttribute(Qt::WA_ForceDisabled) == model.enabled())
        widget->setEnabled(model.enabled());
    const QString tip = qt(model.toolTip());
    if (widget->toolTip() != tip)
        widget->setToolTip(tip);
}

// Captions follow the model once it has given one; until then the view's own text stays.
class CaptionFollower {
public:
    bool shouldShow(const std::string& caption)
    {
        if (!caption.empty())
            m_owned = true;
        return m_owned;
    }

private:
    bool m_owned = false;
};

void forwardFocusRequests(QWidget* widget, ui::Control& model)
{
    QPointer<QWidget> target(widget);
    model.onFocusRequested = [target] {
        if (target)
            target->setFocus(Qt::OtherFocusReason);
    };
}

bool clickInside(QObject* watched, QEvent* event, Qt::MouseButton button)
{
    if (event->type() != QEvent::MouseButtonRelease)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    auto* widget = qobject_cast<QWidget*>(watched);
    return mouse->button() == button && widget && widget->rect().contains(mouse->position().toPoint());
}

// ---- Text box ----

// Keys are filtered as they are pressed, but text also arrives by Alt+letter, paste and input
// methods: the line edit asks this before it takes any edit, and sets the caret it returns.
class ArrivingTextFilter : public QValidator {
public:
    ArrivingTextFilter(QObject* parent, std::function<ui::TextBox*()> box)
        : QValidator(parent)
        , m_box(std::move(box))
    { }
    State validate(QString& input, int& position) const override
    {
        const ui::TextBox* box = m_box();
        if (!box || !box->numeric())
            return Acceptable;
        std::size_t caret = utf8Position(input, position);
        const std::string edited = str(input);
        const std::string kept = box->keptEdit(edited, caret);
        if (kept != edited) {
            input = qt(kept);
            position = qtPosition(kept, caret);
        }
        return Acceptable;
    }

private:
    std::function<ui::TextBox*()> m_box;
};

class TextBoxBinder : public Binder<ui::TextBox> {
public:
    TextBoxBinder(QLineEdit* edit, ui::TextBox& control)
        : Binder(edit, control)
        , m_edit(edit)
    {
        edit->setValidator(new ArrivingTextFilter(this, [this] { return model(); }));
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, [this](const QString& text) { pullText(text); });
        connect(edit, &QLineEdit::cursorPositionChanged, this, [this] { pullSelection(); });
        connect(edit, &QLineEdit::selectionChanged, this, [this] { pullSelection(); });
        forwardFocusRequests(edit, control);
        follow();
    }

protected:
    void push() override
    {
        auto* box = model();
        showControl(m_edit, *box);
        const QString text = qt(box->text());
        if (m_edit->text() != text)
            m_edit->setText(text);
        if (!m_pulling)
            pushSelection(*box);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = model();
        if (!box || watched != m_edit)
            return false;
        switch (event->type()) {
        case QEvent::KeyPress:
            return keyPress(*box, static_cast<QKeyEvent*>(event));
        case QEvent::FocusIn:
            focusIn(*box, static_cast<QFocusEvent*>(event));
            return false;
        case QEvent::MouseButtonRelease:
            if (clickInside(watched, event, Qt::LeftButton))
                box->click();
            return false;
        default:
            return false;
        }
    }

private:
    bool keyPress(ui::TextBox& box, QKeyEvent* key)
    {
        int forwarded = 0;
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            forwarded = ui::KeyEnter;
            break;
        case Qt::Key_Up:
            forwarded = ui::KeyUp;
            break;
        case Qt::Key_Down:
            forwarded = ui::KeyDown;
            break;
        case Qt::Key_Left:
            forwarded = ui::KeyLeft;
            break;
        case Qt::Key_Right:
            forwarded = ui::KeyRight;
            break;
        default:
            break;
        }
        if (forwarded) {
            if (box.onKeyDown)
                box.onKeyDown(forwarded);
            return false; // a dialog's default button still sees Enter
        }
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false; // shortcuts: copy, paste, select all
        // Typed characters pass the model's filter; control characters other than Backspace
        // (Escape, Tab, Delete) are keys, not typing.
        for (const char32_t c : key->text().toUcs4()) {
            const bool typing = c == U'\b' || (c >= 0x20 && c != 0x7F);
            if (typing && !box.acceptsKey(static_cast<int>(c)))
                return true;
        }
        return false;
    }

    void focusIn(ui::TextBox& box, QFocusEvent* focus)
    {
        box.gotFocus();
        if (focus->reason() == Qt::MouseFocusReason) {
            // The click that gave the focus would place the caret and undo the selection;
            // show the model's selection again once it is through.
            m_holdSelection = true;
            QTimer::singleShot(0, this, [this] {
                m_holdSelection = false;
                if (auto* current = model())
                    pushSelection(*current);
            });
        }
    }

    void pullText(const QString& text)
    {
        auto* box = model();
        if (!box || pushing())
            return;
        m_pulling = true;
        box->setText(str(text));
        pullSelectionInto(*box);
        m_pulling = false;
        // The model's Change handler may have rewritten the text.
        refresh();
    }

    void pullSelection()
    {
        auto* box = model();
        if (!box || pushing() || m_pulling || m_holdSelection)
            return;
        pullSelectionInto(*box);
    }

    void pullSelectionInto(ui::TextBox& box)
    {
        const QString text = m_edit->text();
        if (m_edit->hasSelectedText()) {
            const int start = m_edit->selectionStart();
            const std::size_t from = utf8Position(text, start);
            box.select(from, utf8Position(text, start + m_edit->selectionLength()) - from);
        } else {
            box.select(utf8Position(text, m_edit->cursorPosition()), 0);
        }
    }

    void pushSelection(const ui::TextBox& box)
    {
        const int start = qtPosition(box.text(), box.selectionStart());
        const int length = qtPosition(box.text(), box.selectionStart() + box.selectionLength()) - start;
        const bool same = length > 0
            ? m_edit->selectionStart() == start && m_edit->selectionLength() == length
            : !m_edit->hasSelectedText() && m_edit->cursorPosition() == start;
        if (same)
            return;
        if (length > 0)
            m_edit->setSelection(start, length);
        else
            m_edit->setCursorPosition(start);
    }

    QLineEdit* m_edit;
    bool m_pulling = false;
    bool m_holdSelection = false;
};

// ---- Label ----

class LabelBinder : public Binder<ui::Label> {
public:
    LabelBinder(QLabel* label, ui::Label& control)
        : Binder(label, control)
        , m_label(label)
    {
        label->setTextFormat(Qt::PlainText);
        label->installEventFilter(this);
        follow();
    }

protected:
    void push() override
    {
        auto* label = model();
        showControl(m_label, *label);
        const QString text = qt(label->text());
        if (m_label->text() != text)
            m_label->setText(text);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* label = model();
        if (!label || watched != m_label)
            return false;
        if (clickInside(watched, event, Qt::LeftButton))
            label->click();
        else if (clickInside(watched, event, Qt::RightButton))
            label->rightClick();
        return false;
    }

private:
    QLabel* m_label;
};

// ---- Check box ----

class CheckBoxBinder : public Binder<ui::CheckBox> {
public:
    CheckBoxBinder(QCheckBox* box, ui::CheckBox& control)
        : Binder(box, control)
        , m_box(box)
    {
        box->installEventFilter(this);
        connect(box, &QCheckBox::clicked, this, [this](bool checked) {
            if (auto* check = model(); check && !pushing()) {
                check->setValue(checked ? 1 : 0);
                refresh();
            }
        });
        forwardFocusRequests(box, control);
        follow();
    }

protected:
    void push() override
    {
        auto* check = model();
        showControl(m_box, *check);
        if (m_caption.shouldShow(check->caption()) && m_box->text() != qt(check->caption()))
            m_box->setText(qt(check->caption()));
        const Qt::CheckState state = check->value() == 1 ? Qt::Checked
            : check->value() == 2                        ? Qt::PartiallyChecked
                                                         : Qt::Unchecked;
        if (state == Qt::PartiallyChecked)
            m_box->setTristate(true);
        if (m_box->checkState() != state)
            m_box->setCheckState(state);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_box || event->type() != QEvent::MouseButtonPress)
            return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (auto* check = model(); check && mouse->button() == Qt::LeftButton)
            check->mouseDown();
        return false;
    }

private:
    QCheckBox* m_box;
    CaptionFollower m_caption;
};

// ---- Option button ----

class OptionButtonBinder : public Binder<ui::OptionButton> {
public:
    OptionButtonBinder(QRadioButton* button, ui::OptionButton& control)
        : Binder(button, control)
        , m_button(button)
    {
        // Qt would refuse to clear the checked button of an exclusive group; the model's
        // group does the excluding.
        button->setAutoExclusive(false);
        connect(button, &QRadioButton::clicked, this, [this] {
            if (auto* option = model(); option && !pushing()) {
                option->click();
                refresh(); // a click on the selected button must not clear it
            }
        });
        forwardFocusRequests(button, control);
        follow();
    }

protected:
    void push() override
    {
        auto* option = model();
        showControl(m_button, *option);
        if (m_caption.shouldShow(option->caption()) && m_button->text() != qt(option->caption()))
            m_button->setText(qt(option->caption()));
        if (m_button->isChecked() != option->selected())
            m_button->setChecked(option->selected());
    }

private:
    QRadioButton* m_button;
    CaptionFollower m_caption;
};

// ---- Combo box ----

class ComboBoxBinder : public Binder<ui::ComboBox> {
public:
    ComboBoxBinder(QComboBox* combo, ui::ComboBox& control)
        : Binder(combo, control)
        , m_combo(combo)
    {
        connect(combo, &QComboBox::activated, this, [this](int index) { pull(m_combo->itemText(index)); });
        if (combo->isEditable() && combo->lineEdit())
            connect(
                combo->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) { pull(text); });
        forwardFocusRequests(combo, control);
        follow();
    }

protected:
    void push() override
    {
        auto* list = model();
        showControl(m_combo, *list);
        QStringList items;
        for (const auto& item : list->items())
            items << qt(item);
        QStringList shown;
        for (int i = 0; i < m_combo->count(); ++i)
            shown << m_combo->itemText(i);
        if (shown != items) {
            m_combo->clear();
            m_combo->addItems(items);
        }
        const QString text = qt(list->text());
        const int index = list->listIndex();
        if (m_combo->currentIndex() != index)
            m_combo->setCurrentIndex(index);
        if (m_combo->isEditable() && m_combo->currentText() != text)
            m_combo->setEditText(text);
    }

private:
    void pull(const QString& text)
    {
        auto* list = model();
        if (!list || pushing())
            return;
        list->setText(str(text));
        refresh();
    }

    QComboBox* m_combo;
};

// ---- Command button and menu item ----

class CommandButtonBinder : public Binder<ui::CommandButton> {
public:
    CommandButtonBinder(QAbstractButton* button, ui::CommandButton& control)
        : Binder(button, control)
        , m_button(button)
    {
        connect(button, &QAbstractButton::clicked, this, [this] {
            if (auto* command = model(); command && !pushing())
                command->click();
        });
        forwardFocusRequests(button, control);
        follow();
    }

protected:
    void push() override
    {
        auto* command = model();
        showControl(m_button, *command);
        if (m_caption.shouldShow(command->caption()) && m_button->text() != qt(command->caption()))
            m_button->setText(qt(command->caption()));
    }

private:
    QAbstractButton* m_button;
    CaptionFollower m_caption;
};

class ActionBinder : public Binder<ui::CommandButton> {
public:
    ActionBinder(QAction* action, ui::CommandButton& control)
        : Binder(action, control)
        , m_action(action)
    {
        connect(action, &QAction::triggered, this, [this] {
            if (auto* command = model(); command && !pushing())
                command->click();
        });
        follow();
    }

protected:
    void push() override
    {
        auto* command = model();
        if (m_caption.shouldShow(command->caption()) && m_action->text() != qt(command->caption()))
            m_action->setText(qt(command->caption()));
        m_action->setVisible(command->visible());
        m_action->setEnabled(command->enabled());
        m_action->setToolTip(qt(command->toolTip()));
    }

private:
    QAction* m_action;
    CaptionFollower m_caption;
};

// ---- Frame ----

class FrameBinder : public Binder<ui::Control> {
public:
    FrameBinder(QGroupBox* frame, ui::Control& control)
        : Binder(frame, control)
        , m_frame(frame)
    {
        follow();
    }

protected:
    void push() override
    {
        auto* control = model();
        showControl(m_frame, *control);
        if (m_caption.shouldShow(control->caption()) && m_frame->title() != qt(control->caption()))
            m_frame->setTitle(qt(control->caption()));
    }

private:
    QGroupBox* m_frame;
    CaptionFollower m_caption;
};

// ---- Window ----

class ScreenBinder : public Binder<ui::Screen> {
public:
    ScreenBinder(QWidget* window, ui::Screen& control)
        : Binder(window, control)
        , m_window(window)
    {
        window->installEventFilter(this);
        registerWindow(control, window);
        follow();
    }

protected:
    void push() override
    {
        auto* screen = model();
        if (m_caption.shouldShow(screen->title()) && m_window->windowTitle() != qt(screen->title()))
            m_window->setWindowTitle(qt(screen->title()));
        if (screen->shown() && m_window->isHidden()) {
            // Qt takes a window's modality only when it is shown: set it first.
            if (screen->modal() && m_window->windowModality() == Qt::NonModal)
                m_window->setWindowModality(Qt::ApplicationModal);
            m_window->show();
            m_window->raise();
            m_window->activateWindow();
        } else if (!screen->shown() && !m_window->isHidden()) {
            m_window->hide();
        }
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* screen = model();
        if (watched != m_window)
            return false;
        switch (event->type()) {
        case QEvent::Close:
            if (!screen || pushing())
                return false;
            screen->requestClose();
            if (model() && model()->shown()) {
                event->ignore(); // the screen stays open
                return true;
            }
            return false;
        case QEvent::KeyPress:
            // Escape is the close box: a dialog would otherwise reject itself behind the
            // model's back; closing asks the model, which decides what closing means.
            if (screen && qobject_cast<QDialog*>(m_window)
                && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
                m_window->close();
                return true;
            }
            return false;
        case QEvent::WindowActivate:
            if (screen && screen->onActivate)
                screen->onActivate();
            return false;
        case QEvent::MouseButtonRelease:
            if (screen && screen->onClick && clickInside(watched, event, Qt::LeftButton)
                && !m_window->childAt(static_cast<QMouseEvent*>(event)->position().toPoint()))
                screen->onClick();
            return false;
        default:
            return false;
        }
    }

private:
    QWidget* m_window;
    CaptionFollower m_caption;
};

} // namespace

void bind(QLineEdit* widget, ui::TextBox& model) { new TextBoxBinder(widget, model); }

void bind(QLabel* widget, ui::Label& model) { new LabelBinder(widget, model); }

void bind(QCheckBox* widget, ui::CheckBox& model) { new CheckBoxBinder(widget, model); }

void bind(QRadioButton* widget, ui::OptionButton& model) { new OptionButtonBinder(widget, model); }

void bind(QComboBox* widget, ui::ComboBox& model) { new ComboBoxBinder(widget, model); }

void bind(QAbstractButton* widget, ui::CommandButton& model) { new CommandButtonBinder(widget, model); }

void bind(QAction* action, ui::CommandButton& model) { new ActionBinder(action, model); }

void bind(QGroupBox* widget, ui::Control& model) { new FrameBinder(widget, model); }

void bind(QWidget* window, ui::Screen& model) { new ScreenBinder(window, model); }

} // namespace tallyman::gui
