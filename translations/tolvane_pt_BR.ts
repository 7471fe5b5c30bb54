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
</context>
<context>
    <name>CClipDialog</name>
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
</context>
<context>
    <name>CFileInfomation</name>
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
</TS>
