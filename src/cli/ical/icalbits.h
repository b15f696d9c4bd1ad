// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <libical/ical.h>

#include <QByteArray>
#include <QString>

#include <memory>

// What the export and the import of calendars share: how libical's objects are owned, and how an alarm file rides
// along in an event so that a calendar Brevora wrote gives back the very same files.
namespace brevora::cli::ical {

struct ComponentFree
{
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

// The property that carries an alarm file: "<kind word>/<name, percent-escaped>/<the file's line, base64url>".
// Other programs keep X- properties they do not know, so the file survives a trip through them too.
inline constexpr char fileProperty[] = "X-BREVORA-FILE";

// RFC 5545's two-letter weekday, for Monday = 1 ... Sunday = 7.
inline const char *dayCode(int mondayBasedDay)
{
    static const char *const codes[] = { "MO", "TU", "WE", "TH", "FR", "SA", "SU" };
    return codes[(mondayBasedDay - 1) % 7];
}

inline QString fromIcal(const char *text)
{
    return text ? QString::fromUtf8(text) : QString();
}

} // namespace brevora::cli::ical
