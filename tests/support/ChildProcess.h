// Parts of a test that must run in a process of their own (several copies of the program at
// once, a process that is killed or loses its display, a process of another user). The test
// executable runs a child registered here by "swatchly_tests --child NAME ARGS..."; the child
// talks to the test through its standard output.
#pragma once

#include <QProcess>
#include <QStringList>

#include <functional>
#include <optional>

namespace swatchly::test {

using ChildMain = std::function<int(const QStringList &args)>;

int registerChild(const char *name, ChildMain child);
// The exit status of the child named by argv ("--child NAME ARGS..."), or nothing when argv
// names none.
std::optional<int> runChild(int argc, char **argv);

// Starts the child in process with the environment given (the test's own when empty). With
// unprivileged, a test that runs as root runs the child as the user nobody, so that file
// permissions hold for it.
void startChild(QProcess &process, const QString &name, const QStringList &args,
                bool unprivileged = false,
                const QProcessEnvironment &environment = QProcessEnvironment());
// Gives a folder and everything in it to the user the unprivileged children run as.
void handToChildren(const QString &folder);

// The first line the child writes that starts with prefix, without the prefix; nothing when
// the child ends, or timeout passes, before it writes one.
std::optional<QByteArray> waitForLine(QProcess &process, const QByteArray &prefix,
                                      int timeout = 20000);

} // namespace swatchly::test

#define SWATCHLY_TEST_CHILD(name, function)                                                        \
    [[maybe_unused]] static const int childRegistered##function =                                  \
        swatchly::test::registerChild(name, function);
