<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>Application</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Si è verificato un errore imprevisto.</translation>
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
        <translation>Impossibile impostare i dati per «%1»</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Tipo di dati non valido per «%1»</translation>
    </message>
</context>
<context>
    <name>ColorNames</name>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrone</translation>
    </message>
    <message>
        <source>Olive Green</source>
        <translation>Verde oliva</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>Verde scuro</translation>
    </message>
    <message>
        <source>Dark Teal</source>
        <translation>Verde acqua scuro</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Blu scuro</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Indaco</translation>
    </message>
    <message>
        <source>Gray-80%</source>
        <translation>Grigio 80%</translation>
    </message>
    <message>
        <source>Dark Red</source>
        <translation>Rosso scuro</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Arancione</translation>
    </message>
    <message>
        <source>Dark Yellow</source>
        <translation>Giallo scuro</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde acqua</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Blue-Gray</source>
        <translation>Grigio-blu</translation>
    </message>
    <message>
        <source>Gray-50%</source>
        <translation>Grigio 50%</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Light Orange</source>
        <translation>Arancione chiaro</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Verde lime</translation>
    </message>
    <message>
        <source>Sea Green</source>
        <translation>Verde mare</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Acquamarina</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Azzurro</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Gray-40%</source>
        <translation>Grigio 40%</translation>
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
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Bright Green</source>
        <translation>Verde brillante</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turchese</translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation>Celeste</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Prugna</translation>
    </message>
    <message>
        <source>Gray-25%</source>
        <translation>Grigio 25%</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Rosa antico</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>Marrone chiaro</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>Giallo chiaro</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Verde chiaro</translation>
    </message>
    <message>
        <source>Light Turquoise</source>
        <translation>Turchese chiaro</translation>
    </message>
    <message>
        <source>Pale Blue</source>
        <translation>Azzurro pallido</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavanda</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Dark Gray</source>
        <translation>Grigio scuro</translation>
    </message>
    <message>
        <source>Light Gray</source>
        <translation>Grigio chiaro</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>show all notes</source>
        <translation>mostra tutte le note</translation>
    </message>
    <message>
        <source>hide all notes</source>
        <translation>nascondi tutte le note</translation>
    </message>
    <message>
        <source>open the Settings</source>
        <translation>apri le impostazioni</translation>
    </message>
    <message>
        <source>open About</source>
        <translation>apri «Informazioni»</translation>
    </message>
    <message>
        <source>end the running copy, writing every note</source>
        <translation>termina il programma in esecuzione salvando ogni nota</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>mostra la versione ed esci</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>mostra questo aiuto ed esci</translation>
    </message>
    <message>
        <source>only one option at a time; &apos;%1&apos; is one too many</source>
        <translation>una sola opzione per volta; «%1» è di troppo</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opzione sconosciuta «%1»</translation>
    </message>
    <message>
        <source>Usage: %1 [OPTION]
Sticky notes in the tray. With a copy running, an option is carried out by it.

</source>
        <translation>Uso: %1 [OPZIONE]
Note adesive nell&apos;area di notifica. Se il programma è già in esecuzione, è lui a eseguire l&apos;opzione.

</translation>
    </message>
    <message>
        <source>
Global shortcuts, where the desktop offers them: Ctrl+Alt+Shift+N makes a new note,
Ctrl+Alt+Shift+H shows or hides all notes.
</source>
        <translation>
Scorciatoie globali, se il desktop le offre: Ctrl+Alt+Shift+N crea una nuova nota,
Ctrl+Alt+Shift+H mostra o nasconde tutte le note.
</translation>
    </message>
    <message>
        <source>open the All Notes window</source>
        <translation>apri la finestra Tutte le note</translation>
    </message>
    <message>
        <source>make a new note, holding TEXT if given (&quot;-&quot;: standard input);
print its file name</source>
        <translation>creare una nuova nota, con TEXT se indicato («-»: standard input);
stamparne il nome del file</translation>
    </message>
    <message>
        <source>print FILE&lt;tab&gt;TITLE for every note, the last changed first</source>
        <translation>stampare FILE&lt;tab&gt;TITLE per ogni nota, l’ultima modificata per prima</translation>
    </message>
    <message>
        <source>the same for the notes that hold every word in their title or
text, whatever the case and accents</source>
        <translation>lo stesso per le note il cui titolo o testo contiene ogni parola,
senza badare a maiuscole e accenti</translation>
    </message>
    <message>
        <source>show the note, brought to the front and onto the screen</source>
        <translation>mostrare la nota, in primo piano e sullo schermo</translation>
    </message>
    <message>
        <source>print the note&apos;s title, an empty line and its text</source>
        <translation>stampare il titolo della nota, una riga vuota e il suo testo</translation>
    </message>
    <message>
        <source>remind of the note at WHEN: a local date and time
(2026-12-24T18:00), or +Nm or +Nh from now; &quot;off&quot; clears it.
After --new-note TEXT, WHEN alone reminds of the new note</source>
        <translation>ricordare la nota a WHEN: data e ora locali
(2026-12-24T18:00), oppure +Nm o +Nh da adesso; «off» lo toglie.
Dopo --new-note TEXT, WHEN da solo ricorda la nuova nota</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the words to look for</source>
        <translation>«%1» richiede le parole da cercare</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a note&apos;s file name (as --list prints it)</source>
        <translation>«%1» richiede il nome del file di una nota (come lo stampa --list)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs WHEN</source>
        <translation>«%1» richiede WHEN</translation>
    </message>
    <message>
        <source>
FILE is a note&apos;s file name in the notes folder, as --list prints it. A missing
note ends with status 1, a wrong command line with 2. With no copy running, the
commands --list, --find and --text read the notes folder themselves, while the
commands --show, --remind and --new-note with TEXT start a copy that runs on.
</source>
        <translation>
FILE è il nome del file di una nota nella cartella delle note, come lo stampa
--list. Una nota mancante termina con stato 1, una riga di comando errata con 2.
Senza copia in esecuzione, i comandi --list, --find e --text leggono da sé la cartella;
i comandi --show, --remind e --new-note con TEXT ne avviano una che resta attiva.
</translation>
    </message>
</context>
<context>
    <name>CommandSender</name>
    <message>
        <source>commands to the running copy are not supported on this system</source>
        <translation>i comandi al programma in esecuzione non sono supportati su questo sistema</translation>
    </message>
    <message>
        <source>no D-Bus session bus to reach the running copy (%1)</source>
        <translation>nessun bus di sessione D-Bus per raggiungere il programma in esecuzione (%1)</translation>
    </message>
    <message>
        <source>the running copy does not answer on the D-Bus session bus</source>
        <translation>il programma in esecuzione non risponde sul bus di sessione D-Bus</translation>
    </message>
    <message>
        <source>the running copy did not take the command: %1</source>
        <translation>il programma in esecuzione non ha accettato il comando: %1</translation>
    </message>
    <message>
        <source>the command failed in the running copy</source>
        <translation>il comando non è riuscito nella copia in esecuzione</translation>
    </message>
</context>
<context>
    <name>DeleteUndo</name>
    <message>
        <source>Note deleted</source>
        <translation>Nota eliminata</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Niente da annullare</translation>
    </message>
    <message>
        <source>The note &quot;%1&quot; is no longer in the trash.</source>
        <translation>La nota &quot;%1&quot; non è più nel cestino.</translation>
    </message>
</context>
<context>
    <name>DeletedNotes</name>
    <message>
        <source>The note &quot;%1&quot; cannot be taken back from the trash.</source>
        <translation>Impossibile recuperare la nota «%1» dal cestino.</translation>
    </message>
</context>
<context>
    <name>FontChooser</name>
    <message>
        <source>Size must be between 1 and %1.</source>
        <translation>La dimensione deve essere compresa tra 1 e %1.</translation>
    </message>
</context>
<context>
    <name>GlobalShortcutActions</name>
    <message>
        <source>The global shortcut %1 for &quot;%2&quot; is held by %3 (%4).</source>
        <translation>La scorciatoia globale %1 per «%2» è già usata da %3 (%4).</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>un altro programma</translation>
    </message>
    <message>
        <source>The %1 gave no global shortcuts; asking the next way.</source>
        <translation>%1: nessuna scorciatoia globale ottenuta; si prova il metodo successivo.</translation>
    </message>
    <message>
        <source>This desktop offers no global shortcuts; bind &quot;%1&quot; in its keyboard settings.</source>
        <translation>Questo desktop non offre scorciatoie globali; associa «%1» nelle sue impostazioni della tastiera.</translation>
    </message>
    <message>
        <source>%1 is held by %2.</source>
        <translation>%1 è occupato da %2.</translation>
    </message>
</context>
<context>
    <name>GlobalShortcuts</name>
    <message>
        <source>New Note</source>
        <translation>Nuova nota</translation>
    </message>
    <message>
        <source>New Note from Clipboard</source>
        <translation>Nuova nota dagli appunti</translation>
    </message>
    <message>
        <source>Show/Hide All Notes</source>
        <translation>Mostra/nascondi tutte le note</translation>
    </message>
    <message>
        <source>All Notes</source>
        <translation>Tutte le note</translation>
    </message>
</context>
<context>
    <name>KdeShortcuts</name>
    <message>
        <source>KDE global shortcuts</source>
        <translation>Scorciatoie globali di KDE</translation>
    </message>
</context>
<context>
    <name>NoteAnnouncer</name>
    <message>
        <source>Note opened: %1</source>
        <translation>Nota aperta: %1</translation>
    </message>
    <message>
        <source>Notes opened: %1</source>
        <translation>Note aperte: %1</translation>
    </message>
    <message>
        <source>Note closed: %1</source>
        <translation>Nota chiusa: %1</translation>
    </message>
    <message>
        <source>Notes closed: %1</source>
        <translation>Note chiuse: %1</translation>
    </message>
    <message>
        <source>Note deleted: %1</source>
        <translation>Nota eliminata: %1</translation>
    </message>
    <message>
        <source>Notes deleted: %1</source>
        <translation>Note eliminate: %1</translation>
    </message>
</context>
<context>
    <name>NoteCollection</name>
    <message>
        <source>Cannot open the notes folder &quot;%1&quot;.</source>
        <translation>Impossibile aprire la cartella delle note «%1».</translation>
    </message>
    <message>
        <source>The note &quot;%1&quot; cannot be read.</source>
        <translation>Impossibile leggere la nota «%1».</translation>
    </message>
</context>
<context>
    <name>NoteDocument</name>
    <message>
        <source>Cannot load the note file &quot;%1&quot;: %2</source>
        <translation>Impossibile caricare il file della nota «%1»: %2</translation>
    </message>
</context>
<context>
    <name>NoteEditor</name>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Font Color...</source>
        <translation>Colore carattere...</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Carattere...</translation>
    </message>
    <message>
        <source>Bullets...</source>
        <translation>Elenco puntato...</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Grassetto</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Corsivo</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Sottolineato</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>Barrato</translation>
    </message>
    <message>
        <source>Left Justify</source>
        <translation>Allinea a sinistra</translation>
    </message>
    <message>
        <source>Right Justify</source>
        <translation>Allinea a destra</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centra</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Elenco di controllo</translation>
    </message>
    <message>
        <source>%1% of the note&apos;s width</source>
        <translation>%1% della larghezza della nota</translation>
    </message>
    <message>
        <source>Original size</source>
        <translation>Dimensione originale</translation>
    </message>
    <message>
        <source>Tick or untick the check item</source>
        <translation>Spunta o togli la spunta all’elemento</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Open the text menu at the caret (also the Menu key)</source>
        <translation>Apri il menu del testo al cursore (anche con il tasto Menu)</translation>
    </message>
</context>
<context>
    <name>NoteExport</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Impossibile scrivere «%1»: %2</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>la cartella non esiste</translation>
    </message>
</context>
<context>
    <name>NoteFile</name>
    <message>
        <source>The header field &quot;%1&quot; is not a hexadecimal number.</source>
        <translation>Il campo di intestazione «%1» non è un numero esadecimale.</translation>
    </message>
    <message>
        <source>The note file has fewer than two lines.</source>
        <translation>Il file della nota ha meno di due righe.</translation>
    </message>
    <message>
        <source>The header &quot;%1&quot; is too short.</source>
        <translation>L&apos;intestazione «%1» è troppo corta.</translation>
    </message>
    <message>
        <source>Cannot write the note file &quot;%1&quot;: %2</source>
        <translation>Impossibile scrivere il file della nota «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot open the note file &quot;%1&quot;: %2</source>
        <translation>Impossibile aprire il file della nota «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot read the note file &quot;%1&quot;: %2</source>
        <translation>Impossibile leggere il file della nota «%1»: %2</translation>
    </message>
</context>
<context>
    <name>NoteImport</name>
    <message>
        <source>&quot;%1&quot; cannot be imported. %2</source>
        <translation>Impossibile importare «%1». %2</translation>
    </message>
</context>
<context>
    <name>NoteKeyboardMove</name>
    <message>
        <source>Move with the arrow keys; Enter keeps, Escape cancels</source>
        <translation>Sposta con i tasti freccia; Enter conferma, Escape annulla</translation>
    </message>
    <message>
        <source>Size with the arrow keys; Enter keeps, Escape cancels</source>
        <translation>Ridimensiona con i tasti freccia; Enter conferma, Escape annulla</translation>
    </message>
</context>
<context>
    <name>NoteKeys</name>
    <message>
        <source>New Note</source>
        <translation>Nuova nota</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Close at once</source>
        <translation>Chiudi subito</translation>
    </message>
    <message>
        <source>Open the note menu</source>
        <translation>Apri il menu della nota</translation>
    </message>
    <message>
        <source>Edit the title</source>
        <translation>Modifica il titolo</translation>
    </message>
    <message>
        <source>Move the note: arrow keys, then Enter or Escape</source>
        <translation>Sposta la nota: tasti freccia, poi Enter o Escape</translation>
    </message>
    <message>
        <source>Size the note: arrow keys, then Enter or Escape</source>
        <translation>Ridimensiona la nota: tasti freccia, poi Enter o Escape</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Scorciatoie da tastiera</translation>
    </message>
</context>
<context>
    <name>NoteLimits</name>
    <message>
        <source>Cannot open the note file &quot;%1&quot;: %2</source>
        <translation>Impossibile aprire il file della nota «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot read the note file &quot;%1&quot;: %2</source>
        <translation>Impossibile leggere il file della nota «%1»: %2</translation>
    </message>
    <message>
        <source>Its text has %1 characters; notes of up to %2 characters open.</source>
        <translation>Il suo testo ha %1 caratteri; si aprono note fino a %2 caratteri.</translation>
    </message>
    <message>
        <source>One of its paragraphs has %1 characters; paragraphs of up to %2 characters open.</source>
        <translation>Uno dei suoi paragrafi ha %1 caratteri; si aprono paragrafi fino a %2 caratteri.</translation>
    </message>
    <message>
        <source>Its file has %1 MB besides its pictures; notes of up to %2 MB besides their pictures open.</source>
        <translation>Il suo file ha %1 MB oltre alle immagini; si aprono note fino a %2 MB oltre alle immagini.</translation>
    </message>
</context>
<context>
    <name>NoteListModel</name>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Modificata</translation>
    </message>
</context>
<context>
    <name>NoteListing</name>
    <message>
        <source>there is no note &quot;%1&quot; in %2</source>
        <translation>non c’è nessuna nota «%1» in %2</translation>
    </message>
</context>
<context>
    <name>NoteLock</name>
    <message>
        <source>Locked</source>
        <translation>Bloccata</translation>
    </message>
</context>
<context>
    <name>NoteMenu</name>
    <message>
        <source>New Note</source>
        <translation>Nuova nota</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Opacity         </source>
        <translation>Opacità         </translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Send Mail</source>
        <translation>Invia per e-mail</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Are you sure want to delete the note?</source>
        <translation>Eliminare davvero la nota?</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Conferma eliminazione</translation>
    </message>
</context>
<context>
    <name>NoteNaming</name>
    <message>
        <source>New Note</source>
        <translation>Nuova nota</translation>
    </message>
</context>
<context>
    <name>NoteReminders</name>
    <message>
        <source>Reminder</source>
        <translation>Promemoria</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Snooze 10 minutes</source>
        <translation>Posticipa di 10 minuti</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
</context>
<context>
    <name>NoteStateControl</name>
    <message>
        <source>Always on Top</source>
        <translation>Sempre in primo piano</translation>
    </message>
    <message>
        <source>On All Workspaces</source>
        <translation>Su tutti gli spazi di lavoro</translation>
    </message>
    <message>
        <source>Roll Up</source>
        <translation>Arrotola</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Blocca</translation>
    </message>
</context>
<context>
    <name>NotesFolderSync</name>
    <message>
        <source>The note file &quot;%1&quot; in &quot;%2&quot; cannot be opened: its name is not valid UTF-8. Rename it to open it as a note; until then Paperlet leaves it as it is.</source>
        <translation>Impossibile aprire il file della nota «%1» in «%2»: il suo nome non è UTF-8 valido. Rinominalo per aprirlo come nota; fino ad allora Paperlet lo lascia com’è.</translation>
    </message>
</context>
<context>
    <name>OversizedNote</name>
    <message>
        <source>This note is too large to open here. %1

The file &quot;%2&quot; is left as it is: Paperlet neither changes nor removes it. Once it is small enough, it opens here.</source>
        <translation>Questa nota è troppo grande per essere aperta qui. %1

Il file «%2» viene lasciato com’è: Paperlet non lo modifica né lo rimuove. Quando sarà abbastanza piccolo, si aprirà qui.</translation>
    </message>
</context>
<context>
    <name>PortalShortcuts</name>
    <message>
        <source>desktop portal</source>
        <translation>portale del desktop</translation>
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
        <translation>«%1» non è un orario: indicare data e ora locali (2026-12-24T18:00), +Nm o +Nh</translation>
    </message>
</context>
<context>
    <name>RescueLog</name>
    <message>
        <source>Cannot add to the list of rescued notes &quot;%1&quot;: %2</source>
        <translation>Impossibile aggiornare l&apos;elenco delle note recuperate «%1»: %2</translation>
    </message>
    <message>
        <source>Rescued Notes</source>
        <translation>Note recuperate</translation>
    </message>
    <message>
        <source>Some notes could not be saved in their own files when Paperlet last closed. Their copies were saved here:
</source>
        <translation>All&apos;ultima chiusura di Paperlet alcune note non sono state salvate nei loro file. Le loro copie sono state salvate qui:
</translation>
    </message>
</context>
<context>
    <name>ScriptCommands</name>
    <message>
        <source>the text is longer than a note takes (%1 characters)</source>
        <translation>il testo è più lungo di quanto una nota contenga (%1 caratteri)</translation>
    </message>
    <message>
        <source>the note &quot;%1&quot; cannot be changed</source>
        <translation>la nota «%1» non può essere modificata</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossibile creare il file «%1». %2</translation>
    </message>
</context>
<context>
    <name>ShortcutSettings</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossibile creare il file «%1». %2</translation>
    </message>
</context>
<context>
    <name>StoredNotes</name>
    <message>
        <source>the stored notes are only read here</source>
        <translation>le note salvate qui vengono solo lette</translation>
    </message>
</context>
<context>
    <name>T</name>
    <message>
        <source>X11 key grab</source>
        <translation>cattura dei tasti X11</translation>
    </message>
    <message>
        <source>no such key on this keyboard</source>
        <translation>questo tasto non esiste su questa tastiera</translation>
    </message>
</context>
<context>
    <name>TFR_ABOUT</name>
    <message>
        <source>Copyright © 2024 The Paperlet developers</source>
        <translation>Copyright © 2024 Gli sviluppatori di Paperlet</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Paperlet</source>
        <translation>Paperlet</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
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
        <translation>Tutte le note</translation>
    </message>
    <message>
        <source>Search notes</source>
        <translation>Cerca nelle note</translation>
    </message>
    <message>
        <source>S&amp;ort by:</source>
        <translation>&amp;Ordina per:</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>Ultima modifica</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>Ordina per</translation>
    </message>
    <message>
        <source>&amp;Notes</source>
        <translation>&amp;Note</translation>
    </message>
    <message>
        <source>&amp;Recently Deleted</source>
        <translation>Eliminate di &amp;recente</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Mostra</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>E&amp;sporta</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importa</translation>
    </message>
    <message>
        <source>&amp;Selected Notes Only</source>
        <translation>&amp;Solo le note selezionate</translation>
    </message>
    <message>
        <source>&amp;Plain Text...</source>
        <translation>Testo &amp;semplice...</translation>
    </message>
    <message>
        <source>&amp;Markdown...</source>
        <translation>Come &amp;Markdown...</translation>
    </message>
    <message>
        <source>&amp;HTML...</source>
        <translation>Come &amp;HTML...</translation>
    </message>
    <message>
        <source>&amp;Zip Backup of All Notes...</source>
        <translation>Backup &amp;zip di tutte le note...</translation>
    </message>
    <message>
        <source>&amp;Files...</source>
        <translation>&amp;File...</translation>
    </message>
    <message>
        <source>&amp;Xpad Notes</source>
        <translation>Note di &amp;Xpad</translation>
    </message>
    <message>
        <source>Recently deleted notes</source>
        <translation>Note eliminate di recente</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Eliminata</translation>
    </message>
    <message>
        <source>R&amp;estore</source>
        <translation>R&amp;ipristina</translation>
    </message>
    <message>
        <source>Export Notes To</source>
        <translation>Esporta le note in</translation>
    </message>
    <message>
        <source>Paperlet notes %1.zip</source>
        <translation>Note di Paperlet %1.zip</translation>
    </message>
    <message>
        <source>Zip Backup</source>
        <translation>Backup zip</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>Archivi zip (*.zip)</translation>
    </message>
    <message>
        <source>The notes are backed up in %1.</source>
        <translation>Le note sono salvate in %1.</translation>
    </message>
    <message>
        <source>Import Notes</source>
        <translation>Importa note</translation>
    </message>
    <message>
        <source>Notes and text (*.pnf *.txt *.md);;All files (*)</source>
        <translation>Note e testo (*.pnf *.txt *.md);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Notes deleted: %1. Ctrl+Z takes them back.</source>
        <translation>Note eliminate: %1. Ctrl+Z le recupera.</translation>
    </message>
    <message>
        <source>Notes restored: %1.</source>
        <translation>Note ripristinate: %1.</translation>
    </message>
    <message>
        <source>Notes exported to %1: %2.</source>
        <translation>Note esportate in %1: %2.</translation>
    </message>
    <message>
        <source>Notes imported: %1.</source>
        <translation>Note importate: %1.</translation>
    </message>
</context>
<context>
    <name>TFR_NOTE</name>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Double click to edit title</source>
        <translation>Doppio clic per modificare il titolo</translation>
    </message>
    <message>
        <source>No Name</source>
        <translation>Senza nome</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>
The note stays open so that its text is not lost.</source>
        <translation>
La nota resta aperta perché il suo testo non vada perso.</translation>
    </message>
    <message>
        <source>Note text</source>
        <translation>Testo della nota</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Ridimensiona</translation>
    </message>
    <message>
        <source>Reminder: %1</source>
        <translation>Promemoria: %1</translation>
    </message>
    <message>
        <source>Reminder: %1 (%2)</source>
        <translation>Promemoria: %1 (%2)</translation>
    </message>
    <message>
        <source>Reminder...</source>
        <translation>Promemoria...</translation>
    </message>
</context>
<context>
    <name>TFR_PLT_MAIN</name>
    <message>
        <source>Paperlet
Double click for new note!</source>
        <translation>Paperlet
Doppio clic per una nuova nota!</translation>
    </message>
    <message>
        <source>Paperlet</source>
        <translation>Paperlet</translation>
    </message>
    <message>
        <source>Double click for new note!</source>
        <translation>Doppio clic per una nuova nota!</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>Nuova nota</translation>
    </message>
    <message>
        <source>Show All Notes</source>
        <translation>Mostra tutte le note</translation>
    </message>
    <message>
        <source>Hide All Notes</source>
        <translation>Nascondi tutte le note</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Controlla aggiornamenti</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>All Notes...</source>
        <translation>Tutte le note...</translation>
    </message>
</context>
<context>
    <name>TFR_REMINDER</name>
    <message>
        <source>Reminder</source>
        <translation>Promemoria</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Data:</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Ora:</translation>
    </message>
    <message>
        <source>&amp;Repeat:</source>
        <translation>&amp;Ripeti:</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Ogni giorno</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>Giorni feriali</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Ogni settimana</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Ogni mese</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Ogni anno</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Cancella</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>TFR_SETTINGS</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Load on startup</source>
        <translation>Avvia all&apos;accesso</translation>
    </message>
    <message>
        <source>Check updates automatically</source>
        <translation>Aggiornamenti automatici</translation>
    </message>
    <message>
        <source>Default Note</source>
        <translation>Nota predefinita</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titolo:</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>Nuova nota</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Date Time</source>
        <translation>Data e ora</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>Opacità:</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Colore:</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Carattere:</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Esempio</translation>
    </message>
    <message>
        <source>Font Color:</source>
        <translation>Testo:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts...</source>
        <translation>&amp;Scorciatoie da tastiera...</translation>
    </message>
</context>
<context>
    <name>TFR_SHORTCUTS</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Scorciatoie da tastiera</translation>
    </message>
    <message>
        <source>Command to bind</source>
        <translation>Comando da associare</translation>
    </message>
    <message>
        <source>This desktop offers programs no global shortcuts. Bind this command to a key in the desktop&apos;s own keyboard settings instead:</source>
        <translation>Questo desktop non offre scorciatoie globali ai programmi. Associa invece questo comando a un tasto nelle impostazioni della tastiera del desktop:</translation>
    </message>
    <message>
        <source>These keys work in every program; they are registered through the %1.</source>
        <translation>Questi tasti funzionano in ogni programma; sono registrati tramite: %1.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Remove the shortcut of %1</source>
        <translation>Rimuovi la scorciatoia di %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Removed: %1 went to &quot;%2&quot;.</source>
        <translation>Rimossa: %1 è passata a «%2».</translation>
    </message>
</context>
<context>
    <name>ThemeRegistry</name>
    <message>
        <source>Cannot register theme</source>
        <translation>Impossibile registrare il tema</translation>
    </message>
    <message>
        <source>Theme %1 is already registered</source>
        <translation>Il tema %1 è già registrato</translation>
    </message>
    <message>
        <source>Unknown theme %1</source>
        <translation>Tema sconosciuto %1</translation>
    </message>
</context>
<context>
    <name>UpdateReport</name>
    <message>
        <source>You are already using the most recent version of Paperlet.
Please check in future!</source>
        <translation>Stai già usando la versione più recente di Paperlet.
Ricontrolla in futuro!</translation>
    </message>
    <message>
        <source>Your version is:         %1
Current version is:    %2

A newer version is available.
Do you want to download new version?</source>
        <translation>La tua versione:       %1
Versione attuale:     %2

È disponibile una versione più recente.
Vuoi scaricare la nuova versione?</translation>
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
        <translation>Tasti di scelta rapida di Windows</translation>
    </message>
</context>
<context>
    <name>ZipWriter</name>
    <message>
        <source>The archive would be too large.</source>
        <translation>L’archivio sarebbe troppo grande.</translation>
    </message>
    <message>
        <source>The archive cannot be written: %1</source>
        <translation>Impossibile scrivere l’archivio: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Paperlet Already Running!</source>
        <translation>Paperlet è già in esecuzione!</translation>
    </message>
    <message>
        <source>no display could be opened (%1)</source>
        <translation>impossibile aprire un display (%1)</translation>
    </message>
    <message>
        <source>the program could not be started: %1</source>
        <translation>impossibile avviare il programma: %1</translation>
    </message>
</context>
</TS>
