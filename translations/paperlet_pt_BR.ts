<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Application</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ocorreu um erro inesperado.</translation>
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
        <translation>Falha ao gravar os dados de “%1”</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Tipo de dados inválido para “%1”</translation>
    </message>
</context>
<context>
    <name>ColorNames</name>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrom</translation>
    </message>
    <message>
        <source>Olive Green</source>
        <translation>Verde-oliva</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>Verde-escuro</translation>
    </message>
    <message>
        <source>Dark Teal</source>
        <translation>Azul-petróleo escuro</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Azul-escuro</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Anil</translation>
    </message>
    <message>
        <source>Gray-80%</source>
        <translation>Cinza 80%</translation>
    </message>
    <message>
        <source>Dark Red</source>
        <translation>Vermelho-escuro</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Laranja</translation>
    </message>
    <message>
        <source>Dark Yellow</source>
        <translation>Amarelo-escuro</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Azul-petróleo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Blue-Gray</source>
        <translation>Cinza-azulado</translation>
    </message>
    <message>
        <source>Gray-50%</source>
        <translation>Cinza 50%</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Light Orange</source>
        <translation>Laranja-claro</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Verde-limão</translation>
    </message>
    <message>
        <source>Sea Green</source>
        <translation>Verde-mar</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Água</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Azul-claro</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violeta</translation>
    </message>
    <message>
        <source>Gray-40%</source>
        <translation>Cinza 40%</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Dourado</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
    </message>
    <message>
        <source>Bright Green</source>
        <translation>Verde-vivo</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turquesa</translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation>Azul-celeste</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Ameixa</translation>
    </message>
    <message>
        <source>Gray-25%</source>
        <translation>Cinza 25%</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Rosa-claro</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>Castanho-claro</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>Amarelo-claro</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Verde-claro</translation>
    </message>
    <message>
        <source>Light Turquoise</source>
        <translation>Turquesa-claro</translation>
    </message>
    <message>
        <source>Pale Blue</source>
        <translation>Azul-pálido</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavanda</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Dark Gray</source>
        <translation>Cinza-escuro</translation>
    </message>
    <message>
        <source>Light Gray</source>
        <translation>Cinza-claro</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>show all notes</source>
        <translation>mostrar todas as notas</translation>
    </message>
    <message>
        <source>hide all notes</source>
        <translation>ocultar todas as notas</translation>
    </message>
    <message>
        <source>open the Settings</source>
        <translation>abrir as configurações</translation>
    </message>
    <message>
        <source>open About</source>
        <translation>abrir “Sobre”</translation>
    </message>
    <message>
        <source>end the running copy, writing every note</source>
        <translation>encerrar o programa em execução, salvando todas as notas</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>mostrar a versão e sair</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>mostrar esta ajuda e sair</translation>
    </message>
    <message>
        <source>only one option at a time; &apos;%1&apos; is one too many</source>
        <translation>apenas uma opção por vez; “%1” está sobrando</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opção desconhecida “%1”</translation>
    </message>
    <message>
        <source>Usage: %1 [OPTION]
Sticky notes in the tray. With a copy running, an option is carried out by it.

</source>
        <translation>Uso: %1 [OPÇÃO]
Notas autoadesivas na área de notificação. Se o programa já estiver em execução, ele executa a opção.

</translation>
    </message>
    <message>
        <source>
Global shortcuts, where the desktop offers them: Ctrl+Alt+Shift+N makes a new note,
Ctrl+Alt+Shift+H shows or hides all notes.
</source>
        <translation>
Atalhos globais, quando o ambiente de trabalho os oferece: Ctrl+Alt+Shift+N cria uma nova nota,
Ctrl+Alt+Shift+H mostra ou oculta todas as notas.
</translation>
    </message>
    <message>
        <source>open the All Notes window</source>
        <translation>abrir a janela Todas as notas</translation>
    </message>
    <message>
        <source>make a new note, holding TEXT if given (&quot;-&quot;: standard input);
print its file name</source>
        <translation>criar uma nota nova, com TEXT se dado (&quot;-&quot;: entrada padrão);
imprimir o nome do arquivo dela</translation>
    </message>
    <message>
        <source>print FILE&lt;tab&gt;TITLE for every note, the last changed first</source>
        <translation>imprimir FILE&lt;tab&gt;TITLE para cada nota, a última alterada primeiro</translation>
    </message>
    <message>
        <source>the same for the notes that hold every word in their title or
text, whatever the case and accents</source>
        <translation>o mesmo para as notas cujo título ou texto contém cada palavra,
sem considerar maiúsculas nem acentos</translation>
    </message>
    <message>
        <source>show the note, brought to the front and onto the screen</source>
        <translation>mostrar a nota, trazida à frente e para a tela</translation>
    </message>
    <message>
        <source>print the note&apos;s title, an empty line and its text</source>
        <translation>imprimir o título da nota, uma linha vazia e o texto dela</translation>
    </message>
    <message>
        <source>remind of the note at WHEN: a local date and time
(2026-12-24T18:00), or +Nm or +Nh from now; &quot;off&quot; clears it.
After --new-note TEXT, WHEN alone reminds of the new note</source>
        <translation>lembrar da nota em WHEN: data e hora locais
(2026-12-24T18:00), ou +Nm ou +Nh a partir de agora; &quot;off&quot; o remove.
Após --new-note TEXT, WHEN sozinho lembra da nota nova</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the words to look for</source>
        <translation>&quot;%1&quot; precisa das palavras a procurar</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a note&apos;s file name (as --list prints it)</source>
        <translation>&quot;%1&quot; precisa do nome de arquivo de uma nota (como --list o imprime)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs WHEN</source>
        <translation>&quot;%1&quot; precisa de WHEN</translation>
    </message>
    <message>
        <source>
FILE is a note&apos;s file name in the notes folder, as --list prints it. A missing
note ends with status 1, a wrong command line with 2. With no copy running, the
commands --list, --find and --text read the notes folder themselves, while the
commands --show, --remind and --new-note with TEXT start a copy that runs on.
</source>
        <translation>
FILE é o nome de arquivo de uma nota na pasta de notas, como --list o imprime.
Uma nota ausente termina com status 1, uma linha de comando errada com 2. Sem cópia
em execução, os comandos --list, --find e --text leem a pasta por conta própria;
os comandos --show, --remind e --new-note com TEXT iniciam uma que continua rodando.
</translation>
    </message>
</context>
<context>
    <name>CommandSender</name>
    <message>
        <source>commands to the running copy are not supported on this system</source>
        <translation>comandos ao programa em execução não são suportados neste sistema</translation>
    </message>
    <message>
        <source>no D-Bus session bus to reach the running copy (%1)</source>
        <translation>nenhum barramento de sessão D-Bus para alcançar o programa em execução (%1)</translation>
    </message>
    <message>
        <source>the running copy does not answer on the D-Bus session bus</source>
        <translation>o programa em execução não responde no barramento de sessão D-Bus</translation>
    </message>
    <message>
        <source>the running copy did not take the command: %1</source>
        <translation>o programa em execução não aceitou o comando: %1</translation>
    </message>
    <message>
        <source>the command failed in the running copy</source>
        <translation>o comando falhou na cópia em execução</translation>
    </message>
</context>
<context>
    <name>DeleteUndo</name>
    <message>
        <source>Note deleted</source>
        <translation>Nota excluída</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Nada para desfazer</translation>
    </message>
    <message>
        <source>The note &quot;%1&quot; is no longer in the trash.</source>
        <translation>A nota &quot;%1&quot; não está mais na lixeira.</translation>
    </message>
</context>
<context>
    <name>DeletedNotes</name>
    <message>
        <source>The note &quot;%1&quot; cannot be taken back from the trash.</source>
        <translation>A nota &quot;%1&quot; não pode ser recuperada da lixeira.</translation>
    </message>
</context>
<context>
    <name>FontChooser</name>
    <message>
        <source>Size must be between 1 and %1.</source>
        <translation>O tamanho deve estar entre 1 e %1.</translation>
    </message>
</context>
<context>
    <name>GlobalShortcutActions</name>
    <message>
        <source>The global shortcut %1 for &quot;%2&quot; is held by %3 (%4).</source>
        <translation>O atalho global %1 para “%2” está em uso por %3 (%4).</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>outro programa</translation>
    </message>
    <message>
        <source>The %1 gave no global shortcuts; asking the next way.</source>
        <translation>%1: nenhum atalho global obtido; tentando o próximo método.</translation>
    </message>
    <message>
        <source>This desktop offers no global shortcuts; bind &quot;%1&quot; in its keyboard settings.</source>
        <translation>Esta área de trabalho não oferece atalhos globais; associe &quot;%1&quot; nas configurações de teclado dela.</translation>
    </message>
    <message>
        <source>%1 is held by %2.</source>
        <translation>%1 está ocupado por %2.</translation>
    </message>
</context>
<context>
    <name>GlobalShortcuts</name>
    <message>
        <source>New Note</source>
        <translation>Nova nota</translation>
    </message>
    <message>
        <source>New Note from Clipboard</source>
        <translation>Nova nota da área de transferência</translation>
    </message>
    <message>
        <source>Show/Hide All Notes</source>
        <translation>Mostrar/ocultar todas as notas</translation>
    </message>
    <message>
        <source>All Notes</source>
        <translation>Todas as notas</translation>
    </message>
</context>
<context>
    <name>KdeShortcuts</name>
    <message>
        <source>KDE global shortcuts</source>
        <translation>Atalhos globais do KDE</translation>
    </message>
</context>
<context>
    <name>NoteAnnouncer</name>
    <message>
        <source>Note opened: %1</source>
        <translation>Nota aberta: %1</translation>
    </message>
    <message>
        <source>Notes opened: %1</source>
        <translation>Notas abertas: %1</translation>
    </message>
    <message>
        <source>Note closed: %1</source>
        <translation>Nota fechada: %1</translation>
    </message>
    <message>
        <source>Notes closed: %1</source>
        <translation>Notas fechadas: %1</translation>
    </message>
    <message>
        <source>Note deleted: %1</source>
        <translation>Nota excluída: %1</translation>
    </message>
    <message>
        <source>Notes deleted: %1</source>
        <translation>Notas excluídas: %1</translation>
    </message>
</context>
<context>
    <name>NoteCollection</name>
    <message>
        <source>Cannot open the notes folder &quot;%1&quot;.</source>
        <translation>Não foi possível abrir a pasta de notas “%1”.</translation>
    </message>
    <message>
        <source>The note &quot;%1&quot; cannot be read.</source>
        <translation>A nota &quot;%1&quot; não pode ser lida.</translation>
    </message>
</context>
<context>
    <name>NoteDocument</name>
    <message>
        <source>Cannot load the note file &quot;%1&quot;: %2</source>
        <translation>Não foi possível carregar o arquivo da nota “%1”: %2</translation>
    </message>
</context>
<context>
    <name>NoteEditor</name>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Font Color...</source>
        <translation>Cor da fonte...</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Fonte...</translation>
    </message>
    <message>
        <source>Bullets...</source>
        <translation>Marcadores...</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrito</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Itálico</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Sublinhado</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>Tachado</translation>
    </message>
    <message>
        <source>Left Justify</source>
        <translation>Alinhar à esquerda</translation>
    </message>
    <message>
        <source>Right Justify</source>
        <translation>Alinhar à direita</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centralizar</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Lista de verificação</translation>
    </message>
    <message>
        <source>%1% of the note&apos;s width</source>
        <translation>%1% da largura da nota</translation>
    </message>
    <message>
        <source>Original size</source>
        <translation>Tamanho original</translation>
    </message>
    <message>
        <source>Tick or untick the check item</source>
        <translation>Marcar ou desmarcar o item</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Open the text menu at the caret (also the Menu key)</source>
        <translation>Abrir o menu de texto no cursor (também com a tecla Menu)</translation>
    </message>
</context>
<context>
    <name>NoteExport</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Não é possível gravar &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>a pasta não existe</translation>
    </message>
</context>
<context>
    <name>NoteFile</name>
    <message>
        <source>The header field &quot;%1&quot; is not a hexadecimal number.</source>
        <translation>O campo de cabeçalho “%1” não é um número hexadecimal.</translation>
    </message>
    <message>
        <source>The note file has fewer than two lines.</source>
        <translation>O arquivo da nota tem menos de duas linhas.</translation>
    </message>
    <message>
        <source>The header &quot;%1&quot; is too short.</source>
        <translation>O cabeçalho “%1” é curto demais.</translation>
    </message>
    <message>
        <source>Cannot write the note file &quot;%1&quot;: %2</source>
        <translation>Não foi possível gravar o arquivo da nota “%1”: %2</translation>
    </message>
    <message>
        <source>Cannot open the note file &quot;%1&quot;: %2</source>
        <translation>Não foi possível abrir o arquivo da nota “%1”: %2</translation>
    </message>
    <message>
        <source>Cannot read the note file &quot;%1&quot;: %2</source>
        <translation>Não foi possível ler o arquivo da nota “%1”: %2</translation>
    </message>
</context>
<context>
    <name>NoteImport</name>
    <message>
        <source>&quot;%1&quot; cannot be imported. %2</source>
        <translation>Não é possível importar “%1”. %2</translation>
    </message>
</context>
<context>
    <name>NoteKeyboardMove</name>
    <message>
        <source>Move with the arrow keys; Enter keeps, Escape cancels</source>
        <translation>Mover com as setas; Enter confirma, Escape cancela</translation>
    </message>
    <message>
        <source>Size with the arrow keys; Enter keeps, Escape cancels</source>
        <translation>Redimensionar com as setas; Enter confirma, Escape cancela</translation>
    </message>
</context>
<context>
    <name>NoteKeys</name>
    <message>
        <source>New Note</source>
        <translation>Nova nota</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Close at once</source>
        <translation>Fechar imediatamente</translation>
    </message>
    <message>
        <source>Open the note menu</source>
        <translation>Abrir o menu da nota</translation>
    </message>
    <message>
        <source>Edit the title</source>
        <translation>Editar o título</translation>
    </message>
    <message>
        <source>Move the note: arrow keys, then Enter or Escape</source>
        <translation>Mover a nota: setas, depois Enter ou Escape</translation>
    </message>
    <message>
        <source>Size the note: arrow keys, then Enter or Escape</source>
        <translation>Redimensionar a nota: setas, depois Enter ou Escape</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atalhos de teclado</translation>
    </message>
</context>
<context>
    <name>NoteLimits</name>
    <message>
        <source>Cannot open the note file &quot;%1&quot;: %2</source>
        <translation>Não foi possível abrir o arquivo da nota “%1”: %2</translation>
    </message>
    <message>
        <source>Cannot read the note file &quot;%1&quot;: %2</source>
        <translation>Não foi possível ler o arquivo da nota “%1”: %2</translation>
    </message>
    <message>
        <source>Its text has %1 characters; notes of up to %2 characters open.</source>
        <translation>O texto tem %1 caracteres; abrem-se notas de até %2 caracteres.</translation>
    </message>
    <message>
        <source>One of its paragraphs has %1 characters; paragraphs of up to %2 characters open.</source>
        <translation>Um dos parágrafos tem %1 caracteres; abrem-se parágrafos de até %2 caracteres.</translation>
    </message>
    <message>
        <source>Its file has %1 MB besides its pictures; notes of up to %2 MB besides their pictures open.</source>
        <translation>O arquivo tem %1 MB além das imagens; abrem-se notas de até %2 MB além das imagens.</translation>
    </message>
</context>
<context>
    <name>NoteListModel</name>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Alterada</translation>
    </message>
</context>
<context>
    <name>NoteListing</name>
    <message>
        <source>there is no note &quot;%1&quot; in %2</source>
        <translation>não há nenhuma nota &quot;%1&quot; em %2</translation>
    </message>
</context>
<context>
    <name>NoteLock</name>
    <message>
        <source>Locked</source>
        <translation>Bloqueada</translation>
    </message>
</context>
<context>
    <name>NoteMenu</name>
    <message>
        <source>New Note</source>
        <translation>Nova nota</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Opacity         </source>
        <translation>Opacidade         </translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Send Mail</source>
        <translation>Enviar por e-mail</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Are you sure want to delete the note?</source>
        <translation>Tem certeza de que deseja excluir a nota?</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Confirmar exclusão</translation>
    </message>
</context>
<context>
    <name>NoteNaming</name>
    <message>
        <source>New Note</source>
        <translation>Nova nota</translation>
    </message>
</context>
<context>
    <name>NoteReminders</name>
    <message>
        <source>Reminder</source>
        <translation>Lembrete</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Snooze 10 minutes</source>
        <translation>Adiar 10 minutos</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
</context>
<context>
    <name>NoteStateControl</name>
    <message>
        <source>Always on Top</source>
        <translation>Sempre visível</translation>
    </message>
    <message>
        <source>On All Workspaces</source>
        <translation>Em todos os espaços de trabalho</translation>
    </message>
    <message>
        <source>Roll Up</source>
        <translation>Enrolar</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Bloquear</translation>
    </message>
</context>
<context>
    <name>NotesFolderSync</name>
    <message>
        <source>The note file &quot;%1&quot; in &quot;%2&quot; cannot be opened: its name is not valid UTF-8. Rename it to open it as a note; until then Paperlet leaves it as it is.</source>
        <translation>Não foi possível abrir o arquivo da nota “%1” em “%2”: o nome não é UTF-8 válido. Renomeie-o para abri-lo como nota; até lá, o Paperlet o deixa como está.</translation>
    </message>
</context>
<context>
    <name>OversizedNote</name>
    <message>
        <source>This note is too large to open here. %1

The file &quot;%2&quot; is left as it is: Paperlet neither changes nor removes it. Once it is small enough, it opens here.</source>
        <translation>Esta nota é grande demais para ser aberta aqui. %1

O arquivo “%2” fica como está: o Paperlet não o altera nem o remove. Quando estiver pequeno o bastante, ele abrirá aqui.</translation>
    </message>
</context>
<context>
    <name>PortalShortcuts</name>
    <message>
        <source>desktop portal</source>
        <translation>portal da área de trabalho</translation>
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
        <translation>&quot;%1&quot; não é um horário: informe data e hora locais (2026-12-24T18:00), +Nm ou +Nh</translation>
    </message>
</context>
<context>
    <name>RescueLog</name>
    <message>
        <source>Cannot add to the list of rescued notes &quot;%1&quot;: %2</source>
        <translation>Não foi possível ampliar a lista de notas recuperadas “%1”: %2</translation>
    </message>
    <message>
        <source>Rescued Notes</source>
        <translation>Notas recuperadas</translation>
    </message>
    <message>
        <source>Some notes could not be saved in their own files when Paperlet last closed. Their copies were saved here:
</source>
        <translation>Quando o Paperlet foi fechado pela última vez, algumas notas não puderam ser salvas em seus próprios arquivos. As cópias foram salvas aqui:
</translation>
    </message>
</context>
<context>
    <name>ScriptCommands</name>
    <message>
        <source>the text is longer than a note takes (%1 characters)</source>
        <translation>o texto é maior do que cabe em uma nota (%1 caracteres)</translation>
    </message>
    <message>
        <source>the note &quot;%1&quot; cannot be changed</source>
        <translation>a nota &quot;%1&quot; não pode ser alterada</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Não foi possível criar o arquivo “%1”. %2</translation>
    </message>
</context>
<context>
    <name>ShortcutSettings</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Não foi possível criar o arquivo &quot;%1&quot;. %2</translation>
    </message>
</context>
<context>
    <name>StoredNotes</name>
    <message>
        <source>the stored notes are only read here</source>
        <translation>as notas salvas são apenas lidas aqui</translation>
    </message>
</context>
<context>
    <name>T</name>
    <message>
        <source>X11 key grab</source>
        <translation>captura de teclas do X11</translation>
    </message>
    <message>
        <source>no such key on this keyboard</source>
        <translation>esta tecla não existe neste teclado</translation>
    </message>
</context>
<context>
    <name>TFR_ABOUT</name>
    <message>
        <source>Copyright © 2024 The Paperlet developers</source>
        <translation>Copyright © 2024 Os desenvolvedores do Paperlet</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Paperlet</source>
        <translation>Paperlet</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
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
        <translation>Todas as notas</translation>
    </message>
    <message>
        <source>Search notes</source>
        <translation>Pesquisar notas</translation>
    </message>
    <message>
        <source>S&amp;ort by:</source>
        <translation>&amp;Ordenar por:</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>Última alteração</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>Ordenar por</translation>
    </message>
    <message>
        <source>&amp;Notes</source>
        <translation>&amp;Notas</translation>
    </message>
    <message>
        <source>&amp;Recently Deleted</source>
        <translation>Excluídas &amp;recentemente</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Mostrar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>E&amp;xportar</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>&amp;Selected Notes Only</source>
        <translation>&amp;Somente as notas selecionadas</translation>
    </message>
    <message>
        <source>&amp;Plain Text...</source>
        <translation>Texto &amp;simples...</translation>
    </message>
    <message>
        <source>&amp;Markdown...</source>
        <translation>Como &amp;Markdown...</translation>
    </message>
    <message>
        <source>&amp;HTML...</source>
        <translation>Como &amp;HTML...</translation>
    </message>
    <message>
        <source>&amp;Zip Backup of All Notes...</source>
        <translation>Backup &amp;zip de todas as notas...</translation>
    </message>
    <message>
        <source>&amp;Files...</source>
        <translation>&amp;Arquivos...</translation>
    </message>
    <message>
        <source>&amp;Xpad Notes</source>
        <translation>Notas do &amp;Xpad</translation>
    </message>
    <message>
        <source>Recently deleted notes</source>
        <translation>Notas excluídas recentemente</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Excluída</translation>
    </message>
    <message>
        <source>R&amp;estore</source>
        <translation>R&amp;estaurar</translation>
    </message>
    <message>
        <source>Export Notes To</source>
        <translation>Exportar as notas para</translation>
    </message>
    <message>
        <source>Paperlet notes %1.zip</source>
        <translation>Notas do Paperlet %1.zip</translation>
    </message>
    <message>
        <source>Zip Backup</source>
        <translation>Backup em zip</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>Arquivos zip (*.zip)</translation>
    </message>
    <message>
        <source>The notes are backed up in %1.</source>
        <translation>As notas estão salvas em %1.</translation>
    </message>
    <message>
        <source>Import Notes</source>
        <translation>Importar notas</translation>
    </message>
    <message>
        <source>Notes and text (*.pnf *.txt *.md);;All files (*)</source>
        <translation>Notas e texto (*.pnf *.txt *.md);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Notes deleted: %1. Ctrl+Z takes them back.</source>
        <translation>Notas excluídas: %1. Ctrl+Z as recupera.</translation>
    </message>
    <message>
        <source>Notes restored: %1.</source>
        <translation>Notas restauradas: %1.</translation>
    </message>
    <message>
        <source>Notes exported to %1: %2.</source>
        <translation>Notas exportadas para %1: %2.</translation>
    </message>
    <message>
        <source>Notes imported: %1.</source>
        <translation>Notas importadas: %1.</translation>
    </message>
</context>
<context>
    <name>TFR_NOTE</name>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Double click to edit title</source>
        <translation>Clique duas vezes para editar o título</translation>
    </message>
    <message>
        <source>No Name</source>
        <translation>Sem nome</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>
The note stays open so that its text is not lost.</source>
        <translation>
A nota continua aberta para que o texto não se perca.</translation>
    </message>
    <message>
        <source>Note text</source>
        <translation>Texto da nota</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Redimensionar</translation>
    </message>
    <message>
        <source>Reminder: %1</source>
        <translation>Lembrete: %1</translation>
    </message>
    <message>
        <source>Reminder: %1 (%2)</source>
        <translation>Lembrete: %1 (%2)</translation>
    </message>
    <message>
        <source>Reminder...</source>
        <translation>Lembrete...</translation>
    </message>
</context>
<context>
    <name>TFR_PLT_MAIN</name>
    <message>
        <source>Paperlet
Double click for new note!</source>
        <translation>Paperlet
Clique duas vezes para uma nova nota!</translation>
    </message>
    <message>
        <source>Paperlet</source>
        <translation>Paperlet</translation>
    </message>
    <message>
        <source>Double click for new note!</source>
        <translation>Clique duas vezes para uma nova nota!</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>Nova nota</translation>
    </message>
    <message>
        <source>Show All Notes</source>
        <translation>Mostrar todas as notas</translation>
    </message>
    <message>
        <source>Hide All Notes</source>
        <translation>Ocultar todas as notas</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Verificar atualizações</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>All Notes...</source>
        <translation>Todas as notas...</translation>
    </message>
</context>
<context>
    <name>TFR_REMINDER</name>
    <message>
        <source>Reminder</source>
        <translation>Lembrete</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Data:</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Hora:</translation>
    </message>
    <message>
        <source>&amp;Repeat:</source>
        <translation>&amp;Repetir:</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diariamente</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>Dias úteis</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanalmente</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensalmente</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Anualmente</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Limpar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TFR_SETTINGS</name>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Load on startup</source>
        <translation>Iniciar com a sessão</translation>
    </message>
    <message>
        <source>Check updates automatically</source>
        <translation>Atualizações automáticas</translation>
    </message>
    <message>
        <source>Default Note</source>
        <translation>Nota padrão</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>Nova nota</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Date Time</source>
        <translation>Data e hora</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>Opacidade:</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Cor:</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Fonte:</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Exemplo</translation>
    </message>
    <message>
        <source>Font Color:</source>
        <translation>Texto:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts...</source>
        <translation>&amp;Atalhos de teclado...</translation>
    </message>
</context>
<context>
    <name>TFR_SHORTCUTS</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atalhos de teclado</translation>
    </message>
    <message>
        <source>Command to bind</source>
        <translation>Comando a associar</translation>
    </message>
    <message>
        <source>This desktop offers programs no global shortcuts. Bind this command to a key in the desktop&apos;s own keyboard settings instead:</source>
        <translation>Esta área de trabalho não oferece atalhos globais aos programas. Associe este comando a uma tecla nas configurações de teclado dela:</translation>
    </message>
    <message>
        <source>These keys work in every program; they are registered through the %1.</source>
        <translation>Estas teclas funcionam em qualquer programa; estão registradas por meio de: %1.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Remove the shortcut of %1</source>
        <translation>Remover o atalho de %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Removed: %1 went to &quot;%2&quot;.</source>
        <translation>Removido: %1 passou para &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>ThemeRegistry</name>
    <message>
        <source>Cannot register theme</source>
        <translation>Não foi possível registrar o tema</translation>
    </message>
    <message>
        <source>Theme %1 is already registered</source>
        <translation>O tema %1 já está registrado</translation>
    </message>
    <message>
        <source>Unknown theme %1</source>
        <translation>Tema desconhecido %1</translation>
    </message>
</context>
<context>
    <name>UpdateReport</name>
    <message>
        <source>You are already using the most recent version of Paperlet.
Please check in future!</source>
        <translation>Você já está usando a versão mais recente do Paperlet.
Verifique novamente no futuro!</translation>
    </message>
    <message>
        <source>Your version is:         %1
Current version is:    %2

A newer version is available.
Do you want to download new version?</source>
        <translation>Sua versão:          %1
Versão atual:       %2

Há uma versão mais recente disponível.
Deseja baixar a nova versão?</translation>
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
        <translation>Teclas de atalho do Windows</translation>
    </message>
</context>
<context>
    <name>ZipWriter</name>
    <message>
        <source>The archive would be too large.</source>
        <translation>O arquivo ficaria grande demais.</translation>
    </message>
    <message>
        <source>The archive cannot be written: %1</source>
        <translation>Não é possível gravar o arquivo: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Paperlet Already Running!</source>
        <translation>O Paperlet já está em execução!</translation>
    </message>
    <message>
        <source>no display could be opened (%1)</source>
        <translation>não foi possível abrir nenhuma tela (%1)</translation>
    </message>
    <message>
        <source>the program could not be started: %1</source>
        <translation>não foi possível iniciar o programa: %1</translation>
    </message>
</context>
</TS>
