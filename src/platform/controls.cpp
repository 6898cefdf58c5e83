// Behaviour of the screen-model controls.
#include "platform/controls.h"

#include <algorithm>

namespace tallyman::ui {

void Control::setVisible(bool visible)
{
    if (m_visible == visible)
        return;
    m_visible = visible;
    notify();
}

void Control::setEnabled(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    notify();
}

void Control::setCaption(std::string caption)
{
    if (m_caption == caption)
        return;
    m_caption = std::move(caption);
    notify();
}

void TextBox::setText(std::string text)
{
    if (m_text == text)
        return;
    m_text = std::move(text);
    m_selStart = std::min(m_selStart, m_text.size());
    m_selLength = 0;
    if (onChange)
        onChange();
    notify();
}

bool TextBox::acceptsKey(int key) const
{
    if (!m_numeric || key == KeyBackspace)
        return true;
    return key == ' ' || key == '-' || key == '.' || (key >= '0' && key <= '9');
}

bool TextBox::typeKey(int key)
{
    if (!acceptsKey(key))
        return false;
    std::string text = m_text;
    const auto start = std::min(m_selStart, text.size());
    const auto length = std::min(m_selLength, text.size() - start);
    std::size_t caret = start;
    if (key == KeyBackspace) {
        if (length > 0) {
            text.erase(start, length);
        } else if (start > 0) {
            text.erase(start - 1, 1);
            caret = start - 1;
        }
    } else {
        text.replace(start, length, 1, static_cast<char>(key));
        caret = start + 1;
    }
    setText(std::move(text));
    select(caret, 0);
    return true;
}

void TextBox::gotFocus()
{
    select(0, m_text.size());
}

void TextBox::select(std::size_t start, std::size_t length)
{
    m_selStart = std::min(start, m_text.size());
    m_selLength = std::min(length, m_text.size() - m_selStart);
    notify();
}

void CheckBox::setValue(int value)
{
    if (m_value == value)
        return;
    m_value = value;
    if (onClick)
        onClick();
    notify();
}

void OptionButton::setValue(int value)
{
    if (value == -1) {
        for (auto *other : m_group)
            if (other != this && other->m_value != 0) {
                other->m_value = 0;
                other->notify();
            }
    }
    if (m_value == value)
        return;
    m_value = value;
    if (value == -1 && onClick)
        onClick();
    notify();
}

void ComboBox::setItems(std::vector<std::string> items)
{
    m_items = std::move(items);
    notify();
}

void ComboBox::setText(std::string text)
{
    if (m_text == text)
        return;
    m_text = std::move(text);
    if (onChange)
        onChange();
    notify();
}

int ComboBox::listIndex() const
{
    const auto it = std::find(m_items.begin(), m_items.end(), m_text);
    return it == m_items.end() ? -1 : static_cast<int>(it - m_items.begin());
}

void Screen::setTitle(std::string title)
{
    if (m_title == title)
        return;
    m_title = std::move(title);
    notify();
}

void Screen::setShown(bool shown)
{
    if (m_shown == shown)
        return;
    m_shown = shown;
    notify();
}

} // namespace tallyman::ui
