<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CAVConvertDlg</name>
    <message>
        <source>Tolvane</source>
        <translation>Tolvane</translation>
    </message>
    <message>
        <source>Current File Converting:</source>
        <translation>Aktuelle Datei wird umgewandelt:</translation>
    </message>
    <message>
        <source>Current file progress</source>
        <translation>Fortschritt der aktuellen Datei</translation>
    </message>
    <message>
        <source>Total Progress:</source>
        <translation>Gesamtfortschritt:</translation>
    </message>
    <message>
        <source>Total progress</source>
        <translation>Gesamtfortschritt</translation>
    </message>
    <message>
        <source>Shut down computer when conversion completed</source>
        <translation>Computer nach der Umwandlung herunterfahren</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Stop converting</source>
        <translation>Umwandlung anhalten</translation>
    </message>
    <message>
        <source>Show preview</source>
        <translation>Vorschau zeigen</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Wird umgewandelt …</translation>
    </message>
</context>
<context>
    <name>CAbout</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Made for people who keep the sound of their videos.</source>
        <translation>Für alle, die den Ton ihrer Videos behalten möchten.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Unterstützung:</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>Webseite:</translation>
    </message>
</context>
<context>
    <name>CBrenvixDlg</name>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Volume level</source>
        <translation>Lautstärkeregler</translation>
    </message>
    <message>
        <source>Could not open %1: no program to open it was found (the xdg-utils package provides one).</source>
        <translation>%1 konnte nicht geöffnet werden: Es wurde kein Programm dafür gefunden (das Paket xdg-utils stellt eines bereit).</translation>
    </message>
    <message>
        <source>Can not find help file!</source>
        <translation>Die Hilfedatei wurde nicht gefunden!</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Datei hinzufügen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Clip Video</source>
        <translation>Video zuschneiden</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Zuschneiden</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Umwandlung starten</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Umwandeln</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <source> Merge into a file</source>
        <translation> Zu einer Datei zusammenfügen</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Zusammenfügen</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>Dateiinformationen</translation>
    </message>
    <message>
        <source>File Info</source>
        <translation>Dateiinfo</translation>
    </message>
    <message>
        <source>Conversion Settings</source>
        <translation>Umwandlungseinstellungen</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Set output files</source>
        <translation>Zielordner festlegen</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Open output files</source>
        <translation>Zielordner öffnen</translation>
    </message>
    <message>
        <source>Find Target</source>
        <translation>Ziel öffnen</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>List note</source>
        <translation>Hinweis zur Liste</translation>
    </message>
    <message>
        <source>Save list</source>
        <translation>Liste speichern</translation>
    </message>
    <message>
        <source>The list could not be saved in %1: %2.</source>
        <translation>Die Liste konnte nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Restored the list of 1 file</source>
        <translation>Die Liste mit 1 Datei wurde wiederhergestellt</translation>
    </message>
    <message>
        <source>Restored the list of %1 files</source>
        <translation>Die Liste mit %1 Dateien wurde wiederhergestellt</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>Files at once</source>
        <translation>Dateien gleichzeitig</translation>
    </message>
    <message>
        <source>How many files Convert works on at once (1 to %1); a merge is always one file. With fewer files left, a recording of more than two minutes to MP3, FLAC or WAV is encoded in segments on the spare cores and joined</source>
        <translation>Wie viele Dateien Umwandeln gleichzeitig bearbeitet (1 bis %1); beim Zusammenfügen ist es immer eine. Bleiben weniger Dateien übrig, wird eine Aufnahme von mehr als zwei Minuten nach MP3, FLAC oder WAV in Abschnitten auf den freien Kernen kodiert und wieder zusammengesetzt</translation>
    </message>
    <message>
        <source>Please add video files!</source>
        <translation>Bitte fügen Sie Videodateien hinzu!</translation>
    </message>
    <message>
        <source>Merge is effective when two or more files are chosen!</source>
        <translation>Zusammenfügen ist erst ab zwei ausgewählten Dateien möglich!</translation>
    </message>
    <message>
        <source>Please select at least one task to convert!</source>
        <translation>Bitte wählen Sie mindestens eine Aufgabe zum Umwandeln aus!</translation>
    </message>
    <message>
        <source>A run holds at most %1 files.</source>
        <translation>Ein Durchgang umfasst höchstens %1 Dateien.</translation>
    </message>
    <message>
        <source>These settings cannot be converted: %1</source>
        <translation>Mit diesen Einstellungen kann nicht umgewandelt werden: %1</translation>
    </message>
    <message>
        <source>The original sound is copied as it is: it cannot be brought to a loudness. Choose a format to convert to, or set Loudness to &quot;As recorded&quot; in Setting.</source>
        <translation>Der Originalton wird unverändert kopiert und kann nicht auf eine Lautheit gebracht werden. Wählen Sie ein Zielformat oder stellen Sie unter Einstellungen die Lautheit auf „Wie aufgenommen“.</translation>
    </message>
    <message>
        <source>These choices cannot go together: %1.</source>
        <translation>Diese Auswahl passt nicht zusammen: %1.</translation>
    </message>
    <message>
        <source>Row %1 (%2): %3</source>
        <translation>Zeile %1 (%2): %3</translation>
    </message>
    <message>
        <source>These rows cannot be converted:</source>
        <translation>Diese Zeilen können nicht umgewandelt werden:</translation>
    </message>
    <message>
        <source>These files cannot be merged without re-encoding: row %1 (%2) has %3.

Choose another format to merge them.</source>
        <translation>Diese Dateien lassen sich nicht ohne Neukodierung zusammenfügen: Zeile %1 (%2) hat %3.

Wählen Sie zum Zusammenfügen ein anderes Format.</translation>
    </message>
    <message>
        <source>Tolvane: the run was stopped</source>
        <translation>Tolvane: Der Durchgang wurde angehalten</translation>
    </message>
    <message>
        <source>Tolvane: the run is over</source>
        <translation>Tolvane: Der Durchgang ist abgeschlossen</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Stopped at %1</source>
        <translation>Angehalten bei %1</translation>
    </message>
    <message>
        <source>Stopped at %1 of %2; the part so far is in %3</source>
        <translation>Angehalten bei %1 von %2; der bisherige Teil liegt in %3</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Source file</source>
        <translation>Quelldatei</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Ausgabeformat</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Part %1</source>
        <translation>Teil %1</translation>
    </message>
    <message>
        <source>Checking %1 of %2…</source>
        <translation>Prüfe %1 von %2 …</translation>
    </message>
    <message>
        <source>Add Files..</source>
        <translation>Dateien hinzufügen …</translation>
    </message>
    <message>
        <source>Open list…</source>
        <translation>Liste öffnen …</translation>
    </message>
    <message>
        <source>Save list…</source>
        <translation>Liste speichern …</translation>
    </message>
    <message>
        <source>Clip...</source>
        <translation>Zuschneiden …</translation>
    </message>
    <message>
        <source>File Information...</source>
        <translation>Dateiinformationen …</translation>
    </message>
    <message>
        <source>Split by chapters</source>
        <translation>Nach Kapiteln teilen</translation>
    </message>
    <message>
        <source>Split at times…</source>
        <translation>An Zeitpunkten teilen …</translation>
    </message>
    <message>
        <source>Split at silences…</source>
        <translation>An Pausen teilen …</translation>
    </message>
    <message>
        <source>Sound track</source>
        <translation>Tonspur</translation>
    </message>
    <message>
        <source>Chapters left out:</source>
        <translation>Ausgelassene Kapitel:</translation>
    </message>
    <message>
        <source>Tolvane lists (*.tolvane-job)</source>
        <translation>Tolvane-Listen (*.tolvane-job)</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source> Ready</source>
        <translation> Bereit</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Wird umgewandelt …</translation>
    </message>
    <message>
        <source>File:%1 is invalid!</source>
        <translation>Datei:%1 ist ungültig!</translation>
    </message>
    <message>
        <source>File:%1 is not a regular file!</source>
        <translation>Datei:%1 ist keine normale Datei!</translation>
    </message>
    <message>
        <source>File:%1 has no sound track!</source>
        <translation>Datei:%1 hat keine Tonspur!</translation>
    </message>
    <message>
        <source>File:%1 invalid!</source>
        <translation>Datei:%1 ungültig!</translation>
    </message>
</context>
<context>
    <name>CClipDialog</name>
    <message>
        <source>Clip</source>
        <translation>Zuschneiden</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Sound of the whole file</source>
        <translation>Ton der ganzen Datei</translation>
    </message>
    <message>
        <source>Loud and quiet parts, the pauses, the chapters and the clip; a click plays from there</source>
        <translation>Laute und leise Stellen, Pausen, Kapitel und Ausschnitt; ein Klick spielt ab dort ab</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>00:00:00</source>
        <translation>00:00:00</translation>
    </message>
    <message>
        <source>Trim silence at the ends</source>
        <translation>Stille an den Enden entfernen</translation>
    </message>
    <message>
        <source>Begin and end at the first and last sound, with a margin around it</source>
        <translation>Beim ersten und letzten Ton beginnen und enden, mit etwas Rand</translation>
    </message>
    <message>
        <source>Playing position</source>
        <translation>Wiedergabeposition</translation>
    </message>
    <message>
        <source>The clip begins where it ends (%1), so it holds no sound. Set another begin or end time, or Reset.</source>
        <translation>Der Ausschnitt beginnt dort, wo er endet (%1), und enthält daher keinen Ton. Legen Sie eine andere Start- oder Endzeit fest oder setzen Sie ihn zurück.</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>Cut time</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>&amp;Set Begin Time</source>
        <translation>&amp;Startzeit setzen</translation>
    </message>
    <message>
        <source>Set Begin Time</source>
        <translation>Startzeit setzen</translation>
    </message>
    <message>
        <source>&amp;Set End Time</source>
        <translation>&amp;Endzeit setzen</translation>
    </message>
    <message>
        <source>Set End Time</source>
        <translation>Endzeit setzen</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Reset Time</source>
        <translation>Zeiten zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The sound cannot be read: %1</source>
        <translation>Der Ton kann nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>CFileInfomation</name>
    <message>
        <source>File Information</source>
        <translation>Dateiinformationen</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>Media Length:</source>
        <translation>Medienlänge:</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Auflösung:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Bildrate:</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Bitrate:</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Samples:</source>
        <translation>Abtastrate:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Kanäle:</translation>
    </message>
    <message>
        <source>Sound Track:</source>
        <translation>Tonspur:</translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation>Kapitel:</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Lautheit</translation>
    </message>
    <message>
        <source>Measure loudness</source>
        <translation>Lautheit messen</translation>
    </message>
    <message>
        <source>Reads the whole sound track and measures it (EBU R128)</source>
        <translation>Liest die ganze Tonspur und misst sie (EBU R128)</translation>
    </message>
    <message>
        <source>Loudness:</source>
        <translation>Lautheit:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation>Kapitel</translation>
    </message>
</context>
<context>
    <name>CHyperLink</name>
    <message>
        <source>Unable to open hyperlink:

</source>
        <translation>Der Link kann nicht geöffnet werden:

</translation>
    </message>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Dem Betriebssystem fehlt
es an Speicher oder Ressourcen.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Die angegebene Datei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Der angegebene Pfad wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Das Betriebssystem verweigert
den Zugriff auf die angegebene Datei.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Für den Vorgang war nicht genug Speicher vorhanden.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Die .EXE-Datei ist ungültig
(kein Win32-Programm oder fehlerhaftes Abbild).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Eine Freigabeverletzung ist aufgetreten. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Die Dateizuordnung ist
unvollständig oder ungültig.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Die DDE-Transaktion konnte nicht
abgeschlossen werden, weil die Anfrage zu lange dauerte.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Die DDE-Transaktion ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Die DDE-Transaktion konnte nicht
abgeschlossen werden, weil andere DDE-Transaktionen
bearbeitet wurden.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Der angegebenen Dateiendung
ist kein Programm zugeordnet.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Die angegebene Bibliothek wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Ein unbekannter Fehler (%1) ist aufgetreten.</translation>
    </message>
</context>
<context>
    <name>CSettings</name>
    <message>
        <source>Setting</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Format Preset:</source>
        <translation>Formatvorlage:</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Encoder:</source>
        <translation>Kodierer:</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Bitrate:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Abtastrate:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Kanäle:</translation>
    </message>
    <message>
        <source>Loudness:</source>
        <translation>Lautheit:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Default setting</source>
        <translation>Standardeinstellung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Each file is measured first (EBU R128) and brought to this loudness with one gain; peaks above -1 dBTP are limited</source>
        <translation>Jede Datei wird zuerst gemessen (EBU R128) und mit einer einzigen Verstärkung auf diese Lautheit gebracht; Spitzen über -1 dBTP werden begrenzt</translation>
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
        <translation>Herunterfahren</translation>
    </message>
    <message>
        <source>Shut down now</source>
        <translation>Jetzt herunterfahren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The conversion is complete. The computer shuts down in 1 second.</source>
        <translation>Die Umwandlung ist abgeschlossen. Der Computer fährt in 1 Sekunde herunter.</translation>
    </message>
    <message>
        <source>The conversion is complete. The computer shuts down in %1 seconds.</source>
        <translation>Die Umwandlung ist abgeschlossen. Der Computer fährt in %1 Sekunden herunter.</translation>
    </message>
</context>
<context>
    <name>CSilenceDialog</name>
    <message>
        <source>Split at silences</source>
        <translation>An Pausen teilen</translation>
    </message>
    <message>
        <source>A part for each stretch of sound, cut in the middle of the pauses:</source>
        <translation>Ein Teil für jeden Abschnitt mit Ton, geschnitten in der Mitte der Pausen:</translation>
    </message>
    <message>
        <source>Pause level</source>
        <translation>Pausenpegel</translation>
    </message>
    <message>
        <source>Sound under this level counts as silence</source>
        <translation>Ton unter diesem Pegel gilt als Stille</translation>
    </message>
    <message>
        <source>Shortest pause</source>
        <translation>Kürzeste Pause</translation>
    </message>
    <message>
        <source>A pause lasts at least this long; shorter ones are breaths</source>
        <translation>Eine Pause dauert mindestens so lange; kürzere sind Atempausen</translation>
    </message>
    <message>
        <source>Quieter than:</source>
        <translation>Leiser als:</translation>
    </message>
    <message>
        <source>For at least:</source>
        <translation>Mindestens:</translation>
    </message>
    <message>
        <source>Finding the pauses… %1 %</source>
        <translation>Pausen werden gesucht … %1 %</translation>
    </message>
    <message>
        <source>The sound cannot be read: %1</source>
        <translation>Der Ton kann nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>CSplitDialog</name>
    <message>
        <source>Split at times</source>
        <translation>An Zeitpunkten teilen</translation>
    </message>
    <message>
        <source>Paste the times of the parts, a line each, as video descriptions give them
(&quot;00:00 Overture&quot;, &quot;Second Song - 17:24&quot;), or a CUE sheet:</source>
        <translation>Fügen Sie die Zeiten der Teile ein, eine pro Zeile, wie Videobeschreibungen sie angeben
(„00:00 Ouvertüre“, „Zweites Lied - 17:24“), oder ein CUE-Sheet:</translation>
    </message>
    <message>
        <source>Times of the parts</source>
        <translation>Zeiten der Teile</translation>
    </message>
    <message>
        <source>Left out: </source>
        <translation>Ausgelassen: </translation>
    </message>
    <message>
        <source>No part yet.</source>
        <translation>Noch kein Teil.</translation>
    </message>
</context>
<context>
    <name>LoudnessChoice</name>
    <message>
        <source>As recorded</source>
        <translation>Wie aufgenommen</translation>
    </message>
    <message>
        <source>-14 LUFS (music streaming)</source>
        <translation>-14 LUFS (Musik-Streaming)</translation>
    </message>
    <message>
        <source>-16 LUFS (spoken word, podcasts)</source>
        <translation>-16 LUFS (Sprache, Podcasts)</translation>
    </message>
    <message>
        <source>-18 LUFS</source>
        <translation>-18 LUFS</translation>
    </message>
    <message>
        <source>-23 LUFS (EBU broadcast)</source>
        <translation>-23 LUFS (EBU-Rundfunk)</translation>
    </message>
</context>
<context>
    <name>PartsView</name>
    <message>
        <source>Parts</source>
        <translation>Teile</translation>
    </message>
    <message>
        <source>Part %1</source>
        <translation>Teil %1</translation>
    </message>
</context>
<context>
    <name>PreviewTransport</name>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Wiedergabe</translation>
    </message>
</context>
<context>
    <name>RunDesktop</name>
    <message>
        <source>Converting sound</source>
        <translation>Ton wird umgewandelt</translation>
    </message>
</context>
<context>
    <name>WaveformStrip</name>
    <message>
        <source>The sound of the whole file: click to play from there</source>
        <translation>Der Ton der ganzen Datei: Klicken spielt ab dort ab</translation>
    </message>
    <message>
        <source>Sound of the whole file</source>
        <translation>Ton der ganzen Datei</translation>
    </message>
    <message>
        <source>Chapter %1%2 (%3)</source>
        <translation>Kapitel %1%2 (%3)</translation>
    </message>
</context>
</TS>
