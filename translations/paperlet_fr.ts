<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Application</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Une erreur inattendue s’est produite.</translation>
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
        <translation>Impossible d’enregistrer les données de « %1 »</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Type de données non valide pour « %1 »</translation>
    </message>
</context>
<context>
    <name>ColorNames</name>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marron</translation>
    </message>
    <message>
        <source>Olive Green</source>
        <translation>Vert olive</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>Vert foncé</translation>
    </message>
    <message>
        <source>Dark Teal</source>
        <translation>Bleu-vert foncé</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Bleu foncé</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Indigo</translation>
    </message>
    <message>
        <source>Gray-80%</source>
        <translation>Gris 80 %</translation>
    </message>
    <message>
        <source>Dark Red</source>
        <translation>Rouge foncé</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orangé</translation>
    </message>
    <message>
        <source>Dark Yellow</source>
        <translation>Jaune foncé</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Bleu-vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Blue-Gray</source>
        <translation>Bleu-gris</translation>
    </message>
    <message>
        <source>Gray-50%</source>
        <translation>Gris 50 %</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Light Orange</source>
        <translation>Orange clair</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Vert citron</translation>
    </message>
    <message>
        <source>Sea Green</source>
        <translation>Vert d’eau</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Bleu clair</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Gray-40%</source>
        <translation>Gris 40 %</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Or</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Bright Green</source>
        <translation>Vert vif</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turquoise</translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation>Bleu ciel</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Prune</translation>
    </message>
    <message>
        <source>Gray-25%</source>
        <translation>Gris 25 %</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Rose pâle</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>Beige foncé</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>Jaune clair</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Vert clair</translation>
    </message>
    <message>
        <source>Light Turquoise</source>
        <translation>Turquoise clair</translation>
    </message>
    <message>
        <source>Pale Blue</source>
        <translation>Bleu pâle</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavande</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Dark Gray</source>
        <translation>Gris foncé</translation>
    </message>
    <message>
        <source>Light Gray</source>
        <translation>Gris clair</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>show all notes</source>
        <translation>afficher toutes les notes</translation>
    </message>
    <message>
        <source>hide all notes</source>
        <translation>masquer toutes les notes</translation>
    </message>
    <message>
        <source>open the Settings</source>
        <translation>ouvrir les paramètres</translation>
    </message>
    <message>
        <source>open About</source>
        <translation>ouvrir « À propos »</translation>
    </message>
    <message>
        <source>end the running copy, writing every note</source>
        <translation>quitter le programme en cours en enregistrant chaque note</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>afficher la version et quitter</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>afficher cette aide et quitter</translation>
    </message>
    <message>
        <source>only one option at a time; &apos;%1&apos; is one too many</source>
        <translation>une seule option à la fois ; « %1 » est de trop</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue « %1 »</translation>
    </message>
    <message>
        <source>Usage: %1 [OPTION]
Sticky notes in the tray. With a copy running, an option is carried out by it.

</source>
        <translation>Utilisation : %1 [OPTION]
Notes adhésives dans la zone de notification. Si le programme tourne déjà, c’est lui qui exécute l’option.

</translation>
    </message>
    <message>
        <source>
Global shortcuts, where the desktop offers them: Ctrl+Alt+Shift+N makes a new note,
Ctrl+Alt+Shift+H shows or hides all notes.
</source>
        <translation>
Raccourcis globaux, si l’environnement de bureau les propose : Ctrl+Alt+Shift+N crée une nouvelle note,
Ctrl+Alt+Shift+H affiche ou masque toutes les notes.
</translation>
    </message>
    <message>
        <source>open the All Notes window</source>
        <translation>ouvrir la fenêtre Toutes les notes</translation>
    </message>
    <message>
        <source>make a new note, holding TEXT if given (&quot;-&quot;: standard input);
print its file name</source>
        <translation>créer une nouvelle note, contenant TEXT s’il est donné (« - » : entrée standard) ;
afficher son nom de fichier</translation>
    </message>
    <message>
        <source>print FILE&lt;tab&gt;TITLE for every note, the last changed first</source>
        <translation>afficher FILE&lt;tab&gt;TITLE pour chaque note, la dernière modifiée d’abord</translation>
    </message>
    <message>
        <source>the same for the notes that hold every word in their title or
text, whatever the case and accents</source>
        <translation>de même pour les notes dont le titre ou le texte contient chaque mot,
sans tenir compte de la casse ni des accents</translation>
    </message>
    <message>
        <source>show the note, brought to the front and onto the screen</source>
        <translation>montrer la note, au premier plan et sur l’écran</translation>
    </message>
    <message>
        <source>print the note&apos;s title, an empty line and its text</source>
        <translation>afficher le titre de la note, une ligne vide et son texte</translation>
    </message>
    <message>
        <source>remind of the note at WHEN: a local date and time
(2026-12-24T18:00), or +Nm or +Nh from now; &quot;off&quot; clears it.
After --new-note TEXT, WHEN alone reminds of the new note</source>
        <translation>rappeler la note à WHEN : une date et une heure locales
(2026-12-24T18:00), ou +Nm ou +Nh à partir de maintenant ; « off » l’annule.
Après --new-note TEXT, WHEN seul rappelle la nouvelle note</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the words to look for</source>
        <translation>« %1 » a besoin des mots à chercher</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a note&apos;s file name (as --list prints it)</source>
        <translation>« %1 » a besoin du nom de fichier d’une note (tel que --list l’affiche)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs WHEN</source>
        <translation>« %1 » a besoin de WHEN</translation>
    </message>
    <message>
        <source>
FILE is a note&apos;s file name in the notes folder, as --list prints it. A missing
note ends with status 1, a wrong command line with 2. With no copy running, the
commands --list, --find and --text read the notes folder themselves, while the
commands --show, --remind and --new-note with TEXT start a copy that runs on.
</source>
        <translation>
FILE est le nom de fichier d’une note dans le dossier des notes, tel que --list
l’affiche. Une note absente termine avec le code 1, une ligne de commande erronée
avec 2. Sans copie en cours, les commandes --list, --find et --text lisent le dossier
elles-mêmes ; les commandes --show, --remind et --new-note avec TEXT en lancent une.
</translation>
    </message>
</context>
<context>
    <name>CommandSender</name>
    <message>
        <source>commands to the running copy are not supported on this system</source>
        <translation>les commandes au programme en cours ne sont pas prises en charge sur ce système</translation>
    </message>
    <message>
        <source>no D-Bus session bus to reach the running copy (%1)</source>
        <translation>aucun bus de session D-Bus pour joindre le programme en cours (%1)</translation>
    </message>
    <message>
        <source>the running copy does not answer on the D-Bus session bus</source>
        <translation>le programme en cours ne répond pas sur le bus de session D-Bus</translation>
    </message>
    <message>
        <source>the running copy did not take the command: %1</source>
        <translation>le programme en cours n’a pas accepté la commande : %1</translation>
    </message>
    <message>
        <source>the command failed in the running copy</source>
        <translation>la commande a échoué dans la copie en cours</translation>
    </message>
</context>
<context>
    <name>DeleteUndo</name>
    <message>
        <source>Note deleted</source>
        <translation>Note supprimée</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Rien à annuler</translation>
    </message>
    <message>
        <source>The note &quot;%1&quot; is no longer in the trash.</source>
        <translation>La note &quot;%1&quot; n’est plus dans la corbeille.</translation>
    </message>
</context>
<context>
    <name>DeletedNotes</name>
    <message>
        <source>The note &quot;%1&quot; cannot be taken back from the trash.</source>
        <translation>La note « %1 » ne peut pas être récupérée de la corbeille.</translation>
    </message>
</context>
<context>
    <name>FontChooser</name>
    <message>
        <source>Size must be between 1 and %1.</source>
        <translation>La taille doit être comprise entre 1 et %1.</translation>
    </message>
</context>
<context>
    <name>GlobalShortcutActions</name>
    <message>
        <source>The global shortcut %1 for &quot;%2&quot; is held by %3 (%4).</source>
        <translation>Le raccourci global %1 pour « %2 » est déjà utilisé par %3 (%4).</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>un autre programme</translation>
    </message>
    <message>
        <source>The %1 gave no global shortcuts; asking the next way.</source>
        <translation>%1 : aucun raccourci global obtenu ; essai de la méthode suivante.</translation>
    </message>
    <message>
        <source>This desktop offers no global shortcuts; bind &quot;%1&quot; in its keyboard settings.</source>
        <translation>Ce bureau n&apos;offre aucun raccourci global ; associez « %1 » dans ses paramètres du clavier.</translation>
    </message>
    <message>
        <source>%1 is held by %2.</source>
        <translation>%1 est pris par %2.</translation>
    </message>
</context>
<context>
    <name>GlobalShortcuts</name>
    <message>
        <source>New Note</source>
        <translation>Nouvelle note</translation>
    </message>
    <message>
        <source>New Note from Clipboard</source>
        <translation>Nouvelle note depuis le presse-papiers</translation>
    </message>
    <message>
        <source>Show/Hide All Notes</source>
        <translation>Afficher/masquer toutes les notes</translation>
    </message>
    <message>
        <source>All Notes</source>
        <translation>Toutes les notes</translation>
    </message>
</context>
<context>
    <name>KdeShortcuts</name>
    <message>
        <source>KDE global shortcuts</source>
        <translation>Raccourcis globaux de KDE</translation>
    </message>
</context>
<context>
    <name>NoteAnnouncer</name>
    <message>
        <source>Note opened: %1</source>
        <translation>Note ouverte : %1</translation>
    </message>
    <message>
        <source>Notes opened: %1</source>
        <translation>Notes ouvertes : %1</translation>
    </message>
    <message>
        <source>Note closed: %1</source>
        <translation>Note fermée : %1</translation>
    </message>
    <message>
        <source>Notes closed: %1</source>
        <translation>Notes fermées : %1</translation>
    </message>
    <message>
        <source>Note deleted: %1</source>
        <translation>Note supprimée : %1</translation>
    </message>
    <message>
        <source>Notes deleted: %1</source>
        <translation>Notes supprimées : %1</translation>
    </message>
</context>
<context>
    <name>NoteCollection</name>
    <message>
        <source>Cannot open the notes folder &quot;%1&quot;.</source>
        <translation>Impossible d’ouvrir le dossier des notes « %1 ».</translation>
    </message>
    <message>
        <source>The note &quot;%1&quot; cannot be read.</source>
        <translation>La note « %1 » ne peut pas être lue.</translation>
    </message>
</context>
<context>
    <name>NoteDocument</name>
    <message>
        <source>Cannot load the note file &quot;%1&quot;: %2</source>
        <translation>Impossible de charger le fichier de note « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>NoteEditor</name>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Font Color...</source>
        <translation>Couleur du texte...</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Police...</translation>
    </message>
    <message>
        <source>Bullets...</source>
        <translation>Puces...</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>Barré</translation>
    </message>
    <message>
        <source>Left Justify</source>
        <translation>Aligner à gauche</translation>
    </message>
    <message>
        <source>Right Justify</source>
        <translation>Aligner à droite</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centrer</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Liste à cocher</translation>
    </message>
    <message>
        <source>%1% of the note&apos;s width</source>
        <translation>%1 % de la largeur de la note</translation>
    </message>
    <message>
        <source>Original size</source>
        <translation>Taille d’origine</translation>
    </message>
    <message>
        <source>Tick or untick the check item</source>
        <translation>Cocher ou décocher l’élément</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Open the text menu at the caret (also the Menu key)</source>
        <translation>Ouvrir le menu du texte au curseur (aussi avec la touche Menu)</translation>
    </message>
</context>
<context>
    <name>NoteExport</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Impossible d’écrire « %1 » : %2</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note sans titre</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>le dossier n’existe pas</translation>
    </message>
</context>
<context>
    <name>NoteFile</name>
    <message>
        <source>The header field &quot;%1&quot; is not a hexadecimal number.</source>
        <translation>Le champ d’en-tête « %1 » n’est pas un nombre hexadécimal.</translation>
    </message>
    <message>
        <source>The note file has fewer than two lines.</source>
        <translation>Le fichier de note compte moins de deux lignes.</translation>
    </message>
    <message>
        <source>The header &quot;%1&quot; is too short.</source>
        <translation>L’en-tête « %1 » est trop court.</translation>
    </message>
    <message>
        <source>Cannot write the note file &quot;%1&quot;: %2</source>
        <translation>Impossible d’écrire le fichier de note « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot open the note file &quot;%1&quot;: %2</source>
        <translation>Impossible d’ouvrir le fichier de note « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot read the note file &quot;%1&quot;: %2</source>
        <translation>Impossible de lire le fichier de note « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>NoteImport</name>
    <message>
        <source>&quot;%1&quot; cannot be imported. %2</source>
        <translation>Impossible d’importer « %1 ». %2</translation>
    </message>
</context>
<context>
    <name>NoteKeyboardMove</name>
    <message>
        <source>Move with the arrow keys; Enter keeps, Escape cancels</source>
        <translation>Déplacer avec les flèches ; Enter valide, Escape annule</translation>
    </message>
    <message>
        <source>Size with the arrow keys; Enter keeps, Escape cancels</source>
        <translation>Redimensionner avec les flèches ; Enter valide, Escape annule</translation>
    </message>
</context>
<context>
    <name>NoteKeys</name>
    <message>
        <source>New Note</source>
        <translation>Nouvelle note</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close at once</source>
        <translation>Fermer immédiatement</translation>
    </message>
    <message>
        <source>Open the note menu</source>
        <translation>Ouvrir le menu de la note</translation>
    </message>
    <message>
        <source>Edit the title</source>
        <translation>Modifier le titre</translation>
    </message>
    <message>
        <source>Move the note: arrow keys, then Enter or Escape</source>
        <translation>Déplacer la note : flèches, puis Enter ou Escape</translation>
    </message>
    <message>
        <source>Size the note: arrow keys, then Enter or Escape</source>
        <translation>Redimensionner la note : flèches, puis Enter ou Escape</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
</context>
<context>
    <name>NoteLimits</name>
    <message>
        <source>Cannot open the note file &quot;%1&quot;: %2</source>
        <translation>Impossible d’ouvrir le fichier de note « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot read the note file &quot;%1&quot;: %2</source>
        <translation>Impossible de lire le fichier de note « %1 » : %2</translation>
    </message>
    <message>
        <source>Its text has %1 characters; notes of up to %2 characters open.</source>
        <translation>Son texte compte %1 caractères ; seules les notes de %2 caractères au plus s’ouvrent.</translation>
    </message>
    <message>
        <source>One of its paragraphs has %1 characters; paragraphs of up to %2 characters open.</source>
        <translation>Un de ses paragraphes compte %1 caractères ; seuls les paragraphes de %2 caractères au plus s’ouvrent.</translation>
    </message>
    <message>
        <source>Its file has %1 MB besides its pictures; notes of up to %2 MB besides their pictures open.</source>
        <translation>Son fichier compte %1 Mo hors images ; seules les notes de %2 Mo au plus hors images s’ouvrent.</translation>
    </message>
</context>
<context>
    <name>NoteListModel</name>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Modifiée</translation>
    </message>
</context>
<context>
    <name>NoteListing</name>
    <message>
        <source>there is no note &quot;%1&quot; in %2</source>
        <translation>il n’y a pas de note « %1 » dans %2</translation>
    </message>
</context>
<context>
    <name>NoteLock</name>
    <message>
        <source>Locked</source>
        <translation>Verrouillée</translation>
    </message>
</context>
<context>
    <name>NoteMenu</name>
    <message>
        <source>New Note</source>
        <translation>Nouvelle note</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Opacity         </source>
        <translation>Opacité         </translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Send Mail</source>
        <translation>Envoyer par courriel</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Are you sure want to delete the note?</source>
        <translation>Voulez-vous vraiment supprimer la note ?</translation>
    </message>
    <message>
        <source>Delete Confirmation</source>
        <translation>Confirmer la suppression</translation>
    </message>
</context>
<context>
    <name>NoteNaming</name>
    <message>
        <source>New Note</source>
        <translation>Nouvelle note</translation>
    </message>
</context>
<context>
    <name>NoteReminders</name>
    <message>
        <source>Reminder</source>
        <translation>Rappel</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Snooze 10 minutes</source>
        <translation>Rappeler dans 10 minutes</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>NoteStateControl</name>
    <message>
        <source>Always on Top</source>
        <translation>Toujours au premier plan</translation>
    </message>
    <message>
        <source>On All Workspaces</source>
        <translation>Sur tous les espaces de travail</translation>
    </message>
    <message>
        <source>Roll Up</source>
        <translation>Enrouler</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Verrouiller</translation>
    </message>
</context>
<context>
    <name>NotesFolderSync</name>
    <message>
        <source>The note file &quot;%1&quot; in &quot;%2&quot; cannot be opened: its name is not valid UTF-8. Rename it to open it as a note; until then Paperlet leaves it as it is.</source>
        <translation>Impossible d’ouvrir le fichier de note « %1 » dans « %2 » : son nom n’est pas en UTF-8 valide. Renommez-le pour l’ouvrir comme note ; d’ici là, Paperlet le laisse tel quel.</translation>
    </message>
</context>
<context>
    <name>OversizedNote</name>
    <message>
        <source>This note is too large to open here. %1

The file &quot;%2&quot; is left as it is: Paperlet neither changes nor removes it. Once it is small enough, it opens here.</source>
        <translation>Cette note est trop volumineuse pour être ouverte ici. %1

Le fichier « %2 » reste tel quel : Paperlet ne le modifie ni ne le supprime. Dès qu’il sera assez petit, il s’ouvrira ici.</translation>
    </message>
</context>
<context>
    <name>PortalShortcuts</name>
    <message>
        <source>desktop portal</source>
        <translation>portail du bureau</translation>
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
        <translation>« %1 » n’est pas une heure : indiquez une date et une heure locales (2026-12-24T18:00), +Nm ou +Nh</translation>
    </message>
</context>
<context>
    <name>RescueLog</name>
    <message>
        <source>Cannot add to the list of rescued notes &quot;%1&quot;: %2</source>
        <translation>Impossible de compléter la liste des notes sauvées « %1 » : %2</translation>
    </message>
    <message>
        <source>Rescued Notes</source>
        <translation>Notes sauvées</translation>
    </message>
    <message>
        <source>Some notes could not be saved in their own files when Paperlet last closed. Their copies were saved here:
</source>
        <translation>À la dernière fermeture de Paperlet, certaines notes n’ont pas pu être enregistrées dans leur propre fichier. Leurs copies ont été enregistrées ici :
</translation>
    </message>
</context>
<context>
    <name>ScriptCommands</name>
    <message>
        <source>the text is longer than a note takes (%1 characters)</source>
        <translation>le texte est plus long qu’une note ne peut contenir (%1 caractères)</translation>
    </message>
    <message>
        <source>the note &quot;%1&quot; cannot be changed</source>
        <translation>la note « %1 » ne peut pas être modifiée</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossible de créer le fichier « %1 ». %2</translation>
    </message>
</context>
<context>
    <name>ShortcutSettings</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossible de créer le fichier « %1 ». %2</translation>
    </message>
</context>
<context>
    <name>StoredNotes</name>
    <message>
        <source>the stored notes are only read here</source>
        <translation>les notes enregistrées sont seulement lues ici</translation>
    </message>
</context>
<context>
    <name>T</name>
    <message>
        <source>X11 key grab</source>
        <translation>capture de touche X11</translation>
    </message>
    <message>
        <source>no such key on this keyboard</source>
        <translation>cette touche n’existe pas sur ce clavier</translation>
    </message>
</context>
<context>
    <name>TFR_ABOUT</name>
    <message>
        <source>Copyright © 2024 The Paperlet developers</source>
        <translation>Copyright © 2024 Les développeurs de Paperlet</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
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
        <translation>Toutes les notes</translation>
    </message>
    <message>
        <source>Search notes</source>
        <translation>Rechercher dans les notes</translation>
    </message>
    <message>
        <source>S&amp;ort by:</source>
        <translation>&amp;Trier par :</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>Dernière modification</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>Trier par</translation>
    </message>
    <message>
        <source>&amp;Notes</source>
        <translation>Les &amp;notes</translation>
    </message>
    <message>
        <source>&amp;Recently Deleted</source>
        <translation>&amp;Récemment supprimées</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Les notes</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Afficher</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>&amp;Selected Notes Only</source>
        <translation>&amp;Seulement les notes sélectionnées</translation>
    </message>
    <message>
        <source>&amp;Plain Text...</source>
        <translation>Texte &amp;brut...</translation>
    </message>
    <message>
        <source>&amp;Markdown...</source>
        <translation>En &amp;Markdown...</translation>
    </message>
    <message>
        <source>&amp;HTML...</source>
        <translation>En &amp;HTML...</translation>
    </message>
    <message>
        <source>&amp;Zip Backup of All Notes...</source>
        <translation>Sauvegarde &amp;zip de toutes les notes...</translation>
    </message>
    <message>
        <source>&amp;Files...</source>
        <translation>&amp;Fichiers...</translation>
    </message>
    <message>
        <source>&amp;Xpad Notes</source>
        <translation>Notes &amp;Xpad</translation>
    </message>
    <message>
        <source>Recently deleted notes</source>
        <translation>Notes récemment supprimées</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Supprimée</translation>
    </message>
    <message>
        <source>R&amp;estore</source>
        <translation>R&amp;estaurer</translation>
    </message>
    <message>
        <source>Export Notes To</source>
        <translation>Exporter les notes vers</translation>
    </message>
    <message>
        <source>Paperlet notes %1.zip</source>
        <translation>Notes Paperlet %1.zip</translation>
    </message>
    <message>
        <source>Zip Backup</source>
        <translation>Sauvegarde zip</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>Archives zip (*.zip)</translation>
    </message>
    <message>
        <source>The notes are backed up in %1.</source>
        <translation>Les notes sont sauvegardées dans %1.</translation>
    </message>
    <message>
        <source>Import Notes</source>
        <translation>Importer des notes</translation>
    </message>
    <message>
        <source>Notes and text (*.pnf *.txt *.md);;All files (*)</source>
        <translation>Notes et texte (*.pnf *.txt *.md);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Notes deleted: %1. Ctrl+Z takes them back.</source>
        <translation>Notes supprimées : %1. Ctrl+Z les récupère.</translation>
    </message>
    <message>
        <source>Notes restored: %1.</source>
        <translation>Notes restaurées : %1.</translation>
    </message>
    <message>
        <source>Notes exported to %1: %2.</source>
        <translation>Notes exportées vers %1 : %2.</translation>
    </message>
    <message>
        <source>Notes imported: %1.</source>
        <translation>Notes importées : %1.</translation>
    </message>
</context>
<context>
    <name>TFR_NOTE</name>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Double click to edit title</source>
        <translation>Double-cliquez pour modifier le titre</translation>
    </message>
    <message>
        <source>No Name</source>
        <translation>Sans nom</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>
The note stays open so that its text is not lost.</source>
        <translation>
La note reste ouverte pour que son texte ne soit pas perdu.</translation>
    </message>
    <message>
        <source>Note text</source>
        <translation>Texte de la note</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Redimensionner</translation>
    </message>
    <message>
        <source>Reminder: %1</source>
        <translation>Rappel : %1</translation>
    </message>
    <message>
        <source>Reminder: %1 (%2)</source>
        <translation>Rappel : %1 (%2)</translation>
    </message>
    <message>
        <source>Reminder...</source>
        <translation>Rappel...</translation>
    </message>
</context>
<context>
    <name>TFR_PLT_MAIN</name>
    <message>
        <source>Paperlet
Double click for new note!</source>
        <translation>Paperlet
Double-clic pour une nouvelle note !</translation>
    </message>
    <message>
        <source>Paperlet</source>
        <translation>Paperlet</translation>
    </message>
    <message>
        <source>Double click for new note!</source>
        <translation>Double-clic pour une nouvelle note !</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>Nouvelle note</translation>
    </message>
    <message>
        <source>Show All Notes</source>
        <translation>Afficher toutes les notes</translation>
    </message>
    <message>
        <source>Hide All Notes</source>
        <translation>Masquer toutes les notes</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>All Notes...</source>
        <translation>Toutes les notes...</translation>
    </message>
</context>
<context>
    <name>TFR_REMINDER</name>
    <message>
        <source>Reminder</source>
        <translation>Rappel</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Date :</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Heure :</translation>
    </message>
    <message>
        <source>&amp;Repeat:</source>
        <translation>&amp;Répéter :</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Tous les jours</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>En semaine</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Toutes les semaines</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Tous les mois</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Tous les ans</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>E&amp;ffacer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TFR_SETTINGS</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Load on startup</source>
        <translation>Lancer à l’ouverture de session</translation>
    </message>
    <message>
        <source>Check updates automatically</source>
        <translation>Mises à jour automatiques</translation>
    </message>
    <message>
        <source>Default Note</source>
        <translation>Note par défaut</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titre :</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>Nouvelle note</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Date Time</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>Opacité :</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Couleur :</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Police :</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Exemple</translation>
    </message>
    <message>
        <source>Font Color:</source>
        <translation>Texte :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts...</source>
        <translation>&amp;Raccourcis clavier...</translation>
    </message>
</context>
<context>
    <name>TFR_SHORTCUTS</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Command to bind</source>
        <translation>Commande à associer</translation>
    </message>
    <message>
        <source>This desktop offers programs no global shortcuts. Bind this command to a key in the desktop&apos;s own keyboard settings instead:</source>
        <translation>Ce bureau n&apos;offre aucun raccourci global aux programmes. Associez plutôt cette commande à une touche dans ses propres paramètres du clavier :</translation>
    </message>
    <message>
        <source>These keys work in every program; they are registered through the %1.</source>
        <translation>Ces touches fonctionnent dans tous les programmes ; elles sont enregistrées par : %1.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Remove the shortcut of %1</source>
        <translation>Supprimer le raccourci de %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Removed: %1 went to &quot;%2&quot;.</source>
        <translation>Supprimé : %1 est passé à « %2 ».</translation>
    </message>
</context>
<context>
    <name>ThemeRegistry</name>
    <message>
        <source>Cannot register theme</source>
        <translation>Impossible d’enregistrer le thème</translation>
    </message>
    <message>
        <source>Theme %1 is already registered</source>
        <translation>Le thème %1 est déjà enregistré</translation>
    </message>
    <message>
        <source>Unknown theme %1</source>
        <translation>Thème inconnu %1</translation>
    </message>
</context>
<context>
    <name>UpdateReport</name>
    <message>
        <source>You are already using the most recent version of Paperlet.
Please check in future!</source>
        <translation>Vous utilisez déjà la version la plus récente de Paperlet.
Revenez vérifier plus tard !</translation>
    </message>
    <message>
        <source>Your version is:         %1
Current version is:    %2

A newer version is available.
Do you want to download new version?</source>
        <translation>Votre version :          %1
Version actuelle :      %2

Une version plus récente est disponible.
Voulez-vous télécharger la nouvelle version ?</translation>
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
        <translation>Raccourcis Windows</translation>
    </message>
</context>
<context>
    <name>ZipWriter</name>
    <message>
        <source>The archive would be too large.</source>
        <translation>L’archive serait trop grande.</translation>
    </message>
    <message>
        <source>The archive cannot be written: %1</source>
        <translation>L’archive ne peut pas être écrite : %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Paperlet Already Running!</source>
        <translation>Paperlet est déjà lancé !</translation>
    </message>
    <message>
        <source>no display could be opened (%1)</source>
        <translation>impossible d’ouvrir un affichage (%1)</translation>
    </message>
    <message>
        <source>the program could not be started: %1</source>
        <translation>le programme n’a pas pu être lancé : %1</translation>
    </message>
</context>
</TS>
