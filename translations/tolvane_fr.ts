<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CAVConvertDlg</name>
    <message>
        <source>Tolvane</source>
        <translation>Tolvane</translation>
    </message>
    <message>
        <source>Current File Converting:</source>
        <translation>Fichier en cours de conversion :</translation>
    </message>
    <message>
        <source>Current file progress</source>
        <translation>Progression du fichier en cours</translation>
    </message>
    <message>
        <source>Total Progress:</source>
        <translation>Progression totale :</translation>
    </message>
    <message>
        <source>Total progress</source>
        <translation>Progression totale</translation>
    </message>
    <message>
        <source>Shut down computer when conversion completed</source>
        <translation>Éteindre l’ordinateur à la fin de la conversion</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Stop converting</source>
        <translation>Arrêter la conversion</translation>
    </message>
    <message>
        <source>Show preview</source>
        <translation>Afficher l’aperçu</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Conversion…</translation>
    </message>
</context>
<context>
    <name>CAbout</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Made for people who keep the sound of their videos.</source>
        <translation>Pour celles et ceux qui gardent le son de leurs vidéos.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Assistance :</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>Site web :</translation>
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
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Volume level</source>
        <translation>Niveau du volume</translation>
    </message>
    <message>
        <source>Could not open %1: no program to open it was found (the xdg-utils package provides one).</source>
        <translation>Impossible d’ouvrir %1 : aucun programme pour l’ouvrir n’a été trouvé (le paquet xdg-utils en fournit un).</translation>
    </message>
    <message>
        <source>Can not find help file!</source>
        <translation>Fichier d’aide introuvable !</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Ajouter un fichier</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Clip Video</source>
        <translation>Découper la vidéo</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Découper</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Lancer la conversion</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout retirer</translation>
    </message>
    <message>
        <source> Merge into a file</source>
        <translation> Fusionner en un fichier</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>Informations sur le fichier</translation>
    </message>
    <message>
        <source>File Info</source>
        <translation>Infos fichier</translation>
    </message>
    <message>
        <source>Conversion Settings</source>
        <translation>Réglages de conversion</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Set output files</source>
        <translation>Choisir le dossier de sortie</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Open output files</source>
        <translation>Ouvrir le dossier de sortie</translation>
    </message>
    <message>
        <source>Find Target</source>
        <translation>Ouvrir la cible</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>List note</source>
        <translation>Note sur la liste</translation>
    </message>
    <message>
        <source>Save list</source>
        <translation>Enregistrer la liste</translation>
    </message>
    <message>
        <source>The list could not be saved in %1: %2.</source>
        <translation>La liste n’a pas pu être enregistrée dans %1 : %2.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>Impossible d’ouvrir %1 : %2.</translation>
    </message>
    <message>
        <source>Restored the list of 1 file</source>
        <translation>Liste de 1 fichier restaurée</translation>
    </message>
    <message>
        <source>Restored the list of %1 files</source>
        <translation>Liste de %1 fichiers restaurée</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>Files at once</source>
        <translation>Fichiers simultanés</translation>
    </message>
    <message>
        <source>How many files Convert works on at once (1 to %1); a merge is always one file. With fewer files left, a recording of more than two minutes to MP3, FLAC or WAV is encoded in segments on the spare cores and joined</source>
        <translation>Nombre de fichiers que Convertir traite à la fois (1 à %1) ; une fusion en traite toujours un seul. Quand il reste moins de fichiers, un enregistrement de plus de deux minutes vers MP3, FLAC ou WAV est encodé par segments sur les cœurs libres, puis réassemblé</translation>
    </message>
    <message>
        <source>Please add video files!</source>
        <translation>Veuillez ajouter des fichiers vidéo !</translation>
    </message>
    <message>
        <source>Merge is effective when two or more files are chosen!</source>
        <translation>La fusion nécessite au moins deux fichiers sélectionnés !</translation>
    </message>
    <message>
        <source>Please select at least one task to convert!</source>
        <translation>Veuillez sélectionner au moins une tâche à convertir !</translation>
    </message>
    <message>
        <source>A run holds at most %1 files.</source>
        <translation>Une conversion comprend au plus %1 fichiers.</translation>
    </message>
    <message>
        <source>These settings cannot be converted: %1</source>
        <translation>Impossible de convertir avec ces réglages : %1</translation>
    </message>
    <message>
        <source>The original sound is copied as it is: it cannot be brought to a loudness. Choose a format to convert to, or set Loudness to &quot;As recorded&quot; in Setting.</source>
        <translation>Le son d’origine est copié tel quel : son intensité ne peut pas être ajustée. Choisissez un format de conversion, ou réglez l’intensité sur « Tel qu’enregistré » dans Réglages.</translation>
    </message>
    <message>
        <source>These choices cannot go together: %1.</source>
        <translation>Ces choix sont incompatibles : %1.</translation>
    </message>
    <message>
        <source>Row %1 (%2): %3</source>
        <translation>Ligne %1 (%2) : %3</translation>
    </message>
    <message>
        <source>These rows cannot be converted:</source>
        <translation>Ces lignes ne peuvent pas être converties :</translation>
    </message>
    <message>
        <source>These files cannot be merged without re-encoding: row %1 (%2) has %3.

Choose another format to merge them.</source>
        <translation>Ces fichiers ne peuvent pas être fusionnés sans réencodage : la ligne %1 (%2) contient %3.

Choisissez un autre format pour les fusionner.</translation>
    </message>
    <message>
        <source>Tolvane: the run was stopped</source>
        <translation>Tolvane : la conversion a été arrêtée</translation>
    </message>
    <message>
        <source>Tolvane: the run is over</source>
        <translation>Tolvane : la conversion est terminée</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Stopped at %1</source>
        <translation>Arrêté à %1</translation>
    </message>
    <message>
        <source>Stopped at %1 of %2; the part so far is in %3</source>
        <translation>Arrêté à %1 sur %2 ; la partie convertie se trouve dans %3</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Source file</source>
        <translation>Fichier source</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Format de sortie</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Part %1</source>
        <translation>Partie %1</translation>
    </message>
    <message>
        <source>Checking %1 of %2…</source>
        <translation>Vérification de %1 sur %2…</translation>
    </message>
    <message>
        <source>Add Files..</source>
        <translation>Ajouter des fichiers…</translation>
    </message>
    <message>
        <source>Open list…</source>
        <translation>Ouvrir une liste…</translation>
    </message>
    <message>
        <source>Save list…</source>
        <translation>Enregistrer la liste…</translation>
    </message>
    <message>
        <source>Clip...</source>
        <translation>Découper…</translation>
    </message>
    <message>
        <source>File Information...</source>
        <translation>Informations sur le fichier…</translation>
    </message>
    <message>
        <source>Split by chapters</source>
        <translation>Découper par chapitres</translation>
    </message>
    <message>
        <source>Split at times…</source>
        <translation>Découper aux instants…</translation>
    </message>
    <message>
        <source>Split at silences…</source>
        <translation>Découper aux silences…</translation>
    </message>
    <message>
        <source>Sound track</source>
        <translation>Piste audio</translation>
    </message>
    <message>
        <source>Chapters left out:</source>
        <translation>Chapitres ignorés :</translation>
    </message>
    <message>
        <source>Tolvane lists (*.tolvane-job)</source>
        <translation>Listes Tolvane (*.tolvane-job)</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source> Ready</source>
        <translation> Prêt</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Conversion…</translation>
    </message>
    <message>
        <source>File:%1 is invalid!</source>
        <translation>Fichier :%1 n’est pas valide !</translation>
    </message>
    <message>
        <source>File:%1 is not a regular file!</source>
        <translation>Fichier :%1 n’est pas un fichier ordinaire !</translation>
    </message>
    <message>
        <source>File:%1 has no sound track!</source>
        <translation>Fichier :%1 n’a pas de piste audio !</translation>
    </message>
    <message>
        <source>File:%1 invalid!</source>
        <translation>Fichier :%1 non valide !</translation>
    </message>
</context>
<context>
    <name>CClipDialog</name>
    <message>
        <source>Clip</source>
        <translation>Découper</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Sound of the whole file</source>
        <translation>Son du fichier entier</translation>
    </message>
    <message>
        <source>Loud and quiet parts, the pauses, the chapters and the clip; a click plays from there</source>
        <translation>Passages forts et faibles, pauses, chapitres et extrait ; un clic lance la lecture à cet endroit</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>00:00:00</source>
        <translation>00:00:00</translation>
    </message>
    <message>
        <source>Trim silence at the ends</source>
        <translation>Couper les silences aux extrémités</translation>
    </message>
    <message>
        <source>Begin and end at the first and last sound, with a margin around it</source>
        <translation>Commencer et finir au premier et au dernier son, avec une marge</translation>
    </message>
    <message>
        <source>Playing position</source>
        <translation>Position de lecture</translation>
    </message>
    <message>
        <source>The clip begins where it ends (%1), so it holds no sound. Set another begin or end time, or Reset.</source>
        <translation>L’extrait commence là où il se termine (%1) et ne contient donc aucun son. Choisissez un autre début ou une autre fin, ou réinitialisez.</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Cut time</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>&amp;Set Begin Time</source>
        <translation>&amp;Définir le début</translation>
    </message>
    <message>
        <source>Set Begin Time</source>
        <translation>Définir le début</translation>
    </message>
    <message>
        <source>&amp;Set End Time</source>
        <translation>Définir la &amp;fin</translation>
    </message>
    <message>
        <source>Set End Time</source>
        <translation>Définir la fin</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Réinitialiser</translation>
    </message>
    <message>
        <source>Reset Time</source>
        <translation>Réinitialiser les temps</translation>
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
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The sound cannot be read: %1</source>
        <translation>Le son ne peut pas être lu : %1</translation>
    </message>
</context>
<context>
    <name>CFileInfomation</name>
    <message>
        <source>File Information</source>
        <translation>Informations sur le fichier</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Nom du fichier :</translation>
    </message>
    <message>
        <source>Media Length:</source>
        <translation>Durée du média :</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Résolution :</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Fréquence d’images :</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Débit :</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Samples:</source>
        <translation>Échantillonnage :</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Canaux :</translation>
    </message>
    <message>
        <source>Sound Track:</source>
        <translation>Piste audio :</translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation>Chapitres :</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Intensité sonore</translation>
    </message>
    <message>
        <source>Measure loudness</source>
        <translation>Mesurer l’intensité</translation>
    </message>
    <message>
        <source>Reads the whole sound track and measures it (EBU R128)</source>
        <translation>Lit toute la piste audio et la mesure (EBU R128)</translation>
    </message>
    <message>
        <source>Loudness:</source>
        <translation>Intensité :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation>Chapitres</translation>
    </message>
</context>
<context>
    <name>CHyperLink</name>
    <message>
        <source>Unable to open hyperlink:

</source>
        <translation>Impossible d’ouvrir le lien :

</translation>
    </message>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Le système d’exploitation manque
de mémoire ou de ressources.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Le fichier indiqué est introuvable.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Le chemin indiqué est introuvable.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Le système d’exploitation a refusé
l’accès au fichier indiqué.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Mémoire insuffisante pour terminer l’opération.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Le fichier .EXE n’est pas valide
(pas un .EXE Win32 ou image .EXE erronée).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Une violation de partage s’est produite. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>L’association du nom de fichier est
incomplète ou non valide.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>La transaction DDE n’a pas pu
aboutir : la requête a expiré.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transaction DDE a échoué.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>La transaction DDE n’a pas pu
aboutir car d’autres transactions DDE
étaient en cours.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Aucune application n’est associée
à cette extension de fichier.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>La bibliothèque indiquée est introuvable.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Une erreur inconnue (%1) s’est produite.</translation>
    </message>
</context>
<context>
    <name>CSettings</name>
    <message>
        <source>Setting</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Format Preset:</source>
        <translation>Préréglage de format :</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Encoder:</source>
        <translation>Encodeur :</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Débit :</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Fréquence d’échantillonnage :</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Canaux :</translation>
    </message>
    <message>
        <source>Loudness:</source>
        <translation>Intensité :</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Default setting</source>
        <translation>Réglage par défaut</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Each file is measured first (EBU R128) and brought to this loudness with one gain; peaks above -1 dBTP are limited</source>
        <translation>Chaque fichier est d’abord mesuré (EBU R128) puis amené à cette intensité par un seul gain ; les crêtes au-dessus de -1 dBTP sont limitées</translation>
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
        <translation>Extinction</translation>
    </message>
    <message>
        <source>Shut down now</source>
        <translation>Éteindre maintenant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The conversion is complete. The computer shuts down in 1 second.</source>
        <translation>La conversion est terminée. L’ordinateur s’éteint dans 1 seconde.</translation>
    </message>
    <message>
        <source>The conversion is complete. The computer shuts down in %1 seconds.</source>
        <translation>La conversion est terminée. L’ordinateur s’éteint dans %1 secondes.</translation>
    </message>
</context>
<context>
    <name>CSilenceDialog</name>
    <message>
        <source>Split at silences</source>
        <translation>Découper aux silences</translation>
    </message>
    <message>
        <source>A part for each stretch of sound, cut in the middle of the pauses:</source>
        <translation>Une partie par passage sonore, coupée au milieu des pauses :</translation>
    </message>
    <message>
        <source>Pause level</source>
        <translation>Niveau de pause</translation>
    </message>
    <message>
        <source>Sound under this level counts as silence</source>
        <translation>Un son sous ce niveau compte comme du silence</translation>
    </message>
    <message>
        <source>Shortest pause</source>
        <translation>Pause la plus courte</translation>
    </message>
    <message>
        <source>A pause lasts at least this long; shorter ones are breaths</source>
        <translation>Une pause dure au moins ce temps ; les plus courtes sont des respirations</translation>
    </message>
    <message>
        <source>Quieter than:</source>
        <translation>Plus faible que :</translation>
    </message>
    <message>
        <source>For at least:</source>
        <translation>Pendant au moins :</translation>
    </message>
    <message>
        <source>Finding the pauses… %1 %</source>
        <translation>Recherche des pauses… %1 %</translation>
    </message>
    <message>
        <source>The sound cannot be read: %1</source>
        <translation>Le son ne peut pas être lu : %1</translation>
    </message>
</context>
<context>
    <name>CSplitDialog</name>
    <message>
        <source>Split at times</source>
        <translation>Découper aux instants</translation>
    </message>
    <message>
        <source>Paste the times of the parts, a line each, as video descriptions give them
(&quot;00:00 Overture&quot;, &quot;Second Song - 17:24&quot;), or a CUE sheet:</source>
        <translation>Collez les instants des parties, un par ligne, comme dans les descriptions de vidéos
(« 00:00 Ouverture », « Deuxième chanson - 17:24 »), ou une feuille CUE :</translation>
    </message>
    <message>
        <source>Times of the parts</source>
        <translation>Instants des parties</translation>
    </message>
    <message>
        <source>Left out: </source>
        <translation>Ignoré : </translation>
    </message>
    <message>
        <source>No part yet.</source>
        <translation>Aucune partie pour l’instant.</translation>
    </message>
</context>
<context>
    <name>LoudnessChoice</name>
    <message>
        <source>As recorded</source>
        <translation>Tel qu’enregistré</translation>
    </message>
    <message>
        <source>-14 LUFS (music streaming)</source>
        <translation>-14 LUFS (streaming musical)</translation>
    </message>
    <message>
        <source>-16 LUFS (spoken word, podcasts)</source>
        <translation>-16 LUFS (voix, podcasts)</translation>
    </message>
    <message>
        <source>-18 LUFS</source>
        <translation>-18 LUFS</translation>
    </message>
    <message>
        <source>-23 LUFS (EBU broadcast)</source>
        <translation>-23 LUFS (radiodiffusion UER)</translation>
    </message>
</context>
<context>
    <name>PartsView</name>
    <message>
        <source>Parts</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Part %1</source>
        <translation>Partie %1</translation>
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
        <translation>Lire</translation>
    </message>
</context>
<context>
    <name>RunDesktop</name>
    <message>
        <source>Converting sound</source>
        <translation>Conversion du son</translation>
    </message>
</context>
<context>
    <name>WaveformStrip</name>
    <message>
        <source>The sound of the whole file: click to play from there</source>
        <translation>Le son du fichier entier : cliquez pour lire à partir de là</translation>
    </message>
    <message>
        <source>Sound of the whole file</source>
        <translation>Son du fichier entier</translation>
    </message>
    <message>
        <source>Chapter %1%2 (%3)</source>
        <translation>Chapitre %1%2 (%3)</translation>
    </message>
</context>
</TS>
