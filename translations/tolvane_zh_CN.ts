<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CAVConvertDlg</name>
    <message>
        <source>Tolvane</source>
        <translation>Tolvane</translation>
    </message>
    <message>
        <source>Current File Converting:</source>
        <translation>正在转换的文件：</translation>
    </message>
    <message>
        <source>Current file progress</source>
        <translation>当前文件进度</translation>
    </message>
    <message>
        <source>Total Progress:</source>
        <translation>总进度：</translation>
    </message>
    <message>
        <source>Total progress</source>
        <translation>总进度</translation>
    </message>
    <message>
        <source>Shut down computer when conversion completed</source>
        <translation>转换完成后关闭计算机</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stop converting</source>
        <translation>停止转换</translation>
    </message>
    <message>
        <source>Show preview</source>
        <translation>显示预览</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>正在转换…</translation>
    </message>
</context>
<context>
    <name>CAbout</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Made for people who keep the sound of their videos.</source>
        <translation>为想保留视频声音的人而做。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>支持：</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>主页：</translation>
    </message>
</context>
<context>
    <name>CBrenvixDlg</name>
    <message>
        <source>Profile</source>
        <translation>输出格式</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>播放位置</translation>
    </message>
    <message>
        <source>Volume level</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Could not open %1: no program to open it was found (the xdg-utils package provides one).</source>
        <translation>无法打开 %1：找不到可以打开它的程序（xdg-utils 软件包提供了一个）。</translation>
    </message>
    <message>
        <source>Can not find help file!</source>
        <translation>找不到帮助文件！</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>添加文件</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Clip Video</source>
        <translation>剪辑视频</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>剪辑</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>开始转换</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <source> Merge into a file</source>
        <translation> 合并为一个文件</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>合并</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>文件信息</translation>
    </message>
    <message>
        <source>File Info</source>
        <translation>文件信息</translation>
    </message>
    <message>
        <source>Conversion Settings</source>
        <translation>转换设置</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Set output files</source>
        <translation>设置输出文件夹</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>浏览</translation>
    </message>
    <message>
        <source>Open output files</source>
        <translation>打开输出文件夹</translation>
    </message>
    <message>
        <source>Find Target</source>
        <translation>打开目标</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量图标</translation>
    </message>
    <message>
        <source>List note</source>
        <translation>列表提示</translation>
    </message>
    <message>
        <source>Save list</source>
        <translation>保存列表</translation>
    </message>
    <message>
        <source>The list could not be saved in %1: %2.</source>
        <translation>无法将列表保存到 %1：%2。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>无法打开 %1：%2。</translation>
    </message>
    <message>
        <source>Restored the list of 1 file</source>
        <translation>已恢复包含 1 个文件的列表</translation>
    </message>
    <message>
        <source>Restored the list of %1 files</source>
        <translation>已恢复包含 %1 个文件的列表</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>输出文件夹</translation>
    </message>
    <message>
        <source>Files at once</source>
        <translation>同时转换的文件数</translation>
    </message>
    <message>
        <source>How many files Convert works on at once (1 to %1); a merge is always one file. With fewer files left, a recording of more than two minutes to MP3, FLAC or WAV is encoded in segments on the spare cores and joined</source>
        <translation>“转换”同时处理的文件数（1 到 %1）；合并时始终为一个文件。剩余文件较少时，超过两分钟的录音转为 MP3、FLAC 或 WAV 时会在空闲的处理器核心上分段编码后再拼接</translation>
    </message>
    <message>
        <source>Please add video files!</source>
        <translation>请添加视频文件！</translation>
    </message>
    <message>
        <source>Merge is effective when two or more files are chosen!</source>
        <translation>至少选择两个文件才能合并！</translation>
    </message>
    <message>
        <source>Please select at least one task to convert!</source>
        <translation>请至少选择一个要转换的任务！</translation>
    </message>
    <message>
        <source>A run holds at most %1 files.</source>
        <translation>一次转换最多包含 %1 个文件。</translation>
    </message>
    <message>
        <source>These settings cannot be converted: %1</source>
        <translation>无法使用这些设置进行转换：%1</translation>
    </message>
    <message>
        <source>The original sound is copied as it is: it cannot be brought to a loudness. Choose a format to convert to, or set Loudness to &quot;As recorded&quot; in Setting.</source>
        <translation>原始声音会原样复制，无法调整响度。请选择要转换的格式，或在“设置”中将响度设为“保持原样”。</translation>
    </message>
    <message>
        <source>These choices cannot go together: %1.</source>
        <translation>这些选项不能同时使用：%1。</translation>
    </message>
    <message>
        <source>Row %1 (%2): %3</source>
        <translation>第 %1 行（%2）：%3</translation>
    </message>
    <message>
        <source>These rows cannot be converted:</source>
        <translation>以下行无法转换：</translation>
    </message>
    <message>
        <source>These files cannot be merged without re-encoding: row %1 (%2) has %3.

Choose another format to merge them.</source>
        <translation>这些文件必须重新编码才能合并：第 %1 行（%2）是 %3。

请选择其他格式来合并。</translation>
    </message>
    <message>
        <source>Tolvane: the run was stopped</source>
        <translation>Tolvane：转换已停止</translation>
    </message>
    <message>
        <source>Tolvane: the run is over</source>
        <translation>Tolvane：转换已完成</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>Stopped at %1</source>
        <translation>停止于 %1</translation>
    </message>
    <message>
        <source>Stopped at %1 of %2; the part so far is in %3</source>
        <translation>停止于 %1（共 %2）；已转换的部分保存在 %3</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Source file</source>
        <translation>源文件</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>输出格式</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Part %1</source>
        <translation>第 %1 部分</translation>
    </message>
    <message>
        <source>Checking %1 of %2…</source>
        <translation>正在检查第 %1 个，共 %2 个…</translation>
    </message>
    <message>
        <source>Add Files..</source>
        <translation>添加文件…</translation>
    </message>
    <message>
        <source>Open list…</source>
        <translation>打开列表…</translation>
    </message>
    <message>
        <source>Save list…</source>
        <translation>保存列表…</translation>
    </message>
    <message>
        <source>Clip...</source>
        <translation>剪辑…</translation>
    </message>
    <message>
        <source>File Information...</source>
        <translation>文件信息…</translation>
    </message>
    <message>
        <source>Split by chapters</source>
        <translation>按章节拆分</translation>
    </message>
    <message>
        <source>Split at times…</source>
        <translation>按时间点拆分…</translation>
    </message>
    <message>
        <source>Split at silences…</source>
        <translation>按静音拆分…</translation>
    </message>
    <message>
        <source>Sound track</source>
        <translation>音轨</translation>
    </message>
    <message>
        <source>Chapters left out:</source>
        <translation>已略过的章节：</translation>
    </message>
    <message>
        <source>Tolvane lists (*.tolvane-job)</source>
        <translation>Tolvane 列表 (*.tolvane-job)</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source> Ready</source>
        <translation> 就绪</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>正在转换…</translation>
    </message>
    <message>
        <source>File:%1 is invalid!</source>
        <translation>文件：%1 无效！</translation>
    </message>
    <message>
        <source>File:%1 is not a regular file!</source>
        <translation>文件：%1 不是普通文件！</translation>
    </message>
    <message>
        <source>File:%1 has no sound track!</source>
        <translation>文件：%1 没有音轨！</translation>
    </message>
    <message>
        <source>File:%1 invalid!</source>
        <translation>文件：%1 无效！</translation>
    </message>
</context>
<context>
    <name>CClipDialog</name>
    <message>
        <source>Clip</source>
        <translation>剪辑</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Sound of the whole file</source>
        <translation>整个文件的声音</translation>
    </message>
    <message>
        <source>Loud and quiet parts, the pauses, the chapters and the clip; a click plays from there</source>
        <translation>响亮与安静的部分、停顿、章节和剪辑范围；单击即从该处播放</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>播放位置</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>00:00:00</source>
        <translation>00:00:00</translation>
    </message>
    <message>
        <source>Trim silence at the ends</source>
        <translation>去除首尾的静音</translation>
    </message>
    <message>
        <source>Begin and end at the first and last sound, with a margin around it</source>
        <translation>从第一个声音开始、到最后一个声音结束，并保留少许余量</translation>
    </message>
    <message>
        <source>Playing position</source>
        <translation>播放位置</translation>
    </message>
    <message>
        <source>The clip begins where it ends (%1), so it holds no sound. Set another begin or end time, or Reset.</source>
        <translation>剪辑的开始与结束在同一处（%1），因此没有声音。请设置其他开始或结束时间，或重置。</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>Cut time</source>
        <translation>剪辑时长</translation>
    </message>
    <message>
        <source>&amp;Set Begin Time</source>
        <translation>设为开始时间(&amp;S)</translation>
    </message>
    <message>
        <source>Set Begin Time</source>
        <translation>设为开始时间</translation>
    </message>
    <message>
        <source>&amp;Set End Time</source>
        <translation>设为结束时间(&amp;E)</translation>
    </message>
    <message>
        <source>Set End Time</source>
        <translation>设为结束时间</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>重置(&amp;R)</translation>
    </message>
    <message>
        <source>Reset Time</source>
        <translation>重置时间</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The sound cannot be read: %1</source>
        <translation>无法读取声音：%1</translation>
    </message>
</context>
<context>
    <name>CFileInfomation</name>
    <message>
        <source>File Information</source>
        <translation>文件信息</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>文件名：</translation>
    </message>
    <message>
        <source>Media Length:</source>
        <translation>媒体时长：</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>分辨率：</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>帧率：</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>码率：</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>Samples:</source>
        <translation>采样率：</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>声道：</translation>
    </message>
    <message>
        <source>Sound Track:</source>
        <translation>音轨：</translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation>章节：</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>响度</translation>
    </message>
    <message>
        <source>Measure loudness</source>
        <translation>测量响度</translation>
    </message>
    <message>
        <source>Reads the whole sound track and measures it (EBU R128)</source>
        <translation>读取整条音轨并测量（EBU R128）</translation>
    </message>
    <message>
        <source>Loudness:</source>
        <translation>响度：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation>章节</translation>
    </message>
</context>
<context>
    <name>CHyperLink</name>
    <message>
        <source>Unable to open hyperlink:

</source>
        <translation>无法打开链接：

</translation>
    </message>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>操作系统的内存
或资源不足。</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>找不到指定的文件。</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>找不到指定的路径。</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>操作系统拒绝
访问指定的文件。</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>内存不足，无法完成操作。</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>.EXE 文件无效
（不是 Win32 .EXE 或映像有错误）。</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>发生共享冲突。</translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>文件关联
不完整或无效。</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>DDE 事务无法完成，
因为请求超时。</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>DDE 事务失败。</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>DDE 事务无法完成，
因为正在处理
其他 DDE 事务。</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>没有与该文件扩展名
关联的应用程序。</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>找不到指定的动态链接库。</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>发生未知错误（%1）。</translation>
    </message>
</context>
<context>
    <name>CSettings</name>
    <message>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Format Preset:</source>
        <translation>格式预设：</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>Encoder:</source>
        <translation>编码器：</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>码率：</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>采样率：</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>声道：</translation>
    </message>
    <message>
        <source>Loudness:</source>
        <translation>响度：</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Default setting</source>
        <translation>默认设置</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Each file is measured first (EBU R128) and brought to this loudness with one gain; peaks above -1 dBTP are limited</source>
        <translation>每个文件先进行测量（EBU R128），再以单一增益调整到此响度；超过 -1 dBTP 的峰值会被限制</translation>
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
        <translation>关机</translation>
    </message>
    <message>
        <source>Shut down now</source>
        <translation>立即关机</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The conversion is complete. The computer shuts down in 1 second.</source>
        <translation>转换已完成。计算机将在 1 秒后关机。</translation>
    </message>
    <message>
        <source>The conversion is complete. The computer shuts down in %1 seconds.</source>
        <translation>转换已完成。计算机将在 %1 秒后关机。</translation>
    </message>
</context>
<context>
    <name>CSilenceDialog</name>
    <message>
        <source>Split at silences</source>
        <translation>按静音拆分</translation>
    </message>
    <message>
        <source>A part for each stretch of sound, cut in the middle of the pauses:</source>
        <translation>每段声音成为一部分，在停顿的中间切开：</translation>
    </message>
    <message>
        <source>Pause level</source>
        <translation>停顿电平</translation>
    </message>
    <message>
        <source>Sound under this level counts as silence</source>
        <translation>低于此电平的声音视为静音</translation>
    </message>
    <message>
        <source>Shortest pause</source>
        <translation>最短停顿</translation>
    </message>
    <message>
        <source>A pause lasts at least this long; shorter ones are breaths</source>
        <translation>停顿至少持续这么久；更短的只是换气</translation>
    </message>
    <message>
        <source>Quieter than:</source>
        <translation>低于：</translation>
    </message>
    <message>
        <source>For at least:</source>
        <translation>持续至少：</translation>
    </message>
    <message>
        <source>Finding the pauses… %1 %</source>
        <translation>正在查找停顿… %1 %</translation>
    </message>
    <message>
        <source>The sound cannot be read: %1</source>
        <translation>无法读取声音：%1</translation>
    </message>
</context>
<context>
    <name>CSplitDialog</name>
    <message>
        <source>Split at times</source>
        <translation>按时间点拆分</translation>
    </message>
    <message>
        <source>Paste the times of the parts, a line each, as video descriptions give them
(&quot;00:00 Overture&quot;, &quot;Second Song - 17:24&quot;), or a CUE sheet:</source>
        <translation>粘贴各部分的时间点，每行一个，就像视频简介里写的那样
（“00:00 序曲”、“第二首歌 - 17:24”），或粘贴 CUE 表：</translation>
    </message>
    <message>
        <source>Times of the parts</source>
        <translation>各部分的时间点</translation>
    </message>
    <message>
        <source>Left out: </source>
        <translation>已略过：</translation>
    </message>
    <message>
        <source>No part yet.</source>
        <translation>还没有任何部分。</translation>
    </message>
</context>
<context>
    <name>LoudnessChoice</name>
    <message>
        <source>As recorded</source>
        <translation>保持原样</translation>
    </message>
    <message>
        <source>-14 LUFS (music streaming)</source>
        <translation>-14 LUFS（音乐流媒体）</translation>
    </message>
    <message>
        <source>-16 LUFS (spoken word, podcasts)</source>
        <translation>-16 LUFS（语音、播客）</translation>
    </message>
    <message>
        <source>-18 LUFS</source>
        <translation>-18 LUFS</translation>
    </message>
    <message>
        <source>-23 LUFS (EBU broadcast)</source>
        <translation>-23 LUFS（EBU 广播）</translation>
    </message>
</context>
<context>
    <name>PartsView</name>
    <message>
        <source>Parts</source>
        <translation>各部分</translation>
    </message>
    <message>
        <source>Part %1</source>
        <translation>第 %1 部分</translation>
    </message>
</context>
<context>
    <name>PreviewTransport</name>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
</context>
<context>
    <name>RunDesktop</name>
    <message>
        <source>Converting sound</source>
        <translation>正在转换声音</translation>
    </message>
</context>
<context>
    <name>WaveformStrip</name>
    <message>
        <source>The sound of the whole file: click to play from there</source>
        <translation>整个文件的声音：单击即从该处播放</translation>
    </message>
    <message>
        <source>Sound of the whole file</source>
        <translation>整个文件的声音</translation>
    </message>
    <message>
        <source>Chapter %1%2 (%3)</source>
        <translation>第 %1 章%2（%3）</translation>
    </message>
</context>
</TS>
