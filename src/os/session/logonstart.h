// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace brevora {

// How registering the program to start at log-on ended. `code` is the platform's error number.
struct LogonOutcome
{
    enum class Step {
        Done,
        OpenFailed, // the place that holds the registration could not be opened or created
        SetFailed, // the registration could not be written
        OtherFailed, // anything else; `description` says what
    };
    Step step = Step::Done;
    int code = 0;
    QString description;

    bool ok() const { return step == Step::Done; }
};

// Registers this program to start when the user logs on, or makes the registration run nothing.
class LogonStart
{
public:
    virtual ~LogonStart() = default;
    virtual LogonOutcome set(bool on) = 0;
    // Whether a registration that an earlier version made is still in place, to be renewed by set().
    virtual bool hasEarlierRegistration() const { return false; }
    // Whether the registration is in place and switched on; nothing when that cannot be told.
    virtual std::optional<bool> registered() const { return std::nullopt; }
    // Whether the registration is switched on and starts another copy of the program that is still there: then it
    // is that copy's, which asked for it, and this copy's start leaves it alone whatever its own setting says.
    virtual bool heldByAnotherCopy() const { return false; }
};

// The freedesktop autostart entry: $XDG_CONFIG_HOME/autostart/<desktop ID>.desktop, the folder read when set()
// runs. TryExec names the program, so an entry left behind by a removed program starts nothing. Switched off, the
// entry stays with Hidden=true, which also masks a system-wide entry of the same name. Either way the entries that
// earlier versions wrote under other names go, so that only one can start the program; an entry that does not
// run this program, or carries nothing of this program's, is another program's and stays whatever its name.
class DesktopAutostart final : public LogonStart
{
public:
    // An empty path stands for this process's executable.
    explicit DesktopAutostart(QString executablePath = {});
    LogonOutcome set(bool on) override;
    bool hasEarlierRegistration() const override { return !earlierEntryPaths().isEmpty(); }
    std::optional<bool> registered() const override;
    bool heldByAnotherCopy() const override;

    static QString autostartFolder();
    QString entryPath() const;
    // Entries that earlier versions wrote for this program, named after its executable or its title: only
    // those that exist, are not the entry itself and prove themselves ours.
    QStringList earlierEntryPaths() const;
    // The entry's Exec value for a program with these arguments, quoted so that any path survives.
    static QString execLine(const QStringList &arguments);

private:
    QString executable() const;
    QString m_executablePath;
};

// The registration of this platform.
std::unique_ptr<LogonStart> createSystemLogonStart();

} // namespace brevora
