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
        <source>The sound track of every video, as audio</source>
        <translation>把每个视频的音轨变成音频</translation>
    </message>
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
        <source>Sound track %1</source>
        <translation>音轨 %1</translation>
    </message>
    <message>
        <source>Part %1 of %2: %3</source>
        <translation>第 %1 部分，共 %2 部分：%3</translation>
    </message>
    <message>
        <source>Sound from every video</source>
        <translation>提取每个视频的声音</translation>
    </message>
    <message>
        <source>Getting started</source>
        <translation>入门</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>配置：</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>输出：</translation>
    </message>
    <message>
        <source>Files at once:</source>
        <translation>同时处理文件数：</translation>
    </message>
    <message>
        <source>Add video files</source>
        <translation>添加视频文件</translation>
    </message>
    <message>
        <source>Click Add, or drop videos onto this window.</source>
        <translation>点击“添加”，或把视频拖放到此窗口。</translation>
    </message>
    <message>
        <source>Edit the selected file</source>
        <translation>编辑选中的文件</translation>
    </message>
    <message>
        <source>Clip trims it to a start and an end time.</source>
        <translation>“剪辑”把它截取到开始和结束时间之间。</translation>
    </message>
    <message>
        <source>Choose the profile</source>
        <translation>选择配置</translation>
    </message>
    <message>
        <source>MP3, WAV, WMA or OGG; Setting refines it.</source>
        <translation>MP3、WAV、WMA 或 OGG；“设置”可细调。</translation>
    </message>
    <message>
        <source>One audio file per video, or Merge them into one.</source>
        <translation>每个视频一个音频文件，或用“合并”合成一个。</translation>
    </message>
    <message>
        <source>Tracks %1</source>
        <translation>音轨 %1</translation>
    </message>
    <message>
        <source>Sound tracks mixed: %1</source>
        <translation>已混合的音轨：%1</translation>
    </message>
    <message>
        <source>Mix tracks…</source>
        <translation>混合音轨…</translation>
    </message>
    <message>
        <source>Channel %1 alone</source>
        <translation>仅声道 %1</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>声道</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>所有声道</translation>
    </message>
    <message>
        <source>%1 alone</source>
        <translation>仅 %1</translation>
    </message>
    <message>
        <source>Every channel to its own file</source>
        <translation>每个声道各存为一个文件</translation>
    </message>
    <message>
        <source>The files being added are still checked: try again once they are (Esc stops the check).</source>
        <translation>正在检查添加的文件：检查完成后再试（按 Esc 停止检查）。</translation>
    </message>
    <message>
        <source>ReplayGain tags</source>
        <translation>ReplayGain 标签</translation>
    </message>
    <message>
        <source>ReplayGain tags with the album&apos;s gain</source>
        <translation>带专辑增益的 ReplayGain 标签</translation>
    </message>
    <message>
        <source>a true-peak ceiling of %1 dBTP</source>
        <translation>%1 dBTP 的真峰值上限</translation>
    </message>
    <message>
        <source>covers from the video</source>
        <translation>取自视频的封面</translation>
    </message>
    <message>
        <source>skipping outputs that exist</source>
        <translation>跳过已存在的输出</translation>
    </message>
    <message>
        <source>the sources&apos; folders under the output folder</source>
        <translation>在输出文件夹下保留源文件的文件夹结构</translation>
    </message>
    <message>
        <source>This list also asks for %1: they apply to its runs</source>
        <translation>此列表还要求：%1，这些设置适用于它的运行</translation>
    </message>
    <message>
        <source>The computer could not be shut down: %1</source>
        <translation>无法关闭计算机：%1</translation>
    </message>
    <message>
        <source>The list cannot be kept in %1 (%2): a crash would lose it</source>
        <translation>无法将列表保存在 %1（%2）：程序崩溃时会丢失它</translation>
    </message>
    <message>
        <source>The list kept from the last time cannot be read (%1); it is kept as %2</source>
        <translation>上次保存的列表无法读取（%1）；已保留为 %2</translation>
    </message>
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
    <message>
        <source>%1   %2% has completed</source>
        <translation>%1   已完成 %2%</translation>
    </message>
    <message>
        <source>%1 Task Completed / Total %2 Task(s)</source>
        <translation>已完成 %1 个任务 / 共 %2 个任务</translation>
    </message>
    <message>
        <source>The stopped run is still closing its file: try again in a moment.</source>
        <translation>已停止的运行仍在关闭其文件：请稍后再试。</translation>
    </message>
</context>
<context>
    <name>CClipDialog</name>
    <message>
        <source>Cut time: %1</source>
        <translation>剪辑时长：%1</translation>
    </message>
    <message>
        <source>Show pauses</source>
        <translation>显示停顿</translation>
    </message>
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
    <message>
        <source>Type a time: HH:MM:SS, to the millisecond as HH:MM:SS.mmm</source>
        <translation>输入时间：HH:MM:SS，精确到毫秒时为 HH:MM:SS.mmm</translation>
    </message>
</context>
<context>
    <name>CFileInfomation</name>
    <message>
        <source>measuring…</source>
        <translation>正在测量…</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>未测量</translation>
    </message>
    <message>
        <source>silent</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>%1 LUFS · peak %2 dBTP</source>
        <translation>%1 LUFS · 峰值 %2 dBTP</translation>
    </message>
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
        <source>Centre level in a fold-down</source>
        <translation>缩混时的中置电平</translation>
    </message>
    <message>
        <source>How loud the centre channel (a film&apos;s dialogue) is when 5.1 sound is folded down to stereo or mono; -3 dB is the usual</source>
        <translation>5.1 声音缩混为立体声或单声道时中置声道（电影对白）的响度；通常为 -3 dB</translation>
    </message>
    <message>
        <source> dB</source>
        <translation> dB</translation>
    </message>
    <message>
        <source>Centre level:</source>
        <translation>中置电平：</translation>
    </message>
    <message>
        <source>As recorded</source>
        <translation>保持原样</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>收听</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Faster or slower, the voices at their own pitch</source>
        <translation>更快或更慢，人声保持原有音高</translation>
    </message>
    <message>
        <source>%1×</source>
        <translation>%1×</translation>
    </message>
    <message>
        <source>Tempo:</source>
        <translation>速度：</translation>
    </message>
    <message>
        <source>Night mode</source>
        <translation>夜间模式</translation>
    </message>
    <message>
        <source>Loud passages quieter and quiet ones louder, for listening at a low volume; no peak above -1 dBTP</source>
        <translation>响亮段落变轻、轻柔段落变响，适合低音量收听；峰值不超过 -1 dBTP</translation>
    </message>
    <message>
        <source> s</source>
        <translation> 秒</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Fade in:</source>
        <translation>淡入：</translation>
    </message>
    <message>
        <source>Fade in</source>
        <translation>淡入</translation>
    </message>
    <message>
        <source>Each file (a merge: its start) fades in from silence over these seconds</source>
        <translation>每个文件（合并时为其开头）在这些秒数内从静音淡入</translation>
    </message>
    <message>
        <source>Fade out:</source>
        <translation>淡出：</translation>
    </message>
    <message>
        <source>Fade out</source>
        <translation>淡出</translation>
    </message>
    <message>
        <source>Each file (a merge: its end) fades out to silence over these seconds</source>
        <translation>每个文件（合并时为其结尾）在这些秒数内淡出至静音</translation>
    </message>
    <message>
        <source>Crossfade:</source>
        <translation>交叉淡化：</translation>
    </message>
    <message>
        <source>Crossfade between merged files</source>
        <translation>合并文件之间的交叉淡化</translation>
    </message>
    <message>
        <source>Merge joins its files with a crossfade of these seconds instead of one after the other</source>
        <translation>合并时以这些秒数的交叉淡化连接文件，而不是首尾相接</translation>
    </message>
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
        <source>%1 parts:</source>
        <translation>%1 个部分：</translation>
    </message>
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
    <name>Messages</name>
    <message>
        <source>split at the chapters, at a list of times, at the pauses or every so many minutes: one of them</source>
        <translation>按章节、按时间列表、按停顿或每隔若干分钟分割：只能选其一</translation>
    </message>
    <message>
        <source>the parts of a split are back to back: --trim-silence trims whole files</source>
        <translation>分割的各部分首尾相接：--trim-silence 只修剪整个文件</translation>
    </message>
    <message>
        <source>--trim-silence finds the clip itself; -s and -t do not go with it</source>
        <translation>--trim-silence 会自行确定片段；不能与 -s 和 -t 同用</translation>
    </message>
    <message>
        <source>--opus-application goes with Opus (-f opus)</source>
        <translation>--opus-application 只适用于 Opus（-f opus）</translation>
    </message>
    <message>
        <source>a merge makes one file: it cannot be run in slices</source>
        <translation>合并只生成一个文件：不能分片运行</translation>
    </message>
    <message>
        <source>no file to convert</source>
        <translation>没有要转换的文件</translation>
    </message>
    <message>
        <source>a merge needs two or more files</source>
        <translation>合并需要两个或更多文件</translation>
    </message>
    <message>
        <source>no row is chosen to convert</source>
        <translation>没有选中要转换的行</translation>
    </message>
    <message>
        <source>cannot read the mixed sound tracks</source>
        <translation>无法读取要混合的音轨</translation>
    </message>
    <message>
        <source>cannot mix the sound tracks</source>
        <translation>无法混合音轨</translation>
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
        <translation>  -a N+M...             将这些音轨按采样对齐混合为一个输出（提前结束的音轨之后为静音）；
                        总和将要削波处由限幅器压低，状态会说明
      --track-gain N=DB 被混合音轨的增益（-40 到 +20 dB，如 2=+6）；可重复
      --voice N[=LU]    音轨 N 为人声：其他音轨的响度比人声低 LU（默认 10），均按 EBU R128
                        测量
      --duck[=DB]       人声说话时将其他音轨降低 DB（默认 9）
</translation>
    </message>
    <message>
        <source>a mix takes two sound tracks or more, each once, as 1+2</source>
        <translation>混音需要两条或更多音轨，每条一次，如 1+2</translation>
    </message>
    <message>
        <source>a track&apos;s gain is from -40 to +20 dB</source>
        <translation>音轨增益为 -40 到 +20 dB</translation>
    </message>
    <message>
        <source>the voice is one of the mixed sound tracks</source>
        <translation>人声必须是被混合的音轨之一</translation>
    </message>
    <message>
        <source>the voice&apos;s lead and the ducking are from 0 to 40 dB</source>
        <translation>人声领先量和闪避量为 0 到 40 dB</translation>
    </message>
    <message>
        <source>ducking lowers the others while the voice speaks: it needs a voice</source>
        <translation>闪避在人声说话时降低其他音轨：需要指定人声</translation>
    </message>
    <message>
        <source>cannot convert the sound track</source>
        <translation>无法转换该音轨</translation>
    </message>
    <message>
        <source>a mix of sound tracks is an encode: a copy keeps one track as it is (choose a format to convert to)</source>
        <translation>音轨混音需要编码：复制会原样保留一条音轨（请选择要转换成的格式）</translation>
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
        <translation>      --pick-channel 名称
                        仅音轨的一个声道，输出为单声道文件：FL、FR、FC、LFE、BL、BR、SL、
                        SR……即 --info 的声道布局所列名称，或其编号
      --split-channels  音轨的每个声道各输出为一个单声道文件，命名为
                        &quot;NAME.FL.ext&quot;、&quot;NAME.FR.ext&quot;……
      --center-mix DB   音轨缩混为较少声道时中置声道的电平（5.1 的 -c 2 或 -c 1）：
                        -12 到 +6 dB（默认 -3）
</translation>
    </message>
    <message>
        <source>a channel alone is an encode: a copy keeps every channel (choose a format to convert to)</source>
        <translation>单独一个声道需要编码：复制会保留所有声道（请选择要转换成的格式）</translation>
    </message>
    <message>
        <source>a channel alone writes a file of its own; it does not go with a merge</source>
        <translation>单独一个声道会写入独立文件；不能与合并同用</translation>
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
        <translation>      --tempo X         X 倍速度（0.5 到 4；1.25、1.5、2），人声保持原有音高；章节随新的
                        时间线移动，-s、-t 和分割仍按源文件的时间
      --night           夜间模式：响亮段落变轻、轻柔段落变响（响度范围至少减半），峰值不超过
                        -1 dBTP；与 --normalize 同用时，响度在其之后测量
      --fade-in S, --fade-out S
                        每个输出（每个片段、每个部分；合并时为其两端）在 S 秒（0 到 60）内
                        从静音淡入或淡出至静音
      --crossfade S     与 --merge 同用：每个文件与前一个以 S 秒（0 到 30）的交叉淡化连接，
                        其章节从交叉淡化的中间开始
</translation>
    </message>
    <message>
        <source>the tempo is from 0.5 to 4 times the speed</source>
        <translation>速度为原速的 0.5 到 4 倍</translation>
    </message>
    <message>
        <source>a fade lasts from 0 to 60 seconds</source>
        <translation>淡入淡出持续 0 到 60 秒</translation>
    </message>
    <message>
        <source>a crossfade lasts from 0 to 30 seconds</source>
        <translation>交叉淡化持续 0 到 30 秒</translation>
    </message>
    <message>
        <source>tempo, night mode and fades change the sound: a copy keeps it as it is (choose a format to convert to)</source>
        <translation>速度、夜间模式和淡入淡出会改变声音：复制会保持原样（请选择要转换成的格式）</translation>
    </message>
    <message>
        <source>the tempo changes the sound alone: the pictures of a video output would no longer match it</source>
        <translation>速度只改变声音：视频输出的画面将不再与之对应</translation>
    </message>
    <message>
        <source>a crossfade joins the files of a merge: it needs a merge</source>
        <translation>交叉淡化连接合并中的文件：需要合并</translation>
    </message>
    <message>
        <source>%1 made, %2 missing, %3 failed</source>
        <translation>已生成 %1，缺失 %2，失败 %3</translation>
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
        <translation>用法：tolvane-cli [选项] 文件...
      tolvane-cli [选项] --job 文件
将视频文件的声音轨道提取为音频文件。

  -o, --output 文件夹   输出文件夹（默认：当前文件夹；不存在时创建）
  -f, --format 名称     mp3 | wav | wma | ogg | opus，或某个音频预设的扩展名
                        （aac、ac3、aiff、au、m4a、mp2、ra、flac）；默认 mp3；
                        “copy”（或“original”）：原样保留声音轨道，不重新编码，
                        写入以其编解码器命名的文件（.m4a、.mp3、.ac3、.ogg、.opus、
                        .flac、.wav ... .mka）；剪辑精确到数据包
  -e, --encoder 名称    本版本的音频编码器：%1
  -b, --bitrate 码率    每秒比特数；“128k”和“128000”均可
  -r, --rate 赫兹       采样率
  -c, --channels N      1、2 或 6
      --opus-application voip|audio
                        Opus 的调校目标：语音或音乐（默认：libopus 的默认值，音乐）；
                        Opus 以 48000 Hz 编码，6 至 510 kbps（默认单声道 64 kbps，
                        立体声 128 kbps，5.1 声道 256 kbps）
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
        <translation>  -s, --start 时间      每个文件的剪辑起点（HH:MM:SS 或秒数）
  -t, --end 时间        每个文件的剪辑终点（默认：各文件的长度）
  -a, --audio-track N   每个文件的第 N 条声音轨道，编号与 --info 列出的一致
                        （默认：最后一条）；“all”：每条轨道一个文件，“名称.N.ext”
                        （轨道带语言时为“名称.N.语言.ext”）
      --cover-from-video[=时间]
                        没有封面图片的源会为 MP3、M4A 和 FLAC 输出取一幅视频画面
                        作为封面（默认：在其长度的 10 % 处）
  -m, --merge           按顺序将所有文件合并为一个输出，以第一个文件命名；
                        每个文件成为其中的一个章节
      --split-chapters  每个章节一个文件：“名称 - 01 - 标题.mp3”，标签为章节标题、
                        章节编号，并以录音作为专辑
      --split-silence[=DB,秒数]
                        每段声音一个文件：在每个至少持续“秒数”且低于 DB dBFS 的停顿
                        中间切开（默认 -50,1.5）；不足一秒声音的片段并入相邻部分
      --split-every 时长
                        每个文件约为“时长”（30:00、1800）：每处切点落在距该时间 15 %
                        以内最近的停顿中，没有停顿时就在该时间本身
      --trim-silence[=秒数]
                        去掉每个文件两端的静音（低于 -50 dBFS），在第一个和最后一个
                        声音之外保留“秒数”（默认 0.3）
      --split-at 文件   按“文件”列出的部分各生成一个文件（- 表示标准输入）：每行为
                        “[H:]MM:SS[.mmm] 标题”、“标题 - MM:SS”或“MM:SS - 标题”，
                        或一个 CUE 表；每部分延续到下一部分，最后一部分到结尾
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
        <translation>  -j, --jobs N          同时转换 N 个文件（默认：每个核心一个；合并算一个文件）；
                        空闲的通道将较长的声音分段编码：MP3、WAV、WMA、Opus、OGG Vorbis、FLAC
                        和 PCM 预设
      --skip-existing   跳过输出名称已存在的文件，使重新开始的运行只做缺少的部分；
                        会写出同一名称的输入将被拒绝（参见 --keep-folders）
      --keep-folders    在输出文件夹下重现输入文件相对于其共同文件夹的目录结构
      --json            每完成一个文件，在标准输出上写一个 JSON 对象，代替状态行
      --info            显示每个文件的媒体信息和声音轨道后退出
      --normalize[=LUFS]
                        先测量每个文件（每个合并的文件），再用一个增益将其调整到该响度
                        （默认 -16 LUFS；常用 -14、-18、-23），超过真峰值上限的峰值
                        被限制；与 -f copy 一起时仅限 Opus 轨道，通过文件头的增益实现
                        （不改动任何数据包）
      --true-peak DB    --normalize 的上限（默认 -1 dBTP）
      --replaygain[=track|album]
                        保持声音不变，为每个输出写入其 ReplayGain 2.0 增益和峰值标签
                        （MP3、OGG、FLAC、WMA、M4A；复制的文件也可；Opus 写入相对于
                        -23 LUFS 的 R128 增益）；album：另外写入本次运行所有输出合在
                        一起的增益
      --loudness        与 --info 一起：按 EBU R128 给出所选声音轨道（-a；-a all 时为
                        全部轨道）的响度：LUFS、响度范围和真峰值
      --write-job 文件  将这些选项和文件所描述的任务写入“文件”（一个“.tolvane-job”，
                        与窗口中“保存列表”写出的相同），不进行任何转换
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
        <translation>      --job 文件        运行“文件”中的任务；同时给出的每个运行选项都作用于任务自身的设置
                        （-e、-b、-r、-c 细化其格式）
      --slice K/N       只处理任务中索引除以 N 余 K-1 的行：N 台机器使用同一任务和
                        同一共享输出文件夹，每个文件只生成一次
      --slice auto[/N]  由调度器给出 K 和 N：Slurm 数组作业、Kubernetes 索引 Job 或
                        GNU parallel（后两者需给出 N）
      --check           与 --job 一起：将该分片的每一行列为 Made、Missing 或 Failed；
                        只要有缺失或失败，退出状态为 1
</translation>
    </message>
    <message>
        <source>  -q, --quiet           no progress display, and nothing from the media libraries: only
                        the status lines and failures
  -h, --help            this help
      --version         the version

</source>
        <translation>  -q, --quiet           不显示进度，也不显示媒体库的信息：只有状态行和失败信息
  -h, --help            本帮助
      --version         版本

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
        <translation>绝不覆盖已有文件：改用“名称(0).ext”、“名称(1).ext”……
每个文件完成时输出一行状态：“Completed”、“Failure”、“Stopped”或“Skipped”，加上文件
和写出的内容；失败时附上原因。输出先写为隐藏的“.名称.*.tolvane-part”文件，完整后才获得
正式名称，因此被强行终止的运行不会留下看似完成的文件（下一次在该文件夹中的运行会删除它留下
的部分，不动其他文件）。使用 --skip-existing 时，被中断截短的文件会被删除，以便下一次运行
完整地生成它。
退出状态：0 所有文件已转换（或跳过），1 有文件失败或运行被中断，2 用法错误。
</translation>
    </message>
    <message>
        <source>tolvane-cli: %1
Try &apos;tolvane-cli --help&apos;.</source>
        <translation>tolvane-cli：%1
请尝试“tolvane-cli --help”。</translation>
    </message>
    <message>
        <source>Converting %1/%2: %3</source>
        <translation>正在转换 %1/%2：%3</translation>
    </message>
    <message>
        <source>[%1/%2] %3  elapsed %4  left %5</source>
        <translation>[%1/%2] %3  已用 %4  剩余 %5</translation>
    </message>
    <message>
        <source>File:%1 is invalid!</source>
        <translation>文件：%1 无效！</translation>
    </message>
    <message>
        <source>File:%1 is refused: %2</source>
        <translation>文件：%1 被拒绝：%2</translation>
    </message>
    <message>
        <source>File:%1: %2</source>
        <translation>文件：%1：%2</translation>
    </message>
    <message>
        <source>File:%1: %2 (left out)</source>
        <translation>文件：%1：%2（已略过）</translation>
    </message>
    <message>
        <source>File:%1: the list names no part</source>
        <translation>文件：%1：列表中没有任何部分</translation>
    </message>
    <message>
        <source>File:%1 has no chapters: it is converted whole</source>
        <translation>文件：%1 没有章节：将整体转换</translation>
    </message>
    <message>
        <source>Stopping: a file cut short is removed, so that the next run makes it whole</source>
        <translation>正在停止：被截短的文件会被删除，以便下一次运行完整地生成它</translation>
    </message>
    <message>
        <source>Stopping: closing the current file; it holds what was converted so far</source>
        <translation>正在停止：正在关闭当前文件；其中包含到目前为止已转换的内容</translation>
    </message>
    <message>
        <source>tolvane-cli: cannot run the job %1: %2</source>
        <translation>tolvane-cli：无法运行任务 %1：%2</translation>
    </message>
    <message>
        <source>tolvane-cli: cannot read the list of times %1</source>
        <translation>tolvane-cli：无法读取时间列表 %1</translation>
    </message>
    <message>
        <source>tolvane-cli: %1: %2</source>
        <translation>tolvane-cli：%1：%2</translation>
    </message>
    <message>
        <source>tolvane-cli: cannot write the job %1: %2</source>
        <translation>tolvane-cli：无法写入任务 %1：%2</translation>
    </message>
    <message>
        <source>Wrote the job of %1 rows to %2</source>
        <translation>已将含 %1 行的任务写入 %2</translation>
    </message>
    <message>
        <source>The folder that you selected does not exit.Please specify a different folder!</source>
        <translation>所选文件夹不存在。请指定其他文件夹！</translation>
    </message>
    <message>
        <source>The output folder name is invalid!</source>
        <translation>输出文件夹名称无效！</translation>
    </message>
    <message>
        <source>Please select output folder:</source>
        <translation>请选择输出文件夹：</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>这是一个文件夹</translation>
    </message>
    <message>
        <source>it is not a regular file (a pipe, socket or device)</source>
        <translation>这不是普通文件（而是管道、套接字或设备）</translation>
    </message>
    <message>
        <source>at least %1 s under %2 dBFS</source>
        <translation>至少 %1 秒低于 %2 dBFS</translation>
    </message>
    <message>
        <source>1 part</source>
        <translation>1 个部分</translation>
    </message>
    <message>
        <source>%1 parts</source>
        <translation>%1 个部分</translation>
    </message>
    <message>
        <source>silent throughout (under %1 dBFS): the file stays whole</source>
        <translation>全程静音（低于 %1 dBFS）：文件保持完整</translation>
    </message>
    <message>
        <source>no pause of %1 between two sounds: the file stays whole</source>
        <translation>两段声音之间没有%1的停顿：文件保持完整</translation>
    </message>
    <message>
        <source>%1 at pauses of %2</source>
        <translation>%1，切在%2的停顿处</translation>
    </message>
    <message>
        <source>not longer than %1: the file stays whole</source>
        <translation>不长于 %1：文件保持完整</translation>
    </message>
    <message>
        <source>%1 of about %2: %3</source>
        <translation>%1，每段约 %2：%3</translation>
    </message>
    <message>
        <source>%1 of 1 cut in a pause</source>
        <translation>%1/1 个切点位于停顿中</translation>
    </message>
    <message>
        <source>%1 of %2 cuts in a pause, the others at the exact time (no pause near them)</source>
        <translation>%1/%2 个切点位于停顿中，其余位于准确时间（附近没有停顿）</translation>
    </message>
    <message>
        <source>%1 of %2 cuts in a pause</source>
        <translation>%1/%2 个切点位于停顿中</translation>
    </message>
    <message>
        <source>silent throughout (under %1 dBFS): nothing was trimmed</source>
        <translation>全程静音（低于 %1 dBFS）：未作修剪</translation>
    </message>
    <message>
        <source>trimmed to the sound from %1 to %2</source>
        <translation>已修剪为 %1 至 %2 的声音</translation>
    </message>
    <message>
        <source>no silence at the ends: nothing was trimmed</source>
        <translation>两端没有静音：未作修剪</translation>
    </message>
    <message>
        <source>the sound before %1 (the first time) is in no part</source>
        <translation>%1（第一个时间）之前的声音不属于任何部分</translation>
    </message>
    <message>
        <source>%1: %2 is past the end (%3)</source>
        <translation>%1：%2 超出结尾（%3）</translation>
    </message>
    <message>
        <source>%1: %2 is not after %3</source>
        <translation>%1：%2 不在 %3 之后</translation>
    </message>
    <message>
        <source>chapter %1</source>
        <translation>第 %1 章</translation>
    </message>
    <message>
        <source>%1: starts past the end (%2 of %3)</source>
        <translation>%1：开始于结尾之后（%2，共 %3）</translation>
    </message>
    <message>
        <source>%1: overlaps the chapter before (%2)</source>
        <translation>%1：与前一章节重叠（%2）</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <source>%1: no time in &quot;%2&quot;</source>
        <translation>%1：“%2”中没有时间</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>no sound to measure</source>
        <translation>没有可测量的声音</translation>
    </message>
    <message>
        <source>the written sound cannot be decoded</source>
        <translation>写出的声音无法解码</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>the written sound cannot be measured</source>
        <translation>写出的声音无法测量</translation>
    </message>
    <message>
        <source>no sound to read</source>
        <translation>没有可读取的声音</translation>
    </message>
    <message>
        <source>the task has no output path</source>
        <translation>任务没有输出路径</translation>
    </message>
    <message>
        <source>cannot add the chapters</source>
        <translation>无法添加章节</translation>
    </message>
    <message>
        <source>cannot read the source</source>
        <translation>无法读取源文件</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>the source has no such sound track</source>
        <translation>源文件没有该声音轨道</translation>
    </message>
    <message>
        <source>cannot open the video decoder</source>
        <translation>无法打开视频解码器</translation>
    </message>
    <message>
        <source>cannot open the audio decoder</source>
        <translation>无法打开音频解码器</translation>
    </message>
    <message>
        <source>no output format for the output name</source>
        <translation>输出名称没有对应的输出格式</translation>
    </message>
    <message>
        <source>cannot allocate the output</source>
        <translation>无法分配输出</translation>
    </message>
    <message>
        <source>cannot open the video encoder</source>
        <translation>无法打开视频编码器</translation>
    </message>
    <message>
        <source>cannot add the video stream</source>
        <translation>无法添加视频流</translation>
    </message>
    <message>
        <source>cannot open the audio encoder</source>
        <translation>无法打开音频编码器</translation>
    </message>
    <message>
        <source>cannot add the audio stream</source>
        <translation>无法添加音频流</translation>
    </message>
    <message>
        <source>nothing to write: the source has no audio</source>
        <translation>无可写入的内容：源文件没有音频</translation>
    </message>
    <message>
        <source>cannot encode or write the sound</source>
        <translation>无法编码或写入声音</translation>
    </message>
    <message>
        <source>cannot encode or write the pictures</source>
        <translation>无法编码或写入画面</translation>
    </message>
    <message>
        <source>cannot measure the loudness: </source>
        <translation>无法测量响度：</translation>
    </message>
    <message>
        <source>cannot encode or write the end of the sound</source>
        <translation>无法编码或写入声音的结尾</translation>
    </message>
    <message>
        <source>cannot encode or write the last pictures</source>
        <translation>无法编码或写入最后的画面</translation>
    </message>
    <message>
        <source>-f copy keeps the original sound; -e, -b, -r and -c do not go with it</source>
        <translation>-f copy 保留原始声音；-e、-b、-r 和 -c 不能与之同用</translation>
    </message>
    <message>
        <source>a merged copy keeps each file&apos;s sound as it is: it cannot be brought to one loudness (choose a format to convert to)</source>
        <translation>合并的复制保留每个文件原有的声音：无法调整到统一响度（请选择要转换的格式）</translation>
    </message>
    <message>
        <source>normalising changes the sound, ReplayGain tags it: one or the other</source>
        <translation>标准化会改变声音，ReplayGain 只加标签：二者只能选其一</translation>
    </message>
    <message>
        <source>ReplayGain tags files one by one; it does not go with a merge</source>
        <translation>ReplayGain 逐个文件加标签；不能与合并同用</translation>
    </message>
    <message>
        <source>a split makes a file of each part; it does not go with a merge</source>
        <translation>分割会为每个部分生成一个文件；不能与合并同用</translation>
    </message>
    <message>
        <source>a merge takes every file whole; a clip start or end does not go with it</source>
        <translation>合并使用每个文件的全部内容；剪辑起点或终点不能与之同用</translation>
    </message>
    <message>
        <source>-a all writes a file per sound track; it does not go with --merge</source>
        <translation>-a all 为每条声音轨道写一个文件；不能与 --merge 同用</translation>
    </message>
    <message>
        <source>--skip-existing works file by file; it does not go with --merge</source>
        <translation>--skip-existing 逐个文件工作；不能与 --merge 同用</translation>
    </message>
    <message>
        <source>a split makes a file of each part; it does not go with -s or -t</source>
        <translation>分割会为每个部分生成一个文件；不能与 -s 或 -t 同用</translation>
    </message>
    <message>
        <source>a copy keeps the sound as it is: only an Opus track can be brought to a loudness without re-encoding (choose a format to convert to)</source>
        <translation>复制会保留原有的声音：只有 Opus 轨道能在不重新编码的情况下调整响度（请选择要转换的格式）</translation>
    </message>
    <message>
        <source>cannot copy the sound track&apos;s parameters</source>
        <translation>无法复制声音轨道的参数</translation>
    </message>
    <message>
        <source>the sound track cannot join the merged file: </source>
        <translation>该声音轨道无法并入合并的文件：</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>无法写入输出</translation>
    </message>
    <message>
        <source>cannot finish the output file: </source>
        <translation>无法完成输出文件：</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>cannot read the output</source>
        <translation>无法读取输出</translation>
    </message>
    <message>
        <source>no movie header to tag</source>
        <translation>没有可加标签的影片头</translation>
    </message>
    <message>
        <source>the movie header&apos;s boxes do not read</source>
        <translation>影片头的数据框无法读取</translation>
    </message>
    <message>
        <source>the movie header would grow too large</source>
        <translation>影片头会变得过大</translation>
    </message>
    <message>
        <source>cannot write the tags: </source>
        <translation>无法写入标签：</translation>
    </message>
    <message>
        <source>cannot read the output back</source>
        <translation>无法读回输出</translation>
    </message>
    <message>
        <source>the ReplayGain tags could not be found in the header</source>
        <translation>在文件头中找不到 ReplayGain 标签</translation>
    </message>
    <message>
        <source>cannot measure the output for its ReplayGain tags: </source>
        <translation>无法为 ReplayGain 标签测量输出：</translation>
    </message>
    <message>
        <source>the R128 gain could not be written: </source>
        <translation>无法写入 R128 增益：</translation>
    </message>
    <message>
        <source>the ReplayGain tags could not be written: </source>
        <translation>无法写入 ReplayGain 标签：</translation>
    </message>
    <message>
        <source>not enough memory for the ReplayGain tags</source>
        <translation>内存不足，无法写入 ReplayGain 标签</translation>
    </message>
    <message>
        <source>not enough memory for the tags</source>
        <translation>内存不足，无法写入标签</translation>
    </message>
    <message>
        <source>Elapsed %1 · Time left %2</source>
        <translation>已用 %1 · 剩余时间 %2</translation>
    </message>
    <message>
        <source>shorter than the clip start</source>
        <translation>短于剪辑起点</translation>
    </message>
    <message>
        <source>its output would be the source itself; choose another output folder</source>
        <translation>其输出将是源文件本身；请选择其他输出文件夹</translation>
    </message>
    <message>
        <source>tempo %1×</source>
        <translation>速度 %1×</translation>
    </message>
    <message>
        <source>night mode</source>
        <translation>夜间模式</translation>
    </message>
    <message>
        <source>fade in %1 s</source>
        <translation>淡入 %1 秒</translation>
    </message>
    <message>
        <source>fade out %1 s</source>
        <translation>淡出 %1 秒</translation>
    </message>
    <message>
        <source>crossfade %1 s</source>
        <translation>交叉淡化 %1 秒</translation>
    </message>
    <message>
        <source>1 sound packet did not decode and was skipped</source>
        <translation>1 个声音数据包无法解码，已跳过</translation>
    </message>
    <message>
        <source>%1 sound packets did not decode and were skipped</source>
        <translation>%1 个声音数据包无法解码，已跳过</translation>
    </message>
    <message>
        <source>this format keeps no ReplayGain tags: none were written</source>
        <translation>此格式不保存 ReplayGain 标签：未写入任何标签</translation>
    </message>
    <message>
        <source>the cover picture could not be added (%1)</source>
        <translation>无法添加封面图片（%1）</translation>
    </message>
    <message>
        <source>the sound is silent: its loudness was left as it was</source>
        <translation>声音是静音的：其响度保持不变</translation>
    </message>
    <message>
        <source>the mix was brought down where it would have clipped</source>
        <translation>混音在会削波的地方被降低了</translation>
    </message>
    <message>
        <source>encoded in %1 segments at once</source>
        <translation>同时分 %1 段编码</translation>
    </message>
    <message>
        <source>mixed %1</source>
        <translation>已混合：%1</translation>
    </message>
    <message>
        <source>the gain was lowered to %1 dB to keep the true peak at %2 dBTP: the file plays at %3 LUFS</source>
        <translation>增益已降至 %1 dB，以将真峰值保持在 %2 dBTP：文件以 %3 LUFS 播放</translation>
    </message>
    <message>
        <source>copied whole packets: from %1 s to %2 s of the file</source>
        <translation>已复制完整数据包：从文件的 %1 秒到 %2 秒</translation>
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
<context>
    <name>CMixDialog</name>
    <message>
        <source>no temporary folder can be made</source>
        <translation>无法创建临时文件夹</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>试听</translation>
    </message>
    <message>
        <source>Plays a few seconds of the mix, from where the preview stands</source>
        <translation>从预览所在位置播放几秒混音</translation>
    </message>
    <message>
        <source>Preparing…</source>
        <translation>正在准备…</translation>
    </message>
    <message>
        <source>No preview: %1</source>
        <translation>无法试听：%1</translation>
    </message>
    <message>
        <source>the player cannot open the preview</source>
        <translation>播放器无法打开试听文件</translation>
    </message>
    <message>
        <source>Stop preview</source>
        <translation>停止试听</translation>
    </message>
    <message>
        <source>Loudness</source>
        <translation>响度</translation>
    </message>
    <message>
        <source>Loudness of track %1</source>
        <translation>音轨 %1 的响度</translation>
    </message>
    <message>
        <source>Measure loudness</source>
        <translation>测量响度</translation>
    </message>
    <message>
        <source>Each track&apos;s loudness by EBU R128, read in the background</source>
        <translation>按 EBU R128 在后台读取每条音轨的响度</translation>
    </message>
    <message>
        <source>measuring…</source>
        <translation>测量中…</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>未测量</translation>
    </message>
    <message>
        <source>silent</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Mix tracks</source>
        <translation>混合音轨</translation>
    </message>
    <message>
        <source>Sound tracks</source>
        <translation>音轨</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>增益</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>人声</translation>
    </message>
    <message>
        <source>Mix track %1</source>
        <translation>混合音轨 %1</translation>
    </message>
    <message>
        <source>Gain of track %1</source>
        <translation>音轨 %1 的增益</translation>
    </message>
    <message>
        <source> dB</source>
        <translation> dB</translation>
    </message>
    <message>
        <source>Track %1 is the voice</source>
        <translation>音轨 %1 为人声</translation>
    </message>
    <message>
        <source>No voice</source>
        <translation>无人声</translation>
    </message>
    <message>
        <source>The others under the voice</source>
        <translation>其他音轨低于人声</translation>
    </message>
    <message>
        <source>The other tracks&apos; loudness sits this far under the voice&apos;s (EBU R128)</source>
        <translation>其他音轨的响度比人声低这么多（EBU R128）</translation>
    </message>
    <message>
        <source> LU</source>
        <translation> LU</translation>
    </message>
    <message>
        <source>The others under the voice:</source>
        <translation>其他音轨低于人声：</translation>
    </message>
    <message>
        <source>Lower the others while the voice speaks</source>
        <translation>人声说话时降低其他音轨</translation>
    </message>
    <message>
        <source>How much lower</source>
        <translation>降低多少</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>Channels</name>
    <message>
        <source>1 Channel Mono</source>
        <translation>1 声道 单声道</translation>
    </message>
    <message>
        <source>2 Channel Stereo</source>
        <translation>2 声道 立体声</translation>
    </message>
    <message>
        <source>2 Channel stereo</source>
        <translation>2 声道 立体声</translation>
    </message>
    <message>
        <source>5.1 Channel</source>
        <translation>5.1 声道</translation>
    </message>
    <message>
        <source>6 Channel stereo</source>
        <translation>6 声道</translation>
    </message>
</context>
<context>
    <name>FileFilters</name>
    <message>
        <source>All files</source>
        <translation>所有文件</translation>
    </message>
    <message>
        <source>All media files</source>
        <translation>所有媒体文件</translation>
    </message>
    <message>
        <source>WebM files</source>
        <translation>WebM 文件</translation>
    </message>
    <message>
        <source>Ogg files</source>
        <translation>Ogg 文件</translation>
    </message>
    <message>
        <source>Flash files</source>
        <translation>Flash 文件</translation>
    </message>
    <message>
        <source>Real Media Files</source>
        <translation>Real Media 文件</translation>
    </message>
    <message>
        <source>QuickTime files</source>
        <translation>QuickTime 文件</translation>
    </message>
    <message>
        <source>AVI files</source>
        <translation>AVI 文件</translation>
    </message>
    <message>
        <source>MPEG files</source>
        <translation>MPEG 文件</translation>
    </message>
    <message>
        <source>Unprotected VOB files</source>
        <translation>未加密的 VOB 文件</translation>
    </message>
    <message>
        <source>VCD files</source>
        <translation>VCD 文件</translation>
    </message>
    <message>
        <source>Matroska Video files</source>
        <translation>Matroska 视频文件</translation>
    </message>
    <message>
        <source>MP4 files</source>
        <translation>MP4 文件</translation>
    </message>
    <message>
        <source>3GP files</source>
        <translation>3GP 文件</translation>
    </message>
    <message>
        <source>Windows Media files</source>
        <translation>Windows Media 文件</translation>
    </message>
    <message>
        <source>MOD files</source>
        <translation>MOD 文件</translation>
    </message>
    <message>
        <source>TOD files</source>
        <translation>TOD 文件</translation>
    </message>
    <message>
        <source>High-Definition files</source>
        <translation>高清文件</translation>
    </message>
    <message>
        <source>Digital Video files</source>
        <translation>数字视频文件</translation>
    </message>
    <message>
        <source>NUT files</source>
        <translation>NUT 文件</translation>
    </message>
    <message>
        <source>Raw H.264 video files</source>
        <translation>原始 H.264 视频文件</translation>
    </message>
    <message>
        <source>Nullsoft Stream Video</source>
        <translation>Nullsoft Stream Video</translation>
    </message>
</context>
</TS>
