// Registry of the Qt Test classes that make up tests_gui.
#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

namespace tallyman::gui::test {

using Factory = std::function<std::unique_ptr<QObject>()>;

inline std::vector<Factory>& registered()
{
    static std::vector<Factory> tests;
    return tests;
}

template <typename T> bool registerTest()
{
    registered().push_back([] { return std::make_unique<T>(); });
    return true;
}

} // namespace tallyman::gui::test

#define TALLYMAN_GUI_TEST(Class)                                                                             \
    [[maybe_unused]] static const bool registered##Class = tallyman::gui::test::registerTest<Class>();
