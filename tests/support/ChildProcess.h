// Running one part of a test in a child process: the test process forked, holding the test's
// windows, services and files as they are at that moment. What would end the test process (a
// signal the program fails to handle) ends only the child and fails the test cleanly, and a
// part that depends on file permissions runs as an unprivileged user even when the tests run
// as the superuser, for whom no permission is ever missing.
#pragma once

#include <QString>

#include <functional>

namespace swatchly::test {

enum class RunAs { TestUser, Unprivileged };

// Runs part in a child process and waits for it. Returns what went wrong there, empty when
// every check in part passed. The child's changes to memory stay in the child; its changes to
// files do not.
QString inChildProcess(const std::function<void()> &part, RunAs as = RunAs::TestUser);

// Gives folder and everything in it to the unprivileged user, so that a part run as that user
// works on it as its owner. Does nothing when the tests do not run as the superuser.
bool giveToUnprivilegedUser(const QString &folder);

} // namespace swatchly::test
