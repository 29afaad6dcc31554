<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Application</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Se ha producido un error inesperado.</translation>
    </message>
    <message>
        <source>Paperlet</source>
        <translation>Paperlet</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>No se pudieron guardar los datos de «%1»</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Tipo de datos no válido para «%1»</translation>
    </message>
</context>
<context>
    <name>ColorNames</name>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrón</translation>
    </message>
    <message>
        <source>Olive Green</source>
        <translation>Verde oliva</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>Verde oscuro</translation>
    </message>
    <message>
        <source>Dark Teal</source>
        <translation>Verde azulado oscuro</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Azul oscuro</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Índigo</translation>
    </message>
    <message>
        <source>Gray-80%</source>
        <translation>Gris 80 %</translation>
    </message>
    <message>
        <source>Dark Red</source>
        <translation>Rojo oscuro</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <source>Dark Yellow</source>
        <translation>Amarillo oscuro</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde azulado</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Blue-Gray</source>
        <translation>Gris azulado</translation>
    </message>
    <message>
        <source>Gray-50%</source>
        <translation>Gris 50 %</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Light Orange</source>
        <translation>Naranja claro</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lima</translation>
    </message>
    <message>
        <source>Sea Green</source>
        <translation>Verde mar</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aguamarina</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Azul claro</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violeta</translation>
    </message>
    <message>
        <source>Gray-40%</source>
        <translation>Gris 40 %</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Oro</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Bright Green</source>
        <translation>Verde brillante</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turquesa</translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation>Azul cielo</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Ciruela</translation>
    </message>
    <message>
        <source>Gray-25%</source>
        <translation>Gris 25 %</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Rosa pálido</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>Canela</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>Amarillo claro</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Verde claro</translation>
    </message>
    <message>
        <source>Light Turquoise</source>
        <translation>Turquesa claro</translation>
    </message>
    <message>
        <source>Pale Blue</source>
        <translation>Azul pálido</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavanda</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Dark Gray</source>
        <translation>Gris oscuro</translation>
    </message>
    <message>
        <source>Light Gray</source>
        <translation>Gris claro</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>show all notes</source>
        <translation>mostrar todas las notas</translation>
    </message>
    <message>
        <source>hide all notes</source>
        <translation>ocultar todas las notas</translation>
    </message>
    <message>
        <source>open the Settings</source>
        <translation>abrir la configuración</translation>
    </message>
    <message>
        <source>open About</source>
        <translation>abrir «Acerca de»</translation>
    </message>
    <message>
        <source>end the running copy, writing every note</source>
        <translation>cerrar el programa en ejecución guardando todas las notas</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>mostrar la versión y salir</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>mostrar esta ayuda y salir</translation>
    </message>
    <message>
        <source>only one option at a time; &apos;%1&apos; is one too many</source>
        <translation>solo una opción a la vez; «%1» sobra</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <source>Usage: %1 [OPTION]
Sticky notes in the tray. With a copy running, an option is carried out by it.

</source>
        <translation>Uso: %1 [OPCIÓN]
Notas adhesivas en la bandeja del sistema. Si el programa ya está en ejecución, es él quien ejecuta la opción.

</translation>
    </message>
    <message>
        <source>
Global shortcuts, where the desktop offers them: Ctrl+Alt+Shift+N makes a new note,
Ctrl+Alt+Shift+H shows or hides all notes.
</source>
        <translation>
Atajos globales, si el escritorio los ofrece: Ctrl+Alt+Shift+N crea una nota nueva,
Ctrl+Alt+Shift+H muestra u oculta todas las notas.
</translation>
    </message>
    <message>
        <source>open the All Notes window</source>
        <translation>abrir la ventana Todas las notas</translation>
    </message>
    <message>
        <source>make a new note, holding TEXT if given (&quot;-&quot;: standard input);
print its file name</source>
        <translation>crear una nota nueva, con TEXT si se da («-»: entrada estándar);
mostrar su nombre de archivo</translation>
    </message>
    <message>
        <source>print FILE&lt;tab&gt;TITLE for every note, the last changed first</source>
        <translation>mostrar FILE&lt;tab&gt;TITLE de cada nota, la última modificada primero</translation>
    </message>
    <message>
        <source>the same for the notes that hold every word in their title or
text, whatever the case and accents</source>
        <translation>lo mismo para las notas cuyo título o texto contiene cada palabra,
sin distinguir mayúsculas ni acentos</translation>
    </message>
    <message>
        <source>show the note, brought to the front and onto the screen</source>
        <translation>mostrar la nota, al frente y dentro de la pantalla</translation>
    </message>
    <message>
        <source>print the note&apos;s title, an empty line and its text</source>
        <translation>mostrar el título de la nota, una línea vacía y su texto</translation>
    </message>
    <message>
        <source>remind of the note at WHEN: a local date and time
(2026-12-24T18:00), or +Nm or +Nh from now; &quot;off&quot; clears it.
After --new-note TEXT, WHEN alone reminds of the new note</source>
        <translation>recordar la nota en WHEN: una fecha y hora locales
(2026-12-24T18:00), o +Nm o +Nh desde ahora; «off» lo quita.
Tras --new-note TEXT, WHEN solo recuerda la nota nueva</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the words to look for</source>
        <translation>«%1» necesita las palabras que buscar</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a note&apos;s file name (as --list prints it)</source>
        <translation>«%1» necesita el nombre de archivo de una nota (como lo muestra --list)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs WHEN</source>
        <translation>«%1» necesita WHEN</translation>
    </message>
    <message>
        <source>
FILE is a note&apos;s file name in the notes folder, as --list prints it. A missing
note ends with status 1, a wrong command line with 2. With no copy running, the
commands --list, --find and --text read the notes folder themselves, while the
commands --show, --remind and --new-note with TEXT start a copy that runs on.
</source>
        <translation>
FILE es el nombre de archivo de una nota en la carpeta de notas, como lo muestra
--list. Una nota que falta termina con estado 1, una línea de órdenes errónea con 2.
Sin copia en marcha, las órdenes --list, --find y --text leen la carpeta ellas mismas;
las órdenes --show, --remind y --new-note con TEXT inician una que sigue en marcha.
</translation>
    </message>
</context>
<context>
    <name>CommandSender</name>
    <message>
        <source>commands to the running copy are not supported on this system</source>
        <translation>este sistema no admite órdenes al programa en ejecución</translation>
    </message>
    <message>
        <source>no D-Bus session bus to reach the running copy (%1)</source>
        <translation>no hay bus de sesión D-Bus para llegar al programa en ejecución (%1)</translation>
    </message>
    <message>
        <source>the running copy does not answer on the D-Bus session bus</source>
        <translation>el programa en ejecución no responde en el bus de sesión D-Bus</translation>
    </message>
    <message>
        <source>the running copy did not take the command: %1</source>
        <translation>el programa en ejecución no aceptó la orden: %1</translation>
    </message>
    <message>
        <source>the command failed in the running copy</source>
        <translation>la orden falló en la copia en marcha</translation>
    </message>
</context>
<context>
    <name>DeleteUndo</name>
    <message>
        <source>Note deleted</source>
        <translation>Nota eliminada</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Nada que deshacer</translation>
    </message>
    <message>
        <source>The note &quot;%1&quot; is no longer in the trash.</source>
        <translation>La nota &quot;%1&quot; ya no está en la papelera.</translation>
    </message>
</context>
<context>
    <name>DeletedNotes</name>
    <message>
        <source>The note &quot;%1&quot; cannot be taken back from the trash.</source>
        <translation>La nota «%1» no se puede recuperar de la papelera.</translation>
    </message>
</context>
<context>
    <name>FontChooser</name>
    <message>
        <source>Size must be between 1 and %1.</source>
        <translation>El tamaño debe estar entre 1 y %1.</translation>
    </message>
</context>
<context>
    <name>GlobalShortcutActions</name>
    <message>
        <source>The global shortcut %1 for &quot;%2&quot; is held by %3 (%4).</source>
        <translation>El atajo global %1 para «%2» está ocupado por %3 (%4).</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>otro programa</translation>
    </message>
    <message>
        <source>The %1 gave no global shortcuts; asking the next way.</source>
        <translation>%1: no se obtuvieron atajos globales; se prueba el siguiente método.</translation>
    </message>
    <message>
        <source>This desktop offers no global shortcuts; bind &quot;%1&quot; in its keyboard settings.</source>
        <translation>Este escritorio no ofrece atajos globales; asigne «%1» en su configuración del teclado.</translation>
    </message>
    <message>
        <source>%1 is held by %2.</source>
        <translation>%1 está ocupado por %2.</translation>
    </message>
</context>
<context>
    <name>GlobalShortcuts</name>
    <message>
        <source>New Note</source>
        <translation>Nota nueva</translation>
    </message>
    <message>
        <source>New Note from Clipboard</source>
        <translation>Nota nueva desde el portapapeles</translation>
    </message>
    <message>
        <source>Show/Hide All Notes</source>
        <translation>Mostrar/ocultar todas las notas</translation>
    </message>
    <message>
        <source>All Notes</source>
        <translation>Todas las notas</translation>
    </message>
</context>
<context>
    <name>KdeShortcuts</name>
    <message>
        <source>KDE global shortcuts</source>
        <translation>Atajos globales de KDE</translation>
    </message>
</context>
<context>
    <name>NoteAnnouncer</name>
    <message>
        <source>Note opened: %1</source>
        <translation>Nota abierta: %1</translation>
    </message>
    <message>
        <source>Notes opened: %1</source>
        <translation>Notas abiertas: %1</translation>
    </message>
    <message>
        <source>Note closed: %1</source>
        <translation>Nota cerrada: %1</translation>
    </message>
    <message>
        <source>Notes closed: %1</source>
        <translation>Notas cerradas: %1</translation>
    </message>
    <message>
        <source>Note deleted: %1</source>
        <translation>Nota eliminada: %1</translation>
    </message>
    <message>
        <source>Notes deleted: %1</source>
        <translation>Notas eliminadas: %1</translation>
    </message>
</context>
<context>
    <name>NoteCollection</name>
    <message>
        <source>Cannot open the notes folder &quot;%1&quot;.</source>
        <translation>No se puede abrir la carpeta de notas «%1».</translation>
    </message>
    <message>
        <source>The note &quot;%1&quot; cannot be read.</source>
        <translation>No se puede leer la nota «%1».</translation>
    </message>
</context>
<context>
    <name>NoteDocument</name>
    <message>
        <source>Cannot load the note file &quot;%1&quot;: %2</source>
        <translation>No se puede cargar el archivo de nota «%1»: %2</translation>
    </message>
</context>
<context>
    <name>NoteEditor</name>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Font Color...</source>
        <translation>Color de fuente...</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Fuente...</translation>
    </message>
    <message>
        <source>Bullets...</source>
        <translation>Viñetas...</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Subrayado</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>Tachado</translation>
    </message>
    <message>
        <source>Left Justify</source>
        <translation>Alinear a la izquierda</translation>
    </message>
    <message>
        <source>Right Justify</source>
        <translation>Alinear a la derecha</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centrar</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Lista de verificación</translation>
    </message>
    <message>
        <source>%1% of the note&apos;s width</source>
        <translation>%1 % del ancho de la nota</translation>
    </message>
    <message>
        <source>Original size</source>
        <translation>Tamaño original</translation>
    </message>
    <message>
        <source>Tick or untick the check item</source>
        <translation>Marcar o desmarcar el elemento</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Open the text menu at the caret (also the Menu key)</source>
        <translation>Abrir el menú de texto en el cursor (también con la tecla Menu)</translation>
    </message>
</context>
<context>
    <name>NoteExport</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>No se puede escribir «%1»: %2</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>la carpeta no existe</translation>
    </message>
</context>
<context>
    <name>NoteFile</name>
    <message>
        <source>The header field &quot;%1&quot; is not a hexadecimal number.</source>
        <translation>El campo de cabecera «%1» no es un número hexadecimal.</translation>
    </message>
    <message>
        <source>The note file has fewer than two lines.</source>
        <translation>El archivo de nota tiene menos de dos líneas.</translation>
    </message>
    <message>
        <source>The header &quot;%1&quot; is too short.</source>
        <translation>La cabecera «%1» es demasiado corta.</translation>
    </message>
    <message>
        <source>Cannot write the note file &quot;%1&quot;: %2</source>
        <translation>No se puede escribir el archivo de nota «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot open the note file &quot;%1&quot;: %2</source>
        <translation>No se puede abrir el archivo de nota «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot read the note file &quot;%1&quot;: %2</source>
        <translation>No se puede leer el archivo de nota «%1»: %2</translation>
    </message>
</context>
<context>
    <name>NoteImport</name>
    <message>
        <source>&quot;%1&quot; cannot be imported. %2</source>
        <translation>No se puede importar «%1». %2</translation>
    </message>
</context>
<context>
    <name>NoteKeyboardMove</name>
    <message>
        <source>Move with the arrow keys; Enter keeps, Escape cancels</source>
        <translation>Mover con las flechas; Enter acepta, Escape cancela</translation>
    </message>
    <message>
        <source>Size with the arrow keys; Enter keeps, Escape cancels</source>
        <translation>Redimensionar con las flechas; Enter acepta, Escape cancela</translation>
    </message>
</context>
<context>
    <name>NoteKeys</name>
    <message>
        <source>New Note</source>
        <translation>Nota nueva</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close at once</source>
        <translation>Cerrar de inmediato</translation>
    </message>
    <message>
        <source>Open the note menu</source>
        <translation>Abrir el menú de la nota</translation>
    </message>
    <message>
        <source>Edit the title</source>
        <translation>Editar el título</translation>
    </message>
    <message>
        <source>Move the note: arrow keys, then Enter or Escape</source>
        <translation>Mover la nota: flechas y luego Enter o Escape</translation>
    </message>
    <message>
        <source>Size the note: arrow keys, then Enter or Escape</source>
        <translation>Redimensionar la nota: flechas y luego Enter o Escape</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
</context>
<context>
    <name>NoteLimits</name>
    <message>
        <source>Cannot open the note file &quot;%1&quot;: %2</source>
        <translation>No se puede abrir el archivo de nota «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot read the note file &quot;%1&quot;: %2</source>
        <translation>No se puede leer el archivo de nota «%1»: %2</translation>
    </message>
    <message>
        <source>Its text has %1 characters; notes of up to %2 characters open.</source>
        <translation>Su texto tiene %1 caracteres; se abren notas de hasta %2 caracteres.</translation>
    </message>
    <message>
        <source>One of its paragraphs has %1 characters; paragraphs of up to %2 characters open.</source>
        <translation>Uno de sus párrafos tiene %1 caracteres; se abren párrafos de hasta %2 caracteres.</translation>
    </message>
    <message>
        <source>Its file has %1 MB besides its pictures; notes of up to %2 MB besides their pictures open.</source>
        <translation>Su archivo tiene %1 MB además de sus imágenes; se abren notas de hasta %2 MB además de sus imágenes.</translation>
    </message>
</context>
<context>
    <name>NoteListModel</name>
    <message>
        <source>Color</source>
        <translation>Color de nota</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Modificada</translation>
    </message>
</context>
<context>
    <name>NoteListing</name>
    <message>
        <source>there is no note &quot;%1&quot; in %2</source>
        <translation>no hay ninguna nota «%1» en %2</translation>
    </message>
</context>
<context>
    <name>NoteLock</name>
    <message>
        <source>Locked</source>
        <translation>Bloqueada</translation>
    </message>
</context>
<context>
    <name>NoteMenu</name>
    <message>
        <source>New Note</source>
        <translation>Nota nueva</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color de la nota</translation>
    </message>
    <message>
        <source>Opacity         </source>
        <translation>Opacidad         </translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Send Mail</source>
        <translation>Enviar por correo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Are you sure want to delete the note?</source>
        <translation>¿Seguro que quiere eliminar la nota?</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Confirmar eliminación</translation>
    </message>
</context>
<context>
    <name>NoteNaming</name>
    <message>
        <source>New Note</source>
        <translation>Nota nueva</translation>
    </message>
</context>
<context>
    <name>NoteReminders</name>
    <message>
        <source>Reminder</source>
        <translation>Recordatorio</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Snooze 10 minutes</source>
        <translation>Posponer 10 minutos</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
</context>
<context>
    <name>NoteStateControl</name>
    <message>
        <source>Always on Top</source>
        <translation>Siempre visible</translation>
    </message>
    <message>
        <source>On All Workspaces</source>
        <translation>En todos los espacios de trabajo</translation>
    </message>
    <message>
        <source>Roll Up</source>
        <translation>Enrollar</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Bloquear</translation>
    </message>
</context>
<context>
    <name>NotesFolderSync</name>
    <message>
        <source>The note file &quot;%1&quot; in &quot;%2&quot; cannot be opened: its name is not valid UTF-8. Rename it to open it as a note; until then Paperlet leaves it as it is.</source>
        <translation>No se puede abrir el archivo de nota «%1» en «%2»: su nombre no es UTF-8 válido. Cámbiele el nombre para abrirlo como nota; mientras tanto, Paperlet lo deja como está.</translation>
    </message>
</context>
<context>
    <name>OversizedNote</name>
    <message>
        <source>This note is too large to open here. %1

The file &quot;%2&quot; is left as it is: Paperlet neither changes nor removes it. Once it is small enough, it opens here.</source>
        <translation>Esta nota es demasiado grande para abrirla aquí. %1

El archivo «%2» se deja como está: Paperlet no lo modifica ni lo elimina. Cuando sea lo bastante pequeño, se abrirá aquí.</translation>
    </message>
</context>
<context>
    <name>PortalShortcuts</name>
    <message>
        <source>desktop portal</source>
        <translation>portal del escritorio</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>ReminderWhen</name>
    <message>
        <source>&apos;%1&apos; is not a time: give a local date and time (2026-12-24T18:00), +Nm or +Nh</source>
        <translation>«%1» no es una hora: indique una fecha y hora locales (2026-12-24T18:00), +Nm o +Nh</translation>
    </message>
</context>
<context>
    <name>RescueLog</name>
    <message>
        <source>Cannot add to the list of rescued notes &quot;%1&quot;: %2</source>
        <translation>No se puede ampliar la lista de notas rescatadas «%1»: %2</translation>
    </message>
    <message>
        <source>Rescued Notes</source>
        <translation>Notas rescatadas</translation>
    </message>
    <message>
        <source>Some notes could not be saved in their own files when Paperlet last closed. Their copies were saved here:
</source>
        <translation>La última vez que se cerró Paperlet, algunas notas no se pudieron guardar en sus propios archivos. Sus copias se guardaron aquí:
</translation>
    </message>
</context>
<context>
    <name>ScriptCommands</name>
    <message>
        <source>the text is longer than a note takes (%1 characters)</source>
        <translation>el texto es más largo de lo que cabe en una nota (%1 caracteres)</translation>
    </message>
    <message>
        <source>the note &quot;%1&quot; cannot be changed</source>
        <translation>la nota «%1» no se puede cambiar</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>No se puede crear el archivo «%1». %2</translation>
    </message>
</context>
<context>
    <name>ShortcutSettings</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>No se puede crear el archivo «%1». %2</translation>
    </message>
</context>
<context>
    <name>StoredNotes</name>
    <message>
        <source>the stored notes are only read here</source>
        <translation>las notas guardadas solo se leen aquí</translation>
    </message>
</context>
<context>
    <name>T</name>
    <message>
        <source>X11 key grab</source>
        <translation>captura de teclas de X11</translation>
    </message>
    <message>
        <source>no such key on this keyboard</source>
        <translation>esta tecla no existe en este teclado</translation>
    </message>
</context>
<context>
    <name>TFR_ABOUT</name>
    <message>
        <source>Copyright © 2024 The Paperlet developers</source>
        <translation>Copyright © 2024 Los desarrolladores de Paperlet</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Paperlet</source>
        <translation>Paperlet</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TFR_ALL_NOTES</name>
    <message>
        <source>All Notes</source>
        <translation>Todas las notas</translation>
    </message>
    <message>
        <source>Search notes</source>
        <translation>Buscar en las notas</translation>
    </message>
    <message>
        <source>S&amp;ort by:</source>
        <translation>&amp;Ordenar por:</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>Último cambio</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color de nota</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>Ordenar por</translation>
    </message>
    <message>
        <source>&amp;Notes</source>
        <translation>&amp;Notas</translation>
    </message>
    <message>
        <source>&amp;Recently Deleted</source>
        <translation>&amp;Eliminadas recientemente</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Mostrar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>E&amp;xportar</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>&amp;Selected Notes Only</source>
        <translation>&amp;Solo las notas seleccionadas</translation>
    </message>
    <message>
        <source>&amp;Plain Text...</source>
        <translation>Texto &amp;plano...</translation>
    </message>
    <message>
        <source>&amp;Markdown...</source>
        <translation>Como &amp;Markdown...</translation>
    </message>
    <message>
        <source>&amp;HTML...</source>
        <translation>Como &amp;HTML...</translation>
    </message>
    <message>
        <source>&amp;Zip Backup of All Notes...</source>
        <translation>Copia de seguridad &amp;zip de todas las notas...</translation>
    </message>
    <message>
        <source>&amp;Files...</source>
        <translation>&amp;Archivos...</translation>
    </message>
    <message>
        <source>&amp;Xpad Notes</source>
        <translation>Notas de &amp;Xpad</translation>
    </message>
    <message>
        <source>Recently deleted notes</source>
        <translation>Notas eliminadas recientemente</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Eliminada</translation>
    </message>
    <message>
        <source>R&amp;estore</source>
        <translation>R&amp;estaurar</translation>
    </message>
    <message>
        <source>Export Notes To</source>
        <translation>Exportar las notas a</translation>
    </message>
    <message>
        <source>Paperlet notes %1.zip</source>
        <translation>Notas de Paperlet %1.zip</translation>
    </message>
    <message>
        <source>Zip Backup</source>
        <translation>Copia de seguridad zip</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>Archivos zip (*.zip)</translation>
    </message>
    <message>
        <source>The notes are backed up in %1.</source>
        <translation>Las notas están guardadas en %1.</translation>
    </message>
    <message>
        <source>Import Notes</source>
        <translation>Importar notas</translation>
    </message>
    <message>
        <source>Notes and text (*.pnf *.txt *.md);;All files (*)</source>
        <translation>Notas y texto (*.pnf *.txt *.md);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Notes deleted: %1. Ctrl+Z takes them back.</source>
        <translation>Notas eliminadas: %1. Ctrl+Z las recupera.</translation>
    </message>
    <message>
        <source>Notes restored: %1.</source>
        <translation>Notas restauradas: %1.</translation>
    </message>
    <message>
        <source>Notes exported to %1: %2.</source>
        <translation>Notas exportadas a %1: %2.</translation>
    </message>
    <message>
        <source>Notes imported: %1.</source>
        <translation>Notas importadas: %1.</translation>
    </message>
</context>
<context>
    <name>TFR_NOTE</name>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Double click to edit title</source>
        <translation>Doble clic para editar el título</translation>
    </message>
    <message>
        <source>No Name</source>
        <translation>Sin nombre</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>
The note stays open so that its text is not lost.</source>
        <translation>
La nota sigue abierta para que no se pierda su texto.</translation>
    </message>
    <message>
        <source>Note text</source>
        <translation>Texto de la nota</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Cambiar tamaño</translation>
    </message>
    <message>
        <source>Reminder: %1</source>
        <translation>Recordatorio: %1</translation>
    </message>
    <message>
        <source>Reminder: %1 (%2)</source>
        <translation>Recordatorio: %1 (%2)</translation>
    </message>
    <message>
        <source>Reminder...</source>
        <translation>Recordatorio...</translation>
    </message>
</context>
<context>
    <name>TFR_PLT_MAIN</name>
    <message>
        <source>Paperlet
Double click for new note!</source>
        <translation>Paperlet
¡Doble clic para una nota nueva!</translation>
    </message>
    <message>
        <source>Paperlet</source>
        <translation>Paperlet</translation>
    </message>
    <message>
        <source>Double click for new note!</source>
        <translation>¡Doble clic para una nota nueva!</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>Nota nueva</translation>
    </message>
    <message>
        <source>Show All Notes</source>
        <translation>Mostrar todas las notas</translation>
    </message>
    <message>
        <source>Hide All Notes</source>
        <translation>Ocultar todas las notas</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>All Notes...</source>
        <translation>Todas las notas...</translation>
    </message>
</context>
<context>
    <name>TFR_REMINDER</name>
    <message>
        <source>Reminder</source>
        <translation>Recordatorio</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Fecha:</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Hora:</translation>
    </message>
    <message>
        <source>&amp;Repeat:</source>
        <translation>&amp;Repetir:</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diariamente</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>Días laborables</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanalmente</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensualmente</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Anualmente</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TFR_SETTINGS</name>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generales</translation>
    </message>
    <message>
        <source>Load on startup</source>
        <translation>Iniciar al entrar en la sesión</translation>
    </message>
    <message>
        <source>Check updates automatically</source>
        <translation>Actualizaciones automáticas</translation>
    </message>
    <message>
        <source>Default Note</source>
        <translation>Nota predeterminada</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>Nota nueva</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Date Time</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>Opacidad:</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Fondo:</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Fuente:</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Ejemplo</translation>
    </message>
    <message>
        <source>Font Color:</source>
        <translation>Texto:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts...</source>
        <translation>&amp;Atajos de teclado...</translation>
    </message>
</context>
<context>
    <name>TFR_SHORTCUTS</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>Command to bind</source>
        <translation>Orden que asignar</translation>
    </message>
    <message>
        <source>This desktop offers programs no global shortcuts. Bind this command to a key in the desktop&apos;s own keyboard settings instead:</source>
        <translation>Este escritorio no ofrece atajos globales a los programas. Asigne en su lugar esta orden a una tecla en la propia configuración del teclado del escritorio:</translation>
    </message>
    <message>
        <source>These keys work in every program; they are registered through the %1.</source>
        <translation>Estas teclas funcionan en todos los programas; están registradas mediante: %1.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove the shortcut of %1</source>
        <translation>Quitar el atajo de %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Removed: %1 went to &quot;%2&quot;.</source>
        <translation>Quitado: %1 pasó a «%2».</translation>
    </message>
</context>
<context>
    <name>ThemeRegistry</name>
    <message>
        <source>Cannot register theme</source>
        <translation>No se puede registrar el tema</translation>
    </message>
    <message>
        <source>Theme %1 is already registered</source>
        <translation>El tema %1 ya está registrado</translation>
    </message>
    <message>
        <source>Unknown theme %1</source>
        <translation>Tema desconocido %1</translation>
    </message>
</context>
<context>
    <name>UpdateReport</name>
    <message>
        <source>You are already using the most recent version of Paperlet.
Please check in future!</source>
        <translation>Ya está usando la versión más reciente de Paperlet.
¡Vuelva a comprobarlo más adelante!</translation>
    </message>
    <message>
        <source>Your version is:         %1
Current version is:    %2

A newer version is available.
Do you want to download new version?</source>
        <translation>Su versión:           %1
Versión actual:     %2

Hay una versión más reciente disponible.
¿Desea descargar la nueva versión?</translation>
    </message>
    <message>
        <source>Paperlet</source>
        <translation>Paperlet</translation>
    </message>
</context>
<context>
    <name>WindowsShortcuts</name>
    <message>
        <source>Windows hot keys</source>
        <translation>Teclas rápidas de Windows</translation>
    </message>
</context>
<context>
    <name>ZipWriter</name>
    <message>
        <source>The archive would be too large.</source>
        <translation>El archivo sería demasiado grande.</translation>
    </message>
    <message>
        <source>The archive cannot be written: %1</source>
        <translation>No se puede escribir el archivo: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Paperlet Already Running!</source>
        <translation>¡Paperlet ya se está ejecutando!</translation>
    </message>
    <message>
        <source>no display could be opened (%1)</source>
        <translation>no se pudo abrir ninguna pantalla (%1)</translation>
    </message>
    <message>
        <source>the program could not be started: %1</source>
        <translation>no se pudo iniciar el programa: %1</translation>
    </message>
</context>
</TS>
