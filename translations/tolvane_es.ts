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
</context>
<context>
    <name>CClipDialog</name>
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
</context>
<context>
    <name>CFileInfomation</name>
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
</TS>
