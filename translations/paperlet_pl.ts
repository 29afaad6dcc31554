<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>Application</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Wystąpił nieoczekiwany błąd.</translation>
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
        <translation>Nie udało się zapisać danych dla „%1”</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Nieprawidłowy typ danych dla „%1”</translation>
    </message>
</context>
<context>
    <name>ColorNames</name>
    <message>
        <source>Black</source>
        <translation>Czarny</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Brązowy</translation>
    </message>
    <message>
        <source>Olive Green</source>
        <translation>Oliwkowy</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>Ciemnozielony</translation>
    </message>
    <message>
        <source>Dark Teal</source>
        <translation>Ciemnomorski</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Ciemnoniebieski</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Indygo</translation>
    </message>
    <message>
        <source>Gray-80%</source>
        <translation>Szary 80%</translation>
    </message>
    <message>
        <source>Dark Red</source>
        <translation>Ciemnoczerwony</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Pomarańczowy</translation>
    </message>
    <message>
        <source>Dark Yellow</source>
        <translation>Ciemnożółty</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Morski</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Blue-Gray</source>
        <translation>Niebieskoszary</translation>
    </message>
    <message>
        <source>Gray-50%</source>
        <translation>Szary 50%</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Czerwony</translation>
    </message>
    <message>
        <source>Light Orange</source>
        <translation>Jasnopomarańczowy</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Limonkowy</translation>
    </message>
    <message>
        <source>Sea Green</source>
        <translation>Zieleń morska</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Akwamaryna</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Jasnoniebieski</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Fioletowy</translation>
    </message>
    <message>
        <source>Gray-40%</source>
        <translation>Szary 40%</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Różowy</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Złoty</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Żółty</translation>
    </message>
    <message>
        <source>Bright Green</source>
        <translation>Jaskrawozielony</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turkusowy</translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation>Błękitny</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Śliwkowy</translation>
    </message>
    <message>
        <source>Gray-25%</source>
        <translation>Szary 25%</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Różany</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>Jasnobrązowy</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>Jasnożółty</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Jasnozielony</translation>
    </message>
    <message>
        <source>Light Turquoise</source>
        <translation>Jasnoturkusowy</translation>
    </message>
    <message>
        <source>Pale Blue</source>
        <translation>Bladoniebieski</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lawendowy</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Biały</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Dark Gray</source>
        <translation>Ciemnoszary</translation>
    </message>
    <message>
        <source>Light Gray</source>
        <translation>Jasnoszary</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>show all notes</source>
        <translation>pokaż wszystkie notatki</translation>
    </message>
    <message>
        <source>hide all notes</source>
        <translation>ukryj wszystkie notatki</translation>
    </message>
    <message>
        <source>open the Settings</source>
        <translation>otwórz ustawienia</translation>
    </message>
    <message>
        <source>open About</source>
        <translation>otwórz okno „O programie”</translation>
    </message>
    <message>
        <source>end the running copy, writing every note</source>
        <translation>zakończ działający program, zapisując każdą notatkę</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>wypisz wersję i zakończ</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>wypisz tę pomoc i zakończ</translation>
    </message>
    <message>
        <source>only one option at a time; &apos;%1&apos; is one too many</source>
        <translation>tylko jedna opcja naraz; „%1” jest zbędna</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>nieznana opcja „%1”</translation>
    </message>
    <message>
        <source>Usage: %1 [OPTION]
Sticky notes in the tray. With a copy running, an option is carried out by it.

</source>
        <translation>Użycie: %1 [OPCJA]
Karteczki samoprzylepne w zasobniku systemowym. Jeśli program już działa, to on wykonuje opcję.

</translation>
    </message>
    <message>
        <source>
Global shortcuts, where the desktop offers them: Ctrl+Alt+Shift+N makes a new note,
Ctrl+Alt+Shift+H shows or hides all notes.
</source>
        <translation>
Globalne skróty klawiszowe, jeśli udostępnia je środowisko: Ctrl+Alt+Shift+N tworzy nową notatkę,
Ctrl+Alt+Shift+H pokazuje lub ukrywa wszystkie notatki.
</translation>
    </message>
    <message>
        <source>open the All Notes window</source>
        <translation>otwórz okno Wszystkie notatki</translation>
    </message>
    <message>
        <source>make a new note, holding TEXT if given (&quot;-&quot;: standard input);
print its file name</source>
        <translation>utwórz nową notatkę z TEXT, jeśli podano („-”: standardowe wejście);
wypisz nazwę jej pliku</translation>
    </message>
    <message>
        <source>print FILE&lt;tab&gt;TITLE for every note, the last changed first</source>
        <translation>wypisz FILE&lt;tab&gt;TITLE dla każdej notatki, ostatnio zmienioną najpierw</translation>
    </message>
    <message>
        <source>the same for the notes that hold every word in their title or
text, whatever the case and accents</source>
        <translation>to samo dla notatek, których tytuł lub tekst zawiera każde słowo,
bez względu na wielkość liter i akcenty</translation>
    </message>
    <message>
        <source>show the note, brought to the front and onto the screen</source>
        <translation>pokaż notatkę: na wierzch i na ekran</translation>
    </message>
    <message>
        <source>print the note&apos;s title, an empty line and its text</source>
        <translation>wypisz tytuł notatki, pusty wiersz i jej tekst</translation>
    </message>
    <message>
        <source>remind of the note at WHEN: a local date and time
(2026-12-24T18:00), or +Nm or +Nh from now; &quot;off&quot; clears it.
After --new-note TEXT, WHEN alone reminds of the new note</source>
        <translation>przypomnij o notatce w WHEN: lokalna data i godzina
(2026-12-24T18:00) albo +Nm lub +Nh od teraz; „off” je usuwa.
Po --new-note TEXT samo WHEN przypomina o nowej notatce</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the words to look for</source>
        <translation>„%1” wymaga słów do wyszukania</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a note&apos;s file name (as --list prints it)</source>
        <translation>„%1” wymaga nazwy pliku notatki (takiej, jak wypisuje --list)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs WHEN</source>
        <translation>„%1” wymaga WHEN</translation>
    </message>
    <message>
        <source>
FILE is a note&apos;s file name in the notes folder, as --list prints it. A missing
note ends with status 1, a wrong command line with 2. With no copy running, the
commands --list, --find and --text read the notes folder themselves, while the
commands --show, --remind and --new-note with TEXT start a copy that runs on.
</source>
        <translation>
FILE to nazwa pliku notatki w folderze notatek, taka jak wypisuje --list. Brak
notatki kończy się stanem 1, błędny wiersz poleceń stanem 2. Gdy żadna kopia nie
działa, polecenia --list, --find i --text same czytają folder notatek, a polecenia
--show, --remind i --new-note z TEXT uruchamiają kopię, która działa dalej.
</translation>
    </message>
</context>
<context>
    <name>CommandSender</name>
    <message>
        <source>commands to the running copy are not supported on this system</source>
        <translation>polecenia dla działającego programu nie są obsługiwane w tym systemie</translation>
    </message>
    <message>
        <source>no D-Bus session bus to reach the running copy (%1)</source>
        <translation>brak magistrali sesji D-Bus, by dotrzeć do działającego programu (%1)</translation>
    </message>
    <message>
        <source>the running copy does not answer on the D-Bus session bus</source>
        <translation>działający program nie odpowiada na magistrali sesji D-Bus</translation>
    </message>
    <message>
        <source>the running copy did not take the command: %1</source>
        <translation>działający program nie przyjął polecenia: %1</translation>
    </message>
    <message>
        <source>the command failed in the running copy</source>
        <translation>polecenie nie powiodło się w działającej kopii</translation>
    </message>
</context>
<context>
    <name>DeleteUndo</name>
    <message>
        <source>Note deleted</source>
        <translation>Notatka usunięta</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Nie ma czego cofnąć</translation>
    </message>
    <message>
        <source>The note &quot;%1&quot; is no longer in the trash.</source>
        <translation>Notatki &quot;%1&quot; nie ma już w koszu.</translation>
    </message>
</context>
<context>
    <name>DeletedNotes</name>
    <message>
        <source>The note &quot;%1&quot; cannot be taken back from the trash.</source>
        <translation>Nie można przywrócić notatki „%1” z kosza.</translation>
    </message>
</context>
<context>
    <name>FontChooser</name>
    <message>
        <source>Size must be between 1 and %1.</source>
        <translation>Rozmiar musi mieścić się między 1 a %1.</translation>
    </message>
</context>
<context>
    <name>GlobalShortcutActions</name>
    <message>
        <source>The global shortcut %1 for &quot;%2&quot; is held by %3 (%4).</source>
        <translation>Globalny skrót %1 dla „%2” jest zajęty przez: %3 (%4).</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>inny program</translation>
    </message>
    <message>
        <source>The %1 gave no global shortcuts; asking the next way.</source>
        <translation>%1: nie uzyskano globalnych skrótów; próba następnej metody.</translation>
    </message>
    <message>
        <source>This desktop offers no global shortcuts; bind &quot;%1&quot; in its keyboard settings.</source>
        <translation>To środowisko nie oferuje globalnych skrótów; przypisz „%1” w jego ustawieniach klawiatury.</translation>
    </message>
    <message>
        <source>%1 is held by %2.</source>
        <translation>%1 jest zajęty przez %2.</translation>
    </message>
</context>
<context>
    <name>GlobalShortcuts</name>
    <message>
        <source>New Note</source>
        <translation>Nowa notatka</translation>
    </message>
    <message>
        <source>New Note from Clipboard</source>
        <translation>Nowa notatka ze schowka</translation>
    </message>
    <message>
        <source>Show/Hide All Notes</source>
        <translation>Pokaż/ukryj wszystkie notatki</translation>
    </message>
    <message>
        <source>All Notes</source>
        <translation>Wszystkie notatki</translation>
    </message>
</context>
<context>
    <name>KdeShortcuts</name>
    <message>
        <source>KDE global shortcuts</source>
        <translation>Globalne skróty KDE</translation>
    </message>
</context>
<context>
    <name>NoteAnnouncer</name>
    <message>
        <source>Note opened: %1</source>
        <translation>Otwarto notatkę: %1</translation>
    </message>
    <message>
        <source>Notes opened: %1</source>
        <translation>Otwarto notatek: %1</translation>
    </message>
    <message>
        <source>Note closed: %1</source>
        <translation>Zamknięto notatkę: %1</translation>
    </message>
    <message>
        <source>Notes closed: %1</source>
        <translation>Zamknięto notatek: %1</translation>
    </message>
    <message>
        <source>Note deleted: %1</source>
        <translation>Usunięto notatkę: %1</translation>
    </message>
    <message>
        <source>Notes deleted: %1</source>
        <translation>Usunięto notatek: %1</translation>
    </message>
</context>
<context>
    <name>NoteCollection</name>
    <message>
        <source>Cannot open the notes folder &quot;%1&quot;.</source>
        <translation>Nie można otworzyć katalogu notatek „%1”.</translation>
    </message>
    <message>
        <source>The note &quot;%1&quot; cannot be read.</source>
        <translation>Nie można odczytać notatki „%1”.</translation>
    </message>
</context>
<context>
    <name>NoteDocument</name>
    <message>
        <source>Cannot load the note file &quot;%1&quot;: %2</source>
        <translation>Nie można wczytać pliku notatki „%1”: %2</translation>
    </message>
</context>
<context>
    <name>NoteEditor</name>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Wytnij</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Font Color...</source>
        <translation>Kolor czcionki...</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Czcionka...</translation>
    </message>
    <message>
        <source>Bullets...</source>
        <translation>Punktory...</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Pogrubienie</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursywa</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Podkreślenie</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>Przekreślenie</translation>
    </message>
    <message>
        <source>Left Justify</source>
        <translation>Wyrównaj do lewej</translation>
    </message>
    <message>
        <source>Right Justify</source>
        <translation>Wyrównaj do prawej</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Wyśrodkuj</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Lista kontrolna</translation>
    </message>
    <message>
        <source>%1% of the note&apos;s width</source>
        <translation>%1% szerokości notatki</translation>
    </message>
    <message>
        <source>Original size</source>
        <translation>Oryginalny rozmiar</translation>
    </message>
    <message>
        <source>Tick or untick the check item</source>
        <translation>Zaznacz lub odznacz element</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Zaznacz wszystko</translation>
    </message>
    <message>
        <source>Open the text menu at the caret (also the Menu key)</source>
        <translation>Otwórz menu tekstu przy kursorze (także klawiszem Menu)</translation>
    </message>
</context>
<context>
    <name>NoteExport</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Nie można zapisać „%1”: %2</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notatka</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>folder nie istnieje</translation>
    </message>
</context>
<context>
    <name>NoteFile</name>
    <message>
        <source>The header field &quot;%1&quot; is not a hexadecimal number.</source>
        <translation>Pole nagłówka „%1” nie jest liczbą szesnastkową.</translation>
    </message>
    <message>
        <source>The note file has fewer than two lines.</source>
        <translation>Plik notatki ma mniej niż dwa wiersze.</translation>
    </message>
    <message>
        <source>The header &quot;%1&quot; is too short.</source>
        <translation>Nagłówek „%1” jest za krótki.</translation>
    </message>
    <message>
        <source>Cannot write the note file &quot;%1&quot;: %2</source>
        <translation>Nie można zapisać pliku notatki „%1”: %2</translation>
    </message>
    <message>
        <source>Cannot open the note file &quot;%1&quot;: %2</source>
        <translation>Nie można otworzyć pliku notatki „%1”: %2</translation>
    </message>
    <message>
        <source>Cannot read the note file &quot;%1&quot;: %2</source>
        <translation>Nie można odczytać pliku notatki „%1”: %2</translation>
    </message>
</context>
<context>
    <name>NoteImport</name>
    <message>
        <source>&quot;%1&quot; cannot be imported. %2</source>
        <translation>Nie można zaimportować „%1”. %2</translation>
    </message>
</context>
<context>
    <name>NoteKeyboardMove</name>
    <message>
        <source>Move with the arrow keys; Enter keeps, Escape cancels</source>
        <translation>Przesuwaj strzałkami; Enter zatwierdza, Escape anuluje</translation>
    </message>
    <message>
        <source>Size with the arrow keys; Enter keeps, Escape cancels</source>
        <translation>Zmieniaj rozmiar strzałkami; Enter zatwierdza, Escape anuluje</translation>
    </message>
</context>
<context>
    <name>NoteKeys</name>
    <message>
        <source>New Note</source>
        <translation>Nowa notatka</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Close at once</source>
        <translation>Zamknij od razu</translation>
    </message>
    <message>
        <source>Open the note menu</source>
        <translation>Otwórz menu notatki</translation>
    </message>
    <message>
        <source>Edit the title</source>
        <translation>Edytuj tytuł</translation>
    </message>
    <message>
        <source>Move the note: arrow keys, then Enter or Escape</source>
        <translation>Przesuń notatkę: strzałki, potem Enter lub Escape</translation>
    </message>
    <message>
        <source>Size the note: arrow keys, then Enter or Escape</source>
        <translation>Zmień rozmiar notatki: strzałki, potem Enter lub Escape</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Skróty klawiszowe</translation>
    </message>
</context>
<context>
    <name>NoteLimits</name>
    <message>
        <source>Cannot open the note file &quot;%1&quot;: %2</source>
        <translation>Nie można otworzyć pliku notatki „%1”: %2</translation>
    </message>
    <message>
        <source>Cannot read the note file &quot;%1&quot;: %2</source>
        <translation>Nie można odczytać pliku notatki „%1”: %2</translation>
    </message>
    <message>
        <source>Its text has %1 characters; notes of up to %2 characters open.</source>
        <translation>Liczba znaków w jej tekście: %1; otwierane są notatki mające do %2 znaków.</translation>
    </message>
    <message>
        <source>One of its paragraphs has %1 characters; paragraphs of up to %2 characters open.</source>
        <translation>Liczba znaków w jednym z jej akapitów: %1; otwierane są akapity mające do %2 znaków.</translation>
    </message>
    <message>
        <source>Its file has %1 MB besides its pictures; notes of up to %2 MB besides their pictures open.</source>
        <translation>Jej plik ma %1 MB poza obrazami; otwierane są notatki mające do %2 MB poza obrazami.</translation>
    </message>
</context>
<context>
    <name>NoteListModel</name>
    <message>
        <source>Color</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Tytuł</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Zmieniono</translation>
    </message>
</context>
<context>
    <name>NoteListing</name>
    <message>
        <source>there is no note &quot;%1&quot; in %2</source>
        <translation>nie ma notatki „%1” w %2</translation>
    </message>
</context>
<context>
    <name>NoteLock</name>
    <message>
        <source>Locked</source>
        <translation>Zablokowana</translation>
    </message>
</context>
<context>
    <name>NoteMenu</name>
    <message>
        <source>New Note</source>
        <translation>Nowa notatka</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>Opacity         </source>
        <translation>Nieprzezroczystość         </translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Send Mail</source>
        <translation>Wyślij pocztą</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Are you sure want to delete the note?</source>
        <translation>Czy na pewno usunąć notatkę?</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Potwierdzenie usunięcia</translation>
    </message>
</context>
<context>
    <name>NoteNaming</name>
    <message>
        <source>New Note</source>
        <translation>Nowa notatka</translation>
    </message>
</context>
<context>
    <name>NoteReminders</name>
    <message>
        <source>Reminder</source>
        <translation>Przypomnienie</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Pokaż</translation>
    </message>
    <message>
        <source>Snooze 10 minutes</source>
        <translation>Odłóż o 10 minut</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
</context>
<context>
    <name>NoteStateControl</name>
    <message>
        <source>Always on Top</source>
        <translation>Zawsze na wierzchu</translation>
    </message>
    <message>
        <source>On All Workspaces</source>
        <translation>Na wszystkich obszarach roboczych</translation>
    </message>
    <message>
        <source>Roll Up</source>
        <translation>Zwiń</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Zablokuj</translation>
    </message>
</context>
<context>
    <name>NotesFolderSync</name>
    <message>
        <source>The note file &quot;%1&quot; in &quot;%2&quot; cannot be opened: its name is not valid UTF-8. Rename it to open it as a note; until then Paperlet leaves it as it is.</source>
        <translation>Nie można otworzyć pliku notatki „%1” w „%2”: jego nazwa nie jest poprawnym UTF-8. Zmień jego nazwę, aby otworzyć go jako notatkę; do tego czasu Paperlet pozostawia go bez zmian.</translation>
    </message>
</context>
<context>
    <name>OversizedNote</name>
    <message>
        <source>This note is too large to open here. %1

The file &quot;%2&quot; is left as it is: Paperlet neither changes nor removes it. Once it is small enough, it opens here.</source>
        <translation>Ta notatka jest zbyt duża, aby ją tu otworzyć. %1

Plik „%2” pozostaje bez zmian: Paperlet go nie zmienia ani nie usuwa. Gdy będzie dostatecznie mały, otworzy się tutaj.</translation>
    </message>
</context>
<context>
    <name>PortalShortcuts</name>
    <message>
        <source>desktop portal</source>
        <translation>portal pulpitu</translation>
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
        <translation>„%1” to nie czas: podaj lokalną datę i godzinę (2026-12-24T18:00), +Nm lub +Nh</translation>
    </message>
</context>
<context>
    <name>RescueLog</name>
    <message>
        <source>Cannot add to the list of rescued notes &quot;%1&quot;: %2</source>
        <translation>Nie można uzupełnić listy uratowanych notatek „%1”: %2</translation>
    </message>
    <message>
        <source>Rescued Notes</source>
        <translation>Uratowane notatki</translation>
    </message>
    <message>
        <source>Some notes could not be saved in their own files when Paperlet last closed. Their copies were saved here:
</source>
        <translation>Przy ostatnim zamknięciu programu Paperlet niektórych notatek nie udało się zapisać w ich własnych plikach. Ich kopie zapisano tutaj:
</translation>
    </message>
</context>
<context>
    <name>ScriptCommands</name>
    <message>
        <source>the text is longer than a note takes (%1 characters)</source>
        <translation>tekst jest dłuższy, niż mieści notatka (%1 znaków)</translation>
    </message>
    <message>
        <source>the note &quot;%1&quot; cannot be changed</source>
        <translation>notatki „%1” nie można zmienić</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Nie można utworzyć pliku „%1”. %2</translation>
    </message>
</context>
<context>
    <name>ShortcutSettings</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Nie można utworzyć pliku „%1”. %2</translation>
    </message>
</context>
<context>
    <name>StoredNotes</name>
    <message>
        <source>the stored notes are only read here</source>
        <translation>zapisane notatki są tu tylko odczytywane</translation>
    </message>
</context>
<context>
    <name>T</name>
    <message>
        <source>X11 key grab</source>
        <translation>przechwytywanie klawiszy X11</translation>
    </message>
    <message>
        <source>no such key on this keyboard</source>
        <translation>na tej klawiaturze nie ma takiego klawisza</translation>
    </message>
</context>
<context>
    <name>TFR_ABOUT</name>
    <message>
        <source>Copyright © 2024 The Paperlet developers</source>
        <translation>Copyright © 2024 Twórcy programu Paperlet</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Paperlet</source>
        <translation>Paperlet</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
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
        <translation>Wszystkie notatki</translation>
    </message>
    <message>
        <source>Search notes</source>
        <translation>Szukaj w notatkach</translation>
    </message>
    <message>
        <source>S&amp;ort by:</source>
        <translation>S&amp;ortuj według:</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>Ostatnia zmiana</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Tytuł</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>Sortuj według</translation>
    </message>
    <message>
        <source>&amp;Notes</source>
        <translation>&amp;Notatki</translation>
    </message>
    <message>
        <source>&amp;Recently Deleted</source>
        <translation>&amp;Ostatnio usunięte</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notatki</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Pokaż</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>&amp;Eksportuj</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importuj</translation>
    </message>
    <message>
        <source>&amp;Selected Notes Only</source>
        <translation>&amp;Tylko zaznaczone notatki</translation>
    </message>
    <message>
        <source>&amp;Plain Text...</source>
        <translation>&amp;Zwykły tekst...</translation>
    </message>
    <message>
        <source>&amp;Markdown...</source>
        <translation>Jako &amp;Markdown...</translation>
    </message>
    <message>
        <source>&amp;HTML...</source>
        <translation>Jako &amp;HTML...</translation>
    </message>
    <message>
        <source>&amp;Zip Backup of All Notes...</source>
        <translation>Kopia &amp;zip wszystkich notatek...</translation>
    </message>
    <message>
        <source>&amp;Files...</source>
        <translation>&amp;Pliki...</translation>
    </message>
    <message>
        <source>&amp;Xpad Notes</source>
        <translation>Notatki &amp;Xpad</translation>
    </message>
    <message>
        <source>Recently deleted notes</source>
        <translation>Ostatnio usunięte notatki</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Usunięto</translation>
    </message>
    <message>
        <source>R&amp;estore</source>
        <translation>P&amp;rzywróć</translation>
    </message>
    <message>
        <source>Export Notes To</source>
        <translation>Eksportuj notatki do</translation>
    </message>
    <message>
        <source>Paperlet notes %1.zip</source>
        <translation>Notatki Paperlet %1.zip</translation>
    </message>
    <message>
        <source>Zip Backup</source>
        <translation>Kopia zip</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>Archiwa zip (*.zip)</translation>
    </message>
    <message>
        <source>The notes are backed up in %1.</source>
        <translation>Notatki zapisano w %1.</translation>
    </message>
    <message>
        <source>Import Notes</source>
        <translation>Importuj notatki</translation>
    </message>
    <message>
        <source>Notes and text (*.pnf *.txt *.md);;All files (*)</source>
        <translation>Notatki i tekst (*.pnf *.txt *.md);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Notes deleted: %1. Ctrl+Z takes them back.</source>
        <translation>Usunięte notatki: %1. Ctrl+Z je przywraca.</translation>
    </message>
    <message>
        <source>Notes restored: %1.</source>
        <translation>Przywrócone notatki: %1.</translation>
    </message>
    <message>
        <source>Notes exported to %1: %2.</source>
        <translation>Notatki wyeksportowane do %1: %2.</translation>
    </message>
    <message>
        <source>Notes imported: %1.</source>
        <translation>Zaimportowane notatki: %1.</translation>
    </message>
</context>
<context>
    <name>TFR_NOTE</name>
    <message>
        <source>Notes</source>
        <translation>Notatki</translation>
    </message>
    <message>
        <source>Double click to edit title</source>
        <translation>Kliknij dwukrotnie, aby zmienić tytuł</translation>
    </message>
    <message>
        <source>No Name</source>
        <translation>Bez nazwy</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>
The note stays open so that its text is not lost.</source>
        <translation>
Notatka pozostaje otwarta, aby jej tekst nie przepadł.</translation>
    </message>
    <message>
        <source>Note text</source>
        <translation>Treść notatki</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Tytuł</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Zmień rozmiar</translation>
    </message>
    <message>
        <source>Reminder: %1</source>
        <translation>Przypomnienie: %1</translation>
    </message>
    <message>
        <source>Reminder: %1 (%2)</source>
        <translation>Przypomnienie: %1 (%2)</translation>
    </message>
    <message>
        <source>Reminder...</source>
        <translation>Przypomnienie...</translation>
    </message>
</context>
<context>
    <name>TFR_PLT_MAIN</name>
    <message>
        <source>Paperlet
Double click for new note!</source>
        <translation>Paperlet
Kliknij dwukrotnie, by dodać notatkę!</translation>
    </message>
    <message>
        <source>Paperlet</source>
        <translation>Paperlet</translation>
    </message>
    <message>
        <source>Double click for new note!</source>
        <translation>Kliknij dwukrotnie, by dodać notatkę!</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>Nowa notatka</translation>
    </message>
    <message>
        <source>Show All Notes</source>
        <translation>Pokaż wszystkie notatki</translation>
    </message>
    <message>
        <source>Hide All Notes</source>
        <translation>Ukryj wszystkie notatki</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Sprawdź aktualizacje</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>All Notes...</source>
        <translation>Wszystkie notatki...</translation>
    </message>
</context>
<context>
    <name>TFR_REMINDER</name>
    <message>
        <source>Reminder</source>
        <translation>Przypomnienie</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Data:</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Godzina:</translation>
    </message>
    <message>
        <source>&amp;Repeat:</source>
        <translation>&amp;Powtarzaj:</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nigdy</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Codziennie</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>W dni robocze</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Co tydzień</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Co miesiąc</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Co rok</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Wyczyść</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>TFR_SETTINGS</name>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Load on startup</source>
        <translation>Uruchamiaj przy logowaniu</translation>
    </message>
    <message>
        <source>Check updates automatically</source>
        <translation>Sprawdzaj aktualizacje</translation>
    </message>
    <message>
        <source>Default Note</source>
        <translation>Domyślna notatka</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Tytuł:</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>Nowa notatka</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Date Time</source>
        <translation>Data i godzina</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>Krycie:</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Kolor:</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Czcionka:</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Przykład</translation>
    </message>
    <message>
        <source>Font Color:</source>
        <translation>Tekst:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts...</source>
        <translation>&amp;Skróty klawiszowe...</translation>
    </message>
</context>
<context>
    <name>TFR_SHORTCUTS</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Skróty klawiszowe</translation>
    </message>
    <message>
        <source>Command to bind</source>
        <translation>Polecenie do przypisania</translation>
    </message>
    <message>
        <source>This desktop offers programs no global shortcuts. Bind this command to a key in the desktop&apos;s own keyboard settings instead:</source>
        <translation>To środowisko nie oferuje programom globalnych skrótów. Zamiast tego przypisz to polecenie do klawisza w jego własnych ustawieniach klawiatury:</translation>
    </message>
    <message>
        <source>These keys work in every program; they are registered through the %1.</source>
        <translation>Te klawisze działają w każdym programie; są zarejestrowane przez: %1.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Remove the shortcut of %1</source>
        <translation>Usuń skrót dla %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Removed: %1 went to &quot;%2&quot;.</source>
        <translation>Usunięto: %1 przeszedł do „%2”.</translation>
    </message>
</context>
<context>
    <name>ThemeRegistry</name>
    <message>
        <source>Cannot register theme</source>
        <translation>Nie można zarejestrować motywu</translation>
    </message>
    <message>
        <source>Theme %1 is already registered</source>
        <translation>Motyw %1 jest już zarejestrowany</translation>
    </message>
    <message>
        <source>Unknown theme %1</source>
        <translation>Nieznany motyw %1</translation>
    </message>
</context>
<context>
    <name>UpdateReport</name>
    <message>
        <source>You are already using the most recent version of Paperlet.
Please check in future!</source>
        <translation>Używasz już najnowszej wersji programu Paperlet.
Sprawdź ponownie w przyszłości!</translation>
    </message>
    <message>
        <source>Your version is:         %1
Current version is:    %2

A newer version is available.
Do you want to download new version?</source>
        <translation>Twoja wersja:          %1
Bieżąca wersja:      %2

Dostępna jest nowsza wersja.
Czy pobrać nową wersję?</translation>
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
        <translation>Skróty klawiszowe Windows</translation>
    </message>
</context>
<context>
    <name>ZipWriter</name>
    <message>
        <source>The archive would be too large.</source>
        <translation>Archiwum byłoby za duże.</translation>
    </message>
    <message>
        <source>The archive cannot be written: %1</source>
        <translation>Nie można zapisać archiwum: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Paperlet Already Running!</source>
        <translation>Paperlet już działa!</translation>
    </message>
    <message>
        <source>no display could be opened (%1)</source>
        <translation>nie można otworzyć żadnego ekranu (%1)</translation>
    </message>
    <message>
        <source>the program could not be started: %1</source>
        <translation>nie można uruchomić programu: %1</translation>
    </message>
</context>
</TS>
