// Files under tests/data the tests compare with.
#pragma once

#include <source_location>
#include <string>

namespace tallyman::test {

// Compares `actual` with tests/data/<name> in this run. Nothing writes a golden file: a
// missing one fails the test naming it and showing what was produced, for a person to check
// before saving it.
// A failure names the line of the test that called.
void expectGolden(const std::string& name, const std::string& actual,
    std::source_location caller = std::source_location::current());

// The bytes of tests/data/<name>; a missing file fails the test.
std::string testData(const std::string& name);

} // namespace tallyman::test
