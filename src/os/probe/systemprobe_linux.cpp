// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/probe/systemprobe.h"

#include "os/files/regularfile.h"
#include "os/session/desktopentryfile.h"
#include "os/session/logonstart.h"
#include "os/wake/wakehelper.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <pulse/context.h>
#include <pulse/mainloop.h>
#include <sndfile.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

namespace brevora {

namespace {

bool sessionBusReachable()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    // Without an address the bus library may launch a bus of its own; only a running one counts.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}

bool xembedTrayPresent()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return false;
    int screen = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screen);
    bool present = false;
    if (!xcb_connection_has_error(connection)) {
        const QByteArray name = "_NET_SYSTEM_TRAY_S" + QByteArray::number(screen);
        auto *atom = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 1, static_cast<uint16_t>(name.size()), name.constData()), nullptr);
        if (atom && atom->atom != XCB_ATOM_NONE) {
            auto *owner
                = xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom), nullptr);
            present = owner && owner->owner != XCB_WINDOW_NONE;
            free(owner);
        }
        free(atom);
    }
    xcb_disconnect(connection);
    return present;
}

class DesktopProbe final : public SystemProbe
{
public:
    explicit DesktopProbe(QString executablePath)
        : m_executable(std::move(executablePath))
    { }

    Finding logonEntry() const override
    {
        const DesktopAutostart autostart(m_executable);
        QString path = autostart.entryPath();
        // An entry an earlier version wrote under another name starts the program until Options are saved again.
        if (const QStringList earlier = autostart.earlierEntryPaths(); !QFileInfo::exists(path) && !earlier.isEmpty())
            path = earlier.first();
        // Read without blocking: a pipe in its place would hold the check for good.
        const std::optional<QByteArray> read = readRegularFile(path, 1 << 20);
        if (!read)
            return { path, QStringLiteral("the log-on setting is on but there is no autostart entry") };
        const QByteArray text = *read;
        if (desktopEntryValue(text, "Hidden").compare(u"true", Qt::CaseInsensitive) == 0
            || desktopEntryValue(text, "X-GNOME-Autostart-enabled").compare(u"false", Qt::CaseInsensitive) == 0)
            return { path, QStringLiteral("the log-on setting is on but the autostart entry is switched off") };
        // The session skips an entry whose TryExec program is missing, so it is checked like the one Exec runs.
        QStringList programs{ execProgram(desktopEntryValue(text, "Exec")) };
        if (const QString tryExec = desktopEntryValue(text, "TryExec"); !tryExec.isEmpty())
            programs.append(tryExec);
        for (const QString &program : std::as_const(programs)) {
            const QString found = program.contains(u'/') ? program : QStandardPaths::findExecutable(program);
            const QFileInfo info(found);
            if (program.isEmpty() || !info.isFile() || !info.isExecutable())
                return {
                    path,
                    QStringLiteral("the autostart entry runs \"%1\", which is not a program that exists").arg(program)
                };
        }
        return { path, {} };
    }

    bool notificationAreaPresent() const override
    {
        if (sessionBusReachable()) {
            const QDBusConnection bus = QDBusConnection::sessionBus();
            if (bus.isConnected()
                && bus.interface()->isServiceRegistered(QStringLiteral("org.kde.StatusNotifierWatcher")))
                return true;
        }
        return xembedTrayPresent();
    }

    bool soundServerAnswers() const override
    {
        pa_mainloop *loop = pa_mainloop_new();
        pa_context *context = pa_context_new(pa_mainloop_get_api(loop), "Brevora check");
        bool ready = false;
        if (context && pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0) {
            // A missing server refuses at once; a server that hangs is given a few seconds.
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
            while (std::chrono::steady_clock::now() < deadline) {
                pa_mainloop_iterate(loop, 0, nullptr);
                const pa_context_state_t state = pa_context_get_state(context);
                if (state == PA_CONTEXT_READY) {
                    ready = true;
                    break;
                }
                if (!PA_CONTEXT_IS_GOOD(state))
                    break;
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
            pa_context_disconnect(context);
        }
        if (context)
            pa_context_unref(context);
        pa_mainloop_free(loop);
        return ready;
    }

    Finding wakeHelper() const override
    {
        WakeHelper helper;
        helper.start();
        if (!helper.waitForAnswer(3000))
            return { helper.program(), QStringLiteral("brevora-wake did not answer within 3 seconds") };
        return { helper.program(), helper.reason() };
    }

    std::optional<qint64> soundFrames(const QString &path) const override
    {
        SF_INFO info{};
        SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
        if (!file)
            return std::nullopt;
        // The header's count is not trusted alone: a cut-off file claims frames it does not hold.
        std::vector<float> frames(static_cast<std::size_t>(std::max(1, info.channels)) * 64);
        const sf_count_t read = info.channels > 0 ? sf_readf_float(file, frames.data(), 64) : 0;
        sf_close(file);
        return read > 0 ? std::max<qint64>(info.frames, read) : 0;
    }

private:
    QString m_executable;
};

} // namespace

std::unique_ptr<SystemProbe> createSystemProbe(const QString &executablePath)
{
    return std::make_unique<DesktopProbe>(executablePath);
}

} // namespace brevora
