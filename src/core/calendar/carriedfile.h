// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/life/addfields.h"

#include <libical/ical.h>

#include <optional>

// The alarm file that rides along in each exported event, so that a calendar Brevora wrote gives back the very
// same files. It is the property X-BREVORA-FILE: "<kind word>/<name, percent-escaped>/<the file's line, base64url>".
// Other programs keep X- properties they do not know, so the file survives a trip through them too.
namespace brevora::ical {

// The property that carries the alarm file `fileName` of `kind`, whose first line is `line`.
icalproperty *carriedFileProperty(AlarmKind kind, const QString &fileName, const QByteArray &line);

// The alarm the component carries, when writing it gives back the very same bytes under the same name; empty
// otherwise.
std::optional<FieldsRequest> carriedFile(icalcomponent *component);

} // namespace brevora::ical
