<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>brevora::AboutBox</name>
    <message>
        <source>Acerca de %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Versión %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>With Brevora you can make your own alarms for reminding you of important dates, celebrations...; and you can set them to the hour, day, month, year, week day... you want.</source>
        <translation>Mit Brevora erstellen Sie eigene Alarme, die Sie an wichtige Termine, Feiern... erinnern – zu jeder gewünschten Stunde, an jedem Tag, Monat, Jahr oder Wochentag.</translation>
    </message>
    <message>
        <source>Questions, ideas or problems?</source>
        <translation>Fragen, Ideen oder Probleme?</translation>
    </message>
    <message>
        <source>See the README that comes with Brevora.</source>
        <translation>Lesen Sie die README, die Brevora beiliegt.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Sistem info.</source>
        <translation>&amp;Systeminfo</translation>
    </message>
    <message>
        <source>La información del sistema no está disponible en este momento</source>
        <translation>Die Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>brevora::AlarmDeletion</name>
    <message>
        <source>Confirm the elimination</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete: %1?</source>
        <translation>Möchten Sie „%1“ wirklich löschen?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Select an alarm type</source>
        <translation>Wählen Sie einen Alarmtyp</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all the alarms of the following type: %1?</source>
        <translation>Möchten Sie alle Alarme der Art „%1“ wirklich löschen?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all alarms?</source>
        <translation>Möchten Sie wirklich alle Alarme löschen?</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
    <message>
        <source>These files could not be deleted:
%1</source>
        <translation>Diese Dateien konnten nicht gelöscht werden:
%1</translation>
    </message>
</context>
<context>
    <name>brevora::AlarmEditorWindow</name>
    <message>
        <source>Advanced options</source>
        <translation>Erweiterte Optionen</translation>
    </message>
    <message>
        <source>&lt;  Back</source>
        <translation>&lt;  Zurück</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Reproduce a sound with the alarm</source>
        <translation>Mit dem Alarm einen Ton abspielen</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Brevora   New alarm (Once)</source>
        <translation>Brevora   Neuer Alarm (Einmalig)</translation>
    </message>
    <message>
        <source>Alarm text</source>
        <translation>Alarmtext</translation>
    </message>
    <message>
        <source>Brevora   New alarm (Once a day)</source>
        <translation>Brevora   Neuer Alarm (Täglich)</translation>
    </message>
    <message>
        <source>Texto del aviso</source>
        <translation>Alarmtext</translation>
    </message>
    <message>
        <source>Brevora   New alarm (Once a week)</source>
        <translation>Brevora   Neuer Alarm (Wöchentlich)</translation>
    </message>
    <message>
        <source>Brevora   New alarm (Once a month)</source>
        <translation>Brevora   Neuer Alarm (Monatlich)</translation>
    </message>
    <message>
        <source>Brevora   New alarm (Once a year)</source>
        <translation>Brevora   Neuer Alarm (Jährlich)</translation>
    </message>
    <message>
        <source>Sound file</source>
        <translation>Tondatei</translation>
    </message>
    <message>
        <source>Hide advanced options</source>
        <translation>Weitere Optionen ausblenden</translation>
    </message>
    <message>
        <source>Show advanced options</source>
        <translation>Weitere Optionen einblenden</translation>
    </message>
    <message>
        <source>Brevora   Change alarm (%1)</source>
        <translation>Brevora   Alarm ändern (%1)</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>The alarm %1 exists already. Replace it with this one?</source>
        <translation>Der Alarm %1 existiert bereits. Durch diesen ersetzen?</translation>
    </message>
    <message>
        <source>This sound cannot be played: %1.
Choose another sound file, or untick the sound.</source>
        <translation>Dieser Ton kann nicht abgespielt werden: %1.
Wählen Sie eine andere Tondatei, oder nehmen Sie das Häkchen beim Ton weg.</translation>
    </message>
</context>
<context>
    <name>brevora::AlarmList</name>
    <message>
        <source>Alarms</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Nächster Termin: %1</translation>
    </message>
    <message>
        <source>Never: %1</source>
        <translation>Nie: %1</translation>
    </message>
</context>
<context>
    <name>brevora::CalendarCommands</name>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar-Dateien (*.ics)</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>Export alarms</source>
        <translation>Alarme exportieren</translation>
    </message>
    <message>
        <source>The alarms could not be exported to %1.

%2</source>
        <translation>Die Alarme konnten nicht nach %1 exportiert werden.

%2</translation>
    </message>
    <message>
        <source>The alarms were exported to %1, except these, which never fall due as they are:

%2</source>
        <translation>Die Alarme wurden nach %1 exportiert, bis auf diese, die so, wie sie sind, nie fällig werden:

%2</translation>
    </message>
    <message>
        <source>Import alarms</source>
        <translation>Alarme importieren</translation>
    </message>
    <message>
        <source>%1 cannot be read.

%2</source>
        <translation>%1 kann nicht gelesen werden.

%2</translation>
    </message>
</context>
<context>
    <name>brevora::ClosingWord</name>
    <message>
        <source>Brevora has ended</source>
        <translation>Brevora wurde beendet</translation>
    </message>
    <message>
        <source>No alarm will ring until Brevora starts again. To keep it running without its window, choose Hide in the File menu instead of closing the window.</source>
        <translation>Bis Brevora wieder gestartet wird, ertönt kein Alarm. Damit es ohne sein Fenster weiterläuft, wählen Sie im Menü Datei „Ausblenden“, statt das Fenster zu schließen.</translation>
    </message>
</context>
<context>
    <name>brevora::DesktopNotifier</name>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
</context>
<context>
    <name>brevora::HelpFile</name>
    <message>
        <source>The help file &quot;%1&quot; could not be found.</source>
        <translation>Die Hilfedatei „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; could not be opened: no program to show it could be started. Install a viewer for CHM files, such as xchm, to read it.</source>
        <translation>Die Hilfedatei „%1“ konnte nicht geöffnet werden: Kein Programm zum Anzeigen ließ sich starten. Installieren Sie einen Betrachter für CHM-Dateien, etwa xchm, um sie zu lesen.</translation>
    </message>
    <message>
        <source>The help &quot;%1&quot; could not be opened: no program to show it could be started. Install xdg-utils and a web browser to read it.</source>
        <translation>Die Hilfe „%1“ konnte nicht geöffnet werden: Kein Programm zum Anzeigen ließ sich starten. Installieren Sie xdg-utils und einen Webbrowser, um sie zu lesen.</translation>
    </message>
</context>
<context>
    <name>brevora::ImportReportDialog</name>
    <message>
        <source>Import alarms</source>
        <translation>Alarme importieren</translation>
    </message>
    <message>
        <source>What became of the calendar %1:</source>
        <translation>Was aus dem Kalender %1 wurde:</translation>
    </message>
    <message>
        <source>Imported: %1</source>
        <translation>Importiert: %1</translation>
    </message>
    <message>
        <source>Not imported: %1</source>
        <translation>Nicht importiert: %1</translation>
    </message>
    <message>
        <source>To note:</source>
        <translation>Zu beachten:</translation>
    </message>
    <message>
        <source>%1; the alarm that is there was kept</source>
        <translation>%1; der vorhandene Alarm bleibt, wie er ist</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Line %1 (UID %2): %3</source>
        <translation>Zeile %1 (UID %2): %3</translation>
    </message>
    <message>
        <source>Item %1 (UID %2): %3</source>
        <translation>Eintrag %1 (UID %2): %3</translation>
    </message>
</context>
<context>
    <name>brevora::KindChooserWindow</name>
    <message>
        <source>Brevora   New Alarm</source>
        <translation>Brevora   Neuer Alarm</translation>
    </message>
    <message>
        <source>Select alarm type:</source>
        <translation>Wie oft soll der Alarm kommen?</translation>
    </message>
    <message>
        <source>Next   &gt;</source>
        <translation>Weiter   &gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>brevora::MainMenu</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Delete all alarms</source>
        <translation>Alle Alarme löschen</translation>
    </message>
    <message>
        <source>Delete all alarms of this type</source>
        <translation>Alle Alarme dieser Art löschen</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>New alarm</source>
        <translation>Neuer Alarm</translation>
    </message>
    <message>
        <source>Delete alarm</source>
        <translation>Alarm löschen</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über Brevora</translation>
    </message>
    <message>
        <source>Change alarm</source>
        <translation>Alarm ändern</translation>
    </message>
    <message>
        <source>Import alarms...</source>
        <translation>Alarme importieren...</translation>
    </message>
    <message>
        <source>Export alarms...</source>
        <translation>Alarme exportieren...</translation>
    </message>
</context>
<context>
    <name>brevora::MainWindow</name>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Alarm text</source>
        <translation>Alarmtext</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
</context>
<context>
    <name>brevora::MissedAlarmReport</name>
    <message>
        <source>Missed alarms</source>
        <translation>Verpasste Alarme</translation>
    </message>
    <message>
        <source>These alarms fell due while Brevora was not running or the computer was asleep:

</source>
        <translation>Diese Alarme waren fällig, während Brevora nicht lief oder der Computer schlief:

</translation>
    </message>
    <message>
        <source>At least %1 alarms were missed</source>
        <translation>Mindestens %1 Alarme wurden verpasst</translation>
    </message>
    <message>
        <source>An alarm was missed</source>
        <translation>Ein Alarm wurde verpasst</translation>
    </message>
    <message>
        <source>%1 alarms were missed</source>
        <translation>%1 Alarme wurden verpasst</translation>
    </message>
    <message>
        <source>and at least %1 more</source>
        <translation>und mindestens %1 weitere</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
</context>
<context>
    <name>brevora::NewAlarmWizard</name>
    <message>
        <source>The alarm %1 cannot be changed: its file cannot be read, or does not hold the fields of its kind.</source>
        <translation>Der Alarm %1 kann nicht geändert werden: Seine Datei ist nicht lesbar oder enthält nicht die Felder ihrer Art.</translation>
    </message>
</context>
<context>
    <name>brevora::NoticeBoard</name>
    <message>
        <source>deleted</source>
        <comment>the alarm file could not be ...</comment>
        <translation>gelöscht</translation>
    </message>
    <message>
        <source>set aside</source>
        <comment>the alarm file could not be ...</comment>
        <translation>beiseitegelegt</translation>
    </message>
    <message>
        <source>The alarm file
%1
could not be %2: %3.
It will not be shown again until its next time comes.</source>
        <translation>Die Alarmdatei
%1
konnte nicht %2 werden: %3.
Er wird erst zu seinem nächsten Termin wieder angezeigt.</translation>
    </message>
</context>
<context>
    <name>brevora::NoticeNotifications</name>
    <message>
        <source>once</source>
        <translation>einmalig</translation>
    </message>
    <message>
        <source>once a day</source>
        <translation>täglich</translation>
    </message>
    <message>
        <source>once a week</source>
        <translation>wöchentlich</translation>
    </message>
    <message>
        <source>once a month</source>
        <translation>monatlich</translation>
    </message>
    <message>
        <source>once a year</source>
        <translation>jährlich</translation>
    </message>
    <message>
        <source>Alarm at %1 (%2)</source>
        <translation>Alarm um %1 (%2)</translation>
    </message>
    <message>
        <source>Missed: alarm at %1 (%2)</source>
        <translation>Verpasst: Alarm um %1 (%2)</translation>
    </message>
    <message>
        <source>Snooze 10 minutes</source>
        <translation>10 Minuten schlummern</translation>
    </message>
    <message>
        <source>The sound could not be played: %1.</source>
        <translation>Der Ton konnte nicht abgespielt werden: %1.</translation>
    </message>
</context>
<context>
    <name>brevora::NoticeWindow</name>
    <message>
        <source>Alarm!!</source>
        <translation>Alarm!!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Alarm text</source>
        <translation>Alarmtext</translation>
    </message>
    <message>
        <source>The sound could not be played.</source>
        <translation>Der Ton konnte nicht abgespielt werden.</translation>
    </message>
    <message>
        <source>The sound is muted.</source>
        <translation>Der Ton ist stummgeschaltet.</translation>
    </message>
    <message>
        <source>The sound volume is at zero.</source>
        <translation>Die Lautstärke steht auf null.</translation>
    </message>
</context>
<context>
    <name>brevora::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Run on startup</source>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message>
        <source>Run hidden</source>
        <translation>Ausgeblendet starten</translation>
    </message>
    <message>
        <source>Show the alarms only while it&apos;s the programmed hour</source>
        <translation>Alarme nur in ihrer eingestellten Minute anzeigen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>These settings files could not be saved in &quot;%1&quot;: %2. The settings stay in effect until the program ends.

%3</source>
        <translation>Diese Einstellungsdateien konnten nicht in „%1“ gespeichert werden: %2. Die Einstellungen gelten bis zum Ende des Programms.

%3</translation>
    </message>
    <message>
        <source>Error %1 opening key<byte value="xd"/>
</source>
        <translation>Fehler %1 beim Öffnen des Schlüssels<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Error %1 setting key<byte value="xd"/>
</source>
        <translation>Fehler %1 beim Setzen des Schlüssels<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Repeat the sound until the notice is answered</source>
        <translation>Den Ton wiederholen, bis die Meldung beantwortet ist</translation>
    </message>
</context>
<context>
    <name>brevora::ProgramDir</name>
    <message>
        <source>Brevora cannot write to its own folder %1, so it keeps its alarms and settings in %2. The alarms in %1 are not used until that folder can be written.</source>
        <translation>Brevora kann nicht in seinen eigenen Ordner %1 schreiben und hält seine Alarme und Einstellungen daher in %2. Die Alarme in %1 werden erst verwendet, wenn dieser Ordner beschreibbar ist.</translation>
    </message>
</context>
<context>
    <name>brevora::SingleInstance</name>
    <message>
        <source>Brevora is already running on %1, but it does not answer, so this start ends.

If it stays like this, end the running copy (for example in a task manager) and start Brevora again.</source>
        <translation>Brevora läuft bereits auf %1, antwortet aber nicht; dieser Start endet daher.

Bleibt es so, beenden Sie die laufende Kopie (etwa in einem Taskmanager) und starten Sie Brevora erneut.</translation>
    </message>
</context>
<context>
    <name>brevora::Snoozer</name>
    <message>
        <source>Its notice has closed already.</source>
        <translation>Sein Hinweis ist schon geschlossen.</translation>
    </message>
    <message>
        <source>The alarm could not be snoozed</source>
        <translation>Der Alarm konnte nicht verschoben werden</translation>
    </message>
    <message>
        <source>Snoozed until %1</source>
        <translation>Verschoben auf %1</translation>
    </message>
</context>
<context>
    <name>brevora::SoundChooserWindow</name>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Select the sound&apos;s archive:</source>
        <translation>Wählen Sie die Tondatei:</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>This file&apos;s name is not valid UTF-8, so Brevora cannot open it. Give it a new name to use it.</source>
        <translation>Der Name dieser Datei ist kein gültiges UTF-8, daher kann Brevora sie nicht öffnen. Benennen Sie sie um, um sie zu verwenden.</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>The name of the file &quot;%1&quot; is not valid UTF-8, so Brevora cannot store it in an alarm.
Rename the file (in your file manager, for example) and choose it again.</source>
        <translation>Der Name der Datei „%1“ ist kein gültiges UTF-8, daher kann Brevora ihn nicht in einem Alarm speichern.
Benennen Sie die Datei um (zum Beispiel im Dateimanager) und wählen Sie sie erneut.</translation>
    </message>
</context>
<context>
    <name>brevora::SoundPlayer</name>
    <message>
        <source>no sound file is named</source>
        <translation>es ist keine Tondatei angegeben</translation>
    </message>
    <message>
        <source>the file %1 does not exist</source>
        <translation>die Datei %1 existiert nicht</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 ist keine Datei</translation>
    </message>
    <message>
        <source>the file %1 cannot be decoded (%2)</source>
        <translation>die Datei %1 kann nicht dekodiert werden (%2)</translation>
    </message>
    <message>
        <source>the file %1 holds no sound that can be played</source>
        <translation>die Datei %1 enthält keinen abspielbaren Ton</translation>
    </message>
    <message>
        <source>no sound server took it</source>
        <translation>kein Tonserver hat ihn angenommen</translation>
    </message>
    <message>
        <source>the sound output is muted</source>
        <translation>die Tonausgabe ist stummgeschaltet</translation>
    </message>
    <message>
        <source>the sound output&apos;s volume is at zero</source>
        <translation>die Lautstärke der Tonausgabe steht auf null</translation>
    </message>
</context>
<context>
    <name>brevora::SplashWindow</name>
    <message>
        <source>Versión %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>The reminding solution</source>
        <translation>Die Lösung zum Erinnern</translation>
    </message>
    <message>
        <source>Alarms and reminders</source>
        <translation>Alarme und Erinnerungen</translation>
    </message>
    <message>
        <source>Free software for everyone</source>
        <translation>Freie Software für alle</translation>
    </message>
    <message>
        <source>The Brevora developers</source>
        <translation>Die Brevora-Entwickler</translation>
    </message>
</context>
<context>
    <name>brevora::StartUpReports</name>
    <message>
        <source>These folders could not be created, so the alarms and settings kept in them cannot be used:
%1</source>
        <translation>Diese Ordner konnten nicht angelegt werden, daher lassen sich die Alarme und Einstellungen darin nicht nutzen:
%1</translation>
    </message>
    <message>
        <source>These folders of acknowledged alarms are links to other folders, or lie in one, so Brevora moves nothing out of them:
%1

Make each an ordinary folder again for its alarms to come back.</source>
        <translation>Diese Ordner bestätigter Alarme sind symbolische Verknüpfungen zu anderen Ordnern oder liegen in einem, daher holt Brevora nichts aus ihnen zurück:
%1

Machen Sie jeden wieder zu einem gewöhnlichen Ordner, damit seine Alarme zurückkehren.</translation>
    </message>
    <message>
        <source>The log-on entry did not match the &quot;Run on startup&quot; setting, as after an interrupted save of the options. It has been renewed: Brevora starts when you log on.</source>
        <translation>Der Anmeldeeintrag passte nicht zur Einstellung &quot;Beim Anmelden starten&quot;, wie nach einem unterbrochenen Speichern der Optionen. Er wurde erneuert: Brevora startet bei der Anmeldung.</translation>
    </message>
    <message>
        <source>The log-on entry did not match the &quot;Run on startup&quot; setting, as after an interrupted save of the options. It has been renewed: Brevora does not start when you log on.</source>
        <translation>Der Anmeldeeintrag passte nicht zur Einstellung &quot;Beim Anmelden starten&quot;, wie nach einem unterbrochenen Speichern der Optionen. Er wurde erneuert: Brevora startet nicht bei der Anmeldung.</translation>
    </message>
</context>
<context>
    <name>brevora::TrayHost</name>
    <message>
        <source>New alarm</source>
        <translation>Neuer Alarm</translation>
    </message>
    <message>
        <source>New Alarm</source>
        <translation>Neuer Alarm</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Brevora is active</source>
        <translation>Brevora ist aktiv</translation>
    </message>
    <message>
        <source>Brevora is hidden</source>
        <translation>Brevora ist ausgeblendet</translation>
    </message>
</context>
<context>
    <name>brevora::WakeForAlarms</name>
    <message>
        <source>The computer will not be woken for these alarms</source>
        <translation>Der Computer wird für diese Alarme nicht geweckt</translation>
    </message>
    <message>
        <source>They are told when it wakes.</source>
        <translation>Sie werden gemeldet, wenn er aufwacht.</translation>
    </message>
</context>
<context>
    <name>brevora::WakeWord</name>
    <message>
        <source>A sleeping computer will not be woken for alarms</source>
        <translation>Ein schlafender Computer wird für Alarme nicht geweckt</translation>
    </message>
    <message>
        <source>Alarms that fall due while the computer sleeps are told when it wakes. To let Brevora wake it, an administrator runs: %1
(%2)</source>
        <translation>Alarme, die fällig werden, während der Computer schläft, werden beim Aufwachen gemeldet. Damit Brevora ihn wecken darf, führt ein Administrator aus: %1
(%2)</translation>
    </message>
</context>
<context>
    <name>brevora::core</name>
    <message>
        <source>The alarm does not have the fields of its kind.</source>
        <translation>Der Alarm hat nicht die Felder seiner Art.</translation>
    </message>
    <message>
        <source>A value holds a character that an alarm file cannot store: %1</source>
        <translation>Ein Wert enthält ein Zeichen, das eine Alarmdatei nicht speichern kann: %1</translation>
    </message>
    <message>
        <source>The alarm is too long: an alarm file holds at most %1 bytes, and this one would need %2. Shorten the alarm text.</source>
        <translation>Der Alarm ist zu lang: Eine Alarmdatei fasst höchstens %1 Bytes, dieser bräuchte %2. Kürzen Sie den Alarmtext.</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Einmalig</translation>
    </message>
    <message>
        <source>Once a day</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Once a week</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Once a month</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Once a year</source>
        <translation>Jährlich</translation>
    </message>
    <message>
        <source>Alarm type</source>
        <translation>Alarmtyp</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Wochentag</translation>
    </message>
    <message>
        <source>The information for the following sections is not valid:</source>
        <translation>Die Angaben in diesen Feldern sind ungültig:</translation>
    </message>
    <message>
        <source>Numbers preceded by a 0 are not valid information. Ex: 4, not 04; or 506, not 0506</source>
        <translation>Zahlen dürfen nicht mit 0 beginnen, z. B. 4 statt 04, 506 statt 0506.</translation>
    </message>
    <message>
        <source>Invalid information</source>
        <translation>Ungültige Angabe</translation>
    </message>
    <message>
        <source>Some settings&apos; files are missing and could not be created in &quot;%1&quot;. The default values are used until the settings can be saved.

%2</source>
        <translation>Einige Einstellungsdateien fehlen und konnten in „%1“ nicht angelegt werden. Bis die Einstellungen gespeichert werden können, gelten die Standardwerte.

%2</translation>
    </message>
    <message>
        <source>Files missing</source>
        <translation>Dateien fehlen</translation>
    </message>
    <message>
        <source>Some settings&apos; files were missing, and they have been created. This has reset those settings to their default values. Use the settigs window to change them</source>
        <translation>Einige Einstellungsdateien fehlten und wurden angelegt. Diese Einstellungen stehen damit wieder auf ihren Standardwerten. Ändern Sie sie im Fenster „Optionen“</translation>
    </message>
    <message>
        <source>The folder %1 does not exist and cannot be created.</source>
        <translation>Der Ordner %1 existiert nicht und kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The alarm could not be saved in the file %1.

%2</source>
        <translation>Der Alarm konnte nicht in der Datei %1 gespeichert werden.

%2</translation>
    </message>
    <message>
        <source>a file of that name waits in %1</source>
        <translation>in %1 liegt schon eine Datei dieses Namens</translation>
    </message>
    <message>
        <source>%1 (a link to another folder, whose files are left)</source>
        <translation>%1 (eine symbolische Verknüpfung zu einem anderen Ordner, dessen Dateien bleiben)</translation>
    </message>
    <message>
        <source>%1 (its name is not valid UTF-8)</source>
        <translation>%1 (sein Name ist kein gültiges UTF-8)</translation>
    </message>
    <message>
        <source>%1 is a link; Brevora does not write through links.</source>
        <translation>%1 ist eine symbolische Verknüpfung; Brevora schreibt nicht durch symbolische Verknüpfungen hindurch.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Die Datei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The alarm was saved in the file %1, but %2 could not be removed.</source>
        <translation>Der Alarm wurde in der Datei %1 gespeichert, aber %2 konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>the fields named so far, then one more</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>the file cannot be read as an alarm of its kind</source>
        <translation>die Datei lässt sich nicht als Alarm ihrer Art lesen</translation>
    </message>
    <message>
        <source>%1 differs only in letter case and is shown in its place</source>
        <translation>%1 unterscheidet sich nur in Groß- und Kleinschreibung und wird an seiner Stelle angezeigt</translation>
    </message>
    <message>
        <source>the name does not have the form of a %1 alarm&apos;s name such as %2</source>
        <translation>der Name hat nicht die Form eines Alarms der Art „%1“ wie %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a weekday the clock writes (Monday to Sunday)</source>
        <translation>„%1“ ist kein Wochentag, wie die Uhr ihn schreibt (Monday bis Sunday)</translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot; is not a plain number</source>
        <translation>%1: „%2“ ist keine einfache Zahl</translation>
    </message>
    <message>
        <source>the %1 %2 is outside %3 to %4</source>
        <translation>%1: %2 liegt nicht zwischen %3 und %4</translation>
    </message>
    <message>
        <source>a number has a leading zero, which the clock never writes</source>
        <translation>eine Zahl hat eine führende Null, die die Uhr nie schreibt</translation>
    </message>
    <message>
        <source>the year %1 is not written in full as the clock writes it (2007, not 7)</source>
        <translation>das Jahr %1 ist nicht voll ausgeschrieben, wie die Uhr es schreibt (2007, nicht 7)</translation>
    </message>
    <message>
        <source>the date %1-%2-%3 does not exist</source>
        <translation>das Datum %1-%2-%3 gibt es nicht</translation>
    </message>
    <message>
        <source>the moment %1-%2-%3 %4:%5 has passed</source>
        <translation>der Zeitpunkt %1-%2-%3 %4:%5 ist vorbei</translation>
    </message>
    <message>
        <source>month %1 never has a day %2</source>
        <translation>der Monat %1 hat nie einen Tag %2</translation>
    </message>
    <message>
        <source>the clock never writes this name</source>
        <translation>die Uhr schreibt diesen Namen nie</translation>
    </message>
    <message>
        <source>a %1 holds no moment to be reminded of</source>
        <translation>ein %1 enthält keinen Zeitpunkt, an den erinnert werden könnte</translation>
    </message>
    <message>
        <source>libical cannot read it: %1</source>
        <translation>libical kann es nicht lesen: %1</translation>
    </message>
    <message>
        <source>it changes one occurrence of a repeating event, which an alarm cannot hold</source>
        <translation>es ändert ein einzelnes Vorkommen eines wiederkehrenden Termins, was ein Alarm nicht fassen kann</translation>
    </message>
    <message>
        <source>it has no start (DTSTART) to be reminded of</source>
        <translation>es hat keinen Beginn (DTSTART), an den erinnert werden könnte</translation>
    </message>
    <message>
        <source>its time zone %1 is unknown</source>
        <translation>seine Zeitzone %1 ist unbekannt</translation>
    </message>
    <message>
        <source>%1 %2 is %3 on this machine (%4)</source>
        <translation>%1 %2 ist %3 auf diesem Rechner (%4)</translation>
    </message>
    <message>
        <source>day %1 moves to another month with the reminder or the time zone, which a monthly alarm cannot hold</source>
        <translation>Tag %1 rutscht mit der Erinnerung oder der Zeitzone in einen anderen Monat, was ein monatlicher Alarm nicht fassen kann</translation>
    </message>
    <message>
        <source>the rule names a date no year has</source>
        <translation>die Regel nennt ein Datum, das es in keinem Jahr gibt</translation>
    </message>
    <message>
        <source>libical finds the calendar invalid: %1</source>
        <translation>libical hält den Kalender für ungültig: %1</translation>
    </message>
    <message>
        <source>(no detail)</source>
        <translation>(keine Einzelheiten)</translation>
    </message>
    <message>
        <source>%1 is already taken by another event of this calendar</source>
        <translation>%1 ist schon von einem anderen Termin dieses Kalenders belegt</translation>
    </message>
    <message>
        <source>%1 is already in the store</source>
        <translation>%1 ist schon gespeichert</translation>
    </message>
    <message>
        <source>libical finds no whole calendar in it (BEGIN:VCALENDAR to END:VCALENDAR)</source>
        <translation>libical findet darin keinen vollständigen Kalender (BEGIN:VCALENDAR bis END:VCALENDAR)</translation>
    </message>
    <message>
        <source>a reminder (VALARM) without a TRIGGER</source>
        <translation>eine Erinnerung (VALARM) ohne TRIGGER</translation>
    </message>
    <message>
        <source>a reminder counts from the end, and the event has none</source>
        <translation>eine Erinnerung zählt vom Ende aus, und der Termin hat keines</translation>
    </message>
    <message>
        <source>a reminder plays a sound that is no local file</source>
        <translation>eine Erinnerung spielt einen Ton, der keine lokale Datei ist</translation>
    </message>
    <message>
        <source>RDATE adds moments of its own, which an alarm cannot hold</source>
        <translation>RDATE fügt eigene Zeitpunkte hinzu, die ein Alarm nicht fassen kann</translation>
    </message>
    <message>
        <source>more than one RRULE, which an alarm cannot hold</source>
        <translation>mehr als eine RRULE, was ein Alarm nicht fassen kann</translation>
    </message>
    <message>
        <source>EXDATE leaves out occurrences, which an alarm cannot</source>
        <translation>EXDATE lässt Vorkommen aus, was ein Alarm nicht kann</translation>
    </message>
    <message>
        <source>EXRULE leaves out occurrences, which an alarm cannot</source>
        <translation>EXRULE lässt Vorkommen aus, was ein Alarm nicht kann</translation>
    </message>
    <message>
        <source>COUNT=%1 ends the repetition, and an alarm repeats for good</source>
        <translation>COUNT=%1 beendet die Wiederholung, ein Alarm wiederholt sich aber für immer</translation>
    </message>
    <message>
        <source>UNTIL ends the repetition, and an alarm repeats for good</source>
        <translation>UNTIL beendet die Wiederholung, ein Alarm wiederholt sich aber für immer</translation>
    </message>
    <message>
        <source>INTERVAL=%1 skips occurrences, which an alarm cannot</source>
        <translation>INTERVAL=%1 überspringt Vorkommen, was ein Alarm nicht kann</translation>
    </message>
    <message>
        <source>BYSETPOS picks occurrences by their place, which an alarm cannot</source>
        <translation>BYSETPOS wählt Vorkommen nach ihrer Stelle aus, was ein Alarm nicht kann</translation>
    </message>
    <message>
        <source>the rule repeats within a day (BYHOUR, BYMINUTE or BYSECOND), which an alarm cannot</source>
        <translation>die Regel wiederholt sich innerhalb eines Tages (BYHOUR, BYMINUTE oder BYSECOND), was ein Alarm nicht kann</translation>
    </message>
    <message>
        <source>BYYEARDAY and BYWEEKNO count days an alarm does not know</source>
        <translation>BYYEARDAY und BYWEEKNO zählen Tage, die ein Alarm nicht kennt</translation>
    </message>
    <message>
        <source>BYDAY names a weekday&apos;s place in the month or year, which an alarm cannot hold</source>
        <translation>BYDAY nennt die Stelle eines Wochentags im Monat oder Jahr, was ein Alarm nicht fassen kann</translation>
    </message>
    <message>
        <source>BYMONTH and BYMONTHDAY limit the repetition, which a daily or weekly alarm cannot</source>
        <translation>BYMONTH und BYMONTHDAY schränken die Wiederholung ein, was ein täglicher oder wöchentlicher Alarm nicht kann</translation>
    </message>
    <message>
        <source>a monthly rule by weekday or by month, which an alarm cannot hold</source>
        <translation>eine monatliche Regel nach Wochentag oder Monat, was ein Alarm nicht fassen kann</translation>
    </message>
    <message>
        <source>BYMONTHDAY counts from the end of the month, which an alarm cannot</source>
        <translation>BYMONTHDAY zählt vom Monatsende aus, was ein Alarm nicht kann</translation>
    </message>
    <message>
        <source>a yearly rule on more than one date, which an alarm cannot hold</source>
        <translation>eine jährliche Regel an mehr als einem Datum, was ein Alarm nicht fassen kann</translation>
    </message>
    <message>
        <source>a leap month, which an alarm cannot hold</source>
        <translation>ein Schaltmonat, was ein Alarm nicht fassen kann</translation>
    </message>
    <message>
        <source>FREQ=%1 repeats within a day, which an alarm cannot</source>
        <translation>FREQ=%1 wiederholt sich innerhalb eines Tages, was ein Alarm nicht kann</translation>
    </message>
    <message>
        <source>is not a regular file (a pipe, a folder, a device or a link that leads nowhere), so it is no alarm and is not replaced</source>
        <translation>ist keine normale Datei (eine Pipe, ein Ordner, ein Gerät oder eine Verknüpfung, die ins Leere führt), also kein Alarm, und wird nicht ersetzt</translation>
    </message>
    <message>
        <source>move it out of the alarm folders</source>
        <translation>verschieben Sie es aus den Alarmordnern</translation>
    </message>
    <message>
        <source>an alarm of this kind at this moment already exists</source>
        <translation>ein Alarm dieser Art zu diesem Zeitpunkt existiert bereits</translation>
    </message>
    <message>
        <source>warning: the sound file %1 does not play</source>
        <translation>Warnung: Die Tondatei %1 lässt sich nicht abspielen</translation>
    </message>
</context>
<context>
    <name>brevora::main</name>
    <message>
        <source>Xwayland is not running; the windows open natively on Wayland, where the desktop decides where they appear.</source>
        <translation>Xwayland läuft nicht; die Fenster öffnen sich direkt unter Wayland, wo der Desktop bestimmt, wo sie erscheinen.</translation>
    </message>
</context>
</TS>
