// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tray/trayhosts.h"

namespace brevora {

TrayHosts::TrayHosts(Shell &shell)
    : m_shell(shell)
{ }

TrayHosts::~TrayHosts() = default;

TrayHost *TrayHosts::host(TrayHost::Mode mode) const
{
    return (mode == TrayHost::Mode::Shown ? m_shown : m_hidden).get();
}

std::unique_ptr<TrayHost> &TrayHosts::slot(TrayHost::Mode mode)
{
    return mode == TrayHost::Mode::Shown ? m_shown : m_hidden;
}

void TrayHosts::load(TrayHost::Mode mode)
{
    if (!slot(mode))
        slot(mode) = std::make_unique<TrayHost>(mode, m_shell);
}

void TrayHosts::unload(TrayHost::Mode mode)
{
    slot(mode).reset();
}

void TrayHosts::switchTo(TrayHost::Mode to, Order order)
{
    const TrayHost::Mode from = to == TrayHost::Mode::Shown ? TrayHost::Mode::Hidden : TrayHost::Mode::Shown;
    if (order == Order::AddFirst) {
        load(to);
        unload(from);
    } else {
        unload(from);
        load(to);
    }
}

} // namespace brevora
