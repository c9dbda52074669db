#include "support/ChildProcess.h"
#include "support/TestRegistry.h"

#include <QApplication>
#include <QTest>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace swatchly::test {

static std::map<std::string, TestFactory> &registry()
{
    static std::map<std::string, TestFactory> tests;
    return tests;
}

int registerTest(const char *name, TestFactory factory)
{
    registry().emplace(name, std::move(factory));
    return 0;
}

} // namespace swatchly::test

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("swatchly-tests"));
    if (const auto status = swatchly::test::runChild(argc, argv))
        return *status;

    auto &tests = swatchly::test::registry();
    // "swatchly_tests ClassName [qtest options]" runs one class; no name runs them all.
    if (argc > 1 && argv[1][0] != '-') {
        const auto found = tests.find(argv[1]);
        if (found == tests.end()) {
            std::fprintf(stderr, "No test class named %s\n", argv[1]);
            return 2;
        }
        std::vector<char *> args { argv[0] };
        for (int i = 2; i < argc; ++i)
            args.push_back(argv[i]);
        auto object = found->second();
        return QTest::qExec(object.get(), static_cast<int>(args.size()), args.data());
    }
    int failures = 0;
    for (auto &[name, factory] : tests) {
        auto object = factory();
        failures += QTest::qExec(object.get(), argc, argv) != 0 ? 1 : 0;
    }
    return failures;
}
