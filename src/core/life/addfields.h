// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/store/fileops.h"
#include "core/store/storelayout.h"
#include "core/store/storescan.h"

#include <QDateTime>
#include <QStringList>

#include <functional>

namespace brevora {

// An alarm whose due fields are already in file order and as the clock writes them, and whose sound is stored as
// given (noSound for none): what the command line's --add makes of its arguments, and what a calendar import makes
// of each of its events.
struct FieldsRequest
{
    AlarmKind kind;
    QStringList fields;
    QString text;
    QString sound;
    bool force = false; // replace an alarm of the same kind at the same moment
    QString replace; // an alarm file of the store that the new alarm takes the place of, or empty
};

struct AddOutcome
{
    // Rejected: the request itself is wrong, and messages say what is wrong with it. Refused: the store keeps the
    // alarm from being written. Taken: without `force`, an alarm of the kind at that moment is in the way, and
    // messages name it. Usage: the command line's arguments have not the shape of the kind's; messages may say why.
    enum class Status { Added, Rejected, Refused, Taken, Usage };
    Status status;
    QList<Problem> messages; // the refusal, or warnings about an alarm that was added
    QString path;
    bool replacedStayed = false; // added, but the alarm it replaces could not be removed: both are there
};

// Whether the sound file at `path`, which exists, plays: the command line asks its probe, the windows the player.
using SoundCheck = std::function<bool(const QString &path)>;

// Checks the fields as the wizard's editor does and writes the same file with the same bytes. Also refuses an
// alarm that the clock would never bring due and, without `force`, one that replaces an existing alarm. With
// `replace`, the alarm is changed as the window changes one: the new file is written first, and only then is the
// replaced one removed, so a refusal or a failed write leaves it as it was. With `dryRun`, everything is checked
// and nothing written: an Added outcome then names the file that would have been written. A run of many alarms
// passes its `folderNames`, which spare reading the folders again for each.
AddOutcome addFields(const StoreLayout &layout, const FieldsRequest &request, const QDateTime &now,
                     const SoundCheck &soundPlays, bool dryRun = false, FolderNames *folderNames = nullptr);

} // namespace brevora
