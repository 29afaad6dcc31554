<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en">
<context>
    <name>Application</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paperlet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColorNames</name>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Olive Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark Teal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gray-80%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue-Gray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gray-50%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light Orange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sea Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Violet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gray-40%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bright Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gray-25%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light Turquoise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pale Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark Gray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light Gray</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>show all notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hide all notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open the Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>end the running copy, writing every note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only one option at a time; &apos;%1&apos; is one too many</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: %1 [OPTION]
Sticky notes in the tray. With a copy running, an option is carried out by it.

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Global shortcuts, where the desktop offers them: Ctrl+Alt+Shift+N makes a new note,
Ctrl+Alt+Shift+H shows or hides all notes.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open the All Notes window</source>
        <translation></translation>
    </message>
    <message>
        <source>make a new note, holding TEXT if given (&quot;-&quot;: standard input);
print its file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print FILE&lt;tab&gt;TITLE for every note, the last changed first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the same for the notes that hold every word in their title or
text, whatever the case and accents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show the note, brought to the front and onto the screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print the note&apos;s title, an empty line and its text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>remind of the note at WHEN: a local date and time
(2026-12-24T18:00), or +Nm or +Nh from now; &quot;off&quot; clears it.
After --new-note TEXT, WHEN alone reminds of the new note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the words to look for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a note&apos;s file name (as --list prints it)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs WHEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
FILE is a note&apos;s file name in the notes folder, as --list prints it. A missing
note ends with status 1, a wrong command line with 2. With no copy running, the
commands --list, --find and --text read the notes folder themselves, while the
commands --show, --remind and --new-note with TEXT start a copy that runs on.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandSender</name>
    <message>
        <source>commands to the running copy are not supported on this system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no D-Bus session bus to reach the running copy (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the running copy does not answer on the D-Bus session bus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the running copy did not take the command: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the command failed in the running copy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeleteUndo</name>
    <message>
        <source>Note deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The note &quot;%1&quot; is no longer in the trash.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeletedNotes</name>
    <message>
        <source>The note &quot;%1&quot; cannot be taken back from the trash.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FontChooser</name>
    <message>
        <source>Size must be between 1 and %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GlobalShortcutActions</name>
    <message>
        <source>The global shortcut %1 for &quot;%2&quot; is held by %3 (%4).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 gave no global shortcuts; asking the next way.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This desktop offers no global shortcuts; bind &quot;%1&quot; in its keyboard settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is held by %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GlobalShortcuts</name>
    <message>
        <source>New Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Note from Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show/Hide All Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Notes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KdeShortcuts</name>
    <message>
        <source>KDE global shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteAnnouncer</name>
    <message>
        <source>Note opened: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes opened: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note closed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes closed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note deleted: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes deleted: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteCollection</name>
    <message>
        <source>Cannot open the notes folder &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The note &quot;%1&quot; cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteDocument</name>
    <message>
        <source>Cannot load the note file &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteEditor</name>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Color...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bullets...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Underline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Justify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right Justify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1% of the note&apos;s width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick or untick the check item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the text menu at the caret (also the Menu key)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteExport</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteFile</name>
    <message>
        <source>The header field &quot;%1&quot; is not a hexadecimal number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The note file has fewer than two lines.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The header &quot;%1&quot; is too short.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the note file &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the note file &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the note file &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteImport</name>
    <message>
        <source>&quot;%1&quot; cannot be imported. %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteKeyboardMove</name>
    <message>
        <source>Move with the arrow keys; Enter keeps, Escape cancels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size with the arrow keys; Enter keeps, Escape cancels</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteKeys</name>
    <message>
        <source>New Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close at once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the note menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit the title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the note: arrow keys, then Enter or Escape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size the note: arrow keys, then Enter or Escape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteLimits</name>
    <message>
        <source>Cannot open the note file &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the note file &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its text has %1 characters; notes of up to %2 characters open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One of its paragraphs has %1 characters; paragraphs of up to %2 characters open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its file has %1 MB besides its pictures; notes of up to %2 MB besides their pictures open.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteListModel</name>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteListing</name>
    <message>
        <source>there is no note &quot;%1&quot; in %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteLock</name>
    <message>
        <source>Locked</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteMenu</name>
    <message>
        <source>New Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opacity         </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure want to delete the note?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteNaming</name>
    <message>
        <source>New Note</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteReminders</name>
    <message>
        <source>Reminder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snooze 10 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteStateControl</name>
    <message>
        <source>Always on Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On All Workspaces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roll Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NotesFolderSync</name>
    <message>
        <source>The note file &quot;%1&quot; in &quot;%2&quot; cannot be opened: its name is not valid UTF-8. Rename it to open it as a note; until then Paperlet leaves it as it is.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OversizedNote</name>
    <message>
        <source>This note is too large to open here. %1

The file &quot;%2&quot; is left as it is: Paperlet neither changes nor removes it. Once it is small enough, it opens here.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortalShortcuts</name>
    <message>
        <source>desktop portal</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReminderWhen</name>
    <message>
        <source>&apos;%1&apos; is not a time: give a local date and time (2026-12-24T18:00), +Nm or +Nh</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RescueLog</name>
    <message>
        <source>Cannot add to the list of rescued notes &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rescued Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some notes could not be saved in their own files when Paperlet last closed. Their copies were saved here:
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScriptCommands</name>
    <message>
        <source>the text is longer than a note takes (%1 characters)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the note &quot;%1&quot; cannot be changed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShortcutSettings</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StoredNotes</name>
    <message>
        <source>the stored notes are only read here</source>
        <translation></translation>
    </message>
</context>
<context>
    <name>T</name>
    <message>
        <source>X11 key grab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such key on this keyboard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFR_ABOUT</name>
    <message>
        <source>Copyright © 2024 The Paperlet developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paperlet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFR_ALL_NOTES</name>
    <message>
        <source>All Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ort by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Recently Deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Selected Notes Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Plain Text...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Markdown...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;HTML...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zip Backup of All Notes...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Xpad Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recently deleted notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;estore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Notes To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paperlet notes %1.zip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The notes are backed up in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes and text (*.pnf *.txt *.md);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes deleted: %1. Ctrl+Z takes them back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes restored: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes exported to %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes imported: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFR_NOTE</name>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double click to edit title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
The note stays open so that its text is not lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminder: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminder...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFR_PLT_MAIN</name>
    <message>
        <source>Paperlet
Double click for new note!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paperlet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double click for new note!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show All Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide All Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Notes...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFR_REMINDER</name>
    <message>
        <source>Reminder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Repeat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFR_SETTINGS</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load on startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check updates automatically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Example</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Color:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFR_SHORTCUTS</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command to bind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This desktop offers programs no global shortcuts. Bind this command to a key in the desktop&apos;s own keyboard settings instead:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These keys work in every program; they are registered through the %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the shortcut of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removed: %1 went to &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ThemeRegistry</name>
    <message>
        <source>Cannot register theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Theme %1 is already registered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown theme %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateReport</name>
    <message>
        <source>You are already using the most recent version of Paperlet.
Please check in future!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your version is:         %1
Current version is:    %2

A newer version is available.
Do you want to download new version?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paperlet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowsShortcuts</name>
    <message>
        <source>Windows hot keys</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZipWriter</name>
    <message>
        <source>The archive would be too large.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The archive cannot be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paperlet Already Running!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no display could be opened (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the program could not be started: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
