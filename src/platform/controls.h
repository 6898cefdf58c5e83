// The screen-model toolkit: controls that hold a screen's state without a window system.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tallyman::ui {

// Something a view listens to: every change of a control's state calls the listeners, so a
// view can refresh its widget. Handlers (the screen's own event code) are separate.
class Observable {
public:
    using Listener = std::function<void()>;
    using ListenerId = std::size_t;

    Observable() = default;
    // A copy starts without listeners: views are bound to one object, not to its value.
    Observable(const Observable&)
        : Observable()
    { }
    Observable& operator=(const Observable&) { return *this; }
    ~Observable() = default;

    ListenerId listen(Listener listener)
    {
        m_listeners.push_back(std::move(listener));
        return m_listeners.size() - 1;
    }
    void unlisten(ListenerId id)
    {
        if (id < m_listeners.size())
            m_listeners[id] = nullptr;
    }
    // Expires when this object is destroyed, so a view that may outlive its model can tell.
    std::weak_ptr<const void> lifetime() const { return m_lifetime; }

protected:
    void notify()
    {
        // By index and by copy: a listener may add or remove listeners while we run; those
        // added now hear the next change.
        const std::size_t count = m_listeners.size();
        for (std::size_t i = 0; i < count; ++i) {
            const Listener listener = m_listeners[i];
            if (listener)
                listener();
        }
    }

private:
    std::vector<Listener> m_listeners;
    std::shared_ptr<const void> m_lifetime = std::make_shared<int>(0);
};

class Control : public Observable {
public:
    bool visible() const { return m_visible; }
    void setVisible(bool visible);
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    const std::string& caption() const { return m_caption; }
    void setCaption(std::string caption);
    const std::string& toolTip() const { return m_toolTip; }
    void setToolTip(std::string toolTip);

    // Focus: the screen's view moves the real focus; gotFocus() runs the model's reaction.
    std::function<void()> onFocusRequested;
    void setFocus()
    {
        if (onFocusRequested)
            onFocusRequested();
        gotFocus();
    }
    virtual void gotFocus() { }

private:
    bool m_visible = true;
    bool m_enabled = true;
    std::string m_caption;
    std::string m_toolTip;
};

// Keys a model sees beyond printable characters.
enum Key : int { KeyBackspace = 8, KeyEnter = 13, KeyLeft = 37, KeyUp = 38, KeyRight = 39, KeyDown = 40 };

class TextBox : public Control {
public:
    const std::string& text() const { return m_text; }
    // Changing the text runs onChange (the screen's Change handler) and tells the view.
    void setText(std::string text);

    // Number boxes drop every key but "0123456789 -." and Backspace.
    void setNumeric(bool numeric) { m_numeric = numeric; }
    bool numeric() const { return m_numeric; }
    // True when the typed character is kept by the box's key filter.
    bool acceptsKey(int key) const;
    // The text an edit in the view left (a key with Alt held, a paste, an input method): in a
    // number box, of the characters that arrived only those the key filter keeps stay; the
    // rest of the text is left as it was. `caret` (a byte position in `edited`) moves with it.
    std::string keptEdit(const std::string& edited, std::size_t& caret) const;
    // Types one character (a Unicode code point, or KeyBackspace) as a person would: filtered,
    // replaces the selection, else inserts at the caret. Returns whether the key was kept.
    bool typeKey(int key);

    // Getting the focus selects the whole text.
    void gotFocus() override;
    std::size_t selectionStart() const { return m_selStart; }
    std::size_t selectionLength() const { return m_selLength; }
    void select(std::size_t start, std::size_t length);

    // A click into the box (a date box opens its picker).
    void click()
    {
        if (enabled() && onClick)
            onClick();
    }

    std::function<void()> onChange;
    std::function<void()> onClick;
    // Enter, Up, Down and the like, before any filtering: the screen may move the focus.
    std::function<void(int key)> onKeyDown;

private:
    std::string m_text;
    bool m_numeric = false;
    std::size_t m_selStart = 0;
    std::size_t m_selLength = 0;
};

class Label : public Control {
public:
    // A label's text is its caption.
    const std::string& text() const { return caption(); }
    void setText(std::string text) { setCaption(std::move(text)); }

    void click()
    {
        if (enabled() && onClick)
            onClick();
    }
    void rightClick()
    {
        if (enabled() && onRightClick)
            onRightClick();
    }
    std::function<void()> onClick;
    std::function<void()> onRightClick;
};

// Value 0 (off) or 1 (on). Setting a different value runs onClick, as a click would.
class CheckBox : public Control {
public:
    int value() const { return m_value; }
    void setValue(int value);
    void click() { setValue(m_value == 1 ? 0 : 1); }
    std::function<void()> onClick;

    // A real press of the mouse button on the box, before it toggles; setting the value from
    // code never runs this.
    void mouseDown()
    {
        if (enabled() && onMouseDown)
            onMouseDown();
    }
    std::function<void()> onMouseDown;

private:
    int m_value = 0;
};

// Value 0 or -1 (selected). Selecting one clears the others of its group.
class OptionButton : public Control {
public:
    int value() const { return m_value; }
    bool selected() const { return m_value == -1; }
    void setValue(int value);
    void click() { setValue(-1); }
    // Buttons that exclude each other; set by the screen.
    void setGroup(std::vector<OptionButton*> group) { m_group = std::move(group); }
    std::function<void()> onClick;

private:
    int m_value = 0;
    std::vector<OptionButton*> m_group;
};

class ComboBox : public Control {
public:
    const std::vector<std::string>& items() const { return m_items; }
    void setItems(std::vector<std::string> items);
    const std::string& text() const { return m_text; }
    // Setting the text selects the matching item, when there is one.
    void setText(std::string text);
    int listIndex() const;
    // Selects the item at `index`; -1 (or an index outside the list) empties the text.
    void setListIndex(int index);
    std::function<void()> onChange;

private:
    std::vector<std::string> m_items;
    std::string m_text;
};

class CommandButton : public Control {
public:
    void click()
    {
        if (enabled() && onClick)
            onClick();
    }
    std::function<void()> onClick;
};

// Control arrays are indexed from 0, as txtAmount(0) to txtAmount(7).
template <typename C, std::size_t N> using ControlArray = std::array<C, N>;

// What every screen model has: a caption (title), visibility, and a way to be closed.
class Screen : public Observable {
public:
    virtual ~Screen() = default;
    const std::string& title() const { return m_title; }
    void setTitle(std::string title);
    bool shown() const { return m_shown; }
    void setShown(bool shown);
    // Runs modally: the rest of the program waits until it closes. Set before the screen is
    // first shown (App::runModal does), so a view makes its window modal before it appears.
    bool modal() const { return m_modal; }
    void setModal(bool modal) { m_modal = modal; }

    // The person asked to close the window (its close box). The screen's handler decides, and
    // hides the screen when it does close; without a handler the screen simply hides.
    void requestClose()
    {
        if (onCloseRequested)
            onCloseRequested();
        else
            setShown(false);
    }
    std::function<void()> onCloseRequested;
    // The window became the active one, or was clicked on a spot without a control.
    std::function<void()> onActivate;
    std::function<void()> onClick;

private:
    std::string m_title;
    bool m_shown = false;
    bool m_modal = false;
};

} // namespace tallyman::ui
