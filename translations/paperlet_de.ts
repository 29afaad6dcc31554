<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Application</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten.</translation>
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
        <translation>Daten für „%1“ konnten nicht gesetzt werden</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Ungültiger Datentyp für „%1“</translation>
    </message>
</context>
<context>
    <name>ColorNames</name>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>Olive Green</source>
        <translation>Olivgrün</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>Dunkelgrün</translation>
    </message>
    <message>
        <source>Dark Teal</source>
        <translation>Dunkles Blaugrün</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Dunkelblau</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Indigoblau</translation>
    </message>
    <message>
        <source>Gray-80%</source>
        <translation>Grau 80%</translation>
    </message>
    <message>
        <source>Dark Red</source>
        <translation>Dunkelrot</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orangefarben</translation>
    </message>
    <message>
        <source>Dark Yellow</source>
        <translation>Dunkelgelb</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Blue-Gray</source>
        <translation>Blaugrau</translation>
    </message>
    <message>
        <source>Gray-50%</source>
        <translation>Grau 50%</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Light Orange</source>
        <translation>Hellorange</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Limettengrün</translation>
    </message>
    <message>
        <source>Sea Green</source>
        <translation>Meergrün</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aquamarin</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Hellblau</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Gray-40%</source>
        <translation>Grau 40%</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Goldgelb</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Bright Green</source>
        <translation>Leuchtendes Grün</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Türkis</translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation>Himmelblau</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Pflaume</translation>
    </message>
    <message>
        <source>Gray-25%</source>
        <translation>Grau 25%</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Rosé</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>Hellbraun</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>Hellgelb</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Light Turquoise</source>
        <translation>Helltürkis</translation>
    </message>
    <message>
        <source>Pale Blue</source>
        <translation>Blassblau</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavendel</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Dark Gray</source>
        <translation>Dunkelgrau</translation>
    </message>
    <message>
        <source>Light Gray</source>
        <translation>Hellgrau</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>make a new note</source>
        <translation>eine neue Notiz anlegen</translation>
    </message>
    <message>
        <source>show all notes</source>
        <translation>alle Notizen zeigen</translation>
    </message>
    <message>
        <source>hide all notes</source>
        <translation>alle Notizen ausblenden</translation>
    </message>
    <message>
        <source>open the Settings</source>
        <translation>die Einstellungen öffnen</translation>
    </message>
    <message>
        <source>open About</source>
        <translation>„Über“ öffnen</translation>
    </message>
    <message>
        <source>end the running copy, writing every note</source>
        <translation>das laufende Programm beenden und alle Notizen speichern</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>Version ausgeben und beenden</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>diese Hilfe ausgeben und beenden</translation>
    </message>
    <message>
        <source>only one option at a time; &apos;%1&apos; is one too many</source>
        <translation>nur eine Option auf einmal; „%1“ ist eine zu viel</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>Usage: %1 [OPTION]
Sticky notes in the tray. With a copy running, an option is carried out by it.

</source>
        <translation>Aufruf: %1 [OPTION]
Haftnotizen im Infobereich. Läuft das Programm bereits, führt es die Option aus.

</translation>
    </message>
</context>
<context>
    <name>CommandSender</name>
    <message>
        <source>commands to the running copy are not supported on this system</source>
        <translation>Befehle an das laufende Programm werden auf diesem System nicht unterstützt</translation>
    </message>
    <message>
        <source>no D-Bus session bus to reach the running copy (%1)</source>
        <translation>kein D-Bus-Sitzungsbus, um das laufende Programm zu erreichen (%1)</translation>
    </message>
    <message>
        <source>the running copy does not answer on the D-Bus session bus</source>
        <translation>das laufende Programm antwortet nicht auf dem D-Bus-Sitzungsbus</translation>
    </message>
    <message>
        <source>the running copy did not take the command: %1</source>
        <translation>das laufende Programm hat den Befehl nicht angenommen: %1</translation>
    </message>
</context>
<context>
    <name>FontChooser</name>
    <message>
        <source>Size must be between 1 and %1.</source>
        <translation>Die Größe muss zwischen 1 und %1 liegen.</translation>
    </message>
</context>
<context>
    <name>NoteCollection</name>
    <message>
        <source>Cannot open the notes folder &quot;%1&quot;.</source>
        <translation>Der Notizenordner „%1“ kann nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>NoteEditor</name>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Font Color...</source>
        <translation>Schriftfarbe...</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Schriftart...</translation>
    </message>
    <message>
        <source>Bullets...</source>
        <translation>Aufzählung...</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>Durchgestrichen</translation>
    </message>
    <message>
        <source>Left Justify</source>
        <translation>Linksbündig</translation>
    </message>
    <message>
        <source>Right Justify</source>
        <translation>Rechtsbündig</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
</context>
<context>
    <name>NoteFile</name>
    <message>
        <source>The header field &quot;%1&quot; is not a hexadecimal number.</source>
        <translation>Das Kopffeld „%1“ ist keine Hexadezimalzahl.</translation>
    </message>
    <message>
        <source>The note file has fewer than two lines.</source>
        <translation>Die Notizdatei hat weniger als zwei Zeilen.</translation>
    </message>
    <message>
        <source>The header &quot;%1&quot; is too short.</source>
        <translation>Der Kopf „%1“ ist zu kurz.</translation>
    </message>
    <message>
        <source>Cannot write the note file &quot;%1&quot;: %2</source>
        <translation>Die Notizdatei „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot open the note file &quot;%1&quot;: %2</source>
        <translation>Die Notizdatei „%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot read the note file &quot;%1&quot;: %2</source>
        <translation>Die Notizdatei „%1“ kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>NoteMenu</name>
    <message>
        <source>New Note</source>
        <translation>Neue Notiz</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Opacity         </source>
        <translation>Deckkraft         </translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Send Mail</source>
        <translation>Per E-Mail senden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Are you sure want to delete the note?</source>
        <translation>Soll die Notiz wirklich gelöscht werden?</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Löschen bestätigen</translation>
    </message>
</context>
<context>
    <name>NoteNaming</name>
    <message>
        <source>New Note</source>
        <translation>Neue Notiz</translation>
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
        <translation>Die Liste der geretteten Notizen „%1“ kann nicht ergänzt werden: %2</translation>
    </message>
    <message>
        <source>Rescued Notes</source>
        <translation>Gerettete Notizen</translation>
    </message>
    <message>
        <source>Some notes could not be saved in their own files when Paperlet last closed. Their copies were saved here:
</source>
        <translation>Beim letzten Beenden von Paperlet konnten einige Notizen nicht in ihren eigenen Dateien gespeichert werden. Ihre Kopien liegen hier:
</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht angelegt werden. %2</translation>
    </message>
</context>
<context>
    <name>TFR_ABOUT</name>
    <message>
        <source>Copyright © 2024 The Paperlet developers</source>
        <translation>Copyright © 2024 Die Paperlet-Entwickler</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Paperlet</source>
        <translation>Paperlet</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TFR_NOTE</name>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Double click to edit title</source>
        <translation>Doppelklick zum Bearbeiten des Titels</translation>
    </message>
    <message>
        <source>No Name</source>
        <translation>Ohne Namen</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Cannot load the note file &quot;%1&quot;: %2</source>
        <translation>Die Notizdatei „%1“ kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;.</source>
        <translation>„%1“ kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>
The note stays open so that its text is not lost.</source>
        <translation>
Die Notiz bleibt geöffnet, damit ihr Text nicht verloren geht.</translation>
    </message>
    <message>
        <source>Note text</source>
        <translation>Notiztext</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Größe ändern</translation>
    </message>
</context>
<context>
    <name>TFR_PLT_MAIN</name>
    <message>
        <source>Paperlet
Double click for new note!</source>
        <translation>Paperlet
Doppelklick für neue Notiz!</translation>
    </message>
    <message>
        <source>Paperlet</source>
        <translation>Paperlet</translation>
    </message>
    <message>
        <source>Double click for new note!</source>
        <translation>Doppelklick für neue Notiz!</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>Neue Notiz</translation>
    </message>
    <message>
        <source>Show All Notes</source>
        <translation>Alle Notizen zeigen</translation>
    </message>
    <message>
        <source>Hide All Notes</source>
        <translation>Alle Notizen ausblenden</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>TFR_SETTINGS</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Load on startup</source>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message>
        <source>Check updates automatically</source>
        <translation>Updates automatisch suchen</translation>
    </message>
    <message>
        <source>Default Note</source>
        <translation>Standardnotiz</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>Neue Notiz</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Date Time</source>
        <translation>Datum/Zeit</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>Deckkraft:</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Farbe:</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Schrift:</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>Font Color:</source>
        <translation>Textfarbe:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>ThemeRegistry</name>
    <message>
        <source>Cannot register theme</source>
        <translation>Das Design kann nicht registriert werden</translation>
    </message>
    <message>
        <source>Theme %1 is already registered</source>
        <translation>Das Design %1 ist bereits registriert</translation>
    </message>
    <message>
        <source>Unknown theme %1</source>
        <translation>Unbekanntes Design %1</translation>
    </message>
</context>
<context>
    <name>UpdateReport</name>
    <message>
        <source>You are already using the most recent version of Paperlet.
Please check in future!</source>
        <translation>Sie verwenden bereits die neueste Version von Paperlet.
Schauen Sie später wieder nach!</translation>
    </message>
    <message>
        <source>Your version is:         %1
Current version is:    %2

A newer version is available.
Do you want to download new version?</source>
        <translation>Ihre Version:          %1
Aktuelle Version:    %2

Eine neuere Version ist verfügbar.
Möchten Sie die neue Version herunterladen?</translation>
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
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Paperlet Already Running!</source>
        <translation>Paperlet läuft bereits!</translation>
    </message>
</context>
</TS>
