<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>main</name>
    <message>
        <source>cannot write the output: %1</source>
        <extracomment>Printed to a terminal when --help or --version cannot write its text; %1 says why.</extracomment>
        <translation>no se puede escribir la salida: %1</translation>
    </message>
</context>
<context>
    <name>modChromel</name>
    <message>
        <source>A small, fast colour picker for the web. Version %1</source>
        <extracomment>The About box, under the program&apos;s name; %1 is the version number.</extracomment>
        <translation>Un selector de colores pequeño y rápido para la web. Versión %1</translation>
    </message>
</context>
<context>
    <name>swatchly::FileError</name>
    <message>
        <source>Type mismatch</source>
        <translation>No coinciden los tipos</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>No se ha encontrado el archivo</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disco lleno</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Lectura más allá del final del archivo</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Error de acceso a la ruta o al archivo</translation>
    </message>
    <message>
        <source>Locked by another copy of the program</source>
        <translation>Bloqueado por otra copia del programa</translation>
    </message>
</context>
<context>
    <name>swatchly::TypeAheadCombo</name>
    <message>
        <source>Sorry, but there is no match for &apos;%1&apos;.</source>
        <extracomment>%1 is the text typed into a name box.</extracomment>
        <translation>Lo sentimos, no hay ninguna coincidencia para &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Find Results</source>
        <translation>Resultado de la búsqueda</translation>
    </message>
</context>
<context>
    <name>swatchly::clsFindFile</name>
    <message>
        <source>Unknown</source>
        <extracomment>The text of a file time that cannot be told.</extracomment>
        <translation>Desconocida</translation>
    </message>
    <message>
        <source>Cancel the current search?</source>
        <translation>¿Cancelar la búsqueda actual?</translation>
    </message>
    <message>
        <source>%1 could not be found!</source>
        <extracomment>%1 is the file or pattern searched for.</extracomment>
        <translation>No se ha encontrado %1.</translation>
    </message>
</context>
<context>
    <name>swatchly::frmSavetxt</name>
    <message>
        <source>&lt;&lt;&lt;Please list a file to Delete &gt;&gt;&gt;.</source>
        <translation>&lt;&lt;&lt;Indique un archivo para eliminar &gt;&gt;&gt;.</translation>
    </message>
    <message>
        <source>No File Listed...</source>
        <translation>Ningún archivo indicado...</translation>
    </message>
    <message>
        <source>You may only Export (Change) this File.</source>
        <translation>Este archivo solo se puede exportar (cambiar).</translation>
    </message>
    <message>
        <source>System File, Can Not Delete!</source>
        <translation>¡Archivo del sistema, no se puede eliminar!</translation>
    </message>
    <message>
        <source>Delete %1     ... Is this your Final Answer?<byte value="xd"/>
<byte value="xd"/>
Hint: You may Change (Export) this Color Scheme instead of Deleting this file.</source>
        <extracomment>%1 is the scheme file&apos;s name.</extracomment>
        <translation>Eliminar %1     ... ¿Es su respuesta definitiva?<byte value="xd"/>
<byte value="xd"/>
Consejo: en lugar de eliminar este archivo, puede cambiar (exportar) este esquema de colores.</translation>
    </message>
    <message>
        <source>I don&apos;t want this File any more. Correct?</source>
        <translation>Ya no quiero este archivo. ¿Correcto?</translation>
    </message>
    <message>
        <source>You can not delete a file that doesn&apos;t exist!</source>
        <translation>¡No se puede eliminar un archivo que no existe!</translation>
    </message>
    <message>
        <source>No such File!</source>
        <translation>¡El archivo no existe!</translation>
    </message>
    <message>
        <source>Save/Replace/Delete the User Defined Color Scheme Files</source>
        <extracomment>The scheme window&apos;s title.</extracomment>
        <translation>Guardar/reemplazar/eliminar esquemas de colores personalizados</translation>
    </message>
    <message>
        <source>Import...</source>
        <extracomment>Scheme window, a button: 81 x 33 px.</extracomment>
        <translation>Importar...</translation>
    </message>
    <message>
        <source>Export...</source>
        <extracomment>Scheme window, a button: 81 x 33 px.</extracomment>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Type in/Select a file name  for your Color Scheme</source>
        <extracomment>Scheme window, under the name box, one line: 241 px.</extracomment>
        <translation>Escriba/elija un nombre de archivo para su esquema</translation>
    </message>
    <message>
        <source>Import - Open a File - Replaces the User Defined Colors%1Export - Saves  the current User Defined Colors to this File.</source>
        <extracomment>Scheme window, the explanation at the top: 289 x 41 px, three lines at most. %1 is a run of blanks that pushes the second sentence onto a line of its own.</extracomment>
        <translation>Importar - abre un archivo y reemplaza sus colores%1Exportar - guarda sus colores actuales en este archivo.</translation>
    </message>
    <message>
        <source>Select an Option</source>
        <extracomment>Scheme window, the frame of the two options: 209 px.</extracomment>
        <translation>Elija una opción</translation>
    </message>
    <message>
        <source>Import a Color Scheme    (Open File)</source>
        <extracomment>Scheme window, an option: 193 px with its circle.</extracomment>
        <translation>Importar un esquema  (abrir)</translation>
    </message>
    <message>
        <source>Replace the User Defined Colors with this files Colors</source>
        <translation>Reemplaza los colores personalizados por los de este archivo</translation>
    </message>
    <message>
        <source>Export a Color Scheme    (Save File)</source>
        <extracomment>Scheme window, an option: 193 px with its circle.</extracomment>
        <translation>Exportar un esquema  (guardar)</translation>
    </message>
    <message>
        <source>Open  New/Change File to Save a Color Scheme.</source>
        <translation>Abrir un archivo nuevo/existente para guardar un esquema de colores.</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Scheme window, a button: 41 x 33 px.</extracomment>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Scheme window, a button: 41 x 33 px.</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The scheme files in the program folder</source>
        <translation>Los archivos de esquemas de la carpeta del programa</translation>
    </message>
    <message>
        <source>Saves the User Defined Colors to the named file</source>
        <translation>Guarda los colores personalizados en el archivo indicado</translation>
    </message>
    <message>
        <source>Deletes the named scheme file</source>
        <translation>Elimina el archivo de esquema indicado</translation>
    </message>
    <message>
        <source>A scheme name cannot contain a folder; please type a plain file name.</source>
        <translation>Un nombre de esquema no puede contener una carpeta; escriba un nombre de archivo simple.</translation>
    </message>
    <message>
        <source>Invalid File Name</source>
        <translation>Nombre de archivo no válido</translation>
    </message>
    <message>
        <source>There was a problem with this file! %1%2</source>
        <extracomment>%1 is the failure&apos;s number, %2 its description (&quot;Permission denied&quot;), without a blank between them.</extracomment>
        <translation>¡Hubo un problema con este archivo! %1%2</translation>
    </message>
    <message>
        <source>You must select a file, please!</source>
        <translation>¡Seleccione un archivo, por favor!</translation>
    </message>
    <message>
        <source>No File Selected</source>
        <translation>Ningún archivo seleccionado</translation>
    </message>
    <message>
        <source>Error Openning File</source>
        <translation>Error al abrir el archivo</translation>
    </message>
    <message>
        <source>File Error, Does this file exist?</source>
        <translation>Error de archivo. ¿Existe este archivo?</translation>
    </message>
    <message>
        <source>You must name the file!</source>
        <translation>¡Debe dar un nombre al archivo!</translation>
    </message>
    <message>
        <source>No file Name!</source>
        <translation>¡Falta el nombre del archivo!</translation>
    </message>
    <message>
        <source>1. File already exits, Write over it?...............Select Yes <byte value="xd"/>
<byte value="xd"/>
2. I want to create a New File (New Name) Select No <byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>1. El archivo ya existe. ¿Sobrescribirlo?...............Elija Sí <byte value="xd"/>
<byte value="xd"/>
2. Quiero crear un archivo nuevo (nombre nuevo): elija No <byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Use this file... %1---- Select an Option! </source>
        <extracomment>The title of the box that asks before writing over a scheme; %1 is its name.</extracomment>
        <translation>Usar este archivo... %1---- ¡Elija una opción! </translation>
    </message>
    <message>
        <source>A scheme name cannot contain a control character (a tab, a line break or another code that is not a letter); please type a plain file name.</source>
        <translation>Un nombre de esquema no puede contener un carácter de control (un tabulador, un salto de línea u otro código que no sea una letra); escriba un nombre de archivo simple.</translation>
    </message>
    <message>
        <source>A scheme name cannot contain a character that changes the direction of the text; please type a plain file name.</source>
        <translation>Un nombre de esquema no puede contener un carácter que cambie la dirección del texto; escriba un nombre de archivo simple.</translation>
    </message>
    <message>
        <source>A scheme name needs at least one visible character; please type a plain file name.</source>
        <translation>Un nombre de esquema necesita al menos un carácter visible; escriba un nombre de archivo simple.</translation>
    </message>
</context>
<context>
    <name>swatchly::frmSendEmail</name>
    <message>
        <source>Please send me any new information!</source>
        <extracomment>Feedback window, the messages offered for the body: 201 px.</extracomment>
        <translation>¡Envíenme todas las novedades, por favor!</translation>
    </message>
    <message>
        <source>Please Do Not send any information.</source>
        <translation>Por favor, no me envíen información.</translation>
    </message>
    <message>
        <source>I like using the Swatchly.</source>
        <translation>Me gusta usar Swatchly.</translation>
    </message>
    <message>
        <source>I Do Not like the Swatchly.</source>
        <translation>No me gusta Swatchly.</translation>
    </message>
    <message>
        <source>What is the web vexel form creator?</source>
        <translation>¿Qué es el creador de formas vexel para la web?</translation>
    </message>
    <message>
        <source>SendEmail</source>
        <extracomment>The feedback window&apos;s title.</extracomment>
        <translation>Enviar correo</translation>
    </message>
    <message>
        <source>Main Address</source>
        <extracomment>Feedback window, the labels left of the fields: 76 px, one line.</extracomment>
        <translation>Destinatario</translation>
    </message>
    <message>
        <source>Carbon Copy</source>
        <translation>Copia (CC)</translation>
    </message>
    <message>
        <source>Blind Copy</source>
        <translation>Copia oculta</translation>
    </message>
    <message>
        <source>Subject </source>
        <translation>Asunto </translation>
    </message>
    <message>
        <source>Body Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>File Attached</source>
        <translation>Adjunto</translation>
    </message>
    <message>
        <source>Sending E-mail...</source>
        <extracomment>Feedback window, the send button: 201 px.</extracomment>
        <translation>Enviar correo...</translation>
    </message>
    <message>
        <source>Type a message or pick one</source>
        <translation>Escriba un mensaje o elija uno</translation>
    </message>
    <message>
        <source>Opens a new message in your mail program with these fields</source>
        <translation>Abre un mensaje nuevo en su programa de correo con estos campos</translation>
    </message>
</context>
<context>
    <name>swatchly::frmTintora</name>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barra de menús</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Users Special Color %1</source>
        <translation>Color personalizado %1</translation>
    </message>
    <message>
        <source>Chart colour %1</source>
        <translation>Color de la carta %1</translation>
    </message>
    <message>
        <source>Hex Value</source>
        <translation>Valor hexadecimal</translation>
    </message>
    <message>
        <source>The current colour in hexadecimal, red, green and blue</source>
        <translation>El color actual en hexadecimal: rojo, verde y azul</translation>
    </message>
    <message>
        <source>Decimal Value</source>
        <translation>Valor decimal</translation>
    </message>
    <message>
        <source>The current colour as one number</source>
        <translation>El color actual como un solo número</translation>
    </message>
    <message>
        <source>Click to show the clipboard</source>
        <translation>Haga clic para ver el portapapeles</translation>
    </message>
    <message>
        <source>%1 vertical scroll bar</source>
        <extracomment>Screen readers: %1 is the value box (&quot;Hex Value&quot;).</extracomment>
        <translation>%1 – barra de desplazamiento vertical</translation>
    </message>
    <message>
        <source>%1 horizontal scroll bar</source>
        <translation>%1 – barra de desplazamiento horizontal</translation>
    </message>
    <message>
        <source>%1, 0 to 255</source>
        <extracomment>Screen readers: %1 is the channel (Red, Green or Blue).</extracomment>
        <translation>%1, 0 a 255</translation>
    </message>
    <message>
        <source>%1 slider value</source>
        <translation>%1 – valor del deslizador</translation>
    </message>
    <message>
        <source>%1 (decimal)</source>
        <translation>%1 (decimal)</translation>
    </message>
    <message>
        <source>0 to 255</source>
        <translation>0 a 255</translation>
    </message>
    <message>
        <source>%1 (hex)</source>
        <translation>%1 (hex)</translation>
    </message>
    <message>
        <source>00 to FF</source>
        <translation>00 a FF</translation>
    </message>
    <message>
        <source>The colour mixed by the sliders</source>
        <translation>El color mezclado con los deslizadores</translation>
    </message>
    <message>
        <source>Decimal values</source>
        <translation>Valores decimales</translation>
    </message>
    <message>
        <source>Hexadecimal values</source>
        <translation>Valores hexadecimales</translation>
    </message>
    <message>
        <source>Makes the typed decimal values the current colour</source>
        <translation>Aplica los valores decimales escritos como color actual</translation>
    </message>
    <message>
        <source>Makes the typed hexadecimal values the current colour</source>
        <translation>Aplica los valores hexadecimales escritos como color actual</translation>
    </message>
    <message>
        <source>Type or pick a colour name</source>
        <translation>Escriba o elija un nombre de color</translation>
    </message>
    <message>
        <source>More Colors, Font Select and Exit</source>
        <translation>Más colores, Fuente y Salir</translation>
    </message>
    <message>
        <source>Vexel Form Creator</source>
        <extracomment>The colour dialog&apos;s title.</extracomment>
        <translation>Creador de formas vexel</translation>
    </message>
    <message>
        <source>Your ClipBoard is not Installed...</source>
        <translation>El visor del portapapeles no está instalado...</translation>
    </message>
    <message>
        <source>Hex Value (%1)</source>
        <extracomment>Main window, the mixed colour under the sliders; %1 is its hex value: 221 px, 12 pt bold.</extracomment>
        <translation>Valor hex (%1)</translation>
    </message>
    <message>
        <source>Are you sure you want to Exit... Swatchly?</source>
        <translation>¿Seguro que desea salir de Swatchly?</translation>
    </message>
    <message>
        <source>Exit Program?</source>
        <translation>¿Salir del programa?</translation>
    </message>
    <message>
        <source>Your Users Special Colors could not be saved to the file &quot;%1&quot;: %2.

Do you want to exit without saving them?</source>
        <extracomment>%1 is the file&apos;s path, %2 why it failed (&quot;Permission denied&quot;).</extracomment>
        <translation>No se pudieron guardar sus colores personalizados en el archivo «%1»: %2.

¿Desea salir sin guardarlos?</translation>
    </message>
    <message>
        <source>Pick from the Color Chart</source>
        <extracomment>Main window, the chart&apos;s frame (covered by the chart&apos;s title).
----------
Main window, the chart&apos;s title strip: 240 px, 13.5 pt bold.</extracomment>
        <translation>Elija en la carta de colores</translation>
    </message>
    <message>
        <source> Users Special Colors</source>
        <extracomment>Main window, over the 14 boxes of the user&apos;s own colours: 241 px, 13.5 pt bold. The leading blank is a margin.</extracomment>
        <translation> Colores personalizados</translation>
    </message>
    <message>
        <source>Tool Tips - ON</source>
        <extracomment>Main window, the tips switch: 113 px with its box.</extracomment>
        <translation>Sugerencias - SÍ</translation>
    </message>
    <message>
        <source>Color you Selected</source>
        <extracomment>Main window, the frame around the current colour: 217 px.</extracomment>
        <translation>Color seleccionado</translation>
    </message>
    <message>
        <source>The Currently Active Color</source>
        <translation>El color activo actual</translation>
    </message>
    <message>
        <source>Color Values</source>
        <extracomment>Main window, the frame of the hex and decimal value boxes: 64 px, where the note about the clipboard begins.</extracomment>
        <translation>Valores</translation>
    </message>
    <message>
        <source>Hex Value<byte value="xd"/>
</source>
        <extracomment>Main window, the hex value box before a colour is picked: 65 px, two lines.</extracomment>
        <translation>Valor hex<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Hexidecimal Value </source>
        <translation>Valor hexadecimal </translation>
    </message>
    <message>
        <source>  HTML Color       Value is in        the ClipBoard</source>
        <extracomment>Main window, between the value boxes: 73 x 41 px, centred; the runs of blanks break it into three lines of about 11 characters.</extracomment>
        <translation>Valor HTML copiado al portapapeles</translation>
    </message>
    <message>
        <source>Dec Value<byte value="xd"/>
</source>
        <extracomment>Main window, the decimal value box before a colour is picked: 65 px, two lines.</extracomment>
        <translation>Valor dec.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Slide for a Color</source>
        <extracomment>Main window, the sliders&apos; frame: 237 px.</extracomment>
        <translation>Mezcle un color</translation>
    </message>
    <message>
        <source>Press to Change/Select Color Box</source>
        <extracomment>Main window, the button under the sliders: 220 px.</extracomment>
        <translation>Usar como color seleccionado</translation>
    </message>
    <message>
        <source>Type in a Decimal Value in Each Box</source>
        <extracomment>Main window, the frame of the typed values: 217 px.</extracomment>
        <translation>Un valor decimal en cada casilla</translation>
    </message>
    <message>
        <source>Type in a Hexadecimal Value in Each Box</source>
        <extracomment>Main window, inside the typed values&apos; frame, one line: 201 px.</extracomment>
        <translation>Un valor hexadecimal en cada casilla</translation>
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
        <translation>A</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Main window, the buttons that take the typed values: 41 px.</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Select Color Name</source>
        <extracomment>Main window, the frame of the colour-name box: 233 px.</extracomment>
        <translation>Elija un nombre de color</translation>
    </message>
    <message>
        <source>More  Colors...</source>
        <extracomment>Main window, opens the colour dialog: 73 x 33 px, two lines at most.</extracomment>
        <translation>Más colores...</translation>
    </message>
    <message>
        <source>Font Select</source>
        <extracomment>Main window, opens the font dialog: 57 x 33 px, two lines at most.</extracomment>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Main window, the exit button: 57 x 33 px.
----------
Main window, the File menu&apos;s last item.</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>Main window, the menu.</extracomment>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>Ex&amp;port</source>
        <translation>Ex&amp;portar</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>&amp;Email the Author</source>
        <translation>&amp;Escribir al autor</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Import</source>
        <extracomment>Main window, a tool bar button&apos;s name for screen readers, and its tip.</extracomment>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Opens a file - Replace the U.S.Colors.</source>
        <translation>Abre un archivo - reemplaza los colores personalizados.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Save a file as a color scheme.</source>
        <translation>Guarda un archivo como esquema de colores.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Brings up the help file.</source>
        <translation>Abre el archivo de ayuda.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Send Author feedback.</source>
        <translation>Enviar comentarios al autor.</translation>
    </message>
    <message>
        <source>Click to Select (Activate) this Color!</source>
        <translation>¡Haga clic para seleccionar (activar) este color!</translation>
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
        <translation>  Para poner sus propios colores en estas casillas:<byte value="xd"/>
<byte value="xd"/>
Mantenga pulsada la tecla Mayús y haga clic con el botón derecho del ratón.<byte value="xd"/>
<byte value="xd"/>
La casilla tomará el color de la casilla «Color seleccionado».<byte value="xd"/>
<byte value="xd"/>
Puede cambiar el color de las casillas «Colores personalizados» en cualquier momento.<byte value="xd"/>
<byte value="xd"/>
Los colores personalizados se guardan cada vez que cambian.</translation>
    </message>
    <message>
        <source>Colors, colors and more colors...<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
   Just Show Me the Colors...</source>
        <extracomment>The balloon of the More Colors button, 50 px wide.</extracomment>
        <translation>Colores, colores y más colores...<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
   Enséñame los colores...</translation>
    </message>
    <message>
        <source>Use Either the Middle Bar <byte value="xd"/>
<byte value="xd"/>
or the End Arrows &lt; &gt;<byte value="xd"/>
<byte value="xd"/>
To Change the Value</source>
        <extracomment>The balloon of the three sliders, 75 px wide.</extracomment>
        <translation>Use la barra central <byte value="xd"/>
<byte value="xd"/>
o las flechas &lt; &gt; de los extremos<byte value="xd"/>
<byte value="xd"/>
para cambiar el valor</translation>
    </message>
    <message>
        <source>Changes the    font <byte value="xd"/>
of the  Slider display label.<byte value="xd"/>
<byte value="xd"/>
</source>
        <extracomment>The balloon of the Font Select button, 75 px wide; its last line shows the label&apos;s caption (the text of &quot;Hex Value (%1)&quot;).</extracomment>
        <translation>Cambia la    fuente <byte value="xd"/>
del  indicador de los deslizadores.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Tool Tips - (ON)</source>
        <extracomment>Main window, the tips switch when on: 113 px with its box.</extracomment>
        <translation>Sugerencias - (SÍ)</translation>
    </message>
    <message>
        <source>v/ all tool tips are Activated</source>
        <translation>v/ todas las sugerencias están activadas</translation>
    </message>
    <message>
        <source>The Hexadecimal Value of the Color</source>
        <translation>El valor hexadecimal del color</translation>
    </message>
    <message>
        <source>The Decimal Value of the Color</source>
        <translation>El valor decimal del color</translation>
    </message>
    <message>
        <source>Enter in a Number from 0 To 255</source>
        <translation>Escriba un número de 0 a 255</translation>
    </message>
    <message>
        <source>Enter in a Hex Number from 0 To FF (Upper Case Only)</source>
        <translation>Escriba un número hexadecimal de 0 a FF (solo mayúsculas)</translation>
    </message>
    <message>
        <source>Shows the Decimal value.</source>
        <translation>Muestra el valor decimal.</translation>
    </message>
    <message>
        <source>Type in Numbers from 0 To 255 then Click to Show and Activate this Color</source>
        <translation>Escriba números de 0 a 255 y haga clic para mostrar y activar este color</translation>
    </message>
    <message>
        <source>Type in Numbers (Hex) from 0 To FF (Upper Case) then Click to Show and Activate this Color</source>
        <translation>Escriba números hexadecimales de 0 a FF (en mayúsculas) y haga clic para mostrar y activar este color</translation>
    </message>
    <message>
        <source>Click to Show ClipBoard</source>
        <translation>Haga clic para ver el portapapeles</translation>
    </message>
    <message>
        <source>Click in this box to Activate Name Shown</source>
        <translation>Haga clic en este cuadro para activar el nombre mostrado</translation>
    </message>
    <message>
        <source>Tool Tips - (OFF)</source>
        <extracomment>Main window, the tips switch when off: 113 px with its box.</extracomment>
        <translation>Sugerencias - (NO)</translation>
    </message>
    <message>
        <source>The %1 value &quot;%2&quot; is not a hexadecimal number from 00 to FF. Please correct it.</source>
        <extracomment>%1 is the channel (Red, Green or Blue), %2 the text typed.</extracomment>
        <translation>El valor «%2» del canal %1 no es un número hexadecimal entre 00 y FF. Corríjalo, por favor.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Hex Value</source>
        <extracomment>Main window, the second line of the value boxes under the value: 65 px. The box&apos;s first six characters are what the clipboard gets, so the line break stays first.</extracomment>
        <translation><byte value="xd"/>
Valor hex</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Decimal Value</source>
        <translation><byte value="xd"/>
Valor decimal</translation>
    </message>
</context>
<context>
    <name>swatchly::help::HelpViewer</name>
    <message>
        <source>The help file could not be opened:
%1

%2</source>
        <extracomment>%1 is the help file&apos;s path, %2 why it could not be opened.</extracomment>
        <translation>No se pudo abrir el archivo de ayuda:
%1

%2</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>No se puede leer el archivo: %1.</translation>
    </message>
    <message>
        <source>The file is not a compiled HTML help file.</source>
        <translation>El archivo no es un archivo de ayuda HTML compilado.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Type in the keyword to find</source>
        <translation>Escriba la palabra clave que desea buscar</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Help toolbar</source>
        <translation>Barra de herramientas de la ayuda</translation>
    </message>
    <message>
        <source>Contents and Index</source>
        <translation>Contenido e índice</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Palabra clave</translation>
    </message>
    <message>
        <source>Help topic</source>
        <translation>Tema de ayuda</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>It is a named pipe (FIFO), not a file.</source>
        <translation>Es una tubería con nombre (FIFO), no un archivo.</translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation>Es un dispositivo, no un archivo.</translation>
    </message>
    <message>
        <source>It is a socket or another special entry, not a file.</source>
        <translation>Es un socket u otra entrada especial, no un archivo.</translation>
    </message>
</context>
<context>
    <name>swatchly::platform::ColourBox</name>
    <message>
        <source>Empty</source>
        <extracomment>Screen readers: a colour box that holds no colour.</extracomment>
        <translation>Vacío</translation>
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
        <translation>Uso: swatchly [OPCIÓN]...
Elija un color de una carta de colores, mézclelo con deslizadores, escríbalo en
decimal o hexadecimal o búsquelo por su nombre; su valor HTML (&quot;#FF8000&quot;) se
copia al portapapeles.

  -h, --help       muestra esta ayuda y sale
      --version    muestra la versión y sale

También funcionan las opciones propias de Qt, por ejemplo -style NOMBRE,
-platform NOMBRE, -qwindowgeometry GEOMETRÍA y -reverse.

Los colores y los nombres están en archivos de texto sencillos; consulte
swatchly(1) para saber dónde.
</translation>
    </message>
    <message>
        <source>Try &apos;swatchly --help&apos; for more information.</source>
        <translation>Pruebe &apos;swatchly --help&apos; para más información.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>la opción &apos;%1&apos; necesita un valor</translation>
    </message>
    <message>
        <source>no display to show the window on: neither DISPLAY nor WAYLAND_DISPLAY is set (-platform offscreen runs without one)</source>
        <extracomment>Printed to a terminal when no display can be had; keep DISPLAY, WAYLAND_DISPLAY and &quot;-platform offscreen&quot; as they are.</extracomment>
        <translation>no hay pantalla donde mostrar la ventana: no está definida ni DISPLAY ni WAYLAND_DISPLAY (-platform offscreen funciona sin pantalla)</translation>
    </message>
    <message>
        <source>cannot start the display platform &apos;%1&apos;</source>
        <extracomment>%1 is the name of a Qt platform plugin, as given by -platform or QT_QPA_PLATFORM.</extracomment>
        <translation>no se puede iniciar la plataforma de pantalla &apos;%1&apos;</translation>
    </message>
    <message>
        <source>cannot connect to the X display &apos;%1&apos; or the Wayland display &apos;%2&apos;</source>
        <extracomment>%1 and %2 name an X display (&quot;:0&quot;) and a Wayland display (&quot;wayland-0&quot;).</extracomment>
        <translation>no se puede conectar con la pantalla X &apos;%1&apos; ni con la pantalla Wayland &apos;%2&apos;</translation>
    </message>
    <message>
        <source>cannot connect to the X display &apos;%1&apos;</source>
        <translation>no se puede conectar con la pantalla X &apos;%1&apos;</translation>
    </message>
    <message>
        <source>cannot connect to the Wayland display &apos;%1&apos;</source>
        <translation>no se puede conectar con la pantalla Wayland &apos;%1&apos;</translation>
    </message>
    <message>
        <source>cannot connect to a display</source>
        <translation>no se puede conectar con ninguna pantalla</translation>
    </message>
</context>
<context>
    <name>swatchly::platform::PortalColourPicker</name>
    <message>
        <source>Picking a color from the screen is not available on this desktop.</source>
        <translation>En este escritorio no se puede tomar un color de la pantalla.</translation>
    </message>
</context>
</TS>
