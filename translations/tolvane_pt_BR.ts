<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CAVConvertDlg</name>
    <message>
        <source>Tolvane</source>
        <translation>Tolvane</translation>
    </message>
    <message>
        <source>Current File Converting:</source>
        <translation>Arquivo em conversão:</translation>
    </message>
    <message>
        <source>Current file progress</source>
        <translation>Progresso do arquivo atual</translation>
    </message>
    <message>
        <source>Total Progress:</source>
        <translation>Progresso total:</translation>
    </message>
    <message>
        <source>Total progress</source>
        <translation>Progresso total</translation>
    </message>
    <message>
        <source>Shut down computer when conversion completed</source>
        <translation>Desligar o computador ao concluir a conversão</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Stop converting</source>
        <translation>Parar a conversão</translation>
    </message>
    <message>
        <source>Show preview</source>
        <translation>Mostrar prévia</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Convertendo…</translation>
    </message>
</context>
<context>
    <name>CAbout</name>
    <message>
        <source>The sound track of every video, as audio</source>
        <translation>A trilha sonora de cada vídeo, como áudio</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Made for people who keep the sound of their videos.</source>
        <translation>Feito para quem guarda o som dos seus vídeos.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Suporte:</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>Site:</translation>
    </message>
</context>
<context>
    <name>CBrenvixDlg</name>
    <message>
        <source>Sound track %1</source>
        <translation>Faixa de áudio %1</translation>
    </message>
    <message>
        <source>Part %1 of %2: %3</source>
        <translation>Parte %1 de %2: %3</translation>
    </message>
    <message>
        <source>Sound from every video</source>
        <translation>O som de cada vídeo</translation>
    </message>
    <message>
        <source>Getting started</source>
        <translation>Primeiros passos</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Perfil:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Saída:</translation>
    </message>
    <message>
        <source>Files at once:</source>
        <translation>Arquivos ao mesmo tempo:</translation>
    </message>
    <message>
        <source>Add video files</source>
        <translation>Adicione arquivos de vídeo</translation>
    </message>
    <message>
        <source>Click Add, or drop videos onto this window.</source>
        <translation>Clique em Adicionar ou solte vídeos nesta janela.</translation>
    </message>
    <message>
        <source>Edit the selected file</source>
        <translation>Edite o arquivo escolhido</translation>
    </message>
    <message>
        <source>Clip trims it to a start and an end time.</source>
        <translation>Recortar o reduz a um início e um fim.</translation>
    </message>
    <message>
        <source>Choose the profile</source>
        <translation>Escolha o perfil</translation>
    </message>
    <message>
        <source>MP3, WAV, WMA or OGG; Setting refines it.</source>
        <translation>MP3, WAV, WMA ou OGG; Configurações o refina.</translation>
    </message>
    <message>
        <source>One audio file per video, or Merge them into one.</source>
        <translation>Um arquivo de áudio por vídeo, ou Juntar todos em um.</translation>
    </message>
    <message>
        <source>Tracks %1</source>
        <translation>Faixas %1</translation>
    </message>
    <message>
        <source>Sound tracks mixed: %1</source>
        <translation>Faixas de som mixadas: %1</translation>
    </message>
    <message>
        <source>Mix tracks…</source>
        <translation>Mixar faixas…</translation>
    </message>
    <message>
        <source>Channel %1 alone</source>
        <translation>Canal %1 sozinho</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canais</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Todos os canais</translation>
    </message>
    <message>
        <source>%1 alone</source>
        <translation>%1 sozinho</translation>
    </message>
    <message>
        <source>Every channel to its own file</source>
        <translation>Cada canal em seu próprio arquivo</translation>
    </message>
    <message>
        <source>The files being added are still checked: try again once they are (Esc stops the check).</source>
        <translation>Os arquivos adicionados ainda estão sendo verificados: tente de novo quando terminarem (Esc interrompe a verificação).</translation>
    </message>
    <message>
        <source>ReplayGain tags</source>
        <translation>tags ReplayGain</translation>
    </message>
    <message>
        <source>ReplayGain tags with the album&apos;s gain</source>
        <translation>tags ReplayGain com o ganho do álbum</translation>
    </message>
    <message>
        <source>a true-peak ceiling of %1 dBTP</source>
        <translation>um teto de pico real de %1 dBTP</translation>
    </message>
    <message>
        <source>covers from the video</source>
        <translation>capas tiradas do vídeo</translation>
    </message>
    <message>
        <source>skipping outputs that exist</source>
        <translation>pular saídas que já existem</translation>
    </message>
    <message>
        <source>the sources&apos; folders under the output folder</source>
        <translation>as pastas das fontes sob a pasta de saída</translation>
    </message>
    <message>
        <source>This list also asks for %1: they apply to its runs</source>
        <translation>Esta lista também pede %1: isso vale para suas execuções</translation>
    </message>
    <message>
        <source>The computer could not be shut down: %1</source>
        <translation>Não foi possível desligar o computador: %1</translation>
    </message>
    <message>
        <source>The list cannot be kept in %1 (%2): a crash would lose it</source>
        <translation>A lista não pode ser mantida em %1 (%2): uma falha a perderia</translation>
    </message>
    <message>
        <source>The list kept from the last time cannot be read (%1); it is kept as %2</source>
        <translation>A lista mantida da última vez não pode ser lida (%1); ela foi guardada como %2</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Prévia</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Volume level</source>
        <translation>Nível do volume</translation>
    </message>
    <message>
        <source>Could not open %1: no program to open it was found (the xdg-utils package provides one).</source>
        <translation>Não foi possível abrir %1: nenhum programa para abri-lo foi encontrado (o pacote xdg-utils fornece um).</translation>
    </message>
    <message>
        <source>Can not find help file!</source>
        <translation>Arquivo de ajuda não encontrado!</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Adicionar arquivo</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
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
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Iniciar conversão</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Remover tudo</translation>
    </message>
    <message>
        <source> Merge into a file</source>
        <translation> Juntar em um arquivo</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Juntar</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>Informações do arquivo</translation>
    </message>
    <message>
        <source>File Info</source>
        <translation>Info. do arquivo</translation>
    </message>
    <message>
        <source>Conversion Settings</source>
        <translation>Configurações de conversão</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Set output files</source>
        <translation>Escolher a pasta de saída</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Open output files</source>
        <translation>Abrir a pasta de saída</translation>
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
        <translation>Fechar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>List note</source>
        <translation>Nota da lista</translation>
    </message>
    <message>
        <source>Save list</source>
        <translation>Salvar lista</translation>
    </message>
    <message>
        <source>The list could not be saved in %1: %2.</source>
        <translation>Não foi possível salvar a lista em %1: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>Não é possível abrir %1: %2.</translation>
    </message>
    <message>
        <source>Restored the list of 1 file</source>
        <translation>A lista de 1 arquivo foi restaurada</translation>
    </message>
    <message>
        <source>Restored the list of %1 files</source>
        <translation>A lista de %1 arquivos foi restaurada</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Pasta de saída</translation>
    </message>
    <message>
        <source>Files at once</source>
        <translation>Arquivos ao mesmo tempo</translation>
    </message>
    <message>
        <source>How many files Convert works on at once (1 to %1); a merge is always one file. With fewer files left, a recording of more than two minutes to MP3, FLAC or WAV is encoded in segments on the spare cores and joined</source>
        <translation>Quantos arquivos Converter processa ao mesmo tempo (de 1 a %1); uma junção é sempre um arquivo. Quando restam menos arquivos, uma gravação de mais de dois minutos para MP3, FLAC ou WAV é codificada em segmentos nos núcleos livres e depois unida</translation>
    </message>
    <message>
        <source>Please add video files!</source>
        <translation>Adicione arquivos de vídeo!</translation>
    </message>
    <message>
        <source>Merge is effective when two or more files are chosen!</source>
        <translation>Juntar exige pelo menos dois arquivos selecionados!</translation>
    </message>
    <message>
        <source>Please select at least one task to convert!</source>
        <translation>Selecione pelo menos uma tarefa para converter!</translation>
    </message>
    <message>
        <source>A run holds at most %1 files.</source>
        <translation>Uma conversão comporta no máximo %1 arquivos.</translation>
    </message>
    <message>
        <source>These settings cannot be converted: %1</source>
        <translation>Não é possível converter com estas configurações: %1</translation>
    </message>
    <message>
        <source>The original sound is copied as it is: it cannot be brought to a loudness. Choose a format to convert to, or set Loudness to &quot;As recorded&quot; in Setting.</source>
        <translation>O som original é copiado como está: não é possível ajustar sua intensidade. Escolha um formato de conversão ou defina a intensidade como &quot;Como gravado&quot; em Configurações.</translation>
    </message>
    <message>
        <source>These choices cannot go together: %1.</source>
        <translation>Estas opções não combinam: %1.</translation>
    </message>
    <message>
        <source>Row %1 (%2): %3</source>
        <translation>Linha %1 (%2): %3</translation>
    </message>
    <message>
        <source>These rows cannot be converted:</source>
        <translation>Estas linhas não podem ser convertidas:</translation>
    </message>
    <message>
        <source>These files cannot be merged without re-encoding: row %1 (%2) has %3.

Choose another format to merge them.</source>
        <translation>Estes arquivos não podem ser juntados sem recodificação: a linha %1 (%2) tem %3.

Escolha outro formato para juntá-los.</translation>
    </message>
    <message>
        <source>Tolvane: the run was stopped</source>
        <translation>Tolvane: a conversão foi interrompida</translation>
    </message>
    <message>
        <source>Tolvane: the run is over</source>
        <translation>Tolvane: a conversão terminou</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>Stopped at %1</source>
        <translation>Parado em %1</translation>
    </message>
    <message>
        <source>Stopped at %1 of %2; the part so far is in %3</source>
        <translation>Parado em %1 de %2; a parte convertida está em %3</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Arquivos</translation>
    </message>
    <message>
        <source>Source file</source>
        <translation>Arquivo de origem</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Formato de saída</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Situação</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Part %1</source>
        <translation>Parte %1</translation>
    </message>
    <message>
        <source>Checking %1 of %2…</source>
        <translation>Verificando %1 de %2…</translation>
    </message>
    <message>
        <source>Add Files..</source>
        <translation>Adicionar arquivos…</translation>
    </message>
    <message>
        <source>Open list…</source>
        <translation>Abrir lista…</translation>
    </message>
    <message>
        <source>Save list…</source>
        <translation>Salvar lista…</translation>
    </message>
    <message>
        <source>Clip...</source>
        <translation>Recortar…</translation>
    </message>
    <message>
        <source>File Information...</source>
        <translation>Informações do arquivo…</translation>
    </message>
    <message>
        <source>Split by chapters</source>
        <translation>Dividir por capítulos</translation>
    </message>
    <message>
        <source>Split at times…</source>
        <translation>Dividir em instantes…</translation>
    </message>
    <message>
        <source>Split at silences…</source>
        <translation>Dividir nos silêncios…</translation>
    </message>
    <message>
        <source>Sound track</source>
        <translation>Faixa de áudio</translation>
    </message>
    <message>
        <source>Chapters left out:</source>
        <translation>Capítulos ignorados:</translation>
    </message>
    <message>
        <source>Tolvane lists (*.tolvane-job)</source>
        <translation>Listas do Tolvane (*.tolvane-job)</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Falha</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source> Ready</source>
        <translation> Pronto</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Convertendo…</translation>
    </message>
    <message>
        <source>File:%1 is invalid!</source>
        <translation>Arquivo:%1 é inválido!</translation>
    </message>
    <message>
        <source>File:%1 is not a regular file!</source>
        <translation>Arquivo:%1 não é um arquivo comum!</translation>
    </message>
    <message>
        <source>File:%1 has no sound track!</source>
        <translation>Arquivo:%1 não tem faixa de áudio!</translation>
    </message>
    <message>
        <source>File:%1 invalid!</source>
        <translation>Arquivo:%1 inválido!</translation>
    </message>
    <message>
        <source>%1   %2% has completed</source>
        <translation>%1   %2% concluído</translation>
    </message>
    <message>
        <source>%1 Task Completed / Total %2 Task(s)</source>
        <translation>%1 tarefa(s) concluída(s) / Total %2 tarefa(s)</translation>
    </message>
    <message>
        <source>The stopped run is still closing its file: try again in a moment.</source>
        <translation>A execução interrompida ainda está fechando seu arquivo: tente novamente em um instante.</translation>
    </message>
</context>
<context>
    <name>CClipDialog</name>
    <message>
        <source>Cut time: %1</source>
        <translation>Duração: %1</translation>
    </message>
    <message>
        <source>Show pauses</source>
        <translation>Mostrar as pausas</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Prévia</translation>
    </message>
    <message>
        <source>Sound of the whole file</source>
        <translation>Som do arquivo inteiro</translation>
    </message>
    <message>
        <source>Loud and quiet parts, the pauses, the chapters and the clip; a click plays from there</source>
        <translation>Trechos altos e baixos, pausas, capítulos e recorte; um clique reproduz a partir dali</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>00:00:00</source>
        <translation>00:00:00</translation>
    </message>
    <message>
        <source>Trim silence at the ends</source>
        <translation>Cortar o silêncio nas pontas</translation>
    </message>
    <message>
        <source>Begin and end at the first and last sound, with a margin around it</source>
        <translation>Começar e terminar no primeiro e no último som, com uma margem</translation>
    </message>
    <message>
        <source>Playing position</source>
        <translation>Posição da reprodução</translation>
    </message>
    <message>
        <source>The clip begins where it ends (%1), so it holds no sound. Set another begin or end time, or Reset.</source>
        <translation>O recorte começa onde termina (%1), então não contém som. Defina outro início ou fim, ou redefina.</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Cut time</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>&amp;Set Begin Time</source>
        <translation>Definir &amp;início</translation>
    </message>
    <message>
        <source>Set Begin Time</source>
        <translation>Definir início</translation>
    </message>
    <message>
        <source>&amp;Set End Time</source>
        <translation>Definir &amp;fim</translation>
    </message>
    <message>
        <source>Set End Time</source>
        <translation>Definir fim</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Redefinir</translation>
    </message>
    <message>
        <source>Reset Time</source>
        <translation>Redefinir tempos</translation>
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
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The sound cannot be read: %1</source>
        <translation>Não é possível ler o som: %1</translation>
    </message>
    <message>
        <source>Type a time: HH:MM:SS, to the millisecond as HH:MM:SS.mmm</source>
        <translation>Digite um tempo: HH:MM:SS, ao milissegundo como HH:MM:SS.mmm</translation>
    </message>
</context>
<context>
    <name>CFileInfomation</name>
    <message>
        <source>measuring…</source>
        <translation>medindo…</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>não medido</translation>
    </message>
    <message>
        <source>silent</source>
        <translation>silencioso</translation>
    </message>
    <message>
        <source>%1 LUFS · peak %2 dBTP</source>
        <translation>%1 LUFS · pico %2 dBTP</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>Informações do arquivo</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Nome do arquivo:</translation>
    </message>
    <message>
        <source>Media Length:</source>
        <translation>Duração:</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Resolução:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Taxa de quadros:</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Taxa de bits:</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Áudio</translation>
    </message>
    <message>
        <source>Samples:</source>
        <translation>Amostragem:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Canais:</translation>
    </message>
    <message>
        <source>Sound Track:</source>
        <translation>Faixa de áudio:</translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation>Capítulos:</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Intensidade</translation>
    </message>
    <message>
        <source>Measure loudness</source>
        <translation>Medir a intensidade</translation>
    </message>
    <message>
        <source>Reads the whole sound track and measures it (EBU R128)</source>
        <translation>Lê a faixa de áudio inteira e a mede (EBU R128)</translation>
    </message>
    <message>
        <source>Loudness:</source>
        <translation>Intensidade:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Não foi possível abrir o link:

</translation>
    </message>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>O sistema operacional está sem
memória ou recursos.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>O arquivo indicado não foi encontrado.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>O caminho indicado não foi encontrado.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>O sistema operacional negou
o acesso ao arquivo indicado.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Não havia memória suficiente para concluir a operação.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>O arquivo .EXE é inválido
(não é um .EXE Win32 ou a imagem .EXE tem erro).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Ocorreu uma violação de compartilhamento. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>A associação do arquivo está
incompleta ou é inválida.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>A transação DDE não pôde ser
concluída porque a solicitação expirou.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>A transação DDE falhou.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>A transação DDE não pôde ser
concluída porque outras transações DDE
estavam em andamento.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Não há nenhum aplicativo associado
a esta extensão de arquivo.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>A biblioteca indicada não foi encontrada.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Ocorreu um erro desconhecido (%1).</translation>
    </message>
</context>
<context>
    <name>CSettings</name>
    <message>
        <source>Centre level in a fold-down</source>
        <translation>Nível do centro na mixagem reduzida</translation>
    </message>
    <message>
        <source>How loud the centre channel (a film&apos;s dialogue) is when 5.1 sound is folded down to stereo or mono; -3 dB is the usual</source>
        <translation>O volume do canal central (o diálogo de um filme) quando o som 5.1 é reduzido a estéreo ou mono; -3 dB é o usual</translation>
    </message>
    <message>
        <source> dB</source>
        <translation> dB</translation>
    </message>
    <message>
        <source>Centre level:</source>
        <translation>Nível do centro:</translation>
    </message>
    <message>
        <source>As recorded</source>
        <translation>Como gravado</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Audição</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>Andamento</translation>
    </message>
    <message>
        <source>Faster or slower, the voices at their own pitch</source>
        <translation>Mais rápido ou mais lento, as vozes no próprio tom</translation>
    </message>
    <message>
        <source>%1×</source>
        <translation>%1×</translation>
    </message>
    <message>
        <source>Tempo:</source>
        <translation>Andamento:</translation>
    </message>
    <message>
        <source>Night mode</source>
        <translation>Modo noturno</translation>
    </message>
    <message>
        <source>Loud passages quieter and quiet ones louder, for listening at a low volume; no peak above -1 dBTP</source>
        <translation>Trechos altos mais baixos e baixos mais altos, para ouvir em volume baixo; nenhum pico acima de -1 dBTP</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Fade in:</source>
        <translation>Fade de entrada:</translation>
    </message>
    <message>
        <source>Fade in</source>
        <translation>Fade de entrada</translation>
    </message>
    <message>
        <source>Each file (a merge: its start) fades in from silence over these seconds</source>
        <translation>Cada arquivo (uma junção: seu início) surge do silêncio nesses segundos</translation>
    </message>
    <message>
        <source>Fade out:</source>
        <translation>Fade de saída:</translation>
    </message>
    <message>
        <source>Fade out</source>
        <translation>Fade de saída</translation>
    </message>
    <message>
        <source>Each file (a merge: its end) fades out to silence over these seconds</source>
        <translation>Cada arquivo (uma junção: seu fim) some no silêncio nesses segundos</translation>
    </message>
    <message>
        <source>Crossfade:</source>
        <translation>Crossfade:</translation>
    </message>
    <message>
        <source>Crossfade between merged files</source>
        <translation>Crossfade entre arquivos juntados</translation>
    </message>
    <message>
        <source>Merge joins its files with a crossfade of these seconds instead of one after the other</source>
        <translation>Juntar liga seus arquivos com um crossfade desses segundos em vez de um após o outro</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Format Preset:</source>
        <translation>Predefinição de formato:</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Áudio</translation>
    </message>
    <message>
        <source>Encoder:</source>
        <translation>Codificador:</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Taxa de bits:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Taxa de amostragem:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Canais:</translation>
    </message>
    <message>
        <source>Loudness:</source>
        <translation>Intensidade:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Default setting</source>
        <translation>Configuração padrão</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Each file is measured first (EBU R128) and brought to this loudness with one gain; peaks above -1 dBTP are limited</source>
        <translation>Cada arquivo é medido primeiro (EBU R128) e levado a esta intensidade com um único ganho; picos acima de -1 dBTP são limitados</translation>
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
        <translation>Desligamento</translation>
    </message>
    <message>
        <source>Shut down now</source>
        <translation>Desligar agora</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The conversion is complete. The computer shuts down in 1 second.</source>
        <translation>A conversão foi concluída. O computador será desligado em 1 segundo.</translation>
    </message>
    <message>
        <source>The conversion is complete. The computer shuts down in %1 seconds.</source>
        <translation>A conversão foi concluída. O computador será desligado em %1 segundos.</translation>
    </message>
</context>
<context>
    <name>CSilenceDialog</name>
    <message>
        <source>Split at silences</source>
        <translation>Dividir nos silêncios</translation>
    </message>
    <message>
        <source>A part for each stretch of sound, cut in the middle of the pauses:</source>
        <translation>Uma parte para cada trecho com som, cortada no meio das pausas:</translation>
    </message>
    <message>
        <source>Pause level</source>
        <translation>Nível de pausa</translation>
    </message>
    <message>
        <source>Sound under this level counts as silence</source>
        <translation>Som abaixo deste nível conta como silêncio</translation>
    </message>
    <message>
        <source>Shortest pause</source>
        <translation>Pausa mais curta</translation>
    </message>
    <message>
        <source>A pause lasts at least this long; shorter ones are breaths</source>
        <translation>Uma pausa dura pelo menos isto; as mais curtas são respirações</translation>
    </message>
    <message>
        <source>Quieter than:</source>
        <translation>Mais baixo que:</translation>
    </message>
    <message>
        <source>For at least:</source>
        <translation>Por pelo menos:</translation>
    </message>
    <message>
        <source>Finding the pauses… %1 %</source>
        <translation>Procurando as pausas… %1 %</translation>
    </message>
    <message>
        <source>The sound cannot be read: %1</source>
        <translation>Não é possível ler o som: %1</translation>
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
        <translation>Dividir em instantes</translation>
    </message>
    <message>
        <source>Paste the times of the parts, a line each, as video descriptions give them
(&quot;00:00 Overture&quot;, &quot;Second Song - 17:24&quot;), or a CUE sheet:</source>
        <translation>Cole os instantes das partes, um por linha, como nas descrições de vídeos
(&quot;00:00 Abertura&quot;, &quot;Segunda música - 17:24&quot;), ou uma folha CUE:</translation>
    </message>
    <message>
        <source>Times of the parts</source>
        <translation>Instantes das partes</translation>
    </message>
    <message>
        <source>Left out: </source>
        <translation>Ignorado: </translation>
    </message>
    <message>
        <source>No part yet.</source>
        <translation>Nenhuma parte ainda.</translation>
    </message>
</context>
<context>
    <name>LoudnessChoice</name>
    <message>
        <source>As recorded</source>
        <translation>Como gravado</translation>
    </message>
    <message>
        <source>-14 LUFS (music streaming)</source>
        <translation>-14 LUFS (streaming de música)</translation>
    </message>
    <message>
        <source>-16 LUFS (spoken word, podcasts)</source>
        <translation>-16 LUFS (fala, podcasts)</translation>
    </message>
    <message>
        <source>-18 LUFS</source>
        <translation>-18 LUFS</translation>
    </message>
    <message>
        <source>-23 LUFS (EBU broadcast)</source>
        <translation>-23 LUFS (radiodifusão EBU)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>split at the chapters, at a list of times, at the pauses or every so many minutes: one of them</source>
        <translation>dividir nos capítulos, por uma lista de tempos, nas pausas ou a cada tantos minutos: apenas uma delas</translation>
    </message>
    <message>
        <source>the parts of a split are back to back: --trim-silence trims whole files</source>
        <translation>as partes de uma divisão ficam coladas: --trim-silence apara arquivos inteiros</translation>
    </message>
    <message>
        <source>--trim-silence finds the clip itself; -s and -t do not go with it</source>
        <translation>--trim-silence encontra o trecho sozinho; -s e -t não combinam com ele</translation>
    </message>
    <message>
        <source>--opus-application goes with Opus (-f opus)</source>
        <translation>--opus-application vale apenas para Opus (-f opus)</translation>
    </message>
    <message>
        <source>a merge makes one file: it cannot be run in slices</source>
        <translation>uma junção gera um único arquivo: não pode ser executada em fatias</translation>
    </message>
    <message>
        <source>no file to convert</source>
        <translation>nenhum arquivo para converter</translation>
    </message>
    <message>
        <source>a merge needs two or more files</source>
        <translation>uma junção precisa de dois ou mais arquivos</translation>
    </message>
    <message>
        <source>no row is chosen to convert</source>
        <translation>nenhuma linha foi escolhida para converter</translation>
    </message>
    <message>
        <source>cannot read the mixed sound tracks</source>
        <translation>não é possível ler as faixas de áudio mixadas</translation>
    </message>
    <message>
        <source>cannot mix the sound tracks</source>
        <translation>não é possível mixar as faixas de áudio</translation>
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
        <translation>  -a N+M...             mixar essas faixas de som em uma saída, alinhadas à amostra (uma faixa
                        que termina antes é silêncio depois); onde a soma saturaria, um
                        limitador a abaixa e o status diz
      --track-gain N=DB o ganho de uma faixa mixada (-40 a +20 dB, como 2=+6); repetível
      --voice N[=LU]    a faixa N é a voz: as outras ficam LU (padrão 10) abaixo da loudness
                        dela, ambas medidas pela EBU R128
      --duck[=DB]       abaixar as outras em DB (padrão 9) enquanto a voz fala
</translation>
    </message>
    <message>
        <source>a mix takes two sound tracks or more, each once, as 1+2</source>
        <translation>uma mixagem leva duas faixas de som ou mais, cada uma uma vez, como 1+2</translation>
    </message>
    <message>
        <source>a track&apos;s gain is from -40 to +20 dB</source>
        <translation>o ganho de uma faixa vai de -40 a +20 dB</translation>
    </message>
    <message>
        <source>the voice is one of the mixed sound tracks</source>
        <translation>a voz é uma das faixas de som mixadas</translation>
    </message>
    <message>
        <source>the voice&apos;s lead and the ducking are from 0 to 40 dB</source>
        <translation>a vantagem da voz e o ducking vão de 0 a 40 dB</translation>
    </message>
    <message>
        <source>ducking lowers the others while the voice speaks: it needs a voice</source>
        <translation>o ducking abaixa as outras enquanto a voz fala: precisa de uma voz</translation>
    </message>
    <message>
        <source>cannot convert the sound track</source>
        <translation>não é possível converter a faixa de som</translation>
    </message>
    <message>
        <source>a mix of sound tracks is an encode: a copy keeps one track as it is (choose a format to convert to)</source>
        <translation>uma mixagem de faixas de som é uma codificação: uma cópia mantém uma faixa como está (escolha um formato para converter)</translation>
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
        <translation>      --pick-channel NOME
                        um só canal da faixa de som, como arquivo mono: FL, FR, FC, LFE, BL,
                        BR, SL, SR... como o layout de --info os nomeia, ou seu número
      --split-channels  cada canal da faixa de som em um arquivo mono próprio, chamado
                        &quot;NOME.FL.ext&quot;, &quot;NOME.FR.ext&quot;...
      --center-mix DB   o nível do canal central quando uma faixa é reduzida a menos
                        canais (-c 2 ou -c 1 de 5.1): -12 a +6 dB (padrão -3)
</translation>
    </message>
    <message>
        <source>a channel alone is an encode: a copy keeps every channel (choose a format to convert to)</source>
        <translation>um canal sozinho é uma codificação: uma cópia mantém todos os canais (escolha um formato para converter)</translation>
    </message>
    <message>
        <source>a channel alone writes a file of its own; it does not go with a merge</source>
        <translation>um canal sozinho grava um arquivo próprio; não combina com uma junção</translation>
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
        <translation>      --tempo X         X vezes mais rápido (0.5 a 4; 1.25, 1.5, 2), as vozes no próprio tom;
                        os capítulos seguem a nova linha do tempo, -s, -t e as divisões ficam
                        no tempo da fonte
      --night           modo noturno: trechos altos mais baixos e baixos mais altos (a faixa
                        de loudness ao menos pela metade), nenhum pico acima de -1 dBTP; com
                        --normalize a loudness é medida depois dele
      --fade-in S, --fade-out S
                        cada saída (cada trecho, cada parte; uma junção nas pontas) surge do
                        silêncio ou some nele em S segundos (0 a 60)
      --crossfade S     com --merge: cada arquivo se liga ao anterior com um crossfade de S
                        segundos (0 a 30), seu capítulo começando no meio dele
</translation>
    </message>
    <message>
        <source>the tempo is from 0.5 to 4 times the speed</source>
        <translation>o andamento vai de 0.5 a 4 vezes a velocidade</translation>
    </message>
    <message>
        <source>a fade lasts from 0 to 60 seconds</source>
        <translation>um fade dura de 0 a 60 segundos</translation>
    </message>
    <message>
        <source>a crossfade lasts from 0 to 30 seconds</source>
        <translation>um crossfade dura de 0 a 30 segundos</translation>
    </message>
    <message>
        <source>tempo, night mode and fades change the sound: a copy keeps it as it is (choose a format to convert to)</source>
        <translation>andamento, modo noturno e fades mudam o som: uma cópia o mantém como está (escolha um formato para converter)</translation>
    </message>
    <message>
        <source>the tempo changes the sound alone: the pictures of a video output would no longer match it</source>
        <translation>o andamento muda apenas o som: as imagens de uma saída de vídeo deixariam de coincidir</translation>
    </message>
    <message>
        <source>a crossfade joins the files of a merge: it needs a merge</source>
        <translation>um crossfade liga os arquivos de uma junção: ele precisa de uma junção</translation>
    </message>
    <message>
        <source>%1 made, %2 missing, %3 failed</source>
        <translation>%1 feitos, %2 faltando, %3 com falha</translation>
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
        <translation>Uso: tolvane-cli [opções] ARQUIVO...
     tolvane-cli [opções] --job ARQUIVO
Extrai a faixa de som de arquivos de vídeo para arquivos de áudio.

  -o, --output PASTA    pasta de saída (padrão: a pasta atual; criada se não existir)
  -f, --format NOME     mp3 | wav | wma | ogg | opus, ou a extensão de uma predefinição de
                        áudio (aac, ac3, aiff, au, m4a, mp2, ra, flac); padrão mp3;
                        &quot;copy&quot; (ou &quot;original&quot;): a faixa de som como está, sem recodificar,
                        num arquivo nomeado pelo seu codec (.m4a, .mp3, .ac3, .ogg, .opus,
                        .flac, .wav, ... .mka); trechos com precisão de pacote
  -e, --encoder NOME    codificador de áudio desta compilação:%1
  -b, --bitrate TAXA    bits por segundo; &quot;128k&quot; e &quot;128000&quot; funcionam
  -r, --rate HZ         taxa de amostragem
  -c, --channels N      1, 2 ou 6
      --opus-application voip|audio
                        para que o Opus é ajustado: voz ou música (padrão: o do libopus,
                        música); o Opus é codificado a 48000 Hz, de 6 a 510 kbps (padrão
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
        <translation>  -s, --start TEMPO     início do trecho de cada arquivo (HH:MM:SS ou segundos)
  -t, --end TEMPO       fim do trecho de cada arquivo (padrão: a duração de cada arquivo)
  -a, --audio-track N   a N-ésima faixa de som de cada arquivo, como --info as lista
                        (padrão: a última); &quot;all&quot;: um arquivo por faixa, &quot;nome.N.ext&quot;
                        (&quot;nome.N.IDIOMA.ext&quot; quando a faixa tem idioma)
      --cover-from-video[=TEMPO]
                        uma fonte sem capa dá às saídas MP3, M4A e FLAC uma imagem do seu
                        vídeo (padrão: a 10 % da sua duração)
  -m, --merge           juntar todos os arquivos, em ordem, numa saída com o nome do
                        primeiro; cada arquivo vira um capítulo dela
      --split-chapters  um arquivo por capítulo: &quot;NOME - 01 - Título.mp3&quot;, com as tags do
                        título do capítulo, seu número e a gravação como álbum
      --split-silence[=DB,SEGUNDOS]
                        um arquivo por trecho de som: corte no meio de cada pausa de pelo
                        menos SEGUNDOS abaixo de DB dBFS (padrão -50,1.5); pedaços com menos
                        de um segundo de som juntam-se ao vizinho
      --split-every DURAÇÃO
                        arquivos de cerca de DURAÇÃO cada (30:00, 1800): cada corte na pausa
                        mais próxima do tempo dentro de 15 %, sem pausa no tempo exato
      --trim-silence[=SEGUNDOS]
                        omitir o silêncio (abaixo de -50 dBFS) nas duas pontas de cada
                        arquivo, mantendo SEGUNDOS (padrão 0.3) fora do primeiro e do último som
      --split-at ARQUIVO
                        um arquivo por parte que ARQUIVO nomeia (- para a entrada padrão):
                        uma linha &quot;[H:]MM:SS[.mmm] Título&quot;, &quot;Título - MM:SS&quot; ou
                        &quot;MM:SS - Título&quot; cada, ou uma folha CUE; uma parte vai até a
                        próxima, a última até o fim
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
        <translation>  -j, --jobs N          converter N arquivos ao mesmo tempo (padrão: um por núcleo; uma junção
                        é um arquivo); as faixas livres codificam um som longo em segmentos: MP3,
                        WAV, WMA, Opus, OGG Vorbis, FLAC e as predefinições PCM
      --skip-existing   omitir um arquivo cujo nome de saída já existe, para que uma execução
                        reiniciada faça só o que falta; entradas que escreveriam o mesmo nome
                        são recusadas (veja --keep-folders)
      --keep-folders    reproduzir as pastas das entradas, relativas à pasta que têm em
                        comum, dentro da pasta de saída
      --json            um objeto JSON por arquivo concluído na saída padrão, em vez das
                        linhas de status
      --info            mostrar as informações de mídia e as faixas de som de cada arquivo e
                        sair
      --normalize[=LUFS]
                        medir antes cada arquivo (cada arquivo juntado) e levá-lo a esta
                        sonoridade (padrão -16 LUFS; -14, -18, -23 são comuns), com um só
                        ganho, picos acima do teto de pico real limitados; com -f copy, só
                        faixas Opus, pelo ganho do cabeçalho (sem mudar nenhum pacote)
      --true-peak DB    o teto de --normalize (padrão -1 dBTP)
      --replaygain[=track|album]
                        deixar o som como está e marcar cada saída com seu ganho e pico
                        ReplayGain 2.0 (MP3, OGG, FLAC, WMA, M4A; também cópias; o Opus
                        recebe seus ganhos R128, relativos a -23 LUFS); album: também o
                        ganho de todas as saídas da execução juntas
      --loudness        com --info: a sonoridade da faixa de som escolhida (-a; todas com
                        -a all) pela EBU R128: LUFS, faixa de sonoridade e pico real
      --write-job ARQUIVO
                        escrever em ARQUIVO o trabalho que estas opções e arquivos descrevem
                        (um &quot;.tolvane-job&quot;, como o &quot;Salvar lista&quot; da janela escreve) e não
                        converter nada
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
        <translation>      --job ARQUIVO     executar o trabalho de ARQUIVO; toda opção da execução dada junto
                        vale sobre as dele (-e, -b, -r, -c refinam o formato)
      --slice K/N       só as linhas do trabalho cujo índice módulo N é K-1: N máquinas com
                        um trabalho e uma pasta de saída compartilhada fazem cada arquivo
                        uma vez
      --slice auto[/N]  K e N do agendador: um array de jobs do Slurm, um Job indexado do
                        Kubernetes ou o GNU parallel (estes dois com N dado)
      --check           com --job: cada linha da fatia como Made, Missing ou Failed; sai
                        com 1 enquanto alguma faltar ou tiver falhado
</translation>
    </message>
    <message>
        <source>  -q, --quiet           no progress display, and nothing from the media libraries: only
                        the status lines and failures
  -h, --help            this help
      --version         the version

</source>
        <translation>  -q, --quiet           sem indicador de progresso e nada das bibliotecas de mídia: só as
                        linhas de status e as falhas
  -h, --help            esta ajuda
      --version         a versão

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
        <translation>Um arquivo existente nunca é sobrescrito: &quot;nome(0).ext&quot;, &quot;nome(1).ext&quot;... são usados no lugar.
As linhas de status chegam conforme os arquivos terminam: &quot;Completed&quot;, &quot;Failure&quot;, &quot;Stopped&quot; ou
&quot;Skipped&quot;, o arquivo e o que foi escrito; uma falha traz o motivo. As saídas são escritas como
arquivos ocultos &quot;.NOME.*.tolvane-part&quot; e só recebem o nome quando completas, então uma execução
encerrada à força não deixa arquivo que pareça pronto (a próxima nessa pasta remove o que ela
deixou, e nada mais). Com --skip-existing, um arquivo cortado por uma interrupção é removido,
para que a próxima execução o faça inteiro.
Código de saída: 0 todos os arquivos convertidos (ou omitidos), 1 um arquivo falhou ou a
execução foi interrompida, 2 uso incorreto.
</translation>
    </message>
    <message>
        <source>tolvane-cli: %1
Try &apos;tolvane-cli --help&apos;.</source>
        <translation>tolvane-cli: %1
Tente &apos;tolvane-cli --help&apos;.</translation>
    </message>
    <message>
        <source>Converting %1/%2: %3</source>
        <translation>Convertendo %1/%2: %3</translation>
    </message>
    <message>
        <source>[%1/%2] %3  elapsed %4  left %5</source>
        <translation>[%1/%2] %3  decorrido %4  restante %5</translation>
    </message>
    <message>
        <source>File:%1 is invalid!</source>
        <translation>Arquivo:%1 é inválido!</translation>
    </message>
    <message>
        <source>File:%1 is refused: %2</source>
        <translation>Arquivo:%1 foi recusado: %2</translation>
    </message>
    <message>
        <source>File:%1: %2</source>
        <translation>Arquivo:%1: %2</translation>
    </message>
    <message>
        <source>File:%1: %2 (left out)</source>
        <translation>Arquivo:%1: %2 (omitido)</translation>
    </message>
    <message>
        <source>File:%1: the list names no part</source>
        <translation>Arquivo:%1: a lista não nomeia nenhuma parte</translation>
    </message>
    <message>
        <source>File:%1 has no chapters: it is converted whole</source>
        <translation>Arquivo:%1 não tem capítulos: é convertido inteiro</translation>
    </message>
    <message>
        <source>Stopping: a file cut short is removed, so that the next run makes it whole</source>
        <translation>Parando: um arquivo cortado é removido, para que a próxima execução o faça inteiro</translation>
    </message>
    <message>
        <source>Stopping: closing the current file; it holds what was converted so far</source>
        <translation>Parando: fechando o arquivo atual; ele contém o que foi convertido até agora</translation>
    </message>
    <message>
        <source>tolvane-cli: cannot run the job %1: %2</source>
        <translation>tolvane-cli: não é possível executar o trabalho %1: %2</translation>
    </message>
    <message>
        <source>tolvane-cli: cannot read the list of times %1</source>
        <translation>tolvane-cli: não é possível ler a lista de tempos %1</translation>
    </message>
    <message>
        <source>tolvane-cli: %1: %2</source>
        <translation>tolvane-cli: %1: %2</translation>
    </message>
    <message>
        <source>tolvane-cli: cannot write the job %1: %2</source>
        <translation>tolvane-cli: não é possível escrever o trabalho %1: %2</translation>
    </message>
    <message>
        <source>Wrote the job of %1 rows to %2</source>
        <translation>Trabalho de %1 linhas escrito em %2</translation>
    </message>
    <message>
        <source>The folder that you selected does not exit.Please specify a different folder!</source>
        <translation>A pasta selecionada não existe. Indique outra pasta!</translation>
    </message>
    <message>
        <source>The output folder name is invalid!</source>
        <translation>O nome da pasta de saída é inválido!</translation>
    </message>
    <message>
        <source>Please select output folder:</source>
        <translation>Selecione a pasta de saída:</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>it is not a regular file (a pipe, socket or device)</source>
        <translation>não é um arquivo comum (um pipe, um socket ou um dispositivo)</translation>
    </message>
    <message>
        <source>at least %1 s under %2 dBFS</source>
        <translation>pelo menos %1 s abaixo de %2 dBFS</translation>
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
        <translation>silêncio do começo ao fim (abaixo de %1 dBFS): o arquivo fica inteiro</translation>
    </message>
    <message>
        <source>no pause of %1 between two sounds: the file stays whole</source>
        <translation>nenhuma pausa de %1 entre dois sons: o arquivo fica inteiro</translation>
    </message>
    <message>
        <source>%1 at pauses of %2</source>
        <translation>%1 nas pausas de %2</translation>
    </message>
    <message>
        <source>not longer than %1: the file stays whole</source>
        <translation>não mais longo que %1: o arquivo fica inteiro</translation>
    </message>
    <message>
        <source>%1 of about %2: %3</source>
        <translation>%1 de cerca de %2: %3</translation>
    </message>
    <message>
        <source>%1 of 1 cut in a pause</source>
        <translation>%1 de 1 corte numa pausa</translation>
    </message>
    <message>
        <source>%1 of %2 cuts in a pause, the others at the exact time (no pause near them)</source>
        <translation>%1 de %2 cortes numa pausa, os outros no tempo exato (nenhuma pausa perto)</translation>
    </message>
    <message>
        <source>%1 of %2 cuts in a pause</source>
        <translation>%1 de %2 cortes numa pausa</translation>
    </message>
    <message>
        <source>silent throughout (under %1 dBFS): nothing was trimmed</source>
        <translation>silêncio do começo ao fim (abaixo de %1 dBFS): nada foi aparado</translation>
    </message>
    <message>
        <source>trimmed to the sound from %1 to %2</source>
        <translation>aparado ao som de %1 a %2</translation>
    </message>
    <message>
        <source>no silence at the ends: nothing was trimmed</source>
        <translation>nenhum silêncio nas pontas: nada foi aparado</translation>
    </message>
    <message>
        <source>the sound before %1 (the first time) is in no part</source>
        <translation>o som antes de %1 (o primeiro tempo) não está em nenhuma parte</translation>
    </message>
    <message>
        <source>%1: %2 is past the end (%3)</source>
        <translation>%1: %2 está depois do fim (%3)</translation>
    </message>
    <message>
        <source>%1: %2 is not after %3</source>
        <translation>%1: %2 não está depois de %3</translation>
    </message>
    <message>
        <source>chapter %1</source>
        <translation>capítulo %1</translation>
    </message>
    <message>
        <source>%1: starts past the end (%2 of %3)</source>
        <translation>%1: começa depois do fim (%2 de %3)</translation>
    </message>
    <message>
        <source>%1: overlaps the chapter before (%2)</source>
        <translation>%1: sobrepõe-se ao capítulo anterior (%2)</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>linha %1</translation>
    </message>
    <message>
        <source>%1: no time in &quot;%2&quot;</source>
        <translation>%1: nenhum tempo em &quot;%2&quot;</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>parado</translation>
    </message>
    <message>
        <source>no sound to measure</source>
        <translation>nenhum som para medir</translation>
    </message>
    <message>
        <source>the written sound cannot be decoded</source>
        <translation>o som escrito não pode ser decodificado</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>the written sound cannot be measured</source>
        <translation>o som escrito não pode ser medido</translation>
    </message>
    <message>
        <source>no sound to read</source>
        <translation>nenhum som para ler</translation>
    </message>
    <message>
        <source>the task has no output path</source>
        <translation>a tarefa não tem caminho de saída</translation>
    </message>
    <message>
        <source>cannot add the chapters</source>
        <translation>não é possível adicionar os capítulos</translation>
    </message>
    <message>
        <source>cannot read the source</source>
        <translation>não é possível ler a fonte</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memória insuficiente</translation>
    </message>
    <message>
        <source>the source has no such sound track</source>
        <translation>a fonte não tem essa faixa de som</translation>
    </message>
    <message>
        <source>cannot open the video decoder</source>
        <translation>não é possível abrir o decodificador de vídeo</translation>
    </message>
    <message>
        <source>cannot open the audio decoder</source>
        <translation>não é possível abrir o decodificador de áudio</translation>
    </message>
    <message>
        <source>no output format for the output name</source>
        <translation>nenhum formato de saída para o nome de saída</translation>
    </message>
    <message>
        <source>cannot allocate the output</source>
        <translation>não é possível alocar a saída</translation>
    </message>
    <message>
        <source>cannot open the video encoder</source>
        <translation>não é possível abrir o codificador de vídeo</translation>
    </message>
    <message>
        <source>cannot add the video stream</source>
        <translation>não é possível adicionar o fluxo de vídeo</translation>
    </message>
    <message>
        <source>cannot open the audio encoder</source>
        <translation>não é possível abrir o codificador de áudio</translation>
    </message>
    <message>
        <source>cannot add the audio stream</source>
        <translation>não é possível adicionar o fluxo de áudio</translation>
    </message>
    <message>
        <source>nothing to write: the source has no audio</source>
        <translation>nada a escrever: a fonte não tem áudio</translation>
    </message>
    <message>
        <source>cannot encode or write the sound</source>
        <translation>não é possível codificar ou escrever o som</translation>
    </message>
    <message>
        <source>cannot encode or write the pictures</source>
        <translation>não é possível codificar ou escrever as imagens</translation>
    </message>
    <message>
        <source>cannot measure the loudness: </source>
        <translation>não é possível medir a sonoridade: </translation>
    </message>
    <message>
        <source>cannot encode or write the end of the sound</source>
        <translation>não é possível codificar ou escrever o fim do som</translation>
    </message>
    <message>
        <source>cannot encode or write the last pictures</source>
        <translation>não é possível codificar ou escrever as últimas imagens</translation>
    </message>
    <message>
        <source>-f copy keeps the original sound; -e, -b, -r and -c do not go with it</source>
        <translation>-f copy mantém o som original; -e, -b, -r e -c não combinam com ele</translation>
    </message>
    <message>
        <source>a merged copy keeps each file&apos;s sound as it is: it cannot be brought to one loudness (choose a format to convert to)</source>
        <translation>uma cópia juntada mantém o som de cada arquivo como está: não pode ser levada a uma só sonoridade (escolha um formato para converter)</translation>
    </message>
    <message>
        <source>normalising changes the sound, ReplayGain tags it: one or the other</source>
        <translation>normalizar muda o som, o ReplayGain o marca: um ou outro</translation>
    </message>
    <message>
        <source>ReplayGain tags files one by one; it does not go with a merge</source>
        <translation>o ReplayGain marca os arquivos um a um; não combina com uma junção</translation>
    </message>
    <message>
        <source>a split makes a file of each part; it does not go with a merge</source>
        <translation>uma divisão faz um arquivo por parte; não combina com uma junção</translation>
    </message>
    <message>
        <source>a merge takes every file whole; a clip start or end does not go with it</source>
        <translation>uma junção pega cada arquivo inteiro; um início ou fim de trecho não combina com ela</translation>
    </message>
    <message>
        <source>-a all writes a file per sound track; it does not go with --merge</source>
        <translation>-a all escreve um arquivo por faixa de som; não combina com --merge</translation>
    </message>
    <message>
        <source>--skip-existing works file by file; it does not go with --merge</source>
        <translation>--skip-existing trabalha arquivo por arquivo; não combina com --merge</translation>
    </message>
    <message>
        <source>a split makes a file of each part; it does not go with -s or -t</source>
        <translation>uma divisão faz um arquivo por parte; não combina com -s ou -t</translation>
    </message>
    <message>
        <source>a copy keeps the sound as it is: only an Opus track can be brought to a loudness without re-encoding (choose a format to convert to)</source>
        <translation>uma cópia mantém o som como está: só uma faixa Opus pode ser levada a uma sonoridade sem recodificar (escolha um formato para converter)</translation>
    </message>
    <message>
        <source>cannot copy the sound track&apos;s parameters</source>
        <translation>não é possível copiar os parâmetros da faixa de som</translation>
    </message>
    <message>
        <source>the sound track cannot join the merged file: </source>
        <translation>a faixa de som não pode entrar no arquivo juntado: </translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>não é possível escrever a saída</translation>
    </message>
    <message>
        <source>cannot finish the output file: </source>
        <translation>não é possível concluir o arquivo de saída: </translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>memória insuficiente</translation>
    </message>
    <message>
        <source>cannot read the output</source>
        <translation>não é possível ler a saída</translation>
    </message>
    <message>
        <source>no movie header to tag</source>
        <translation>nenhum cabeçalho de filme para marcar</translation>
    </message>
    <message>
        <source>the movie header&apos;s boxes do not read</source>
        <translation>as caixas do cabeçalho de filme não podem ser lidas</translation>
    </message>
    <message>
        <source>the movie header would grow too large</source>
        <translation>o cabeçalho de filme ficaria grande demais</translation>
    </message>
    <message>
        <source>cannot write the tags: </source>
        <translation>não é possível escrever as tags: </translation>
    </message>
    <message>
        <source>cannot read the output back</source>
        <translation>não é possível reler a saída</translation>
    </message>
    <message>
        <source>the ReplayGain tags could not be found in the header</source>
        <translation>as tags ReplayGain não foram encontradas no cabeçalho</translation>
    </message>
    <message>
        <source>cannot measure the output for its ReplayGain tags: </source>
        <translation>não é possível medir a saída para suas tags ReplayGain: </translation>
    </message>
    <message>
        <source>the R128 gain could not be written: </source>
        <translation>o ganho R128 não pôde ser escrito: </translation>
    </message>
    <message>
        <source>the ReplayGain tags could not be written: </source>
        <translation>as tags ReplayGain não puderam ser escritas: </translation>
    </message>
    <message>
        <source>not enough memory for the ReplayGain tags</source>
        <translation>memória insuficiente para as tags ReplayGain</translation>
    </message>
    <message>
        <source>not enough memory for the tags</source>
        <translation>memória insuficiente para as tags</translation>
    </message>
    <message>
        <source>Elapsed %1 · Time left %2</source>
        <translation>Decorrido %1 · Tempo restante %2</translation>
    </message>
    <message>
        <source>shorter than the clip start</source>
        <translation>mais curto que o início do trecho</translation>
    </message>
    <message>
        <source>its output would be the source itself; choose another output folder</source>
        <translation>a saída seria a própria fonte; escolha outra pasta de saída</translation>
    </message>
    <message>
        <source>tempo %1×</source>
        <translation>andamento %1×</translation>
    </message>
    <message>
        <source>night mode</source>
        <translation>modo noturno</translation>
    </message>
    <message>
        <source>fade in %1 s</source>
        <translation>fade-in %1 s</translation>
    </message>
    <message>
        <source>fade out %1 s</source>
        <translation>fade-out %1 s</translation>
    </message>
    <message>
        <source>crossfade %1 s</source>
        <translation>crossfade %1 s</translation>
    </message>
    <message>
        <source>1 sound packet did not decode and was skipped</source>
        <translation>1 pacote de som não pôde ser decodificado e foi ignorado</translation>
    </message>
    <message>
        <source>%1 sound packets did not decode and were skipped</source>
        <translation>%1 pacotes de som não puderam ser decodificados e foram ignorados</translation>
    </message>
    <message>
        <source>this format keeps no ReplayGain tags: none were written</source>
        <translation>este formato não guarda etiquetas ReplayGain: nenhuma foi gravada</translation>
    </message>
    <message>
        <source>the cover picture could not be added (%1)</source>
        <translation>não foi possível adicionar a imagem de capa (%1)</translation>
    </message>
    <message>
        <source>the sound is silent: its loudness was left as it was</source>
        <translation>o som está em silêncio: sua sonoridade ficou como estava</translation>
    </message>
    <message>
        <source>the mix was brought down where it would have clipped</source>
        <translation>a mixagem foi abaixada onde teria saturado</translation>
    </message>
    <message>
        <source>encoded in %1 segments at once</source>
        <translation>codificado em %1 segmentos ao mesmo tempo</translation>
    </message>
    <message>
        <source>mixed %1</source>
        <translation>mixado: %1</translation>
    </message>
    <message>
        <source>the gain was lowered to %1 dB to keep the true peak at %2 dBTP: the file plays at %3 LUFS</source>
        <translation>o ganho foi reduzido para %1 dB para manter o pico real em %2 dBTP: o arquivo toca a %3 LUFS</translation>
    </message>
    <message>
        <source>copied whole packets: from %1 s to %2 s of the file</source>
        <translation>pacotes inteiros copiados: de %1 s a %2 s do arquivo</translation>
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
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
</context>
<context>
    <name>RunDesktop</name>
    <message>
        <source>Converting sound</source>
        <translation>Convertendo o som</translation>
    </message>
</context>
<context>
    <name>WaveformStrip</name>
    <message>
        <source>The sound of the whole file: click to play from there</source>
        <translation>O som do arquivo inteiro: clique para reproduzir a partir dali</translation>
    </message>
    <message>
        <source>Sound of the whole file</source>
        <translation>Som do arquivo inteiro</translation>
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
        <translation>não é possível criar uma pasta temporária</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Ouvir</translation>
    </message>
    <message>
        <source>Plays a few seconds of the mix, from where the preview stands</source>
        <translation>Toca alguns segundos da mixagem a partir da posição da prévia</translation>
    </message>
    <message>
        <source>Preparing…</source>
        <translation>Preparando…</translation>
    </message>
    <message>
        <source>No preview: %1</source>
        <translation>Sem prévia: %1</translation>
    </message>
    <message>
        <source>the player cannot open the preview</source>
        <translation>o reprodutor não consegue abrir a prévia</translation>
    </message>
    <message>
        <source>Stop preview</source>
        <translation>Parar a prévia</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>Loudness</translation>
    </message>
    <message>
        <source>Loudness of track %1</source>
        <translation>Loudness da faixa %1</translation>
    </message>
    <message>
        <source>Measure loudness</source>
        <translation>Medir loudness</translation>
    </message>
    <message>
        <source>Each track&apos;s loudness by EBU R128, read in the background</source>
        <translation>A loudness de cada faixa pela EBU R128, lida em segundo plano</translation>
    </message>
    <message>
        <source>measuring…</source>
        <translation>medindo…</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>não medida</translation>
    </message>
    <message>
        <source>silent</source>
        <translation>silenciosa</translation>
    </message>
    <message>
        <source>Mix tracks</source>
        <translation>Mixar faixas</translation>
    </message>
    <message>
        <source>Sound tracks</source>
        <translation>Faixas de som</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Ganho</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>Mix track %1</source>
        <translation>Mixar a faixa %1</translation>
    </message>
    <message>
        <source>Gain of track %1</source>
        <translation>Ganho da faixa %1</translation>
    </message>
    <message>
        <source> dB</source>
        <translation> dB</translation>
    </message>
    <message>
        <source>Track %1 is the voice</source>
        <translation>A faixa %1 é a voz</translation>
    </message>
    <message>
        <source>No voice</source>
        <translation>Sem voz</translation>
    </message>
    <message>
        <source>The others under the voice</source>
        <translation>As outras abaixo da voz</translation>
    </message>
    <message>
        <source>The other tracks&apos; loudness sits this far under the voice&apos;s (EBU R128)</source>
        <translation>A loudness das outras faixas fica isso abaixo da loudness da voz (EBU R128)</translation>
    </message>
    <message>
        <source> LU</source>
        <translation> LU</translation>
    </message>
    <message>
        <source>The others under the voice:</source>
        <translation>As outras abaixo da voz:</translation>
    </message>
    <message>
        <source>Lower the others while the voice speaks</source>
        <translation>Abaixar as outras enquanto a voz fala</translation>
    </message>
    <message>
        <source>How much lower</source>
        <translation>Quanto mais baixo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>2 canais estéreo</translation>
    </message>
    <message>
        <source>2 Channel stereo</source>
        <translation>2 canais estéreo</translation>
    </message>
    <message>
        <source>5.1 Channel</source>
        <translation>5.1 canais</translation>
    </message>
    <message>
        <source>6 Channel stereo</source>
        <translation>6 canais</translation>
    </message>
</context>
<context>
    <name>FileFilters</name>
    <message>
        <source>All files</source>
        <translation>Todos os arquivos</translation>
    </message>
    <message>
        <source>All media files</source>
        <translation>Todos os arquivos de mídia</translation>
    </message>
    <message>
        <source>WebM files</source>
        <translation>Arquivos WebM</translation>
    </message>
    <message>
        <source>Ogg files</source>
        <translation>Arquivos Ogg</translation>
    </message>
    <message>
        <source>Flash files</source>
        <translation>Arquivos Flash</translation>
    </message>
    <message>
        <source>Real Media Files</source>
        <translation>Arquivos Real Media</translation>
    </message>
    <message>
        <source>QuickTime files</source>
        <translation>Arquivos QuickTime</translation>
    </message>
    <message>
        <source>AVI files</source>
        <translation>Arquivos AVI</translation>
    </message>
    <message>
        <source>MPEG files</source>
        <translation>Arquivos MPEG</translation>
    </message>
    <message>
        <source>Unprotected VOB files</source>
        <translation>Arquivos VOB sem proteção</translation>
    </message>
    <message>
        <source>VCD files</source>
        <translation>Arquivos VCD</translation>
    </message>
    <message>
        <source>Matroska Video files</source>
        <translation>Arquivos de vídeo Matroska</translation>
    </message>
    <message>
        <source>MP4 files</source>
        <translation>Arquivos MP4</translation>
    </message>
    <message>
        <source>3GP files</source>
        <translation>Arquivos 3GP</translation>
    </message>
    <message>
        <source>Windows Media files</source>
        <translation>Arquivos Windows Media</translation>
    </message>
    <message>
        <source>MOD files</source>
        <translation>Arquivos MOD</translation>
    </message>
    <message>
        <source>TOD files</source>
        <translation>Arquivos TOD</translation>
    </message>
    <message>
        <source>High-Definition files</source>
        <translation>Arquivos de alta definição</translation>
    </message>
    <message>
        <source>Digital Video files</source>
        <translation>Arquivos de vídeo digital</translation>
    </message>
    <message>
        <source>NUT files</source>
        <translation>Arquivos NUT</translation>
    </message>
    <message>
        <source>Raw H.264 video files</source>
        <translation>Arquivos de vídeo H.264 brutos</translation>
    </message>
    <message>
        <source>Nullsoft Stream Video</source>
        <translation>Nullsoft Stream Video</translation>
    </message>
</context>
</TS>
