// SPDX-License-Identifier: GPL-3.0-or-later
// The log-on registration of Windows: a value under the current user's Run key.

#include "os/session/logonstart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <windows.h>

#include <string>

namespace brevora {

namespace {

const wchar_t runKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

LONG setString(HKEY key, const std::wstring &name, const std::wstring &data)
{
    return RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE *>(data.c_str()),
                          static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
}

class RunKeyLogonStart final : public LogonStart
{
public:
    LogonOutcome set(bool on) override
    {
        const QString program = QCoreApplication::applicationFilePath();
        HKEY key = nullptr;
        LONG rc = RegCreateKeyExW(HKEY_CURRENT_USER, runKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr,
                                  &key, nullptr);
        if (rc != ERROR_SUCCESS)
            return { LogonOutcome::Step::OpenFailed, static_cast<int>(rc), {} };
        const std::wstring name = QFileInfo(program).completeBaseName().toStdWString();
        LogonOutcome outcome;
        if (on) {
            // The executable as it really is named and placed, quoted so that a folder with blanks cannot be
            // read as a shorter program path.
            const QString command = u'"' + QDir::toNativeSeparators(program) + u'"';
            rc = setString(key, name, command.toStdWString());
        } else {
            RegDeleteValueW(key, L"Brevora");
            rc = setString(key, name, std::wstring());
        }
        if (rc != ERROR_SUCCESS)
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
