// SPDX-License-Identifier: GPL-3.0-or-later
// brevora-wake: holds the alarm timers that wake the machine from suspend at the program's next due moments.
//
// Waking the machine takes CAP_WAKE_ALARM, which the program itself should not hold, so this small helper holds
// it instead (the package gives it the capability as a file capability). It takes nothing but instants on its
// standard input (see wakeprotocol.h), opens no file and no socket, starts no program, and keeps no capability but
// that one. It ends when its standard input closes, that is, with the program that started it.
//
// Exit status: 0 when the input closed, 1 when reading or polling failed, 3 when it cannot hold alarm timers (it
// has said "unable: REASON" first).
#include "wake/wakeprotocol.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include <linux/capability.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/timerfd.h>
#include <unistd.h>

using namespace brevora::wake;

namespace {

void writeAll(int fd, std::string text)
{
    text.push_back('\n');
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return; // the program has gone; the end of its pipe ends us next
        done += std::size_t(n);
    }
}

void say(std::string line)
{
    writeAll(STDOUT_FILENO, std::move(line));
}

void complain(std::string_view what)
{
    writeAll(STDERR_FILENO, "brevora-wake: " + std::string(what));
}

std::string errorName(int error)
{
    if (error == EPERM)
        return "EPERM: lacks cap_wake_alarm";
    if (error == EINVAL)
        return "EINVAL: the kernel has no alarm timers";
    const char *name = strerrorname_np(error);
    return std::string(name ? name : "error") + ": " + std::strerror(error);
}

// Creating an alarm timer needs CAP_WAKE_ALARM, and so does every timerfd_settime on one (the kernel checks it
// again there, so the capability cannot be dropped once the timers exist). Everything else goes: the other
// capabilities, the bounding set where we may drop it (that needs CAP_SETPCAP, which root has and a file
// capability does not give), the ambient set, and any gain through a later exec.
bool keepOnlyWakeAlarm()
{
    prctl(PR_CAP_AMBIENT, PR_CAP_AMBIENT_CLEAR_ALL, 0, 0, 0);
    for (int cap = 0; prctl(PR_CAPBSET_READ, cap, 0, 0, 0) >= 0; ++cap)
        prctl(PR_CAPBSET_DROP, cap, 0, 0, 0);
    if (prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0)
        return false;
    __user_cap_header_struct header{ _LINUX_CAPABILITY_VERSION_3, 0 };
    std::array<__user_cap_data_struct, _LINUX_CAPABILITY_U32S_3> wanted{};
    wanted[CAP_TO_INDEX(CAP_WAKE_ALARM)].permitted = CAP_TO_MASK(CAP_WAKE_ALARM);
    wanted[CAP_TO_INDEX(CAP_WAKE_ALARM)].effective = CAP_TO_MASK(CAP_WAKE_ALARM);
    if (syscall(SYS_capset, &header, wanted.data()) != 0)
        return false;
    // Read back: a kernel that took less than asked must not leave us believing we hold nothing more.
    std::array<__user_cap_data_struct, _LINUX_CAPABILITY_U32S_3> held{};
    if (syscall(SYS_capget, &header, held.data()) != 0)
        return false;
    return std::memcmp(held.data(), wanted.data(), sizeof held) == 0;
}

class Alarms
{
public:
    // All the timers are made at once, while the capability is certainly held.
    int create()
    {
        for (int &fd : m_fds) {
            fd = timerfd_create(CLOCK_REALTIME_ALARM, TFD_NONBLOCK | TFD_CLOEXEC);
            if (fd < 0)
                return errno;
        }
        return 0;
    }

    void answer(std::string_view line)
    {
        const ParsedLine parsed = parseInstantLine(line);
        if (!parsed.error.empty()) {
            complain("line refused, the previous instants stay: " + std::string(parsed.error));
            say("error " + std::string(parsed.error));
            return;
        }
        for (std::size_t i = 0; i < maxInstants; ++i) {
            m_armedAt[i] = i < parsed.instants.count ? parsed.instants.at[i] : 0;
            itimerspec due{};
            due.it_value.tv_sec = std::time_t(m_armedAt[i]);
            if (timerfd_settime(m_fds[i], TFD_TIMER_ABSTIME, &due, nullptr) != 0) {
                const std::string why = "cannot arm: " + errorName(errno);
                disarmAll(); // half a set would wake at some moments and not others
                complain(why);
                say("error " + why);
                return;
            }
        }
        say("ok " + std::to_string(parsed.instants.count));
    }

    void addPollFds(pollfd *fds) const
    {
        for (std::size_t i = 0; i < maxInstants; ++i)
            fds[i] = { m_fds[i], POLLIN, 0 };
    }

    void reportRung(const pollfd *fds)
    {
        for (std::size_t i = 0; i < maxInstants; ++i) {
            std::uint64_t expirations = 0;
            // A timer re-armed since the poll has nothing to read, and its old moment has not rung.
            if ((fds[i].revents & POLLIN) && ::read(m_fds[i], &expirations, sizeof expirations) > 0) {
                say("rang " + std::to_string(m_armedAt[i]));
                m_armedAt[i] = 0;
            }
        }
    }

private:
    void disarmAll()
    {
        const itimerspec off{};
        for (std::size_t i = 0; i < maxInstants; ++i) {
            timerfd_settime(m_fds[i], 0, &off, nullptr);
            m_armedAt[i] = 0;
        }
    }

    std::array<int, maxInstants> m_fds{};
    std::array<std::int64_t, maxInstants> m_armedAt{};
};

} // namespace

int main()
{
    // Whatever the starting program left open is not ours to hold with a capability.
    close_range(3, ~0U, 0);
    Alarms alarms;
    if (const int error = alarms.create(); error != 0) {
        say("unable: " + errorName(error));
        return 3;
    }
    if (!keepOnlyWakeAlarm()) {
        say("unable: cannot drop the other capabilities");
        return 3;
    }
    say("ready");

    std::array<pollfd, 1 + maxInstants> fds{};
    fds[0] = { STDIN_FILENO, POLLIN, 0 };
    alarms.addPollFds(fds.data() + 1);
    LineSplitter splitter;
    std::array<char, 4096> buffer{};
    for (;;) {
        if (poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR)
                continue;
            complain(std::string("poll: ") + std::strerror(errno));
            return 1;
        }
        // The timers first: a line that re-arms a timer which has just expired would swallow its ring.
        alarms.reportRung(fds.data() + 1);
        if (fds[0].revents == 0)
            continue;
        const ssize_t n = ::read(STDIN_FILENO, buffer.data(), buffer.size());
        if (n == 0)
            return 0;
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN)
                continue;
            complain(std::string("read: ") + std::strerror(errno));
            return 1;
        }
        splitter.feed(std::string_view(buffer.data(), std::size_t(n)),
                      [&alarms](std::string_view line) { alarms.answer(line); });
    }
}
