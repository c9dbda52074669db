<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>main</name>
    <message>
        <source>cannot write the output: %1</source>
        <extracomment>Printed to a terminal when --help or --version cannot write its text; %1 says why.</extracomment>
        <translation>impossible d&apos;écrire la sortie : %1</translation>
    </message>
</context>
<context>
    <name>modChromel</name>
    <message>
        <source>A small, fast colour picker for the web. Version %1</source>
        <extracomment>The About box, under the program&apos;s name; %1 is the version number.</extracomment>
        <translation>Un petit sélecteur de couleurs rapide pour le web. Version %1</translation>
    </message>
</context>
<context>
    <name>swatchly::FileError</name>
    <message>
        <source>Type mismatch</source>
        <translation>Type incompatible</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disque plein</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Lecture au-delà de la fin du fichier</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Erreur d&apos;accès au chemin/fichier</translation>
    </message>
    <message>
        <source>Locked by another copy of the program</source>
        <translation>Verrouillé par une autre copie du programme</translation>
    </message>
</context>
<context>
    <name>swatchly::TypeAheadCombo</name>
    <message>
        <source>Sorry, but there is no match for &apos;%1&apos;.</source>
        <extracomment>%1 is the text typed into a name box.</extracomment>
        <translation>Désolé, aucune correspondance pour &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Find Results</source>
        <translation>Résultat de la recherche</translation>
    </message>
</context>
<context>
    <name>swatchly::clsFindFile</name>
    <message>
        <source>Unknown</source>
        <extracomment>The text of a file time that cannot be told.</extracomment>
        <translation>Inconnue</translation>
    </message>
    <message>
        <source>Cancel the current search?</source>
        <translation>Annuler la recherche en cours ?</translation>
    </message>
    <message>
        <source>%1 could not be found!</source>
        <extracomment>%1 is the file or pattern searched for.</extracomment>
        <translation>%1 est introuvable !</translation>
    </message>
</context>
<context>
    <name>swatchly::frmSavetxt</name>
    <message>
        <source>&lt;&lt;&lt;Please list a file to Delete &gt;&gt;&gt;.</source>
        <translation>&lt;&lt;&lt;Veuillez indiquer un fichier à supprimer &gt;&gt;&gt;.</translation>
    </message>
    <message>
        <source>No File Listed...</source>
        <translation>Aucun fichier indiqué...</translation>
    </message>
    <message>
        <source>You may only Export (Change) this File.</source>
        <translation>Ce fichier peut seulement être exporté (modifié).</translation>
    </message>
    <message>
        <source>System File, Can Not Delete!</source>
        <translation>Fichier système, suppression impossible !</translation>
    </message>
    <message>
        <source>Delete %1     ... Is this your Final Answer?<byte value="xd"/>
<byte value="xd"/>
Hint: You may Change (Export) this Color Scheme instead of Deleting this file.</source>
        <extracomment>%1 is the scheme file&apos;s name.</extracomment>
        <translation>Supprimer %1     ... C&apos;est votre dernier mot ?<byte value="xd"/>
<byte value="xd"/>
Astuce : au lieu de supprimer ce fichier, vous pouvez modifier (exporter) ce jeu de couleurs.</translation>
    </message>
    <message>
        <source>I don&apos;t want this File any more. Correct?</source>
        <translation>Je ne veux plus de ce fichier. C&apos;est bien ça ?</translation>
    </message>
    <message>
        <source>You can not delete a file that doesn&apos;t exist!</source>
        <translation>Impossible de supprimer un fichier qui n&apos;existe pas !</translation>
    </message>
    <message>
        <source>No such File!</source>
        <translation>Fichier inexistant !</translation>
    </message>
    <message>
        <source>Save/Replace/Delete the User Defined Color Scheme Files</source>
        <extracomment>The scheme window&apos;s title.</extracomment>
        <translation>Enregistrer/remplacer/supprimer les jeux de couleurs personnalisées</translation>
    </message>
    <message>
        <source>Import...</source>
        <extracomment>Scheme window, a button: 81 x 33 px.</extracomment>
        <translation>Importer...</translation>
    </message>
    <message>
        <source>Export...</source>
        <extracomment>Scheme window, a button: 81 x 33 px.</extracomment>
        <translation>Exporter...</translation>
    </message>
    <message>
        <source>Type in/Select a file name  for your Color Scheme</source>
        <extracomment>Scheme window, under the name box, one line: 241 px.</extracomment>
        <translation>Saisir/choisir un nom pour votre jeu de couleurs</translation>
    </message>
    <message>
        <source>Import - Open a File - Replaces the User Defined Colors%1Export - Saves  the current User Defined Colors to this File.</source>
        <extracomment>Scheme window, the explanation at the top: 289 x 41 px, three lines at most. %1 is a run of blanks that pushes the second sentence onto a line of its own.</extracomment>
        <translation>Importer - ouvre un fichier et remplace vos couleurs%1Exporter - enregistre vos couleurs actuelles dans ce fichier.</translation>
    </message>
    <message>
        <source>Select an Option</source>
        <extracomment>Scheme window, the frame of the two options: 209 px.</extracomment>
        <translation>Choisissez une option</translation>
    </message>
    <message>
        <source>Import a Color Scheme    (Open File)</source>
        <extracomment>Scheme window, an option: 193 px with its circle.</extracomment>
        <translation>Importer des couleurs  (ouvrir)</translation>
    </message>
    <message>
        <source>Replace the User Defined Colors with this files Colors</source>
        <translation>Remplace les couleurs personnalisées par celles de ce fichier</translation>
    </message>
    <message>
        <source>Export a Color Scheme    (Save File)</source>
        <extracomment>Scheme window, an option: 193 px with its circle.</extracomment>
        <translation>Exporter des couleurs  (enregistrer)</translation>
    </message>
    <message>
        <source>Open  New/Change File to Save a Color Scheme.</source>
        <translation>Ouvrir un fichier nouveau/existant pour y enregistrer un jeu de couleurs.</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Scheme window, a button: 41 x 33 px.</extracomment>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Scheme window, a button: 41 x 33 px.</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The scheme files in the program folder</source>
        <translation>Les fichiers de jeux de couleurs du dossier du programme</translation>
    </message>
    <message>
        <source>Saves the User Defined Colors to the named file</source>
        <translation>Enregistre les couleurs personnalisées dans le fichier indiqué</translation>
    </message>
    <message>
        <source>Deletes the named scheme file</source>
        <translation>Supprime le fichier de jeu de couleurs indiqué</translation>
    </message>
    <message>
        <source>A scheme name cannot contain a folder; please type a plain file name.</source>
        <translation>Un nom de jeu de couleurs ne peut pas contenir de dossier ; veuillez saisir un simple nom de fichier.</translation>
    </message>
    <message>
        <source>Invalid File Name</source>
        <translation>Nom de fichier non valide</translation>
    </message>
    <message>
        <source>There was a problem with this file! %1%2</source>
        <extracomment>%1 is the failure&apos;s number, %2 its description (&quot;Permission denied&quot;), without a blank between them.</extracomment>
        <translation>Ce fichier pose un problème ! %1%2</translation>
    </message>
    <message>
        <source>You must select a file, please!</source>
        <translation>Veuillez choisir un fichier !</translation>
    </message>
    <message>
        <source>No File Selected</source>
        <translation>Aucun fichier choisi</translation>
    </message>
    <message>
        <source>Error Openning File</source>
        <translation>Erreur à l&apos;ouverture du fichier</translation>
    </message>
    <message>
        <source>File Error, Does this file exist?</source>
        <translation>Erreur de fichier : ce fichier existe-t-il ?</translation>
    </message>
    <message>
        <source>You must name the file!</source>
        <translation>Vous devez nommer le fichier !</translation>
    </message>
    <message>
        <source>No file Name!</source>
        <translation>Aucun nom de fichier !</translation>
    </message>
    <message>
        <source>1. File already exits, Write over it?...............Select Yes <byte value="xd"/>
<byte value="xd"/>
2. I want to create a New File (New Name) Select No <byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>1. Le fichier existe déjà, l&apos;écraser ?...............Choisissez Oui <byte value="xd"/>
<byte value="xd"/>
2. Je veux créer un nouveau fichier (nouveau nom) : choisissez Non <byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Use this file... %1---- Select an Option! </source>
        <extracomment>The title of the box that asks before writing over a scheme; %1 is its name.</extracomment>
        <translation>Utiliser ce fichier... %1---- Choisissez une option ! </translation>
    </message>
    <message>
        <source>A scheme name cannot contain a control character (a tab, a line break or another code that is not a letter); please type a plain file name.</source>
        <translation>Un nom de jeu de couleurs ne peut pas contenir de caractère de contrôle (tabulation, saut de ligne ou autre code qui n&apos;est pas une lettre) ; veuillez saisir un simple nom de fichier.</translation>
    </message>
    <message>
        <source>A scheme name cannot contain a character that changes the direction of the text; please type a plain file name.</source>
        <translation>Un nom de jeu de couleurs ne peut pas contenir de caractère qui change le sens du texte ; veuillez saisir un simple nom de fichier.</translation>
    </message>
    <message>
        <source>A scheme name needs at least one visible character; please type a plain file name.</source>
        <translation>Un nom de jeu de couleurs doit contenir au moins un caractère visible ; veuillez saisir un simple nom de fichier.</translation>
    </message>
</context>
<context>
    <name>swatchly::frmSendEmail</name>
    <message>
        <source>Please send me any new information!</source>
        <extracomment>Feedback window, the messages offered for the body: 201 px.</extracomment>
        <translation>Envoyez-moi toutes les nouveautés, s&apos;il vous plaît !</translation>
    </message>
    <message>
        <source>Please Do Not send any information.</source>
        <translation>Merci de ne m&apos;envoyer aucune information.</translation>
    </message>
    <message>
        <source>I like using the Swatchly.</source>
        <translation>J&apos;aime utiliser Swatchly.</translation>
    </message>
    <message>
        <source>I Do Not like the Swatchly.</source>
        <translation>Je n&apos;aime pas Swatchly.</translation>
    </message>
    <message>
        <source>What is the web vexel form creator?</source>
        <translation>Qu&apos;est-ce que le créateur de formes vexel pour le web ?</translation>
    </message>
    <message>
        <source>SendEmail</source>
        <extracomment>The feedback window&apos;s title.</extracomment>
        <translation>Envoyer un e-mail</translation>
    </message>
    <message>
        <source>Main Address</source>
        <extracomment>Feedback window, the labels left of the fields: 76 px, one line.</extracomment>
        <translation>Destinataire</translation>
    </message>
    <message>
        <source>Carbon Copy</source>
        <translation>Copie (Cc)</translation>
    </message>
    <message>
        <source>Blind Copy</source>
        <translation>Copie cachée</translation>
    </message>
    <message>
        <source>Subject </source>
        <translation>Objet </translation>
    </message>
    <message>
        <source>Body Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>File Attached</source>
        <translation>Pièce jointe</translation>
    </message>
    <message>
        <source>Sending E-mail...</source>
        <extracomment>Feedback window, the send button: 201 px.</extracomment>
        <translation>Envoyer l&apos;e-mail...</translation>
    </message>
    <message>
        <source>Type a message or pick one</source>
        <translation>Saisissez un message ou choisissez-en un</translation>
    </message>
    <message>
        <source>Opens a new message in your mail program with these fields</source>
        <translation>Ouvre un nouveau message dans votre logiciel de messagerie avec ces champs</translation>
    </message>
</context>
<context>
    <name>swatchly::frmTintora</name>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Users Special Color %1</source>
        <translation>Couleur personnalisée %1</translation>
    </message>
    <message>
        <source>Chart colour %1</source>
        <translation>Couleur du nuancier %1</translation>
    </message>
    <message>
        <source>Hex Value</source>
        <translation>Valeur hexadécimale</translation>
    </message>
    <message>
        <source>The current colour in hexadecimal, red, green and blue</source>
        <translation>La couleur actuelle en hexadécimal, rouge, vert et bleu</translation>
    </message>
    <message>
        <source>Decimal Value</source>
        <translation>Valeur décimale</translation>
    </message>
    <message>
        <source>The current colour as one number</source>
        <translation>La couleur actuelle sous forme d&apos;un seul nombre</translation>
    </message>
    <message>
        <source>Click to show the clipboard</source>
        <translation>Cliquez pour afficher le presse-papiers</translation>
    </message>
    <message>
        <source>%1 vertical scroll bar</source>
        <extracomment>Screen readers: %1 is the value box (&quot;Hex Value&quot;).</extracomment>
        <translation>%1 – barre de défilement verticale</translation>
    </message>
    <message>
        <source>%1 horizontal scroll bar</source>
        <translation>%1 – barre de défilement horizontale</translation>
    </message>
    <message>
        <source>%1, 0 to 255</source>
        <extracomment>Screen readers: %1 is the channel (Red, Green or Blue).</extracomment>
        <translation>%1, 0 à 255</translation>
    </message>
    <message>
        <source>%1 slider value</source>
        <translation>%1 – valeur du curseur</translation>
    </message>
    <message>
        <source>%1 (decimal)</source>
        <translation>%1 (décimal)</translation>
    </message>
    <message>
        <source>0 to 255</source>
        <translation>0 à 255</translation>
    </message>
    <message>
        <source>%1 (hex)</source>
        <translation>%1 (hexa)</translation>
    </message>
    <message>
        <source>00 to FF</source>
        <translation>00 à FF</translation>
    </message>
    <message>
        <source>The colour mixed by the sliders</source>
        <translation>La couleur mélangée avec les curseurs</translation>
    </message>
    <message>
        <source>Decimal values</source>
        <translation>Valeurs décimales</translation>
    </message>
    <message>
        <source>Hexadecimal values</source>
        <translation>Valeurs hexadécimales</translation>
    </message>
    <message>
        <source>Makes the typed decimal values the current colour</source>
        <translation>Applique les valeurs décimales saisies comme couleur actuelle</translation>
    </message>
    <message>
        <source>Makes the typed hexadecimal values the current colour</source>
        <translation>Applique les valeurs hexadécimales saisies comme couleur actuelle</translation>
    </message>
    <message>
        <source>Type or pick a colour name</source>
        <translation>Saisissez ou choisissez un nom de couleur</translation>
    </message>
    <message>
        <source>More Colors, Font Select and Exit</source>
        <translation>Couleurs, Police et Quitter</translation>
    </message>
    <message>
        <source>Vexel Form Creator</source>
        <extracomment>The colour dialog&apos;s title.</extracomment>
        <translation>Créateur de formes vexel</translation>
    </message>
    <message>
        <source>Your ClipBoard is not Installed...</source>
        <translation>Le visualiseur du presse-papiers n&apos;est pas installé...</translation>
    </message>
    <message>
        <source>Hex Value (%1)</source>
        <extracomment>Main window, the mixed colour under the sliders; %1 is its hex value: 221 px, 12 pt bold.</extracomment>
        <translation>Valeur hexa (%1)</translation>
    </message>
    <message>
        <source>Are you sure you want to Exit... Swatchly?</source>
        <translation>Voulez-vous vraiment quitter Swatchly ?</translation>
    </message>
    <message>
        <source>Exit Program?</source>
        <translation>Quitter le programme ?</translation>
    </message>
    <message>
        <source>Your Users Special Colors could not be saved to the file &quot;%1&quot;: %2.

Do you want to exit without saving them?</source>
        <extracomment>%1 is the file&apos;s path, %2 why it failed (&quot;Permission denied&quot;).</extracomment>
        <translation>Vos couleurs personnalisées n&apos;ont pas pu être enregistrées dans le fichier « %1 » : %2.

Voulez-vous quitter sans les enregistrer ?</translation>
    </message>
    <message>
        <source>Pick from the Color Chart</source>
        <extracomment>Main window, the chart&apos;s frame (covered by the chart&apos;s title).
----------
Main window, the chart&apos;s title strip: 240 px, 13.5 pt bold.</extracomment>
        <translation>Choisir dans le nuancier</translation>
    </message>
    <message>
        <source> Users Special Colors</source>
        <extracomment>Main window, over the 14 boxes of the user&apos;s own colours: 241 px, 13.5 pt bold. The leading blank is a margin.</extracomment>
        <translation> Couleurs personnalisées</translation>
    </message>
    <message>
        <source>Tool Tips - ON</source>
        <extracomment>Main window, the tips switch: 113 px with its box.</extracomment>
        <translation>Infobulles - OUI</translation>
    </message>
    <message>
        <source>Color you Selected</source>
        <extracomment>Main window, the frame around the current colour: 217 px.</extracomment>
        <translation>Couleur choisie</translation>
    </message>
    <message>
        <source>The Currently Active Color</source>
        <translation>La couleur active</translation>
    </message>
    <message>
        <source>Color Values</source>
        <extracomment>Main window, the frame of the hex and decimal value boxes: 64 px, where the note about the clipboard begins.</extracomment>
        <translation>Valeurs</translation>
    </message>
    <message>
        <source>Hex Value<byte value="xd"/>
</source>
        <extracomment>Main window, the hex value box before a colour is picked: 65 px, two lines.</extracomment>
        <translation>Valeur hexa<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Hexidecimal Value </source>
        <translation>Valeur hexadécimale </translation>
    </message>
    <message>
        <source>  HTML Color       Value is in        the ClipBoard</source>
        <extracomment>Main window, between the value boxes: 73 x 41 px, centred; the runs of blanks break it into three lines of about 11 characters.</extracomment>
        <translation>Valeur HTML copiée dans le presse-papiers</translation>
    </message>
    <message>
        <source>Dec Value<byte value="xd"/>
</source>
        <extracomment>Main window, the decimal value box before a colour is picked: 65 px, two lines.</extracomment>
        <translation>Valeur déc.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Slide for a Color</source>
        <extracomment>Main window, the sliders&apos; frame: 237 px.</extracomment>
        <translation>Mélanger une couleur</translation>
    </message>
    <message>
        <source>Press to Change/Select Color Box</source>
        <extracomment>Main window, the button under the sliders: 220 px.</extracomment>
        <translation>Appliquer à la couleur choisie</translation>
    </message>
    <message>
        <source>Type in a Decimal Value in Each Box</source>
        <extracomment>Main window, the frame of the typed values: 217 px.</extracomment>
        <translation>Une valeur décimale dans chaque case</translation>
    </message>
    <message>
        <source>Type in a Hexadecimal Value in Each Box</source>
        <extracomment>Main window, inside the typed values&apos; frame, one line: 201 px.</extracomment>
        <translation>Une valeur hexa dans chaque case</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>Main window, the letters of the red, green and blue channels beside the typed values: 17 px each.</extracomment>
        <translation>R</translation>
    </message>
    <message>
        <source>G</source>
        <translation>V</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Main window, the buttons that take the typed values: 41 px.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Select Color Name</source>
        <extracomment>Main window, the frame of the colour-name box: 233 px.</extracomment>
        <translation>Choisir un nom de couleur</translation>
    </message>
    <message>
        <source>More  Colors...</source>
        <extracomment>Main window, opens the colour dialog: 73 x 33 px, two lines at most.</extracomment>
        <translation>Couleurs...</translation>
    </message>
    <message>
        <source>Font Select</source>
        <extracomment>Main window, opens the font dialog: 57 x 33 px, two lines at most.</extracomment>
        <translation>Police</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Main window, the exit button: 57 x 33 px.
----------
Main window, the File menu&apos;s last item.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>Main window, the menu.</extracomment>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Ex&amp;port</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>&amp;Email the Author</source>
        <translation>&amp;Envoyer un e-mail à l&apos;auteur</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Import</source>
        <extracomment>Main window, a tool bar button&apos;s name for screen readers, and its tip.</extracomment>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Opens a file - Replace the U.S.Colors.</source>
        <translation>Ouvre un fichier - remplace les couleurs personnalisées.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Save a file as a color scheme.</source>
        <translation>Enregistre un fichier comme jeu de couleurs.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Brings up the help file.</source>
        <translation>Ouvre le fichier d&apos;aide.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Send Author feedback.</source>
        <translation>Envoyer vos commentaires à l&apos;auteur.</translation>
    </message>
    <message>
        <source>Click to Select (Activate) this Color!</source>
        <translation>Cliquez pour choisir (activer) cette couleur !</translation>
    </message>
    <message>
        <source>  To Add your own Custom Colors to these Boxes<byte value="xd"/>
<byte value="xd"/>
Hold Down the Shift Key and Right Click your mouse button<byte value="xd"/>
<byte value="xd"/>
This box color will be the color of the &apos;Color you Selected&apos; Box<byte value="xd"/>
<byte value="xd"/>
You can change the color of the &apos;Users Special Color&apos; Boxes at any Time.<byte value="xd"/>
<byte value="xd"/>
The Users Special Colors are saved when any changes occur.</source>
        <extracomment>The balloon of the Users Special Colors boxes, 5 paragraphs.</extracomment>
        <translation>  Pour mettre vos propres couleurs dans ces cases :<byte value="xd"/>
<byte value="xd"/>
Maintenez la touche Maj enfoncée et cliquez avec le bouton droit de la souris.<byte value="xd"/>
<byte value="xd"/>
La case prend alors la couleur de la case « Couleur choisie ».<byte value="xd"/>
<byte value="xd"/>
Vous pouvez changer à tout moment la couleur des cases « Couleurs personnalisées ».<byte value="xd"/>
<byte value="xd"/>
Les couleurs personnalisées sont enregistrées à chaque modification.</translation>
    </message>
    <message>
        <source>Colors, colors and more colors...<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
   Just Show Me the Colors...</source>
        <extracomment>The balloon of the More Colors button, 50 px wide.</extracomment>
        <translation>Des couleurs, des couleurs et encore des couleurs...<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
   Montrez-moi les couleurs...</translation>
    </message>
    <message>
        <source>Use Either the Middle Bar <byte value="xd"/>
<byte value="xd"/>
or the End Arrows &lt; &gt;<byte value="xd"/>
<byte value="xd"/>
To Change the Value</source>
        <extracomment>The balloon of the three sliders, 75 px wide.</extracomment>
        <translation>Utilisez soit la barre du milieu <byte value="xd"/>
<byte value="xd"/>
soit les flèches &lt; &gt; aux extrémités<byte value="xd"/>
<byte value="xd"/>
pour changer la valeur</translation>
    </message>
    <message>
        <source>Changes the    font <byte value="xd"/>
of the  Slider display label.<byte value="xd"/>
<byte value="xd"/>
</source>
        <extracomment>The balloon of the Font Select button, 75 px wide; its last line shows the label&apos;s caption (the text of &quot;Hex Value (%1)&quot;).</extracomment>
        <translation>Change la    police <byte value="xd"/>
de l&apos;affichage  des curseurs.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Tool Tips - (ON)</source>
        <extracomment>Main window, the tips switch when on: 113 px with its box.</extracomment>
        <translation>Infobulles - (OUI)</translation>
    </message>
    <message>
        <source>v/ all tool tips are Activated</source>
        <translation>v/ toutes les infobulles sont activées</translation>
    </message>
    <message>
        <source>The Hexadecimal Value of the Color</source>
        <translation>La valeur hexadécimale de la couleur</translation>
    </message>
    <message>
        <source>The Decimal Value of the Color</source>
        <translation>La valeur décimale de la couleur</translation>
    </message>
    <message>
        <source>Enter in a Number from 0 To 255</source>
        <translation>Saisissez un nombre de 0 à 255</translation>
    </message>
    <message>
        <source>Enter in a Hex Number from 0 To FF (Upper Case Only)</source>
        <translation>Saisissez un nombre hexadécimal de 0 à FF (majuscules uniquement)</translation>
    </message>
    <message>
        <source>Shows the Decimal value.</source>
        <translation>Affiche la valeur décimale.</translation>
    </message>
    <message>
        <source>Type in Numbers from 0 To 255 then Click to Show and Activate this Color</source>
        <translation>Saisissez des nombres de 0 à 255, puis cliquez pour afficher et activer cette couleur</translation>
    </message>
    <message>
        <source>Type in Numbers (Hex) from 0 To FF (Upper Case) then Click to Show and Activate this Color</source>
        <translation>Saisissez des nombres hexadécimaux de 0 à FF (majuscules), puis cliquez pour afficher et activer cette couleur</translation>
    </message>
    <message>
        <source>Click to Show ClipBoard</source>
        <translation>Cliquez pour afficher le presse-papiers</translation>
    </message>
    <message>
        <source>Click in this box to Activate Name Shown</source>
        <translation>Cliquez dans cette zone pour activer le nom affiché</translation>
    </message>
    <message>
        <source>Tool Tips - (OFF)</source>
        <extracomment>Main window, the tips switch when off: 113 px with its box.</extracomment>
        <translation>Infobulles - (NON)</translation>
    </message>
    <message>
        <source>The %1 value &quot;%2&quot; is not a hexadecimal number from 00 to FF. Please correct it.</source>
        <extracomment>%1 is the channel (Red, Green or Blue), %2 the text typed.</extracomment>
        <translation>La valeur « %2 » du canal %1 n&apos;est pas un nombre hexadécimal de 00 à FF. Veuillez la corriger.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Hex Value</source>
        <extracomment>Main window, the second line of the value boxes under the value: 65 px. The box&apos;s first six characters are what the clipboard gets, so the line break stays first.</extracomment>
        <translation><byte value="xd"/>
Valeur hexa</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Decimal Value</source>
        <translation><byte value="xd"/>
Valeur déc.</translation>
    </message>
</context>
<context>
    <name>swatchly::help::HelpViewer</name>
    <message>
        <source>The help file could not be opened:
%1

%2</source>
        <extracomment>%1 is the help file&apos;s path, %2 why it could not be opened.</extracomment>
        <translation>Le fichier d&apos;aide n&apos;a pas pu être ouvert :
%1

%2</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>C&apos;est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Le fichier ne peut pas être lu : %1.</translation>
    </message>
    <message>
        <source>The file is not a compiled HTML help file.</source>
        <translation>Le fichier n&apos;est pas un fichier d&apos;aide HTML compilé.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Type in the keyword to find</source>
        <translation>Saisissez le mot-clé à rechercher</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Help toolbar</source>
        <translation>Barre d&apos;outils de l&apos;aide</translation>
    </message>
    <message>
        <source>Contents and Index</source>
        <translation>Sommaire et index</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Mot-clé</translation>
    </message>
    <message>
        <source>Help topic</source>
        <translation>Rubrique d&apos;aide</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>It is a named pipe (FIFO), not a file.</source>
        <translation>C&apos;est un tube nommé (FIFO), pas un fichier.</translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation>C&apos;est un périphérique, pas un fichier.</translation>
    </message>
    <message>
        <source>It is a socket or another special entry, not a file.</source>
        <translation>C&apos;est un socket ou une autre entrée spéciale, pas un fichier.</translation>
    </message>
</context>
<context>
    <name>swatchly::platform::ColourBox</name>
    <message>
        <source>Empty</source>
        <extracomment>Screen readers: a colour box that holds no colour.</extracomment>
        <translation>Vide</translation>
    </message>
</context>
<context>
    <name>swatchly::platform::CommandLine</name>
    <message>
        <source>Usage: swatchly [OPTION]...
Pick a colour from a chart, mix it with sliders, type it in decimal or hex or look it
up by name; its HTML value (&quot;#FF8000&quot;) lands on the clipboard.

  -h, --help       show this help and exit
      --version    show the version and exit

Qt&apos;s own options work too, for example -style NAME, -platform NAME,
-qwindowgeometry GEOMETRY and -reverse.

The colours and names live in plain text files; see swatchly(1) for where.
</source>
        <extracomment>swatchly --help, for a terminal: lines of 80 characters at most. Keep the option names.</extracomment>
        <translation>Utilisation : swatchly [OPTION]...
Choisissez une couleur dans un nuancier, mélangez-la avec des curseurs,
saisissez-la en décimal ou en hexadécimal, ou cherchez-la par son nom ;
sa valeur HTML (&quot;#FF8000&quot;) arrive dans le presse-papiers.

  -h, --help       afficher cette aide et quitter
      --version    afficher la version et quitter

Les options propres à Qt fonctionnent aussi, par exemple -style NOM,
-platform NOM, -qwindowgeometry GÉOMÉTRIE et -reverse.

Les couleurs et les noms se trouvent dans de simples fichiers texte ;
voir swatchly(1) pour leur emplacement.
</translation>
    </message>
    <message>
        <source>Try &apos;swatchly --help&apos; for more information.</source>
        <translation>Essayez &apos;swatchly --help&apos; pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>l&apos;option &apos;%1&apos; nécessite une valeur</translation>
    </message>
    <message>
        <source>no display to show the window on: neither DISPLAY nor WAYLAND_DISPLAY is set (-platform offscreen runs without one)</source>
        <extracomment>Printed to a terminal when no display can be had; keep DISPLAY, WAYLAND_DISPLAY and &quot;-platform offscreen&quot; as they are.</extracomment>
        <translation>aucun affichage où montrer la fenêtre : ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini (-platform offscreen fonctionne sans affichage)</translation>
    </message>
    <message>
        <source>cannot start the display platform &apos;%1&apos;</source>
        <extracomment>%1 is the name of a Qt platform plugin, as given by -platform or QT_QPA_PLATFORM.</extracomment>
        <translation>impossible de démarrer la plateforme d&apos;affichage &apos;%1&apos;</translation>
    </message>
    <message>
        <source>cannot connect to the X display &apos;%1&apos; or the Wayland display &apos;%2&apos;</source>
        <extracomment>%1 and %2 name an X display (&quot;:0&quot;) and a Wayland display (&quot;wayland-0&quot;).</extracomment>
        <translation>impossible de se connecter à l&apos;affichage X &apos;%1&apos; ou à l&apos;affichage Wayland &apos;%2&apos;</translation>
    </message>
    <message>
        <source>cannot connect to the X display &apos;%1&apos;</source>
        <translation>impossible de se connecter à l&apos;affichage X &apos;%1&apos;</translation>
    </message>
    <message>
        <source>cannot connect to the Wayland display &apos;%1&apos;</source>
        <translation>impossible de se connecter à l&apos;affichage Wayland &apos;%1&apos;</translation>
    </message>
    <message>
        <source>cannot connect to a display</source>
        <translation>impossible de se connecter à un affichage</translation>
    </message>
</context>
<context>
    <name>swatchly::platform::PortalColourPicker</name>
    <message>
        <source>Picking a color from the screen is not available on this desktop.</source>
        <translation>La capture d&apos;une couleur à l&apos;écran n&apos;est pas disponible sur ce bureau.</translation>
    </message>
</context>
</TS>
