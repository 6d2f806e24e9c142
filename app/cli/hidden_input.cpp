#include "hidden_input.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cstdio>

namespace velorin {

std::optional<std::string> ReadHiddenLine(const std::string& prompt) {
    // The terminal itself, so that a password is read from the keyboard even
    // when the standard input is redirected.
    const int tty = ::open("/dev/tty", O_RDWR | O_CLOEXEC);
    if (tty < 0)
        return std::nullopt;
    termios saved{};
    const bool canHide = ::tcgetattr(tty, &saved) == 0;
    if (canHide) {
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
        if (n <= 0) {
            ended = line.empty();
            break;
        }
        if (c == '\n')
            break;
        line += c;
    }
    if (canHide)
        ::tcsetattr(tty, TCSAFLUSH, &saved);
    ::close(tty);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (ended)
        return std::nullopt;
    return line;
}

}  // namespace velorin
