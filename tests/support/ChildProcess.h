// Parts of a test that run in a process of their own.
//
// inChildProcess forks the test process, holding the test's windows, services and files as
// they are at that moment: what would end the test process (a signal the program fails to
// handle) ends only the child and fails the test cleanly.
//
// Children registered with SWATCHLY_TEST_CHILD are fresh processes of the test executable
// ("swatchly_tests --child NAME ARGS..."), for several copies of the program at once, a copy
// that is killed or loses its display; such a child talks to the test through its standard
// output.
//
// Either kind can run as an unprivileged user when the tests run as the superuser, for whom no
// file permission is ever missing, so that a test of permissions checks the same thing for
// root as for anyone.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace swatchly::test {

enum class RunAs { TestUser, Unprivileged };

// Runs part in a forked child process and waits for it. Returns what went wrong there, empty
// when every check in part passed. The child's changes to memory stay in the child; its
// changes to files do not.
QString inChildProcess(const std::function<void()> &part, RunAs as = RunAs::TestUser);

// Gives folder and everything in it to the unprivileged user, so that a part or child run as
// that user works on it as its owner. Does nothing when the tests do not run as the superuser.
bool giveToUnprivilegedUser(const QString &folder);

using ChildMain = std::function<int(const QStringList &args)>;

int registerChild(const char *name, ChildMain child);
// The exit status of the child named by argv ("--child NAME ARGS..."), or nothing when argv
// names none.
std::optional<int> runChild(int argc, char **argv);

// Starts the child in process with the environment given (the test's own when empty). With
// unprivileged, a test that runs as root runs the child as the user nobody.
void startChild(QProcess &process, const QString &name, const QStringList &args,
                bool unprivileged = false,
                const QProcessEnvironment &environment = QProcessEnvironment());

// The first line the child writes that starts with prefix, without the prefix; nothing when
// the child ends, or timeout passes, before it writes one.
std::optional<QByteArray> waitForLine(QProcess &process, const QByteArray &prefix,
                                      int timeout = 20000);

} // namespace swatchly::test

#define SWATCHLY_TEST_CHILD(name, function)                                                        \
    [[maybe_unused]] static const int childRegistered##function =                                  \
        swatchly::test::registerChild(name, function);
