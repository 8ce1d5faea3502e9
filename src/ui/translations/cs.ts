<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Talvenquist</source>
        <translation>关于 Talvenquist</translation>
    </message>
    <message>
        <source>Built with:</source>
        <translation>构建所用组件：</translation>
    </message>
    <message>
        <source>Finds files and folders by name and contents.</source>
        <translation>按名称和内容查找文件和文件夹。</translation>
    </message>
    <message>
        <source>Build time: %1</source>
        <translation>构建时间：%1</translation>
    </message>
</context>
<context>
    <name>BackgroundTray</name>
    <message>
        <source>%1 is still running.</source>
        <translation>%1 仍在运行。</translation>
    </message>
</context>
<context>
    <name>Bytes (short)</name>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
</context>
<context>
    <name>EditCategoryDialog</name>
    <message>
        <source>Edit file category</source>
        <translation>编辑文件类别</translation>
    </message>
    <message>
        <source>File category name</source>
        <translation>文件类别名称</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>文件扩展名</translation>
    </message>
    <message>
        <source>Extensions without dots, separated by ";"</source>
        <translation>不带点的扩展名，用 ";" 分隔</translation>
    </message>
    <message>
        <source>File attributes</source>
        <translation>文件属性</translation>
    </message>
    <message>
        <source>File or Directory</source>
        <translation>文件或文件夹</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>隐藏</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>只读</translation>
    </message>
</context>
<context>
    <name>FileOperation</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>FilePreviewPage</name>
    <message>
        <source>Reading %1...</source>
        <translation>正在读取 %1...</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened.</source>
        <translation>无法打开文件 %1。</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB: only its first %1 MiB are shown.</source>
        <translation>文件大于 %1 MiB：仅显示前 %1 MiB。</translation>
    </message>
    <message>
        <source>Word Wrap</source>
        <translation>自动换行</translation>
    </message>
    <message>
        <source>File text</source>
        <translation>文件文本</translation>
    </message>
    <message>
        <source>Lines longer than %1 characters are cut.</source>
        <translation>超过 %1 个字符的行将被截断。</translation>
    </message>
</context>
<context>
    <name>FilePropertiesDialog</name>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n 个项目</numerusform>
        </translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>文件夹：</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>大小：</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>类型：</translation>
    </message>
    <message>
        <source>Created:</source>
        <translation>创建时间：</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>修改时间：</translation>
    </message>
    <message>
        <source>Accessed:</source>
        <translation>访问时间：</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>所有者：</translation>
    </message>
    <message>
        <source>Permissions:</source>
        <translation>权限：</translation>
    </message>
    <message>
        <source>Properties of %1</source>
        <translation>%1 的属性</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>属性</translation>
    </message>
</context>
<context>
    <name>FileTable</name>
    <message>
        <source>Reading file data and sorting...</source>
        <translation>正在读取文件数据并排序...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>排序</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>A name cannot contain "/" or be "." or "..".</source>
        <translation>名称不能包含 "/"，也不能是 "." 或 ".."。</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Cannot rename "%1" to "%2":
%3</source>
        <translation>无法将 "%1" 重命名为 "%2"：
%3</translation>
    </message>
</context>
<context>
    <name>FileTableColumns</name>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路径</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>创建时间</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>修改时间</translation>
    </message>
    <message>
        <source>Last Accessed</source>
        <translation>上次访问时间</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>匹配项</translation>
    </message>
</context>
<context>
    <name>FileTableView</name>
    <message>
        <source>Do you really want to sort %1 items?
Gathering data and sorting could take several minutes.</source>
        <translation>确实要对 %1 个项目排序吗？
收集数据和排序可能需要几分钟。</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>搜索结果</translation>
    </message>
</context>
<context>
    <name>FilterBar</name>
    <message>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>文档</translation>
    </message>
    <message>
        <source>Executable</source>
        <translation>可执行文件</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>音乐</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Customize...</source>
        <translation>自定义...</translation>
    </message>
    <message>
        <source>File categories</source>
        <translation>文件类别</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Not found</source>
        <translation>未找到</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>查找...</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一个</translation>
    </message>
    <message>
        <source>Find the next occurrence (F3)</source>
        <translation>查找下一处 (F3)</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>上一个</translation>
    </message>
    <message>
        <source>Find the previous occurrence (Shift+F3)</source>
        <translation>查找上一处 (Shift+F3)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>关闭查找栏 (Esc)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>Text to find</source>
        <translation>要查找的文本</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>区分大小写</translation>
    </message>
</context>
<context>
    <name>InstantToolBar</name>
    <message>
        <source>Insert a keyword</source>
        <translation>插入关键字</translation>
    </message>
    <message>
        <source>Edit the name list</source>
        <translation>编辑名称列表</translation>
    </message>
    <message>
        <source>Instant Search</source>
        <translation>即时搜索</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Expression type</source>
        <translation>表达式类型</translation>
    </message>
</context>
<context>
    <name>LocationPane</name>
    <message>
        <source>Location of the matches in the file</source>
        <translation>匹配项在文件中的位置</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>New search</source>
        <translation>新搜索</translation>
    </message>
    <message>
        <source>Index: ready</source>
        <translation>索引：就绪</translation>
    </message>
    <message>
        <source>Index: updating...</source>
        <translation>索引：正在更新...</translation>
    </message>
    <message>
        <source>Index: disabled</source>
        <translation>索引：已禁用</translation>
    </message>
    <message>
        <source>Talvenquist v%1</source>
        <translation>Talvenquist v%1</translation>
    </message>
    <message>
        <source>Search Parameters</source>
        <translation>搜索参数</translation>
    </message>
    <message>
        <source>Instant Search</source>
        <translation>即时搜索</translation>
    </message>
    <message>
        <source>Export Results</source>
        <translation>导出结果</translation>
    </message>
    <message>
        <source>Comma separated</source>
        <translation>逗号分隔</translation>
    </message>
    <message>
        <source>The results were exported to %1.</source>
        <translation>结果已导出到 %1。</translation>
    </message>
    <message>
        <source>The results could not be exported to %1.</source>
        <translation>无法将结果导出到 %1。</translation>
    </message>
    <message>
        <source>Index: service not running</source>
        <translation>索引: 服务未运行</translation>
    </message>
    <message>
        <source>The index service is not running: searches walk folders. Turn it on in Options, Indexing.</source>
        <translation>索引服务未运行: 搜索将逐个遍历文件夹。请在 选项 &gt; 索引 中启用它。</translation>
    </message>
    <message>
        <source>The index service took the change.</source>
        <translation>索引服务已接受更改。</translation>
    </message>
    <message>
        <source>The index service is not running: this window keeps an index of its own. Turn the service on in Options, Indexing.</source>
        <translation>索引服务未运行: 此窗口自行维护索引。请在 选项 &gt; 索引 中启用该服务。</translation>
    </message>
</context>
<context>
    <name>MainWindowActions</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>选项(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;New Search</source>
        <translation>新搜索(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Close Tab</source>
        <translation>关闭标签页(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Next Tab</source>
        <translation>下一个标签页(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Previous Tab</source>
        <translation>上一个标签页(&amp;P)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>手册(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Export Results...</source>
        <translation>导出结果(&amp;E)...</translation>
    </message>
    <message>
        <source>Duplicate search</source>
        <translation>复制搜索</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>还原(&amp;R)</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>全选(&amp;A)</translation>
    </message>
    <message>
        <source>Copy &amp;Name</source>
        <translation>复制名称(&amp;N)</translation>
    </message>
    <message>
        <source>Copy &amp;Full Name</source>
        <translation>复制完整名称(&amp;F)</translation>
    </message>
    <message>
        <source>Copy &amp;Path</source>
        <translation>复制路径(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Case sensitive</source>
        <translation>区分大小写(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Substring</source>
        <translation>子字符串(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Whole word</source>
        <translation>全字匹配(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Regex</source>
        <translation>正则表达式(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Boolean</source>
        <translation>布尔表达式(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Search Parameters</source>
        <translation>搜索参数(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Instant Search</source>
        <translation>即时搜索(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Filter Bar</source>
        <translation>筛选栏(&amp;F)</translation>
    </message>
    <message>
        <source>Move to T&amp;rash</source>
        <translation>移到回收站(&amp;M)</translation>
    </message>
</context>
<context>
    <name>MatchesTextView</name>
    <message>
        <source>Only the first %1 matches are shown.</source>
        <translation>仅显示前 %1 个匹配项。</translation>
    </message>
    <message>
        <source>Full line</source>
        <translation>整行</translation>
    </message>
    <message>
        <source>Matching lines</source>
        <translation>匹配的行</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Do you really want to clear search history?</source>
        <translation>确定要清除搜索历史吗？</translation>
    </message>
    <message>
        <source>File database path:</source>
        <translation>文件数据库路径：</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>页面</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Indexing</source>
        <translation>索引</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>File categories</source>
        <translation>文件类别</translation>
    </message>
    <message>
        <source>File handlers</source>
        <translation>文件处理程序</translation>
    </message>
    <message>
        <source>Indexing is unavailable when %1 is running without administrator permissions.</source>
        <translation>当 %1 未以管理员权限运行时，索引不可用。</translation>
    </message>
</context>
<context>
    <name>OptionsGeneral</name>
    <message>
        <source>Launch at system startup</source>
        <translation>系统启动时运行</translation>
    </message>
    <message>
        <source>Run in background</source>
        <translation>在后台运行</translation>
    </message>
    <message>
        <source>Integrate in a folder's context menu</source>
        <translation>集成到文件夹的右键菜单</translation>
    </message>
    <message>
        <source>Start without asking for the administrator password</source>
        <translation>启动时不询问管理员密码</translation>
    </message>
    <message>
        <source>Save searches in all tabs on exit</source>
        <translation>退出时保存所有标签页中的搜索</translation>
    </message>
    <message>
        <source>Clear search history</source>
        <translation>清除搜索历史</translation>
    </message>
</context>
<context>
    <name>OptionsIndexing</name>
    <message>
        <source>File database path:</source>
        <translation>文件数据库路径：</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>Rebuild</source>
        <translation>重建</translation>
    </message>
    <message>
        <source>Automatically index new fixed drives</source>
        <translation>自动为新的固定驱动器建立索引</translation>
    </message>
    <message>
        <source>Automatically index new removable drives</source>
        <translation>自动为新的可移动驱动器建立索引</translation>
    </message>
    <message>
        <source>Index the following volumes:</source>
        <translation>索引以下卷：</translation>
    </message>
    <message>
        <source>Mount point</source>
        <translation>挂载点</translation>
    </message>
    <message>
        <source>Objects count</source>
        <translation>对象数</translation>
    </message>
    <message>
        <source>Exclude paths:</source>
        <translation>排除路径：</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路径</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>文件系统</translation>
    </message>
    <message>
        <source>Keep an index of all volumes for all users (system service)</source>
        <translation>为所有用户保留所有卷的索引 (系统服务)</translation>
    </message>
</context>
<context>
    <name>OptionsPageCategories</name>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>扩展名</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>File categories</source>
        <translation>文件类别</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
</context>
<context>
    <name>OptionsPageFilters</name>
    <message>
        <source>This filter is disabled</source>
        <translation>此筛选器已禁用</translation>
    </message>
    <message>
        <source>Disable filter</source>
        <translation>禁用筛选器</translation>
    </message>
    <message>
        <source>Enable filters</source>
        <translation>启用筛选器</translation>
    </message>
    <message>
        <source>Document filters available on this computer.</source>
        <translation>此计算机上可用的文档筛选器。</translation>
    </message>
    <message>
        <source>32-bit</source>
        <translation>32 位</translation>
    </message>
    <message>
        <source>64-bit</source>
        <translation>64 位</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>扩展名</translation>
    </message>
    <message>
        <source>Handler name</source>
        <translation>处理程序名称</translation>
    </message>
</context>
<context>
    <name>OptionsSearch</name>
    <message>
        <source>Content search</source>
        <translation>内容搜索</translation>
    </message>
    <message>
        <source>Auto-detect encoding of files without BOM</source>
        <translation>自动检测无 BOM 文件的编码</translation>
    </message>
    <message>
        <source>Auto-detect and skip binary files from content searches</source>
        <translation>自动检测并在内容搜索中跳过二进制文件</translation>
    </message>
    <message>
        <source>Use built-in PDF converter</source>
        <translation>使用内置 PDF 转换器</translation>
    </message>
    <message>
        <source>Search as you type</source>
        <translation>边输入边搜索</translation>
    </message>
</context>
<context>
    <name>PagesTabWidget</name>
    <message>
        <source>New tab</source>
        <translation>新标签页</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Close other tabs</source>
        <translation>关闭其他标签页</translation>
    </message>
</context>
<context>
    <name>PreviewTabWidget</name>
    <message>
        <source>Matches</source>
        <translation>匹配项</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
</context>
<context>
    <name>RichComboBox</name>
    <message>
        <source>And</source>
        <translation>与</translation>
    </message>
    <message>
        <source>Or</source>
        <translation>或</translation>
    </message>
    <message>
        <source>Not</source>
        <translation>非</translation>
    </message>
</context>
<context>
    <name>SearchWindow</name>
    <message>
        <source>Search Parameters</source>
        <translation>搜索参数</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>文件名：</translation>
    </message>
    <message>
        <source>Expression type:</source>
        <translation>表达式类型：</translation>
    </message>
    <message>
        <source>Scope:</source>
        <translation>范围：</translation>
    </message>
    <message>
        <source>and</source>
        <translation>和</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>区分大小写</translation>
    </message>
    <message>
        <source>In directory</source>
        <translation>在文件夹中</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>包括子文件夹</translation>
    </message>
    <message>
        <source>In contents</source>
        <translation>在内容中</translation>
    </message>
    <message>
        <source>Modified between</source>
        <translation>修改时间介于</translation>
    </message>
    <message>
        <source>Size range</source>
        <translation>大小范围</translation>
    </message>
    <message>
        <source>Show advanced options</source>
        <translation>显示高级选项</translation>
    </message>
    <message>
        <source>Substring</source>
        <translation>子字符串</translation>
    </message>
    <message>
        <source>Whole word</source>
        <translation>全字匹配</translation>
    </message>
    <message>
        <source>Regex</source>
        <translation>正则表达式</translation>
    </message>
    <message>
        <source>Boolean</source>
        <translation>布尔表达式</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>行</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>File name expression type</source>
        <translation>文件名表达式类型</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Contents text</source>
        <translation>内容文本</translation>
    </message>
    <message>
        <source>Contents expression type</source>
        <translation>内容表达式类型</translation>
    </message>
    <message>
        <source>Scope</source>
        <translation>范围</translation>
    </message>
    <message>
        <source>Modified on or after</source>
        <translation>修改日期不早于</translation>
    </message>
    <message>
        <source>Modified on or before</source>
        <translation>修改日期不晚于</translation>
    </message>
    <message>
        <source>Minimum size</source>
        <translation>最小大小</translation>
    </message>
    <message>
        <source>Maximum size</source>
        <translation>最大大小</translation>
    </message>
    <message>
        <source>Size unit</source>
        <translation>大小单位</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>搜索进度</translation>
    </message>
    <message>
        <source>Edit the folder list</source>
        <translation>编辑文件夹列表</translation>
    </message>
    <message>
        <source>Insert a keyword</source>
        <translation>插入关键字</translation>
    </message>
    <message>
        <source>Edit the file name list</source>
        <translation>编辑文件名列表</translation>
    </message>
    <message>
        <source>Edit the contents list</source>
        <translation>编辑内容列表</translation>
    </message>
</context>
<context>
    <name>SelectFileNamesDialog</name>
    <message>
        <source>Select contents text</source>
        <translation>选择内容文本</translation>
    </message>
    <message>
        <source>Include text:</source>
        <translation>包含的文本：</translation>
    </message>
    <message>
        <source>Exclude text:</source>
        <translation>排除的文本：</translation>
    </message>
    <message>
        <source>Select file names</source>
        <translation>选择文件名</translation>
    </message>
    <message>
        <source>Include file names:</source>
        <translation>包含的文件名：</translation>
    </message>
    <message>
        <source>Exclude file names:</source>
        <translation>排除的文件名：</translation>
    </message>
</context>
<context>
    <name>SelectPathsDialog</name>
    <message>
        <source>Select folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Select folders</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Include folder list:</source>
        <translation>包含的文件夹：</translation>
    </message>
    <message>
        <source>Exclude folder list:</source>
        <translation>排除的文件夹：</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>Add a folder to include</source>
        <translation>添加要包含的文件夹</translation>
    </message>
    <message>
        <source>Add a folder to exclude</source>
        <translation>添加要排除的文件夹</translation>
    </message>
</context>
<context>
    <name>ShellContextMenu</name>
    <message>
        <source>Open file location</source>
        <translation>打开文件位置</translation>
    </message>
    <message>
        <source>Copy full name</source>
        <translation>复制完整名称</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>重命名(&amp;R)...</translation>
    </message>
    <message>
        <source>Move to T&amp;rash</source>
        <translation>移到回收站(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>属性(&amp;P)</translation>
    </message>
    <message>
        <source>Open &amp;With</source>
        <translation>打开方式(&amp;W)</translation>
    </message>
</context>
<context>
    <name>ShellUtils</name>
    <message numerus="yes">
        <source>Do you really want to delete %n item(s) permanently? This cannot be undone.</source>
        <translation>
            <numerusform>确定要永久删除 %n 个项目吗？此操作无法撤消。</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleting...</source>
        <translation>正在删除...</translation>
    </message>
    <message>
        <source>These items could not be deleted:</source>
        <translation>无法删除以下项目：</translation>
    </message>
    <message>
        <source>Moving to the trash...</source>
        <translation>正在移到回收站...</translation>
    </message>
    <message>
        <source>The desktop session could not be reached.</source>
        <translation>无法连接到桌面会话。</translation>
    </message>
    <message>
        <source>It is still there.</source>
        <translation>它仍然存在。</translation>
    </message>
    <message>
        <source>These items could not be moved to the trash:</source>
        <translation>无法将以下项目移到回收站：</translation>
    </message>
</context>
<context>
    <name>TabPage</name>
    <message>
        <source>Found: %1 objects in %2s</source>
        <translation>已找到：%1 个对象，用时 %2 秒</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>正在搜索...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Substring</source>
        <translation>子字符串</translation>
    </message>
    <message>
        <source>Whole word</source>
        <translation>全字匹配</translation>
    </message>
    <message>
        <source>Regex</source>
        <translation>正则表达式</translation>
    </message>
    <message>
        <source>Boolean</source>
        <translation>布尔表达式</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>区分大小写</translation>
    </message>
    <message>
        <source>(incomplete: the search could not look everywhere)</source>
        <translation>(不完整: 搜索未能查遍所有位置)</translation>
    </message>
</context>
<context>
    <name>TaskScheduler</name>
    <message>
        <source>Search with %1...</source>
        <translation>使用 %1 搜索...</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>There is no trash for it on its file system.</source>
        <translation>其文件系统上没有回收站。</translation>
    </message>
    <message>
        <source>Its owner (user %1) has no home folder to keep a trash in.</source>
        <translation>其所有者（用户 %1）没有可存放回收站的主文件夹。</translation>
    </message>
    <message>
        <source>Only an administrator may use another user's trash.</source>
        <translation>只有管理员可以使用其他用户的回收站。</translation>
    </message>
</context>
<context>
    <name>IndexServiceAdmin</name>
    <message>
        <source>This computer does not run systemd, so the index service cannot be turned on here.</source>
        <translation>此计算机未运行 systemd, 因此无法在此启用索引服务。</translation>
    </message>
    <message>
        <source>pkexec could not be started.</source>
        <translation>无法启动 pkexec。</translation>
    </message>
    <message>
        <source>The task run with administrator rights ended unexpectedly.</source>
        <translation>以管理员权限运行的任务意外结束。</translation>
    </message>
    <message>
        <source>The administrator password was not given.</source>
        <translation>未提供管理员密码。</translation>
    </message>
    <message>
        <source>The index service refused the change; the log says why.</source>
        <translation>索引服务拒绝了更改; 原因见日志。</translation>
    </message>
</context>
</TS>
