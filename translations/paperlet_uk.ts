<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>Application</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Сталася неочікувана помилка.</translation>
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
        <translation>Не вдалося записати дані для «%1»</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Неприпустимий тип даних для «%1»</translation>
    </message>
</context>
<context>
    <name>ColorNames</name>
    <message>
        <source>Black</source>
        <translation>Чорний</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Коричневий</translation>
    </message>
    <message>
        <source>Olive Green</source>
        <translation>Оливковий</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>Темно-зелений</translation>
    </message>
    <message>
        <source>Dark Teal</source>
        <translation>Темно-бірюзовий</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Темно-синій</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Індиго</translation>
    </message>
    <message>
        <source>Gray-80%</source>
        <translation>Сірий 80%</translation>
    </message>
    <message>
        <source>Dark Red</source>
        <translation>Темно-червоний</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Помаранчевий</translation>
    </message>
    <message>
        <source>Dark Yellow</source>
        <translation>Темно-жовтий</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелений</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Синьо-зелений</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синій</translation>
    </message>
    <message>
        <source>Blue-Gray</source>
        <translation>Сизий</translation>
    </message>
    <message>
        <source>Gray-50%</source>
        <translation>Сірий 50%</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Червоний</translation>
    </message>
    <message>
        <source>Light Orange</source>
        <translation>Світло-помаранчевий</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Лаймовий</translation>
    </message>
    <message>
        <source>Sea Green</source>
        <translation>Морська хвиля</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Аквамарин</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Світло-синій</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Фіолетовий</translation>
    </message>
    <message>
        <source>Gray-40%</source>
        <translation>Сірий 40%</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Рожевий</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Золотистий</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жовтий</translation>
    </message>
    <message>
        <source>Bright Green</source>
        <translation>Яскраво-зелений</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Бірюзовий</translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation>Небесно-блакитний</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Сливовий</translation>
    </message>
    <message>
        <source>Gray-25%</source>
        <translation>Сірий 25%</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Блідо-рожевий</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>Світло-коричневий</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>Світло-жовтий</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Світло-зелений</translation>
    </message>
    <message>
        <source>Light Turquoise</source>
        <translation>Світло-бірюзовий</translation>
    </message>
    <message>
        <source>Pale Blue</source>
        <translation>Блідо-блакитний</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Лавандовий</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Білий</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Немає</translation>
    </message>
    <message>
        <source>Dark Gray</source>
        <translation>Темно-сірий</translation>
    </message>
    <message>
        <source>Light Gray</source>
        <translation>Світло-сірий</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>show all notes</source>
        <translation>показати всі нотатки</translation>
    </message>
    <message>
        <source>hide all notes</source>
        <translation>сховати всі нотатки</translation>
    </message>
    <message>
        <source>open the Settings</source>
        <translation>відкрити налаштування</translation>
    </message>
    <message>
        <source>open About</source>
        <translation>відкрити вікно «Про програму»</translation>
    </message>
    <message>
        <source>end the running copy, writing every note</source>
        <translation>завершити запущену програму, зберігши всі нотатки</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>вивести версію і вийти</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>вивести цю довідку і вийти</translation>
    </message>
    <message>
        <source>only one option at a time; &apos;%1&apos; is one too many</source>
        <translation>лише один параметр за раз; «%1» зайвий</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>невідомий параметр «%1»</translation>
    </message>
    <message>
        <source>Usage: %1 [OPTION]
Sticky notes in the tray. With a copy running, an option is carried out by it.

</source>
        <translation>Використання: %1 [ПАРАМЕТР]
Нотатки-стікери в системному лотку. Якщо програма вже запущена, параметр виконує вона.

</translation>
    </message>
    <message>
        <source>
Global shortcuts, where the desktop offers them: Ctrl+Alt+Shift+N makes a new note,
Ctrl+Alt+Shift+H shows or hides all notes.
</source>
        <translation>
Глобальні комбінації клавіш, якщо їх надає стільниця: Ctrl+Alt+Shift+N створює нову нотатку,
Ctrl+Alt+Shift+H показує або ховає всі нотатки.
</translation>
    </message>
    <message>
        <source>open the All Notes window</source>
        <translation>відкрити вікно «Усі нотатки»</translation>
    </message>
    <message>
        <source>make a new note, holding TEXT if given (&quot;-&quot;: standard input);
print its file name</source>
        <translation>створити нову нотатку з TEXT, якщо його дано («-»: стандартний ввід);
вивести ім’я її файлу</translation>
    </message>
    <message>
        <source>print FILE&lt;tab&gt;TITLE for every note, the last changed first</source>
        <translation>вивести FILE&lt;tab&gt;TITLE для кожної нотатки, останню змінену першою</translation>
    </message>
    <message>
        <source>the same for the notes that hold every word in their title or
text, whatever the case and accents</source>
        <translation>те саме для нотаток, у заголовку або тексті яких є кожне слово,
без урахування регістру й діакритики</translation>
    </message>
    <message>
        <source>show the note, brought to the front and onto the screen</source>
        <translation>показати нотатку: на передній план і на екран</translation>
    </message>
    <message>
        <source>print the note&apos;s title, an empty line and its text</source>
        <translation>вивести заголовок нотатки, порожній рядок і її текст</translation>
    </message>
    <message>
        <source>remind of the note at WHEN: a local date and time
(2026-12-24T18:00), or +Nm or +Nh from now; &quot;off&quot; clears it.
After --new-note TEXT, WHEN alone reminds of the new note</source>
        <translation>нагадати про нотатку в WHEN: місцеві дата й час
(2026-12-24T18:00) або +Nm чи +Nh від цього моменту; «off» знімає його.
Після --new-note TEXT сам WHEN нагадує про нову нотатку</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the words to look for</source>
        <translation>«%1» потребує слів для пошуку</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a note&apos;s file name (as --list prints it)</source>
        <translation>«%1» потребує імені файлу нотатки (як його виводить --list)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs WHEN</source>
        <translation>«%1» потребує WHEN</translation>
    </message>
    <message>
        <source>
FILE is a note&apos;s file name in the notes folder, as --list prints it. A missing
note ends with status 1, a wrong command line with 2. With no copy running, the
commands --list, --find and --text read the notes folder themselves, while the
commands --show, --remind and --new-note with TEXT start a copy that runs on.
</source>
        <translation>
FILE — ім’я файлу нотатки в теці нотаток, як його виводить --list. Відсутня
нотатка дає код 1, хибний командний рядок — 2. Якщо копія не запущена, команди
--list, --find і --text самі читають теку нотаток, а команди --show, --remind і
--new-note з TEXT запускають копію, яка працює далі.
</translation>
    </message>
</context>
<context>
    <name>CommandSender</name>
    <message>
        <source>commands to the running copy are not supported on this system</source>
        <translation>команди запущеній програмі в цій системі не підтримуються</translation>
    </message>
    <message>
        <source>no D-Bus session bus to reach the running copy (%1)</source>
        <translation>немає сеансової шини D-Bus для зв’язку із запущеною програмою (%1)</translation>
    </message>
    <message>
        <source>the running copy does not answer on the D-Bus session bus</source>
        <translation>запущена програма не відповідає на сеансовій шині D-Bus</translation>
    </message>
    <message>
        <source>the running copy did not take the command: %1</source>
        <translation>запущена програма не прийняла команду: %1</translation>
    </message>
    <message>
        <source>the command failed in the running copy</source>
        <translation>команду не виконано в запущеній копії</translation>
    </message>
</context>
<context>
    <name>DeleteUndo</name>
    <message>
        <source>Note deleted</source>
        <translation>Нотатку видалено</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Нічого скасовувати</translation>
    </message>
    <message>
        <source>The note &quot;%1&quot; is no longer in the trash.</source>
        <translation>Нотатки &quot;%1&quot; більше немає в кошику.</translation>
    </message>
</context>
<context>
    <name>DeletedNotes</name>
    <message>
        <source>The note &quot;%1&quot; cannot be taken back from the trash.</source>
        <translation>Нотатку «%1» не вдається повернути з кошика.</translation>
    </message>
</context>
<context>
    <name>FontChooser</name>
    <message>
        <source>Size must be between 1 and %1.</source>
        <translation>Розмір має бути від 1 до %1.</translation>
    </message>
</context>
<context>
    <name>GlobalShortcutActions</name>
    <message>
        <source>The global shortcut %1 for &quot;%2&quot; is held by %3 (%4).</source>
        <translation>Глобальну комбінацію клавіш %1 для «%2» зайнято: %3 (%4).</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>інша програма</translation>
    </message>
    <message>
        <source>The %1 gave no global shortcuts; asking the next way.</source>
        <translation>%1: глобальних комбінацій клавіш не отримано; пробуємо наступний спосіб.</translation>
    </message>
    <message>
        <source>This desktop offers no global shortcuts; bind &quot;%1&quot; in its keyboard settings.</source>
        <translation>Це середовище не надає глобальних комбінацій клавіш; призначте «%1» у його налаштуваннях клавіатури.</translation>
    </message>
    <message>
        <source>%1 is held by %2.</source>
        <translation>%1 зайнято програмою %2.</translation>
    </message>
</context>
<context>
    <name>GlobalShortcuts</name>
    <message>
        <source>New Note</source>
        <translation>Нова нотатка</translation>
    </message>
    <message>
        <source>New Note from Clipboard</source>
        <translation>Нова нотатка з буфера обміну</translation>
    </message>
    <message>
        <source>Show/Hide All Notes</source>
        <translation>Показати/сховати всі нотатки</translation>
    </message>
    <message>
        <source>All Notes</source>
        <translation>Усі нотатки</translation>
    </message>
</context>
<context>
    <name>KdeShortcuts</name>
    <message>
        <source>KDE global shortcuts</source>
        <translation>Глобальні комбінації клавіш KDE</translation>
    </message>
</context>
<context>
    <name>NoteAnnouncer</name>
    <message>
        <source>Note opened: %1</source>
        <translation>Нотатку відкрито: %1</translation>
    </message>
    <message>
        <source>Notes opened: %1</source>
        <translation>Відкрито нотаток: %1</translation>
    </message>
    <message>
        <source>Note closed: %1</source>
        <translation>Нотатку закрито: %1</translation>
    </message>
    <message>
        <source>Notes closed: %1</source>
        <translation>Закрито нотаток: %1</translation>
    </message>
    <message>
        <source>Note deleted: %1</source>
        <translation>Нотатку видалено: %1</translation>
    </message>
    <message>
        <source>Notes deleted: %1</source>
        <translation>Видалено нотаток: %1</translation>
    </message>
</context>
<context>
    <name>NoteCollection</name>
    <message>
        <source>Cannot open the notes folder &quot;%1&quot;.</source>
        <translation>Не вдається відкрити теку нотаток «%1».</translation>
    </message>
    <message>
        <source>The note &quot;%1&quot; cannot be read.</source>
        <translation>Не вдається прочитати нотатку «%1».</translation>
    </message>
</context>
<context>
    <name>NoteDocument</name>
    <message>
        <source>Cannot load the note file &quot;%1&quot;: %2</source>
        <translation>Не вдається завантажити файл нотатки «%1»: %2</translation>
    </message>
</context>
<context>
    <name>NoteEditor</name>
    <message>
        <source>Undo</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вирізати</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копіювати</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставити</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Font Color...</source>
        <translation>Колір тексту...</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Шрифт...</translation>
    </message>
    <message>
        <source>Bullets...</source>
        <translation>Маркери...</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Жирний</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Курсив</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Підкреслений</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>Закреслений</translation>
    </message>
    <message>
        <source>Left Justify</source>
        <translation>За лівим краєм</translation>
    </message>
    <message>
        <source>Right Justify</source>
        <translation>За правим краєм</translation>
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
        <translation>%1% ширини нотатки</translation>
    </message>
    <message>
        <source>Original size</source>
        <translation>Початковий розмір</translation>
    </message>
    <message>
        <source>Tick or untick the check item</source>
        <translation>Позначити пункт або зняти позначку</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторити</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Вибрати все</translation>
    </message>
    <message>
        <source>Open the text menu at the caret (also the Menu key)</source>
        <translation>Відкрити текстове меню біля курсора (також клавішею Menu)</translation>
    </message>
</context>
<context>
    <name>NoteExport</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Не вдається записати «%1»: %2</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Нотатка</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>тека не існує</translation>
    </message>
</context>
<context>
    <name>NoteFile</name>
    <message>
        <source>The header field &quot;%1&quot; is not a hexadecimal number.</source>
        <translation>Поле заголовка «%1» не є шістнадцятковим числом.</translation>
    </message>
    <message>
        <source>The note file has fewer than two lines.</source>
        <translation>У файлі нотатки менше двох рядків.</translation>
    </message>
    <message>
        <source>The header &quot;%1&quot; is too short.</source>
        <translation>Заголовок «%1» закороткий.</translation>
    </message>
    <message>
        <source>Cannot write the note file &quot;%1&quot;: %2</source>
        <translation>Не вдається записати файл нотатки «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot open the note file &quot;%1&quot;: %2</source>
        <translation>Не вдається відкрити файл нотатки «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot read the note file &quot;%1&quot;: %2</source>
        <translation>Не вдається прочитати файл нотатки «%1»: %2</translation>
    </message>
</context>
<context>
    <name>NoteImport</name>
    <message>
        <source>&quot;%1&quot; cannot be imported. %2</source>
        <translation>Не вдається імпортувати «%1». %2</translation>
    </message>
</context>
<context>
    <name>NoteKeyboardMove</name>
    <message>
        <source>Move with the arrow keys; Enter keeps, Escape cancels</source>
        <translation>Переміщуйте стрілками; Enter — застосувати, Escape — скасувати</translation>
    </message>
    <message>
        <source>Size with the arrow keys; Enter keeps, Escape cancels</source>
        <translation>Змінюйте розмір стрілками; Enter — застосувати, Escape — скасувати</translation>
    </message>
</context>
<context>
    <name>NoteKeys</name>
    <message>
        <source>New Note</source>
        <translation>Нова нотатка</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Close at once</source>
        <translation>Закрити одразу</translation>
    </message>
    <message>
        <source>Open the note menu</source>
        <translation>Відкрити меню нотатки</translation>
    </message>
    <message>
        <source>Edit the title</source>
        <translation>Змінити заголовок</translation>
    </message>
    <message>
        <source>Move the note: arrow keys, then Enter or Escape</source>
        <translation>Перемістити нотатку: стрілки, потім Enter або Escape</translation>
    </message>
    <message>
        <source>Size the note: arrow keys, then Enter or Escape</source>
        <translation>Змінити розмір нотатки: стрілки, потім Enter або Escape</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Комбінації клавіш</translation>
    </message>
</context>
<context>
    <name>NoteLimits</name>
    <message>
        <source>Cannot open the note file &quot;%1&quot;: %2</source>
        <translation>Не вдається відкрити файл нотатки «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot read the note file &quot;%1&quot;: %2</source>
        <translation>Не вдається прочитати файл нотатки «%1»: %2</translation>
    </message>
    <message>
        <source>Its text has %1 characters; notes of up to %2 characters open.</source>
        <translation>Кількість символів у її тексті: %1; відкриваються нотатки довжиною до %2 символів.</translation>
    </message>
    <message>
        <source>One of its paragraphs has %1 characters; paragraphs of up to %2 characters open.</source>
        <translation>Кількість символів в одному з її абзаців: %1; відкриваються абзаци довжиною до %2 символів.</translation>
    </message>
    <message>
        <source>Its file has %1 MB besides its pictures; notes of up to %2 MB besides their pictures open.</source>
        <translation>Її файл займає %1 МБ без урахування зображень; відкриваються нотатки до %2 МБ без урахування зображень.</translation>
    </message>
</context>
<context>
    <name>NoteListModel</name>
    <message>
        <source>Color</source>
        <translation>Колір</translation>
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
        <translation>Змінено</translation>
    </message>
</context>
<context>
    <name>NoteListing</name>
    <message>
        <source>there is no note &quot;%1&quot; in %2</source>
        <translation>немає нотатки «%1» у %2</translation>
    </message>
</context>
<context>
    <name>NoteLock</name>
    <message>
        <source>Locked</source>
        <translation>Заблоковано</translation>
    </message>
</context>
<context>
    <name>NoteMenu</name>
    <message>
        <source>New Note</source>
        <translation>Нова нотатка</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Колір</translation>
    </message>
    <message>
        <source>Opacity         </source>
        <translation>Непрозорість         </translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>Send Mail</source>
        <translation>Надіслати поштою</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Are you sure want to delete the note?</source>
        <translation>Справді видалити нотатку?</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Підтвердження видалення</translation>
    </message>
</context>
<context>
    <name>NoteNaming</name>
    <message>
        <source>New Note</source>
        <translation>Нова нотатка</translation>
    </message>
</context>
<context>
    <name>NoteReminders</name>
    <message>
        <source>Reminder</source>
        <translation>Нагадування</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Показати</translation>
    </message>
    <message>
        <source>Snooze 10 minutes</source>
        <translation>Відкласти на 10 хвилин</translation>
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
        <translation>Завжди зверху</translation>
    </message>
    <message>
        <source>On All Workspaces</source>
        <translation>На всіх робочих просторах</translation>
    </message>
    <message>
        <source>Roll Up</source>
        <translation>Згорнути в заголовок</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Заблокувати</translation>
    </message>
</context>
<context>
    <name>NotesFolderSync</name>
    <message>
        <source>The note file &quot;%1&quot; in &quot;%2&quot; cannot be opened: its name is not valid UTF-8. Rename it to open it as a note; until then Paperlet leaves it as it is.</source>
        <translation>Не вдається відкрити файл нотатки «%1» у «%2»: його назва не є коректним UTF-8. Перейменуйте його, щоб відкрити як нотатку; доти Paperlet залишає його без змін.</translation>
    </message>
</context>
<context>
    <name>OversizedNote</name>
    <message>
        <source>This note is too large to open here. %1

The file &quot;%2&quot; is left as it is: Paperlet neither changes nor removes it. Once it is small enough, it opens here.</source>
        <translation>Ця нотатка завелика, щоб відкрити її тут. %1

Файл «%2» залишається без змін: Paperlet не змінює і не вилучає його. Щойно він стане достатньо малим, він відкриється тут.</translation>
    </message>
</context>
<context>
    <name>PortalShortcuts</name>
    <message>
        <source>desktop portal</source>
        <translation>портал стільниці</translation>
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
        <translation>«%1» — не час: вкажіть місцеві дату й час (2026-12-24T18:00), +Nm або +Nh</translation>
    </message>
</context>
<context>
    <name>RescueLog</name>
    <message>
        <source>Cannot add to the list of rescued notes &quot;%1&quot;: %2</source>
        <translation>Не вдається доповнити список врятованих нотаток «%1»: %2</translation>
    </message>
    <message>
        <source>Rescued Notes</source>
        <translation>Врятовані нотатки</translation>
    </message>
    <message>
        <source>Some notes could not be saved in their own files when Paperlet last closed. Their copies were saved here:
</source>
        <translation>Під час останнього закриття Paperlet деякі нотатки не вдалося зберегти у власні файли. Їхні копії збережено тут:
</translation>
    </message>
</context>
<context>
    <name>ScriptCommands</name>
    <message>
        <source>the text is longer than a note takes (%1 characters)</source>
        <translation>текст довший, ніж уміщує нотатка (%1 символів)</translation>
    </message>
    <message>
        <source>the note &quot;%1&quot; cannot be changed</source>
        <translation>нотатку «%1» не можна змінити</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Не вдається створити файл «%1». %2</translation>
    </message>
</context>
<context>
    <name>ShortcutSettings</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Не вдається створити файл «%1». %2</translation>
    </message>
</context>
<context>
    <name>StoredNotes</name>
    <message>
        <source>the stored notes are only read here</source>
        <translation>збережені нотатки тут лише читаються</translation>
    </message>
</context>
<context>
    <name>T</name>
    <message>
        <source>X11 key grab</source>
        <translation>захоплення клавіш X11</translation>
    </message>
    <message>
        <source>no such key on this keyboard</source>
        <translation>на цій клавіатурі немає такої клавіші</translation>
    </message>
</context>
<context>
    <name>TFR_ABOUT</name>
    <message>
        <source>Copyright © 2024 The Paperlet developers</source>
        <translation>© 2024 Розробники Paperlet</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Paperlet</source>
        <translation>Paperlet</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версія %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
</context>
<context>
    <name>TFR_ALL_NOTES</name>
    <message>
        <source>All Notes</source>
        <translation>Усі нотатки</translation>
    </message>
    <message>
        <source>Search notes</source>
        <translation>Пошук у нотатках</translation>
    </message>
    <message>
        <source>S&amp;ort by:</source>
        <translation>&amp;Сортувати за:</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>Остання зміна</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Заголовок</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Колір</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>Сортувати за</translation>
    </message>
    <message>
        <source>&amp;Notes</source>
        <translation>&amp;Нотатки</translation>
    </message>
    <message>
        <source>&amp;Recently Deleted</source>
        <translation>&amp;Нещодавно видалені</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Нотатки</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Показати</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Видалити</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>&amp;Експорт</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Імпорт</translation>
    </message>
    <message>
        <source>&amp;Selected Notes Only</source>
        <translation>&amp;Лише вибрані нотатки</translation>
    </message>
    <message>
        <source>&amp;Plain Text...</source>
        <translation>&amp;Звичайний текст...</translation>
    </message>
    <message>
        <source>&amp;Markdown...</source>
        <translation>У форматі &amp;Markdown...</translation>
    </message>
    <message>
        <source>&amp;HTML...</source>
        <translation>У форматі &amp;HTML...</translation>
    </message>
    <message>
        <source>&amp;Zip Backup of All Notes...</source>
        <translation>&amp;Zip-копія всіх нотаток...</translation>
    </message>
    <message>
        <source>&amp;Files...</source>
        <translation>&amp;Файли...</translation>
    </message>
    <message>
        <source>&amp;Xpad Notes</source>
        <translation>Нотатки &amp;Xpad</translation>
    </message>
    <message>
        <source>Recently deleted notes</source>
        <translation>Нещодавно видалені нотатки</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Видалено</translation>
    </message>
    <message>
        <source>R&amp;estore</source>
        <translation>&amp;Відновити</translation>
    </message>
    <message>
        <source>Export Notes To</source>
        <translation>Експортувати нотатки до</translation>
    </message>
    <message>
        <source>Paperlet notes %1.zip</source>
        <translation>Нотатки Paperlet %1.zip</translation>
    </message>
    <message>
        <source>Zip Backup</source>
        <translation>Zip-копія</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>Zip-архіви (*.zip)</translation>
    </message>
    <message>
        <source>The notes are backed up in %1.</source>
        <translation>Нотатки збережено в %1.</translation>
    </message>
    <message>
        <source>Import Notes</source>
        <translation>Імпорт нотаток</translation>
    </message>
    <message>
        <source>Notes and text (*.pnf *.txt *.md);;All files (*)</source>
        <translation>Нотатки й текст (*.pnf *.txt *.md);;Усі файли (*)</translation>
    </message>
    <message>
        <source>Notes deleted: %1. Ctrl+Z takes them back.</source>
        <translation>Видалено нотаток: %1. Ctrl+Z поверне їх.</translation>
    </message>
    <message>
        <source>Notes restored: %1.</source>
        <translation>Відновлено нотаток: %1.</translation>
    </message>
    <message>
        <source>Notes exported to %1: %2.</source>
        <translation>Експортовано нотаток до %1: %2.</translation>
    </message>
    <message>
        <source>Notes imported: %1.</source>
        <translation>Імпортовано нотаток: %1.</translation>
    </message>
</context>
<context>
    <name>TFR_NOTE</name>
    <message>
        <source>Notes</source>
        <translation>Нотатки</translation>
    </message>
    <message>
        <source>Double click to edit title</source>
        <translation>Двічі клацніть, щоб змінити заголовок</translation>
    </message>
    <message>
        <source>No Name</source>
        <translation>Без назви</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>
The note stays open so that its text is not lost.</source>
        <translation>
Нотатка лишається відкритою, щоб її текст не втратився.</translation>
    </message>
    <message>
        <source>Note text</source>
        <translation>Текст нотатки</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Заголовок</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Змінити розмір</translation>
    </message>
    <message>
        <source>Reminder: %1</source>
        <translation>Нагадування: %1</translation>
    </message>
    <message>
        <source>Reminder: %1 (%2)</source>
        <translation>Нагадування: %1 (%2)</translation>
    </message>
    <message>
        <source>Reminder...</source>
        <translation>Нагадування...</translation>
    </message>
</context>
<context>
    <name>TFR_PLT_MAIN</name>
    <message>
        <source>Paperlet
Double click for new note!</source>
        <translation>Paperlet
Подвійне клацання — нова нотатка!</translation>
    </message>
    <message>
        <source>Paperlet</source>
        <translation>Paperlet</translation>
    </message>
    <message>
        <source>Double click for new note!</source>
        <translation>Подвійне клацання — нова нотатка!</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>Нова нотатка</translation>
    </message>
    <message>
        <source>Show All Notes</source>
        <translation>Показати всі нотатки</translation>
    </message>
    <message>
        <source>Hide All Notes</source>
        <translation>Сховати всі нотатки</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Перевірити оновлення</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вийти</translation>
    </message>
    <message>
        <source>All Notes...</source>
        <translation>Усі нотатки...</translation>
    </message>
</context>
<context>
    <name>TFR_REMINDER</name>
    <message>
        <source>Reminder</source>
        <translation>Нагадування</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Дата:</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Час:</translation>
    </message>
    <message>
        <source>&amp;Repeat:</source>
        <translation>&amp;Повтор:</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Ніколи</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Щодня</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>У робочі дні</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Щотижня</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Щомісяця</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Щороку</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Очистити</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>TFR_SETTINGS</name>
    <message>
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Загальні</translation>
    </message>
    <message>
        <source>Load on startup</source>
        <translation>Запускати під час входу</translation>
    </message>
    <message>
        <source>Check updates automatically</source>
        <translation>Автоперевірка оновлень</translation>
    </message>
    <message>
        <source>Default Note</source>
        <translation>Типова нотатка</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Назва:</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>Нова нотатка</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Date Time</source>
        <translation>Дата й час</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>Непрозор.:</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Колір:</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Шрифт:</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Приклад</translation>
    </message>
    <message>
        <source>Font Color:</source>
        <translation>Текст:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts...</source>
        <translation>&amp;Комбінації клавіш...</translation>
    </message>
</context>
<context>
    <name>TFR_SHORTCUTS</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Комбінації клавіш</translation>
    </message>
    <message>
        <source>Command to bind</source>
        <translation>Команда для призначення</translation>
    </message>
    <message>
        <source>This desktop offers programs no global shortcuts. Bind this command to a key in the desktop&apos;s own keyboard settings instead:</source>
        <translation>Це середовище не надає програмам глобальних комбінацій клавіш. Натомість призначте клавішу для цієї команди у його власних налаштуваннях клавіатури:</translation>
    </message>
    <message>
        <source>These keys work in every program; they are registered through the %1.</source>
        <translation>Ці клавіші працюють у будь-якій програмі; їх зареєстровано через: %1.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Вилучити</translation>
    </message>
    <message>
        <source>Remove the shortcut of %1</source>
        <translation>Вилучити комбінацію для «%1»</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Removed: %1 went to &quot;%2&quot;.</source>
        <translation>Вилучено: %1 тепер у «%2».</translation>
    </message>
</context>
<context>
    <name>ThemeRegistry</name>
    <message>
        <source>Cannot register theme</source>
        <translation>Не вдається зареєструвати тему</translation>
    </message>
    <message>
        <source>Theme %1 is already registered</source>
        <translation>Тему %1 вже зареєстровано</translation>
    </message>
    <message>
        <source>Unknown theme %1</source>
        <translation>Невідома тема %1</translation>
    </message>
</context>
<context>
    <name>UpdateReport</name>
    <message>
        <source>You are already using the most recent version of Paperlet.
Please check in future!</source>
        <translation>Ви вже користуєтеся найновішою версією Paperlet.
Перевірте пізніше!</translation>
    </message>
    <message>
        <source>Your version is:         %1
Current version is:    %2

A newer version is available.
Do you want to download new version?</source>
        <translation>Ваша версія:          %1
Поточна версія:     %2

Доступна новіша версія.
Завантажити нову версію?</translation>
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
        <translation>Гарячі клавіші Windows</translation>
    </message>
</context>
<context>
    <name>ZipWriter</name>
    <message>
        <source>The archive would be too large.</source>
        <translation>Архів був би завеликим.</translation>
    </message>
    <message>
        <source>The archive cannot be written: %1</source>
        <translation>Не вдається записати архів: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Warning</source>
        <translation>Попередження</translation>
    </message>
    <message>
        <source>Paperlet Already Running!</source>
        <translation>Paperlet уже запущено!</translation>
    </message>
    <message>
        <source>no display could be opened (%1)</source>
        <translation>не вдалося відкрити жоден дисплей (%1)</translation>
    </message>
    <message>
        <source>the program could not be started: %1</source>
        <translation>не вдалося запустити програму: %1</translation>
    </message>
</context>
</TS>
