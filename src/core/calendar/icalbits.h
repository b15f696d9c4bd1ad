// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/coretext.h"

#include <libical/ical.h>

#include <QByteArray>
#include <QString>

#include <memory>

// What the export and the import of calendars share: how libical's objects are owned, and how an alarm file rides
// along in an event so that a calendar Brevora wrote gives back the very same files.
namespace brevora::ical {

struct ComponentFree
{
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

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

// A text of an import's report, marked with QT_TRANSLATE_NOOP under core's context: as written on the command
// line, in the user's language in a window.
inline QString said(const char *source)
{
    return coreText(QString::fromUtf8(source));
}

} // namespace brevora::ical
