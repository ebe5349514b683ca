#include "app/cli/PasswordInput.h"

#include <cerrno>
#include <termios.h>
#include <unistd.h>

namespace PasswordInput {

namespace {

// One line from `fd`, without its line end; nullopt at the end of the input.
std::optional<QString> readLine(int fd)
{
    QByteArray line;
    char c = 0;
    bool any = false;
    for (;;) {
        const ssize_t n = ::read(fd, &c, 1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        any = true;
        if (c == '\n')
            break;
        line += c;
    }
    if (!any)
        return std::nullopt;
    if (line.endsWith('\r'))
        line.chop(1);
    return QString::fromUtf8(line);
}

// Switches the terminal's echo off for its lifetime; restored even when reading fails.
class HiddenTyping
{
public:
    explicit HiddenTyping(int fd)
        : m_fd(fd)
    {
        m_saved = ::tcgetattr(fd, &m_original) == 0;
        if (!m_saved)
            return;
        termios quiet = m_original;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        quiet.c_lflag |= ECHONL; // the Enter still moves to the next line
        ::tcsetattr(fd, TCSAFLUSH, &quiet);
    }
    ~HiddenTyping()
    {
        if (m_saved)
            ::tcsetattr(m_fd, TCSAFLUSH, &m_original);
    }
    HiddenTyping(const HiddenTyping &) = delete;
    HiddenTyping &operator=(const HiddenTyping &) = delete;

private:
    int m_fd;
    termios m_original{};
    bool m_saved = false;
};

} // namespace

std::optional<QString> ReadAdministratorPassword(int fd, QTextStream &prompts)
{
    if (!::isatty(fd))
        return readLine(fd);

    HiddenTyping hidden(fd);
    prompts << "Clave del administrador: " << Qt::flush;
    const auto first = readLine(fd);
    if (!first)
        return std::nullopt;
    prompts << "Confirme la clave: " << Qt::flush;
    const auto second = readLine(fd);
    if (!second)
        return std::nullopt;
    if (*first != *second) {
        prompts << "Las dos claves no coinciden.\n" << Qt::flush;
        return std::nullopt;
    }
    return first;
}

} // namespace PasswordInput
