// The screen to window registry.
#include "gui/window_registry.h"

#include "platform/controls.h"

#include <QPointer>

#include <map>
#include <memory>

namespace tallyman::gui {

namespace {

struct Entry {
    std::weak_ptr<const void> screenAlive; // a later screen may reuse the address
    QPointer<QWidget> window;
};

std::map<const ui::Screen*, Entry>& registry()
{
    static std::map<const ui::Screen*, Entry> windows;
    return windows;
}

} // namespace

void registerWindow(const ui::Screen& screen, QWidget* window)
{
    auto& windows = registry();
    std::erase_if(
        windows, [](const auto& item) { return item.second.screenAlive.expired() || !item.second.window; });
    windows[&screen] = { screen.lifetime(), window };
}

QWidget* windowOf(const ui::Screen& screen)
{
    const auto& windows = registry();
    const auto it = windows.find(&screen);
    if (it == windows.end() || it->second.screenAlive.expired())
        return nullptr;
    return it->second.window.data();
}

} // namespace tallyman::gui
