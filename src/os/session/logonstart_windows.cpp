// SPDX-License-Identifier: GPL-3.0-or-later
// The log-on registration of Windows: a value under the current user's Run key.

#include "os/session/logonstart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <windows.h>

#include <optional>
#include <string>

namespace brevora {

namespace {

const wchar_t runKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
// The name earlier versions gave their value, whatever the executable was called.
const wchar_t earlierName[] = L"Brevora";

LONG setString(HKEY key, const std::wstring &name, const std::wstring &data)
{
    return RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE *>(data.c_str()),
                          static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
}

// A string value's data; empty when there is no such value or it holds no string.
std::optional<QString> readString(HKEY key, const wchar_t *name)
{
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS
        || (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::nullopt;
    std::wstring data(size / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE *>(data.data()), &size) != ERROR_SUCCESS)
        return std::nullopt;
    return QString::fromWCharArray(data.c_str());
}

// The value runs this program, or runs nothing as this program leaves it when switched off. Anything else is
// another program's, whatever its name, and is never changed.
bool isOurs(const std::optional<QString> &data, const QString &program)
{
    if (!data)
        return false;
    QString command = data->trimmed();
    if (command.isEmpty())
        return true;
    if (command.startsWith(u'"'))
        command = command.section(u'"', 1, 1);
    return QDir::fromNativeSeparators(command).compare(QDir::fromNativeSeparators(program), Qt::CaseInsensitive) == 0;
}

class RunKeyLogonStart final : public LogonStart
{
public:
    LogonOutcome set(bool on) override
    {
        const QString program = QCoreApplication::applicationFilePath();
        HKEY key = nullptr;
        LONG rc = RegCreateKeyExW(HKEY_CURRENT_USER, runKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key, nullptr);
        if (rc != ERROR_SUCCESS)
            return { LogonOutcome::Step::OpenFailed, static_cast<int>(rc), {} };
        const std::wstring name = QFileInfo(program).completeBaseName().toStdWString();
        const std::optional<QString> present = readString(key, name.c_str());
        LogonOutcome outcome;
        if (present && !isOurs(present, program)) {
            // A copy named like another program must not take over that program's value.
            outcome = { LogonOutcome::Step::OtherFailed, 0,
                        QStringLiteral("the value %1 under the Run key belongs to another program")
                            .arg(QString::fromStdWString(name)) };
        } else if (on) {
            // The executable as it really is named and placed, quoted so that a folder with blanks cannot be
            // read as a shorter program path.
            const QString command = u'"' + QDir::toNativeSeparators(program) + u'"';
            rc = setString(key, name, command.toStdWString());
        } else {
            rc = setString(key, name, std::wstring());
        }
        if (name != earlierName && isOurs(readString(key, earlierName), program))
            RegDeleteValueW(key, earlierName);
        if (outcome.ok() && rc != ERROR_SUCCESS)
            outcome = { LogonOutcome::Step::SetFailed, static_cast<int>(rc), {} };
        RegCloseKey(key);
        return outcome;
    }
};

} // namespace

std::unique_ptr<LogonStart> createSystemLogonStart()
{
    return std::make_unique<RunKeyLogonStart>();
}

} // namespace brevora
