<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>Application</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>حدث خطأ غير متوقع.</translation>
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
        <translation>تعذّر حفظ بيانات «%1»</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>نوع بيانات غير صالح لـ «%1»</translation>
    </message>
</context>
<context>
    <name>ColorNames</name>
    <message>
        <source>Black</source>
        <translation>أسود</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>بني</translation>
    </message>
    <message>
        <source>Olive Green</source>
        <translation>أخضر زيتوني</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>أخضر داكن</translation>
    </message>
    <message>
        <source>Dark Teal</source>
        <translation>أزرق مخضر داكن</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>أزرق داكن</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>نيلي</translation>
    </message>
    <message>
        <source>Gray-80%</source>
        <translation>رمادي 80%</translation>
    </message>
    <message>
        <source>Dark Red</source>
        <translation>أحمر داكن</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>برتقالي</translation>
    </message>
    <message>
        <source>Dark Yellow</source>
        <translation>أصفر داكن</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>أخضر</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>أزرق مخضر</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>Blue-Gray</source>
        <translation>رمادي مزرق</translation>
    </message>
    <message>
        <source>Gray-50%</source>
        <translation>رمادي 50%</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>أحمر</translation>
    </message>
    <message>
        <source>Light Orange</source>
        <translation>برتقالي فاتح</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>أخضر ليموني</translation>
    </message>
    <message>
        <source>Sea Green</source>
        <translation>أخضر بحري</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>مائي</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>أزرق فاتح</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>بنفسجي</translation>
    </message>
    <message>
        <source>Gray-40%</source>
        <translation>رمادي 40%</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>وردي</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>ذهبي</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>أصفر</translation>
    </message>
    <message>
        <source>Bright Green</source>
        <translation>أخضر زاهٍ</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>فيروزي</translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation>أزرق سماوي</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>برقوقي</translation>
    </message>
    <message>
        <source>Gray-25%</source>
        <translation>رمادي 25%</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>وردي فاتح</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>بني فاتح</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>أصفر فاتح</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>أخضر فاتح</translation>
    </message>
    <message>
        <source>Light Turquoise</source>
        <translation>فيروزي فاتح</translation>
    </message>
    <message>
        <source>Pale Blue</source>
        <translation>أزرق باهت</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>خزامي</translation>
    </message>
    <message>
        <source>White</source>
        <translation>أبيض</translation>
    </message>
    <message>
        <source>None</source>
        <translation>بلا لون</translation>
    </message>
    <message>
        <source>Dark Gray</source>
        <translation>رمادي داكن</translation>
    </message>
    <message>
        <source>Light Gray</source>
        <translation>رمادي فاتح</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>show all notes</source>
        <translation>إظهار كل الملاحظات</translation>
    </message>
    <message>
        <source>hide all notes</source>
        <translation>إخفاء كل الملاحظات</translation>
    </message>
    <message>
        <source>open the Settings</source>
        <translation>فتح الإعدادات</translation>
    </message>
    <message>
        <source>open About</source>
        <translation>فتح «حول»</translation>
    </message>
    <message>
        <source>end the running copy, writing every note</source>
        <translation>إنهاء البرنامج العامل مع حفظ كل ملاحظة</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>عرض الإصدار والخروج</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>عرض هذه المساعدة والخروج</translation>
    </message>
    <message>
        <source>only one option at a time; &apos;%1&apos; is one too many</source>
        <translation>خيار واحد فقط في كل مرة؛ «%1» زائد</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>خيار غير معروف «%1»</translation>
    </message>
    <message>
        <source>Usage: %1 [OPTION]
Sticky notes in the tray. With a copy running, an option is carried out by it.

</source>
        <translation>الاستخدام: %1 [خيار]
ملاحظات لاصقة في منطقة الإشعارات. إذا كان البرنامج يعمل فهو الذي ينفّذ الخيار.

</translation>
    </message>
    <message>
        <source>
Global shortcuts, where the desktop offers them: Ctrl+Alt+Shift+N makes a new note,
Ctrl+Alt+Shift+H shows or hides all notes.
</source>
        <translation>
الاختصارات العامة، إن وفّرها سطح المكتب: Ctrl+Alt+Shift+N ينشئ ملاحظة جديدة،
و Ctrl+Alt+Shift+H يُظهر كل الملاحظات أو يخفيها.
</translation>
    </message>
    <message>
        <source>open the All Notes window</source>
        <translation>فتح نافذة كل الملاحظات</translation>
    </message>
    <message>
        <source>make a new note, holding TEXT if given (&quot;-&quot;: standard input);
print its file name</source>
        <translation>إنشاء ملاحظة جديدة، تحوي TEXT إن أُعطي («-»: الدخل القياسي)؛
وطباعة اسم ملفها</translation>
    </message>
    <message>
        <source>print FILE&lt;tab&gt;TITLE for every note, the last changed first</source>
        <translation>طباعة FILE&lt;tab&gt;TITLE لكل ملاحظة، الأحدث تغييرًا أولًا</translation>
    </message>
    <message>
        <source>the same for the notes that hold every word in their title or
text, whatever the case and accents</source>
        <translation>الشيء نفسه للملاحظات التي يحوي عنوانها أو نصها كل كلمة،
بغض النظر عن حالة الأحرف والتشكيل</translation>
    </message>
    <message>
        <source>show the note, brought to the front and onto the screen</source>
        <translation>إظهار الملاحظة في المقدمة وعلى الشاشة</translation>
    </message>
    <message>
        <source>print the note&apos;s title, an empty line and its text</source>
        <translation>طباعة عنوان الملاحظة وسطر فارغ ثم نصها</translation>
    </message>
    <message>
        <source>remind of the note at WHEN: a local date and time
(2026-12-24T18:00), or +Nm or +Nh from now; &quot;off&quot; clears it.
After --new-note TEXT, WHEN alone reminds of the new note</source>
        <translation>التذكير بالملاحظة في WHEN: تاريخ ووقت محليان
(2026-12-24T18:00)، أو +Nm أو +Nh من الآن؛ «off» يلغيه.
بعد --new-note TEXT يذكّر WHEN وحده بالملاحظة الجديدة</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the words to look for</source>
        <translation>«%1» يحتاج إلى الكلمات المطلوب البحث عنها</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a note&apos;s file name (as --list prints it)</source>
        <translation>«%1» يحتاج إلى اسم ملف ملاحظة (كما يطبعه --list)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs WHEN</source>
        <translation>«%1» يحتاج إلى WHEN</translation>
    </message>
    <message>
        <source>
FILE is a note&apos;s file name in the notes folder, as --list prints it. A missing
note ends with status 1, a wrong command line with 2. With no copy running, the
commands --list, --find and --text read the notes folder themselves, while the
commands --show, --remind and --new-note with TEXT start a copy that runs on.
</source>
        <translation>
FILE هو اسم ملف ملاحظة في مجلد الملاحظات كما يطبعه --list. الملاحظة غير الموجودة
تنتهي بالحالة 1، وسطر الأوامر الخاطئ بالحالة 2. إن لم تكن هناك نسخة تعمل، تقرأ
الأوامر --list و--find و--text مجلد الملاحظات بنفسها، بينما تبدأ الأوامر --show
و--remind و--new-note مع TEXT نسخة تستمر في العمل.
</translation>
    </message>
</context>
<context>
    <name>CommandSender</name>
    <message>
        <source>commands to the running copy are not supported on this system</source>
        <translation>إرسال الأوامر إلى البرنامج العامل غير مدعوم على هذا النظام</translation>
    </message>
    <message>
        <source>no D-Bus session bus to reach the running copy (%1)</source>
        <translation>لا يوجد ناقل جلسة D-Bus للوصول إلى البرنامج العامل (%1)</translation>
    </message>
    <message>
        <source>the running copy does not answer on the D-Bus session bus</source>
        <translation>البرنامج العامل لا يستجيب على ناقل جلسة D-Bus</translation>
    </message>
    <message>
        <source>the running copy did not take the command: %1</source>
        <translation>لم يقبل البرنامج العامل الأمر: %1</translation>
    </message>
    <message>
        <source>the command failed in the running copy</source>
        <translation>فشل الأمر في النسخة العاملة</translation>
    </message>
</context>
<context>
    <name>DeleteUndo</name>
    <message>
        <source>Note deleted</source>
        <translation>تم حذف الملاحظة</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>لا شيء للتراجع عنه</translation>
    </message>
    <message>
        <source>The note &quot;%1&quot; is no longer in the trash.</source>
        <translation>الملاحظة &quot;%1&quot; لم تعد في سلة المهملات.</translation>
    </message>
</context>
<context>
    <name>DeletedNotes</name>
    <message>
        <source>The note &quot;%1&quot; cannot be taken back from the trash.</source>
        <translation>لا يمكن استعادة الملاحظة &quot;%1&quot; من سلة المهملات.</translation>
    </message>
</context>
<context>
    <name>FontChooser</name>
    <message>
        <source>Size must be between 1 and %1.</source>
        <translation>يجب أن يكون الحجم بين 1 و%1.</translation>
    </message>
</context>
<context>
    <name>GlobalShortcutActions</name>
    <message>
        <source>The global shortcut %1 for &quot;%2&quot; is held by %3 (%4).</source>
        <translation>الاختصار العام %1 لـ «%2» محجوز لدى %3 (%4).</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>برنامج آخر</translation>
    </message>
    <message>
        <source>The %1 gave no global shortcuts; asking the next way.</source>
        <translation>%1: لم يُوفَّر أي اختصار عام؛ تجري تجربة الطريقة التالية.</translation>
    </message>
    <message>
        <source>This desktop offers no global shortcuts; bind &quot;%1&quot; in its keyboard settings.</source>
        <translation>لا يوفر سطح المكتب هذا اختصارات عامة؛ اربط &quot;%1&quot; في إعدادات لوحة المفاتيح الخاصة به.</translation>
    </message>
    <message>
        <source>%1 is held by %2.</source>
        <translation>%1 يحجزه %2.</translation>
    </message>
</context>
<context>
    <name>GlobalShortcuts</name>
    <message>
        <source>New Note</source>
        <translation>ملاحظة جديدة</translation>
    </message>
    <message>
        <source>New Note from Clipboard</source>
        <translation>ملاحظة جديدة من الحافظة</translation>
    </message>
    <message>
        <source>Show/Hide All Notes</source>
        <translation>إظهار/إخفاء كل الملاحظات</translation>
    </message>
    <message>
        <source>All Notes</source>
        <translation>كل الملاحظات</translation>
    </message>
</context>
<context>
    <name>KdeShortcuts</name>
    <message>
        <source>KDE global shortcuts</source>
        <translation>اختصارات KDE العامة</translation>
    </message>
</context>
<context>
    <name>NoteAnnouncer</name>
    <message>
        <source>Note opened: %1</source>
        <translation>فُتحت ملاحظة: %1</translation>
    </message>
    <message>
        <source>Notes opened: %1</source>
        <translation>عدد الملاحظات المفتوحة: %1</translation>
    </message>
    <message>
        <source>Note closed: %1</source>
        <translation>أُغلقت ملاحظة: %1</translation>
    </message>
    <message>
        <source>Notes closed: %1</source>
        <translation>عدد الملاحظات المغلقة: %1</translation>
    </message>
    <message>
        <source>Note deleted: %1</source>
        <translation>حُذفت ملاحظة: %1</translation>
    </message>
    <message>
        <source>Notes deleted: %1</source>
        <translation>عدد الملاحظات المحذوفة: %1</translation>
    </message>
</context>
<context>
    <name>NoteCollection</name>
    <message>
        <source>Cannot open the notes folder &quot;%1&quot;.</source>
        <translation>تعذّر فتح مجلد الملاحظات «%1».</translation>
    </message>
    <message>
        <source>The note &quot;%1&quot; cannot be read.</source>
        <translation>لا يمكن قراءة الملاحظة &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>NoteDocument</name>
    <message>
        <source>Cannot load the note file &quot;%1&quot;: %2</source>
        <translation>تعذّر تحميل ملف الملاحظة «%1»: %2</translation>
    </message>
</context>
<context>
    <name>NoteEditor</name>
    <message>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>قص</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Font Color...</source>
        <translation>لون الخط...</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>الخط...</translation>
    </message>
    <message>
        <source>Bullets...</source>
        <translation>تعداد نقطي...</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>عريض</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>مائل</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>تسطير</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>يتوسطه خط</translation>
    </message>
    <message>
        <source>Left Justify</source>
        <translation>محاذاة لليسار</translation>
    </message>
    <message>
        <source>Right Justify</source>
        <translation>محاذاة لليمين</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>توسيط</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>قائمة تحقق</translation>
    </message>
    <message>
        <source>%1% of the note&apos;s width</source>
        <translation>%1% من عرض الملاحظة</translation>
    </message>
    <message>
        <source>Original size</source>
        <translation>الحجم الأصلي</translation>
    </message>
    <message>
        <source>Tick or untick the check item</source>
        <translation>تأشير عنصر القائمة أو إلغاء تأشيره</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>تحديد الكل</translation>
    </message>
    <message>
        <source>Open the text menu at the caret (also the Menu key)</source>
        <translation>فتح قائمة النص عند المؤشر (أو بمفتاح Menu)</translation>
    </message>
</context>
<context>
    <name>NoteExport</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>لا يمكن كتابة &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>ملاحظة</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>المجلد غير موجود</translation>
    </message>
</context>
<context>
    <name>NoteFile</name>
    <message>
        <source>The header field &quot;%1&quot; is not a hexadecimal number.</source>
        <translation>حقل الترويسة «%1» ليس عددًا ست عشريًا.</translation>
    </message>
    <message>
        <source>The note file has fewer than two lines.</source>
        <translation>ملف الملاحظة أقل من سطرين.</translation>
    </message>
    <message>
        <source>The header &quot;%1&quot; is too short.</source>
        <translation>الترويسة «%1» قصيرة جدًا.</translation>
    </message>
    <message>
        <source>Cannot write the note file &quot;%1&quot;: %2</source>
        <translation>تعذّرت كتابة ملف الملاحظة «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot open the note file &quot;%1&quot;: %2</source>
        <translation>تعذّر فتح ملف الملاحظة «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot read the note file &quot;%1&quot;: %2</source>
        <translation>تعذّرت قراءة ملف الملاحظة «%1»: %2</translation>
    </message>
</context>
<context>
    <name>NoteImport</name>
    <message>
        <source>&quot;%1&quot; cannot be imported. %2</source>
        <translation>لا يمكن استيراد «%1». %2</translation>
    </message>
</context>
<context>
    <name>NoteKeyboardMove</name>
    <message>
        <source>Move with the arrow keys; Enter keeps, Escape cancels</source>
        <translation>حرّك بمفاتيح الأسهم؛ Enter للإبقاء، Escape للإلغاء</translation>
    </message>
    <message>
        <source>Size with the arrow keys; Enter keeps, Escape cancels</source>
        <translation>غيّر الحجم بمفاتيح الأسهم؛ Enter للإبقاء، Escape للإلغاء</translation>
    </message>
</context>
<context>
    <name>NoteKeys</name>
    <message>
        <source>New Note</source>
        <translation>ملاحظة جديدة</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Close at once</source>
        <translation>إغلاق فوري</translation>
    </message>
    <message>
        <source>Open the note menu</source>
        <translation>فتح قائمة الملاحظة</translation>
    </message>
    <message>
        <source>Edit the title</source>
        <translation>تحرير العنوان</translation>
    </message>
    <message>
        <source>Move the note: arrow keys, then Enter or Escape</source>
        <translation>نقل الملاحظة: مفاتيح الأسهم، ثم Enter أو Escape</translation>
    </message>
    <message>
        <source>Size the note: arrow keys, then Enter or Escape</source>
        <translation>تغيير حجم الملاحظة: مفاتيح الأسهم، ثم Enter أو Escape</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>اختصارات لوحة المفاتيح</translation>
    </message>
</context>
<context>
    <name>NoteLimits</name>
    <message>
        <source>Cannot open the note file &quot;%1&quot;: %2</source>
        <translation>تعذّر فتح ملف الملاحظة «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot read the note file &quot;%1&quot;: %2</source>
        <translation>تعذّرت قراءة ملف الملاحظة «%1»: %2</translation>
    </message>
    <message>
        <source>Its text has %1 characters; notes of up to %2 characters open.</source>
        <translation>عدد أحرف نصها %1؛ تُفتح الملاحظات التي لا تتجاوز %2 حرفًا.</translation>
    </message>
    <message>
        <source>One of its paragraphs has %1 characters; paragraphs of up to %2 characters open.</source>
        <translation>عدد أحرف إحدى فقراتها %1؛ تُفتح الفقرات التي لا تتجاوز %2 حرفًا.</translation>
    </message>
    <message>
        <source>Its file has %1 MB besides its pictures; notes of up to %2 MB besides their pictures open.</source>
        <translation>يحتوي ملفها على %1 ميغابايت عدا صورها؛ تُفتح الملاحظات التي لا يتجاوز ملفها %2 ميغابايت عدا صورها.</translation>
    </message>
</context>
<context>
    <name>NoteListModel</name>
    <message>
        <source>Color</source>
        <translation>اللون</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>النص</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>تاريخ التغيير</translation>
    </message>
</context>
<context>
    <name>NoteListing</name>
    <message>
        <source>there is no note &quot;%1&quot; in %2</source>
        <translation>لا توجد ملاحظة «%1» في %2</translation>
    </message>
</context>
<context>
    <name>NoteLock</name>
    <message>
        <source>Locked</source>
        <translation>مقفلة</translation>
    </message>
</context>
<context>
    <name>NoteMenu</name>
    <message>
        <source>New Note</source>
        <translation>ملاحظة جديدة</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>اللون</translation>
    </message>
    <message>
        <source>Opacity         </source>
        <translation>العتامة         </translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Send Mail</source>
        <translation>إرسال بالبريد</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Are you sure want to delete the note?</source>
        <translation>هل تريد حقًا حذف الملاحظة؟</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>تأكيد الحذف</translation>
    </message>
</context>
<context>
    <name>NoteNaming</name>
    <message>
        <source>New Note</source>
        <translation>ملاحظة جديدة</translation>
    </message>
</context>
<context>
    <name>NoteReminders</name>
    <message>
        <source>Reminder</source>
        <translation>تذكير</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>إظهار</translation>
    </message>
    <message>
        <source>Snooze 10 minutes</source>
        <translation>تأجيل 10 دقائق</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>تم</translation>
    </message>
</context>
<context>
    <name>NoteStateControl</name>
    <message>
        <source>Always on Top</source>
        <translation>دائمًا في المقدمة</translation>
    </message>
    <message>
        <source>On All Workspaces</source>
        <translation>على كل مساحات العمل</translation>
    </message>
    <message>
        <source>Roll Up</source>
        <translation>طيّ</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>قفل</translation>
    </message>
</context>
<context>
    <name>NotesFolderSync</name>
    <message>
        <source>The note file &quot;%1&quot; in &quot;%2&quot; cannot be opened: its name is not valid UTF-8. Rename it to open it as a note; until then Paperlet leaves it as it is.</source>
        <translation>تعذّر فتح ملف الملاحظة «%1» في «%2»: اسمه ليس UTF-8 صالحًا. أعد تسميته لفتحه كملاحظة؛ وحتى ذلك الحين يتركه Paperlet كما هو.</translation>
    </message>
</context>
<context>
    <name>OversizedNote</name>
    <message>
        <source>This note is too large to open here. %1

The file &quot;%2&quot; is left as it is: Paperlet neither changes nor removes it. Once it is small enough, it opens here.</source>
        <translation>هذه الملاحظة أكبر من أن تُفتح هنا. %1

يبقى الملف «%2» كما هو: لا يغيّره Paperlet ولا يزيله. وحين يصبح صغيرًا بما يكفي، سيُفتح هنا.</translation>
    </message>
</context>
<context>
    <name>PortalShortcuts</name>
    <message>
        <source>desktop portal</source>
        <translation>بوابة سطح المكتب</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>ReminderWhen</name>
    <message>
        <source>&apos;%1&apos; is not a time: give a local date and time (2026-12-24T18:00), +Nm or +Nh</source>
        <translation>«%1» ليس وقتًا: أعطِ تاريخًا ووقتًا محليين (2026-12-24T18:00) أو +Nm أو +Nh</translation>
    </message>
</context>
<context>
    <name>RescueLog</name>
    <message>
        <source>Cannot add to the list of rescued notes &quot;%1&quot;: %2</source>
        <translation>تعذّرت الإضافة إلى قائمة الملاحظات المنقذة «%1»: %2</translation>
    </message>
    <message>
        <source>Rescued Notes</source>
        <translation>الملاحظات المنقذة</translation>
    </message>
    <message>
        <source>Some notes could not be saved in their own files when Paperlet last closed. Their copies were saved here:
</source>
        <translation>عند آخر إغلاق لـ Paperlet تعذّر حفظ بعض الملاحظات في ملفاتها. حُفظت نسخ منها هنا:
</translation>
    </message>
</context>
<context>
    <name>ScriptCommands</name>
    <message>
        <source>the text is longer than a note takes (%1 characters)</source>
        <translation>النص أطول مما تتسع له الملاحظة (%1 حرفًا)</translation>
    </message>
    <message>
        <source>the note &quot;%1&quot; cannot be changed</source>
        <translation>لا يمكن تغيير الملاحظة «%1»</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>تعذّر إنشاء الملف «%1». %2</translation>
    </message>
</context>
<context>
    <name>ShortcutSettings</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>تعذر إنشاء الملف &quot;%1&quot;. %2</translation>
    </message>
</context>
<context>
    <name>StoredNotes</name>
    <message>
        <source>the stored notes are only read here</source>
        <translation>الملاحظات المحفوظة تُقرأ هنا فقط</translation>
    </message>
</context>
<context>
    <name>T</name>
    <message>
        <source>X11 key grab</source>
        <translation>التقاط مفاتيح X11</translation>
    </message>
    <message>
        <source>no such key on this keyboard</source>
        <translation>لا يوجد مفتاح كهذا على لوحة المفاتيح هذه</translation>
    </message>
</context>
<context>
    <name>TFR_ABOUT</name>
    <message>
        <source>Copyright © 2024 The Paperlet developers</source>
        <translation>حقوق النشر © 2024 مطورو Paperlet</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Paperlet</source>
        <translation>Paperlet</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>الإصدار %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>TFR_ALL_NOTES</name>
    <message>
        <source>All Notes</source>
        <translation>كل الملاحظات</translation>
    </message>
    <message>
        <source>Search notes</source>
        <translation>البحث في الملاحظات</translation>
    </message>
    <message>
        <source>S&amp;ort by:</source>
        <translation>ال&amp;ترتيب حسب:</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>آخر تغيير</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>اللون</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>الترتيب حسب</translation>
    </message>
    <message>
        <source>&amp;Notes</source>
        <translation>ال&amp;ملاحظات</translation>
    </message>
    <message>
        <source>&amp;Recently Deleted</source>
        <translation>المحذوفة &amp;مؤخرًا</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>الملاحظات</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>إ&amp;ظهار</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;حذف</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>ت&amp;صدير</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>ا&amp;ستيراد</translation>
    </message>
    <message>
        <source>&amp;Selected Notes Only</source>
        <translation>الملاحظات المحددة &amp;فقط</translation>
    </message>
    <message>
        <source>&amp;Plain Text...</source>
        <translation>نص &amp;عادي...</translation>
    </message>
    <message>
        <source>&amp;Markdown...</source>
        <translation>بتنسيق &amp;Markdown...</translation>
    </message>
    <message>
        <source>&amp;HTML...</source>
        <translation>بتنسيق &amp;HTML...</translation>
    </message>
    <message>
        <source>&amp;Zip Backup of All Notes...</source>
        <translation>نسخة &amp;Zip احتياطية من كل الملاحظات...</translation>
    </message>
    <message>
        <source>&amp;Files...</source>
        <translation>&amp;ملفات...</translation>
    </message>
    <message>
        <source>&amp;Xpad Notes</source>
        <translation>ملاحظات &amp;Xpad</translation>
    </message>
    <message>
        <source>Recently deleted notes</source>
        <translation>الملاحظات المحذوفة مؤخرًا</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>تاريخ الحذف</translation>
    </message>
    <message>
        <source>R&amp;estore</source>
        <translation>ا&amp;ستعادة</translation>
    </message>
    <message>
        <source>Export Notes To</source>
        <translation>تصدير الملاحظات إلى</translation>
    </message>
    <message>
        <source>Paperlet notes %1.zip</source>
        <translation>ملاحظات Paperlet %1.zip</translation>
    </message>
    <message>
        <source>Zip Backup</source>
        <translation>نسخة Zip احتياطية</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>أرشيفات Zip (*.zip)</translation>
    </message>
    <message>
        <source>The notes are backed up in %1.</source>
        <translation>نُسخت الملاحظات احتياطيًا في %1.</translation>
    </message>
    <message>
        <source>Import Notes</source>
        <translation>استيراد الملاحظات</translation>
    </message>
    <message>
        <source>Notes and text (*.pnf *.txt *.md);;All files (*)</source>
        <translation>الملاحظات والنصوص (*.pnf *.txt *.md);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>Notes deleted: %1. Ctrl+Z takes them back.</source>
        <translation>الملاحظات المحذوفة: %1. يعيدها Ctrl+Z.</translation>
    </message>
    <message>
        <source>Notes restored: %1.</source>
        <translation>الملاحظات المستعادة: %1.</translation>
    </message>
    <message>
        <source>Notes exported to %1: %2.</source>
        <translation>الملاحظات المصدّرة إلى %1: %2.</translation>
    </message>
    <message>
        <source>Notes imported: %1.</source>
        <translation>الملاحظات المستوردة: %1.</translation>
    </message>
</context>
<context>
    <name>TFR_NOTE</name>
    <message>
        <source>Notes</source>
        <translation>الملاحظات</translation>
    </message>
    <message>
        <source>Double click to edit title</source>
        <translation>انقر مرتين لتحرير العنوان</translation>
    </message>
    <message>
        <source>No Name</source>
        <translation>بلا اسم</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>القائمة</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>
The note stays open so that its text is not lost.</source>
        <translation>
تبقى الملاحظة مفتوحة كي لا يضيع نصها.</translation>
    </message>
    <message>
        <source>Note text</source>
        <translation>نص الملاحظة</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>تغيير الحجم</translation>
    </message>
    <message>
        <source>Reminder: %1</source>
        <translation>تذكير: %1</translation>
    </message>
    <message>
        <source>Reminder: %1 (%2)</source>
        <translation>تذكير: %1 (%2)</translation>
    </message>
    <message>
        <source>Reminder...</source>
        <translation>تذكير...</translation>
    </message>
</context>
<context>
    <name>TFR_PLT_MAIN</name>
    <message>
        <source>Paperlet
Double click for new note!</source>
        <translation>Paperlet
انقر مرتين لملاحظة جديدة!</translation>
    </message>
    <message>
        <source>Paperlet</source>
        <translation>Paperlet</translation>
    </message>
    <message>
        <source>Double click for new note!</source>
        <translation>انقر مرتين لملاحظة جديدة!</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>ملاحظة جديدة</translation>
    </message>
    <message>
        <source>Show All Notes</source>
        <translation>إظهار كل الملاحظات</translation>
    </message>
    <message>
        <source>Hide All Notes</source>
        <translation>إخفاء كل الملاحظات</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>التحقق من التحديثات</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>All Notes...</source>
        <translation>كل الملاحظات...</translation>
    </message>
</context>
<context>
    <name>TFR_REMINDER</name>
    <message>
        <source>Reminder</source>
        <translation>تذكير</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>ال&amp;تاريخ:</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>ال&amp;وقت:</translation>
    </message>
    <message>
        <source>&amp;Repeat:</source>
        <translation>الت&amp;كرار:</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>أبدًا</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>يوميًا</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>أيام العمل</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>أسبوعيًا</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>شهريًا</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>سنويًا</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>م&amp;سح</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>TFR_SETTINGS</name>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>Load on startup</source>
        <translation>التشغيل عند الدخول</translation>
    </message>
    <message>
        <source>Check updates automatically</source>
        <translation>التحقق من التحديثات تلقائيًا</translation>
    </message>
    <message>
        <source>Default Note</source>
        <translation>الملاحظة الافتراضية</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>العنوان:</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>ملاحظة جديدة</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Date Time</source>
        <translation>التاريخ والوقت</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>الوقت</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>العتامة:</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>اللون:</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>الخط:</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>مثال</translation>
    </message>
    <message>
        <source>Font Color:</source>
        <translation>لون الخط:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts...</source>
        <translation>&amp;اختصارات لوحة المفاتيح...</translation>
    </message>
</context>
<context>
    <name>TFR_SHORTCUTS</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>اختصارات لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Command to bind</source>
        <translation>الأمر المراد ربطه</translation>
    </message>
    <message>
        <source>This desktop offers programs no global shortcuts. Bind this command to a key in the desktop&apos;s own keyboard settings instead:</source>
        <translation>لا يوفر سطح المكتب هذا للبرامج اختصارات عامة. اربط هذا الأمر بمفتاح في إعدادات لوحة المفاتيح الخاصة بسطح المكتب بدلاً من ذلك:</translation>
    </message>
    <message>
        <source>These keys work in every program; they are registered through the %1.</source>
        <translation>تعمل هذه المفاتيح في كل برنامج؛ وهي مسجلة عبر %1.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>إزالة</translation>
    </message>
    <message>
        <source>Remove the shortcut of %1</source>
        <translation>إزالة اختصار %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Removed: %1 went to &quot;%2&quot;.</source>
        <translation>أزيل: انتقل %1 إلى &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>ThemeRegistry</name>
    <message>
        <source>Cannot register theme</source>
        <translation>تعذّر تسجيل السمة</translation>
    </message>
    <message>
        <source>Theme %1 is already registered</source>
        <translation>السمة %1 مسجلة من قبل</translation>
    </message>
    <message>
        <source>Unknown theme %1</source>
        <translation>سمة غير معروفة %1</translation>
    </message>
</context>
<context>
    <name>UpdateReport</name>
    <message>
        <source>You are already using the most recent version of Paperlet.
Please check in future!</source>
        <translation>أنت تستخدم أحدث إصدار من Paperlet.
تحقق مرة أخرى لاحقًا!</translation>
    </message>
    <message>
        <source>Your version is:         %1
Current version is:    %2

A newer version is available.
Do you want to download new version?</source>
        <translation>إصدارك:          %1
الإصدار الحالي:    %2

يتوفر إصدار أحدث.
هل تريد تنزيل الإصدار الجديد؟</translation>
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
        <translation>مفاتيح Windows السريعة</translation>
    </message>
</context>
<context>
    <name>ZipWriter</name>
    <message>
        <source>The archive would be too large.</source>
        <translation>سيكون الأرشيف كبيرًا جدًا.</translation>
    </message>
    <message>
        <source>The archive cannot be written: %1</source>
        <translation>لا يمكن كتابة الأرشيف: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Warning</source>
        <translation>تحذير</translation>
    </message>
    <message>
        <source>Paperlet Already Running!</source>
        <translation>Paperlet يعمل بالفعل!</translation>
    </message>
    <message>
        <source>no display could be opened (%1)</source>
        <translation>تعذّر فتح أي شاشة (%1)</translation>
    </message>
    <message>
        <source>the program could not be started: %1</source>
        <translation>تعذّر تشغيل البرنامج: %1</translation>
    </message>
</context>
</TS>
