// The screen-model toolkit: controls that hold a screen's state without a window system.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace tallyman::ui {

// Something a view listens to: every change of a control's state calls the listeners, so a
// view can refresh its widget. Handlers (the screen's own event code) are separate.
class Observable {
public:
    using Listener = std::function<void()>;
    void listen(Listener listener) { m_listeners.push_back(std::move(listener)); }

protected:
    void notify()
    {
        for (auto &listener : m_listeners)
            listener();
    }

private:
    std::vector<Listener> m_listeners;
};

class Control : public Observable {
public:
    bool visible() const { return m_visible; }
    void setVisible(bool visible);
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    const std::string &caption() const { return m_caption; }
    void setCaption(std::string caption);

    // Focus: the screen's view moves the real focus; gotFocus() runs the model's reaction.
    std::function<void()> onFocusRequested;
    void setFocus()
    {
        if (onFocusRequested)
            onFocusRequested();
        gotFocus();
    }
    virtual void gotFocus() {}

private:
    bool m_visible = true;
    bool m_enabled = true;
    std::string m_caption;
};

// Keys a model sees beyond printable characters.
enum Key : int { KeyBackspace = 8, KeyEnter = 13, KeyUp = 38, KeyDown = 40 };

class TextBox : public Control {
public:
    const std::string &text() const { return m_text; }
    // Changing the text runs onChange (the screen's Change handler) and tells the view.
    void setText(std::string text);

    // Number boxes drop every key but "0123456789 -." and Backspace.
    void setNumeric(bool numeric) { m_numeric = numeric; }
    bool numeric() const { return m_numeric; }
    // True when the typed character is kept by the box's key filter.
    bool acceptsKey(int key) const;
    // Types one character as a person would: filtered, replaces the selection, else appends.
    // Returns whether the key was kept.
    bool typeKey(int key);

    // Getting the focus selects the whole text.
    void gotFocus() override;
    std::size_t selectionStart() const { return m_selStart; }
    std::size_t selectionLength() const { return m_selLength; }
    void select(std::size_t start, std::size_t length);

    std::function<void()> onChange;
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
    const std::string &text() const { return caption(); }
    void setText(std::string text) { setCaption(std::move(text)); }
};

// Value 0 (off) or 1 (on). Setting a different value runs onClick, as a click would.
class CheckBox : public Control {
public:
    int value() const { return m_value; }
    void setValue(int value);
    void click() { setValue(m_value == 1 ? 0 : 1); }
    std::function<void()> onClick;

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
    void setGroup(std::vector<OptionButton *> group) { m_group = std::move(group); }
    std::function<void()> onClick;

private:
    int m_value = 0;
    std::vector<OptionButton *> m_group;
};

class ComboBox : public Control {
public:
    const std::vector<std::string> &items() const { return m_items; }
    void setItems(std::vector<std::string> items);
    const std::string &text() const { return m_text; }
    // Setting the text selects the matching item, when there is one.
    void setText(std::string text);
    int listIndex() const;
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
template <typename C, std::size_t N>
using ControlArray = std::array<C, N>;

// What every screen model has: a caption (title), visibility, and a way to be closed.
class Screen : public Observable {
public:
    virtual ~Screen() = default;
    const std::string &title() const { return m_title; }
    void setTitle(std::string title);
    bool shown() const { return m_shown; }
    void setShown(bool shown);

private:
    std::string m_title;
    bool m_shown = false;
};

} // namespace tallyman::ui
