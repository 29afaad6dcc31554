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
    <message>
        <source>
Global shortcuts, where the desktop offers them: Ctrl+Alt+Shift+N makes a new note,
Ctrl+Alt+Shift+H shows or hides all notes.
</source>
        <translation>
Globale Tastenkürzel, sofern die Arbeitsumgebung sie anbietet: Ctrl+Alt+Shift+N erstellt eine neue Notiz,
Ctrl+Alt+Shift+H blendet alle Notizen ein oder aus.
</translation>
    </message>
    <message>
        <source>open the All Notes window</source>
        <translation>das Fenster „Alle Notizen“ öffnen</translation>
    </message>
    <message>
        <source>make a new note, holding TEXT if given (&quot;-&quot;: standard input);
print its file name</source>
        <translation>eine neue Notiz anlegen, mit TEXT, falls angegeben („-“: Standardeingabe);
ihren Dateinamen ausgeben</translation>
    </message>
    <message>
        <source>print FILE&lt;tab&gt;TITLE for every note, the last changed first</source>
        <translation>FILE&lt;Tab&gt;TITLE für jede Notiz ausgeben, die zuletzt geänderte zuerst</translation>
    </message>
    <message>
        <source>the same for the notes that hold every word in their title or
text, whatever the case and accents</source>
        <translation>dasselbe für die Notizen, die jedes Wort in Titel oder Text enthalten,
ohne Rücksicht auf Groß-/Kleinschreibung und Akzente</translation>
    </message>
    <message>
        <source>show the note, brought to the front and onto the screen</source>
        <translation>die Notiz zeigen, nach vorn und auf den Bildschirm geholt</translation>
    </message>
    <message>
        <source>print the note&apos;s title, an empty line and its text</source>
        <translation>Titel der Notiz, eine Leerzeile und ihren Text ausgeben</translation>
    </message>
    <message>
        <source>remind of the note at WHEN: a local date and time
(2026-12-24T18:00), or +Nm or +Nh from now; &quot;off&quot; clears it.
After --new-note TEXT, WHEN alone reminds of the new note</source>
        <translation>an die Notiz zu WHEN erinnern: ein lokales Datum mit Uhrzeit
(2026-12-24T18:00) oder +Nm bzw. +Nh ab jetzt; „off“ hebt es auf.
Nach --new-note TEXT erinnert WHEN allein an die neue Notiz</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the words to look for</source>
        <translation>„%1“ braucht die zu suchenden Wörter</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a note&apos;s file name (as --list prints it)</source>
        <translation>„%1“ braucht den Dateinamen einer Notiz (wie --list ihn ausgibt)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs WHEN</source>
        <translation>„%1“ braucht WHEN</translation>
    </message>
    <message>
        <source>
FILE is a note&apos;s file name in the notes folder, as --list prints it. A missing
note ends with status 1, a wrong command line with 2. With no copy running, the
commands --list, --find and --text read the notes folder themselves, while the
commands --show, --remind and --new-note with TEXT start a copy that runs on.
</source>
        <translation>
FILE ist der Dateiname einer Notiz im Notizordner, wie --list ihn ausgibt. Eine
fehlende Notiz endet mit Status 1, eine falsche Befehlszeile mit 2. Läuft kein
Exemplar, lesen die Befehle --list, --find und --text den Notizordner selbst; die
Befehle --show, --remind und --new-note mit TEXT starten ein weiterlaufendes.
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
    <message>
        <source>the command failed in the running copy</source>
        <translation>der Befehl ist im laufenden Exemplar fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>DeleteUndo</name>
    <message>
        <source>Note deleted</source>
        <translation>Notiz gelöscht</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Nichts rückgängig zu machen</translation>
    </message>
    <message>
        <source>The note &quot;%1&quot; is no longer in the trash.</source>
        <translation>Die Notiz &quot;%1&quot; ist nicht mehr im Papierkorb.</translation>
    </message>
</context>
<context>
    <name>DeletedNotes</name>
    <message>
        <source>The note &quot;%1&quot; cannot be taken back from the trash.</source>
        <translation>Die Notiz „%1“ kann nicht aus dem Papierkorb zurückgeholt werden.</translation>
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
    <name>GlobalShortcutActions</name>
    <message>
        <source>The global shortcut %1 for &quot;%2&quot; is held by %3 (%4).</source>
        <translation>Das globale Tastenkürzel %1 für „%2“ ist durch %3 belegt (%4).</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>ein anderes Programm</translation>
    </message>
    <message>
        <source>The %1 gave no global shortcuts; asking the next way.</source>
        <translation>%1: keine globalen Tastenkürzel erhalten; der nächste Weg wird versucht.</translation>
    </message>
    <message>
        <source>This desktop offers no global shortcuts; bind &quot;%1&quot; in its keyboard settings.</source>
        <translation>Diese Arbeitsumgebung bietet keine globalen Tastenkürzel; legen Sie „%1“ in ihren Tastatureinstellungen fest.</translation>
    </message>
    <message>
        <source>%1 is held by %2.</source>
        <translation>%1 ist von %2 belegt.</translation>
    </message>
</context>
<context>
    <name>GlobalShortcuts</name>
    <message>
        <source>New Note</source>
        <translation>Neue Notiz</translation>
    </message>
    <message>
        <source>New Note from Clipboard</source>
        <translation>Neue Notiz aus Zwischenablage</translation>
    </message>
    <message>
        <source>Show/Hide All Notes</source>
        <translation>Alle Notizen ein-/ausblenden</translation>
    </message>
    <message>
        <source>All Notes</source>
        <translation>Alle Notizen</translation>
    </message>
</context>
<context>
    <name>KdeShortcuts</name>
    <message>
        <source>KDE global shortcuts</source>
        <translation>Globale KDE-Tastenkürzel</translation>
    </message>
</context>
<context>
    <name>NoteAnnouncer</name>
    <message>
        <source>Note opened: %1</source>
        <translation>Notiz geöffnet: %1</translation>
    </message>
    <message>
        <source>Notes opened: %1</source>
        <translation>Notizen geöffnet: %1</translation>
    </message>
    <message>
        <source>Note closed: %1</source>
        <translation>Notiz geschlossen: %1</translation>
    </message>
    <message>
        <source>Notes closed: %1</source>
        <translation>Notizen geschlossen: %1</translation>
    </message>
    <message>
        <source>Note deleted: %1</source>
        <translation>Notiz gelöscht: %1</translation>
    </message>
    <message>
        <source>Notes deleted: %1</source>
        <translation>Notizen gelöscht: %1</translation>
    </message>
</context>
<context>
    <name>NoteCollection</name>
    <message>
        <source>Cannot open the notes folder &quot;%1&quot;.</source>
        <translation>Der Notizenordner „%1“ kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The note &quot;%1&quot; cannot be read.</source>
        <translation>Die Notiz „%1“ kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>NoteDocument</name>
    <message>
        <source>Cannot load the note file &quot;%1&quot;: %2</source>
        <translation>Die Notizdatei „%1“ kann nicht geladen werden: %2</translation>
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
    <message>
        <source>Checklist</source>
        <translation>Checkliste</translation>
    </message>
    <message>
        <source>%1% of the note&apos;s width</source>
        <translation>%1 % der Notizbreite</translation>
    </message>
    <message>
        <source>Original size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Tick or untick the check item</source>
        <translation>Listenpunkt abhaken oder Haken entfernen</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Open the text menu at the caret (also the Menu key)</source>
        <translation>Textmenü an der Schreibmarke öffnen (auch mit der Menu-Taste)</translation>
    </message>
</context>
<context>
    <name>NoteExport</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>der Ordner existiert nicht</translation>
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
    <name>NoteImport</name>
    <message>
        <source>&quot;%1&quot; cannot be imported. %2</source>
        <translation>„%1“ kann nicht importiert werden. %2</translation>
    </message>
</context>
<context>
    <name>NoteKeyboardMove</name>
    <message>
        <source>Move with the arrow keys; Enter keeps, Escape cancels</source>
        <translation>Mit den Pfeiltasten verschieben; Enter übernimmt, Escape bricht ab</translation>
    </message>
    <message>
        <source>Size with the arrow keys; Enter keeps, Escape cancels</source>
        <translation>Mit den Pfeiltasten Größe ändern; Enter übernimmt, Escape bricht ab</translation>
    </message>
</context>
<context>
    <name>NoteKeys</name>
    <message>
        <source>New Note</source>
        <translation>Neue Notiz</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close at once</source>
        <translation>Sofort schließen</translation>
    </message>
    <message>
        <source>Open the note menu</source>
        <translation>Notizmenü öffnen</translation>
    </message>
    <message>
        <source>Edit the title</source>
        <translation>Titel bearbeiten</translation>
    </message>
    <message>
        <source>Move the note: arrow keys, then Enter or Escape</source>
        <translation>Notiz verschieben: Pfeiltasten, dann Enter oder Escape</translation>
    </message>
    <message>
        <source>Size the note: arrow keys, then Enter or Escape</source>
        <translation>Notizgröße ändern: Pfeiltasten, dann Enter oder Escape</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
</context>
<context>
    <name>NoteLimits</name>
    <message>
        <source>Cannot open the note file &quot;%1&quot;: %2</source>
        <translation>Die Notizdatei „%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot read the note file &quot;%1&quot;: %2</source>
        <translation>Die Notizdatei „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Its text has %1 characters; notes of up to %2 characters open.</source>
        <translation>Ihr Text hat %1 Zeichen; geöffnet werden Notizen mit bis zu %2 Zeichen.</translation>
    </message>
    <message>
        <source>One of its paragraphs has %1 characters; paragraphs of up to %2 characters open.</source>
        <translation>Einer ihrer Absätze hat %1 Zeichen; geöffnet werden Absätze mit bis zu %2 Zeichen.</translation>
    </message>
    <message>
        <source>Its file has %1 MB besides its pictures; notes of up to %2 MB besides their pictures open.</source>
        <translation>Ihre Datei hat %1 MB neben ihren Bildern; geöffnet werden Notizen mit bis zu %2 MB neben ihren Bildern.</translation>
    </message>
</context>
<context>
    <name>NoteListModel</name>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Notiztext</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Geändert</translation>
    </message>
</context>
<context>
    <name>NoteListing</name>
    <message>
        <source>there is no note &quot;%1&quot; in %2</source>
        <translation>es gibt keine Notiz „%1“ in %2</translation>
    </message>
</context>
<context>
    <name>NoteLock</name>
    <message>
        <source>Locked</source>
        <translation>Gesperrt</translation>
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
    <name>NoteReminders</name>
    <message>
        <source>Reminder</source>
        <translation>Erinnerung</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Snooze 10 minutes</source>
        <translation>10 Minuten später erinnern</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Erledigt</translation>
    </message>
</context>
<context>
    <name>NoteStateControl</name>
    <message>
        <source>Always on Top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>On All Workspaces</source>
        <translation>Auf allen Arbeitsflächen</translation>
    </message>
    <message>
        <source>Roll Up</source>
        <translation>Aufrollen</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperren</translation>
    </message>
</context>
<context>
    <name>NotesFolderSync</name>
    <message>
        <source>The note file &quot;%1&quot; in &quot;%2&quot; cannot be opened: its name is not valid UTF-8. Rename it to open it as a note; until then Paperlet leaves it as it is.</source>
        <translation>Die Notizdatei „%1“ in „%2“ kann nicht geöffnet werden: Ihr Name ist kein gültiges UTF-8. Benennen Sie sie um, um sie als Notiz zu öffnen; bis dahin lässt Paperlet sie unverändert.</translation>
    </message>
</context>
<context>
    <name>OversizedNote</name>
    <message>
        <source>This note is too large to open here. %1

The file &quot;%2&quot; is left as it is: Paperlet neither changes nor removes it. Once it is small enough, it opens here.</source>
        <translation>Diese Notiz ist zu groß, um hier geöffnet zu werden. %1

Die Datei „%2“ bleibt unverändert: Paperlet ändert oder entfernt sie nicht. Sobald sie klein genug ist, wird sie hier geöffnet.</translation>
    </message>
</context>
<context>
    <name>PortalShortcuts</name>
    <message>
        <source>desktop portal</source>
        <translation>Desktop-Portal</translation>
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
        <translation>„%1“ ist keine Zeit: lokales Datum mit Uhrzeit (2026-12-24T18:00), +Nm oder +Nh angeben</translation>
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
    <name>ScriptCommands</name>
    <message>
        <source>the text is longer than a note takes (%1 characters)</source>
        <translation>der Text ist länger, als eine Notiz fasst (%1 Zeichen)</translation>
    </message>
    <message>
        <source>the note &quot;%1&quot; cannot be changed</source>
        <translation>die Notiz „%1“ kann nicht geändert werden</translation>
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
    <name>ShortcutSettings</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht angelegt werden. %2</translation>
    </message>
</context>
<context>
    <name>StoredNotes</name>
    <message>
        <source>the stored notes are only read here</source>
        <translation>die gespeicherten Notizen werden hier nur gelesen</translation>
    </message>
</context>
<context>
    <name>T</name>
    <message>
        <source>X11 key grab</source>
        <translation>X11-Tastenerfassung</translation>
    </message>
    <message>
        <source>no such key on this keyboard</source>
        <translation>diese Taste gibt es auf dieser Tastatur nicht</translation>
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
    <name>TFR_ALL_NOTES</name>
    <message>
        <source>All Notes</source>
        <translation>Alle Notizen</translation>
    </message>
    <message>
        <source>Search notes</source>
        <translation>Notizen durchsuchen</translation>
    </message>
    <message>
        <source>S&amp;ort by:</source>
        <translation>S&amp;ortieren nach:</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>Letzte Änderung</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>Sortieren nach</translation>
    </message>
    <message>
        <source>&amp;Notes</source>
        <translation>&amp;Notizen</translation>
    </message>
    <message>
        <source>&amp;Recently Deleted</source>
        <translation>&amp;Zuletzt gelöscht</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Zeigen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>E&amp;xportieren</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>&amp;Selected Notes Only</source>
        <translation>Nur &amp;ausgewählte Notizen</translation>
    </message>
    <message>
        <source>&amp;Plain Text...</source>
        <translation>&amp;Reiner Text...</translation>
    </message>
    <message>
        <source>&amp;Markdown...</source>
        <translation>Als &amp;Markdown...</translation>
    </message>
    <message>
        <source>&amp;HTML...</source>
        <translation>Als &amp;HTML...</translation>
    </message>
    <message>
        <source>&amp;Zip Backup of All Notes...</source>
        <translation>&amp;Zip-Sicherung aller Notizen...</translation>
    </message>
    <message>
        <source>&amp;Files...</source>
        <translation>&amp;Dateien...</translation>
    </message>
    <message>
        <source>&amp;Xpad Notes</source>
        <translation>&amp;Xpad-Notizen</translation>
    </message>
    <message>
        <source>Recently deleted notes</source>
        <translation>Zuletzt gelöschte Notizen</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Gelöscht</translation>
    </message>
    <message>
        <source>R&amp;estore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Export Notes To</source>
        <translation>Notizen exportieren nach</translation>
    </message>
    <message>
        <source>Paperlet notes %1.zip</source>
        <translation>Paperlet-Notizen %1.zip</translation>
    </message>
    <message>
        <source>Zip Backup</source>
        <translation>Zip-Sicherung</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>Zip-Archive (*.zip)</translation>
    </message>
    <message>
        <source>The notes are backed up in %1.</source>
        <translation>Die Notizen sind in %1 gesichert.</translation>
    </message>
    <message>
        <source>Import Notes</source>
        <translation>Notizen importieren</translation>
    </message>
    <message>
        <source>Notes and text (*.pnf *.txt *.md);;All files (*)</source>
        <translation>Notizen und Text (*.pnf *.txt *.md);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Notes deleted: %1. Ctrl+Z takes them back.</source>
        <translation>Gelöschte Notizen: %1. Strg+Z holt sie zurück.</translation>
    </message>
    <message>
        <source>Notes restored: %1.</source>
        <translation>Wiederhergestellte Notizen: %1.</translation>
    </message>
    <message>
        <source>Notes exported to %1: %2.</source>
        <translation>Nach %1 exportierte Notizen: %2.</translation>
    </message>
    <message>
        <source>Notes imported: %1.</source>
        <translation>Importierte Notizen: %1.</translation>
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
    <message>
        <source>Reminder: %1</source>
        <translation>Erinnerung: %1</translation>
    </message>
    <message>
        <source>Reminder: %1 (%2)</source>
        <translation>Erinnerung: %1 (%2)</translation>
    </message>
    <message>
        <source>Reminder...</source>
        <translation>Erinnerung...</translation>
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
    <message>
        <source>All Notes...</source>
        <translation>Alle Notizen...</translation>
    </message>
</context>
<context>
    <name>TFR_REMINDER</name>
    <message>
        <source>Reminder</source>
        <translation>Erinnerung</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Uhrzeit:</translation>
    </message>
    <message>
        <source>&amp;Repeat:</source>
        <translation>&amp;Wiederholen:</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>Werktags</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Jährlich</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
    <message>
        <source>&amp;Keyboard Shortcuts...</source>
        <translation>&amp;Tastenkürzel...</translation>
    </message>
</context>
<context>
    <name>TFR_SHORTCUTS</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Command to bind</source>
        <translation>Zu belegender Befehl</translation>
    </message>
    <message>
        <source>This desktop offers programs no global shortcuts. Bind this command to a key in the desktop&apos;s own keyboard settings instead:</source>
        <translation>Diese Arbeitsumgebung bietet Programmen keine globalen Tastenkürzel. Legen Sie stattdessen diesen Befehl in ihren eigenen Tastatureinstellungen auf eine Taste:</translation>
    </message>
    <message>
        <source>These keys work in every program; they are registered through the %1.</source>
        <translation>Diese Tasten wirken in jedem Programm; sie sind angemeldet über: %1.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove the shortcut of %1</source>
        <translation>Tastenkürzel von %1 entfernen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Removed: %1 went to &quot;%2&quot;.</source>
        <translation>Entfernt: %1 gehört jetzt zu „%2“.</translation>
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
    <name>WindowsShortcuts</name>
    <message>
        <source>Windows hot keys</source>
        <translation>Windows-Hotkeys</translation>
    </message>
</context>
<context>
    <name>ZipWriter</name>
    <message>
        <source>The archive would be too large.</source>
        <translation>Das Archiv würde zu groß.</translation>
    </message>
    <message>
        <source>The archive cannot be written: %1</source>
        <translation>Das Archiv kann nicht geschrieben werden: %1</translation>
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
    <message>
        <source>no display could be opened (%1)</source>
        <translation>es konnte keine Anzeige geöffnet werden (%1)</translation>
    </message>
    <message>
        <source>the program could not be started: %1</source>
        <translation>das Programm konnte nicht gestartet werden: %1</translation>
    </message>
</context>
</TS>
