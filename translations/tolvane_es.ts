<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CAVConvertDlg</name>
    <message>
        <source>Tolvane</source>
        <translation>Tolvane</translation>
    </message>
    <message>
        <source>Current File Converting:</source>
        <translation>Archivo en conversión:</translation>
    </message>
    <message>
        <source>Current file progress</source>
        <translation>Progreso del archivo actual</translation>
    </message>
    <message>
        <source>Total Progress:</source>
        <translation>Progreso total:</translation>
    </message>
    <message>
        <source>Total progress</source>
        <translation>Progreso total</translation>
    </message>
    <message>
        <source>Shut down computer when conversion completed</source>
        <translation>Apagar el equipo al terminar la conversión</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Stop converting</source>
        <translation>Detener la conversión</translation>
    </message>
    <message>
        <source>Show preview</source>
        <translation>Mostrar vista previa</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Convirtiendo…</translation>
    </message>
</context>
<context>
    <name>CAbout</name>
    <message>
        <source>The sound track of every video, as audio</source>
        <translation>La pista de sonido de cada vídeo, como audio</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Made for people who keep the sound of their videos.</source>
        <translation>Hecho para quienes conservan el sonido de sus vídeos.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Soporte:</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>Página web:</translation>
    </message>
</context>
<context>
    <name>CBrenvixDlg</name>
    <message>
        <source>Sound track %1</source>
        <translation>Pista de audio %1</translation>
    </message>
    <message>
        <source>Part %1 of %2: %3</source>
        <translation>Parte %1 de %2: %3</translation>
    </message>
    <message>
        <source>Sound from every video</source>
        <translation>El sonido de cada vídeo</translation>
    </message>
    <message>
        <source>Getting started</source>
        <translation>Primeros pasos</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Perfil:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Salida:</translation>
    </message>
    <message>
        <source>Files at once:</source>
        <translation>Archivos a la vez:</translation>
    </message>
    <message>
        <source>Add video files</source>
        <translation>Añada archivos de vídeo</translation>
    </message>
    <message>
        <source>Click Add, or drop videos onto this window.</source>
        <translation>Pulse Añadir o suelte vídeos sobre esta ventana.</translation>
    </message>
    <message>
        <source>Edit the selected file</source>
        <translation>Edite el archivo elegido</translation>
    </message>
    <message>
        <source>Clip trims it to a start and an end time.</source>
        <translation>Recortar lo deja entre un inicio y un final.</translation>
    </message>
    <message>
        <source>Choose the profile</source>
        <translation>Elija el perfil</translation>
    </message>
    <message>
        <source>MP3, WAV, WMA or OGG; Setting refines it.</source>
        <translation>MP3, WAV, WMA u OGG; Ajustes lo afina.</translation>
    </message>
    <message>
        <source>One audio file per video, or Merge them into one.</source>
        <translation>Un archivo de audio por vídeo, o Unir todos en uno.</translation>
    </message>
    <message>
        <source>Tracks %1</source>
        <translation>Pistas %1</translation>
    </message>
    <message>
        <source>Sound tracks mixed: %1</source>
        <translation>Pistas de sonido mezcladas: %1</translation>
    </message>
    <message>
        <source>Mix tracks…</source>
        <translation>Mezclar pistas…</translation>
    </message>
    <message>
        <source>Channel %1 alone</source>
        <translation>Canal %1 solo</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Todos los canales</translation>
    </message>
    <message>
        <source>%1 alone</source>
        <translation>%1 solo</translation>
    </message>
    <message>
        <source>Every channel to its own file</source>
        <translation>Cada canal a su propio archivo</translation>
    </message>
    <message>
        <source>The files being added are still checked: try again once they are (Esc stops the check).</source>
        <translation>Los archivos añadidos aún se están comprobando: inténtelo de nuevo cuando terminen (Esc detiene la comprobación).</translation>
    </message>
    <message>
        <source>ReplayGain tags</source>
        <translation>etiquetas ReplayGain</translation>
    </message>
    <message>
        <source>ReplayGain tags with the album&apos;s gain</source>
        <translation>etiquetas ReplayGain con la ganancia del álbum</translation>
    </message>
    <message>
        <source>a true-peak ceiling of %1 dBTP</source>
        <translation>un techo de pico real de %1 dBTP</translation>
    </message>
    <message>
        <source>covers from the video</source>
        <translation>carátulas tomadas del vídeo</translation>
    </message>
    <message>
        <source>skipping outputs that exist</source>
        <translation>omitir las salidas que ya existen</translation>
    </message>
    <message>
        <source>the sources&apos; folders under the output folder</source>
        <translation>las carpetas de las fuentes bajo la carpeta de salida</translation>
    </message>
    <message>
        <source>This list also asks for %1: they apply to its runs</source>
        <translation>Esta lista también pide %1: se aplica a sus ejecuciones</translation>
    </message>
    <message>
        <source>The computer could not be shut down: %1</source>
        <translation>No se pudo apagar el equipo: %1</translation>
    </message>
    <message>
        <source>The list cannot be kept in %1 (%2): a crash would lose it</source>
        <translation>La lista no se puede guardar en %1 (%2): un fallo la perdería</translation>
    </message>
    <message>
        <source>The list kept from the last time cannot be read (%1); it is kept as %2</source>
        <translation>La lista guardada la última vez no se puede leer (%1); se conserva como %2</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Volume level</source>
        <translation>Nivel de volumen</translation>
    </message>
    <message>
        <source>Could not open %1: no program to open it was found (the xdg-utils package provides one).</source>
        <translation>No se pudo abrir %1: no se encontró ningún programa para abrirlo (el paquete xdg-utils ofrece uno).</translation>
    </message>
    <message>
        <source>Can not find help file!</source>
        <translation>¡No se encuentra el archivo de ayuda!</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Añadir archivo</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Clip Video</source>
        <translation>Recortar vídeo</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Iniciar la conversión</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Quitar todo</translation>
    </message>
    <message>
        <source> Merge into a file</source>
        <translation> Unir en un archivo</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Unir</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>Información del archivo</translation>
    </message>
    <message>
        <source>File Info</source>
        <translation>Info. archivo</translation>
    </message>
    <message>
        <source>Conversion Settings</source>
        <translation>Ajustes de conversión</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Set output files</source>
        <translation>Elegir la carpeta de salida</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Open output files</source>
        <translation>Abrir la carpeta de salida</translation>
    </message>
    <message>
        <source>Find Target</source>
        <translation>Abrir destino</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>List note</source>
        <translation>Nota de la lista</translation>
    </message>
    <message>
        <source>Save list</source>
        <translation>Guardar la lista</translation>
    </message>
    <message>
        <source>The list could not be saved in %1: %2.</source>
        <translation>No se pudo guardar la lista en %1: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>No se puede abrir %1: %2.</translation>
    </message>
    <message>
        <source>Restored the list of 1 file</source>
        <translation>Se restauró la lista de 1 archivo</translation>
    </message>
    <message>
        <source>Restored the list of %1 files</source>
        <translation>Se restauró la lista de %1 archivos</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Carpeta de salida</translation>
    </message>
    <message>
        <source>Files at once</source>
        <translation>Archivos a la vez</translation>
    </message>
    <message>
        <source>How many files Convert works on at once (1 to %1); a merge is always one file. With fewer files left, a recording of more than two minutes to MP3, FLAC or WAV is encoded in segments on the spare cores and joined</source>
        <translation>Cuántos archivos procesa Convertir a la vez (de 1 a %1); una unión siempre es un archivo. Cuando quedan menos archivos, una grabación de más de dos minutos a MP3, FLAC o WAV se codifica por segmentos en los núcleos libres y se vuelve a unir</translation>
    </message>
    <message>
        <source>Please add video files!</source>
        <translation>¡Añada archivos de vídeo!</translation>
    </message>
    <message>
        <source>Merge is effective when two or more files are chosen!</source>
        <translation>¡Unir requiere al menos dos archivos seleccionados!</translation>
    </message>
    <message>
        <source>Please select at least one task to convert!</source>
        <translation>¡Seleccione al menos una tarea para convertir!</translation>
    </message>
    <message>
        <source>A run holds at most %1 files.</source>
        <translation>Una conversión admite como máximo %1 archivos.</translation>
    </message>
    <message>
        <source>These settings cannot be converted: %1</source>
        <translation>No se puede convertir con estos ajustes: %1</translation>
    </message>
    <message>
        <source>The original sound is copied as it is: it cannot be brought to a loudness. Choose a format to convert to, or set Loudness to &quot;As recorded&quot; in Setting.</source>
        <translation>El sonido original se copia tal cual: no se puede llevar a una sonoridad. Elija un formato de conversión o ponga la sonoridad en «Tal como se grabó» en Ajustes.</translation>
    </message>
    <message>
        <source>These choices cannot go together: %1.</source>
        <translation>Estas opciones no son compatibles: %1.</translation>
    </message>
    <message>
        <source>Row %1 (%2): %3</source>
        <translation>Fila %1 (%2): %3</translation>
    </message>
    <message>
        <source>These rows cannot be converted:</source>
        <translation>Estas filas no se pueden convertir:</translation>
    </message>
    <message>
        <source>These files cannot be merged without re-encoding: row %1 (%2) has %3.

Choose another format to merge them.</source>
        <translation>Estos archivos no se pueden unir sin recodificar: la fila %1 (%2) tiene %3.

Elija otro formato para unirlos.</translation>
    </message>
    <message>
        <source>Tolvane: the run was stopped</source>
        <translation>Tolvane: la conversión se detuvo</translation>
    </message>
    <message>
        <source>Tolvane: the run is over</source>
        <translation>Tolvane: la conversión ha terminado</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Stopped at %1</source>
        <translation>Detenido en %1</translation>
    </message>
    <message>
        <source>Stopped at %1 of %2; the part so far is in %3</source>
        <translation>Detenido en %1 de %2; la parte convertida está en %3</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Source file</source>
        <translation>Archivo de origen</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Formato de salida</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Part %1</source>
        <translation>Parte %1</translation>
    </message>
    <message>
        <source>Checking %1 of %2…</source>
        <translation>Comprobando %1 de %2…</translation>
    </message>
    <message>
        <source>Add Files..</source>
        <translation>Añadir archivos…</translation>
    </message>
    <message>
        <source>Open list…</source>
        <translation>Abrir lista…</translation>
    </message>
    <message>
        <source>Save list…</source>
        <translation>Guardar lista…</translation>
    </message>
    <message>
        <source>Clip...</source>
        <translation>Recortar…</translation>
    </message>
    <message>
        <source>File Information...</source>
        <translation>Información del archivo…</translation>
    </message>
    <message>
        <source>Split by chapters</source>
        <translation>Dividir por capítulos</translation>
    </message>
    <message>
        <source>Split at times…</source>
        <translation>Dividir en instantes…</translation>
    </message>
    <message>
        <source>Split at silences…</source>
        <translation>Dividir en silencios…</translation>
    </message>
    <message>
        <source>Sound track</source>
        <translation>Pista de audio</translation>
    </message>
    <message>
        <source>Chapters left out:</source>
        <translation>Capítulos omitidos:</translation>
    </message>
    <message>
        <source>Tolvane lists (*.tolvane-job)</source>
        <translation>Listas de Tolvane (*.tolvane-job)</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source> Ready</source>
        <translation> Listo</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Convirtiendo…</translation>
    </message>
    <message>
        <source>File:%1 is invalid!</source>
        <translation>¡Archivo:%1 no es válido!</translation>
    </message>
    <message>
        <source>File:%1 is not a regular file!</source>
        <translation>¡Archivo:%1 no es un archivo normal!</translation>
    </message>
    <message>
        <source>File:%1 has no sound track!</source>
        <translation>¡Archivo:%1 no tiene pista de audio!</translation>
    </message>
    <message>
        <source>File:%1 invalid!</source>
        <translation>¡Archivo:%1 no válido!</translation>
    </message>
    <message>
        <source>%1   %2% has completed</source>
        <translation>%1   %2% completado</translation>
    </message>
    <message>
        <source>%1 Task Completed / Total %2 Task(s)</source>
        <translation>%1 tarea(s) completada(s) / Total %2 tarea(s)</translation>
    </message>
    <message>
        <source>The stopped run is still closing its file: try again in a moment.</source>
        <translation>La ejecución detenida aún está cerrando su archivo: inténtelo de nuevo en un momento.</translation>
    </message>
</context>
<context>
    <name>CClipDialog</name>
    <message>
        <source>Cut time: %1</source>
        <translation>Duración: %1</translation>
    </message>
    <message>
        <source>Show pauses</source>
        <translation>Mostrar las pausas</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Sound of the whole file</source>
        <translation>Sonido del archivo completo</translation>
    </message>
    <message>
        <source>Loud and quiet parts, the pauses, the chapters and the clip; a click plays from there</source>
        <translation>Partes fuertes y suaves, pausas, capítulos y recorte; un clic reproduce desde ahí</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>00:00:00</source>
        <translation>00:00:00</translation>
    </message>
    <message>
        <source>Trim silence at the ends</source>
        <translation>Quitar el silencio de los extremos</translation>
    </message>
    <message>
        <source>Begin and end at the first and last sound, with a margin around it</source>
        <translation>Empezar y terminar en el primer y el último sonido, con un margen</translation>
    </message>
    <message>
        <source>Playing position</source>
        <translation>Posición de reproducción</translation>
    </message>
    <message>
        <source>The clip begins where it ends (%1), so it holds no sound. Set another begin or end time, or Reset.</source>
        <translation>El recorte empieza donde termina (%1), así que no contiene sonido. Fije otro inicio u otro fin, o restablezca.</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Cut time</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>&amp;Set Begin Time</source>
        <translation>Fijar &amp;inicio</translation>
    </message>
    <message>
        <source>Set Begin Time</source>
        <translation>Fijar inicio</translation>
    </message>
    <message>
        <source>&amp;Set End Time</source>
        <translation>Fijar &amp;fin</translation>
    </message>
    <message>
        <source>Set End Time</source>
        <translation>Fijar fin</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Restablecer</translation>
    </message>
    <message>
        <source>Reset Time</source>
        <translation>Restablecer tiempos</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The sound cannot be read: %1</source>
        <translation>No se puede leer el sonido: %1</translation>
    </message>
    <message>
        <source>Type a time: HH:MM:SS, to the millisecond as HH:MM:SS.mmm</source>
        <translation>Escriba un tiempo: HH:MM:SS, al milisegundo como HH:MM:SS.mmm</translation>
    </message>
</context>
<context>
    <name>CFileInfomation</name>
    <message>
        <source>measuring…</source>
        <translation>midiendo…</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>sin medir</translation>
    </message>
    <message>
        <source>silent</source>
        <translation>silencio</translation>
    </message>
    <message>
        <source>%1 LUFS · peak %2 dBTP</source>
        <translation>%1 LUFS · pico %2 dBTP</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>Información del archivo</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Nombre del archivo:</translation>
    </message>
    <message>
        <source>Media Length:</source>
        <translation>Duración:</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Resolución:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Fotogramas por segundo:</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Tasa de bits:</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Samples:</source>
        <translation>Muestreo:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Canales:</translation>
    </message>
    <message>
        <source>Sound Track:</source>
        <translation>Pista de audio:</translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation>Capítulos:</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Sonoridad</translation>
    </message>
    <message>
        <source>Measure loudness</source>
        <translation>Medir la sonoridad</translation>
    </message>
    <message>
        <source>Reads the whole sound track and measures it (EBU R128)</source>
        <translation>Lee toda la pista de audio y la mide (EBU R128)</translation>
    </message>
    <message>
        <source>Loudness:</source>
        <translation>Sonoridad:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation>Capítulos</translation>
    </message>
</context>
<context>
    <name>CHyperLink</name>
    <message>
        <source>Unable to open hyperlink:

</source>
        <translation>No se puede abrir el enlace:

</translation>
    </message>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>El sistema operativo se ha quedado
sin memoria o recursos.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>No se encontró el archivo indicado.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>No se encontró la ruta indicada.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>El sistema operativo denegó
el acceso al archivo indicado.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>No hubo memoria suficiente para completar la operación.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>El archivo .EXE no es válido
(no es un .EXE Win32 o la imagen .EXE tiene errores).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Se produjo una infracción de uso compartido. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>La asociación del archivo es
incompleta o no válida.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>La transacción DDE no pudo
completarse porque la solicitud caducó.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transacción DDE falló.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>La transacción DDE no pudo
completarse porque se estaban procesando
otras transacciones DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>No hay ninguna aplicación asociada
a esta extensión de archivo.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>No se encontró la biblioteca indicada.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Se produjo un error desconocido (%1).</translation>
    </message>
</context>
<context>
    <name>CSettings</name>
    <message>
        <source>Centre level in a fold-down</source>
        <translation>Nivel del centro en una mezcla reducida</translation>
    </message>
    <message>
        <source>How loud the centre channel (a film&apos;s dialogue) is when 5.1 sound is folded down to stereo or mono; -3 dB is the usual</source>
        <translation>Lo fuerte que suena el canal central (el diálogo de una película) cuando el sonido 5.1 se reduce a estéreo o mono; -3 dB es lo habitual</translation>
    </message>
    <message>
        <source> dB</source>
        <translation> dB</translation>
    </message>
    <message>
        <source>Centre level:</source>
        <translation>Nivel del centro:</translation>
    </message>
    <message>
        <source>As recorded</source>
        <translation>Tal como se grabó</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Escucha</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Faster or slower, the voices at their own pitch</source>
        <translation>Más rápido o más lento, las voces en su propio tono</translation>
    </message>
    <message>
        <source>%1×</source>
        <translation>%1×</translation>
    </message>
    <message>
        <source>Tempo:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Night mode</source>
        <translation>Modo nocturno</translation>
    </message>
    <message>
        <source>Loud passages quieter and quiet ones louder, for listening at a low volume; no peak above -1 dBTP</source>
        <translation>Pasajes fuertes más bajos y suaves más altos, para escuchar a poco volumen; ningún pico por encima de -1 dBTP</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Fade in:</source>
        <translation>Fundido de entrada:</translation>
    </message>
    <message>
        <source>Fade in</source>
        <translation>Fundido de entrada</translation>
    </message>
    <message>
        <source>Each file (a merge: its start) fades in from silence over these seconds</source>
        <translation>Cada archivo (una unión: su comienzo) surge del silencio en estos segundos</translation>
    </message>
    <message>
        <source>Fade out:</source>
        <translation>Fundido de salida:</translation>
    </message>
    <message>
        <source>Fade out</source>
        <translation>Fundido de salida</translation>
    </message>
    <message>
        <source>Each file (a merge: its end) fades out to silence over these seconds</source>
        <translation>Cada archivo (una unión: su final) se apaga en el silencio en estos segundos</translation>
    </message>
    <message>
        <source>Crossfade:</source>
        <translation>Fundido cruzado:</translation>
    </message>
    <message>
        <source>Crossfade between merged files</source>
        <translation>Fundido cruzado entre archivos unidos</translation>
    </message>
    <message>
        <source>Merge joins its files with a crossfade of these seconds instead of one after the other</source>
        <translation>Unir enlaza sus archivos con un fundido cruzado de estos segundos en lugar de uno tras otro</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Format Preset:</source>
        <translation>Formato predefinido:</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Encoder:</source>
        <translation>Codificador:</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Tasa de bits:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Frecuencia de muestreo:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Canales:</translation>
    </message>
    <message>
        <source>Loudness:</source>
        <translation>Sonoridad:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Default setting</source>
        <translation>Ajuste predeterminado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Each file is measured first (EBU R128) and brought to this loudness with one gain; peaks above -1 dBTP are limited</source>
        <translation>Cada archivo se mide primero (EBU R128) y se lleva a esta sonoridad con una sola ganancia; los picos por encima de -1 dBTP se limitan</translation>
    </message>
</context>
<context>
    <name>CShutDownNotice</name>
    <message>
        <source>Tolvane</source>
        <translation>Tolvane</translation>
    </message>
    <message>
        <source>Shut down</source>
        <translation>Apagado</translation>
    </message>
    <message>
        <source>Shut down now</source>
        <translation>Apagar ahora</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The conversion is complete. The computer shuts down in 1 second.</source>
        <translation>La conversión ha terminado. El equipo se apagará en 1 segundo.</translation>
    </message>
    <message>
        <source>The conversion is complete. The computer shuts down in %1 seconds.</source>
        <translation>La conversión ha terminado. El equipo se apagará en %1 segundos.</translation>
    </message>
</context>
<context>
    <name>CSilenceDialog</name>
    <message>
        <source>Split at silences</source>
        <translation>Dividir en silencios</translation>
    </message>
    <message>
        <source>A part for each stretch of sound, cut in the middle of the pauses:</source>
        <translation>Una parte por cada tramo de sonido, cortada en el centro de las pausas:</translation>
    </message>
    <message>
        <source>Pause level</source>
        <translation>Nivel de pausa</translation>
    </message>
    <message>
        <source>Sound under this level counts as silence</source>
        <translation>El sonido por debajo de este nivel cuenta como silencio</translation>
    </message>
    <message>
        <source>Shortest pause</source>
        <translation>Pausa más corta</translation>
    </message>
    <message>
        <source>A pause lasts at least this long; shorter ones are breaths</source>
        <translation>Una pausa dura al menos esto; las más cortas son respiraciones</translation>
    </message>
    <message>
        <source>Quieter than:</source>
        <translation>Más bajo que:</translation>
    </message>
    <message>
        <source>For at least:</source>
        <translation>Durante al menos:</translation>
    </message>
    <message>
        <source>Finding the pauses… %1 %</source>
        <translation>Buscando las pausas… %1 %</translation>
    </message>
    <message>
        <source>The sound cannot be read: %1</source>
        <translation>No se puede leer el sonido: %1</translation>
    </message>
</context>
<context>
    <name>CSplitDialog</name>
    <message>
        <source>%1 parts:</source>
        <translation>%1 partes:</translation>
    </message>
    <message>
        <source>Split at times</source>
        <translation>Dividir en instantes</translation>
    </message>
    <message>
        <source>Paste the times of the parts, a line each, as video descriptions give them
(&quot;00:00 Overture&quot;, &quot;Second Song - 17:24&quot;), or a CUE sheet:</source>
        <translation>Pegue los instantes de las partes, uno por línea, como en las descripciones de vídeos
(«00:00 Obertura», «Segunda canción - 17:24»), o una hoja CUE:</translation>
    </message>
    <message>
        <source>Times of the parts</source>
        <translation>Instantes de las partes</translation>
    </message>
    <message>
        <source>Left out: </source>
        <translation>Omitido: </translation>
    </message>
    <message>
        <source>No part yet.</source>
        <translation>Todavía no hay partes.</translation>
    </message>
</context>
<context>
    <name>LoudnessChoice</name>
    <message>
        <source>As recorded</source>
        <translation>Tal como se grabó</translation>
    </message>
    <message>
        <source>-14 LUFS (music streaming)</source>
        <translation>-14 LUFS (música en streaming)</translation>
    </message>
    <message>
        <source>-16 LUFS (spoken word, podcasts)</source>
        <translation>-16 LUFS (voz, pódcasts)</translation>
    </message>
    <message>
        <source>-18 LUFS</source>
        <translation>-18 LUFS</translation>
    </message>
    <message>
        <source>-23 LUFS (EBU broadcast)</source>
        <translation>-23 LUFS (radiodifusión UER)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>split at the chapters, at a list of times, at the pauses or every so many minutes: one of them</source>
        <translation>dividir por capítulos, por una lista de tiempos, por las pausas o cada tantos minutos: solo una de ellas</translation>
    </message>
    <message>
        <source>the parts of a split are back to back: --trim-silence trims whole files</source>
        <translation>las partes de una división van una tras otra: --trim-silence recorta archivos enteros</translation>
    </message>
    <message>
        <source>--trim-silence finds the clip itself; -s and -t do not go with it</source>
        <translation>--trim-silence encuentra el fragmento por sí mismo; -s y -t no van con él</translation>
    </message>
    <message>
        <source>--opus-application goes with Opus (-f opus)</source>
        <translation>--opus-application va con Opus (-f opus)</translation>
    </message>
    <message>
        <source>a merge makes one file: it cannot be run in slices</source>
        <translation>una unión produce un solo archivo: no puede ejecutarse por partes</translation>
    </message>
    <message>
        <source>no file to convert</source>
        <translation>ningún archivo que convertir</translation>
    </message>
    <message>
        <source>a merge needs two or more files</source>
        <translation>una unión necesita dos o más archivos</translation>
    </message>
    <message>
        <source>no row is chosen to convert</source>
        <translation>no se ha elegido ninguna fila para convertir</translation>
    </message>
    <message>
        <source>cannot read the mixed sound tracks</source>
        <translation>no se pueden leer las pistas de audio mezcladas</translation>
    </message>
    <message>
        <source>cannot mix the sound tracks</source>
        <translation>no se pueden mezclar las pistas de audio</translation>
    </message>
    <message>
        <source>  -a N+M...             mix those sound tracks into one output, sample-aligned (a track that
                        ends early is silence after it); where the sum would clip, a limiter
                        brings it down and the status says so
      --track-gain N=DB a mixed track&apos;s gain (-40 to +20 dB, as 2=+6); repeatable
      --voice N[=LU]    track N is the voice: the others sit LU (default 10) under its
                        loudness, both measured by EBU R128
      --duck[=DB]       lower the others by DB (default 9) while the voice speaks
</source>
        <translation>  -a N+M...             mezclar esas pistas de sonido en una salida, alineadas a la muestra (una
                        pista que acaba antes es silencio después); donde la suma saturaría, un
                        limitador la baja y el estado lo dice
      --track-gain N=DB la ganancia de una pista mezclada (-40 a +20 dB, como 2=+6); repetible
      --voice N[=LU]    la pista N es la voz: las demás quedan LU (10 por defecto) bajo su
                        sonoridad, ambas medidas según EBU R128
      --duck[=DB]       bajar las demás DB (9 por defecto) mientras la voz habla
</translation>
    </message>
    <message>
        <source>a mix takes two sound tracks or more, each once, as 1+2</source>
        <translation>una mezcla toma dos pistas de sonido o más, cada una una vez, como 1+2</translation>
    </message>
    <message>
        <source>a track&apos;s gain is from -40 to +20 dB</source>
        <translation>la ganancia de una pista va de -40 a +20 dB</translation>
    </message>
    <message>
        <source>the voice is one of the mixed sound tracks</source>
        <translation>la voz es una de las pistas de sonido mezcladas</translation>
    </message>
    <message>
        <source>the voice&apos;s lead and the ducking are from 0 to 40 dB</source>
        <translation>la ventaja de la voz y la atenuación van de 0 a 40 dB</translation>
    </message>
    <message>
        <source>ducking lowers the others while the voice speaks: it needs a voice</source>
        <translation>la atenuación baja las demás mientras la voz habla: necesita una voz</translation>
    </message>
    <message>
        <source>cannot convert the sound track</source>
        <translation>no se puede convertir la pista de sonido</translation>
    </message>
    <message>
        <source>a mix of sound tracks is an encode: a copy keeps one track as it is (choose a format to convert to)</source>
        <translation>una mezcla de pistas de sonido es una codificación: una copia deja una pista como está (elija un formato al que convertir)</translation>
    </message>
    <message>
        <source>      --pick-channel NAME
                        one channel of the sound track alone, as a mono file: FL, FR, FC,
                        LFE, BL, BR, SL, SR... as --info&apos;s layout names them, or its number
      --split-channels  every channel of the sound track to a mono file of its own, named
                        &quot;NAME.FL.ext&quot;, &quot;NAME.FR.ext&quot;...
      --center-mix DB   the centre channel&apos;s level where a track is folded down to fewer
                        channels (-c 2 or -c 1 of 5.1): -12 to +6 dB (default -3)
</source>
        <translation>      --pick-channel NOMBRE
                        un solo canal de la pista de sonido, como archivo mono: FL, FR, FC,
                        LFE, BL, BR, SL, SR... como los nombra la disposición de --info, o su número
      --split-channels  cada canal de la pista de sonido a su propio archivo mono, llamado
                        &quot;NOMBRE.FL.ext&quot;, &quot;NOMBRE.FR.ext&quot;...
      --center-mix DB   el nivel del canal central cuando una pista se reduce a menos
                        canales (-c 2 o -c 1 de 5.1): -12 a +6 dB (por defecto -3)
</translation>
    </message>
    <message>
        <source>a channel alone is an encode: a copy keeps every channel (choose a format to convert to)</source>
        <translation>un canal solo es una codificación: una copia conserva todos los canales (elija un formato al que convertir)</translation>
    </message>
    <message>
        <source>a channel alone writes a file of its own; it does not go with a merge</source>
        <translation>un canal solo escribe su propio archivo; no va con una unión</translation>
    </message>
    <message>
        <source>      --tempo X         X times as fast (0.5 to 4; 1.25, 1.5, 2), the voices at their own
                        pitch; chapters follow the new time line, -s, -t and splits stay in
                        the source&apos;s time
      --night           night mode: loud passages quieter and quiet ones louder (the loudness
                        range at least halved), no peak above -1 dBTP; with --normalize the
                        loudness is measured after it
      --fade-in S, --fade-out S
                        each output (each clip, each part; a merge at its ends) fades in from
                        or out to silence over S seconds (0 to 60)
      --crossfade S     with --merge: each file joins the one before with a crossfade of S
                        seconds (0 to 30), its chapter starting in the middle of it
</source>
        <translation>      --tempo X         X veces más rápido (0.5 a 4; 1.25, 1.5, 2), las voces en su propio
                        tono; los capítulos siguen la nueva línea de tiempo, -s, -t y las
                        divisiones quedan en el tiempo de la fuente
      --night           modo nocturno: pasajes fuertes más bajos y suaves más altos (el rango
                        de sonoridad al menos a la mitad), ningún pico sobre -1 dBTP; con
                        --normalize la sonoridad se mide después
      --fade-in S, --fade-out S
                        cada salida (cada recorte, cada parte; una unión en sus extremos)
                        surge del silencio o se apaga en él en S segundos (0 a 60)
      --crossfade S     con --merge: cada archivo se enlaza con el anterior con un fundido
                        cruzado de S segundos (0 a 30), su capítulo empieza en su mitad
</translation>
    </message>
    <message>
        <source>the tempo is from 0.5 to 4 times the speed</source>
        <translation>el tempo va de 0.5 a 4 veces la velocidad</translation>
    </message>
    <message>
        <source>a fade lasts from 0 to 60 seconds</source>
        <translation>un fundido dura de 0 a 60 segundos</translation>
    </message>
    <message>
        <source>a crossfade lasts from 0 to 30 seconds</source>
        <translation>un fundido cruzado dura de 0 a 30 segundos</translation>
    </message>
    <message>
        <source>tempo, night mode and fades change the sound: a copy keeps it as it is (choose a format to convert to)</source>
        <translation>el tempo, el modo nocturno y los fundidos cambian el sonido: una copia lo deja como está (elija un formato al que convertir)</translation>
    </message>
    <message>
        <source>the tempo changes the sound alone: the pictures of a video output would no longer match it</source>
        <translation>el tempo solo cambia el sonido: las imágenes de una salida de vídeo dejarían de coincidir</translation>
    </message>
    <message>
        <source>a crossfade joins the files of a merge: it needs a merge</source>
        <translation>un fundido cruzado enlaza los archivos de una unión: necesita una unión</translation>
    </message>
    <message>
        <source>%1 made, %2 missing, %3 failed</source>
        <translation>%1 hechos, %2 faltan, %3 fallidos</translation>
    </message>
    <message>
        <source>tolvane-cli: %1</source>
        <translation>tolvane-cli: %1</translation>
    </message>
    <message>
        <source>Usage: tolvane-cli [options] FILE...
       tolvane-cli [options] --job FILE
Extracts the sound track of video files into audio files.

  -o, --output DIR      output folder (default: the current folder; created when missing)
  -f, --format NAME     mp3 | wav | wma | ogg | opus, or the extension of an audio preset
                        (aac, ac3, aiff, au, m4a, mp2, ra, flac); default mp3;
                        &quot;copy&quot; (or &quot;original&quot;): the sound track as it is, without
                        re-encoding, in a file named by its codec (.m4a, .mp3, .ac3,
                        .ogg, .opus, .flac, .wav, ... .mka); clips at packet precision
  -e, --encoder NAME    audio encoder of this build:%1
  -b, --bitrate RATE    bits per second; &quot;128k&quot; and &quot;128000&quot; both work
  -r, --rate HZ         sample rate
  -c, --channels N      1, 2 or 6
      --opus-application voip|audio
                        what Opus is tuned for: speech or music (default: libopus&apos;s, music);
                        Opus is encoded at 48000 Hz, 6 to 510 kbps (default 64 kbps mono,
                        128 kbps stereo, 256 kbps 5.1)
</source>
        <translation>Uso: tolvane-cli [opciones] ARCHIVO...
     tolvane-cli [opciones] --job ARCHIVO
Extrae la pista de sonido de archivos de vídeo a archivos de audio.

  -o, --output CARPETA  carpeta de salida (predeterminada: la carpeta actual; se crea si falta)
  -f, --format NOMBRE   mp3 | wav | wma | ogg | opus, o la extensión de un ajuste de audio
                        (aac, ac3, aiff, au, m4a, mp2, ra, flac); predeterminado mp3;
                        «copy» (u «original»): la pista de sonido tal cual, sin volver a
                        codificarla, en un archivo nombrado por su códec (.m4a, .mp3, .ac3,
                        .ogg, .opus, .flac, .wav, ... .mka); recortes con precisión de paquete
  -e, --encoder NOMBRE  codificador de audio de esta compilación:%1
  -b, --bitrate TASA    bits por segundo; «128k» y «128000» sirven los dos
  -r, --rate HZ         frecuencia de muestreo
  -c, --channels N      1, 2 o 6
      --opus-application voip|audio
                        para qué se ajusta Opus: voz o música (predeterminado: el de libopus,
                        música); Opus se codifica a 48000 Hz, de 6 a 510 kbps (predeterminado
                        64 kbps mono, 128 kbps estéreo, 256 kbps 5.1)
</translation>
    </message>
    <message>
        <source>  -s, --start TIME      clip start for every file (HH:MM:SS or seconds)
  -t, --end TIME        clip end for every file (default: each file&apos;s length)
  -a, --audio-track N   the N-th sound track of every file, as --info lists them
                        (default: the last); &quot;all&quot;: one file per track, &quot;name.N.ext&quot;
                        (&quot;name.N.LANG.ext&quot; when the track has a language)
      --cover-from-video[=TIME]
                        a source without a cover picture gives MP3, M4A and FLAC
                        outputs a picture of its video (default: at 10 % of its length)
  -m, --merge           merge all files, in order, into one output named after the first;
                        each file becomes a chapter of it
      --split-chapters  a file per chapter: &quot;NAME - 01 - Title.mp3&quot;, tagged with the
                        chapter&apos;s title, its number and the recording as the album
      --split-silence[=DB,SECONDS]
                        a file per stretch of sound: cut in the middle of each pause of at
                        least SECONDS under DB dBFS (default -50,1.5); bits of less than a
                        second of sound join their neighbour
      --split-every DURATION
                        a file of about DURATION each (30:00, 1800): each cut in the pause
                        nearest to the time within 15 %, at the time itself without one
      --trim-silence[=SECONDS]
                        leave out the silence (under -50 dBFS) at both ends of each file,
                        keeping SECONDS (default 0.3) outside the first and last sound
      --split-at FILE   a file per part that FILE names (- for standard input): a line
                        &quot;[H:]MM:SS[.mmm] Title&quot;, &quot;Title - MM:SS&quot; or &quot;MM:SS - Title&quot; each,
                        or a CUE sheet; a part runs to the next one, the last to the end
</source>
        <translation>  -s, --start TIEMPO    inicio del recorte de cada archivo (HH:MM:SS o segundos)
  -t, --end TIEMPO      fin del recorte de cada archivo (predeterminado: la duración de cada uno)
  -a, --audio-track N   la N-ésima pista de sonido de cada archivo, como las lista --info
                        (predeterminada: la última); «all»: un archivo por pista, «nombre.N.ext»
                        («nombre.N.IDIOMA.ext» cuando la pista tiene idioma)
      --cover-from-video[=TIEMPO]
                        una fuente sin carátula da a las salidas MP3, M4A y FLAC una imagen
                        de su vídeo (predeterminado: al 10 % de su duración)
  -m, --merge           unir todos los archivos, en orden, en una salida con el nombre del
                        primero; cada archivo pasa a ser un capítulo
      --split-chapters  un archivo por capítulo: «NOMBRE - 01 - Título.mp3», etiquetado con
                        el título del capítulo, su número y la grabación como álbum
      --split-silence[=DB,SEGUNDOS]
                        un archivo por tramo de sonido: corte en el centro de cada pausa de al
                        menos SEGUNDOS bajo DB dBFS (predeterminado -50,1.5); los trozos de
                        menos de un segundo de sonido se unen a su vecino
      --split-every DURACIÓN
                        archivos de unos DURACIÓN cada uno (30:00, 1800): cada corte en la
                        pausa más cercana al tiempo dentro de un 15 %, sin ella en el tiempo
                        exacto
      --trim-silence[=SEGUNDOS]
                        omitir el silencio (bajo -50 dBFS) en ambos extremos de cada archivo,
                        dejando SEGUNDOS (predeterminado 0.3) fuera del primer y último sonido
      --split-at ARCHIVO
                        un archivo por parte que nombra ARCHIVO (- para la entrada estándar):
                        una línea «[H:]MM:SS[.mmm] Título», «Título - MM:SS» o
                        «MM:SS - Título» cada una, o una hoja CUE; cada parte llega hasta la
                        siguiente, la última hasta el final
</translation>
    </message>
    <message>
        <source>  -j, --jobs N          convert N files at once (default: one per core; a merge is one file);
                        spare lanes encode one long sound in segments: MP3, WAV, WMA, Opus,
                        OGG Vorbis, FLAC and the PCM presets
      --skip-existing   leave out a file whose output name already exists, so that a run
                        started again does only what is missing; inputs that would write
                        one name are refused (see --keep-folders)
      --keep-folders    mirror the inputs&apos; folders, relative to the folder they have in
                        common, under the output folder
      --json            one JSON object per finished file on standard output, instead of
                        the status lines
      --info            print each file&apos;s media information and sound tracks and exit
      --normalize[=LUFS]
                        measure each file (each merged file) first and bring it to this
                        loudness (default -16 LUFS; -14, -18, -23 are common), with one gain,
                        peaks above the true-peak ceiling limited; with -f copy, Opus tracks
                        only, through the header&apos;s gain (no packet changes)
      --true-peak DB    the ceiling of --normalize (default -1 dBTP)
      --replaygain[=track|album]
                        leave the sound as it is and tag each output with its ReplayGain
                        2.0 gain and peak (MP3, OGG, FLAC, WMA, M4A; also copies; Opus gets
                        its R128 gains, relative to -23 LUFS); album: the gain of all the
                        run&apos;s outputs together as well
      --loudness        with --info: the loudness of the chosen sound track (-a; all of them
                        with -a all) by EBU R128: LUFS, loudness range and true peak
      --write-job FILE  write the job these options and files describe to FILE (a
                        &quot;.tolvane-job&quot;, as the window&apos;s Save list writes) and convert nothing
</source>
        <translation>  -j, --jobs N          convertir N archivos a la vez (predeterminado: uno por núcleo; una unión
                        es un archivo); los carriles libres codifican un sonido largo por segmentos:
                        MP3, WAV, WMA, Opus, OGG Vorbis, FLAC y los ajustes PCM
      --skip-existing   omitir un archivo cuyo nombre de salida ya existe, para que una
                        ejecución repetida haga solo lo que falta; se rechazan entradas que
                        escribirían el mismo nombre (véase --keep-folders)
      --keep-folders    reproducir las carpetas de las entradas, relativas a su carpeta común,
                        dentro de la carpeta de salida
      --json            un objeto JSON por archivo terminado en la salida estándar, en lugar
                        de las líneas de estado
      --info            mostrar la información multimedia y las pistas de sonido de cada
                        archivo y salir
      --normalize[=LUFS]
                        medir antes cada archivo (cada archivo unido) y llevarlo a esta
                        sonoridad (predeterminado -16 LUFS; -14, -18, -23 son habituales), con
                        una sola ganancia y los picos sobre el techo de pico real limitados;
                        con -f copy, solo pistas Opus, mediante la ganancia de la cabecera
                        (sin cambiar ningún paquete)
      --true-peak DB    el techo de --normalize (predeterminado -1 dBTP)
      --replaygain[=track|album]
                        dejar el sonido como está y etiquetar cada salida con su ganancia y
                        pico ReplayGain 2.0 (MP3, OGG, FLAC, WMA, M4A; también copias; Opus
                        recibe sus ganancias R128, relativas a -23 LUFS); album: además, la
                        ganancia de todas las salidas de la ejecución juntas
      --loudness        con --info: la sonoridad de la pista de sonido elegida (-a; todas con
                        -a all) según EBU R128: LUFS, rango de sonoridad y pico real
      --write-job ARCHIVO
                        escribir en ARCHIVO el trabajo que describen estas opciones y
                        archivos (un «.tolvane-job», como lo escribe «Guardar lista» en la
                        ventana) sin convertir nada
</translation>
    </message>
    <message>
        <source>      --job FILE        run the job in FILE; every option of the run given beside it applies
                        over its own (-e, -b, -r, -c refine its format)
      --slice K/N       only the job&apos;s rows whose index modulo N is K-1: N machines with
                        one job and one shared output folder make every file once
      --slice auto[/N]  K and N from the scheduler: a Slurm array job, a Kubernetes indexed
                        Job or GNU parallel (these two with N given)
      --check           with --job: each row the slice takes as Made, Missing or Failed;
                        exit 1 while any is missing or failed
</source>
        <translation>      --job ARCHIVO     ejecutar el trabajo de ARCHIVO; toda opción de la ejecución indicada
                        junto a él se aplica sobre las suyas (-e, -b, -r, -c afinan su formato)
      --slice K/N       solo las filas del trabajo cuyo índice módulo N es K-1: N máquinas
                        con un trabajo y una carpeta de salida compartida hacen cada archivo
                        una vez
      --slice auto[/N]  K y N del planificador: un array de trabajos de Slurm, un Job
                        indexado de Kubernetes o GNU parallel (estos dos con N indicado)
      --check           con --job: cada fila de la porción como Made, Missing o Failed;
                        sale con 1 mientras falte alguna o haya fallado
</translation>
    </message>
    <message>
        <source>  -q, --quiet           no progress display, and nothing from the media libraries: only
                        the status lines and failures
  -h, --help            this help
      --version         the version

</source>
        <translation>  -q, --quiet           sin indicador de progreso ni mensajes de las bibliotecas multimedia:
                        solo las líneas de estado y los fallos
  -h, --help            esta ayuda
      --version         la versión

</translation>
    </message>
    <message>
        <source>An existing file is never overwritten: &quot;name(0).ext&quot;, &quot;name(1).ext&quot;... are used instead.
Status lines come as files finish: &quot;Completed&quot;, &quot;Failure&quot;, &quot;Stopped&quot; or &quot;Skipped&quot;, the file
and what was written; a failure adds the reason. Outputs are written as hidden
&quot;.NAME.*.tolvane-part&quot; files and get their names only when whole, so a killed run leaves no file
that looks finished (the next run into the folder removes what it left, and nothing else). With --skip-existing, a file cut short by
an interrupt is removed, so that the next run makes it whole.
Exit status: 0 every file converted (or skipped), 1 a file failed or the run was interrupted,
2 bad usage.
</source>
        <translation>Nunca se sobrescribe un archivo existente: se usan «nombre(0).ext», «nombre(1).ext»... en su
lugar. Las líneas de estado llegan a medida que terminan los archivos: «Completed», «Failure»,
«Stopped» o «Skipped», el archivo y lo que se escribió; un fallo añade el motivo. Las salidas se
escriben como archivos ocultos «.NOMBRE.*.tolvane-part» y solo reciben su nombre cuando están
completas, así que una ejecución interrumpida a la fuerza no deja ningún archivo que parezca
terminado (la siguiente en esa carpeta quita lo que dejó, y nada más). Con --skip-existing, un
archivo cortado por una interrupción se quita, para que la siguiente ejecución lo haga completo.
Código de salida: 0 todos los archivos convertidos (u omitidos), 1 falló un archivo o se
interrumpió la ejecución, 2 uso incorrecto.
</translation>
    </message>
    <message>
        <source>tolvane-cli: %1
Try &apos;tolvane-cli --help&apos;.</source>
        <translation>tolvane-cli: %1
Pruebe &apos;tolvane-cli --help&apos;.</translation>
    </message>
    <message>
        <source>Converting %1/%2: %3</source>
        <translation>Convirtiendo %1/%2: %3</translation>
    </message>
    <message>
        <source>[%1/%2] %3  elapsed %4  left %5</source>
        <translation>[%1/%2] %3  transcurrido %4  queda %5</translation>
    </message>
    <message>
        <source>File:%1 is invalid!</source>
        <translation>¡Archivo:%1 no es válido!</translation>
    </message>
    <message>
        <source>File:%1 is refused: %2</source>
        <translation>Archivo:%1 rechazado: %2</translation>
    </message>
    <message>
        <source>File:%1: %2</source>
        <translation>Archivo:%1: %2</translation>
    </message>
    <message>
        <source>File:%1: %2 (left out)</source>
        <translation>Archivo:%1: %2 (omitido)</translation>
    </message>
    <message>
        <source>File:%1: the list names no part</source>
        <translation>Archivo:%1: la lista no nombra ninguna parte</translation>
    </message>
    <message>
        <source>File:%1 has no chapters: it is converted whole</source>
        <translation>Archivo:%1 no tiene capítulos: se convierte completo</translation>
    </message>
    <message>
        <source>Stopping: a file cut short is removed, so that the next run makes it whole</source>
        <translation>Deteniendo: se quita un archivo cortado, para que la siguiente ejecución lo haga completo</translation>
    </message>
    <message>
        <source>Stopping: closing the current file; it holds what was converted so far</source>
        <translation>Deteniendo: se cierra el archivo actual; contiene lo convertido hasta ahora</translation>
    </message>
    <message>
        <source>tolvane-cli: cannot run the job %1: %2</source>
        <translation>tolvane-cli: no se puede ejecutar el trabajo %1: %2</translation>
    </message>
    <message>
        <source>tolvane-cli: cannot read the list of times %1</source>
        <translation>tolvane-cli: no se puede leer la lista de tiempos %1</translation>
    </message>
    <message>
        <source>tolvane-cli: %1: %2</source>
        <translation>tolvane-cli: %1: %2</translation>
    </message>
    <message>
        <source>tolvane-cli: cannot write the job %1: %2</source>
        <translation>tolvane-cli: no se puede escribir el trabajo %1: %2</translation>
    </message>
    <message>
        <source>Wrote the job of %1 rows to %2</source>
        <translation>Trabajo de %1 filas escrito en %2</translation>
    </message>
    <message>
        <source>The folder that you selected does not exit.Please specify a different folder!</source>
        <translation>La carpeta seleccionada no existe. ¡Indique otra carpeta!</translation>
    </message>
    <message>
        <source>The output folder name is invalid!</source>
        <translation>¡El nombre de la carpeta de salida no es válido!</translation>
    </message>
    <message>
        <source>Please select output folder:</source>
        <translation>Seleccione la carpeta de salida:</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is not a regular file (a pipe, socket or device)</source>
        <translation>no es un archivo normal (una tubería, un socket o un dispositivo)</translation>
    </message>
    <message>
        <source>at least %1 s under %2 dBFS</source>
        <translation>al menos %1 s bajo %2 dBFS</translation>
    </message>
    <message>
        <source>1 part</source>
        <translation>1 parte</translation>
    </message>
    <message>
        <source>%1 parts</source>
        <translation>%1 partes</translation>
    </message>
    <message>
        <source>silent throughout (under %1 dBFS): the file stays whole</source>
        <translation>silencio de principio a fin (bajo %1 dBFS): el archivo queda entero</translation>
    </message>
    <message>
        <source>no pause of %1 between two sounds: the file stays whole</source>
        <translation>ninguna pausa de %1 entre dos sonidos: el archivo queda entero</translation>
    </message>
    <message>
        <source>%1 at pauses of %2</source>
        <translation>%1 en pausas de %2</translation>
    </message>
    <message>
        <source>not longer than %1: the file stays whole</source>
        <translation>no más largo que %1: el archivo queda entero</translation>
    </message>
    <message>
        <source>%1 of about %2: %3</source>
        <translation>%1 de unos %2: %3</translation>
    </message>
    <message>
        <source>%1 of 1 cut in a pause</source>
        <translation>%1 de 1 corte en una pausa</translation>
    </message>
    <message>
        <source>%1 of %2 cuts in a pause, the others at the exact time (no pause near them)</source>
        <translation>%1 de %2 cortes en una pausa, los demás en el tiempo exacto (sin pausa cerca)</translation>
    </message>
    <message>
        <source>%1 of %2 cuts in a pause</source>
        <translation>%1 de %2 cortes en una pausa</translation>
    </message>
    <message>
        <source>silent throughout (under %1 dBFS): nothing was trimmed</source>
        <translation>silencio de principio a fin (bajo %1 dBFS): no se recortó nada</translation>
    </message>
    <message>
        <source>trimmed to the sound from %1 to %2</source>
        <translation>recortado al sonido de %1 a %2</translation>
    </message>
    <message>
        <source>no silence at the ends: nothing was trimmed</source>
        <translation>sin silencio en los extremos: no se recortó nada</translation>
    </message>
    <message>
        <source>the sound before %1 (the first time) is in no part</source>
        <translation>el sonido antes de %1 (el primer tiempo) no está en ninguna parte</translation>
    </message>
    <message>
        <source>%1: %2 is past the end (%3)</source>
        <translation>%1: %2 está después del final (%3)</translation>
    </message>
    <message>
        <source>%1: %2 is not after %3</source>
        <translation>%1: %2 no está después de %3</translation>
    </message>
    <message>
        <source>chapter %1</source>
        <translation>capítulo %1</translation>
    </message>
    <message>
        <source>%1: starts past the end (%2 of %3)</source>
        <translation>%1: empieza después del final (%2 de %3)</translation>
    </message>
    <message>
        <source>%1: overlaps the chapter before (%2)</source>
        <translation>%1: se solapa con el capítulo anterior (%2)</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>línea %1</translation>
    </message>
    <message>
        <source>%1: no time in &quot;%2&quot;</source>
        <translation>%1: ningún tiempo en «%2»</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>detenido</translation>
    </message>
    <message>
        <source>no sound to measure</source>
        <translation>no hay sonido que medir</translation>
    </message>
    <message>
        <source>the written sound cannot be decoded</source>
        <translation>el sonido escrito no se puede decodificar</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>the written sound cannot be measured</source>
        <translation>el sonido escrito no se puede medir</translation>
    </message>
    <message>
        <source>no sound to read</source>
        <translation>no hay sonido que leer</translation>
    </message>
    <message>
        <source>the task has no output path</source>
        <translation>la tarea no tiene ruta de salida</translation>
    </message>
    <message>
        <source>cannot add the chapters</source>
        <translation>no se pueden añadir los capítulos</translation>
    </message>
    <message>
        <source>cannot read the source</source>
        <translation>no se puede leer la fuente</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>the source has no such sound track</source>
        <translation>la fuente no tiene esa pista de sonido</translation>
    </message>
    <message>
        <source>cannot open the video decoder</source>
        <translation>no se puede abrir el decodificador de vídeo</translation>
    </message>
    <message>
        <source>cannot open the audio decoder</source>
        <translation>no se puede abrir el decodificador de audio</translation>
    </message>
    <message>
        <source>no output format for the output name</source>
        <translation>ningún formato de salida para el nombre de salida</translation>
    </message>
    <message>
        <source>cannot allocate the output</source>
        <translation>no se puede reservar la salida</translation>
    </message>
    <message>
        <source>cannot open the video encoder</source>
        <translation>no se puede abrir el codificador de vídeo</translation>
    </message>
    <message>
        <source>cannot add the video stream</source>
        <translation>no se puede añadir el flujo de vídeo</translation>
    </message>
    <message>
        <source>cannot open the audio encoder</source>
        <translation>no se puede abrir el codificador de audio</translation>
    </message>
    <message>
        <source>cannot add the audio stream</source>
        <translation>no se puede añadir el flujo de audio</translation>
    </message>
    <message>
        <source>nothing to write: the source has no audio</source>
        <translation>nada que escribir: la fuente no tiene audio</translation>
    </message>
    <message>
        <source>cannot encode or write the sound</source>
        <translation>no se puede codificar o escribir el sonido</translation>
    </message>
    <message>
        <source>cannot encode or write the pictures</source>
        <translation>no se pueden codificar o escribir las imágenes</translation>
    </message>
    <message>
        <source>cannot measure the loudness: </source>
        <translation>no se puede medir la sonoridad: </translation>
    </message>
    <message>
        <source>cannot encode or write the end of the sound</source>
        <translation>no se puede codificar o escribir el final del sonido</translation>
    </message>
    <message>
        <source>cannot encode or write the last pictures</source>
        <translation>no se pueden codificar o escribir las últimas imágenes</translation>
    </message>
    <message>
        <source>-f copy keeps the original sound; -e, -b, -r and -c do not go with it</source>
        <translation>-f copy conserva el sonido original; -e, -b, -r y -c no van con él</translation>
    </message>
    <message>
        <source>a merged copy keeps each file&apos;s sound as it is: it cannot be brought to one loudness (choose a format to convert to)</source>
        <translation>una copia unida conserva el sonido de cada archivo tal cual: no se puede llevar a una sola sonoridad (elija un formato al que convertir)</translation>
    </message>
    <message>
        <source>normalising changes the sound, ReplayGain tags it: one or the other</source>
        <translation>normalizar cambia el sonido, ReplayGain lo etiqueta: uno u otro</translation>
    </message>
    <message>
        <source>ReplayGain tags files one by one; it does not go with a merge</source>
        <translation>ReplayGain etiqueta los archivos uno a uno; no va con una unión</translation>
    </message>
    <message>
        <source>a split makes a file of each part; it does not go with a merge</source>
        <translation>una división hace un archivo por parte; no va con una unión</translation>
    </message>
    <message>
        <source>a merge takes every file whole; a clip start or end does not go with it</source>
        <translation>una unión toma cada archivo entero; un inicio o fin de recorte no va con ella</translation>
    </message>
    <message>
        <source>-a all writes a file per sound track; it does not go with --merge</source>
        <translation>-a all escribe un archivo por pista de sonido; no va con --merge</translation>
    </message>
    <message>
        <source>--skip-existing works file by file; it does not go with --merge</source>
        <translation>--skip-existing trabaja archivo por archivo; no va con --merge</translation>
    </message>
    <message>
        <source>a split makes a file of each part; it does not go with -s or -t</source>
        <translation>una división hace un archivo por parte; no va con -s ni -t</translation>
    </message>
    <message>
        <source>a copy keeps the sound as it is: only an Opus track can be brought to a loudness without re-encoding (choose a format to convert to)</source>
        <translation>una copia conserva el sonido tal cual: solo una pista Opus se puede llevar a una sonoridad sin volver a codificar (elija un formato al que convertir)</translation>
    </message>
    <message>
        <source>cannot copy the sound track&apos;s parameters</source>
        <translation>no se pueden copiar los parámetros de la pista de sonido</translation>
    </message>
    <message>
        <source>the sound track cannot join the merged file: </source>
        <translation>la pista de sonido no puede unirse al archivo unido: </translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>no se puede escribir la salida</translation>
    </message>
    <message>
        <source>cannot finish the output file: </source>
        <translation>no se puede terminar el archivo de salida: </translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>cannot read the output</source>
        <translation>no se puede leer la salida</translation>
    </message>
    <message>
        <source>no movie header to tag</source>
        <translation>no hay cabecera de película que etiquetar</translation>
    </message>
    <message>
        <source>the movie header&apos;s boxes do not read</source>
        <translation>las cajas de la cabecera de película no se pueden leer</translation>
    </message>
    <message>
        <source>the movie header would grow too large</source>
        <translation>la cabecera de película crecería demasiado</translation>
    </message>
    <message>
        <source>cannot write the tags: </source>
        <translation>no se pueden escribir las etiquetas: </translation>
    </message>
    <message>
        <source>cannot read the output back</source>
        <translation>no se puede volver a leer la salida</translation>
    </message>
    <message>
        <source>the ReplayGain tags could not be found in the header</source>
        <translation>no se encontraron las etiquetas ReplayGain en la cabecera</translation>
    </message>
    <message>
        <source>cannot measure the output for its ReplayGain tags: </source>
        <translation>no se puede medir la salida para sus etiquetas ReplayGain: </translation>
    </message>
    <message>
        <source>the R128 gain could not be written: </source>
        <translation>no se pudo escribir la ganancia R128: </translation>
    </message>
    <message>
        <source>the ReplayGain tags could not be written: </source>
        <translation>no se pudieron escribir las etiquetas ReplayGain: </translation>
    </message>
    <message>
        <source>not enough memory for the ReplayGain tags</source>
        <translation>memoria insuficiente para las etiquetas ReplayGain</translation>
    </message>
    <message>
        <source>not enough memory for the tags</source>
        <translation>memoria insuficiente para las etiquetas</translation>
    </message>
    <message>
        <source>Elapsed %1 · Time left %2</source>
        <translation>Transcurrido %1 · Tiempo restante %2</translation>
    </message>
    <message>
        <source>shorter than the clip start</source>
        <translation>más corto que el inicio del recorte</translation>
    </message>
    <message>
        <source>its output would be the source itself; choose another output folder</source>
        <translation>su salida sería la propia fuente; elija otra carpeta de salida</translation>
    </message>
    <message>
        <source>tempo %1×</source>
        <translation>tempo %1×</translation>
    </message>
    <message>
        <source>night mode</source>
        <translation>modo nocturno</translation>
    </message>
    <message>
        <source>fade in %1 s</source>
        <translation>fundido de entrada %1 s</translation>
    </message>
    <message>
        <source>fade out %1 s</source>
        <translation>fundido de salida %1 s</translation>
    </message>
    <message>
        <source>crossfade %1 s</source>
        <translation>fundido cruzado %1 s</translation>
    </message>
    <message>
        <source>1 sound packet did not decode and was skipped</source>
        <translation>1 paquete de sonido no se pudo decodificar y se omitió</translation>
    </message>
    <message>
        <source>%1 sound packets did not decode and were skipped</source>
        <translation>%1 paquetes de sonido no se pudieron decodificar y se omitieron</translation>
    </message>
    <message>
        <source>this format keeps no ReplayGain tags: none were written</source>
        <translation>este formato no guarda etiquetas ReplayGain: no se escribió ninguna</translation>
    </message>
    <message>
        <source>the cover picture could not be added (%1)</source>
        <translation>no se pudo añadir la imagen de portada (%1)</translation>
    </message>
    <message>
        <source>the sound is silent: its loudness was left as it was</source>
        <translation>el sonido está en silencio: su sonoridad se dejó como estaba</translation>
    </message>
    <message>
        <source>the mix was brought down where it would have clipped</source>
        <translation>la mezcla se bajó donde habría saturado</translation>
    </message>
    <message>
        <source>encoded in %1 segments at once</source>
        <translation>codificado en %1 segmentos a la vez</translation>
    </message>
    <message>
        <source>mixed %1</source>
        <translation>mezclado: %1</translation>
    </message>
    <message>
        <source>the gain was lowered to %1 dB to keep the true peak at %2 dBTP: the file plays at %3 LUFS</source>
        <translation>la ganancia se bajó a %1 dB para mantener el pico real en %2 dBTP: el archivo suena a %3 LUFS</translation>
    </message>
    <message>
        <source>copied whole packets: from %1 s to %2 s of the file</source>
        <translation>paquetes enteros copiados: de %1 s a %2 s del archivo</translation>
    </message>
</context>
<context>
    <name>PartsView</name>
    <message>
        <source>Parts</source>
        <translation>Partes</translation>
    </message>
    <message>
        <source>Part %1</source>
        <translation>Parte %1</translation>
    </message>
</context>
<context>
    <name>PreviewTransport</name>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
</context>
<context>
    <name>RunDesktop</name>
    <message>
        <source>Converting sound</source>
        <translation>Convirtiendo el sonido</translation>
    </message>
</context>
<context>
    <name>WaveformStrip</name>
    <message>
        <source>The sound of the whole file: click to play from there</source>
        <translation>El sonido del archivo completo: haga clic para reproducir desde ahí</translation>
    </message>
    <message>
        <source>Sound of the whole file</source>
        <translation>Sonido del archivo completo</translation>
    </message>
    <message>
        <source>Chapter %1%2 (%3)</source>
        <translation>Capítulo %1%2 (%3)</translation>
    </message>
</context>
<context>
    <name>CMixDialog</name>
    <message>
        <source>no temporary folder can be made</source>
        <translation>no se puede crear una carpeta temporal</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>Plays a few seconds of the mix, from where the preview stands</source>
        <translation>Reproduce unos segundos de la mezcla desde la posición de la vista previa</translation>
    </message>
    <message>
        <source>Preparing…</source>
        <translation>Preparando…</translation>
    </message>
    <message>
        <source>No preview: %1</source>
        <translation>Sin escucha: %1</translation>
    </message>
    <message>
        <source>the player cannot open the preview</source>
        <translation>el reproductor no puede abrir la muestra</translation>
    </message>
    <message>
        <source>Stop preview</source>
        <translation>Detener la escucha</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Sonoridad</translation>
    </message>
    <message>
        <source>Loudness of track %1</source>
        <translation>Sonoridad de la pista %1</translation>
    </message>
    <message>
        <source>Measure loudness</source>
        <translation>Medir la sonoridad</translation>
    </message>
    <message>
        <source>Each track&apos;s loudness by EBU R128, read in the background</source>
        <translation>La sonoridad de cada pista según EBU R128, leída en segundo plano</translation>
    </message>
    <message>
        <source>measuring…</source>
        <translation>midiendo…</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>sin medir</translation>
    </message>
    <message>
        <source>silent</source>
        <translation>silenciosa</translation>
    </message>
    <message>
        <source>Mix tracks</source>
        <translation>Mezclar pistas</translation>
    </message>
    <message>
        <source>Sound tracks</source>
        <translation>Pistas de sonido</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Ganancia</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>Mix track %1</source>
        <translation>Mezclar la pista %1</translation>
    </message>
    <message>
        <source>Gain of track %1</source>
        <translation>Ganancia de la pista %1</translation>
    </message>
    <message>
        <source> dB</source>
        <translation> dB</translation>
    </message>
    <message>
        <source>Track %1 is the voice</source>
        <translation>La pista %1 es la voz</translation>
    </message>
    <message>
        <source>No voice</source>
        <translation>Sin voz</translation>
    </message>
    <message>
        <source>The others under the voice</source>
        <translation>Las demás bajo la voz</translation>
    </message>
    <message>
        <source>The other tracks&apos; loudness sits this far under the voice&apos;s (EBU R128)</source>
        <translation>La sonoridad de las demás pistas queda así de bajo la de la voz (EBU R128)</translation>
    </message>
    <message>
        <source> LU</source>
        <translation> LU</translation>
    </message>
    <message>
        <source>The others under the voice:</source>
        <translation>Las demás bajo la voz:</translation>
    </message>
    <message>
        <source>Lower the others while the voice speaks</source>
        <translation>Bajar las demás mientras la voz habla</translation>
    </message>
    <message>
        <source>How much lower</source>
        <translation>Cuánto más bajo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Channels</name>
    <message>
        <source>1 Channel Mono</source>
        <translation>1 canal mono</translation>
    </message>
    <message>
        <source>2 Channel Stereo</source>
        <translation>2 canales estéreo</translation>
    </message>
    <message>
        <source>2 Channel stereo</source>
        <translation>2 canales estéreo</translation>
    </message>
    <message>
        <source>5.1 Channel</source>
        <translation>5.1 canales</translation>
    </message>
    <message>
        <source>6 Channel stereo</source>
        <translation>6 canales</translation>
    </message>
</context>
<context>
    <name>FileFilters</name>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>All media files</source>
        <translation>Todos los archivos multimedia</translation>
    </message>
    <message>
        <source>WebM files</source>
        <translation>Archivos WebM</translation>
    </message>
    <message>
        <source>Ogg files</source>
        <translation>Archivos Ogg</translation>
    </message>
    <message>
        <source>Flash files</source>
        <translation>Archivos Flash</translation>
    </message>
    <message>
        <source>Real Media Files</source>
        <translation>Archivos Real Media</translation>
    </message>
    <message>
        <source>QuickTime files</source>
        <translation>Archivos QuickTime</translation>
    </message>
    <message>
        <source>AVI files</source>
        <translation>Archivos AVI</translation>
    </message>
    <message>
        <source>MPEG files</source>
        <translation>Archivos MPEG</translation>
    </message>
    <message>
        <source>Unprotected VOB files</source>
        <translation>Archivos VOB sin protección</translation>
    </message>
    <message>
        <source>VCD files</source>
        <translation>Archivos VCD</translation>
    </message>
    <message>
        <source>Matroska Video files</source>
        <translation>Archivos de vídeo Matroska</translation>
    </message>
    <message>
        <source>MP4 files</source>
        <translation>Archivos MP4</translation>
    </message>
    <message>
        <source>3GP files</source>
        <translation>Archivos 3GP</translation>
    </message>
    <message>
        <source>Windows Media files</source>
        <translation>Archivos Windows Media</translation>
    </message>
    <message>
        <source>MOD files</source>
        <translation>Archivos MOD</translation>
    </message>
    <message>
        <source>TOD files</source>
        <translation>Archivos TOD</translation>
    </message>
    <message>
        <source>High-Definition files</source>
        <translation>Archivos de alta definición</translation>
    </message>
    <message>
        <source>Digital Video files</source>
        <translation>Archivos de vídeo digital</translation>
    </message>
    <message>
        <source>NUT files</source>
        <translation>Archivos NUT</translation>
    </message>
    <message>
        <source>Raw H.264 video files</source>
        <translation>Archivos de vídeo H.264 sin contenedor</translation>
    </message>
    <message>
        <source>Nullsoft Stream Video</source>
        <translation>Nullsoft Stream Video</translation>
    </message>
</context>
</TS>
