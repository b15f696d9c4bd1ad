<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>brevora::AboutBox</name>
    <message>
        <source>Acerca de %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Versión %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>With Brevora you can make your own alarms for reminding you of important dates, celebrations...; and you can set them to the hour, day, month, year, week day... you want.</source>
        <translation>Con Brevora puede crear sus propios avisos para recordar fechas importantes, celebraciones...; y programarlos a la hora, día, mes, año, día de la semana... que quiera.</translation>
    </message>
    <message>
        <source>Questions, ideas or problems?</source>
        <translation>¿Preguntas, ideas o problemas?</translation>
    </message>
    <message>
        <source>See the README that comes with Brevora.</source>
        <translation>Consulte el README que acompaña a Brevora.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Sistem info.</source>
        <translation>&amp;Info. del sistema</translation>
    </message>
    <message>
        <source>La información del sistema no está disponible en este momento</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
</context>
<context>
    <name>brevora::AlarmDeletion</name>
    <message>
        <source>Confirm the elimination</source>
        <translation>Confirmar la eliminación</translation>
    </message>
    <message>
        <source>Are you sure you want to delete: %1?</source>
        <translation>¿Seguro que desea eliminar «%1»?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Select an alarm type</source>
        <translation>Seleccione un tipo de aviso</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all the alarms of the following type: %1?</source>
        <translation>¿Seguro que desea eliminar todos los avisos del tipo «%1»?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all alarms?</source>
        <translation>¿Seguro que desea eliminar todos los avisos?</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... y %1 más</translation>
    </message>
    <message>
        <source>These files could not be deleted:
%1</source>
        <translation>No se pudieron eliminar estos archivos:
%1</translation>
    </message>
</context>
<context>
    <name>brevora::AlarmEditorWindow</name>
    <message>
        <source>Advanced options</source>
        <translation>Opciones avanzadas</translation>
    </message>
    <message>
        <source>&lt;  Back</source>
        <translation>&lt;  Atrás</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Reproduce a sound with the alarm</source>
        <translation>Reproducir un sonido con el aviso</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Brevora   New alarm (Once)</source>
        <translation>Brevora   Nuevo aviso (Una vez)</translation>
    </message>
    <message>
        <source>Alarm text</source>
        <translation>Texto del aviso</translation>
    </message>
    <message>
        <source>Brevora   New alarm (Once a day)</source>
        <translation>Brevora   Nuevo aviso (Una vez al día)</translation>
    </message>
    <message>
        <source>Texto del aviso</source>
        <translation>Texto del aviso</translation>
    </message>
    <message>
        <source>Brevora   New alarm (Once a week)</source>
        <translation>Brevora   Nuevo aviso (Una vez por semana)</translation>
    </message>
    <message>
        <source>Brevora   New alarm (Once a month)</source>
        <translation>Brevora   Nuevo aviso (Una vez al mes)</translation>
    </message>
    <message>
        <source>Brevora   New alarm (Once a year)</source>
        <translation>Brevora   Nuevo aviso (Una vez al año)</translation>
    </message>
    <message>
        <source>Sound file</source>
        <translation>Archivo de sonido</translation>
    </message>
    <message>
        <source>Hide advanced options</source>
        <translation>Ocultar opciones avanzadas</translation>
    </message>
    <message>
        <source>Show advanced options</source>
        <translation>Mostrar opciones avanzadas</translation>
    </message>
    <message>
        <source>Brevora   Change alarm (%1)</source>
        <translation>Brevora   Cambiar aviso (%1)</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>The alarm %1 exists already. Replace it with this one?</source>
        <translation>El aviso %1 ya existe. ¿Sustituirlo por este?</translation>
    </message>
    <message>
        <source>This sound cannot be played: %1.
Choose another sound file, or untick the sound.</source>
        <translation>Este sonido no se puede reproducir: %1.
Elija otro archivo de sonido o desmarque el sonido.</translation>
    </message>
</context>
<context>
    <name>brevora::AlarmList</name>
    <message>
        <source>Alarms</source>
        <translation>Avisos</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Próxima vez: %1</translation>
    </message>
    <message>
        <source>Never: %1</source>
        <translation>Nunca: %1</translation>
    </message>
</context>
<context>
    <name>brevora::CalendarCommands</name>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Archivos iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>Export alarms</source>
        <translation>Exportar avisos</translation>
    </message>
    <message>
        <source>The alarms could not be exported to %1.

%2</source>
        <translation>No se pudieron exportar los avisos a %1.

%2</translation>
    </message>
    <message>
        <source>The alarms were exported to %1, except these, which never fall due as they are:

%2</source>
        <translation>Los avisos se exportaron a %1, salvo estos, que tal como están no llegan nunca:

%2</translation>
    </message>
    <message>
        <source>Import alarms</source>
        <translation>Importar avisos</translation>
    </message>
    <message>
        <source>%1 cannot be read.

%2</source>
        <translation>No se puede leer %1.

%2</translation>
    </message>
</context>
<context>
    <name>brevora::ClosingWord</name>
    <message>
        <source>Brevora has ended</source>
        <translation>Brevora se ha cerrado</translation>
    </message>
    <message>
        <source>No alarm will ring until Brevora starts again. To keep it running without its window, choose Hide in the File menu instead of closing the window.</source>
        <translation>Ningún aviso sonará hasta que Brevora se vuelva a iniciar. Para que siga ejecutándose sin su ventana, elija «Ocultar» en el menú Archivo en lugar de cerrar la ventana.</translation>
    </message>
</context>
<context>
    <name>brevora::DesktopNotifier</name>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
</context>
<context>
    <name>brevora::HelpFile</name>
    <message>
        <source>The help file &quot;%1&quot; could not be found.</source>
        <translation>No se encontró el archivo de ayuda «%1».</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; could not be opened: no program to show it could be started. Install a viewer for CHM files, such as xchm, to read it.</source>
        <translation>No se pudo abrir el archivo de ayuda «%1»: no se pudo iniciar ningún programa para mostrarlo. Instale un visor de archivos CHM, como xchm, para leerlo.</translation>
    </message>
    <message>
        <source>The help &quot;%1&quot; could not be opened: no program to show it could be started. Install xdg-utils and a web browser to read it.</source>
        <translation>No se pudo abrir la ayuda «%1»: no se pudo iniciar ningún programa para mostrarla. Instale xdg-utils y un navegador web para leerla.</translation>
    </message>
</context>
<context>
    <name>brevora::ImportReportDialog</name>
    <message>
        <source>Import alarms</source>
        <translation>Importar avisos</translation>
    </message>
    <message>
        <source>What became of the calendar %1:</source>
        <translation>Lo que se hizo con el calendario %1:</translation>
    </message>
    <message>
        <source>Imported: %1</source>
        <translation>Importados: %1</translation>
    </message>
    <message>
        <source>Not imported: %1</source>
        <translation>No importados: %1</translation>
    </message>
    <message>
        <source>To note:</source>
        <translation>A tener en cuenta:</translation>
    </message>
    <message>
        <source>%1; the alarm that is there was kept</source>
        <translation>%1; el aviso que ya existe se conserva</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Line %1 (UID %2): %3</source>
        <translation>Línea %1 (UID %2): %3</translation>
    </message>
    <message>
        <source>Item %1 (UID %2): %3</source>
        <translation>Elemento %1 (UID %2): %3</translation>
    </message>
</context>
<context>
    <name>brevora::KindChooserWindow</name>
    <message>
        <source>Brevora   New Alarm</source>
        <translation>Brevora   Nuevo aviso</translation>
    </message>
    <message>
        <source>Select alarm type:</source>
        <translation>Seleccione el tipo de aviso:</translation>
    </message>
    <message>
        <source>Next   &gt;</source>
        <translation>Siguiente   &gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>brevora::MainMenu</name>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Delete all alarms</source>
        <translation>Eliminar todos los avisos</translation>
    </message>
    <message>
        <source>Delete all alarms of this type</source>
        <translation>Eliminar todos los avisos de este tipo</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Avisos</translation>
    </message>
    <message>
        <source>New alarm</source>
        <translation>Nuevo aviso</translation>
    </message>
    <message>
        <source>Delete alarm</source>
        <translation>Eliminar aviso</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <source>Change alarm</source>
        <translation>Cambiar aviso</translation>
    </message>
    <message>
        <source>Import alarms...</source>
        <translation>Importar avisos...</translation>
    </message>
    <message>
        <source>Export alarms...</source>
        <translation>Exportar avisos...</translation>
    </message>
</context>
<context>
    <name>brevora::MainWindow</name>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Alarm text</source>
        <translation>Texto del aviso</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sábado</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domingo</translation>
    </message>
</context>
<context>
    <name>brevora::MissedAlarmReport</name>
    <message>
        <source>Missed alarms</source>
        <translation>Avisos perdidos</translation>
    </message>
    <message>
        <source>These alarms fell due while Brevora was not running or the computer was asleep:

</source>
        <translation>Estos avisos debían sonar mientras Brevora no se ejecutaba o el equipo estaba en reposo:

</translation>
    </message>
    <message>
        <source>At least %1 alarms were missed</source>
        <translation>Se perdieron al menos %1 avisos</translation>
    </message>
    <message>
        <source>An alarm was missed</source>
        <translation>Se perdió un aviso</translation>
    </message>
    <message>
        <source>%1 alarms were missed</source>
        <translation>Se perdieron %1 avisos</translation>
    </message>
    <message>
        <source>and at least %1 more</source>
        <translation>y al menos %1 más</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
</context>
<context>
    <name>brevora::NewAlarmWizard</name>
    <message>
        <source>The alarm %1 cannot be changed: its file cannot be read, or does not hold the fields of its kind.</source>
        <translation>El aviso %1 no se puede cambiar: su archivo no se puede leer o no contiene los campos de su tipo.</translation>
    </message>
</context>
<context>
    <name>brevora::NoticeBoard</name>
    <message>
        <source>deleted</source>
        <comment>the alarm file could not be ...</comment>
        <translation>eliminar</translation>
    </message>
    <message>
        <source>set aside</source>
        <comment>the alarm file could not be ...</comment>
        <translation>apartar</translation>
    </message>
    <message>
        <source>The alarm file
%1
could not be %2: %3.
It will not be shown again until its next time comes.</source>
        <translation>El archivo del aviso
%1
no se pudo %2: %3.
No volverá a mostrarse hasta que llegue su próxima hora.</translation>
    </message>
</context>
<context>
    <name>brevora::NoticeNotifications</name>
    <message>
        <source>once</source>
        <translation>una vez</translation>
    </message>
    <message>
        <source>once a day</source>
        <translation>cada día</translation>
    </message>
    <message>
        <source>once a week</source>
        <translation>cada semana</translation>
    </message>
    <message>
        <source>once a month</source>
        <translation>cada mes</translation>
    </message>
    <message>
        <source>once a year</source>
        <translation>cada año</translation>
    </message>
    <message>
        <source>Alarm at %1 (%2)</source>
        <translation>Aviso a las %1 (%2)</translation>
    </message>
    <message>
        <source>Missed: alarm at %1 (%2)</source>
        <translation>Perdido: aviso de las %1 (%2)</translation>
    </message>
    <message>
        <source>Snooze 10 minutes</source>
        <translation>Posponer 10 minutos</translation>
    </message>
    <message>
        <source>The sound could not be played: %1.</source>
        <translation>No se pudo reproducir el sonido: %1.</translation>
    </message>
</context>
<context>
    <name>brevora::NoticeWindow</name>
    <message>
        <source>Alarm!!</source>
        <translation>¡¡Aviso!!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Alarm text</source>
        <translation>Texto del aviso</translation>
    </message>
    <message>
        <source>The sound could not be played.</source>
        <translation>No se pudo reproducir el sonido.</translation>
    </message>
    <message>
        <source>The sound is muted.</source>
        <translation>El sonido está silenciado.</translation>
    </message>
    <message>
        <source>The sound volume is at zero.</source>
        <translation>El volumen está a cero.</translation>
    </message>
</context>
<context>
    <name>brevora::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Run on startup</source>
        <translation>Ejecutar al iniciar la sesión</translation>
    </message>
    <message>
        <source>Run hidden</source>
        <translation>Iniciar oculto</translation>
    </message>
    <message>
        <source>Show the alarms only while it&apos;s the programmed hour</source>
        <translation>Mostrar cada aviso solo durante su minuto programado</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>These settings files could not be saved in &quot;%1&quot;: %2. The settings stay in effect until the program ends.

%3</source>
        <translation>No se pudieron guardar estos archivos de ajustes en «%1»: %2. Los ajustes siguen vigentes hasta que termine el programa.

%3</translation>
    </message>
    <message>
        <source>Error %1 opening key<byte value="xd"/>
</source>
        <translation>Error %1 al abrir la clave<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Error %1 setting key<byte value="xd"/>
</source>
        <translation>Error %1 al establecer la clave<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Repeat the sound until the notice is answered</source>
        <translation>Repetir el sonido hasta que se responda a la ventana de aviso</translation>
    </message>
</context>
<context>
    <name>brevora::ProgramDir</name>
    <message>
        <source>Brevora cannot write to its own folder %1, so it keeps its alarms and settings in %2. The alarms in %1 are not used until that folder can be written.</source>
        <translation>Brevora no puede escribir en su propia carpeta %1, así que guarda sus avisos y ajustes en %2. Los avisos de %1 no se usan hasta que se pueda escribir en esa carpeta.</translation>
    </message>
</context>
<context>
    <name>brevora::SingleInstance</name>
    <message>
        <source>Brevora is already running on %1, but it does not answer, so this start ends.

If it stays like this, end the running copy (for example in a task manager) and start Brevora again.</source>
        <translation>Brevora ya se está ejecutando en %1, pero no responde, así que este inicio termina.

Si sigue así, cierre la copia en ejecución (por ejemplo en un administrador de tareas) y vuelva a iniciar Brevora.</translation>
    </message>
</context>
<context>
    <name>brevora::Snoozer</name>
    <message>
        <source>Its notice has closed already.</source>
        <translation>Su aviso ya se ha cerrado.</translation>
    </message>
    <message>
        <source>The alarm could not be snoozed</source>
        <translation>No se pudo posponer la alarma</translation>
    </message>
    <message>
        <source>Snoozed until %1</source>
        <translation>Pospuesta hasta las %1</translation>
    </message>
</context>
<context>
    <name>brevora::SoundChooserWindow</name>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Select the sound&apos;s archive:</source>
        <translation>Seleccione el archivo de sonido:</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>This file&apos;s name is not valid UTF-8, so Brevora cannot open it. Give it a new name to use it.</source>
        <translation>El nombre de este archivo no es UTF-8 válido, así que Brevora no puede abrirlo. Cámbiele el nombre para usarlo.</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nombre del archivo</translation>
    </message>
    <message>
        <source>The name of the file &quot;%1&quot; is not valid UTF-8, so Brevora cannot store it in an alarm.
Rename the file (in your file manager, for example) and choose it again.</source>
        <translation>El nombre del archivo «%1» no es UTF-8 válido, así que Brevora no puede guardarlo en un aviso.
Cámbiele el nombre (en su gestor de archivos, por ejemplo) y vuelva a elegirlo.</translation>
    </message>
</context>
<context>
    <name>brevora::SoundPlayer</name>
    <message>
        <source>no sound file is named</source>
        <translation>no se indica ningún archivo de sonido</translation>
    </message>
    <message>
        <source>the file %1 does not exist</source>
        <translation>el archivo %1 no existe</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 no es un archivo</translation>
    </message>
    <message>
        <source>the file %1 cannot be decoded (%2)</source>
        <translation>el archivo %1 no se puede decodificar (%2)</translation>
    </message>
    <message>
        <source>the file %1 holds no sound that can be played</source>
        <translation>el archivo %1 no contiene ningún sonido reproducible</translation>
    </message>
    <message>
        <source>no sound server took it</source>
        <translation>ningún servidor de sonido lo aceptó</translation>
    </message>
    <message>
        <source>the sound output is muted</source>
        <translation>la salida de sonido está silenciada</translation>
    </message>
    <message>
        <source>the sound output&apos;s volume is at zero</source>
        <translation>el volumen de la salida de sonido está a cero</translation>
    </message>
</context>
<context>
    <name>brevora::SplashWindow</name>
    <message>
        <source>Versión %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>The reminding solution</source>
        <translation>La solución para recordar</translation>
    </message>
    <message>
        <source>Alarms and reminders</source>
        <translation>Avisos y recordatorios</translation>
    </message>
    <message>
        <source>Free software for everyone</source>
        <translation>Software libre para todos</translation>
    </message>
    <message>
        <source>The Brevora developers</source>
        <translation>Los desarrolladores de Brevora</translation>
    </message>
</context>
<context>
    <name>brevora::StartUpReports</name>
    <message>
        <source>These folders could not be created, so the alarms and settings kept in them cannot be used:
%1</source>
        <translation>No se pudieron crear estas carpetas, así que los avisos y ajustes guardados en ellas no pueden usarse:
%1</translation>
    </message>
    <message>
        <source>These folders of acknowledged alarms are links to other folders, or lie in one, so Brevora moves nothing out of them:
%1

Make each an ordinary folder again for its alarms to come back.</source>
        <translation>Estas carpetas de avisos confirmados son enlaces a otras carpetas, o están dentro de una, así que Brevora no saca nada de ellas:
%1

Vuelva a convertir cada una en una carpeta normal para que sus avisos regresen.</translation>
    </message>
    <message>
        <source>The log-on entry did not match the &quot;Run on startup&quot; setting, as after an interrupted save of the options. It has been renewed: Brevora starts when you log on.</source>
        <translation>La entrada de inicio de sesión no coincidía con la opción &quot;Ejecutar al iniciar la sesión&quot;, como tras un guardado interrumpido de las opciones. Se ha renovado: Brevora se inicia al iniciar la sesión.</translation>
    </message>
    <message>
        <source>The log-on entry did not match the &quot;Run on startup&quot; setting, as after an interrupted save of the options. It has been renewed: Brevora does not start when you log on.</source>
        <translation>La entrada de inicio de sesión no coincidía con la opción &quot;Ejecutar al iniciar la sesión&quot;, como tras un guardado interrumpido de las opciones. Se ha renovado: Brevora no se inicia al iniciar la sesión.</translation>
    </message>
</context>
<context>
    <name>brevora::TrayHost</name>
    <message>
        <source>New alarm</source>
        <translation>Nuevo aviso</translation>
    </message>
    <message>
        <source>New Alarm</source>
        <translation>Nuevo aviso</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Brevora is active</source>
        <translation>Brevora está activo</translation>
    </message>
    <message>
        <source>Brevora is hidden</source>
        <translation>Brevora está oculto</translation>
    </message>
</context>
<context>
    <name>brevora::WakeForAlarms</name>
    <message>
        <source>The computer will not be woken for these alarms</source>
        <translation>El ordenador no se despertará para estas alarmas</translation>
    </message>
    <message>
        <source>They are told when it wakes.</source>
        <translation>Se avisan cuando se despierte.</translation>
    </message>
</context>
<context>
    <name>brevora::WakeWord</name>
    <message>
        <source>A sleeping computer will not be woken for alarms</source>
        <translation>Un ordenador en suspensión no se despertará para las alarmas</translation>
    </message>
    <message>
        <source>Alarms that fall due while the computer sleeps are told when it wakes. To let Brevora wake it, an administrator runs: %1
(%2)</source>
        <translation>Las alarmas que venzan mientras el ordenador está en suspensión se avisan al despertar. Para que Brevora pueda despertarlo, un administrador ejecuta: %1
(%2)</translation>
    </message>
</context>
<context>
    <name>brevora::core</name>
    <message>
        <source>The alarm does not have the fields of its kind.</source>
        <translation>El aviso no tiene los campos de su tipo.</translation>
    </message>
    <message>
        <source>A value holds a character that an alarm file cannot store: %1</source>
        <translation>Un valor contiene un carácter que un archivo de aviso no puede guardar: %1</translation>
    </message>
    <message>
        <source>The alarm is too long: an alarm file holds at most %1 bytes, and this one would need %2. Shorten the alarm text.</source>
        <translation>El aviso es demasiado largo: un archivo de aviso admite como máximo %1 bytes, y este necesitaría %2. Acorte el texto del aviso.</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Una vez</translation>
    </message>
    <message>
        <source>Once a day</source>
        <translation>Una vez al día</translation>
    </message>
    <message>
        <source>Once a week</source>
        <translation>Una vez por semana</translation>
    </message>
    <message>
        <source>Once a month</source>
        <translation>Una vez al mes</translation>
    </message>
    <message>
        <source>Once a year</source>
        <translation>Una vez al año</translation>
    </message>
    <message>
        <source>Alarm type</source>
        <translation>Tipo de aviso</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Día de la semana</translation>
    </message>
    <message>
        <source>The information for the following sections is not valid:</source>
        <translation>Los siguientes campos no son válidos:</translation>
    </message>
    <message>
        <source>Numbers preceded by a 0 are not valid information. Ex: 4, not 04; or 506, not 0506</source>
        <translation>Los números no pueden empezar por 0; por ejemplo, 4 y no 04, o 506 y no 0506.</translation>
    </message>
    <message>
        <source>Invalid information</source>
        <translation>Información no válida</translation>
    </message>
    <message>
        <source>Some settings&apos; files are missing and could not be created in &quot;%1&quot;. The default values are used until the settings can be saved.

%2</source>
        <translation>Faltan algunos archivos de ajustes y no se pudieron crear en «%1». Se usan los valores predeterminados hasta que se puedan guardar los ajustes.

%2</translation>
    </message>
    <message>
        <source>Files missing</source>
        <translation>Faltan archivos</translation>
    </message>
    <message>
        <source>Some settings&apos; files were missing, and they have been created. This has reset those settings to their default values. Use the settigs window to change them</source>
        <translation>Faltaban algunos archivos de ajustes y se han creado. Esto ha devuelto esos ajustes a sus valores predeterminados. Use la ventana de opciones para cambiarlos</translation>
    </message>
    <message>
        <source>The folder %1 does not exist and cannot be created.</source>
        <translation>La carpeta %1 no existe y no se puede crear.</translation>
    </message>
    <message>
        <source>The alarm could not be saved in the file %1.

%2</source>
        <translation>No se pudo guardar el aviso en el archivo %1.

%2</translation>
    </message>
    <message>
        <source>a file of that name waits in %1</source>
        <translation>en %1 ya hay un archivo con ese nombre</translation>
    </message>
    <message>
        <source>%1 (a link to another folder, whose files are left)</source>
        <translation>%1 (un enlace a otra carpeta, cuyos archivos se conservan)</translation>
    </message>
    <message>
        <source>%1 (its name is not valid UTF-8)</source>
        <translation>%1 (su nombre no es UTF-8 válido)</translation>
    </message>
    <message>
        <source>%1 is a link; Brevora does not write through links.</source>
        <translation>%1 es un enlace; Brevora no escribe a través de enlaces.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 no es un archivo normal.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>No se pudo escribir el archivo.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 es de solo lectura.</translation>
    </message>
    <message>
        <source>The alarm was saved in the file %1, but %2 could not be removed.</source>
        <translation>El aviso se guardó en el archivo %1, pero %2 no se pudo eliminar.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>the fields named so far, then one more</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>day</source>
        <translation>día</translation>
    </message>
    <message>
        <source>month</source>
        <translation>mes</translation>
    </message>
    <message>
        <source>year</source>
        <translation>año</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>hora</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>minuto</translation>
    </message>
    <message>
        <source>the file cannot be read as an alarm of its kind</source>
        <translation>el archivo no se puede leer como un aviso de su tipo</translation>
    </message>
    <message>
        <source>%1 differs only in letter case and is shown in its place</source>
        <translation>%1 solo se distingue en mayúsculas y minúsculas y se muestra en su lugar</translation>
    </message>
    <message>
        <source>the name does not have the form of a %1 alarm&apos;s name such as %2</source>
        <translation>el nombre no tiene la forma de un aviso del tipo «%1» como %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a weekday the clock writes (Monday to Sunday)</source>
        <translation>«%1» no es un día de la semana como lo escribe el reloj (de Monday a Sunday)</translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot; is not a plain number</source>
        <translation>%1: «%2» no es un número simple</translation>
    </message>
    <message>
        <source>the %1 %2 is outside %3 to %4</source>
        <translation>%1: %2 no está entre %3 y %4</translation>
    </message>
    <message>
        <source>a number has a leading zero, which the clock never writes</source>
        <translation>un número lleva un cero a la izquierda, que el reloj nunca escribe</translation>
    </message>
    <message>
        <source>the year %1 is not written in full as the clock writes it (2007, not 7)</source>
        <translation>el año %1 no está escrito entero como lo escribe el reloj (2007, no 7)</translation>
    </message>
    <message>
        <source>the date %1-%2-%3 does not exist</source>
        <translation>la fecha %1-%2-%3 no existe</translation>
    </message>
    <message>
        <source>the moment %1-%2-%3 %4:%5 has passed</source>
        <translation>el momento %1-%2-%3 %4:%5 ya pasó</translation>
    </message>
    <message>
        <source>month %1 never has a day %2</source>
        <translation>el mes %1 nunca tiene día %2</translation>
    </message>
    <message>
        <source>the clock never writes this name</source>
        <translation>el reloj nunca escribe este nombre</translation>
    </message>
    <message>
        <source>a %1 holds no moment to be reminded of</source>
        <translation>un %1 no contiene ningún momento que recordar</translation>
    </message>
    <message>
        <source>libical cannot read it: %1</source>
        <translation>libical no puede leerlo: %1</translation>
    </message>
    <message>
        <source>it changes one occurrence of a repeating event, which an alarm cannot hold</source>
        <translation>cambia una sola aparición de un evento que se repite, algo que un aviso no puede recoger</translation>
    </message>
    <message>
        <source>it has no start (DTSTART) to be reminded of</source>
        <translation>no tiene un comienzo (DTSTART) que recordar</translation>
    </message>
    <message>
        <source>its time zone %1 is unknown</source>
        <translation>su zona horaria %1 es desconocida</translation>
    </message>
    <message>
        <source>%1 %2 is %3 on this machine (%4)</source>
        <translation>%1 %2 es %3 en este equipo (%4)</translation>
    </message>
    <message>
        <source>day %1 moves to another month with the reminder or the time zone, which a monthly alarm cannot hold</source>
        <translation>el día %1 pasa a otro mes con el recordatorio o la zona horaria, algo que un aviso mensual no puede recoger</translation>
    </message>
    <message>
        <source>the rule names a date no year has</source>
        <translation>la regla nombra una fecha que no existe en ningún año</translation>
    </message>
    <message>
        <source>libical finds the calendar invalid: %1</source>
        <translation>libical considera que el calendario no es válido: %1</translation>
    </message>
    <message>
        <source>(no detail)</source>
        <translation>(sin detalles)</translation>
    </message>
    <message>
        <source>%1 is already taken by another event of this calendar</source>
        <translation>%1 ya lo ocupa otro evento de este calendario</translation>
    </message>
    <message>
        <source>%1 is already in the store</source>
        <translation>%1 ya está guardado</translation>
    </message>
    <message>
        <source>libical finds no whole calendar in it (BEGIN:VCALENDAR to END:VCALENDAR)</source>
        <translation>libical no encuentra en él un calendario completo (de BEGIN:VCALENDAR a END:VCALENDAR)</translation>
    </message>
    <message>
        <source>a reminder (VALARM) without a TRIGGER</source>
        <translation>un recordatorio (VALARM) sin TRIGGER</translation>
    </message>
    <message>
        <source>a reminder counts from the end, and the event has none</source>
        <translation>un recordatorio cuenta desde el final, y el evento no tiene final</translation>
    </message>
    <message>
        <source>a reminder plays a sound that is no local file</source>
        <translation>un recordatorio reproduce un sonido que no es un archivo local</translation>
    </message>
    <message>
        <source>RDATE adds moments of its own, which an alarm cannot hold</source>
        <translation>RDATE añade momentos propios, que un aviso no puede recoger</translation>
    </message>
    <message>
        <source>more than one RRULE, which an alarm cannot hold</source>
        <translation>más de una RRULE, algo que un aviso no puede recoger</translation>
    </message>
    <message>
        <source>EXDATE leaves out occurrences, which an alarm cannot</source>
        <translation>EXDATE omite apariciones, algo que un aviso no puede hacer</translation>
    </message>
    <message>
        <source>EXRULE leaves out occurrences, which an alarm cannot</source>
        <translation>EXRULE omite apariciones, algo que un aviso no puede hacer</translation>
    </message>
    <message>
        <source>COUNT=%1 ends the repetition, and an alarm repeats for good</source>
        <translation>COUNT=%1 termina la repetición, y un aviso se repite para siempre</translation>
    </message>
    <message>
        <source>UNTIL ends the repetition, and an alarm repeats for good</source>
        <translation>UNTIL termina la repetición, y un aviso se repite para siempre</translation>
    </message>
    <message>
        <source>INTERVAL=%1 skips occurrences, which an alarm cannot</source>
        <translation>INTERVAL=%1 se salta apariciones, algo que un aviso no puede hacer</translation>
    </message>
    <message>
        <source>BYSETPOS picks occurrences by their place, which an alarm cannot</source>
        <translation>BYSETPOS elige apariciones por su posición, algo que un aviso no puede hacer</translation>
    </message>
    <message>
        <source>the rule repeats within a day (BYHOUR, BYMINUTE or BYSECOND), which an alarm cannot</source>
        <translation>la regla se repite dentro de un día (BYHOUR, BYMINUTE o BYSECOND), algo que un aviso no puede hacer</translation>
    </message>
    <message>
        <source>BYYEARDAY and BYWEEKNO count days an alarm does not know</source>
        <translation>BYYEARDAY y BYWEEKNO cuentan días que un aviso no conoce</translation>
    </message>
    <message>
        <source>BYDAY names a weekday&apos;s place in the month or year, which an alarm cannot hold</source>
        <translation>BYDAY nombra la posición de un día de la semana en el mes o el año, algo que un aviso no puede recoger</translation>
    </message>
    <message>
        <source>BYMONTH and BYMONTHDAY limit the repetition, which a daily or weekly alarm cannot</source>
        <translation>BYMONTH y BYMONTHDAY limitan la repetición, algo que un aviso diario o semanal no puede hacer</translation>
    </message>
    <message>
        <source>a monthly rule by weekday or by month, which an alarm cannot hold</source>
        <translation>una regla mensual por día de la semana o por mes, algo que un aviso no puede recoger</translation>
    </message>
    <message>
        <source>BYMONTHDAY counts from the end of the month, which an alarm cannot</source>
        <translation>BYMONTHDAY cuenta desde el final del mes, algo que un aviso no puede hacer</translation>
    </message>
    <message>
        <source>a yearly rule on more than one date, which an alarm cannot hold</source>
        <translation>una regla anual en más de una fecha, algo que un aviso no puede recoger</translation>
    </message>
    <message>
        <source>a leap month, which an alarm cannot hold</source>
        <translation>un mes intercalar, algo que un aviso no puede recoger</translation>
    </message>
    <message>
        <source>FREQ=%1 repeats within a day, which an alarm cannot</source>
        <translation>FREQ=%1 se repite dentro de un día, algo que un aviso no puede hacer</translation>
    </message>
    <message>
        <source>is not a regular file (a pipe, a folder, a device or a link that leads nowhere), so it is no alarm and is not replaced</source>
        <translation>no es un archivo normal (una tubería, una carpeta, un dispositivo o un enlace que no lleva a ninguna parte), así que no es un aviso y no se reemplaza</translation>
    </message>
    <message>
        <source>move it out of the alarm folders</source>
        <translation>sáquelo de las carpetas de avisos</translation>
    </message>
    <message>
        <source>an alarm of this kind at this moment already exists</source>
        <translation>ya existe un aviso de este tipo en este momento</translation>
    </message>
    <message>
        <source>warning: the sound file %1 does not play</source>
        <translation>advertencia: el archivo de sonido %1 no se puede reproducir</translation>
    </message>
</context>
<context>
    <name>brevora::main</name>
    <message>
        <source>Xwayland is not running; the windows open natively on Wayland, where the desktop decides where they appear.</source>
        <translation>Xwayland no está en ejecución; las ventanas se abren directamente en Wayland, donde el escritorio decide dónde aparecen.</translation>
    </message>
</context>
</TS>
