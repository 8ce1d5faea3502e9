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
</context>
</TS>
