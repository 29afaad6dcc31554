<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>Application</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>予期しないエラーが発生しました。</translation>
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
        <translation>「%1」のデータを設定できませんでした</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>「%1」のデータ型が正しくありません</translation>
    </message>
</context>
<context>
    <name>ColorNames</name>
    <message>
        <source>Black</source>
        <translation>黒</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>茶</translation>
    </message>
    <message>
        <source>Olive Green</source>
        <translation>オリーブ</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>濃い緑</translation>
    </message>
    <message>
        <source>Dark Teal</source>
        <translation>濃い青緑</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>濃い青</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>藍</translation>
    </message>
    <message>
        <source>Gray-80%</source>
        <translation>灰色 80%</translation>
    </message>
    <message>
        <source>Dark Red</source>
        <translation>濃い赤</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>オレンジ</translation>
    </message>
    <message>
        <source>Dark Yellow</source>
        <translation>濃い黄</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>青緑</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>Blue-Gray</source>
        <translation>ブルーグレー</translation>
    </message>
    <message>
        <source>Gray-50%</source>
        <translation>灰色 50%</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>Light Orange</source>
        <translation>薄いオレンジ</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>ライム</translation>
    </message>
    <message>
        <source>Sea Green</source>
        <translation>シーグリーン</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>アクア</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>薄い青</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>紫</translation>
    </message>
    <message>
        <source>Gray-40%</source>
        <translation>灰色 40%</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>ピンク</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>ゴールド</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄</translation>
    </message>
    <message>
        <source>Bright Green</source>
        <translation>明るい緑</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>ターコイズ</translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation>スカイブルー</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>プラム</translation>
    </message>
    <message>
        <source>Gray-25%</source>
        <translation>灰色 25%</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>ローズ</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>ベージュ</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>薄い黄</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>薄い緑</translation>
    </message>
    <message>
        <source>Light Turquoise</source>
        <translation>薄いターコイズ</translation>
    </message>
    <message>
        <source>Pale Blue</source>
        <translation>ペールブルー</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>ラベンダー</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Dark Gray</source>
        <translation>濃い灰色</translation>
    </message>
    <message>
        <source>Light Gray</source>
        <translation>薄い灰色</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>show all notes</source>
        <translation>すべての付箋を表示する</translation>
    </message>
    <message>
        <source>hide all notes</source>
        <translation>すべての付箋を隠す</translation>
    </message>
    <message>
        <source>open the Settings</source>
        <translation>設定を開く</translation>
    </message>
    <message>
        <source>open About</source>
        <translation>バージョン情報を開く</translation>
    </message>
    <message>
        <source>end the running copy, writing every note</source>
        <translation>実行中のプログラムをすべての付箋を保存して終了する</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>バージョンを表示して終了する</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>このヘルプを表示して終了する</translation>
    </message>
    <message>
        <source>only one option at a time; &apos;%1&apos; is one too many</source>
        <translation>オプションは一度に一つだけです。「%1」は余分です</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>不明なオプション「%1」</translation>
    </message>
    <message>
        <source>Usage: %1 [OPTION]
Sticky notes in the tray. With a copy running, an option is carried out by it.

</source>
        <translation>使い方: %1 [オプション]
トレイに常駐する付箋。プログラムが実行中なら、オプションはそちらで実行されます。

</translation>
    </message>
    <message>
        <source>
Global shortcuts, where the desktop offers them: Ctrl+Alt+Shift+N makes a new note,
Ctrl+Alt+Shift+H shows or hides all notes.
</source>
        <translation>
グローバルショートカット (デスクトップが対応している場合): Ctrl+Alt+Shift+N で新しい付箋を作成、
Ctrl+Alt+Shift+H ですべての付箋を表示/非表示にします。
</translation>
    </message>
    <message>
        <source>open the All Notes window</source>
        <translation>「すべての付箋」ウィンドウを開く</translation>
    </message>
    <message>
        <source>make a new note, holding TEXT if given (&quot;-&quot;: standard input);
print its file name</source>
        <translation>新しいメモを作成します。TEXT があればその内容で（「-」は標準入力）。
そのファイル名を表示します</translation>
    </message>
    <message>
        <source>print FILE&lt;tab&gt;TITLE for every note, the last changed first</source>
        <translation>すべてのメモについて FILE&lt;tab&gt;TITLE を表示します（最後に変更したものから）</translation>
    </message>
    <message>
        <source>the same for the notes that hold every word in their title or
text, whatever the case and accents</source>
        <translation>タイトルまたは本文にすべての語を含むメモについて同じものを表示します
（大文字小文字やアクセントは区別しません）</translation>
    </message>
    <message>
        <source>show the note, brought to the front and onto the screen</source>
        <translation>メモを表示し、最前面の画面内に出します</translation>
    </message>
    <message>
        <source>print the note&apos;s title, an empty line and its text</source>
        <translation>メモのタイトル、空行、本文を表示します</translation>
    </message>
    <message>
        <source>remind of the note at WHEN: a local date and time
(2026-12-24T18:00), or +Nm or +Nh from now; &quot;off&quot; clears it.
After --new-note TEXT, WHEN alone reminds of the new note</source>
        <translation>WHEN にメモをリマインドします。WHEN はローカルの日時
（2026-12-24T18:00）、または今から +Nm か +Nh。「off」で解除します。
--new-note TEXT の後では WHEN だけで新しいメモをリマインドします</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the words to look for</source>
        <translation>「%1」には検索する語が必要です</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a note&apos;s file name (as --list prints it)</source>
        <translation>「%1」にはメモのファイル名が必要です（--list の表示どおり）</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs WHEN</source>
        <translation>「%1」には WHEN が必要です</translation>
    </message>
    <message>
        <source>
FILE is a note&apos;s file name in the notes folder, as --list prints it. A missing
note ends with status 1, a wrong command line with 2. With no copy running, the
commands --list, --find and --text read the notes folder themselves, while the
commands --show, --remind and --new-note with TEXT start a copy that runs on.
</source>
        <translation>
FILE はメモフォルダー内のメモのファイル名です（--list の表示どおり）。メモが
なければ終了コード 1、コマンドラインの誤りは 2 です。実行中のコピーがないとき、
コマンド --list、--find、--text はメモフォルダーを自分で読み、コマンド --show、
--remind、TEXT 付きの --new-note は動き続けるコピーを起動します。
</translation>
    </message>
</context>
<context>
    <name>CommandSender</name>
    <message>
        <source>commands to the running copy are not supported on this system</source>
        <translation>このシステムでは実行中のプログラムへのコマンドはサポートされていません</translation>
    </message>
    <message>
        <source>no D-Bus session bus to reach the running copy (%1)</source>
        <translation>実行中のプログラムに接続する D-Bus セッションバスがありません (%1)</translation>
    </message>
    <message>
        <source>the running copy does not answer on the D-Bus session bus</source>
        <translation>実行中のプログラムが D-Bus セッションバスで応答しません</translation>
    </message>
    <message>
        <source>the running copy did not take the command: %1</source>
        <translation>実行中のプログラムがコマンドを受け付けませんでした: %1</translation>
    </message>
    <message>
        <source>the command failed in the running copy</source>
        <translation>実行中のコピーでコマンドが失敗しました</translation>
    </message>
</context>
<context>
    <name>DeleteUndo</name>
    <message>
        <source>Note deleted</source>
        <translation>メモを削除しました</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>元に戻す操作はありません</translation>
    </message>
    <message>
        <source>The note &quot;%1&quot; is no longer in the trash.</source>
        <translation>メモ &quot;%1&quot; はもうごみ箱にありません。</translation>
    </message>
</context>
<context>
    <name>DeletedNotes</name>
    <message>
        <source>The note &quot;%1&quot; cannot be taken back from the trash.</source>
        <translation>付箋「%1」をごみ箱から戻せません。</translation>
    </message>
</context>
<context>
    <name>FontChooser</name>
    <message>
        <source>Size must be between 1 and %1.</source>
        <translation>サイズは 1 から %1 の間で指定してください。</translation>
    </message>
</context>
<context>
    <name>GlobalShortcutActions</name>
    <message>
        <source>The global shortcut %1 for &quot;%2&quot; is held by %3 (%4).</source>
        <translation>「%2」のグローバルショートカット %1 は %3 が使用しています (%4)。</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>他のプログラム</translation>
    </message>
    <message>
        <source>The %1 gave no global shortcuts; asking the next way.</source>
        <translation>%1 からグローバルショートカットを取得できませんでした。次の方法を試します。</translation>
    </message>
    <message>
        <source>This desktop offers no global shortcuts; bind &quot;%1&quot; in its keyboard settings.</source>
        <translation>このデスクトップにはグローバルショートカットがありません。キーボード設定で「%1」を割り当ててください。</translation>
    </message>
    <message>
        <source>%1 is held by %2.</source>
        <translation>%1 は %2 が使用中です。</translation>
    </message>
</context>
<context>
    <name>GlobalShortcuts</name>
    <message>
        <source>New Note</source>
        <translation>新しい付箋</translation>
    </message>
    <message>
        <source>New Note from Clipboard</source>
        <translation>クリップボードから新しい付箋</translation>
    </message>
    <message>
        <source>Show/Hide All Notes</source>
        <translation>すべての付箋を表示/非表示</translation>
    </message>
    <message>
        <source>All Notes</source>
        <translation>すべての付箋</translation>
    </message>
</context>
<context>
    <name>KdeShortcuts</name>
    <message>
        <source>KDE global shortcuts</source>
        <translation>KDE グローバルショートカット</translation>
    </message>
</context>
<context>
    <name>NoteAnnouncer</name>
    <message>
        <source>Note opened: %1</source>
        <translation>付箋を開きました: %1</translation>
    </message>
    <message>
        <source>Notes opened: %1</source>
        <translation>開いた付箋の数: %1</translation>
    </message>
    <message>
        <source>Note closed: %1</source>
        <translation>付箋を閉じました: %1</translation>
    </message>
    <message>
        <source>Notes closed: %1</source>
        <translation>閉じた付箋の数: %1</translation>
    </message>
    <message>
        <source>Note deleted: %1</source>
        <translation>付箋を削除しました: %1</translation>
    </message>
    <message>
        <source>Notes deleted: %1</source>
        <translation>削除した付箋の数: %1</translation>
    </message>
</context>
<context>
    <name>NoteCollection</name>
    <message>
        <source>Cannot open the notes folder &quot;%1&quot;.</source>
        <translation>付箋フォルダー「%1」を開けません。</translation>
    </message>
    <message>
        <source>The note &quot;%1&quot; cannot be read.</source>
        <translation>付箋「%1」を読み込めません。</translation>
    </message>
</context>
<context>
    <name>NoteDocument</name>
    <message>
        <source>Cannot load the note file &quot;%1&quot;: %2</source>
        <translation>付箋ファイル「%1」を読み込めません: %2</translation>
    </message>
</context>
<context>
    <name>NoteEditor</name>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Font Color...</source>
        <translation>文字の色...</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>フォント...</translation>
    </message>
    <message>
        <source>Bullets...</source>
        <translation>箇条書き...</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>太字</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>下線</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>取り消し線</translation>
    </message>
    <message>
        <source>Left Justify</source>
        <translation>左揃え</translation>
    </message>
    <message>
        <source>Right Justify</source>
        <translation>右揃え</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>中央揃え</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>チェックリスト</translation>
    </message>
    <message>
        <source>%1% of the note&apos;s width</source>
        <translation>付箋の幅の %1%</translation>
    </message>
    <message>
        <source>Original size</source>
        <translation>元のサイズ</translation>
    </message>
    <message>
        <source>Tick or untick the check item</source>
        <translation>チェック項目のチェックを切り替え</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Open the text menu at the caret (also the Menu key)</source>
        <translation>カーソル位置でテキストメニューを開く (Menu キーでも可)</translation>
    </message>
</context>
<context>
    <name>NoteExport</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>「%1」を書き込めません: %2</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>付箋</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>フォルダーがありません</translation>
    </message>
</context>
<context>
    <name>NoteFile</name>
    <message>
        <source>The header field &quot;%1&quot; is not a hexadecimal number.</source>
        <translation>ヘッダーの項目「%1」は 16 進数ではありません。</translation>
    </message>
    <message>
        <source>The note file has fewer than two lines.</source>
        <translation>付箋ファイルが 2 行未満です。</translation>
    </message>
    <message>
        <source>The header &quot;%1&quot; is too short.</source>
        <translation>ヘッダー「%1」が短すぎます。</translation>
    </message>
    <message>
        <source>Cannot write the note file &quot;%1&quot;: %2</source>
        <translation>付箋ファイル「%1」に書き込めません: %2</translation>
    </message>
    <message>
        <source>Cannot open the note file &quot;%1&quot;: %2</source>
        <translation>付箋ファイル「%1」を開けません: %2</translation>
    </message>
    <message>
        <source>Cannot read the note file &quot;%1&quot;: %2</source>
        <translation>付箋ファイル「%1」を読み込めません: %2</translation>
    </message>
</context>
<context>
    <name>NoteImport</name>
    <message>
        <source>&quot;%1&quot; cannot be imported. %2</source>
        <translation>「%1」を取り込めません。%2</translation>
    </message>
</context>
<context>
    <name>NoteKeyboardMove</name>
    <message>
        <source>Move with the arrow keys; Enter keeps, Escape cancels</source>
        <translation>矢印キーで移動。Enter で確定、Escape でキャンセル</translation>
    </message>
    <message>
        <source>Size with the arrow keys; Enter keeps, Escape cancels</source>
        <translation>矢印キーでサイズ変更。Enter で確定、Escape でキャンセル</translation>
    </message>
</context>
<context>
    <name>NoteKeys</name>
    <message>
        <source>New Note</source>
        <translation>新しい付箋</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Close at once</source>
        <translation>すぐに閉じる</translation>
    </message>
    <message>
        <source>Open the note menu</source>
        <translation>付箋メニューを開く</translation>
    </message>
    <message>
        <source>Edit the title</source>
        <translation>タイトルを編集</translation>
    </message>
    <message>
        <source>Move the note: arrow keys, then Enter or Escape</source>
        <translation>付箋を移動: 矢印キー、次に Enter または Escape</translation>
    </message>
    <message>
        <source>Size the note: arrow keys, then Enter or Escape</source>
        <translation>付箋のサイズ変更: 矢印キー、次に Enter または Escape</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>キーボードショートカット</translation>
    </message>
</context>
<context>
    <name>NoteLimits</name>
    <message>
        <source>Cannot open the note file &quot;%1&quot;: %2</source>
        <translation>付箋ファイル「%1」を開けません: %2</translation>
    </message>
    <message>
        <source>Cannot read the note file &quot;%1&quot;: %2</source>
        <translation>付箋ファイル「%1」を読み込めません: %2</translation>
    </message>
    <message>
        <source>Its text has %1 characters; notes of up to %2 characters open.</source>
        <translation>テキストが %1 文字あります。開けるのは %2 文字までの付箋です。</translation>
    </message>
    <message>
        <source>One of its paragraphs has %1 characters; paragraphs of up to %2 characters open.</source>
        <translation>段落の 1 つが %1 文字あります。開けるのは %2 文字までの段落です。</translation>
    </message>
    <message>
        <source>Its file has %1 MB besides its pictures; notes of up to %2 MB besides their pictures open.</source>
        <translation>画像以外でファイルが %1 MB あります。開けるのは画像以外で %2 MB までの付箋です。</translation>
    </message>
</context>
<context>
    <name>NoteListModel</name>
    <message>
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>本文</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>更新日時</translation>
    </message>
</context>
<context>
    <name>NoteListing</name>
    <message>
        <source>there is no note &quot;%1&quot; in %2</source>
        <translation>%2 にメモ「%1」はありません</translation>
    </message>
</context>
<context>
    <name>NoteLock</name>
    <message>
        <source>Locked</source>
        <translation>ロック中</translation>
    </message>
</context>
<context>
    <name>NoteMenu</name>
    <message>
        <source>New Note</source>
        <translation>新しい付箋</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>色</translation>
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
        <translation>削除</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Send Mail</source>
        <translation>メールで送信</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Are you sure want to delete the note?</source>
        <translation>この付箋を削除してもよろしいですか?</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>削除の確認</translation>
    </message>
</context>
<context>
    <name>NoteNaming</name>
    <message>
        <source>New Note</source>
        <translation>新しい付箋</translation>
    </message>
</context>
<context>
    <name>NoteReminders</name>
    <message>
        <source>Reminder</source>
        <translation>リマインダー</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Snooze 10 minutes</source>
        <translation>10 分後に再通知</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
</context>
<context>
    <name>NoteStateControl</name>
    <message>
        <source>Always on Top</source>
        <translation>常に手前に表示</translation>
    </message>
    <message>
        <source>On All Workspaces</source>
        <translation>すべてのワークスペースに表示</translation>
    </message>
    <message>
        <source>Roll Up</source>
        <translation>巻き上げ</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>ロック</translation>
    </message>
</context>
<context>
    <name>NotesFolderSync</name>
    <message>
        <source>The note file &quot;%1&quot; in &quot;%2&quot; cannot be opened: its name is not valid UTF-8. Rename it to open it as a note; until then Paperlet leaves it as it is.</source>
        <translation>「%2」内の付箋ファイル「%1」を開けません: ファイル名が有効な UTF-8 ではありません。付箋として開くには名前を変更してください。それまで Paperlet はこのファイルに手を加えません。</translation>
    </message>
</context>
<context>
    <name>OversizedNote</name>
    <message>
        <source>This note is too large to open here. %1

The file &quot;%2&quot; is left as it is: Paperlet neither changes nor removes it. Once it is small enough, it opens here.</source>
        <translation>この付箋は大きすぎるため、ここでは開けません。%1

ファイル「%2」はそのまま残ります: Paperlet が変更や削除をすることはありません。十分に小さくなれば、ここで開きます。</translation>
    </message>
</context>
<context>
    <name>PortalShortcuts</name>
    <message>
        <source>desktop portal</source>
        <translation>デスクトップポータル</translation>
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
        <translation>「%1」は時刻ではありません。ローカルの日時（2026-12-24T18:00）、+Nm または +Nh を指定してください</translation>
    </message>
</context>
<context>
    <name>RescueLog</name>
    <message>
        <source>Cannot add to the list of rescued notes &quot;%1&quot;: %2</source>
        <translation>救出した付箋の一覧「%1」に追加できません: %2</translation>
    </message>
    <message>
        <source>Rescued Notes</source>
        <translation>救出した付箋</translation>
    </message>
    <message>
        <source>Some notes could not be saved in their own files when Paperlet last closed. Their copies were saved here:
</source>
        <translation>前回 Paperlet を終了したとき、一部の付箋をそれぞれのファイルに保存できませんでした。コピーは次の場所に保存されています:
</translation>
    </message>
</context>
<context>
    <name>ScriptCommands</name>
    <message>
        <source>the text is longer than a note takes (%1 characters)</source>
        <translation>テキストがメモに入る長さ（%1 文字）を超えています</translation>
    </message>
    <message>
        <source>the note &quot;%1&quot; cannot be changed</source>
        <translation>メモ「%1」は変更できません</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>ファイル「%1」を作成できません。%2</translation>
    </message>
</context>
<context>
    <name>ShortcutSettings</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>ファイル「%1」を作成できません。%2</translation>
    </message>
</context>
<context>
    <name>StoredNotes</name>
    <message>
        <source>the stored notes are only read here</source>
        <translation>保存されたメモはここでは読み取るだけです</translation>
    </message>
</context>
<context>
    <name>T</name>
    <message>
        <source>X11 key grab</source>
        <translation>X11 キーグラブ</translation>
    </message>
    <message>
        <source>no such key on this keyboard</source>
        <translation>このキーボードにはそのキーがありません</translation>
    </message>
</context>
<context>
    <name>TFR_ABOUT</name>
    <message>
        <source>Copyright © 2024 The Paperlet developers</source>
        <translation>Copyright © 2024 Paperlet 開発者</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Paperlet</source>
        <translation>Paperlet</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
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
        <translation>すべての付箋</translation>
    </message>
    <message>
        <source>Search notes</source>
        <translation>付箋を検索</translation>
    </message>
    <message>
        <source>S&amp;ort by:</source>
        <translation>並べ替え(&amp;O):</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>最終更新</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>並べ替え</translation>
    </message>
    <message>
        <source>&amp;Notes</source>
        <translation>付箋(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Recently Deleted</source>
        <translation>最近削除した付箋(&amp;R)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>付箋</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>表示(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>エクスポート(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>インポート(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Selected Notes Only</source>
        <translation>選択した付箋のみ(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Plain Text...</source>
        <translation>プレーンテキスト(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Markdown...</source>
        <translation>Markdown 形式(&amp;M)...</translation>
    </message>
    <message>
        <source>&amp;HTML...</source>
        <translation>HTML 形式(&amp;H)...</translation>
    </message>
    <message>
        <source>&amp;Zip Backup of All Notes...</source>
        <translation>すべての付箋の Zip バックアップ(&amp;Z)...</translation>
    </message>
    <message>
        <source>&amp;Files...</source>
        <translation>ファイル(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Xpad Notes</source>
        <translation>Xpad の付箋(&amp;X)</translation>
    </message>
    <message>
        <source>Recently deleted notes</source>
        <translation>最近削除した付箋</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>削除日時</translation>
    </message>
    <message>
        <source>R&amp;estore</source>
        <translation>復元(&amp;E)</translation>
    </message>
    <message>
        <source>Export Notes To</source>
        <translation>付箋のエクスポート先</translation>
    </message>
    <message>
        <source>Paperlet notes %1.zip</source>
        <translation>Paperlet 付箋 %1.zip</translation>
    </message>
    <message>
        <source>Zip Backup</source>
        <translation>Zip バックアップ</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>Zip アーカイブ (*.zip)</translation>
    </message>
    <message>
        <source>The notes are backed up in %1.</source>
        <translation>付箋を %1 にバックアップしました。</translation>
    </message>
    <message>
        <source>Import Notes</source>
        <translation>付箋をインポート</translation>
    </message>
    <message>
        <source>Notes and text (*.pnf *.txt *.md);;All files (*)</source>
        <translation>付箋とテキスト (*.pnf *.txt *.md);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Notes deleted: %1. Ctrl+Z takes them back.</source>
        <translation>削除した付箋: %1。Ctrl+Z で元に戻せます。</translation>
    </message>
    <message>
        <source>Notes restored: %1.</source>
        <translation>元に戻した付箋: %1。</translation>
    </message>
    <message>
        <source>Notes exported to %1: %2.</source>
        <translation>%1 にエクスポートした付箋: %2。</translation>
    </message>
    <message>
        <source>Notes imported: %1.</source>
        <translation>インポートした付箋: %1。</translation>
    </message>
</context>
<context>
    <name>TFR_NOTE</name>
    <message>
        <source>Notes</source>
        <translation>付箋</translation>
    </message>
    <message>
        <source>Double click to edit title</source>
        <translation>ダブルクリックでタイトルを編集</translation>
    </message>
    <message>
        <source>No Name</source>
        <translation>名前なし</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>
The note stays open so that its text is not lost.</source>
        <translation>
本文が失われないよう、付箋は開いたままにします。</translation>
    </message>
    <message>
        <source>Note text</source>
        <translation>付箋の本文</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>サイズ変更</translation>
    </message>
    <message>
        <source>Reminder: %1</source>
        <translation>リマインダー: %1</translation>
    </message>
    <message>
        <source>Reminder: %1 (%2)</source>
        <translation>リマインダー: %1 (%2)</translation>
    </message>
    <message>
        <source>Reminder...</source>
        <translation>リマインダー...</translation>
    </message>
</context>
<context>
    <name>TFR_PLT_MAIN</name>
    <message>
        <source>Paperlet
Double click for new note!</source>
        <translation>Paperlet
ダブルクリックで新しい付箋!</translation>
    </message>
    <message>
        <source>Paperlet</source>
        <translation>Paperlet</translation>
    </message>
    <message>
        <source>Double click for new note!</source>
        <translation>ダブルクリックで新しい付箋!</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>新しい付箋</translation>
    </message>
    <message>
        <source>Show All Notes</source>
        <translation>すべての付箋を表示</translation>
    </message>
    <message>
        <source>Hide All Notes</source>
        <translation>すべての付箋を隠す</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>更新を確認</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>All Notes...</source>
        <translation>すべての付箋...</translation>
    </message>
</context>
<context>
    <name>TFR_REMINDER</name>
    <message>
        <source>Reminder</source>
        <translation>リマインダー</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>日付(&amp;D):</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>時刻(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Repeat:</source>
        <translation>繰り返し(&amp;R):</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>しない</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>毎日</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>平日</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>毎週</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>毎月</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>毎年</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>クリア(&amp;L)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>TFR_SETTINGS</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>Load on startup</source>
        <translation>ログイン時に起動</translation>
    </message>
    <message>
        <source>Check updates automatically</source>
        <translation>更新を自動的に確認</translation>
    </message>
    <message>
        <source>Default Note</source>
        <translation>既定の付箋</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>タイトル:</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>新しい付箋</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Date Time</source>
        <translation>日付と時刻</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>不透明度:</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>色:</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>フォント:</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>サンプル</translation>
    </message>
    <message>
        <source>Font Color:</source>
        <translation>文字色:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts...</source>
        <translation>キーボードショートカット(&amp;K)...</translation>
    </message>
</context>
<context>
    <name>TFR_SHORTCUTS</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>キーボードショートカット</translation>
    </message>
    <message>
        <source>Command to bind</source>
        <translation>割り当てるコマンド</translation>
    </message>
    <message>
        <source>This desktop offers programs no global shortcuts. Bind this command to a key in the desktop&apos;s own keyboard settings instead:</source>
        <translation>このデスクトップはプログラムにグローバルショートカットを提供しません。代わりにデスクトップのキーボード設定でこのコマンドをキーに割り当ててください:</translation>
    </message>
    <message>
        <source>These keys work in every program; they are registered through the %1.</source>
        <translation>これらのキーはどのプログラムでも使えます。%1 で登録されています。</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Remove the shortcut of %1</source>
        <translation>%1 のショートカットを削除</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Removed: %1 went to &quot;%2&quot;.</source>
        <translation>削除しました: %1 は「%2」に移りました。</translation>
    </message>
</context>
<context>
    <name>ThemeRegistry</name>
    <message>
        <source>Cannot register theme</source>
        <translation>テーマを登録できません</translation>
    </message>
    <message>
        <source>Theme %1 is already registered</source>
        <translation>テーマ %1 は既に登録されています</translation>
    </message>
    <message>
        <source>Unknown theme %1</source>
        <translation>不明なテーマ %1</translation>
    </message>
</context>
<context>
    <name>UpdateReport</name>
    <message>
        <source>You are already using the most recent version of Paperlet.
Please check in future!</source>
        <translation>既に最新版の Paperlet をお使いです。
また後で確認してください!</translation>
    </message>
    <message>
        <source>Your version is:         %1
Current version is:    %2

A newer version is available.
Do you want to download new version?</source>
        <translation>お使いのバージョン:  %1
最新のバージョン:    %2

新しいバージョンがあります。
新しいバージョンをダウンロードしますか?</translation>
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
        <translation>Windows ホットキー</translation>
    </message>
</context>
<context>
    <name>ZipWriter</name>
    <message>
        <source>The archive would be too large.</source>
        <translation>アーカイブが大きくなりすぎます。</translation>
    </message>
    <message>
        <source>The archive cannot be written: %1</source>
        <translation>アーカイブを書き込めません: %1</translation>
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
        <translation>Paperlet は既に実行中です!</translation>
    </message>
    <message>
        <source>no display could be opened (%1)</source>
        <translation>ディスプレイを開けませんでした (%1)</translation>
    </message>
    <message>
        <source>the program could not be started: %1</source>
        <translation>プログラムを起動できませんでした: %1</translation>
    </message>
</context>
</TS>
