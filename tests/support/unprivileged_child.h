// Running part of a test as a user without privileges: root writes into
// read-only folders, so tests of read-only program directories run their
// writes in a child process that gives up root first.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace corvela_test {

struct ChildOutcome {
    int code = -1;       // the child's exit code; 4: root could not be given up; -1: it died
    std::string errors;  // what it wrote to standard error
};

// Runs body() in a child process (as user and group 65534 when the test runs
// as root) and returns its exit code, which is body's answer, with its
// standard error.  The child leaves with _exit, running no destructors.
template <class Body>
ChildOutcome RunUnprivileged(Body body) {
    ChildOutcome outcome;
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) return outcome;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        ::dup2(pipeEnds[1], 2);
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(4);
        ::_exit(body());
    }
    ::close(pipeEnds[1]);
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        outcome.errors.append(buffer, static_cast<std::size_t>(n));
    ::close(pipeEnds[0]);
    int status = 0;
    if (child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status))
        outcome.code = WEXITSTATUS(status);
    return outcome;
}

// How often `text` occurs in `in`.
inline int CountOf(const std::string& in, const std::string& text) {
    int count = 0;
    for (auto at = in.find(text); at != std::string::npos; at = in.find(text, at + text.size()))
        ++count;
    return count;
}

}  // namespace corvela_test
