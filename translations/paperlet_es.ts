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
        <source>make a new note</source>
        <translation>crear una nota nueva</translation>
    </message>
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
</context>
<context>
    <name>FontChooser</name>
    <message>
        <source>Size must be between 1 and %1.</source>
        <translation>El tamaño debe estar entre 1 y %1.</translation>
    </message>
</context>
<context>
    <name>NoteCollection</name>
    <message>
        <source>Cannot open the notes folder &quot;%1&quot;.</source>
        <translation>No se puede abrir la carpeta de notas «%1».</translation>
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
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
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
    <name>SettingsStore</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>No se puede crear el archivo «%1». %2</translation>
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
        <source>Cannot load the note file &quot;%1&quot;: %2</source>
        <translation>No se puede cargar el archivo de nota «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;.</source>
        <translation>No se puede crear «%1».</translation>
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
    <name>main</name>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Paperlet Already Running!</source>
        <translation>¡Paperlet ya se está ejecutando!</translation>
    </message>
</context>
</TS>
