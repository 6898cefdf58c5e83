// Behaviour of the screen-model controls.
#include "platform/controls.h"

#include <algorithm>

namespace tallyman::ui {

namespace {

// A typed character as UTF-8, the encoding of every text in memory.
std::string utf8(int key)
{
    const auto c = static_cast<unsigned>(key);
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

} // namespace

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

void Control::setToolTip(std::string toolTip)
{
    if (m_toolTip == toolTip)
        return;
    m_toolTip = std::move(toolTip);
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

std::string TextBox::keptEdit(const std::string& edited, std::size_t& caret) const
{
    if (!m_numeric)
        return edited;
    // What arrived lies between the part before and the part after that did not change.
    const auto continuation = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; };
    std::size_t before = 0;
    while (before < edited.size() && before < m_text.size() && edited[before] == m_text[before])
        ++before;
    while (before > 0 && before < edited.size() && continuation(edited[before]))
        --before;
    std::size_t after = 0;
    while (after < edited.size() - before && after < m_text.size() - before
        && edited[edited.size() - 1 - after] == m_text[m_text.size() - 1 - after])
        ++after;
    while (after > 0 && continuation(edited[edited.size() - after]))
        --after;
    std::string kept = edited.substr(0, before);
    const std::size_t arrivedEnd = edited.size() - after;
    std::size_t newCaret = caret <= before ? caret : std::string::npos;
    for (std::size_t i = before; i < arrivedEnd; ++i) {
        if (i == caret)
            newCaret = kept.size();
        // Every key the filter keeps is ASCII: a byte of a longer character is dropped.
        const auto c = static_cast<unsigned char>(edited[i]);
        if (c < 0x80 && acceptsKey(c))
            kept += edited[i];
    }
    if (newCaret == std::string::npos)
        newCaret = kept.size() + (caret - std::min(caret, arrivedEnd));
    kept.append(edited, arrivedEnd, std::string::npos);
    caret = std::min(newCaret, kept.size());
    return kept;
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
        const std::string typed = utf8(key);
        text.replace(start, length, typed);
        caret = start + typed.size();
    }
    setText(std::move(text));
    select(caret, 0);
    return true;
}

void TextBox::gotFocus() { select(0, m_text.size()); }

void TextBox::select(std::size_t start, std::size_t length)
{
    start = std::min(start, m_text.size());
    length = std::min(length, m_text.size() - start);
    if (start == m_selStart && length == m_selLength)
        return;
    m_selStart = start;
    m_selLength = length;
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
        for (auto* other : m_group)
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

void ComboBox::setListIndex(int index)
{
    if (index >= 0 && static_cast<std::size_t>(index) < m_items.size())
        setText(m_items[static_cast<std::size_t>(index)]);
    else
        setText({});
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
