<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>Application</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Произошла непредвиденная ошибка.</translation>
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
        <translation>Не удалось записать данные для «%1»</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Недопустимый тип данных для «%1»</translation>
    </message>
</context>
<context>
    <name>ColorNames</name>
    <message>
        <source>Black</source>
        <translation>Чёрный</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Коричневый</translation>
    </message>
    <message>
        <source>Olive Green</source>
        <translation>Оливковый</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>Тёмно-зелёный</translation>
    </message>
    <message>
        <source>Dark Teal</source>
        <translation>Тёмно-бирюзовый</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Тёмно-синий</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Индиго</translation>
    </message>
    <message>
        <source>Gray-80%</source>
        <translation>Серый 80%</translation>
    </message>
    <message>
        <source>Dark Red</source>
        <translation>Тёмно-красный</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Оранжевый</translation>
    </message>
    <message>
        <source>Dark Yellow</source>
        <translation>Тёмно-жёлтый</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Сине-зелёный</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Blue-Gray</source>
        <translation>Сизый</translation>
    </message>
    <message>
        <source>Gray-50%</source>
        <translation>Серый 50%</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Light Orange</source>
        <translation>Светло-оранжевый</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Лаймовый</translation>
    </message>
    <message>
        <source>Sea Green</source>
        <translation>Морская волна</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Аквамарин</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Светло-синий</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Фиолетовый</translation>
    </message>
    <message>
        <source>Gray-40%</source>
        <translation>Серый 40%</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Розовый</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Золотистый</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жёлтый</translation>
    </message>
    <message>
        <source>Bright Green</source>
        <translation>Ярко-зелёный</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Бирюзовый</translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation>Небесно-голубой</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Сливовый</translation>
    </message>
    <message>
        <source>Gray-25%</source>
        <translation>Серый 25%</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Бледно-розовый</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>Светло-коричневый</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>Светло-жёлтый</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Светло-зелёный</translation>
    </message>
    <message>
        <source>Light Turquoise</source>
        <translation>Светло-бирюзовый</translation>
    </message>
    <message>
        <source>Pale Blue</source>
        <translation>Бледно-голубой</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Лавандовый</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Белый</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Dark Gray</source>
        <translation>Тёмно-серый</translation>
    </message>
    <message>
        <source>Light Gray</source>
        <translation>Светло-серый</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>show all notes</source>
        <translation>показать все заметки</translation>
    </message>
    <message>
        <source>hide all notes</source>
        <translation>скрыть все заметки</translation>
    </message>
    <message>
        <source>open the Settings</source>
        <translation>открыть настройки</translation>
    </message>
    <message>
        <source>open About</source>
        <translation>открыть окно «О программе»</translation>
    </message>
    <message>
        <source>end the running copy, writing every note</source>
        <translation>завершить запущенную программу, сохранив все заметки</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>вывести версию и выйти</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>вывести эту справку и выйти</translation>
    </message>
    <message>
        <source>only one option at a time; &apos;%1&apos; is one too many</source>
        <translation>только один параметр за раз; «%1» лишний</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>неизвестный параметр «%1»</translation>
    </message>
    <message>
        <source>Usage: %1 [OPTION]
Sticky notes in the tray. With a copy running, an option is carried out by it.

</source>
        <translation>Использование: %1 [ПАРАМЕТР]
Заметки-стикеры в системном лотке. Если программа уже запущена, параметр выполняет она.

</translation>
    </message>
    <message>
        <source>
Global shortcuts, where the desktop offers them: Ctrl+Alt+Shift+N makes a new note,
Ctrl+Alt+Shift+H shows or hides all notes.
</source>
        <translation>
Глобальные комбинации клавиш, если их предоставляет рабочий стол: Ctrl+Alt+Shift+N создаёт новую заметку,
Ctrl+Alt+Shift+H показывает или скрывает все заметки.
</translation>
    </message>
    <message>
        <source>open the All Notes window</source>
        <translation>открыть окно «Все заметки»</translation>
    </message>
    <message>
        <source>make a new note, holding TEXT if given (&quot;-&quot;: standard input);
print its file name</source>
        <translation>создать новую заметку с TEXT, если он дан («-»: стандартный ввод);
вывести имя её файла</translation>
    </message>
    <message>
        <source>print FILE&lt;tab&gt;TITLE for every note, the last changed first</source>
        <translation>вывести FILE&lt;tab&gt;TITLE для каждой заметки, последнюю изменённую первой</translation>
    </message>
    <message>
        <source>the same for the notes that hold every word in their title or
text, whatever the case and accents</source>
        <translation>то же для заметок, в заголовке или тексте которых есть каждое слово,
без учёта регистра и диакритики</translation>
    </message>
    <message>
        <source>show the note, brought to the front and onto the screen</source>
        <translation>показать заметку: на передний план и на экран</translation>
    </message>
    <message>
        <source>print the note&apos;s title, an empty line and its text</source>
        <translation>вывести заголовок заметки, пустую строку и её текст</translation>
    </message>
    <message>
        <source>remind of the note at WHEN: a local date and time
(2026-12-24T18:00), or +Nm or +Nh from now; &quot;off&quot; clears it.
After --new-note TEXT, WHEN alone reminds of the new note</source>
        <translation>напомнить о заметке в WHEN: местные дата и время
(2026-12-24T18:00) или +Nm либо +Nh от текущего момента; «off» снимает его.
После --new-note TEXT один WHEN напоминает о новой заметке</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the words to look for</source>
        <translation>«%1» требует слов для поиска</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a note&apos;s file name (as --list prints it)</source>
        <translation>«%1» требует имени файла заметки (как его выводит --list)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs WHEN</source>
        <translation>«%1» требует WHEN</translation>
    </message>
    <message>
        <source>
FILE is a note&apos;s file name in the notes folder, as --list prints it. A missing
note ends with status 1, a wrong command line with 2. With no copy running, the
commands --list, --find and --text read the notes folder themselves, while the
commands --show, --remind and --new-note with TEXT start a copy that runs on.
</source>
        <translation>
FILE — имя файла заметки в папке заметок, как его выводит --list. Отсутствующая
заметка даёт код 1, неверная командная строка — 2. Если копия не запущена, команды
--list, --find и --text сами читают папку заметок, а команды --show, --remind и
--new-note с TEXT запускают копию, которая продолжает работать.
</translation>
    </message>
</context>
<context>
    <name>CommandSender</name>
    <message>
        <source>commands to the running copy are not supported on this system</source>
        <translation>команды запущенной программе в этой системе не поддерживаются</translation>
    </message>
    <message>
        <source>no D-Bus session bus to reach the running copy (%1)</source>
        <translation>нет сеансовой шины D-Bus для связи с запущенной программой (%1)</translation>
    </message>
    <message>
        <source>the running copy does not answer on the D-Bus session bus</source>
        <translation>запущенная программа не отвечает на сеансовой шине D-Bus</translation>
    </message>
    <message>
        <source>the running copy did not take the command: %1</source>
        <translation>запущенная программа не приняла команду: %1</translation>
    </message>
    <message>
        <source>the command failed in the running copy</source>
        <translation>команда не выполнена в запущенной копии</translation>
    </message>
</context>
<context>
    <name>DeleteUndo</name>
    <message>
        <source>Note deleted</source>
        <translation>Заметка удалена</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Нечего отменять</translation>
    </message>
    <message>
        <source>The note &quot;%1&quot; is no longer in the trash.</source>
        <translation>Заметки &quot;%1&quot; больше нет в корзине.</translation>
    </message>
</context>
<context>
    <name>DeletedNotes</name>
    <message>
        <source>The note &quot;%1&quot; cannot be taken back from the trash.</source>
        <translation>Заметку «%1» не удаётся вернуть из корзины.</translation>
    </message>
</context>
<context>
    <name>FontChooser</name>
    <message>
        <source>Size must be between 1 and %1.</source>
        <translation>Размер должен быть от 1 до %1.</translation>
    </message>
</context>
<context>
    <name>GlobalShortcutActions</name>
    <message>
        <source>The global shortcut %1 for &quot;%2&quot; is held by %3 (%4).</source>
        <translation>Глобальная комбинация клавиш %1 для «%2» занята: %3 (%4).</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>другая программа</translation>
    </message>
    <message>
        <source>The %1 gave no global shortcuts; asking the next way.</source>
        <translation>%1: глобальные комбинации клавиш не получены; пробуем следующий способ.</translation>
    </message>
    <message>
        <source>This desktop offers no global shortcuts; bind &quot;%1&quot; in its keyboard settings.</source>
        <translation>Эта среда не предоставляет глобальных сочетаний клавиш; назначьте «%1» в её настройках клавиатуры.</translation>
    </message>
    <message>
        <source>%1 is held by %2.</source>
        <translation>%1 занято программой %2.</translation>
    </message>
</context>
<context>
    <name>GlobalShortcuts</name>
    <message>
        <source>New Note</source>
        <translation>Новая заметка</translation>
    </message>
    <message>
        <source>New Note from Clipboard</source>
        <translation>Новая заметка из буфера обмена</translation>
    </message>
    <message>
        <source>Show/Hide All Notes</source>
        <translation>Показать/скрыть все заметки</translation>
    </message>
    <message>
        <source>All Notes</source>
        <translation>Все заметки</translation>
    </message>
</context>
<context>
    <name>KdeShortcuts</name>
    <message>
        <source>KDE global shortcuts</source>
        <translation>Глобальные комбинации клавиш KDE</translation>
    </message>
</context>
<context>
    <name>NoteAnnouncer</name>
    <message>
        <source>Note opened: %1</source>
        <translation>Заметка открыта: %1</translation>
    </message>
    <message>
        <source>Notes opened: %1</source>
        <translation>Открыто заметок: %1</translation>
    </message>
    <message>
        <source>Note closed: %1</source>
        <translation>Заметка закрыта: %1</translation>
    </message>
    <message>
        <source>Notes closed: %1</source>
        <translation>Закрыто заметок: %1</translation>
    </message>
    <message>
        <source>Note deleted: %1</source>
        <translation>Заметка удалена: %1</translation>
    </message>
    <message>
        <source>Notes deleted: %1</source>
        <translation>Удалено заметок: %1</translation>
    </message>
</context>
<context>
    <name>NoteCollection</name>
    <message>
        <source>Cannot open the notes folder &quot;%1&quot;.</source>
        <translation>Не удаётся открыть папку заметок «%1».</translation>
    </message>
    <message>
        <source>The note &quot;%1&quot; cannot be read.</source>
        <translation>Не удаётся прочитать заметку «%1».</translation>
    </message>
</context>
<context>
    <name>NoteDocument</name>
    <message>
        <source>Cannot load the note file &quot;%1&quot;: %2</source>
        <translation>Не удаётся загрузить файл заметки «%1»: %2</translation>
    </message>
</context>
<context>
    <name>NoteEditor</name>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Font Color...</source>
        <translation>Цвет текста...</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Шрифт...</translation>
    </message>
    <message>
        <source>Bullets...</source>
        <translation>Маркеры...</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Полужирный</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Курсив</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Подчёркнутый</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>Зачёркнутый</translation>
    </message>
    <message>
        <source>Left Justify</source>
        <translation>По левому краю</translation>
    </message>
    <message>
        <source>Right Justify</source>
        <translation>По правому краю</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>По центру</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Чек-лист</translation>
    </message>
    <message>
        <source>%1% of the note&apos;s width</source>
        <translation>%1% ширины заметки</translation>
    </message>
    <message>
        <source>Original size</source>
        <translation>Исходный размер</translation>
    </message>
    <message>
        <source>Tick or untick the check item</source>
        <translation>Отметить пункт или снять отметку</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Выделить всё</translation>
    </message>
    <message>
        <source>Open the text menu at the caret (also the Menu key)</source>
        <translation>Открыть текстовое меню у курсора (также клавишей Menu)</translation>
    </message>
</context>
<context>
    <name>NoteExport</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Не удаётся записать «%1»: %2</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Заметка</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>папка не существует</translation>
    </message>
</context>
<context>
    <name>NoteFile</name>
    <message>
        <source>The header field &quot;%1&quot; is not a hexadecimal number.</source>
        <translation>Поле заголовка «%1» не является шестнадцатеричным числом.</translation>
    </message>
    <message>
        <source>The note file has fewer than two lines.</source>
        <translation>В файле заметки меньше двух строк.</translation>
    </message>
    <message>
        <source>The header &quot;%1&quot; is too short.</source>
        <translation>Заголовок «%1» слишком короткий.</translation>
    </message>
    <message>
        <source>Cannot write the note file &quot;%1&quot;: %2</source>
        <translation>Не удаётся записать файл заметки «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot open the note file &quot;%1&quot;: %2</source>
        <translation>Не удаётся открыть файл заметки «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot read the note file &quot;%1&quot;: %2</source>
        <translation>Не удаётся прочитать файл заметки «%1»: %2</translation>
    </message>
</context>
<context>
    <name>NoteImport</name>
    <message>
        <source>&quot;%1&quot; cannot be imported. %2</source>
        <translation>Не удаётся импортировать «%1». %2</translation>
    </message>
</context>
<context>
    <name>NoteKeyboardMove</name>
    <message>
        <source>Move with the arrow keys; Enter keeps, Escape cancels</source>
        <translation>Перемещайте стрелками; Enter — применить, Escape — отменить</translation>
    </message>
    <message>
        <source>Size with the arrow keys; Enter keeps, Escape cancels</source>
        <translation>Меняйте размер стрелками; Enter — применить, Escape — отменить</translation>
    </message>
</context>
<context>
    <name>NoteKeys</name>
    <message>
        <source>New Note</source>
        <translation>Новая заметка</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Close at once</source>
        <translation>Закрыть сразу</translation>
    </message>
    <message>
        <source>Open the note menu</source>
        <translation>Открыть меню заметки</translation>
    </message>
    <message>
        <source>Edit the title</source>
        <translation>Изменить заголовок</translation>
    </message>
    <message>
        <source>Move the note: arrow keys, then Enter or Escape</source>
        <translation>Переместить заметку: стрелки, затем Enter или Escape</translation>
    </message>
    <message>
        <source>Size the note: arrow keys, then Enter or Escape</source>
        <translation>Изменить размер заметки: стрелки, затем Enter или Escape</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Комбинации клавиш</translation>
    </message>
</context>
<context>
    <name>NoteLimits</name>
    <message>
        <source>Cannot open the note file &quot;%1&quot;: %2</source>
        <translation>Не удаётся открыть файл заметки «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot read the note file &quot;%1&quot;: %2</source>
        <translation>Не удаётся прочитать файл заметки «%1»: %2</translation>
    </message>
    <message>
        <source>Its text has %1 characters; notes of up to %2 characters open.</source>
        <translation>Число символов в её тексте: %1; открываются заметки длиной до %2 символов.</translation>
    </message>
    <message>
        <source>One of its paragraphs has %1 characters; paragraphs of up to %2 characters open.</source>
        <translation>Число символов в одном из её абзацев: %1; открываются абзацы длиной до %2 символов.</translation>
    </message>
    <message>
        <source>Its file has %1 MB besides its pictures; notes of up to %2 MB besides their pictures open.</source>
        <translation>Её файл занимает %1 МБ без учёта изображений; открываются заметки до %2 МБ без учёта изображений.</translation>
    </message>
</context>
<context>
    <name>NoteListModel</name>
    <message>
        <source>Color</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Заголовок</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Изменена</translation>
    </message>
</context>
<context>
    <name>NoteListing</name>
    <message>
        <source>there is no note &quot;%1&quot; in %2</source>
        <translation>нет заметки «%1» в %2</translation>
    </message>
</context>
<context>
    <name>NoteLock</name>
    <message>
        <source>Locked</source>
        <translation>Заблокирована</translation>
    </message>
</context>
<context>
    <name>NoteMenu</name>
    <message>
        <source>New Note</source>
        <translation>Новая заметка</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>Opacity         </source>
        <translation>Непрозрачность         </translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Send Mail</source>
        <translation>Отправить по почте</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Are you sure want to delete the note?</source>
        <translation>Действительно удалить заметку?</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Подтверждение удаления</translation>
    </message>
</context>
<context>
    <name>NoteNaming</name>
    <message>
        <source>New Note</source>
        <translation>Новая заметка</translation>
    </message>
</context>
<context>
    <name>NoteReminders</name>
    <message>
        <source>Reminder</source>
        <translation>Напоминание</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Показать</translation>
    </message>
    <message>
        <source>Snooze 10 minutes</source>
        <translation>Отложить на 10 минут</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
</context>
<context>
    <name>NoteStateControl</name>
    <message>
        <source>Always on Top</source>
        <translation>Поверх всех окон</translation>
    </message>
    <message>
        <source>On All Workspaces</source>
        <translation>На всех рабочих столах</translation>
    </message>
    <message>
        <source>Roll Up</source>
        <translation>Свернуть в заголовок</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Заблокировать</translation>
    </message>
</context>
<context>
    <name>NotesFolderSync</name>
    <message>
        <source>The note file &quot;%1&quot; in &quot;%2&quot; cannot be opened: its name is not valid UTF-8. Rename it to open it as a note; until then Paperlet leaves it as it is.</source>
        <translation>Не удаётся открыть файл заметки «%1» в «%2»: его имя не является допустимым UTF-8. Переименуйте его, чтобы открыть как заметку; до тех пор Paperlet оставляет его без изменений.</translation>
    </message>
</context>
<context>
    <name>OversizedNote</name>
    <message>
        <source>This note is too large to open here. %1

The file &quot;%2&quot; is left as it is: Paperlet neither changes nor removes it. Once it is small enough, it opens here.</source>
        <translation>Эта заметка слишком велика, чтобы открыть её здесь. %1

Файл «%2» остаётся без изменений: Paperlet не изменяет и не удаляет его. Как только он станет достаточно мал, он откроется здесь.</translation>
    </message>
</context>
<context>
    <name>PortalShortcuts</name>
    <message>
        <source>desktop portal</source>
        <translation>портал рабочего стола</translation>
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
        <translation>«%1» — не время: укажите местные дату и время (2026-12-24T18:00), +Nm или +Nh</translation>
    </message>
</context>
<context>
    <name>RescueLog</name>
    <message>
        <source>Cannot add to the list of rescued notes &quot;%1&quot;: %2</source>
        <translation>Не удаётся дополнить список спасённых заметок «%1»: %2</translation>
    </message>
    <message>
        <source>Rescued Notes</source>
        <translation>Спасённые заметки</translation>
    </message>
    <message>
        <source>Some notes could not be saved in their own files when Paperlet last closed. Their copies were saved here:
</source>
        <translation>При последнем закрытии Paperlet некоторые заметки не удалось сохранить в их собственные файлы. Их копии сохранены здесь:
</translation>
    </message>
</context>
<context>
    <name>ScriptCommands</name>
    <message>
        <source>the text is longer than a note takes (%1 characters)</source>
        <translation>текст длиннее, чем вмещает заметка (%1 символов)</translation>
    </message>
    <message>
        <source>the note &quot;%1&quot; cannot be changed</source>
        <translation>заметку «%1» нельзя изменить</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Не удаётся создать файл «%1». %2</translation>
    </message>
</context>
<context>
    <name>ShortcutSettings</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Не удаётся создать файл «%1». %2</translation>
    </message>
</context>
<context>
    <name>StoredNotes</name>
    <message>
        <source>the stored notes are only read here</source>
        <translation>сохранённые заметки здесь только читаются</translation>
    </message>
</context>
<context>
    <name>T</name>
    <message>
        <source>X11 key grab</source>
        <translation>захват клавиш X11</translation>
    </message>
    <message>
        <source>no such key on this keyboard</source>
        <translation>на этой клавиатуре нет такой клавиши</translation>
    </message>
</context>
<context>
    <name>TFR_ABOUT</name>
    <message>
        <source>Copyright © 2024 The Paperlet developers</source>
        <translation>© 2024 Разработчики Paperlet</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Paperlet</source>
        <translation>Paperlet</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>TFR_ALL_NOTES</name>
    <message>
        <source>All Notes</source>
        <translation>Все заметки</translation>
    </message>
    <message>
        <source>Search notes</source>
        <translation>Поиск по заметкам</translation>
    </message>
    <message>
        <source>S&amp;ort by:</source>
        <translation>&amp;Сортировать по:</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>Последнее изменение</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Заголовок</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>Сортировать по</translation>
    </message>
    <message>
        <source>&amp;Notes</source>
        <translation>&amp;Заметки</translation>
    </message>
    <message>
        <source>&amp;Recently Deleted</source>
        <translation>&amp;Недавно удалённые</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Заметки</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Показать</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>&amp;Экспорт</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Импорт</translation>
    </message>
    <message>
        <source>&amp;Selected Notes Only</source>
        <translation>&amp;Только выбранные заметки</translation>
    </message>
    <message>
        <source>&amp;Plain Text...</source>
        <translation>&amp;Обычный текст...</translation>
    </message>
    <message>
        <source>&amp;Markdown...</source>
        <translation>В формате &amp;Markdown...</translation>
    </message>
    <message>
        <source>&amp;HTML...</source>
        <translation>В формате &amp;HTML...</translation>
    </message>
    <message>
        <source>&amp;Zip Backup of All Notes...</source>
        <translation>&amp;Zip-копия всех заметок...</translation>
    </message>
    <message>
        <source>&amp;Files...</source>
        <translation>&amp;Файлы...</translation>
    </message>
    <message>
        <source>&amp;Xpad Notes</source>
        <translation>Заметки &amp;Xpad</translation>
    </message>
    <message>
        <source>Recently deleted notes</source>
        <translation>Недавно удалённые заметки</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Удалена</translation>
    </message>
    <message>
        <source>R&amp;estore</source>
        <translation>&amp;Восстановить</translation>
    </message>
    <message>
        <source>Export Notes To</source>
        <translation>Экспортировать заметки в</translation>
    </message>
    <message>
        <source>Paperlet notes %1.zip</source>
        <translation>Заметки Paperlet %1.zip</translation>
    </message>
    <message>
        <source>Zip Backup</source>
        <translation>Zip-копия</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>Zip-архивы (*.zip)</translation>
    </message>
    <message>
        <source>The notes are backed up in %1.</source>
        <translation>Заметки сохранены в %1.</translation>
    </message>
    <message>
        <source>Import Notes</source>
        <translation>Импорт заметок</translation>
    </message>
    <message>
        <source>Notes and text (*.pnf *.txt *.md);;All files (*)</source>
        <translation>Заметки и текст (*.pnf *.txt *.md);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Notes deleted: %1. Ctrl+Z takes them back.</source>
        <translation>Удалено заметок: %1. Ctrl+Z вернёт их.</translation>
    </message>
    <message>
        <source>Notes restored: %1.</source>
        <translation>Восстановлено заметок: %1.</translation>
    </message>
    <message>
        <source>Notes exported to %1: %2.</source>
        <translation>Экспортировано заметок в %1: %2.</translation>
    </message>
    <message>
        <source>Notes imported: %1.</source>
        <translation>Импортировано заметок: %1.</translation>
    </message>
</context>
<context>
    <name>TFR_NOTE</name>
    <message>
        <source>Notes</source>
        <translation>Заметки</translation>
    </message>
    <message>
        <source>Double click to edit title</source>
        <translation>Дважды щёлкните, чтобы изменить заголовок</translation>
    </message>
    <message>
        <source>No Name</source>
        <translation>Без имени</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>
The note stays open so that its text is not lost.</source>
        <translation>
Заметка остаётся открытой, чтобы её текст не потерялся.</translation>
    </message>
    <message>
        <source>Note text</source>
        <translation>Текст заметки</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Заголовок</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Изменить размер</translation>
    </message>
    <message>
        <source>Reminder: %1</source>
        <translation>Напоминание: %1</translation>
    </message>
    <message>
        <source>Reminder: %1 (%2)</source>
        <translation>Напоминание: %1 (%2)</translation>
    </message>
    <message>
        <source>Reminder...</source>
        <translation>Напоминание...</translation>
    </message>
</context>
<context>
    <name>TFR_PLT_MAIN</name>
    <message>
        <source>Paperlet
Double click for new note!</source>
        <translation>Paperlet
Двойной щелчок — новая заметка!</translation>
    </message>
    <message>
        <source>Paperlet</source>
        <translation>Paperlet</translation>
    </message>
    <message>
        <source>Double click for new note!</source>
        <translation>Двойной щелчок — новая заметка!</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>Новая заметка</translation>
    </message>
    <message>
        <source>Show All Notes</source>
        <translation>Показать все заметки</translation>
    </message>
    <message>
        <source>Hide All Notes</source>
        <translation>Скрыть все заметки</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>All Notes...</source>
        <translation>Все заметки...</translation>
    </message>
</context>
<context>
    <name>TFR_REMINDER</name>
    <message>
        <source>Reminder</source>
        <translation>Напоминание</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Дата:</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Время:</translation>
    </message>
    <message>
        <source>&amp;Repeat:</source>
        <translation>&amp;Повтор:</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Никогда</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Ежедневно</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>По будням</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Еженедельно</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Ежемесячно</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Ежегодно</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Очистить</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>TFR_SETTINGS</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Load on startup</source>
        <translation>Запускать при входе</translation>
    </message>
    <message>
        <source>Check updates automatically</source>
        <translation>Автопроверка обновлений</translation>
    </message>
    <message>
        <source>Default Note</source>
        <translation>Новая заметка по умолчанию</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Заголовок:</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>Новая заметка</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Date Time</source>
        <translation>Дата и время</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>Непрозр.:</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Цвет:</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Шрифт:</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Пример</translation>
    </message>
    <message>
        <source>Font Color:</source>
        <translation>Текст:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts...</source>
        <translation>&amp;Сочетания клавиш...</translation>
    </message>
</context>
<context>
    <name>TFR_SHORTCUTS</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Сочетания клавиш</translation>
    </message>
    <message>
        <source>Command to bind</source>
        <translation>Команда для назначения</translation>
    </message>
    <message>
        <source>This desktop offers programs no global shortcuts. Bind this command to a key in the desktop&apos;s own keyboard settings instead:</source>
        <translation>Эта среда не предоставляет программам глобальных сочетаний клавиш. Назначьте вместо этого клавишу для этой команды в её собственных настройках клавиатуры:</translation>
    </message>
    <message>
        <source>These keys work in every program; they are registered through the %1.</source>
        <translation>Эти клавиши работают в любой программе; они зарегистрированы через: %1.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Remove the shortcut of %1</source>
        <translation>Удалить сочетание для «%1»</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Removed: %1 went to &quot;%2&quot;.</source>
        <translation>Удалено: %1 теперь у «%2».</translation>
    </message>
</context>
<context>
    <name>ThemeRegistry</name>
    <message>
        <source>Cannot register theme</source>
        <translation>Не удаётся зарегистрировать тему</translation>
    </message>
    <message>
        <source>Theme %1 is already registered</source>
        <translation>Тема %1 уже зарегистрирована</translation>
    </message>
    <message>
        <source>Unknown theme %1</source>
        <translation>Неизвестная тема %1</translation>
    </message>
</context>
<context>
    <name>UpdateReport</name>
    <message>
        <source>You are already using the most recent version of Paperlet.
Please check in future!</source>
        <translation>У вас уже установлена последняя версия Paperlet.
Проверьте позже!</translation>
    </message>
    <message>
        <source>Your version is:         %1
Current version is:    %2

A newer version is available.
Do you want to download new version?</source>
        <translation>Ваша версия:          %1
Текущая версия:     %2

Доступна более новая версия.
Загрузить новую версию?</translation>
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
        <translation>Горячие клавиши Windows</translation>
    </message>
</context>
<context>
    <name>ZipWriter</name>
    <message>
        <source>The archive would be too large.</source>
        <translation>Архив получился бы слишком большим.</translation>
    </message>
    <message>
        <source>The archive cannot be written: %1</source>
        <translation>Не удаётся записать архив: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Paperlet Already Running!</source>
        <translation>Paperlet уже запущен!</translation>
    </message>
    <message>
        <source>no display could be opened (%1)</source>
        <translation>не удалось открыть ни один дисплей (%1)</translation>
    </message>
    <message>
        <source>the program could not be started: %1</source>
        <translation>не удалось запустить программу: %1</translation>
    </message>
</context>
</TS>
