// Every test class registers itself here; the one test executable runs a class by name
// (CTest runs each class as its own test) or all of them.
#pragma once

#include <QObject>

#include <functional>
#include <memory>

namespace swatchly::test {

using TestFactory = std::function<std::unique_ptr<QObject>()>;

int registerTest(const char *name, TestFactory factory);

} // namespace swatchly::test

#define SWATCHLY_TEST(Class)                                                                       \
    [[maybe_unused]] static const int Class##Registered =                                          \
        swatchly::test::registerTest(#Class, [] { return std::unique_ptr<QObject>(new Class); });
