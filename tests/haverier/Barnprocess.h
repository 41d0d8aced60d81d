#pragma once
// Running the writer program as a child process: with extra environment
// ("NAME=value"), its stdout and stderr read through pipes.

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace tovana::test {

struct Barn {
    pid_t pid = -1;
    int ut = -1;  // the child's stdout
    int fel = -1; // the child's stderr
};

// Starts the program; pid -1 when it could not be started.
inline Barn StartaBarn(const std::vector<std::string> &argument,
                       const std::vector<std::string> &miljo = {}) {
    std::vector<char *> argv;
    for (const auto &a : argument)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<char *> envp;
    for (char **e = environ; *e != nullptr; ++e)
        envp.push_back(*e);
    for (const auto &m : miljo)
        envp.push_back(const_cast<char *>(m.c_str()));
    envp.push_back(nullptr);

    int ut[2], fel[2];
    if (::pipe2(ut, O_CLOEXEC) != 0)
        return {};
    if (::pipe2(fel, O_CLOEXEC) != 0) {
        ::close(ut[0]);
        ::close(ut[1]);
        return {};
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(ut[1], 1);
        ::dup2(fel[1], 2);
        ::execve(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }
    ::close(ut[1]);
    ::close(fel[1]);
    if (pid < 0) {
        ::close(ut[0]);
        ::close(fel[0]);
        return {};
    }
    return Barn{pid, ut[0], fel[0]};
}

// Everything left to read from the descriptor, which is then closed.
inline std::string LasAllt(int fd) {
    std::string text;
    char buf[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        text.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return text;
}

// One line without its line end, read a byte at a time so nothing after it is
// taken; empty at the end of the output.
inline std::string LasRad(int fd) {
    std::string rad;
    char c;
    for (;;) {
        const ssize_t n = ::read(fd, &c, 1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0 || c == '\n')
            return rad;
        rad += c;
    }
}

inline int VantaPa(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

struct Utfall {
    int status = -1; // as waitpid gives it
    std::string ut;
    std::string fel;
};

// Runs the program to its end.
inline Utfall KorBarn(const std::vector<std::string> &argument,
                      const std::vector<std::string> &miljo = {}) {
    const Barn barn = StartaBarn(argument, miljo);
    if (barn.pid < 0)
        return {};
    Utfall utfall;
    utfall.ut = LasAllt(barn.ut);
    utfall.fel = LasAllt(barn.fel);
    utfall.status = VantaPa(barn.pid);
    return utfall;
}

} // namespace tovana::test
