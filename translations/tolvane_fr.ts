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
        <source>The sound track of every video, as audio</source>
        <translation>La bande son de chaque vidéo, en audio</translation>
    </message>
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
        <source>Sound track %1</source>
        <translation>Piste audio %1</translation>
    </message>
    <message>
        <source>Part %1 of %2: %3</source>
        <translation>Partie %1 sur %2 : %3</translation>
    </message>
    <message>
        <source>Sound from every video</source>
        <translation>Le son de chaque vidéo</translation>
    </message>
    <message>
        <source>Getting started</source>
        <translation>Pour commencer</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profil :</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Sortie :</translation>
    </message>
    <message>
        <source>Files at once:</source>
        <translation>Fichiers à la fois :</translation>
    </message>
    <message>
        <source>Add video files</source>
        <translation>Ajoutez des vidéos</translation>
    </message>
    <message>
        <source>Click Add, or drop videos onto this window.</source>
        <translation>Cliquez sur Ajouter ou déposez des vidéos sur cette fenêtre.</translation>
    </message>
    <message>
        <source>Edit the selected file</source>
        <translation>Modifiez le fichier choisi</translation>
    </message>
    <message>
        <source>Clip trims it to a start and an end time.</source>
        <translation>Découper le réduit à un début et une fin.</translation>
    </message>
    <message>
        <source>Choose the profile</source>
        <translation>Choisissez le profil</translation>
    </message>
    <message>
        <source>MP3, WAV, WMA or OGG; Setting refines it.</source>
        <translation>MP3, WAV, WMA ou OGG ; Réglages l’affine.</translation>
    </message>
    <message>
        <source>One audio file per video, or Merge them into one.</source>
        <translation>Un fichier audio par vidéo, ou Fusionner en un seul.</translation>
    </message>
    <message>
        <source>Tracks %1</source>
        <translation>Pistes %1</translation>
    </message>
    <message>
        <source>Sound tracks mixed: %1</source>
        <translation>Pistes son mixées : %1</translation>
    </message>
    <message>
        <source>Mix tracks…</source>
        <translation>Mixer les pistes…</translation>
    </message>
    <message>
        <source>Channel %1 alone</source>
        <translation>Canal %1 seul</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Tous les canaux</translation>
    </message>
    <message>
        <source>%1 alone</source>
        <translation>%1 seul</translation>
    </message>
    <message>
        <source>Every channel to its own file</source>
        <translation>Chaque canal dans son propre fichier</translation>
    </message>
    <message>
        <source>The files being added are still checked: try again once they are (Esc stops the check).</source>
        <translation>Les fichiers ajoutés sont encore en cours de vérification : réessayez une fois qu&apos;ils le sont (Échap arrête la vérification).</translation>
    </message>
    <message>
        <source>ReplayGain tags</source>
        <translation>des balises ReplayGain</translation>
    </message>
    <message>
        <source>ReplayGain tags with the album&apos;s gain</source>
        <translation>des balises ReplayGain avec le gain de l&apos;album</translation>
    </message>
    <message>
        <source>a true-peak ceiling of %1 dBTP</source>
        <translation>un plafond de crête vraie de %1 dBTP</translation>
    </message>
    <message>
        <source>covers from the video</source>
        <translation>des pochettes tirées de la vidéo</translation>
    </message>
    <message>
        <source>skipping outputs that exist</source>
        <translation>le saut des sorties existantes</translation>
    </message>
    <message>
        <source>the sources&apos; folders under the output folder</source>
        <translation>les dossiers des sources sous le dossier de sortie</translation>
    </message>
    <message>
        <source>This list also asks for %1: they apply to its runs</source>
        <translation>Cette liste demande aussi %1 : cela s&apos;applique à ses traitements</translation>
    </message>
    <message>
        <source>The computer could not be shut down: %1</source>
        <translation>L&apos;ordinateur n&apos;a pas pu être éteint : %1</translation>
    </message>
    <message>
        <source>The list cannot be kept in %1 (%2): a crash would lose it</source>
        <translation>La liste ne peut pas être conservée dans %1 (%2) : un plantage la perdrait</translation>
    </message>
    <message>
        <source>The list kept from the last time cannot be read (%1); it is kept as %2</source>
        <translation>La liste conservée la dernière fois est illisible (%1) ; elle est gardée sous %2</translation>
    </message>
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
    <message>
        <source>%1   %2% has completed</source>
        <translation>%1   %2 % terminé</translation>
    </message>
    <message>
        <source>%1 Task Completed / Total %2 Task(s)</source>
        <translation>%1 tâche(s) terminée(s) / Total %2 tâche(s)</translation>
    </message>
    <message>
        <source>The stopped run is still closing its file: try again in a moment.</source>
        <translation>L&apos;exécution arrêtée ferme encore son fichier : réessayez dans un instant.</translation>
    </message>
</context>
<context>
    <name>CClipDialog</name>
    <message>
        <source>Cut time: %1</source>
        <translation>Durée : %1</translation>
    </message>
    <message>
        <source>Show pauses</source>
        <translation>Afficher les pauses</translation>
    </message>
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
    <message>
        <source>Type a time: HH:MM:SS, to the millisecond as HH:MM:SS.mmm</source>
        <translation>Saisissez une durée : HH:MM:SS, à la milliseconde HH:MM:SS.mmm</translation>
    </message>
</context>
<context>
    <name>CFileInfomation</name>
    <message>
        <source>measuring…</source>
        <translation>mesure en cours…</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>non mesuré</translation>
    </message>
    <message>
        <source>silent</source>
        <translation>silencieux</translation>
    </message>
    <message>
        <source>%1 LUFS · peak %2 dBTP</source>
        <translation>%1 LUFS · crête %2 dBTP</translation>
    </message>
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
        <source>Centre level in a fold-down</source>
        <translation>Niveau du centre dans un mixage réduit</translation>
    </message>
    <message>
        <source>How loud the centre channel (a film&apos;s dialogue) is when 5.1 sound is folded down to stereo or mono; -3 dB is the usual</source>
        <translation>Le volume du canal central (les dialogues d&apos;un film) quand un son 5.1 est réduit en stéréo ou en mono ; -3 dB est l&apos;usage</translation>
    </message>
    <message>
        <source> dB</source>
        <translation> dB</translation>
    </message>
    <message>
        <source>Centre level:</source>
        <translation>Niveau du centre :</translation>
    </message>
    <message>
        <source>As recorded</source>
        <translation>Tel qu’enregistré</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Écoute</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Faster or slower, the voices at their own pitch</source>
        <translation>Plus vite ou plus lentement, les voix à leur propre hauteur</translation>
    </message>
    <message>
        <source>%1×</source>
        <translation>%1×</translation>
    </message>
    <message>
        <source>Tempo:</source>
        <translation>Tempo :</translation>
    </message>
    <message>
        <source>Night mode</source>
        <translation>Mode nuit</translation>
    </message>
    <message>
        <source>Loud passages quieter and quiet ones louder, for listening at a low volume; no peak above -1 dBTP</source>
        <translation>Passages forts plus doux et passages doux plus forts, pour écouter à faible volume ; aucune crête au-dessus de -1 dBTP</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Fade in:</source>
        <translation>Fondu d&apos;entrée :</translation>
    </message>
    <message>
        <source>Fade in</source>
        <translation>Fondu d&apos;entrée</translation>
    </message>
    <message>
        <source>Each file (a merge: its start) fades in from silence over these seconds</source>
        <translation>Chaque fichier (une fusion : son début) sort du silence en autant de secondes</translation>
    </message>
    <message>
        <source>Fade out:</source>
        <translation>Fondu de sortie :</translation>
    </message>
    <message>
        <source>Fade out</source>
        <translation>Fondu de sortie</translation>
    </message>
    <message>
        <source>Each file (a merge: its end) fades out to silence over these seconds</source>
        <translation>Chaque fichier (une fusion : sa fin) s&apos;éteint dans le silence en autant de secondes</translation>
    </message>
    <message>
        <source>Crossfade:</source>
        <translation>Fondu enchaîné :</translation>
    </message>
    <message>
        <source>Crossfade between merged files</source>
        <translation>Fondu enchaîné entre les fichiers fusionnés</translation>
    </message>
    <message>
        <source>Merge joins its files with a crossfade of these seconds instead of one after the other</source>
        <translation>La fusion enchaîne ses fichiers par un fondu de autant de secondes au lieu de les mettre bout à bout</translation>
    </message>
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
        <source>%1 parts:</source>
        <translation>%1 parties :</translation>
    </message>
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
    <name>Messages</name>
    <message>
        <source>split at the chapters, at a list of times, at the pauses or every so many minutes: one of them</source>
        <translation>découper aux chapitres, selon une liste de temps, aux pauses ou toutes les N minutes : un seul de ces choix</translation>
    </message>
    <message>
        <source>the parts of a split are back to back: --trim-silence trims whole files</source>
        <translation>les parties d’un découpage se suivent sans écart : --trim-silence rogne des fichiers entiers</translation>
    </message>
    <message>
        <source>--trim-silence finds the clip itself; -s and -t do not go with it</source>
        <translation>--trim-silence trouve l’extrait lui-même ; -s et -t ne vont pas avec</translation>
    </message>
    <message>
        <source>--opus-application goes with Opus (-f opus)</source>
        <translation>--opus-application va avec Opus (-f opus)</translation>
    </message>
    <message>
        <source>a merge makes one file: it cannot be run in slices</source>
        <translation>une fusion produit un seul fichier : elle ne peut pas être exécutée par tranches</translation>
    </message>
    <message>
        <source>no file to convert</source>
        <translation>aucun fichier à convertir</translation>
    </message>
    <message>
        <source>a merge needs two or more files</source>
        <translation>une fusion demande au moins deux fichiers</translation>
    </message>
    <message>
        <source>no row is chosen to convert</source>
        <translation>aucune ligne n’est choisie pour la conversion</translation>
    </message>
    <message>
        <source>cannot read the mixed sound tracks</source>
        <translation>impossible de lire les pistes audio mélangées</translation>
    </message>
    <message>
        <source>cannot mix the sound tracks</source>
        <translation>impossible de mélanger les pistes audio</translation>
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
        <translation>  -a N+M...             mixer ces pistes son en une sortie, alignées à l&apos;échantillon (une piste
                        qui finit plus tôt est ensuite silence) ; là où la somme saturerait, un
                        limiteur l&apos;abaisse et le statut le dit
      --track-gain N=DB le gain d&apos;une piste mixée (-40 à +20 dB, comme 2=+6) ; répétable
      --voice N[=LU]    la piste N est la voix : les autres se placent LU (10 par défaut) sous
                        sa sonie, toutes deux mesurées selon EBU R128
      --duck[=DB]       abaisser les autres de DB (9 par défaut) pendant que la voix parle
</translation>
    </message>
    <message>
        <source>a mix takes two sound tracks or more, each once, as 1+2</source>
        <translation>un mixage prend deux pistes son ou plus, chacune une fois, comme 1+2</translation>
    </message>
    <message>
        <source>a track&apos;s gain is from -40 to +20 dB</source>
        <translation>le gain d&apos;une piste va de -40 à +20 dB</translation>
    </message>
    <message>
        <source>the voice is one of the mixed sound tracks</source>
        <translation>la voix est l&apos;une des pistes son mixées</translation>
    </message>
    <message>
        <source>the voice&apos;s lead and the ducking are from 0 to 40 dB</source>
        <translation>l&apos;avance de la voix et l&apos;abaissement vont de 0 à 40 dB</translation>
    </message>
    <message>
        <source>ducking lowers the others while the voice speaks: it needs a voice</source>
        <translation>l&apos;abaissement baisse les autres pendant que la voix parle : il lui faut une voix</translation>
    </message>
    <message>
        <source>cannot convert the sound track</source>
        <translation>impossible de convertir la piste son</translation>
    </message>
    <message>
        <source>a mix of sound tracks is an encode: a copy keeps one track as it is (choose a format to convert to)</source>
        <translation>un mixage de pistes son est un encodage : une copie garde une piste telle quelle (choisissez un format de conversion)</translation>
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
        <translation>      --pick-channel NOM
                        un seul canal de la piste son, en fichier mono : FL, FR, FC, LFE, BL,
                        BR, SL, SR... tels que la disposition de --info les nomme, ou son numéro
      --split-channels  chaque canal de la piste son dans son propre fichier mono, nommé
                        &quot;NOM.FL.ext&quot;, &quot;NOM.FR.ext&quot;...
      --center-mix DB   le niveau du canal central quand une piste est réduite à moins de
                        canaux (-c 2 ou -c 1 d&apos;un 5.1) : -12 à +6 dB (par défaut -3)
</translation>
    </message>
    <message>
        <source>a channel alone is an encode: a copy keeps every channel (choose a format to convert to)</source>
        <translation>un canal seul est un encodage : une copie garde tous les canaux (choisissez un format de conversion)</translation>
    </message>
    <message>
        <source>a channel alone writes a file of its own; it does not go with a merge</source>
        <translation>un canal seul écrit son propre fichier ; il ne va pas avec une fusion</translation>
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
        <translation>      --tempo X         X fois plus vite (0.5 à 4 ; 1.25, 1.5, 2), les voix à leur propre
                        hauteur ; les chapitres suivent la nouvelle durée, -s, -t et les
                        découpages restent dans le temps de la source
      --night           mode nuit : passages forts plus doux, doux plus forts (la plage de
                        sonie au moins divisée par deux), aucune crête au-dessus de -1 dBTP ;
                        avec --normalize, la sonie est mesurée après lui
      --fade-in S, --fade-out S
                        chaque sortie (chaque extrait, chaque partie ; une fusion à ses
                        extrémités) sort du silence ou s&apos;y éteint en S secondes (0 à 60)
      --crossfade S     avec --merge : chaque fichier s&apos;enchaîne au précédent par un fondu de
                        S secondes (0 à 30), son chapitre commençant au milieu du fondu
</translation>
    </message>
    <message>
        <source>the tempo is from 0.5 to 4 times the speed</source>
        <translation>le tempo va de 0.5 à 4 fois la vitesse</translation>
    </message>
    <message>
        <source>a fade lasts from 0 to 60 seconds</source>
        <translation>un fondu dure de 0 à 60 secondes</translation>
    </message>
    <message>
        <source>a crossfade lasts from 0 to 30 seconds</source>
        <translation>un fondu enchaîné dure de 0 à 30 secondes</translation>
    </message>
    <message>
        <source>tempo, night mode and fades change the sound: a copy keeps it as it is (choose a format to convert to)</source>
        <translation>le tempo, le mode nuit et les fondus changent le son : une copie le garde tel quel (choisissez un format de conversion)</translation>
    </message>
    <message>
        <source>the tempo changes the sound alone: the pictures of a video output would no longer match it</source>
        <translation>le tempo ne change que le son : les images d&apos;une sortie vidéo ne lui correspondraient plus</translation>
    </message>
    <message>
        <source>a crossfade joins the files of a merge: it needs a merge</source>
        <translation>un fondu enchaîné relie les fichiers d&apos;une fusion : il lui faut une fusion</translation>
    </message>
    <message>
        <source>%1 made, %2 missing, %3 failed</source>
        <translation>%1 faits, %2 manquants, %3 en échec</translation>
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
        <translation>Usage : tolvane-cli [options] FICHIER...
        tolvane-cli [options] --job FICHIER
Extrait la piste son de fichiers vidéo vers des fichiers audio.

  -o, --output DOSSIER  dossier de sortie (par défaut : le dossier courant ; créé s&apos;il manque)
  -f, --format NOM      mp3 | wav | wma | ogg | opus, ou l&apos;extension d&apos;un préréglage audio
                        (aac, ac3, aiff, au, m4a, mp2, ra, flac) ; par défaut mp3 ;
                        « copy » (ou « original ») : la piste son telle quelle, sans
                        réencodage, dans un fichier nommé d&apos;après son codec (.m4a, .mp3,
                        .ac3, .ogg, .opus, .flac, .wav, ... .mka) ; extraits au paquet près
  -e, --encoder NOM     encodeur audio de cette version :%1
  -b, --bitrate DÉBIT   bits par seconde ; « 128k » et « 128000 » conviennent tous deux
  -r, --rate HZ         fréquence d&apos;échantillonnage
  -c, --channels N      1, 2 ou 6
      --opus-application voip|audio
                        ce pour quoi Opus est réglé : la voix ou la musique (par défaut :
                        celui de libopus, la musique) ; Opus est encodé à 48000 Hz, de 6 à
                        510 kbit/s (par défaut 64 kbit/s mono, 128 stéréo, 256 en 5.1)
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
        <translation>  -s, --start TEMPS     début de l&apos;extrait de chaque fichier (HH:MM:SS ou secondes)
  -t, --end TEMPS       fin de l&apos;extrait de chaque fichier (par défaut : sa durée)
  -a, --audio-track N   la N-ième piste son de chaque fichier, comme --info les liste
                        (par défaut : la dernière) ; « all » : un fichier par piste,
                        « nom.N.ext » (« nom.N.LANGUE.ext » quand la piste a une langue)
      --cover-from-video[=TEMPS]
                        une source sans pochette donne aux sorties MP3, M4A et FLAC une
                        image de sa vidéo (par défaut : à 10 % de sa durée)
  -m, --merge           fusionner tous les fichiers, dans l&apos;ordre, en une sortie nommée
                        d&apos;après le premier ; chaque fichier en devient un chapitre
      --split-chapters  un fichier par chapitre : « NOM - 01 - Titre.mp3 », étiqueté avec
                        le titre du chapitre, son numéro et l&apos;enregistrement comme album
      --split-silence[=DB,SECONDES]
                        un fichier par passage sonore : coupe au milieu de chaque pause d&apos;au
                        moins SECONDES sous DB dBFS (par défaut -50,1.5) ; les bouts de moins
                        d&apos;une seconde de son rejoignent leur voisin
      --split-every DURÉE
                        des fichiers d&apos;environ DURÉE chacun (30:00, 1800) : chaque coupe dans
                        la pause la plus proche du temps à 15 % près, sinon au temps même
      --trim-silence[=SECONDES]
                        omettre le silence (sous -50 dBFS) aux deux bouts de chaque fichier,
                        en gardant SECONDES (par défaut 0.3) hors du premier et du dernier son
      --split-at FICHIER
                        un fichier par partie que FICHIER nomme (- pour l&apos;entrée standard) :
                        une ligne « [H:]MM:SS[.mmm] Titre », « Titre - MM:SS » ou
                        « MM:SS - Titre » chacune, ou une feuille CUE ; une partie va
                        jusqu&apos;à la suivante, la dernière jusqu&apos;à la fin
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
        <translation>  -j, --jobs N          convertir N fichiers à la fois (par défaut : un par cœur ; une fusion
                        est un fichier) ; les voies libres encodent un long son par segments : MP3,
                        WAV, WMA, Opus, OGG Vorbis, FLAC et les préréglages PCM
      --skip-existing   omettre un fichier dont le nom de sortie existe déjà, pour qu&apos;une
                        exécution relancée ne fasse que ce qui manque ; des entrées qui
                        écriraient le même nom sont refusées (voir --keep-folders)
      --keep-folders    reproduire les dossiers des entrées, relatifs à leur dossier commun,
                        sous le dossier de sortie
      --json            un objet JSON par fichier terminé sur la sortie standard, au lieu
                        des lignes d&apos;état
      --info            afficher les informations média et les pistes son de chaque fichier,
                        puis quitter
      --normalize[=LUFS]
                        mesurer d&apos;abord chaque fichier (chaque fichier fusionné) et l&apos;amener
                        à ce niveau (par défaut -16 LUFS ; -14, -18, -23 sont courants), avec
                        un seul gain, les crêtes au-dessus du plafond true-peak limitées ;
                        avec -f copy, pistes Opus seulement, par le gain de l&apos;en-tête (aucun
                        paquet modifié)
      --true-peak DB    le plafond de --normalize (par défaut -1 dBTP)
      --replaygain[=track|album]
                        laisser le son tel quel et étiqueter chaque sortie avec son gain et
                        sa crête ReplayGain 2.0 (MP3, OGG, FLAC, WMA, M4A ; copies aussi ;
                        Opus reçoit ses gains R128, relatifs à -23 LUFS) ; album : en plus,
                        le gain de toutes les sorties de l&apos;exécution ensemble
      --loudness        avec --info : le niveau de la piste son choisie (-a ; toutes avec
                        -a all) selon EBU R128 : LUFS, plage de niveau et true peak
      --write-job FICHIER
                        écrire dans FICHIER la tâche que décrivent ces options et fichiers
                        (un « .tolvane-job », comme l&apos;écrit « Enregistrer la liste » de la
                        fenêtre) sans rien convertir
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
        <translation>      --job FICHIER     exécuter la tâche de FICHIER ; toute option du traitement donnée à
                        côté s&apos;applique sur les siennes (-e, -b, -r, -c affinent son format)
      --slice K/N       seulement les lignes de la tâche dont l&apos;indice modulo N vaut K-1 :
                        N machines avec une tâche et un dossier de sortie partagé font
                        chaque fichier une fois
      --slice auto[/N]  K et N donnés par l&apos;ordonnanceur : un tableau de tâches Slurm,
                        un Job indexé Kubernetes ou GNU parallel (ces deux avec N donné)
      --check           avec --job : chaque ligne de la tranche comme Made, Missing ou
                        Failed ; sortie 1 tant qu&apos;une manque ou a échoué
</translation>
    </message>
    <message>
        <source>  -q, --quiet           no progress display, and nothing from the media libraries: only
                        the status lines and failures
  -h, --help            this help
      --version         the version

</source>
        <translation>  -q, --quiet           ni affichage de progression ni messages des bibliothèques média :
                        seulement les lignes d&apos;état et les échecs
  -h, --help            cette aide
      --version         la version

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
        <translation>Un fichier existant n&apos;est jamais écrasé : « nom(0).ext », « nom(1).ext »... sont utilisés à la
place. Les lignes d&apos;état arrivent à mesure que les fichiers se terminent : « Completed »,
« Failure », « Stopped » ou « Skipped », le fichier et ce qui a été écrit ; un échec en donne la
raison. Les sorties sont écrites comme fichiers cachés « .NOM.*.tolvane-part » et ne reçoivent
leur nom qu&apos;une fois complètes : une exécution tuée ne laisse aucun fichier qui semble terminé
(la suivante dans ce dossier retire ce qu&apos;elle a laissé, et rien d&apos;autre). Avec --skip-existing,
un fichier coupé par une interruption est retiré, pour que l&apos;exécution suivante le fasse entier.
Code de sortie : 0 tous les fichiers convertis (ou omis), 1 un fichier a échoué ou l&apos;exécution a
été interrompue, 2 mauvais usage.
</translation>
    </message>
    <message>
        <source>tolvane-cli: %1
Try &apos;tolvane-cli --help&apos;.</source>
        <translation>tolvane-cli : %1
Essayez « tolvane-cli --help ».</translation>
    </message>
    <message>
        <source>Converting %1/%2: %3</source>
        <translation>Conversion %1/%2 : %3</translation>
    </message>
    <message>
        <source>[%1/%2] %3  elapsed %4  left %5</source>
        <translation>[%1/%2] %3  écoulé %4  reste %5</translation>
    </message>
    <message>
        <source>File:%1 is invalid!</source>
        <translation>Fichier:%1 est invalide !</translation>
    </message>
    <message>
        <source>File:%1 is refused: %2</source>
        <translation>Fichier:%1 est refusé : %2</translation>
    </message>
    <message>
        <source>File:%1: %2</source>
        <translation>Fichier:%1 : %2</translation>
    </message>
    <message>
        <source>File:%1: %2 (left out)</source>
        <translation>Fichier:%1 : %2 (omis)</translation>
    </message>
    <message>
        <source>File:%1: the list names no part</source>
        <translation>Fichier:%1 : la liste ne nomme aucune partie</translation>
    </message>
    <message>
        <source>File:%1 has no chapters: it is converted whole</source>
        <translation>Fichier:%1 n&apos;a pas de chapitres : il est converti en entier</translation>
    </message>
    <message>
        <source>Stopping: a file cut short is removed, so that the next run makes it whole</source>
        <translation>Arrêt : un fichier coupé est retiré, pour que l&apos;exécution suivante le fasse entier</translation>
    </message>
    <message>
        <source>Stopping: closing the current file; it holds what was converted so far</source>
        <translation>Arrêt : fermeture du fichier en cours ; il contient ce qui a été converti jusqu&apos;ici</translation>
    </message>
    <message>
        <source>tolvane-cli: cannot run the job %1: %2</source>
        <translation>tolvane-cli : impossible d&apos;exécuter la tâche %1 : %2</translation>
    </message>
    <message>
        <source>tolvane-cli: cannot read the list of times %1</source>
        <translation>tolvane-cli : impossible de lire la liste des temps %1</translation>
    </message>
    <message>
        <source>tolvane-cli: %1: %2</source>
        <translation>tolvane-cli : %1 : %2</translation>
    </message>
    <message>
        <source>tolvane-cli: cannot write the job %1: %2</source>
        <translation>tolvane-cli : impossible d&apos;écrire la tâche %1 : %2</translation>
    </message>
    <message>
        <source>Wrote the job of %1 rows to %2</source>
        <translation>Tâche de %1 lignes écrite dans %2</translation>
    </message>
    <message>
        <source>The folder that you selected does not exit.Please specify a different folder!</source>
        <translation>Le dossier choisi n&apos;existe pas. Veuillez indiquer un autre dossier !</translation>
    </message>
    <message>
        <source>The output folder name is invalid!</source>
        <translation>Le nom du dossier de sortie est invalide !</translation>
    </message>
    <message>
        <source>Please select output folder:</source>
        <translation>Veuillez choisir le dossier de sortie :</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it is not a regular file (a pipe, socket or device)</source>
        <translation>ce n&apos;est pas un fichier ordinaire (un tube, une socket ou un périphérique)</translation>
    </message>
    <message>
        <source>at least %1 s under %2 dBFS</source>
        <translation>au moins %1 s sous %2 dBFS</translation>
    </message>
    <message>
        <source>1 part</source>
        <translation>1 partie</translation>
    </message>
    <message>
        <source>%1 parts</source>
        <translation>%1 parties</translation>
    </message>
    <message>
        <source>silent throughout (under %1 dBFS): the file stays whole</source>
        <translation>silencieux de bout en bout (sous %1 dBFS) : le fichier reste entier</translation>
    </message>
    <message>
        <source>no pause of %1 between two sounds: the file stays whole</source>
        <translation>aucune pause de %1 entre deux sons : le fichier reste entier</translation>
    </message>
    <message>
        <source>%1 at pauses of %2</source>
        <translation>%1 aux pauses de %2</translation>
    </message>
    <message>
        <source>not longer than %1: the file stays whole</source>
        <translation>pas plus long que %1 : le fichier reste entier</translation>
    </message>
    <message>
        <source>%1 of about %2: %3</source>
        <translation>%1 d&apos;environ %2 : %3</translation>
    </message>
    <message>
        <source>%1 of 1 cut in a pause</source>
        <translation>%1 coupe sur 1 dans une pause</translation>
    </message>
    <message>
        <source>%1 of %2 cuts in a pause, the others at the exact time (no pause near them)</source>
        <translation>%1 coupes sur %2 dans une pause, les autres au temps exact (aucune pause proche)</translation>
    </message>
    <message>
        <source>%1 of %2 cuts in a pause</source>
        <translation>%1 coupes sur %2 dans une pause</translation>
    </message>
    <message>
        <source>silent throughout (under %1 dBFS): nothing was trimmed</source>
        <translation>silencieux de bout en bout (sous %1 dBFS) : rien n&apos;a été coupé</translation>
    </message>
    <message>
        <source>trimmed to the sound from %1 to %2</source>
        <translation>réduit au son de %1 à %2</translation>
    </message>
    <message>
        <source>no silence at the ends: nothing was trimmed</source>
        <translation>aucun silence aux bouts : rien n&apos;a été coupé</translation>
    </message>
    <message>
        <source>the sound before %1 (the first time) is in no part</source>
        <translation>le son avant %1 (le premier temps) n&apos;est dans aucune partie</translation>
    </message>
    <message>
        <source>%1: %2 is past the end (%3)</source>
        <translation>%1 : %2 est après la fin (%3)</translation>
    </message>
    <message>
        <source>%1: %2 is not after %3</source>
        <translation>%1 : %2 n&apos;est pas après %3</translation>
    </message>
    <message>
        <source>chapter %1</source>
        <translation>chapitre %1</translation>
    </message>
    <message>
        <source>%1: starts past the end (%2 of %3)</source>
        <translation>%1 : commence après la fin (%2 sur %3)</translation>
    </message>
    <message>
        <source>%1: overlaps the chapter before (%2)</source>
        <translation>%1 : chevauche le chapitre précédent (%2)</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>%1: no time in &quot;%2&quot;</source>
        <translation>%1 : aucun temps dans « %2 »</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>arrêté</translation>
    </message>
    <message>
        <source>no sound to measure</source>
        <translation>aucun son à mesurer</translation>
    </message>
    <message>
        <source>the written sound cannot be decoded</source>
        <translation>le son écrit ne peut pas être décodé</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>the written sound cannot be measured</source>
        <translation>le son écrit ne peut pas être mesuré</translation>
    </message>
    <message>
        <source>no sound to read</source>
        <translation>aucun son à lire</translation>
    </message>
    <message>
        <source>the task has no output path</source>
        <translation>la tâche n&apos;a pas de chemin de sortie</translation>
    </message>
    <message>
        <source>cannot add the chapters</source>
        <translation>impossible d&apos;ajouter les chapitres</translation>
    </message>
    <message>
        <source>cannot read the source</source>
        <translation>impossible de lire la source</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>the source has no such sound track</source>
        <translation>la source n&apos;a pas cette piste son</translation>
    </message>
    <message>
        <source>cannot open the video decoder</source>
        <translation>impossible d&apos;ouvrir le décodeur vidéo</translation>
    </message>
    <message>
        <source>cannot open the audio decoder</source>
        <translation>impossible d&apos;ouvrir le décodeur audio</translation>
    </message>
    <message>
        <source>no output format for the output name</source>
        <translation>aucun format de sortie pour le nom de sortie</translation>
    </message>
    <message>
        <source>cannot allocate the output</source>
        <translation>impossible d&apos;allouer la sortie</translation>
    </message>
    <message>
        <source>cannot open the video encoder</source>
        <translation>impossible d&apos;ouvrir l&apos;encodeur vidéo</translation>
    </message>
    <message>
        <source>cannot add the video stream</source>
        <translation>impossible d&apos;ajouter le flux vidéo</translation>
    </message>
    <message>
        <source>cannot open the audio encoder</source>
        <translation>impossible d&apos;ouvrir l&apos;encodeur audio</translation>
    </message>
    <message>
        <source>cannot add the audio stream</source>
        <translation>impossible d&apos;ajouter le flux audio</translation>
    </message>
    <message>
        <source>nothing to write: the source has no audio</source>
        <translation>rien à écrire : la source n&apos;a pas de son</translation>
    </message>
    <message>
        <source>cannot encode or write the sound</source>
        <translation>impossible d&apos;encoder ou d&apos;écrire le son</translation>
    </message>
    <message>
        <source>cannot encode or write the pictures</source>
        <translation>impossible d&apos;encoder ou d&apos;écrire les images</translation>
    </message>
    <message>
        <source>cannot measure the loudness: </source>
        <translation>impossible de mesurer le niveau : </translation>
    </message>
    <message>
        <source>cannot encode or write the end of the sound</source>
        <translation>impossible d&apos;encoder ou d&apos;écrire la fin du son</translation>
    </message>
    <message>
        <source>cannot encode or write the last pictures</source>
        <translation>impossible d&apos;encoder ou d&apos;écrire les dernières images</translation>
    </message>
    <message>
        <source>-f copy keeps the original sound; -e, -b, -r and -c do not go with it</source>
        <translation>-f copy garde le son d&apos;origine ; -e, -b, -r et -c ne vont pas avec</translation>
    </message>
    <message>
        <source>a merged copy keeps each file&apos;s sound as it is: it cannot be brought to one loudness (choose a format to convert to)</source>
        <translation>une copie fusionnée garde le son de chaque fichier tel quel : elle ne peut pas être amenée à un seul niveau (choisissez un format de conversion)</translation>
    </message>
    <message>
        <source>normalising changes the sound, ReplayGain tags it: one or the other</source>
        <translation>normaliser change le son, ReplayGain l&apos;étiquette : l&apos;un ou l&apos;autre</translation>
    </message>
    <message>
        <source>ReplayGain tags files one by one; it does not go with a merge</source>
        <translation>ReplayGain étiquette les fichiers un par un ; il ne va pas avec une fusion</translation>
    </message>
    <message>
        <source>a split makes a file of each part; it does not go with a merge</source>
        <translation>un découpage fait un fichier par partie ; il ne va pas avec une fusion</translation>
    </message>
    <message>
        <source>a merge takes every file whole; a clip start or end does not go with it</source>
        <translation>une fusion prend chaque fichier en entier ; un début ou une fin d&apos;extrait ne va pas avec</translation>
    </message>
    <message>
        <source>-a all writes a file per sound track; it does not go with --merge</source>
        <translation>-a all écrit un fichier par piste son ; il ne va pas avec --merge</translation>
    </message>
    <message>
        <source>--skip-existing works file by file; it does not go with --merge</source>
        <translation>--skip-existing travaille fichier par fichier ; il ne va pas avec --merge</translation>
    </message>
    <message>
        <source>a split makes a file of each part; it does not go with -s or -t</source>
        <translation>un découpage fait un fichier par partie ; il ne va pas avec -s ou -t</translation>
    </message>
    <message>
        <source>a copy keeps the sound as it is: only an Opus track can be brought to a loudness without re-encoding (choose a format to convert to)</source>
        <translation>une copie garde le son tel quel : seule une piste Opus peut être amenée à un niveau sans réencodage (choisissez un format de conversion)</translation>
    </message>
    <message>
        <source>cannot copy the sound track&apos;s parameters</source>
        <translation>impossible de copier les paramètres de la piste son</translation>
    </message>
    <message>
        <source>the sound track cannot join the merged file: </source>
        <translation>la piste son ne peut pas rejoindre le fichier fusionné : </translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>impossible d&apos;écrire la sortie</translation>
    </message>
    <message>
        <source>cannot finish the output file: </source>
        <translation>impossible de terminer le fichier de sortie : </translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>cannot read the output</source>
        <translation>impossible de lire la sortie</translation>
    </message>
    <message>
        <source>no movie header to tag</source>
        <translation>aucun en-tête de film à étiqueter</translation>
    </message>
    <message>
        <source>the movie header&apos;s boxes do not read</source>
        <translation>les boîtes de l&apos;en-tête de film sont illisibles</translation>
    </message>
    <message>
        <source>the movie header would grow too large</source>
        <translation>l&apos;en-tête de film deviendrait trop grand</translation>
    </message>
    <message>
        <source>cannot write the tags: </source>
        <translation>impossible d&apos;écrire les étiquettes : </translation>
    </message>
    <message>
        <source>cannot read the output back</source>
        <translation>impossible de relire la sortie</translation>
    </message>
    <message>
        <source>the ReplayGain tags could not be found in the header</source>
        <translation>les étiquettes ReplayGain sont introuvables dans l&apos;en-tête</translation>
    </message>
    <message>
        <source>cannot measure the output for its ReplayGain tags: </source>
        <translation>impossible de mesurer la sortie pour ses étiquettes ReplayGain : </translation>
    </message>
    <message>
        <source>the R128 gain could not be written: </source>
        <translation>le gain R128 n&apos;a pas pu être écrit : </translation>
    </message>
    <message>
        <source>the ReplayGain tags could not be written: </source>
        <translation>les étiquettes ReplayGain n&apos;ont pas pu être écrites : </translation>
    </message>
    <message>
        <source>not enough memory for the ReplayGain tags</source>
        <translation>mémoire insuffisante pour les étiquettes ReplayGain</translation>
    </message>
    <message>
        <source>not enough memory for the tags</source>
        <translation>mémoire insuffisante pour les étiquettes</translation>
    </message>
    <message>
        <source>Elapsed %1 · Time left %2</source>
        <translation>Écoulé %1 · Temps restant %2</translation>
    </message>
    <message>
        <source>shorter than the clip start</source>
        <translation>plus court que le début de l&apos;extrait</translation>
    </message>
    <message>
        <source>its output would be the source itself; choose another output folder</source>
        <translation>sa sortie serait la source elle-même ; choisissez un autre dossier de sortie</translation>
    </message>
    <message>
        <source>tempo %1×</source>
        <translation>tempo %1×</translation>
    </message>
    <message>
        <source>night mode</source>
        <translation>mode nuit</translation>
    </message>
    <message>
        <source>fade in %1 s</source>
        <translation>fondu d&apos;entrée %1 s</translation>
    </message>
    <message>
        <source>fade out %1 s</source>
        <translation>fondu de sortie %1 s</translation>
    </message>
    <message>
        <source>crossfade %1 s</source>
        <translation>fondu enchaîné %1 s</translation>
    </message>
    <message>
        <source>1 sound packet did not decode and was skipped</source>
        <translation>1 paquet de son n&apos;a pas pu être décodé et a été sauté</translation>
    </message>
    <message>
        <source>%1 sound packets did not decode and were skipped</source>
        <translation>%1 paquets de son n&apos;ont pas pu être décodés et ont été sautés</translation>
    </message>
    <message>
        <source>this format keeps no ReplayGain tags: none were written</source>
        <translation>ce format ne conserve pas de balises ReplayGain : aucune n&apos;a été écrite</translation>
    </message>
    <message>
        <source>the cover picture could not be added (%1)</source>
        <translation>l&apos;image de couverture n&apos;a pas pu être ajoutée (%1)</translation>
    </message>
    <message>
        <source>the sound is silent: its loudness was left as it was</source>
        <translation>le son est silencieux : son volume est resté tel quel</translation>
    </message>
    <message>
        <source>the mix was brought down where it would have clipped</source>
        <translation>le mixage a été abaissé là où il aurait saturé</translation>
    </message>
    <message>
        <source>encoded in %1 segments at once</source>
        <translation>encodé en %1 segments à la fois</translation>
    </message>
    <message>
        <source>mixed %1</source>
        <translation>mixé : %1</translation>
    </message>
    <message>
        <source>the gain was lowered to %1 dB to keep the true peak at %2 dBTP: the file plays at %3 LUFS</source>
        <translation>le gain a été abaissé à %1 dB pour garder la crête réelle à %2 dBTP : le fichier joue à %3 LUFS</translation>
    </message>
    <message>
        <source>copied whole packets: from %1 s to %2 s of the file</source>
        <translation>paquets entiers copiés : de %1 s à %2 s du fichier</translation>
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
<context>
    <name>CMixDialog</name>
    <message>
        <source>no temporary folder can be made</source>
        <translation>aucun dossier temporaire ne peut être créé</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Plays a few seconds of the mix, from where the preview stands</source>
        <translation>Joue quelques secondes du mélange, depuis la position de l’aperçu</translation>
    </message>
    <message>
        <source>Preparing…</source>
        <translation>Préparation…</translation>
    </message>
    <message>
        <source>No preview: %1</source>
        <translation>Pas d’écoute : %1</translation>
    </message>
    <message>
        <source>the player cannot open the preview</source>
        <translation>le lecteur ne peut pas ouvrir l’extrait</translation>
    </message>
    <message>
        <source>Stop preview</source>
        <translation>Arrêter l’écoute</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Sonie</translation>
    </message>
    <message>
        <source>Loudness of track %1</source>
        <translation>Sonie de la piste %1</translation>
    </message>
    <message>
        <source>Measure loudness</source>
        <translation>Mesurer la sonie</translation>
    </message>
    <message>
        <source>Each track&apos;s loudness by EBU R128, read in the background</source>
        <translation>La sonie de chaque piste selon EBU R128, lue en arrière-plan</translation>
    </message>
    <message>
        <source>measuring…</source>
        <translation>mesure…</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>non mesurée</translation>
    </message>
    <message>
        <source>silent</source>
        <translation>silencieuse</translation>
    </message>
    <message>
        <source>Mix tracks</source>
        <translation>Mixer les pistes</translation>
    </message>
    <message>
        <source>Sound tracks</source>
        <translation>Pistes son</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voix</translation>
    </message>
    <message>
        <source>Mix track %1</source>
        <translation>Mixer la piste %1</translation>
    </message>
    <message>
        <source>Gain of track %1</source>
        <translation>Gain de la piste %1</translation>
    </message>
    <message>
        <source> dB</source>
        <translation> dB</translation>
    </message>
    <message>
        <source>Track %1 is the voice</source>
        <translation>La piste %1 est la voix</translation>
    </message>
    <message>
        <source>No voice</source>
        <translation>Aucune voix</translation>
    </message>
    <message>
        <source>The others under the voice</source>
        <translation>Les autres sous la voix</translation>
    </message>
    <message>
        <source>The other tracks&apos; loudness sits this far under the voice&apos;s (EBU R128)</source>
        <translation>La sonie des autres pistes se place autant sous celle de la voix (EBU R128)</translation>
    </message>
    <message>
        <source> LU</source>
        <translation> LU</translation>
    </message>
    <message>
        <source>The others under the voice:</source>
        <translation>Les autres sous la voix :</translation>
    </message>
    <message>
        <source>Lower the others while the voice speaks</source>
        <translation>Baisser les autres pendant que la voix parle</translation>
    </message>
    <message>
        <source>How much lower</source>
        <translation>De combien plus bas</translation>
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
    <name>Channels</name>
    <message>
        <source>1 Channel Mono</source>
        <translation>1 canal mono</translation>
    </message>
    <message>
        <source>2 Channel Stereo</source>
        <translation>2 canaux stéréo</translation>
    </message>
    <message>
        <source>2 Channel stereo</source>
        <translation>2 canaux stéréo</translation>
    </message>
    <message>
        <source>5.1 Channel</source>
        <translation>5.1 canaux</translation>
    </message>
    <message>
        <source>6 Channel stereo</source>
        <translation>6 canaux</translation>
    </message>
</context>
<context>
    <name>FileFilters</name>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>All media files</source>
        <translation>Tous les fichiers multimédias</translation>
    </message>
    <message>
        <source>WebM files</source>
        <translation>Fichiers WebM</translation>
    </message>
    <message>
        <source>Ogg files</source>
        <translation>Fichiers Ogg</translation>
    </message>
    <message>
        <source>Flash files</source>
        <translation>Fichiers Flash</translation>
    </message>
    <message>
        <source>Real Media Files</source>
        <translation>Fichiers Real Media</translation>
    </message>
    <message>
        <source>QuickTime files</source>
        <translation>Fichiers QuickTime</translation>
    </message>
    <message>
        <source>AVI files</source>
        <translation>Fichiers AVI</translation>
    </message>
    <message>
        <source>MPEG files</source>
        <translation>Fichiers MPEG</translation>
    </message>
    <message>
        <source>Unprotected VOB files</source>
        <translation>Fichiers VOB non protégés</translation>
    </message>
    <message>
        <source>VCD files</source>
        <translation>Fichiers VCD</translation>
    </message>
    <message>
        <source>Matroska Video files</source>
        <translation>Fichiers vidéo Matroska</translation>
    </message>
    <message>
        <source>MP4 files</source>
        <translation>Fichiers MP4</translation>
    </message>
    <message>
        <source>3GP files</source>
        <translation>Fichiers 3GP</translation>
    </message>
    <message>
        <source>Windows Media files</source>
        <translation>Fichiers Windows Media</translation>
    </message>
    <message>
        <source>MOD files</source>
        <translation>Fichiers MOD</translation>
    </message>
    <message>
        <source>TOD files</source>
        <translation>Fichiers TOD</translation>
    </message>
    <message>
        <source>High-Definition files</source>
        <translation>Fichiers haute définition</translation>
    </message>
    <message>
        <source>Digital Video files</source>
        <translation>Fichiers vidéo numérique</translation>
    </message>
    <message>
        <source>NUT files</source>
        <translation>Fichiers NUT</translation>
    </message>
    <message>
        <source>Raw H.264 video files</source>
        <translation>Fichiers vidéo H.264 bruts</translation>
    </message>
    <message>
        <source>Nullsoft Stream Video</source>
        <translation>Nullsoft Stream Video</translation>
    </message>
</context>
</TS>
