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
        <source>The sound track of every video, as audio</source>
        <translation>Die Tonspur jedes Videos, als Audio</translation>
    </message>
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
        <source>Sound track %1</source>
        <translation>Tonspur %1</translation>
    </message>
    <message>
        <source>Part %1 of %2: %3</source>
        <translation>Teil %1 von %2: %3</translation>
    </message>
    <message>
        <source>Sound from every video</source>
        <translation>Der Ton jedes Videos</translation>
    </message>
    <message>
        <source>Getting started</source>
        <translation>Erste Schritte</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Ausgabe:</translation>
    </message>
    <message>
        <source>Files at once:</source>
        <translation>Dateien zugleich:</translation>
    </message>
    <message>
        <source>Add video files</source>
        <translation>Videodateien hinzufügen</translation>
    </message>
    <message>
        <source>Click Add, or drop videos onto this window.</source>
        <translation>Klicken Sie auf „Hinzufügen“ oder ziehen Sie Videos in dieses Fenster.</translation>
    </message>
    <message>
        <source>Edit the selected file</source>
        <translation>Die gewählte Datei bearbeiten</translation>
    </message>
    <message>
        <source>Clip trims it to a start and an end time.</source>
        <translation>„Zuschneiden“ kürzt sie auf eine Start- und Endzeit.</translation>
    </message>
    <message>
        <source>Choose the profile</source>
        <translation>Das Profil wählen</translation>
    </message>
    <message>
        <source>MP3, WAV, WMA or OGG; Setting refines it.</source>
        <translation>MP3, WAV, WMA oder OGG; „Einstellungen“ verfeinert es.</translation>
    </message>
    <message>
        <source>One audio file per video, or Merge them into one.</source>
        <translation>Eine Audiodatei je Video, oder mit „Zusammenfügen“ alle in eine.</translation>
    </message>
    <message>
        <source>Tracks %1</source>
        <translation>Spuren %1</translation>
    </message>
    <message>
        <source>Sound tracks mixed: %1</source>
        <translation>Gemischte Tonspuren: %1</translation>
    </message>
    <message>
        <source>Mix tracks…</source>
        <translation>Spuren mischen…</translation>
    </message>
    <message>
        <source>Channel %1 alone</source>
        <translation>Kanal %1 allein</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Alle Kanäle</translation>
    </message>
    <message>
        <source>%1 alone</source>
        <translation>%1 allein</translation>
    </message>
    <message>
        <source>Every channel to its own file</source>
        <translation>Jeder Kanal in eine eigene Datei</translation>
    </message>
    <message>
        <source>The files being added are still checked: try again once they are (Esc stops the check).</source>
        <translation>Die hinzugefügten Dateien werden noch geprüft: versuchen Sie es erneut, sobald sie es sind (Esc beendet die Prüfung).</translation>
    </message>
    <message>
        <source>ReplayGain tags</source>
        <translation>ReplayGain-Tags</translation>
    </message>
    <message>
        <source>ReplayGain tags with the album&apos;s gain</source>
        <translation>ReplayGain-Tags mit der Verstärkung des Albums</translation>
    </message>
    <message>
        <source>a true-peak ceiling of %1 dBTP</source>
        <translation>eine True-Peak-Grenze von %1 dBTP</translation>
    </message>
    <message>
        <source>covers from the video</source>
        <translation>Cover aus dem Video</translation>
    </message>
    <message>
        <source>skipping outputs that exist</source>
        <translation>das Auslassen vorhandener Ausgaben</translation>
    </message>
    <message>
        <source>the sources&apos; folders under the output folder</source>
        <translation>die Ordner der Quellen unter dem Zielordner</translation>
    </message>
    <message>
        <source>This list also asks for %1: they apply to its runs</source>
        <translation>Diese Liste verlangt außerdem %1: das gilt für ihre Läufe</translation>
    </message>
    <message>
        <source>The computer could not be shut down: %1</source>
        <translation>Der Computer konnte nicht heruntergefahren werden: %1</translation>
    </message>
    <message>
        <source>The list cannot be kept in %1 (%2): a crash would lose it</source>
        <translation>Die Liste kann nicht in %1 gesichert werden (%2): ein Absturz würde sie verlieren</translation>
    </message>
    <message>
        <source>The list kept from the last time cannot be read (%1); it is kept as %2</source>
        <translation>Die beim letzten Mal gesicherte Liste kann nicht gelesen werden (%1); sie bleibt als %2 erhalten</translation>
    </message>
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
    <message>
        <source>%1   %2% has completed</source>
        <translation>%1   %2% abgeschlossen</translation>
    </message>
    <message>
        <source>%1 Task Completed / Total %2 Task(s)</source>
        <translation>%1 Aufgabe(n) abgeschlossen / Insgesamt %2 Aufgabe(n)</translation>
    </message>
    <message>
        <source>The stopped run is still closing its file: try again in a moment.</source>
        <translation>Der angehaltene Lauf schließt noch seine Datei: bitte gleich noch einmal versuchen.</translation>
    </message>
</context>
<context>
    <name>CClipDialog</name>
    <message>
        <source>Cut time: %1</source>
        <translation>Länge: %1</translation>
    </message>
    <message>
        <source>Show pauses</source>
        <translation>Pausen zeigen</translation>
    </message>
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
    <message>
        <source>Type a time: HH:MM:SS, to the millisecond as HH:MM:SS.mmm</source>
        <translation>Zeit eingeben: HH:MM:SS, auf die Millisekunde als HH:MM:SS.mmm</translation>
    </message>
</context>
<context>
    <name>CFileInfomation</name>
    <message>
        <source>measuring…</source>
        <translation>wird gemessen…</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>nicht gemessen</translation>
    </message>
    <message>
        <source>silent</source>
        <translation>still</translation>
    </message>
    <message>
        <source>%1 LUFS · peak %2 dBTP</source>
        <translation>%1 LUFS · Spitze %2 dBTP</translation>
    </message>
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
        <source>Centre level in a fold-down</source>
        <translation>Center-Pegel beim Heruntermischen</translation>
    </message>
    <message>
        <source>How loud the centre channel (a film&apos;s dialogue) is when 5.1 sound is folded down to stereo or mono; -3 dB is the usual</source>
        <translation>Wie laut der Center-Kanal (der Dialog eines Films) ist, wenn 5.1-Ton auf Stereo oder Mono heruntergemischt wird; -3 dB ist üblich</translation>
    </message>
    <message>
        <source> dB</source>
        <translation> dB</translation>
    </message>
    <message>
        <source>Centre level:</source>
        <translation>Center-Pegel:</translation>
    </message>
    <message>
        <source>As recorded</source>
        <translation>Wie aufgenommen</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Hören</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Faster or slower, the voices at their own pitch</source>
        <translation>Schneller oder langsamer, die Stimmen in ihrer eigenen Tonhöhe</translation>
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
        <translation>Nachtmodus</translation>
    </message>
    <message>
        <source>Loud passages quieter and quiet ones louder, for listening at a low volume; no peak above -1 dBTP</source>
        <translation>Laute Stellen leiser und leise lauter, zum Hören bei geringer Lautstärke; keine Spitze über -1 dBTP</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Fade in:</source>
        <translation>Einblenden:</translation>
    </message>
    <message>
        <source>Fade in</source>
        <translation>Einblenden</translation>
    </message>
    <message>
        <source>Each file (a merge: its start) fades in from silence over these seconds</source>
        <translation>Jede Datei (eine Zusammenführung: ihr Anfang) wird über so viele Sekunden aus der Stille eingeblendet</translation>
    </message>
    <message>
        <source>Fade out:</source>
        <translation>Ausblenden:</translation>
    </message>
    <message>
        <source>Fade out</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Each file (a merge: its end) fades out to silence over these seconds</source>
        <translation>Jede Datei (eine Zusammenführung: ihr Ende) wird über so viele Sekunden in die Stille ausgeblendet</translation>
    </message>
    <message>
        <source>Crossfade:</source>
        <translation>Überblenden:</translation>
    </message>
    <message>
        <source>Crossfade between merged files</source>
        <translation>Überblenden zwischen zusammengeführten Dateien</translation>
    </message>
    <message>
        <source>Merge joins its files with a crossfade of these seconds instead of one after the other</source>
        <translation>Zusammenführen verbindet die Dateien mit einer Überblendung von so vielen Sekunden statt nacheinander</translation>
    </message>
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
        <source>%1 parts:</source>
        <translation>%1 Teile:</translation>
    </message>
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
    <name>Messages</name>
    <message>
        <source>split at the chapters, at a list of times, at the pauses or every so many minutes: one of them</source>
        <translation>an den Kapiteln, an einer Zeitenliste, an den Pausen oder alle so viele Minuten teilen: eines davon</translation>
    </message>
    <message>
        <source>the parts of a split are back to back: --trim-silence trims whole files</source>
        <translation>die Teile einer Teilung schließen lückenlos aneinander an: --trim-silence kürzt ganze Dateien</translation>
    </message>
    <message>
        <source>--trim-silence finds the clip itself; -s and -t do not go with it</source>
        <translation>--trim-silence findet den Ausschnitt selbst; -s und -t passen nicht dazu</translation>
    </message>
    <message>
        <source>--opus-application goes with Opus (-f opus)</source>
        <translation>--opus-application gehört zu Opus (-f opus)</translation>
    </message>
    <message>
        <source>a merge makes one file: it cannot be run in slices</source>
        <translation>eine Zusammenführung ergibt eine Datei: sie lässt sich nicht in Teilen ausführen</translation>
    </message>
    <message>
        <source>no file to convert</source>
        <translation>keine Datei zum Umwandeln</translation>
    </message>
    <message>
        <source>a merge needs two or more files</source>
        <translation>eine Zusammenführung braucht zwei oder mehr Dateien</translation>
    </message>
    <message>
        <source>no row is chosen to convert</source>
        <translation>keine Zeile zum Umwandeln ausgewählt</translation>
    </message>
    <message>
        <source>cannot read the mixed sound tracks</source>
        <translation>die gemischten Tonspuren können nicht gelesen werden</translation>
    </message>
    <message>
        <source>cannot mix the sound tracks</source>
        <translation>die Tonspuren können nicht gemischt werden</translation>
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
        <translation>  -a N+M...             diese Tonspuren in eine Ausgabe mischen, samplegenau ausgerichtet (eine
                        früher endende Spur ist danach Stille); wo die Summe übersteuern würde,
                        senkt ein Begrenzer sie ab und der Status sagt es
      --track-gain N=DB die Verstärkung einer gemischten Spur (-40 bis +20 dB, etwa 2=+6);
                        wiederholbar
      --voice N[=LU]    Spur N ist die Stimme: die anderen liegen LU (Standard 10) unter ihrer
                        Lautheit, beide nach EBU R128 gemessen
      --duck[=DB]       die anderen um DB (Standard 9) absenken, während die Stimme spricht
</translation>
    </message>
    <message>
        <source>a mix takes two sound tracks or more, each once, as 1+2</source>
        <translation>eine Mischung nimmt zwei oder mehr Tonspuren, jede einmal, etwa 1+2</translation>
    </message>
    <message>
        <source>a track&apos;s gain is from -40 to +20 dB</source>
        <translation>die Verstärkung einer Spur liegt zwischen -40 und +20 dB</translation>
    </message>
    <message>
        <source>the voice is one of the mixed sound tracks</source>
        <translation>die Stimme ist eine der gemischten Tonspuren</translation>
    </message>
    <message>
        <source>the voice&apos;s lead and the ducking are from 0 to 40 dB</source>
        <translation>der Vorsprung der Stimme und das Absenken liegen zwischen 0 und 40 dB</translation>
    </message>
    <message>
        <source>ducking lowers the others while the voice speaks: it needs a voice</source>
        <translation>das Absenken senkt die anderen, während die Stimme spricht: es braucht eine Stimme</translation>
    </message>
    <message>
        <source>cannot convert the sound track</source>
        <translation>kann die Tonspur nicht umwandeln</translation>
    </message>
    <message>
        <source>a mix of sound tracks is an encode: a copy keeps one track as it is (choose a format to convert to)</source>
        <translation>eine Mischung von Tonspuren ist eine Umwandlung: eine Kopie behält eine Spur, wie sie ist (wählen Sie ein Format zum Umwandeln)</translation>
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
        <translation>      --pick-channel NAME
                        ein Kanal der Tonspur allein, als Mono-Datei: FL, FR, FC, LFE, BL,
                        BR, SL, SR... wie das Layout von --info sie nennt, oder seine Nummer
      --split-channels  jeder Kanal der Tonspur in eine eigene Mono-Datei, benannt
                        &quot;NAME.FL.ext&quot;, &quot;NAME.FR.ext&quot;...
      --center-mix DB   der Pegel des Center-Kanals, wenn eine Spur auf weniger Kanäle
                        heruntergemischt wird (-c 2 oder -c 1 von 5.1): -12 bis +6 dB (Standard -3)
</translation>
    </message>
    <message>
        <source>a channel alone is an encode: a copy keeps every channel (choose a format to convert to)</source>
        <translation>ein Kanal allein ist eine Umwandlung: eine Kopie behält jeden Kanal (wählen Sie ein Format zum Umwandeln)</translation>
    </message>
    <message>
        <source>a channel alone writes a file of its own; it does not go with a merge</source>
        <translation>ein Kanal allein schreibt eine eigene Datei; das geht nicht mit einer Zusammenführung</translation>
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
        <translation>      --tempo X         X-mal so schnell (0.5 bis 4; 1.25, 1.5, 2), die Stimmen in ihrer eigenen
                        Tonhöhe; Kapitel folgen der neuen Zeitachse, -s, -t und Teilungen
                        bleiben in der Zeit der Quelle
      --night           Nachtmodus: laute Stellen leiser, leise lauter (der Lautheitsbereich
                        mindestens halbiert), keine Spitze über -1 dBTP; mit --normalize wird
                        die Lautheit danach gemessen
      --fade-in S, --fade-out S
                        jede Ausgabe (jeder Ausschnitt, jeder Teil; eine Zusammenführung an
                        ihren Enden) wird über S Sekunden (0 bis 60) ein- bzw. ausgeblendet
      --crossfade S     mit --merge: jede Datei wird mit der vorigen über S Sekunden (0 bis 30)
                        überblendet, ihr Kapitel beginnt in der Mitte der Überblendung
</translation>
    </message>
    <message>
        <source>the tempo is from 0.5 to 4 times the speed</source>
        <translation>das Tempo liegt zwischen dem 0.5- und 4-Fachen der Geschwindigkeit</translation>
    </message>
    <message>
        <source>a fade lasts from 0 to 60 seconds</source>
        <translation>eine Blende dauert 0 bis 60 Sekunden</translation>
    </message>
    <message>
        <source>a crossfade lasts from 0 to 30 seconds</source>
        <translation>eine Überblendung dauert 0 bis 30 Sekunden</translation>
    </message>
    <message>
        <source>tempo, night mode and fades change the sound: a copy keeps it as it is (choose a format to convert to)</source>
        <translation>Tempo, Nachtmodus und Blenden verändern den Ton: eine Kopie lässt ihn, wie er ist (wählen Sie ein Format zum Umwandeln)</translation>
    </message>
    <message>
        <source>the tempo changes the sound alone: the pictures of a video output would no longer match it</source>
        <translation>das Tempo ändert nur den Ton: die Bilder einer Videoausgabe würden nicht mehr dazu passen</translation>
    </message>
    <message>
        <source>a crossfade joins the files of a merge: it needs a merge</source>
        <translation>eine Überblendung verbindet die Dateien einer Zusammenführung: sie braucht eine Zusammenführung</translation>
    </message>
    <message>
        <source>%1 made, %2 missing, %3 failed</source>
        <translation>%1 gemacht, %2 fehlen, %3 fehlgeschlagen</translation>
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
        <translation>Aufruf: tolvane-cli [Optionen] DATEI...
       tolvane-cli [Optionen] --job DATEI
Zieht die Tonspur aus Videodateien in Audiodateien.

  -o, --output ORDNER   Zielordner (Vorgabe: der aktuelle Ordner; wird bei Bedarf angelegt)
  -f, --format NAME     mp3 | wav | wma | ogg | opus oder die Endung einer Audio-Vorlage
                        (aac, ac3, aiff, au, m4a, mp2, ra, flac); Vorgabe mp3;
                        „copy“ (oder „original“): die Tonspur, wie sie ist, ohne
                        Neukodierung, in einer nach ihrem Codec benannten Datei (.m4a, .mp3,
                        .ac3, .ogg, .opus, .flac, .wav, ... .mka); Ausschnitte paketgenau
  -e, --encoder NAME    Audio-Encoder dieses Builds:%1
  -b, --bitrate RATE    Bits pro Sekunde; „128k“ und „128000“ gehen beide
  -r, --rate HZ         Abtastrate
  -c, --channels N      1, 2 oder 6
      --opus-application voip|audio
                        worauf Opus abgestimmt wird: Sprache oder Musik (Vorgabe: die von
                        libopus, Musik); Opus wird mit 48000 Hz kodiert, 6 bis 510 kbit/s
                        (Vorgabe 64 kbit/s mono, 128 kbit/s stereo, 256 kbit/s 5.1)
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
        <translation>  -s, --start ZEIT      Anfang des Ausschnitts jeder Datei (HH:MM:SS oder Sekunden)
  -t, --end ZEIT        Ende des Ausschnitts jeder Datei (Vorgabe: die Länge jeder Datei)
  -a, --audio-track N   die N-te Tonspur jeder Datei, wie --info sie auflistet
                        (Vorgabe: die letzte); „all“: eine Datei je Spur, „Name.N.ext“
                        („Name.N.SPRACHE.ext“, wenn die Spur eine Sprache hat)
      --cover-from-video[=ZEIT]
                        eine Quelle ohne Titelbild gibt MP3-, M4A- und FLAC-Ausgaben
                        ein Bild ihres Videos (Vorgabe: bei 10 % ihrer Länge)
  -m, --merge           alle Dateien der Reihe nach zu einer Ausgabe zusammenfügen, benannt
                        nach der ersten; jede Datei wird ein Kapitel davon
      --split-chapters  eine Datei je Kapitel: „NAME - 01 - Titel.mp3“, mit dem Titel des
                        Kapitels, seiner Nummer und der Aufnahme als Album getaggt
      --split-silence[=DB,SEKUNDEN]
                        eine Datei je Stück Ton: Schnitt in der Mitte jeder Pause von
                        mindestens SEKUNDEN unter DB dBFS (Vorgabe -50,1.5); Stücke mit
                        weniger als einer Sekunde Ton kommen zu ihrem Nachbarn
      --split-every DAUER
                        Dateien von je etwa DAUER (30:00, 1800): jeder Schnitt in der Pause,
                        die der Zeit innerhalb von 15 % am nächsten liegt, sonst genau dort
      --trim-silence[=SEKUNDEN]
                        die Stille (unter -50 dBFS) an beiden Enden jeder Datei weglassen und
                        SEKUNDEN (Vorgabe 0.3) vor dem ersten und nach dem letzten Ton behalten
      --split-at DATEI  eine Datei je Teil, den DATEI nennt (- für die Standardeingabe): je
                        Zeile „[H:]MM:SS[.mmm] Titel“, „Titel - MM:SS“ oder „MM:SS - Titel“
                        oder ein CUE-Sheet; ein Teil reicht bis zum nächsten, der letzte bis
                        zum Ende
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
        <translation>  -j, --jobs N          N Dateien zugleich umwandeln (Vorgabe: eine je Kern; ein Zusammenfügen
                        ist eine Datei); freie Spuren kodieren einen langen Ton in Abschnitten: MP3,
                        WAV, WMA, Opus, OGG Vorbis, FLAC und die PCM-Vorlagen
      --skip-existing   eine Datei auslassen, deren Ausgabename schon existiert, damit ein
                        neu gestarteter Lauf nur das Fehlende macht; Eingaben, die denselben
                        Namen schreiben würden, werden abgelehnt (siehe --keep-folders)
      --keep-folders    die Ordner der Eingaben, relativ zu ihrem gemeinsamen Ordner, im
                        Zielordner nachbilden
      --json            ein JSON-Objekt je fertiger Datei auf der Standardausgabe statt der
                        Statuszeilen
      --info            die Medieninformationen und Tonspuren jeder Datei ausgeben und enden
      --normalize[=LUFS]
                        jede Datei (jede zusammengefügte Datei) erst messen und auf diese
                        Lautheit bringen (Vorgabe -16 LUFS; üblich sind -14, -18, -23), mit
                        einer Verstärkung, Spitzen über der True-Peak-Grenze begrenzt; mit
                        -f copy nur Opus-Spuren, über die Verstärkung im Kopf (ohne Änderung
                        der Pakete)
      --true-peak DB    die Grenze von --normalize (Vorgabe -1 dBTP)
      --replaygain[=track|album]
                        den Ton lassen, wie er ist, und jede Ausgabe mit ihrer ReplayGain-2.0-
                        Verstärkung und -Spitze taggen (MP3, OGG, FLAC, WMA, M4A; auch Kopien;
                        Opus erhält seine R128-Werte, bezogen auf -23 LUFS); album: zusätzlich
                        die Verstärkung aller Ausgaben des Laufs zusammen
      --loudness        mit --info: die Lautheit der gewählten Tonspur (-a; mit -a all aller)
                        nach EBU R128: LUFS, Lautheitsbereich und True Peak
      --write-job DATEI den Auftrag, den diese Optionen und Dateien beschreiben, in DATEI
                        schreiben (ein „.tolvane-job“, wie ihn „Liste speichern“ im Fenster
                        schreibt) und nichts umwandeln
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
        <translation>      --job DATEI       den Auftrag in DATEI ausführen; jede Option des Laufs daneben gilt
                        über seine eigenen (-e, -b, -r, -c verfeinern sein Format)
      --slice K/N       nur die Zeilen des Auftrags, deren Index modulo N gleich K-1 ist:
                        N Rechner mit einem Auftrag und einem gemeinsamen Zielordner machen
                        jede Datei einmal
      --slice auto[/N]  K und N vom Planer: ein Slurm-Array-Job, ein indizierter
                        Kubernetes-Job oder GNU parallel (diese beiden mit angegebenem N)
      --check           mit --job: jede Zeile des Teils als Made, Missing oder Failed;
                        Ende mit 1, solange eine fehlt oder fehlschlug
</translation>
    </message>
    <message>
        <source>  -q, --quiet           no progress display, and nothing from the media libraries: only
                        the status lines and failures
  -h, --help            this help
      --version         the version

</source>
        <translation>  -q, --quiet           keine Fortschrittsanzeige und nichts von den Medienbibliotheken: nur
                        die Statuszeilen und Fehler
  -h, --help            diese Hilfe
      --version         die Version

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
        <translation>Eine vorhandene Datei wird nie überschrieben: stattdessen werden „Name(0).ext“, „Name(1).ext“...
verwendet. Statuszeilen kommen, sobald Dateien fertig sind: „Completed“, „Failure“, „Stopped“
oder „Skipped“, die Datei und was geschrieben wurde; ein Fehler nennt den Grund. Ausgaben werden
als versteckte „.NAME.*.tolvane-part“-Dateien geschrieben und erhalten ihren Namen erst, wenn sie
ganz sind, sodass ein abgebrochener Lauf keine Datei hinterlässt, die fertig aussieht (der
nächste Lauf in den Ordner entfernt, was er hinterließ, und nichts sonst). Mit --skip-existing
wird eine durch eine Unterbrechung gekürzte Datei entfernt, damit der nächste Lauf sie ganz macht.
Rückgabewert: 0 jede Datei umgewandelt (oder ausgelassen), 1 eine Datei schlug fehl oder der
Lauf wurde unterbrochen, 2 falscher Aufruf.
</translation>
    </message>
    <message>
        <source>tolvane-cli: %1
Try &apos;tolvane-cli --help&apos;.</source>
        <translation>tolvane-cli: %1
Siehe &apos;tolvane-cli --help&apos;.</translation>
    </message>
    <message>
        <source>Converting %1/%2: %3</source>
        <translation>Umwandlung %1/%2: %3</translation>
    </message>
    <message>
        <source>[%1/%2] %3  elapsed %4  left %5</source>
        <translation>[%1/%2] %3  vergangen %4  übrig %5</translation>
    </message>
    <message>
        <source>File:%1 is invalid!</source>
        <translation>Datei:%1 ist ungültig!</translation>
    </message>
    <message>
        <source>File:%1 is refused: %2</source>
        <translation>Datei:%1 wird abgelehnt: %2</translation>
    </message>
    <message>
        <source>File:%1: %2</source>
        <translation>Datei:%1: %2</translation>
    </message>
    <message>
        <source>File:%1: %2 (left out)</source>
        <translation>Datei:%1: %2 (ausgelassen)</translation>
    </message>
    <message>
        <source>File:%1: the list names no part</source>
        <translation>Datei:%1: die Liste nennt keinen Teil</translation>
    </message>
    <message>
        <source>File:%1 has no chapters: it is converted whole</source>
        <translation>Datei:%1 hat keine Kapitel: sie wird ganz umgewandelt</translation>
    </message>
    <message>
        <source>Stopping: a file cut short is removed, so that the next run makes it whole</source>
        <translation>Halt: eine gekürzte Datei wird entfernt, damit der nächste Lauf sie ganz macht</translation>
    </message>
    <message>
        <source>Stopping: closing the current file; it holds what was converted so far</source>
        <translation>Halt: die aktuelle Datei wird geschlossen; sie enthält, was bis jetzt umgewandelt wurde</translation>
    </message>
    <message>
        <source>tolvane-cli: cannot run the job %1: %2</source>
        <translation>tolvane-cli: der Auftrag %1 kann nicht ausgeführt werden: %2</translation>
    </message>
    <message>
        <source>tolvane-cli: cannot read the list of times %1</source>
        <translation>tolvane-cli: die Liste der Zeiten %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>tolvane-cli: %1: %2</source>
        <translation>tolvane-cli: %1: %2</translation>
    </message>
    <message>
        <source>tolvane-cli: cannot write the job %1: %2</source>
        <translation>tolvane-cli: der Auftrag %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Wrote the job of %1 rows to %2</source>
        <translation>Auftrag mit %1 Zeilen nach %2 geschrieben</translation>
    </message>
    <message>
        <source>The folder that you selected does not exit.Please specify a different folder!</source>
        <translation>Der gewählte Ordner existiert nicht. Bitte geben Sie einen anderen Ordner an!</translation>
    </message>
    <message>
        <source>The output folder name is invalid!</source>
        <translation>Der Name des Zielordners ist ungültig!</translation>
    </message>
    <message>
        <source>Please select output folder:</source>
        <translation>Bitte wählen Sie den Zielordner:</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file (a pipe, socket or device)</source>
        <translation>es ist keine normale Datei (eine Pipe, ein Socket oder ein Gerät)</translation>
    </message>
    <message>
        <source>at least %1 s under %2 dBFS</source>
        <translation>mindestens %1 s unter %2 dBFS</translation>
    </message>
    <message>
        <source>1 part</source>
        <translation>1 Teil</translation>
    </message>
    <message>
        <source>%1 parts</source>
        <translation>%1 Teile</translation>
    </message>
    <message>
        <source>silent throughout (under %1 dBFS): the file stays whole</source>
        <translation>durchgehend still (unter %1 dBFS): die Datei bleibt ganz</translation>
    </message>
    <message>
        <source>no pause of %1 between two sounds: the file stays whole</source>
        <translation>keine Pause von %1 zwischen zwei Klängen: die Datei bleibt ganz</translation>
    </message>
    <message>
        <source>%1 at pauses of %2</source>
        <translation>%1 an Pausen von %2</translation>
    </message>
    <message>
        <source>not longer than %1: the file stays whole</source>
        <translation>nicht länger als %1: die Datei bleibt ganz</translation>
    </message>
    <message>
        <source>%1 of about %2: %3</source>
        <translation>%1 von etwa %2: %3</translation>
    </message>
    <message>
        <source>%1 of 1 cut in a pause</source>
        <translation>%1 von 1 Schnitt in einer Pause</translation>
    </message>
    <message>
        <source>%1 of %2 cuts in a pause, the others at the exact time (no pause near them)</source>
        <translation>%1 von %2 Schnitten in einer Pause, die übrigen genau zur Zeit (keine Pause in der Nähe)</translation>
    </message>
    <message>
        <source>%1 of %2 cuts in a pause</source>
        <translation>%1 von %2 Schnitten in einer Pause</translation>
    </message>
    <message>
        <source>silent throughout (under %1 dBFS): nothing was trimmed</source>
        <translation>durchgehend still (unter %1 dBFS): nichts wurde gekürzt</translation>
    </message>
    <message>
        <source>trimmed to the sound from %1 to %2</source>
        <translation>auf den Ton von %1 bis %2 gekürzt</translation>
    </message>
    <message>
        <source>no silence at the ends: nothing was trimmed</source>
        <translation>keine Stille an den Enden: nichts wurde gekürzt</translation>
    </message>
    <message>
        <source>the sound before %1 (the first time) is in no part</source>
        <translation>der Ton vor %1 (der ersten Zeit) ist in keinem Teil</translation>
    </message>
    <message>
        <source>%1: %2 is past the end (%3)</source>
        <translation>%1: %2 liegt nach dem Ende (%3)</translation>
    </message>
    <message>
        <source>%1: %2 is not after %3</source>
        <translation>%1: %2 liegt nicht nach %3</translation>
    </message>
    <message>
        <source>chapter %1</source>
        <translation>Kapitel %1</translation>
    </message>
    <message>
        <source>%1: starts past the end (%2 of %3)</source>
        <translation>%1: beginnt nach dem Ende (%2 von %3)</translation>
    </message>
    <message>
        <source>%1: overlaps the chapter before (%2)</source>
        <translation>%1: überschneidet sich mit dem Kapitel davor (%2)</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>%1: no time in &quot;%2&quot;</source>
        <translation>%1: keine Zeit in „%2“</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>angehalten</translation>
    </message>
    <message>
        <source>no sound to measure</source>
        <translation>kein Ton zum Messen</translation>
    </message>
    <message>
        <source>the written sound cannot be decoded</source>
        <translation>der geschriebene Ton lässt sich nicht dekodieren</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>the written sound cannot be measured</source>
        <translation>der geschriebene Ton lässt sich nicht messen</translation>
    </message>
    <message>
        <source>no sound to read</source>
        <translation>kein Ton zum Lesen</translation>
    </message>
    <message>
        <source>the task has no output path</source>
        <translation>die Aufgabe hat keinen Ausgabepfad</translation>
    </message>
    <message>
        <source>cannot add the chapters</source>
        <translation>die Kapitel können nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>cannot read the source</source>
        <translation>die Quelle kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nicht genug Speicher</translation>
    </message>
    <message>
        <source>the source has no such sound track</source>
        <translation>die Quelle hat keine solche Tonspur</translation>
    </message>
    <message>
        <source>cannot open the video decoder</source>
        <translation>der Video-Decoder kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>cannot open the audio decoder</source>
        <translation>der Audio-Decoder kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>no output format for the output name</source>
        <translation>kein Ausgabeformat für den Ausgabenamen</translation>
    </message>
    <message>
        <source>cannot allocate the output</source>
        <translation>die Ausgabe kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>cannot open the video encoder</source>
        <translation>der Video-Encoder kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>cannot add the video stream</source>
        <translation>der Videostrom kann nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>cannot open the audio encoder</source>
        <translation>der Audio-Encoder kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>cannot add the audio stream</source>
        <translation>der Audiostrom kann nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>nothing to write: the source has no audio</source>
        <translation>nichts zu schreiben: die Quelle hat keinen Ton</translation>
    </message>
    <message>
        <source>cannot encode or write the sound</source>
        <translation>der Ton kann nicht kodiert oder geschrieben werden</translation>
    </message>
    <message>
        <source>cannot encode or write the pictures</source>
        <translation>die Bilder können nicht kodiert oder geschrieben werden</translation>
    </message>
    <message>
        <source>cannot measure the loudness: </source>
        <translation>die Lautheit kann nicht gemessen werden: </translation>
    </message>
    <message>
        <source>cannot encode or write the end of the sound</source>
        <translation>das Ende des Tons kann nicht kodiert oder geschrieben werden</translation>
    </message>
    <message>
        <source>cannot encode or write the last pictures</source>
        <translation>die letzten Bilder können nicht kodiert oder geschrieben werden</translation>
    </message>
    <message>
        <source>-f copy keeps the original sound; -e, -b, -r and -c do not go with it</source>
        <translation>-f copy behält den Originalton; -e, -b, -r und -c passen nicht dazu</translation>
    </message>
    <message>
        <source>a merged copy keeps each file&apos;s sound as it is: it cannot be brought to one loudness (choose a format to convert to)</source>
        <translation>eine zusammengefügte Kopie behält den Ton jeder Datei, wie er ist: sie kann nicht auf eine Lautheit gebracht werden (wählen Sie ein Format zum Umwandeln)</translation>
    </message>
    <message>
        <source>normalising changes the sound, ReplayGain tags it: one or the other</source>
        <translation>Normalisieren ändert den Ton, ReplayGain taggt ihn: das eine oder das andere</translation>
    </message>
    <message>
        <source>ReplayGain tags files one by one; it does not go with a merge</source>
        <translation>ReplayGain taggt Dateien einzeln; es passt nicht zum Zusammenfügen</translation>
    </message>
    <message>
        <source>a split makes a file of each part; it does not go with a merge</source>
        <translation>eine Teilung macht eine Datei je Teil; sie passt nicht zum Zusammenfügen</translation>
    </message>
    <message>
        <source>a merge takes every file whole; a clip start or end does not go with it</source>
        <translation>Zusammenfügen nimmt jede Datei ganz; ein Ausschnittsanfang oder -ende passt nicht dazu</translation>
    </message>
    <message>
        <source>-a all writes a file per sound track; it does not go with --merge</source>
        <translation>-a all schreibt eine Datei je Tonspur; es passt nicht zu --merge</translation>
    </message>
    <message>
        <source>--skip-existing works file by file; it does not go with --merge</source>
        <translation>--skip-existing arbeitet Datei für Datei; es passt nicht zu --merge</translation>
    </message>
    <message>
        <source>a split makes a file of each part; it does not go with -s or -t</source>
        <translation>eine Teilung macht eine Datei je Teil; sie passt nicht zu -s oder -t</translation>
    </message>
    <message>
        <source>a copy keeps the sound as it is: only an Opus track can be brought to a loudness without re-encoding (choose a format to convert to)</source>
        <translation>eine Kopie behält den Ton, wie er ist: nur eine Opus-Spur kann ohne Neukodierung auf eine Lautheit gebracht werden (wählen Sie ein Format zum Umwandeln)</translation>
    </message>
    <message>
        <source>cannot copy the sound track&apos;s parameters</source>
        <translation>die Parameter der Tonspur können nicht kopiert werden</translation>
    </message>
    <message>
        <source>the sound track cannot join the merged file: </source>
        <translation>die Tonspur passt nicht in die zusammengefügte Datei: </translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>die Ausgabe kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>cannot finish the output file: </source>
        <translation>die Ausgabedatei kann nicht abgeschlossen werden: </translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>nicht genug Speicher</translation>
    </message>
    <message>
        <source>cannot read the output</source>
        <translation>die Ausgabe kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>no movie header to tag</source>
        <translation>kein Movie-Header zum Taggen</translation>
    </message>
    <message>
        <source>the movie header&apos;s boxes do not read</source>
        <translation>die Boxen des Movie-Headers lassen sich nicht lesen</translation>
    </message>
    <message>
        <source>the movie header would grow too large</source>
        <translation>der Movie-Header würde zu groß</translation>
    </message>
    <message>
        <source>cannot write the tags: </source>
        <translation>die Tags können nicht geschrieben werden: </translation>
    </message>
    <message>
        <source>cannot read the output back</source>
        <translation>die Ausgabe kann nicht zurückgelesen werden</translation>
    </message>
    <message>
        <source>the ReplayGain tags could not be found in the header</source>
        <translation>die ReplayGain-Tags wurden im Header nicht gefunden</translation>
    </message>
    <message>
        <source>cannot measure the output for its ReplayGain tags: </source>
        <translation>die Ausgabe kann für ihre ReplayGain-Tags nicht gemessen werden: </translation>
    </message>
    <message>
        <source>the R128 gain could not be written: </source>
        <translation>die R128-Verstärkung konnte nicht geschrieben werden: </translation>
    </message>
    <message>
        <source>the ReplayGain tags could not be written: </source>
        <translation>die ReplayGain-Tags konnten nicht geschrieben werden: </translation>
    </message>
    <message>
        <source>not enough memory for the ReplayGain tags</source>
        <translation>nicht genug Speicher für die ReplayGain-Tags</translation>
    </message>
    <message>
        <source>not enough memory for the tags</source>
        <translation>nicht genug Speicher für die Tags</translation>
    </message>
    <message>
        <source>Elapsed %1 · Time left %2</source>
        <translation>Vergangen %1 · Verbleibend %2</translation>
    </message>
    <message>
        <source>shorter than the clip start</source>
        <translation>kürzer als der Anfang des Ausschnitts</translation>
    </message>
    <message>
        <source>its output would be the source itself; choose another output folder</source>
        <translation>ihre Ausgabe wäre die Quelle selbst; wählen Sie einen anderen Zielordner</translation>
    </message>
    <message>
        <source>tempo %1×</source>
        <translation>Tempo %1×</translation>
    </message>
    <message>
        <source>night mode</source>
        <translation>Nachtmodus</translation>
    </message>
    <message>
        <source>fade in %1 s</source>
        <translation>Einblenden %1 s</translation>
    </message>
    <message>
        <source>fade out %1 s</source>
        <translation>Ausblenden %1 s</translation>
    </message>
    <message>
        <source>crossfade %1 s</source>
        <translation>Überblenden %1 s</translation>
    </message>
    <message>
        <source>1 sound packet did not decode and was skipped</source>
        <translation>1 Tonpaket ließ sich nicht dekodieren und wurde übersprungen</translation>
    </message>
    <message>
        <source>%1 sound packets did not decode and were skipped</source>
        <translation>%1 Tonpakete ließen sich nicht dekodieren und wurden übersprungen</translation>
    </message>
    <message>
        <source>this format keeps no ReplayGain tags: none were written</source>
        <translation>dieses Format kennt keine ReplayGain-Tags: es wurden keine geschrieben</translation>
    </message>
    <message>
        <source>the cover picture could not be added (%1)</source>
        <translation>das Titelbild konnte nicht hinzugefügt werden (%1)</translation>
    </message>
    <message>
        <source>the sound is silent: its loudness was left as it was</source>
        <translation>der Ton ist still: seine Lautheit blieb, wie sie war</translation>
    </message>
    <message>
        <source>the mix was brought down where it would have clipped</source>
        <translation>die Mischung wurde dort abgesenkt, wo sie übersteuert hätte</translation>
    </message>
    <message>
        <source>encoded in %1 segments at once</source>
        <translation>in %1 Abschnitten gleichzeitig kodiert</translation>
    </message>
    <message>
        <source>mixed %1</source>
        <translation>gemischt: %1</translation>
    </message>
    <message>
        <source>the gain was lowered to %1 dB to keep the true peak at %2 dBTP: the file plays at %3 LUFS</source>
        <translation>die Verstärkung wurde auf %1 dB gesenkt, um die Spitze bei %2 dBTP zu halten: die Datei spielt mit %3 LUFS</translation>
    </message>
    <message>
        <source>copied whole packets: from %1 s to %2 s of the file</source>
        <translation>ganze Pakete kopiert: von %1 s bis %2 s der Datei</translation>
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
<context>
    <name>CMixDialog</name>
    <message>
        <source>no temporary folder can be made</source>
        <translation>es kann kein temporärer Ordner angelegt werden</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Probehören</translation>
    </message>
    <message>
        <source>Plays a few seconds of the mix, from where the preview stands</source>
        <translation>Spielt einige Sekunden der Mischung ab der Stelle der Vorschau</translation>
    </message>
    <message>
        <source>Preparing…</source>
        <translation>Wird vorbereitet…</translation>
    </message>
    <message>
        <source>No preview: %1</source>
        <translation>Kein Probehören: %1</translation>
    </message>
    <message>
        <source>the player cannot open the preview</source>
        <translation>der Player kann die Probe nicht öffnen</translation>
    </message>
    <message>
        <source>Stop preview</source>
        <translation>Probehören beenden</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Lautheit</translation>
    </message>
    <message>
        <source>Loudness of track %1</source>
        <translation>Lautheit von Spur %1</translation>
    </message>
    <message>
        <source>Measure loudness</source>
        <translation>Lautheit messen</translation>
    </message>
    <message>
        <source>Each track&apos;s loudness by EBU R128, read in the background</source>
        <translation>Die Lautheit jeder Spur nach EBU R128, im Hintergrund gelesen</translation>
    </message>
    <message>
        <source>measuring…</source>
        <translation>wird gemessen…</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>nicht gemessen</translation>
    </message>
    <message>
        <source>silent</source>
        <translation>still</translation>
    </message>
    <message>
        <source>Mix tracks</source>
        <translation>Spuren mischen</translation>
    </message>
    <message>
        <source>Sound tracks</source>
        <translation>Tonspuren</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Verstärkung</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Stimme</translation>
    </message>
    <message>
        <source>Mix track %1</source>
        <translation>Spur %1 mischen</translation>
    </message>
    <message>
        <source>Gain of track %1</source>
        <translation>Verstärkung von Spur %1</translation>
    </message>
    <message>
        <source> dB</source>
        <translation> dB</translation>
    </message>
    <message>
        <source>Track %1 is the voice</source>
        <translation>Spur %1 ist die Stimme</translation>
    </message>
    <message>
        <source>No voice</source>
        <translation>Keine Stimme</translation>
    </message>
    <message>
        <source>The others under the voice</source>
        <translation>Die anderen unter der Stimme</translation>
    </message>
    <message>
        <source>The other tracks&apos; loudness sits this far under the voice&apos;s (EBU R128)</source>
        <translation>Die Lautheit der anderen Spuren liegt so weit unter der der Stimme (EBU R128)</translation>
    </message>
    <message>
        <source> LU</source>
        <translation> LU</translation>
    </message>
    <message>
        <source>The others under the voice:</source>
        <translation>Die anderen unter der Stimme:</translation>
    </message>
    <message>
        <source>Lower the others while the voice speaks</source>
        <translation>Die anderen absenken, während die Stimme spricht</translation>
    </message>
    <message>
        <source>How much lower</source>
        <translation>Wie viel leiser</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Channels</name>
    <message>
        <source>1 Channel Mono</source>
        <translation>1 Kanal Mono</translation>
    </message>
    <message>
        <source>2 Channel Stereo</source>
        <translation>2 Kanäle Stereo</translation>
    </message>
    <message>
        <source>2 Channel stereo</source>
        <translation>2 Kanäle Stereo</translation>
    </message>
    <message>
        <source>5.1 Channel</source>
        <translation>5.1 Kanäle</translation>
    </message>
    <message>
        <source>6 Channel stereo</source>
        <translation>6 Kanäle</translation>
    </message>
</context>
<context>
    <name>FileFilters</name>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>All media files</source>
        <translation>Alle Mediendateien</translation>
    </message>
    <message>
        <source>WebM files</source>
        <translation>WebM-Dateien</translation>
    </message>
    <message>
        <source>Ogg files</source>
        <translation>Ogg-Dateien</translation>
    </message>
    <message>
        <source>Flash files</source>
        <translation>Flash-Dateien</translation>
    </message>
    <message>
        <source>Real Media Files</source>
        <translation>Real-Media-Dateien</translation>
    </message>
    <message>
        <source>QuickTime files</source>
        <translation>QuickTime-Dateien</translation>
    </message>
    <message>
        <source>AVI files</source>
        <translation>AVI-Dateien</translation>
    </message>
    <message>
        <source>MPEG files</source>
        <translation>MPEG-Dateien</translation>
    </message>
    <message>
        <source>Unprotected VOB files</source>
        <translation>Ungeschützte VOB-Dateien</translation>
    </message>
    <message>
        <source>VCD files</source>
        <translation>VCD-Dateien</translation>
    </message>
    <message>
        <source>Matroska Video files</source>
        <translation>Matroska-Videodateien</translation>
    </message>
    <message>
        <source>MP4 files</source>
        <translation>MP4-Dateien</translation>
    </message>
    <message>
        <source>3GP files</source>
        <translation>3GP-Dateien</translation>
    </message>
    <message>
        <source>Windows Media files</source>
        <translation>Windows-Media-Dateien</translation>
    </message>
    <message>
        <source>MOD files</source>
        <translation>MOD-Dateien</translation>
    </message>
    <message>
        <source>TOD files</source>
        <translation>TOD-Dateien</translation>
    </message>
    <message>
        <source>High-Definition files</source>
        <translation>HD-Dateien</translation>
    </message>
    <message>
        <source>Digital Video files</source>
        <translation>DV-Dateien</translation>
    </message>
    <message>
        <source>NUT files</source>
        <translation>NUT-Dateien</translation>
    </message>
    <message>
        <source>Raw H.264 video files</source>
        <translation>Rohe H.264-Videodateien</translation>
    </message>
    <message>
        <source>Nullsoft Stream Video</source>
        <translation>Nullsoft Stream Video</translation>
    </message>
</context>
</TS>
