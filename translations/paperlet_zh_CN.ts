<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>Application</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>发生了意外错误。</translation>
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
        <translation>无法为“%1”写入数据</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>“%1”的数据类型无效</translation>
    </message>
</context>
<context>
    <name>ColorNames</name>
    <message>
        <source>Black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>褐色</translation>
    </message>
    <message>
        <source>Olive Green</source>
        <translation>橄榄绿</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>深绿</translation>
    </message>
    <message>
        <source>Dark Teal</source>
        <translation>深青色</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>深蓝</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>靛蓝</translation>
    </message>
    <message>
        <source>Gray-80%</source>
        <translation>灰色-80%</translation>
    </message>
    <message>
        <source>Dark Red</source>
        <translation>深红</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>橙色</translation>
    </message>
    <message>
        <source>Dark Yellow</source>
        <translation>深黄</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>青色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>Blue-Gray</source>
        <translation>蓝灰</translation>
    </message>
    <message>
        <source>Gray-50%</source>
        <translation>灰色-50%</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>Light Orange</source>
        <translation>浅橙色</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>酸橙色</translation>
    </message>
    <message>
        <source>Sea Green</source>
        <translation>海绿</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>水绿色</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>浅蓝</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>紫罗兰</translation>
    </message>
    <message>
        <source>Gray-40%</source>
        <translation>灰色-40%</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>粉红</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>金色</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>Bright Green</source>
        <translation>鲜绿</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>青绿</translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation>天蓝</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>梅红</translation>
    </message>
    <message>
        <source>Gray-25%</source>
        <translation>灰色-25%</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>玫瑰红</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>茶色</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>浅黄</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>浅绿</translation>
    </message>
    <message>
        <source>Light Turquoise</source>
        <translation>浅青绿</translation>
    </message>
    <message>
        <source>Pale Blue</source>
        <translation>淡蓝</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>淡紫</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白色</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Dark Gray</source>
        <translation>深灰</translation>
    </message>
    <message>
        <source>Light Gray</source>
        <translation>浅灰</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>show all notes</source>
        <translation>显示所有便笺</translation>
    </message>
    <message>
        <source>hide all notes</source>
        <translation>隐藏所有便笺</translation>
    </message>
    <message>
        <source>open the Settings</source>
        <translation>打开设置</translation>
    </message>
    <message>
        <source>open About</source>
        <translation>打开“关于”</translation>
    </message>
    <message>
        <source>end the running copy, writing every note</source>
        <translation>结束正在运行的程序并保存每个便笺</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>显示版本并退出</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>显示此帮助并退出</translation>
    </message>
    <message>
        <source>only one option at a time; &apos;%1&apos; is one too many</source>
        <translation>一次只能使用一个选项；“%1”是多余的</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>未知选项“%1”</translation>
    </message>
    <message>
        <source>Usage: %1 [OPTION]
Sticky notes in the tray. With a copy running, an option is carried out by it.

</source>
        <translation>用法：%1 [选项]
托盘中的便笺。若程序已在运行，由它执行该选项。

</translation>
    </message>
    <message>
        <source>
Global shortcuts, where the desktop offers them: Ctrl+Alt+Shift+N makes a new note,
Ctrl+Alt+Shift+H shows or hides all notes.
</source>
        <translation>
全局快捷键（如果桌面环境提供）：Ctrl+Alt+Shift+N 新建便笺，
Ctrl+Alt+Shift+H 显示或隐藏所有便笺。
</translation>
    </message>
    <message>
        <source>open the All Notes window</source>
        <translation>打开“所有便笺”窗口</translation>
    </message>
    <message>
        <source>make a new note, holding TEXT if given (&quot;-&quot;: standard input);
print its file name</source>
        <translation>新建便笺，若给出 TEXT 则包含它（“-”：标准输入）；
输出其文件名</translation>
    </message>
    <message>
        <source>print FILE&lt;tab&gt;TITLE for every note, the last changed first</source>
        <translation>为每个便笺输出 FILE&lt;tab&gt;TITLE，最近更改的在前</translation>
    </message>
    <message>
        <source>the same for the notes that hold every word in their title or
text, whatever the case and accents</source>
        <translation>对标题或正文包含每个词的便笺输出同样内容，
不区分大小写和重音</translation>
    </message>
    <message>
        <source>show the note, brought to the front and onto the screen</source>
        <translation>显示该便笺：置于最前并移到屏幕上</translation>
    </message>
    <message>
        <source>print the note&apos;s title, an empty line and its text</source>
        <translation>输出便笺的标题、一个空行和正文</translation>
    </message>
    <message>
        <source>remind of the note at WHEN: a local date and time
(2026-12-24T18:00), or +Nm or +Nh from now; &quot;off&quot; clears it.
After --new-note TEXT, WHEN alone reminds of the new note</source>
        <translation>在 WHEN 提醒该便笺：本地日期和时间
（2026-12-24T18:00），或从现在起 +Nm 或 +Nh；“off”清除提醒。
在 --new-note TEXT 之后，单独的 WHEN 提醒新便笺</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the words to look for</source>
        <translation>“%1”需要要查找的词</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a note&apos;s file name (as --list prints it)</source>
        <translation>“%1”需要便笺的文件名（即 --list 输出的名称）</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs WHEN</source>
        <translation>“%1”需要 WHEN</translation>
    </message>
    <message>
        <source>
FILE is a note&apos;s file name in the notes folder, as --list prints it. A missing
note ends with status 1, a wrong command line with 2. With no copy running, the
commands --list, --find and --text read the notes folder themselves, while the
commands --show, --remind and --new-note with TEXT start a copy that runs on.
</source>
        <translation>
FILE 是便笺文件夹中便笺的文件名，即 --list 输出的名称。找不到便笺时退出状态为 1，
命令行错误时为 2。没有运行中的副本时，命令 --list、--find 和 --text 自行读取便笺
文件夹，而命令 --show、--remind 和带 TEXT 的 --new-note 会启动一个持续运行的副本。
</translation>
    </message>
</context>
<context>
    <name>CommandSender</name>
    <message>
        <source>commands to the running copy are not supported on this system</source>
        <translation>此系统不支持向正在运行的程序发送命令</translation>
    </message>
    <message>
        <source>no D-Bus session bus to reach the running copy (%1)</source>
        <translation>没有可用于联系正在运行的程序的 D-Bus 会话总线（%1）</translation>
    </message>
    <message>
        <source>the running copy does not answer on the D-Bus session bus</source>
        <translation>正在运行的程序在 D-Bus 会话总线上没有响应</translation>
    </message>
    <message>
        <source>the running copy did not take the command: %1</source>
        <translation>正在运行的程序未接受命令：%1</translation>
    </message>
    <message>
        <source>the command failed in the running copy</source>
        <translation>命令在运行中的副本里失败了</translation>
    </message>
</context>
<context>
    <name>DeleteUndo</name>
    <message>
        <source>Note deleted</source>
        <translation>便笺已删除</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>没有可撤销的操作</translation>
    </message>
    <message>
        <source>The note &quot;%1&quot; is no longer in the trash.</source>
        <translation>便笺“%1”已不在回收站中。</translation>
    </message>
</context>
<context>
    <name>DeletedNotes</name>
    <message>
        <source>The note &quot;%1&quot; cannot be taken back from the trash.</source>
        <translation>无法从回收站取回便笺“%1”。</translation>
    </message>
</context>
<context>
    <name>FontChooser</name>
    <message>
        <source>Size must be between 1 and %1.</source>
        <translation>字号必须在 1 到 %1 之间。</translation>
    </message>
</context>
<context>
    <name>GlobalShortcutActions</name>
    <message>
        <source>The global shortcut %1 for &quot;%2&quot; is held by %3 (%4).</source>
        <translation>用于“%2”的全局快捷键 %1 已被 %3 占用（%4）。</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>其他程序</translation>
    </message>
    <message>
        <source>The %1 gave no global shortcuts; asking the next way.</source>
        <translation>%1 未提供全局快捷键；正在尝试下一种方式。</translation>
    </message>
    <message>
        <source>This desktop offers no global shortcuts; bind &quot;%1&quot; in its keyboard settings.</source>
        <translation>此桌面不提供全局快捷键；请在其键盘设置中绑定“%1”。</translation>
    </message>
    <message>
        <source>%1 is held by %2.</source>
        <translation>%1 已被 %2 占用。</translation>
    </message>
</context>
<context>
    <name>GlobalShortcuts</name>
    <message>
        <source>New Note</source>
        <translation>新便笺</translation>
    </message>
    <message>
        <source>New Note from Clipboard</source>
        <translation>从剪贴板新建便笺</translation>
    </message>
    <message>
        <source>Show/Hide All Notes</source>
        <translation>显示/隐藏所有便笺</translation>
    </message>
    <message>
        <source>All Notes</source>
        <translation>所有便笺</translation>
    </message>
</context>
<context>
    <name>KdeShortcuts</name>
    <message>
        <source>KDE global shortcuts</source>
        <translation>KDE 全局快捷键</translation>
    </message>
</context>
<context>
    <name>NoteAnnouncer</name>
    <message>
        <source>Note opened: %1</source>
        <translation>已打开便笺：%1</translation>
    </message>
    <message>
        <source>Notes opened: %1</source>
        <translation>已打开便笺数：%1</translation>
    </message>
    <message>
        <source>Note closed: %1</source>
        <translation>已关闭便笺：%1</translation>
    </message>
    <message>
        <source>Notes closed: %1</source>
        <translation>已关闭便笺数：%1</translation>
    </message>
    <message>
        <source>Note deleted: %1</source>
        <translation>已删除便笺：%1</translation>
    </message>
    <message>
        <source>Notes deleted: %1</source>
        <translation>已删除便笺数：%1</translation>
    </message>
</context>
<context>
    <name>NoteCollection</name>
    <message>
        <source>Cannot open the notes folder &quot;%1&quot;.</source>
        <translation>无法打开便笺文件夹“%1”。</translation>
    </message>
    <message>
        <source>The note &quot;%1&quot; cannot be read.</source>
        <translation>无法读取便笺“%1”。</translation>
    </message>
</context>
<context>
    <name>NoteDocument</name>
    <message>
        <source>Cannot load the note file &quot;%1&quot;: %2</source>
        <translation>无法加载便笺文件“%1”：%2</translation>
    </message>
</context>
<context>
    <name>NoteEditor</name>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Font Color...</source>
        <translation>字体颜色...</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>字体...</translation>
    </message>
    <message>
        <source>Bullets...</source>
        <translation>项目符号...</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>粗体</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>下划线</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>删除线</translation>
    </message>
    <message>
        <source>Left Justify</source>
        <translation>左对齐</translation>
    </message>
    <message>
        <source>Right Justify</source>
        <translation>右对齐</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>居中</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>清单</translation>
    </message>
    <message>
        <source>%1% of the note&apos;s width</source>
        <translation>便笺宽度的 %1%</translation>
    </message>
    <message>
        <source>Original size</source>
        <translation>原始大小</translation>
    </message>
    <message>
        <source>Tick or untick the check item</source>
        <translation>勾选或取消勾选清单项</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Open the text menu at the caret (also the Menu key)</source>
        <translation>在光标处打开文本菜单（也可按 Menu 键）</translation>
    </message>
</context>
<context>
    <name>NoteExport</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>无法写入“%1”：%2</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>便笺</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>文件夹不存在</translation>
    </message>
</context>
<context>
    <name>NoteFile</name>
    <message>
        <source>The header field &quot;%1&quot; is not a hexadecimal number.</source>
        <translation>文件头字段“%1”不是十六进制数。</translation>
    </message>
    <message>
        <source>The note file has fewer than two lines.</source>
        <translation>便笺文件少于两行。</translation>
    </message>
    <message>
        <source>The header &quot;%1&quot; is too short.</source>
        <translation>文件头“%1”太短。</translation>
    </message>
    <message>
        <source>Cannot write the note file &quot;%1&quot;: %2</source>
        <translation>无法写入便笺文件“%1”：%2</translation>
    </message>
    <message>
        <source>Cannot open the note file &quot;%1&quot;: %2</source>
        <translation>无法打开便笺文件“%1”：%2</translation>
    </message>
    <message>
        <source>Cannot read the note file &quot;%1&quot;: %2</source>
        <translation>无法读取便笺文件“%1”：%2</translation>
    </message>
</context>
<context>
    <name>NoteImport</name>
    <message>
        <source>&quot;%1&quot; cannot be imported. %2</source>
        <translation>无法导入“%1”。%2</translation>
    </message>
</context>
<context>
    <name>NoteKeyboardMove</name>
    <message>
        <source>Move with the arrow keys; Enter keeps, Escape cancels</source>
        <translation>用方向键移动；Enter 确认，Escape 取消</translation>
    </message>
    <message>
        <source>Size with the arrow keys; Enter keeps, Escape cancels</source>
        <translation>用方向键调整大小；Enter 确认，Escape 取消</translation>
    </message>
</context>
<context>
    <name>NoteKeys</name>
    <message>
        <source>New Note</source>
        <translation>新便笺</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Close at once</source>
        <translation>立即关闭</translation>
    </message>
    <message>
        <source>Open the note menu</source>
        <translation>打开便笺菜单</translation>
    </message>
    <message>
        <source>Edit the title</source>
        <translation>编辑标题</translation>
    </message>
    <message>
        <source>Move the note: arrow keys, then Enter or Escape</source>
        <translation>移动便笺：方向键，然后按 Enter 或 Escape</translation>
    </message>
    <message>
        <source>Size the note: arrow keys, then Enter or Escape</source>
        <translation>调整便笺大小：方向键，然后按 Enter 或 Escape</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>键盘快捷键</translation>
    </message>
</context>
<context>
    <name>NoteLimits</name>
    <message>
        <source>Cannot open the note file &quot;%1&quot;: %2</source>
        <translation>无法打开便笺文件“%1”：%2</translation>
    </message>
    <message>
        <source>Cannot read the note file &quot;%1&quot;: %2</source>
        <translation>无法读取便笺文件“%1”：%2</translation>
    </message>
    <message>
        <source>Its text has %1 characters; notes of up to %2 characters open.</source>
        <translation>其文本有 %1 个字符；只能打开不超过 %2 个字符的便笺。</translation>
    </message>
    <message>
        <source>One of its paragraphs has %1 characters; paragraphs of up to %2 characters open.</source>
        <translation>其中一个段落有 %1 个字符；只能打开不超过 %2 个字符的段落。</translation>
    </message>
    <message>
        <source>Its file has %1 MB besides its pictures; notes of up to %2 MB besides their pictures open.</source>
        <translation>除图片外其文件有 %1 MB；只能打开除图片外不超过 %2 MB 的便笺。</translation>
    </message>
</context>
<context>
    <name>NoteListModel</name>
    <message>
        <source>Color</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>修改时间</translation>
    </message>
</context>
<context>
    <name>NoteListing</name>
    <message>
        <source>there is no note &quot;%1&quot; in %2</source>
        <translation>%2 中没有便笺“%1”</translation>
    </message>
</context>
<context>
    <name>NoteLock</name>
    <message>
        <source>Locked</source>
        <translation>已锁定</translation>
    </message>
</context>
<context>
    <name>NoteMenu</name>
    <message>
        <source>New Note</source>
        <translation>新便笺</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Opacity         </source>
        <translation>不透明度         </translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Send Mail</source>
        <translation>发送邮件</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Are you sure want to delete the note?</source>
        <translation>确定要删除此便笺吗？</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>确认删除</translation>
    </message>
</context>
<context>
    <name>NoteNaming</name>
    <message>
        <source>New Note</source>
        <translation>新便笺</translation>
    </message>
</context>
<context>
    <name>NoteReminders</name>
    <message>
        <source>Reminder</source>
        <translation>提醒</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Snooze 10 minutes</source>
        <translation>10 分钟后再提醒</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>NoteStateControl</name>
    <message>
        <source>Always on Top</source>
        <translation>总在最前</translation>
    </message>
    <message>
        <source>On All Workspaces</source>
        <translation>在所有工作区显示</translation>
    </message>
    <message>
        <source>Roll Up</source>
        <translation>卷起</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>锁定</translation>
    </message>
</context>
<context>
    <name>NotesFolderSync</name>
    <message>
        <source>The note file &quot;%1&quot; in &quot;%2&quot; cannot be opened: its name is not valid UTF-8. Rename it to open it as a note; until then Paperlet leaves it as it is.</source>
        <translation>无法打开“%2”中的便笺文件“%1”：其文件名不是有效的 UTF-8。请重命名该文件以将其作为便笺打开；在此之前 Paperlet 不会改动它。</translation>
    </message>
</context>
<context>
    <name>OversizedNote</name>
    <message>
        <source>This note is too large to open here. %1

The file &quot;%2&quot; is left as it is: Paperlet neither changes nor removes it. Once it is small enough, it opens here.</source>
        <translation>此便笺太大，无法在此打开。%1

文件“%2”保持原样：Paperlet 既不会修改也不会删除它。当它足够小时，就会在此打开。</translation>
    </message>
</context>
<context>
    <name>PortalShortcuts</name>
    <message>
        <source>desktop portal</source>
        <translation>桌面门户</translation>
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
        <translation>“%1”不是时间：请给出本地日期和时间（2026-12-24T18:00）、+Nm 或 +Nh</translation>
    </message>
</context>
<context>
    <name>RescueLog</name>
    <message>
        <source>Cannot add to the list of rescued notes &quot;%1&quot;: %2</source>
        <translation>无法添加到已抢救便笺列表“%1”：%2</translation>
    </message>
    <message>
        <source>Rescued Notes</source>
        <translation>已抢救的便笺</translation>
    </message>
    <message>
        <source>Some notes could not be saved in their own files when Paperlet last closed. Their copies were saved here:
</source>
        <translation>Paperlet 上次关闭时，有些便笺未能保存到各自的文件中。它们的副本已保存在此处：
</translation>
    </message>
</context>
<context>
    <name>ScriptCommands</name>
    <message>
        <source>the text is longer than a note takes (%1 characters)</source>
        <translation>文本超出便笺的容量（%1 个字符）</translation>
    </message>
    <message>
        <source>the note &quot;%1&quot; cannot be changed</source>
        <translation>便笺“%1”无法更改</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>无法创建文件“%1”。%2</translation>
    </message>
</context>
<context>
    <name>ShortcutSettings</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>无法创建文件“%1”。%2</translation>
    </message>
</context>
<context>
    <name>StoredNotes</name>
    <message>
        <source>the stored notes are only read here</source>
        <translation>此处只读取已保存的便笺</translation>
    </message>
</context>
<context>
    <name>T</name>
    <message>
        <source>X11 key grab</source>
        <translation>X11 按键捕获</translation>
    </message>
    <message>
        <source>no such key on this keyboard</source>
        <translation>此键盘上没有该按键</translation>
    </message>
</context>
<context>
    <name>TFR_ABOUT</name>
    <message>
        <source>Copyright © 2024 The Paperlet developers</source>
        <translation>版权所有 © 2024 Paperlet 开发者</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Paperlet</source>
        <translation>Paperlet</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>TFR_ALL_NOTES</name>
    <message>
        <source>All Notes</source>
        <translation>所有便笺</translation>
    </message>
    <message>
        <source>Search notes</source>
        <translation>搜索便笺</translation>
    </message>
    <message>
        <source>S&amp;ort by:</source>
        <translation>排序方式(&amp;O)：</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>最后修改</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>排序方式</translation>
    </message>
    <message>
        <source>&amp;Notes</source>
        <translation>便笺(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Recently Deleted</source>
        <translation>最近删除(&amp;R)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>便笺</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>显示(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>导出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>导入(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Selected Notes Only</source>
        <translation>仅所选便笺(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Plain Text...</source>
        <translation>纯文本(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Markdown...</source>
        <translation>Markdown 格式(&amp;M)...</translation>
    </message>
    <message>
        <source>&amp;HTML...</source>
        <translation>HTML 格式(&amp;H)...</translation>
    </message>
    <message>
        <source>&amp;Zip Backup of All Notes...</source>
        <translation>所有便笺的 Zip 备份(&amp;Z)...</translation>
    </message>
    <message>
        <source>&amp;Files...</source>
        <translation>文件(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Xpad Notes</source>
        <translation>Xpad 便笺(&amp;X)</translation>
    </message>
    <message>
        <source>Recently deleted notes</source>
        <translation>最近删除的便笺</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>删除时间</translation>
    </message>
    <message>
        <source>R&amp;estore</source>
        <translation>恢复(&amp;E)</translation>
    </message>
    <message>
        <source>Export Notes To</source>
        <translation>将便笺导出到</translation>
    </message>
    <message>
        <source>Paperlet notes %1.zip</source>
        <translation>Paperlet 便笺 %1.zip</translation>
    </message>
    <message>
        <source>Zip Backup</source>
        <translation>Zip 备份</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>Zip 压缩包 (*.zip)</translation>
    </message>
    <message>
        <source>The notes are backed up in %1.</source>
        <translation>便笺已备份到 %1。</translation>
    </message>
    <message>
        <source>Import Notes</source>
        <translation>导入便笺</translation>
    </message>
    <message>
        <source>Notes and text (*.pnf *.txt *.md);;All files (*)</source>
        <translation>便笺和文本 (*.pnf *.txt *.md);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Notes deleted: %1. Ctrl+Z takes them back.</source>
        <translation>已删除便笺：%1。按 Ctrl+Z 可撤销。</translation>
    </message>
    <message>
        <source>Notes restored: %1.</source>
        <translation>已恢复便笺：%1。</translation>
    </message>
    <message>
        <source>Notes exported to %1: %2.</source>
        <translation>已导出到 %1 的便笺：%2。</translation>
    </message>
    <message>
        <source>Notes imported: %1.</source>
        <translation>已导入便笺：%1。</translation>
    </message>
</context>
<context>
    <name>TFR_NOTE</name>
    <message>
        <source>Notes</source>
        <translation>便笺</translation>
    </message>
    <message>
        <source>Double click to edit title</source>
        <translation>双击以编辑标题</translation>
    </message>
    <message>
        <source>No Name</source>
        <translation>未命名</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>
The note stays open so that its text is not lost.</source>
        <translation>
便笺保持打开，以免其文本丢失。</translation>
    </message>
    <message>
        <source>Note text</source>
        <translation>便笺文本</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>调整大小</translation>
    </message>
    <message>
        <source>Reminder: %1</source>
        <translation>提醒：%1</translation>
    </message>
    <message>
        <source>Reminder: %1 (%2)</source>
        <translation>提醒：%1（%2）</translation>
    </message>
    <message>
        <source>Reminder...</source>
        <translation>提醒...</translation>
    </message>
</context>
<context>
    <name>TFR_PLT_MAIN</name>
    <message>
        <source>Paperlet
Double click for new note!</source>
        <translation>Paperlet
双击新建便笺！</translation>
    </message>
    <message>
        <source>Paperlet</source>
        <translation>Paperlet</translation>
    </message>
    <message>
        <source>Double click for new note!</source>
        <translation>双击新建便笺！</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>新便笺</translation>
    </message>
    <message>
        <source>Show All Notes</source>
        <translation>显示所有便笺</translation>
    </message>
    <message>
        <source>Hide All Notes</source>
        <translation>隐藏所有便笺</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>All Notes...</source>
        <translation>所有便笺...</translation>
    </message>
</context>
<context>
    <name>TFR_REMINDER</name>
    <message>
        <source>Reminder</source>
        <translation>提醒</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>日期(&amp;D)：</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>时间(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Repeat:</source>
        <translation>重复(&amp;R)：</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>从不</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>每天</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>工作日</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>每周</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>每月</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>每年</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>清除(&amp;L)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TFR_SETTINGS</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Load on startup</source>
        <translation>登录时启动</translation>
    </message>
    <message>
        <source>Check updates automatically</source>
        <translation>自动检查更新</translation>
    </message>
    <message>
        <source>Default Note</source>
        <translation>默认便笺</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>标题：</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>新便笺</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Date Time</source>
        <translation>日期时间</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>不透明度：</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>颜色：</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>字体：</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>示例</translation>
    </message>
    <message>
        <source>Font Color:</source>
        <translation>字体颜色：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts...</source>
        <translation>键盘快捷键(&amp;K)...</translation>
    </message>
</context>
<context>
    <name>TFR_SHORTCUTS</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>键盘快捷键</translation>
    </message>
    <message>
        <source>Command to bind</source>
        <translation>要绑定的命令</translation>
    </message>
    <message>
        <source>This desktop offers programs no global shortcuts. Bind this command to a key in the desktop&apos;s own keyboard settings instead:</source>
        <translation>此桌面不向程序提供全局快捷键。请改为在桌面自己的键盘设置中为此命令绑定一个按键：</translation>
    </message>
    <message>
        <source>These keys work in every program; they are registered through the %1.</source>
        <translation>这些按键在任何程序中都有效；它们通过%1注册。</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Remove the shortcut of %1</source>
        <translation>移除 %1 的快捷键</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Removed: %1 went to &quot;%2&quot;.</source>
        <translation>已移除：%1 已改给“%2”。</translation>
    </message>
</context>
<context>
    <name>ThemeRegistry</name>
    <message>
        <source>Cannot register theme</source>
        <translation>无法注册主题</translation>
    </message>
    <message>
        <source>Theme %1 is already registered</source>
        <translation>主题 %1 已注册</translation>
    </message>
    <message>
        <source>Unknown theme %1</source>
        <translation>未知主题 %1</translation>
    </message>
</context>
<context>
    <name>UpdateReport</name>
    <message>
        <source>You are already using the most recent version of Paperlet.
Please check in future!</source>
        <translation>您使用的已是最新版本的 Paperlet。
请以后再检查！</translation>
    </message>
    <message>
        <source>Your version is:         %1
Current version is:    %2

A newer version is available.
Do you want to download new version?</source>
        <translation>您的版本：    %1
当前版本：    %2

有更新的版本可用。
是否下载新版本？</translation>
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
        <translation>Windows 热键</translation>
    </message>
</context>
<context>
    <name>ZipWriter</name>
    <message>
        <source>The archive would be too large.</source>
        <translation>压缩包会过大。</translation>
    </message>
    <message>
        <source>The archive cannot be written: %1</source>
        <translation>无法写入压缩包：%1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Paperlet Already Running!</source>
        <translation>Paperlet 已在运行！</translation>
    </message>
    <message>
        <source>no display could be opened (%1)</source>
        <translation>无法打开任何显示（%1）</translation>
    </message>
    <message>
        <source>the program could not be started: %1</source>
        <translation>无法启动程序：%1</translation>
    </message>
</context>
</TS>
