// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/tray/trayhost.h"

#include <memory>

namespace brevora {

class Shell;

// The shown-state and the hidden-state tray host: one of them is loaded, and both only while switching.
class TrayHosts
{
public:
    explicit TrayHosts(Shell &shell);
    ~TrayHosts();

    // The host of that mode while it is loaded, null otherwise.
    TrayHost *host(TrayHost::Mode mode) const;
    void load(TrayHost::Mode mode);
    void unload(TrayHost::Mode mode);
    // The menus add the new icon before the old one goes; a double-click on the icon removes it first.
    enum class Order { AddFirst, RemoveFirst };
    void switchTo(TrayHost::Mode to, Order order);

private:
    std::unique_ptr<TrayHost> &slot(TrayHost::Mode mode);

    Shell &m_shell;
    std::unique_ptr<TrayHost> m_shown;
    std::unique_ptr<TrayHost> m_hidden;
};

} // namespace brevora
