#include "hidden_input.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>

namespace velorin {
namespace {

// The terminal as it was, put back when an interrupt or a termination comes
// while the password is typed, so that no shell is left without echo.
int hiddenTerminal = -1;
termios shownSettings{};

void RestoreAndRaise(int signal) {
    if (hiddenTerminal >= 0)
        ::tcsetattr(hiddenTerminal, TCSAFLUSH, &shownSettings);
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

}  // namespace

std::optional<std::string> ReadHiddenLine(const std::string& prompt) {
    // The terminal itself, so that a password is read from the keyboard even
    // when the standard input is redirected.
    const int tty = ::open("/dev/tty", O_RDWR | O_CLOEXEC);
    if (tty < 0)
        return std::nullopt;
    termios saved{};
    const bool canHide = ::tcgetattr(tty, &saved) == 0;
    struct sigaction restore {};
    struct sigaction previous[2]{};
    const int signals[2] = {SIGINT, SIGTERM};
    if (canHide) {
        hiddenTerminal = tty;
        shownSettings = saved;
        restore.sa_handler = RestoreAndRaise;
        for (int i = 0; i < 2; ++i)
            ::sigaction(signals[i], &restore, &previous[i]);
        termios hidden = saved;
        hidden.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        hidden.c_lflag |= ECHONL;
        ::tcsetattr(tty, TCSAFLUSH, &hidden);
    }
    (void)!::write(tty, prompt.data(), prompt.size());
    std::string line;
    bool ended = false;
    char c = 0;
    while (true) {
        const ssize_t n = ::read(tty, &c, 1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ended = line.empty();
            break;
        }
        if (c == '\n')
            break;
        line += c;
    }
    if (canHide) {
        ::tcsetattr(tty, TCSAFLUSH, &saved);
        for (int i = 0; i < 2; ++i)
            ::sigaction(signals[i], &previous[i], nullptr);
        hiddenTerminal = -1;
    }
    ::close(tty);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (ended)
        return std::nullopt;
    return line;
}

}  // namespace velorin
