<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>main</name>
    <message>
        <source>cannot write the output: %1</source>
        <extracomment>Printed to a terminal when --help or --version cannot write its text; %1 says why.</extracomment>
        <translation>die Ausgabe kann nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>modChromel</name>
    <message>
        <source>A small, fast colour picker for the web. Version %1</source>
        <extracomment>The About box, under the program&apos;s name; %1 is the version number.</extracomment>
        <translation>Ein kleiner, schneller Farbwähler für das Web. Version %1</translation>
    </message>
</context>
<context>
    <name>swatchly::FileError</name>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Lesen über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei</translation>
    </message>
    <message>
        <source>Locked by another copy of the program</source>
        <translation>Von einer anderen Kopie des Programms gesperrt</translation>
    </message>
</context>
<context>
    <name>swatchly::TypeAheadCombo</name>
    <message>
        <source>Sorry, but there is no match for &apos;%1&apos;.</source>
        <extracomment>%1 is the text typed into a name box.</extracomment>
        <translation>Leider gibt es keinen Treffer für &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Find Results</source>
        <translation>Suchergebnis</translation>
    </message>
</context>
<context>
    <name>swatchly::clsFindFile</name>
    <message>
        <source>Unknown</source>
        <extracomment>The text of a file time that cannot be told.</extracomment>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Cancel the current search?</source>
        <translation>Die laufende Suche abbrechen?</translation>
    </message>
    <message>
        <source>%1 could not be found!</source>
        <extracomment>%1 is the file or pattern searched for.</extracomment>
        <translation>%1 wurde nicht gefunden!</translation>
    </message>
</context>
<context>
    <name>swatchly::frmSavetxt</name>
    <message>
        <source>&lt;&lt;&lt;Please list a file to Delete &gt;&gt;&gt;.</source>
        <translation>&lt;&lt;&lt;Bitte geben Sie die zu löschende Datei an &gt;&gt;&gt;.</translation>
    </message>
    <message>
        <source>No File Listed...</source>
        <translation>Keine Datei angegeben...</translation>
    </message>
    <message>
        <source>You may only Export (Change) this File.</source>
        <translation>Diese Datei können Sie nur exportieren (ändern).</translation>
    </message>
    <message>
        <source>System File, Can Not Delete!</source>
        <translation>Systemdatei, Löschen nicht möglich!</translation>
    </message>
    <message>
        <source>Delete %1     ... Is this your Final Answer?<byte value="xd"/>
<byte value="xd"/>
Hint: You may Change (Export) this Color Scheme instead of Deleting this file.</source>
        <extracomment>%1 is the scheme file&apos;s name.</extracomment>
        <translation>%1 löschen     ... Ist das Ihr letztes Wort?<byte value="xd"/>
<byte value="xd"/>
Tipp: Statt die Datei zu löschen, können Sie dieses Farbschema auch ändern (exportieren).</translation>
    </message>
    <message>
        <source>I don&apos;t want this File any more. Correct?</source>
        <translation>Ich brauche diese Datei nicht mehr. Richtig?</translation>
    </message>
    <message>
        <source>You can not delete a file that doesn&apos;t exist!</source>
        <translation>Eine Datei, die nicht existiert, kann nicht gelöscht werden!</translation>
    </message>
    <message>
        <source>No such File!</source>
        <translation>Datei nicht vorhanden!</translation>
    </message>
    <message>
        <source>Save/Replace/Delete the User Defined Color Scheme Files</source>
        <extracomment>The scheme window&apos;s title.</extracomment>
        <translation>Farbschema-Dateien der eigenen Farben speichern/ersetzen/löschen</translation>
    </message>
    <message>
        <source>Import...</source>
        <extracomment>Scheme window, a button: 81 x 33 px.</extracomment>
        <translation>Importieren...</translation>
    </message>
    <message>
        <source>Export...</source>
        <extracomment>Scheme window, a button: 81 x 33 px.</extracomment>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Type in/Select a file name  for your Color Scheme</source>
        <extracomment>Scheme window, under the name box, one line: 241 px.</extracomment>
        <translation>Dateinamen für Ihr Farbschema eingeben/wählen</translation>
    </message>
    <message>
        <source>Import - Open a File - Replaces the User Defined Colors%1Export - Saves  the current User Defined Colors to this File.</source>
        <extracomment>Scheme window, the explanation at the top: 289 x 41 px, three lines at most. %1 is a run of blanks that pushes the second sentence onto a line of its own.</extracomment>
        <translation>Importieren - Datei öffnen - ersetzt die eigenen Farben%1Exportieren - speichert die aktuellen eigenen Farben in dieser Datei.</translation>
    </message>
    <message>
        <source>Select an Option</source>
        <extracomment>Scheme window, the frame of the two options: 209 px.</extracomment>
        <translation>Wählen Sie eine Option</translation>
    </message>
    <message>
        <source>Import a Color Scheme    (Open File)</source>
        <extracomment>Scheme window, an option: 193 px with its circle.</extracomment>
        <translation>Farbschema importieren  (öffnen)</translation>
    </message>
    <message>
        <source>Replace the User Defined Colors with this files Colors</source>
        <translation>Ersetzt die eigenen Farben durch die Farben dieser Datei</translation>
    </message>
    <message>
        <source>Export a Color Scheme    (Save File)</source>
        <extracomment>Scheme window, an option: 193 px with its circle.</extracomment>
        <translation>Farbschema exportieren  (speichern)</translation>
    </message>
    <message>
        <source>Open  New/Change File to Save a Color Scheme.</source>
        <translation>Neue/vorhandene Datei öffnen, um ein Farbschema zu speichern.</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Scheme window, a button: 41 x 33 px.</extracomment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Scheme window, a button: 41 x 33 px.</extracomment>
        <translation>Ende</translation>
    </message>
    <message>
        <source>The scheme files in the program folder</source>
        <translation>Die Schemadateien im Programmordner</translation>
    </message>
    <message>
        <source>Saves the User Defined Colors to the named file</source>
        <translation>Speichert die eigenen Farben in der angegebenen Datei</translation>
    </message>
    <message>
        <source>Deletes the named scheme file</source>
        <translation>Löscht die angegebene Schemadatei</translation>
    </message>
    <message>
        <source>A scheme name cannot contain a folder; please type a plain file name.</source>
        <translation>Ein Schemaname darf keinen Ordner enthalten; bitte geben Sie einen einfachen Dateinamen ein.</translation>
    </message>
    <message>
        <source>Invalid File Name</source>
        <translation>Ungültiger Dateiname</translation>
    </message>
    <message>
        <source>There was a problem with this file! %1%2</source>
        <extracomment>%1 is the failure&apos;s number, %2 its description (&quot;Permission denied&quot;), without a blank between them.</extracomment>
        <translation>Bei dieser Datei ist ein Problem aufgetreten! %1%2</translation>
    </message>
    <message>
        <source>You must select a file, please!</source>
        <translation>Bitte wählen Sie eine Datei aus!</translation>
    </message>
    <message>
        <source>No File Selected</source>
        <translation>Keine Datei ausgewählt</translation>
    </message>
    <message>
        <source>Error Openning File</source>
        <translation>Fehler beim Öffnen der Datei</translation>
    </message>
    <message>
        <source>File Error, Does this file exist?</source>
        <translation>Dateifehler - existiert diese Datei?</translation>
    </message>
    <message>
        <source>You must name the file!</source>
        <translation>Sie müssen der Datei einen Namen geben!</translation>
    </message>
    <message>
        <source>No file Name!</source>
        <translation>Kein Dateiname!</translation>
    </message>
    <message>
        <source>1. File already exits, Write over it?...............Select Yes <byte value="xd"/>
<byte value="xd"/>
2. I want to create a New File (New Name) Select No <byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>1. Die Datei existiert bereits. Überschreiben?...............„Ja“ wählen <byte value="xd"/>
<byte value="xd"/>
2. Ich möchte eine neue Datei (neuer Name) anlegen: „Nein“ wählen <byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Use this file... %1---- Select an Option! </source>
        <extracomment>The title of the box that asks before writing over a scheme; %1 is its name.</extracomment>
        <translation>Diese Datei verwenden... %1---- Wählen Sie eine Option! </translation>
    </message>
    <message>
        <source>A scheme name cannot contain a control character (a tab, a line break or another code that is not a letter); please type a plain file name.</source>
        <translation>Ein Schemaname darf kein Steuerzeichen enthalten (Tabulator, Zeilenumbruch oder einen anderen Code, der kein Buchstabe ist); bitte geben Sie einen einfachen Dateinamen ein.</translation>
    </message>
    <message>
        <source>A scheme name cannot contain a character that changes the direction of the text; please type a plain file name.</source>
        <translation>Ein Schemaname darf kein Zeichen enthalten, das die Schreibrichtung des Textes ändert; bitte geben Sie einen einfachen Dateinamen ein.</translation>
    </message>
    <message>
        <source>A scheme name needs at least one visible character; please type a plain file name.</source>
        <translation>Ein Schemaname braucht mindestens ein sichtbares Zeichen; bitte geben Sie einen einfachen Dateinamen ein.</translation>
    </message>
</context>
<context>
    <name>swatchly::frmSendEmail</name>
    <message>
        <source>Please send me any new information!</source>
        <extracomment>Feedback window, the messages offered for the body: 201 px.</extracomment>
        <translation>Bitte senden Sie mir alle Neuigkeiten!</translation>
    </message>
    <message>
        <source>Please Do Not send any information.</source>
        <translation>Bitte senden Sie mir keine Informationen.</translation>
    </message>
    <message>
        <source>I like using the Swatchly.</source>
        <translation>Ich benutze Swatchly gern.</translation>
    </message>
    <message>
        <source>I Do Not like the Swatchly.</source>
        <translation>Swatchly gefällt mir nicht.</translation>
    </message>
    <message>
        <source>What is the web vexel form creator?</source>
        <translation>Was ist der Web-Vexel-Formgestalter?</translation>
    </message>
    <message>
        <source>SendEmail</source>
        <extracomment>The feedback window&apos;s title.</extracomment>
        <translation>E-Mail senden</translation>
    </message>
    <message>
        <source>Main Address</source>
        <extracomment>Feedback window, the labels left of the fields: 76 px, one line.</extracomment>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Carbon Copy</source>
        <translation>Kopie (CC)</translation>
    </message>
    <message>
        <source>Blind Copy</source>
        <translation>Blindkopie</translation>
    </message>
    <message>
        <source>Subject </source>
        <translation>Betreff </translation>
    </message>
    <message>
        <source>Body Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>File Attached</source>
        <translation>Anhang</translation>
    </message>
    <message>
        <source>Sending E-mail...</source>
        <extracomment>Feedback window, the send button: 201 px.</extracomment>
        <translation>E-Mail senden...</translation>
    </message>
    <message>
        <source>Type a message or pick one</source>
        <translation>Nachricht eingeben oder eine auswählen</translation>
    </message>
    <message>
        <source>Opens a new message in your mail program with these fields</source>
        <translation>Öffnet in Ihrem E-Mail-Programm eine neue Nachricht mit diesen Angaben</translation>
    </message>
</context>
<context>
    <name>swatchly::frmTintora</name>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Users Special Color %1</source>
        <translation>Eigene Farbe %1</translation>
    </message>
    <message>
        <source>Chart colour %1</source>
        <translation>Farbtafel-Farbe %1</translation>
    </message>
    <message>
        <source>Hex Value</source>
        <translation>Hexwert</translation>
    </message>
    <message>
        <source>The current colour in hexadecimal, red, green and blue</source>
        <translation>Die aktuelle Farbe hexadezimal (Rot, Grün, Blau)</translation>
    </message>
    <message>
        <source>Decimal Value</source>
        <translation>Dezimalwert</translation>
    </message>
    <message>
        <source>The current colour as one number</source>
        <translation>Die aktuelle Farbe als eine Zahl</translation>
    </message>
    <message>
        <source>Click to show the clipboard</source>
        <translation>Klicken, um die Zwischenablage anzuzeigen</translation>
    </message>
    <message>
        <source>%1 vertical scroll bar</source>
        <extracomment>Screen readers: %1 is the value box (&quot;Hex Value&quot;).</extracomment>
        <translation>%1 – vertikale Bildlaufleiste</translation>
    </message>
    <message>
        <source>%1 horizontal scroll bar</source>
        <translation>%1 – horizontale Bildlaufleiste</translation>
    </message>
    <message>
        <source>%1, 0 to 255</source>
        <extracomment>Screen readers: %1 is the channel (Red, Green or Blue).</extracomment>
        <translation>%1, 0 bis 255</translation>
    </message>
    <message>
        <source>%1 slider value</source>
        <translation>%1 – Reglerwert</translation>
    </message>
    <message>
        <source>%1 (decimal)</source>
        <translation>%1 (dezimal)</translation>
    </message>
    <message>
        <source>0 to 255</source>
        <translation>0 bis 255</translation>
    </message>
    <message>
        <source>%1 (hex)</source>
        <translation>%1 (hex)</translation>
    </message>
    <message>
        <source>00 to FF</source>
        <translation>00 bis FF</translation>
    </message>
    <message>
        <source>The colour mixed by the sliders</source>
        <translation>Die mit den Reglern gemischte Farbe</translation>
    </message>
    <message>
        <source>Decimal values</source>
        <translation>Dezimalwerte</translation>
    </message>
    <message>
        <source>Hexadecimal values</source>
        <translation>Hexadezimalwerte</translation>
    </message>
    <message>
        <source>Makes the typed decimal values the current colour</source>
        <translation>Macht die eingegebenen Dezimalwerte zur aktuellen Farbe</translation>
    </message>
    <message>
        <source>Makes the typed hexadecimal values the current colour</source>
        <translation>Macht die eingegebenen Hexadezimalwerte zur aktuellen Farbe</translation>
    </message>
    <message>
        <source>Type or pick a colour name</source>
        <translation>Farbnamen eingeben oder auswählen</translation>
    </message>
    <message>
        <source>More Colors, Font Select and Exit</source>
        <translation>Mehr Farben, Schriftart und Beenden</translation>
    </message>
    <message>
        <source>Vexel Form Creator</source>
        <extracomment>The colour dialog&apos;s title.</extracomment>
        <translation>Vexel-Formgestalter</translation>
    </message>
    <message>
        <source>Your ClipBoard is not Installed...</source>
        <translation>Die Zwischenablage-Anzeige ist nicht installiert...</translation>
    </message>
    <message>
        <source>Hex Value (%1)</source>
        <extracomment>Main window, the mixed colour under the sliders; %1 is its hex value: 221 px, 12 pt bold.</extracomment>
        <translation>Hexwert (%1)</translation>
    </message>
    <message>
        <source>Are you sure you want to Exit... Swatchly?</source>
        <translation>Möchten Sie Swatchly wirklich beenden?</translation>
    </message>
    <message>
        <source>Exit Program?</source>
        <translation>Programm beenden?</translation>
    </message>
    <message>
        <source>Your Users Special Colors could not be saved to the file &quot;%1&quot;: %2.

Do you want to exit without saving them?</source>
        <extracomment>%1 is the file&apos;s path, %2 why it failed (&quot;Permission denied&quot;).</extracomment>
        <translation>Ihre eigenen Farben konnten nicht in der Datei „%1“ gespeichert werden: %2.

Möchten Sie das Programm beenden, ohne sie zu speichern?</translation>
    </message>
    <message>
        <source>Pick from the Color Chart</source>
        <extracomment>Main window, the chart&apos;s frame (covered by the chart&apos;s title).
----------
Main window, the chart&apos;s title strip: 240 px, 13.5 pt bold.</extracomment>
        <translation>Aus der Farbtafel wählen</translation>
    </message>
    <message>
        <source> Users Special Colors</source>
        <extracomment>Main window, over the 14 boxes of the user&apos;s own colours: 241 px, 13.5 pt bold. The leading blank is a margin.</extracomment>
        <translation> Eigene Farben</translation>
    </message>
    <message>
        <source>Tool Tips - ON</source>
        <extracomment>Main window, the tips switch: 113 px with its box.</extracomment>
        <translation>Tooltips - EIN</translation>
    </message>
    <message>
        <source>Color you Selected</source>
        <extracomment>Main window, the frame around the current colour: 217 px.</extracomment>
        <translation>Gewählte Farbe</translation>
    </message>
    <message>
        <source>The Currently Active Color</source>
        <translation>Die aktuell gewählte Farbe</translation>
    </message>
    <message>
        <source>Color Values</source>
        <extracomment>Main window, the frame of the hex and decimal value boxes: 64 px, where the note about the clipboard begins.</extracomment>
        <translation>Farbwerte</translation>
    </message>
    <message>
        <source>Hex Value<byte value="xd"/>
</source>
        <extracomment>Main window, the hex value box before a colour is picked: 65 px, two lines.</extracomment>
        <translation>Hexwert<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Hexidecimal Value </source>
        <translation>Hexadezimalwert </translation>
    </message>
    <message>
        <source>  HTML Color       Value is in        the ClipBoard</source>
        <extracomment>Main window, between the value boxes: 73 x 41 px, centred; the runs of blanks break it into three lines of about 11 characters.</extracomment>
        <translation>HTML-Farbwert wurde kopiert</translation>
    </message>
    <message>
        <source>Dec Value<byte value="xd"/>
</source>
        <extracomment>Main window, the decimal value box before a colour is picked: 65 px, two lines.</extracomment>
        <translation>Dezimal<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Slide for a Color</source>
        <extracomment>Main window, the sliders&apos; frame: 237 px.</extracomment>
        <translation>Farbe mischen</translation>
    </message>
    <message>
        <source>Press to Change/Select Color Box</source>
        <extracomment>Main window, the button under the sliders: 220 px.</extracomment>
        <translation>Als gewählte Farbe übernehmen</translation>
    </message>
    <message>
        <source>Type in a Decimal Value in Each Box</source>
        <extracomment>Main window, the frame of the typed values: 217 px.</extracomment>
        <translation>Dezimalwert in jedes Feld eingeben</translation>
    </message>
    <message>
        <source>Type in a Hexadecimal Value in Each Box</source>
        <extracomment>Main window, inside the typed values&apos; frame, one line: 201 px.</extracomment>
        <translation>Hexadezimalwert in jedes Feld eingeben</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>Main window, the letters of the red, green and blue channels beside the typed values: 17 px each.</extracomment>
        <translation>R</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
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
        <translation>Farbname wählen</translation>
    </message>
    <message>
        <source>More  Colors...</source>
        <extracomment>Main window, opens the colour dialog: 73 x 33 px, two lines at most.</extracomment>
        <translation>Mehr Farben...</translation>
    </message>
    <message>
        <source>Font Select</source>
        <extracomment>Main window, opens the font dialog: 57 x 33 px, two lines at most.</extracomment>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Main window, the exit button: 57 x 33 px.
----------
Main window, the File menu&apos;s last item.</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>Main window, the menu.</extracomment>
        <translation>Datei</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Ex&amp;port</source>
        <translation>Ex&amp;portieren</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>&amp;Email the Author</source>
        <translation>&amp;E-Mail an den Autor</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Import</source>
        <extracomment>Main window, a tool bar button&apos;s name for screen readers, and its tip.</extracomment>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Opens a file - Replace the U.S.Colors.</source>
        <translation>Öffnet eine Datei - ersetzt die eigenen Farben.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Save a file as a color scheme.</source>
        <translation>Speichert eine Datei als Farbschema.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Brings up the help file.</source>
        <translation>Öffnet die Hilfedatei.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Send Author feedback.</source>
        <translation>Dem Autor eine Rückmeldung senden.</translation>
    </message>
    <message>
        <source>Click to Select (Activate) this Color!</source>
        <translation>Klicken, um diese Farbe zu wählen (aktivieren)!</translation>
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
        <translation>  So fügen Sie diesen Feldern eigene Farben hinzu:<byte value="xd"/>
<byte value="xd"/>
Halten Sie die Umschalttaste gedrückt und klicken Sie mit der rechten Maustaste.<byte value="xd"/>
<byte value="xd"/>
Das Feld erhält dann die Farbe des Felds „Gewählte Farbe“.<byte value="xd"/>
<byte value="xd"/>
Die Farben der Felder „Eigene Farben“ können Sie jederzeit ändern.<byte value="xd"/>
<byte value="xd"/>
Die eigenen Farben werden bei jeder Änderung gespeichert.</translation>
    </message>
    <message>
        <source>Colors, colors and more colors...<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
   Just Show Me the Colors...</source>
        <extracomment>The balloon of the More Colors button, 50 px wide.</extracomment>
        <translation>Farben, Farben und noch mehr Farben...<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
   Zeig mir einfach die Farben...</translation>
    </message>
    <message>
        <source>Use Either the Middle Bar <byte value="xd"/>
<byte value="xd"/>
or the End Arrows &lt; &gt;<byte value="xd"/>
<byte value="xd"/>
To Change the Value</source>
        <extracomment>The balloon of the three sliders, 75 px wide.</extracomment>
        <translation>Ziehen Sie den Balken in der Mitte <byte value="xd"/>
<byte value="xd"/>
oder klicken Sie auf die Pfeile &lt; &gt;,<byte value="xd"/>
<byte value="xd"/>
um den Wert zu ändern</translation>
    </message>
    <message>
        <source>Changes the    font <byte value="xd"/>
of the  Slider display label.<byte value="xd"/>
<byte value="xd"/>
</source>
        <extracomment>The balloon of the Font Select button, 75 px wide; its last line shows the label&apos;s caption (the text of &quot;Hex Value (%1)&quot;).</extracomment>
        <translation>Ändert die    Schrift <byte value="xd"/>
der  Anzeige unter den Reglern.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Tool Tips - (ON)</source>
        <extracomment>Main window, the tips switch when on: 113 px with its box.</extracomment>
        <translation>Tooltips - (EIN)</translation>
    </message>
    <message>
        <source>v/ all tool tips are Activated</source>
        <translation>v/ alle Tooltips sind aktiviert</translation>
    </message>
    <message>
        <source>The Hexadecimal Value of the Color</source>
        <translation>Der Hexadezimalwert der Farbe</translation>
    </message>
    <message>
        <source>The Decimal Value of the Color</source>
        <translation>Der Dezimalwert der Farbe</translation>
    </message>
    <message>
        <source>Enter in a Number from 0 To 255</source>
        <translation>Geben Sie eine Zahl von 0 bis 255 ein</translation>
    </message>
    <message>
        <source>Enter in a Hex Number from 0 To FF (Upper Case Only)</source>
        <translation>Geben Sie eine Hexzahl von 0 bis FF ein (nur Großbuchstaben)</translation>
    </message>
    <message>
        <source>Shows the Decimal value.</source>
        <translation>Zeigt den Dezimalwert.</translation>
    </message>
    <message>
        <source>Type in Numbers from 0 To 255 then Click to Show and Activate this Color</source>
        <translation>Zahlen von 0 bis 255 eingeben, dann klicken, um diese Farbe anzuzeigen und zu aktivieren</translation>
    </message>
    <message>
        <source>Type in Numbers (Hex) from 0 To FF (Upper Case) then Click to Show and Activate this Color</source>
        <translation>Hexzahlen von 0 bis FF (Großbuchstaben) eingeben, dann klicken, um diese Farbe anzuzeigen und zu aktivieren</translation>
    </message>
    <message>
        <source>Click to Show ClipBoard</source>
        <translation>Klicken, um die Zwischenablage anzuzeigen</translation>
    </message>
    <message>
        <source>Click in this box to Activate Name Shown</source>
        <translation>In dieses Feld klicken, um den angezeigten Namen zu aktivieren</translation>
    </message>
    <message>
        <source>Tool Tips - (OFF)</source>
        <extracomment>Main window, the tips switch when off: 113 px with its box.</extracomment>
        <translation>Tooltips - (AUS)</translation>
    </message>
    <message>
        <source>The %1 value &quot;%2&quot; is not a hexadecimal number from 00 to FF. Please correct it.</source>
        <extracomment>%1 is the channel (Red, Green or Blue), %2 the text typed.</extracomment>
        <translation>Der Wert „%2“ für %1 ist keine Hexadezimalzahl von 00 bis FF. Bitte korrigieren Sie ihn.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Hex Value</source>
        <extracomment>Main window, the second line of the value boxes under the value: 65 px. The box&apos;s first six characters are what the clipboard gets, so the line break stays first.</extracomment>
        <translation><byte value="xd"/>
Hexwert</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Decimal Value</source>
        <translation><byte value="xd"/>
Dezimalwert</translation>
    </message>
</context>
<context>
    <name>swatchly::help::HelpViewer</name>
    <message>
        <source>The help file could not be opened:
%1

%2</source>
        <extracomment>%1 is the help file&apos;s path, %2 why it could not be opened.</extracomment>
        <translation>Die Hilfedatei konnte nicht geöffnet werden:
%1

%2</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Die Datei kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>The file is not a compiled HTML help file.</source>
        <translation>Die Datei ist keine kompilierte HTML-Hilfedatei.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Type in the keyword to find</source>
        <translation>Gesuchtes Stichwort eingeben</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Help toolbar</source>
        <translation>Hilfe-Werkzeugleiste</translation>
    </message>
    <message>
        <source>Contents and Index</source>
        <translation>Inhalt und Index</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Stichwort</translation>
    </message>
    <message>
        <source>Help topic</source>
        <translation>Hilfethema</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>It is a named pipe (FIFO), not a file.</source>
        <translation>Es ist eine benannte Pipe (FIFO), keine Datei.</translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation>Es ist ein Gerät, keine Datei.</translation>
    </message>
    <message>
        <source>It is a socket or another special entry, not a file.</source>
        <translation>Es ist ein Socket oder ein anderer besonderer Eintrag, keine Datei.</translation>
    </message>
</context>
<context>
    <name>swatchly::platform::ColourBox</name>
    <message>
        <source>Empty</source>
        <extracomment>Screen readers: a colour box that holds no colour.</extracomment>
        <translation>Leer</translation>
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
        <translation>Aufruf: swatchly [OPTION]...
Wählen Sie eine Farbe aus einer Farbtafel, mischen Sie sie mit Schiebereglern,
geben Sie sie dezimal oder hexadezimal ein oder suchen Sie sie über ihren Namen;
ihr HTML-Wert (&quot;#FF8000&quot;) landet in der Zwischenablage.

  -h, --help       diese Hilfe anzeigen und beenden
      --version    Versionsinformation anzeigen und beenden

Die Optionen von Qt funktionieren ebenfalls, zum Beispiel -style NAME,
-platform NAME, -qwindowgeometry GEOMETRIE und -reverse.

Die Farben und Namen liegen in einfachen Textdateien; wo, verrät swatchly(1).
</translation>
    </message>
    <message>
        <source>Try &apos;swatchly --help&apos; for more information.</source>
        <translation>&apos;swatchly --help&apos; liefert weitere Informationen.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>Option &apos;%1&apos; benötigt einen Wert</translation>
    </message>
    <message>
        <source>no display to show the window on: neither DISPLAY nor WAYLAND_DISPLAY is set (-platform offscreen runs without one)</source>
        <extracomment>Printed to a terminal when no display can be had; keep DISPLAY, WAYLAND_DISPLAY and &quot;-platform offscreen&quot; as they are.</extracomment>
        <translation>keine Anzeige für das Fenster: weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt (-platform offscreen läuft ohne Anzeige)</translation>
    </message>
    <message>
        <source>cannot start the display platform &apos;%1&apos;</source>
        <extracomment>%1 is the name of a Qt platform plugin, as given by -platform or QT_QPA_PLATFORM.</extracomment>
        <translation>die Anzeigeplattform &apos;%1&apos; kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>cannot connect to the X display &apos;%1&apos; or the Wayland display &apos;%2&apos;</source>
        <extracomment>%1 and %2 name an X display (&quot;:0&quot;) and a Wayland display (&quot;wayland-0&quot;).</extracomment>
        <translation>keine Verbindung zur X-Anzeige &apos;%1&apos; oder zur Wayland-Anzeige &apos;%2&apos;</translation>
    </message>
    <message>
        <source>cannot connect to the X display &apos;%1&apos;</source>
        <translation>keine Verbindung zur X-Anzeige &apos;%1&apos;</translation>
    </message>
    <message>
        <source>cannot connect to the Wayland display &apos;%1&apos;</source>
        <translation>keine Verbindung zur Wayland-Anzeige &apos;%1&apos;</translation>
    </message>
    <message>
        <source>cannot connect to a display</source>
        <translation>keine Verbindung zu einer Anzeige</translation>
    </message>
</context>
<context>
    <name>swatchly::platform::PortalColourPicker</name>
    <message>
        <source>Picking a color from the screen is not available on this desktop.</source>
        <translation>Das Aufnehmen einer Farbe vom Bildschirm ist auf diesem Desktop nicht verfügbar.</translation>
    </message>
</context>
</TS>
