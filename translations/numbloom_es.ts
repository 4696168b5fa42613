<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Format</name>
    <message>
        <source> sec</source>
        <translation> s</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Numbloom Help</source>
        <translation>Ayuda de Numbloom</translation>
    </message>
    <message>
        <source>Cannot find the help file:
%1</source>
        <translation>No se encuentra el archivo de ayuda:
%1</translation>
    </message>
</context>
<context>
    <name>PracticeDrill</name>
    <message>
        <source>The clock is off.</source>
        <translation>El reloj está apagado.</translation>
    </message>
    <message>
        <source>%1 so far</source>
        <comment>how long a drill has run</comment>
        <translation>%1 hasta ahora</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Printing support (numbloom-print.so) is missing from the program&apos;s folder.</source>
        <translation>Falta el módulo de impresión (numbloom-print.so) en la carpeta del programa.</translation>
    </message>
    <message>
        <source>Numbloom - free from Brightnook</source>
        <translation>Numbloom: un regalo de Brightnook</translation>
    </message>
    <message>
        <source>Factor: Random</source>
        <translation>Tabla: al azar</translation>
    </message>
    <message>
        <source>Factor: </source>
        <translation>Tabla: </translation>
    </message>
    <message>
        <source>, Maximum Multiplier: </source>
        <translation>, multiplicar hasta: </translation>
    </message>
    <message>
        <source>Problems on Worksheet:

Multiplication (x)
</source>
        <translation>Cuentas de la ficha:

Multiplicación (x)
</translation>
    </message>
    <message>
        <source>

Make sure printer is on-line and ready.</source>
        <translation>

La impresora debe estar encendida y lista.</translation>
    </message>
    <message>
        <source>  Score______ Time_______</source>
        <translation>  Puntos______ Tiempo_______</translation>
    </message>
    <message>
        <source>Factor is </source>
        <translation>Tabla del </translation>
    </message>
    <message>
        <source>The print job could not be started.</source>
        <translation>No se pudo iniciar la impresión.</translation>
    </message>
    <message>
        <source>The page could not be finished.</source>
        <translation>No se pudo terminar la página.</translation>
    </message>
    <message>
        <source>The printer %1 is not accepting jobs.</source>
        <translation>La impresora %1 no acepta trabajos.</translation>
    </message>
    <message>
        <source>The printer %1 did not take the job.</source>
        <translation>La impresora %1 no aceptó el trabajo.</translation>
    </message>
    <message>
        <source>The printer %1 did not take the job: %2</source>
        <translation>La impresora %1 no aceptó el trabajo: %2</translation>
    </message>
    <message>
        <source>The print job on %1 failed and was given up.</source>
        <translation>La impresión en %1 falló y se abandonó.</translation>
    </message>
    <message>
        <source>The print job on %1 was cancelled.</source>
        <translation>La impresión en %1 se canceló.</translation>
    </message>
    <message>
        <source>The printer %1 is paused; the page waits in its queue until the printer is resumed.</source>
        <translation>La impresora %1 está en pausa; la página espera en su cola hasta que se reanude la impresora.</translation>
    </message>
    <message>
        <source>The page is held in the queue of %1 until it is released there.</source>
        <translation>La página está retenida en la cola de %1 hasta que se libere allí.</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>La impresora informó de un error.</translation>
    </message>
    <message>
        <source>No file could be written in %1.</source>
        <translation>No se pudo escribir ningún archivo en %1.</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <translation>No se pudo escribir el archivo %1.</translation>
    </message>
    <message>
        <source>No default printer is set, so the page was saved as a PDF file you can print later:

%1

To print straight away next time, choose a default printer in the printer settings.</source>
        <translation>No hay ninguna impresora predeterminada, así que la página se ha guardado como archivo PDF para imprimirla más tarde:

%1

Para imprimir directamente la próxima vez, elige una impresora predeterminada en la configuración de impresoras.</translation>
    </message>
    <message>
        <source>No printer is installed, so the page was saved as a PDF file you can print later:

%1</source>
        <translation>No hay ninguna impresora instalada, así que la página se ha guardado como archivo PDF para imprimirla más tarde:

%1</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>No hay ninguna impresora disponible.</translation>
    </message>
    <message>
        <source>The page was not printed.

%1</source>
        <translation>La página no se imprimió.

%1</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>Imprimir ficha</translation>
    </message>
    <message>
        <source>Numbloom Worksheet</source>
        <translation>Ficha de ejercicios de Numbloom</translation>
    </message>
    <message>
        <source>Numbloom Facts</source>
        <translation>Tabla de Numbloom</translation>
    </message>
    <message>
        <source>My Facts (numbloom-facts.so) is missing from the program&apos;s folder.</source>
        <translation>Falta el módulo «Mis tablas» (numbloom-facts.so) en la carpeta del programa.</translation>
    </message>
    <message>
        <source>Factor: Tricky</source>
        <translation>Cuentas difíciles</translation>
    </message>
    <message>
        <source>Factor: Tricky (%1)</source>
        <translation>Cuentas difíciles (%1)</translation>
    </message>
    <message>
        <source>Also print the &amp;answers</source>
        <translation>Imprimir también las &amp;soluciones</translation>
    </message>
    <message>
        <source>Tricky facts</source>
        <translation>Cuentas difíciles</translation>
    </message>
    <message>
        <source>Tricky facts of %1</source>
        <translation>Cuentas difíciles de %1</translation>
    </message>
    <message>
        <source>The next page could not be started.</source>
        <translation>No se pudo empezar la página siguiente.</translation>
    </message>
    <message>
        <source>Answers</source>
        <comment>the heading of a worksheet&apos;s answer page</comment>
        <translation>Soluciones</translation>
    </message>
    <message>
        <source>Read aloud (numbloom-speech.so) is missing from the program&apos;s folder.</source>
        <translation>La lectura en voz alta (numbloom-speech.so) falta en la carpeta del programa.</translation>
    </message>
</context>
<context>
    <name>ReadAloud</name>
    <message>
        <source>Read aloud needs a voice. Please install the packages speech-dispatcher, speech-dispatcher-espeak-ng and qt6-speech-speechd-plugin.</source>
        <translation>Leer en voz alta necesita una voz. Instala los paquetes speech-dispatcher, speech-dispatcher-espeak-ng y qt6-speech-speechd-plugin.</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>A name has 1 to %1 characters.</source>
        <translation>El nombre debe tener entre 1 y %1 caracteres.</translation>
    </message>
    <message>
        <source>There is already a child called %1.</source>
        <translation>Ya hay alguien que se llama %1.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>no se puede escribir en su carpeta</translation>
    </message>
    <message>
        <source>its folder is missing and cannot be made</source>
        <translation>su carpeta no existe y no se puede crear</translation>
    </message>
    <message>
        <source>its permissions do not let Numbloom read it</source>
        <translation>sus permisos no dejan que Numbloom lo lea</translation>
    </message>
    <message>
        <source>something that is not a file has its name</source>
        <translation>algo que no es un archivo tiene su nombre</translation>
    </message>
    <message>
        <source>another program or another computer is using it</source>
        <translation>otro programa u otro ordenador lo está usando</translation>
    </message>
    <message>
        <source>there is no home folder to keep it in</source>
        <translation>no hay carpeta personal donde guardarlo</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>está dañado</translation>
    </message>
    <message>
        <source>it was made by another program</source>
        <translation>lo creó otro programa</translation>
    </message>
    <message>
        <source>it was written by a newer Numbloom</source>
        <translation>lo escribió una versión más reciente de Numbloom</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>no se pudo escribir</translation>
    </message>
    <message>
        <source>Another computer is writing to the record.</source>
        <translation>Otro ordenador está escribiendo en el registro.</translation>
    </message>
    <message>
        <source>The record could not be read.</source>
        <translation>No se pudo leer el registro.</translation>
    </message>
    <message>
        <source>Child</source>
        <comment>a child&apos;s name used until the parent renames it</comment>
        <translation>Peque</translation>
    </message>
    <message>
        <source>The record could not be changed: %1.</source>
        <translation>No se pudo cambiar el registro: %1.</translation>
    </message>
    <message>
        <source>another program&apos;s file beside it would have changed it</source>
        <translation>un archivo de otro programa junto a él lo habría cambiado</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>What is %1 times %2?</source>
        <comment>a problem read out; never the letter x</comment>
        <translation>¿Cuánto es %1 por %2?</translation>
    </message>
    <message>
        <source>%1 times %2 is %3</source>
        <comment>a fact read out; never the letter x or =</comment>
        <translation>%1 por %2 son %3</translation>
    </message>
    <message>
        <source>Right.</source>
        <comment>said after a right answer</comment>
        <translation>Correcto.</translation>
    </message>
    <message>
        <source>Not quite. %1.</source>
        <comment>said after a wrong answer, with the fact</comment>
        <translation>Casi. %1.</translation>
    </message>
    <message>
        <source>%1. You said %2. The right answer is %3.</source>
        <comment>a missed problem in the review</comment>
        <translation>%1. Dijiste %2. La respuesta correcta es %3.</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <comment>a problem in the review</comment>
        <translation>%1 por %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>minutes, then seconds: 1 minute 30 seconds</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 left</source>
        <comment>the time a count-down has left</comment>
        <translation>quedan %1</translation>
    </message>
    <message>
        <source>Your reward is a gold cup with stars.</source>
        <translation>Tu premio es una copa de oro con estrellas.</translation>
    </message>
    <message>
        <source>Your reward is a big smiling sun.</source>
        <translation>Tu premio es un gran sol sonriente.</translation>
    </message>
    <message>
        <source>Your reward is a smiling flower.</source>
        <translation>Tu premio es una flor sonriente.</translation>
    </message>
    <message>
        <source>Your reward is a rainbow. Keep going!</source>
        <translation>Tu premio es un arcoíris. ¡Sigue así!</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <comment>a length of time, read out</comment>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <comment>a length of time, read out</comment>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>%L1 seconds</source>
        <comment>a time with decimals, read out: 1.05 seconds</comment>
        <translation>%L1 segundos</translation>
    </message>
</context>
<context>
    <name>SqliteRecord</name>
    <message>
        <source>The record of your children&apos;s answers could not be read, so a new one was started. The old file is kept, untouched, as:

%1</source>
        <translation>No se pudo leer el registro de respuestas de los niños, así que se ha empezado uno nuevo. El archivo antiguo se conserva intacto como:

%1</translation>
    </message>
    <message>
        <source>This record was written by a newer version of Numbloom, so this one leaves it as it is and does not record answers. Update Numbloom to see it:
%1</source>
        <translation>Este registro lo escribió una versión más reciente de Numbloom, así que esta lo deja como está y no guarda respuestas. Actualiza Numbloom para verlo:
%1</translation>
    </message>
    <message>
        <source>The file where Numbloom keeps your children&apos;s answers belongs to another program, so a new record was started. That file is kept, untouched, as:

%1</source>
        <translation>El archivo donde Numbloom guarda las respuestas de los niños pertenece a otro programa, así que se ha empezado un registro nuevo. Ese archivo se conserva intacto como:

%1</translation>
    </message>
    <message>
        <source>Answers are not saved: the record of your children&apos;s answers could not be opened, because %1.</source>
        <translation>Las respuestas no se guardan: no se pudo abrir el registro de respuestas de los niños porque %1.</translation>
    </message>
    <message>
        <source>Answers are not saved: the record of your children&apos;s answers could not be opened, because %1. The file is left as it is:
%2</source>
        <translation>Las respuestas no se guardan: no se pudo abrir el registro de respuestas de los niños porque %1. El archivo se deja como está:
%2</translation>
    </message>
    <message>
        <source>Answers cannot be saved for now: %1. Practice goes on: the answers wait and are saved as soon as the record can be written, and everything saved before is safe.</source>
        <translation>Por ahora no se pueden guardar las respuestas: %1. Se puede seguir practicando: las respuestas esperan y se guardarán en cuanto se pueda escribir en el registro, y todo lo guardado antes está a salvo.</translation>
    </message>
    <message>
        <source>The record could not be changed: %1.</source>
        <translation>No se pudo cambiar el registro: %1.</translation>
    </message>
    <message>
        <source>Another program&apos;s file was found beside the record of your children&apos;s answers, where it would have changed the record, so a new one was started. The record, with your children&apos;s earlier answers, is kept untouched together with that file (%2) as:

%1</source>
        <translation>Junto al registro de respuestas de los niños había un archivo de otro programa que lo habría cambiado, así que se ha empezado uno nuevo. El registro, con las respuestas anteriores de los niños, se conserva intacto junto con ese archivo (%2) como:

%1</translation>
    </message>
    <message>
        <source>%1 was removed in another window of Numbloom, so %2 practises now, and the answers given since are kept for %2.</source>
        <translation>%1 se ha quitado en otra ventana de Numbloom, así que ahora practica %2, y las respuestas dadas desde entonces se guardan para %2.</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>Problems Tried:</source>
        <translation>Cuentas hechas:</translation>
    </message>
    <message>
        <source>Problems Correct:</source>
        <translation>Cuentas correctas:</translation>
    </message>
    <message>
        <source>Timer Off</source>
        <translation>Sin reloj</translation>
    </message>
    <message>
        <source>Elapsed Time: </source>
        <translation>Tiempo empleado: </translation>
    </message>
    <message>
        <source>Time Per Problem: </source>
        <translation>Tiempo por cuenta: </translation>
    </message>
    <message>
        <source> (%1%)</source>
        <comment>the share of right answers, after their count</comment>
        <translation> (%1%)</translation>
    </message>
    <message>
        <source>%1 right, %2 percent</source>
        <comment>how many were right, and their share</comment>
        <translation>%1 correctas, %2 por ciento</translation>
    </message>
    <message>
        <source>The clock was off</source>
        <translation>El reloj estaba apagado</translation>
    </message>
    <message>
        <source>It took %1</source>
        <comment>the time a drill took, in words</comment>
        <translation>Tardaste %1</translation>
    </message>
    <message>
        <source>%1 a problem</source>
        <comment>the time for each problem, in words</comment>
        <translation>%1 por cuenta</translation>
    </message>
    <message numerus="yes">
        <source>%n problems tried</source>
        <comment>the results, read out</comment>
        <translation>
            <numerusform>%n cuenta hecha</numerusform>
            <numerusform>%n cuentas hechas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Numbloom</source>
        <translation>Acerca de Numbloom</translation>
    </message>
    <message>
        <source>Numbloom comes to you free from Brightnook. Enjoy it, and share it with all of your friends! Visit our web site for more children&apos;s software and our programming tutorials. And if your child likes Numbloom, try Wordbloom, our spelling game, too!</source>
        <translation>Numbloom te lo regala Brightnook. ¡Disfrútalo y compártelo con todos tus amigos! Visita nuestra web para ver más programas infantiles y nuestros cursos de programación. Y si a su hijo le gusta Numbloom, ¡pruebe también Wordbloom, nuestro juego de ortografía!</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Visit Brightnook&apos;s Web Site</source>
        <translation>&amp;Visitar la web de Brightnook</translation>
    </message>
    <message>
        <source>On-Line Access Error</source>
        <translation>Error de conexión a Internet</translation>
    </message>
    <message>
        <source>An error has occurred trying to go on-line. Try connecting to the internet in your usual manner and connect to:</source>
        <translation>Se ha producido un error al intentar conectarse a Internet. Conéctate a Internet como lo haces normalmente y abre esta dirección:</translation>
    </message>
</context>
<context>
    <name>frmFacts</name>
    <message>
        <source>My Facts</source>
        <translation>Mis tablas</translation>
    </message>
    <message>
        <source>The record of answers is not open yet.</source>
        <translation>El registro de respuestas aún no está abierto.</translation>
    </message>
    <message>
        <source>&amp;Child:</source>
        <translation>&amp;Niño o niña:</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Añadir...</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Renombrar...</translation>
    </message>
    <message>
        <source>Re&amp;move...</source>
        <translation>&amp;Eliminar...</translation>
    </message>
    <message>
        <source>&amp;Known within:</source>
        <translation>&amp;Dominada en:</translation>
    </message>
    <message>
        <source>no time limit</source>
        <translation>sin límite de tiempo</translation>
    </message>
    <message>
        <source>Fact map</source>
        <translation>Mapa de las cuentas</translation>
    </message>
    <message>
        <source>A row for each factor, a column for each first number</source>
        <translation>Una fila por cada tabla, una columna por cada primer número</translation>
    </message>
    <message>
        <source>Chosen fact</source>
        <translation>Cuenta elegida</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totales</translation>
    </message>
    <message>
        <source>Facts known at the end of each day, the last 30 days</source>
        <translation>Cuentas dominadas al final de cada día, en los últimos 30 días</translation>
    </message>
    <message>
        <source>&amp;Print for the Parent</source>
        <translation>&amp;Imprimir para la familia</translation>
    </message>
    <message>
        <source>Save as C&amp;SV...</source>
        <translation>Guardar como C&amp;SV...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>known</source>
        <translation>dominada</translation>
    </message>
    <message>
        <source>getting there</source>
        <translation>casi dominada</translation>
    </message>
    <message>
        <source>tricky</source>
        <translation>difícil</translation>
    </message>
    <message>
        <source>not yet tried</source>
        <translation>sin probar</translation>
    </message>
    <message>
        <source>Facts known at the end of each day</source>
        <translation>Cuentas dominadas al final de cada día</translation>
    </message>
    <message>
        <source>%1: not yet tried</source>
        <translation>%1: sin probar</translation>
    </message>
    <message>
        <source>%1: %2, %3 right, last on %4 in %5 s</source>
        <translation>%1: %2, aciertos: %3, última vez el %4 en %5 s</translation>
    </message>
    <message>
        <source>Add a Child</source>
        <translation>Añadir niño o niña</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>New name for %1:</source>
        <translation>Nuevo nombre para %1:</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>The trickiest facts</source>
        <translation>Las cuentas más difíciles</translation>
    </message>
    <message>
        <source>Numbloom - My Facts of %1</source>
        <translation>Numbloom - Mis tablas de %1</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Guardar como CSV</translation>
    </message>
    <message>
        <source>%1 answers.csv</source>
        <translation>Respuestas de %1.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>the day of a fact&apos;s last answer, as QDate formats it</comment>
        <translation>d &apos;de&apos; MMMM</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>the date on the parent&apos;s page, as QDate formats it</comment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <comment>a choice of Known within</comment>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 facts known</source>
        <comment>the totals below the map; %1 is all facts, 169</comment>
        <translation>
            <numerusform>Cuentas dominadas: %n de %1</numerusform>
            <numerusform>Cuentas dominadas: %n de %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problems answered</source>
        <comment>the totals below the map</comment>
        <translation>
            <numerusform>%n cuenta hecha</numerusform>
            <numerusform>%n cuentas hechas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days practised</source>
        <comment>the totals below the map</comment>
        <translation>
            <numerusform>%n día de práctica</numerusform>
            <numerusform>%n días de práctica</numerusform>
        </translation>
    </message>
    <message>
        <source>d MMM</source>
        <comment>a day on the chart&apos;s axis, as QDate formats it</comment>
        <translation>d MMM</translation>
    </message>
    <message numerus="yes">
        <source>%n tries</source>
        <comment>how often a fact was answered, in its story</comment>
        <translation>
            <numerusform>%n intento</numerusform>
            <numerusform>%n intentos</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove %1? No answers are kept for them yet.</source>
        <translation>¿Eliminar a %1? Todavía no hay respuestas guardadas.</translation>
    </message>
    <message numerus="yes">
        <source>Remove %1 and the %n answers kept for them? This cannot be undone.</source>
        <translation>
            <numerusform>¿Eliminar a %1 y %n respuesta guardada? No se puede deshacer.</numerusform>
            <numerusform>¿Eliminar a %1 y sus %n respuestas guardadas? No se puede deshacer.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 = %2: %n tries, %3 missed</source>
        <comment>a line of the trickiest facts on the parent&apos;s page</comment>
        <translation>
            <numerusform>%1 = %2: falló %3 de %n intento</numerusform>
            <numerusform>%1 = %2: falló %3 de %n intentos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 - My Facts - %2</source>
        <comment>the heading of the page printed for the parent: the child&apos;s name, the date</comment>
        <translation>%1 - Mis tablas - %2</translation>
    </message>
    <message>
        <source>Rea&amp;d aloud</source>
        <translation>&amp;Leer en voz alta</translation>
    </message>
    <message>
        <source>%1 times %2, %3</source>
        <comment>a cell of the fact map, read out</comment>
        <translation>%1 por %2, %3</translation>
    </message>
    <message>
        <source>%1. Not yet tried.</source>
        <comment>a fact&apos;s story, read out</comment>
        <translation>%1. Sin probar.</translation>
    </message>
    <message>
        <source>%1. %2, %3 right, last on %4 in %5.</source>
        <comment>a fact&apos;s story, read out</comment>
        <translation>%1. %2, %3 correctas, la última vez el %4 en %5.</translation>
    </message>
    <message>
        <source>Child, %1</source>
        <comment>the child box&apos;s label as a screen reader says it</comment>
        <translation>Niño o niña, %1</translation>
    </message>
    <message>
        <source>Known within, %1</source>
        <comment>the time limit box&apos;s label as a screen reader says it</comment>
        <translation>Dominada en, %1</translation>
    </message>
    <message>
        <source>%1 was not saved, and the file of that name that was there is left as it was.

%2</source>
        <translation>%1 no se ha guardado, y el archivo que ya tenía ese nombre se queda como estaba.

%2</translation>
    </message>
    <message>
        <source>%1 was not saved.

%2</source>
        <translation>%1 no se ha guardado.

%2</translation>
    </message>
    <message>
        <source>right within the time limit on the last two days it came up, and likely still right now</source>
        <translation>bien a tiempo los dos últimos días que salió, y seguramente aún bien ahora</translation>
    </message>
    <message>
        <source>likely right now, but not yet right in time on two days</source>
        <translation>seguramente bien ahora, pero aún no bien a tiempo en dos días</translation>
    </message>
    <message>
        <source>the last answer was wrong, or a wrong or slow answer is likely now</source>
        <translation>la última respuesta fue mal, o ahora es probable una respuesta mal o lenta</translation>
    </message>
    <message>
        <source>not met in a drill yet</source>
        <translation>aún no salió en una práctica</translation>
    </message>
    <message numerus="yes">
        <source>%n getting there (%1 of them tricky now)</source>
        <comment>the totals below the map</comment>
        <translation>
            <numerusform>%n casi dominada (%1 difíciles ahora)</numerusform>
            <numerusform>%n casi dominadas (%1 de ellas difíciles ahora)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n still to meet</source>
        <comment>the totals below the map: facts not met yet</comment>
        <translation>
            <numerusform>%n aún por ver</numerusform>
            <numerusform>%n aún por ver</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing is tricky or getting there now.</source>
        <translation>Ahora no hay nada difícil ni casi dominado.</translation>
    </message>
</context>
<context>
    <name>frmHMath</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>frmTable</name>
    <message>
        <source>The settings could not be saved to
%1

%2</source>
        <translation>No se pudieron guardar los ajustes en
%1

%2</translation>
    </message>
    <message>
        <source>Practice Numbloom</source>
        <translation>Practicar con Numbloom</translation>
    </message>
    <message>
        <source>Study Numbloom</source>
        <translation>Aprender con Numbloom</translation>
    </message>
    <message>
        <source>Stop Practice</source>
        <translation>Dejar de practicar</translation>
    </message>
    <message>
        <source>Tried: </source>
        <translation>Cuentas: </translation>
    </message>
    <message>
        <source>Correct: </source>
        <translation>Bien: </translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Revisar</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Your Answer:</source>
        <translation>Tu respuesta:</translation>
    </message>
    <message>
        <source>Correct:</source>
        <translation>Correcta:</translation>
    </message>
    <message>
        <source>Start Practice</source>
        <translation>Empezar a practicar</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Study</source>
        <translation>Aprender</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Practicar</translation>
    </message>
    <message>
        <source>Factor Value</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Azar</translation>
    </message>
    <message>
        <source>Click Problem to See Picture</source>
        <translation>Pulsa una cuenta y verás el dibujo</translation>
    </message>
    <message>
        <source>&amp;Print Facts</source>
        <translation>I&amp;mprimir</translation>
    </message>
    <message>
        <source>Maximum Multiplier</source>
        <translation>Multiplicar hasta</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Problems Tried: 123</source>
        <translation>Cuentas hechas: 123</translation>
    </message>
    <message>
        <source>Problems Correct: 123 (88%)</source>
        <translation>Cuentas correctas: 123 (88%)</translation>
    </message>
    <message>
        <source>Elapsed Time: 20:22</source>
        <translation>Tiempo empleado: 20:22</translation>
    </message>
    <message>
        <source>Time Per Problem: 10.22 sec</source>
        <translation>Tiempo por cuenta: 10.22 seg.</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Seguir</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>&amp;Info?</source>
        <translation>¿&amp;Info?</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Elige</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>Imprimir ficha</translation>
    </message>
    <message>
        <source>Timer Options</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>Timer Off</source>
        <translation>Sin reloj</translation>
    </message>
    <message>
        <source>On-Count Up</source>
        <translation>Hacia delante</translation>
    </message>
    <message>
        <source>On-Count Down</source>
        <translation>Cuenta atrás</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>The settings could not be saved: the program&apos;s folder
%1
cannot be written, and there is no home folder to keep them in.</source>
        <translation>No se pudieron guardar los ajustes: no se puede escribir en la carpeta del programa
%1
y no hay carpeta personal donde guardarlos.</translation>
    </message>
    <message>
        <source>&amp;My Facts</source>
        <translation>Mis &amp;tablas</translation>
    </message>
    <message>
        <source>Nothing is tricky yet.</source>
        <translation>Todavía no hay nada difícil.</translation>
    </message>
    <message>
        <source>Tricky</source>
        <translation>Difíciles</translation>
    </message>
    <message numerus="yes">
        <source>%n answer(s) could not be saved: the record could not be written before Numbloom closed.</source>
        <translation>
            <numerusform>No se pudo guardar %n respuesta: el registro no se pudo escribir antes de que Numbloom se cerrara.</numerusform>
            <numerusform>No se pudieron guardar %n respuestas: el registro no se pudo escribir antes de que Numbloom se cerrara.</numerusform>
        </translation>
    </message>
    <message>
        <source>The answers that waited are saved now.</source>
        <translation>Las respuestas que esperaban ya están guardadas.</translation>
    </message>
</context>
</TS>
