<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Talvenquist</source>
        <translation>Talvenquist について</translation>
    </message>
    <message>
        <source>Built with:</source>
        <translation>使用しているライブラリ:</translation>
    </message>
    <message>
        <source>Finds files and folders by name and contents.</source>
        <translation>名前と内容でファイルとフォルダーを検索します。</translation>
    </message>
    <message>
        <source>Build time: %1</source>
        <translation>ビルド日時: %1</translation>
    </message>
</context>
<context>
    <name>BackgroundTray</name>
    <message>
        <source>%1 is still running.</source>
        <translation>%1 は実行中です。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>New search</source>
        <translation>新しい検索</translation>
    </message>
    <message>
        <source>Index: ready</source>
        <translation>インデックス: 準備完了</translation>
    </message>
    <message>
        <source>Index: updating...</source>
        <translation>インデックス: 更新中...</translation>
    </message>
    <message>
        <source>Index: disabled</source>
        <translation>インデックス: 無効</translation>
    </message>
    <message>
        <source>Talvenquist v%1</source>
        <translation>Talvenquist v%1</translation>
    </message>
    <message>
        <source>Search Parameters</source>
        <translation>検索条件</translation>
    </message>
    <message>
        <source>Instant Search</source>
        <translation>インスタント検索</translation>
    </message>
    <message>
        <source>Export Results</source>
        <translation>結果のエクスポート</translation>
    </message>
    <message>
        <source>Comma separated</source>
        <translation>カンマ区切り</translation>
    </message>
</context>
<context>
    <name>MainWindowActions</name>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>ツール(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>言語(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>ツールバー</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>オプション(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;New Search</source>
        <translation>新しい検索(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Close Tab</source>
        <translation>タブを閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Next Tab</source>
        <translation>次のタブ(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Previous Tab</source>
        <translation>前のタブ(&amp;P)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>マニュアル(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Export Results...</source>
        <translation>結果のエクスポート(&amp;E)...</translation>
    </message>
    <message>
        <source>Duplicate search</source>
        <translation>検索を複製</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>元に戻す(&amp;R)</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>すべて選択(&amp;A)</translation>
    </message>
    <message>
        <source>Copy &amp;Name</source>
        <translation>名前をコピー(&amp;N)</translation>
    </message>
    <message>
        <source>Copy &amp;Full Name</source>
        <translation>フルネームをコピー(&amp;F)</translation>
    </message>
    <message>
        <source>Copy &amp;Path</source>
        <translation>パスをコピー(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Case sensitive</source>
        <translation>大文字と小文字を区別(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Substring</source>
        <translation>部分文字列(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Whole word</source>
        <translation>単語単位(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Regex</source>
        <translation>正規表現(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Boolean</source>
        <translation>論理式(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Search Parameters</source>
        <translation>検索条件(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>ツールバー(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Instant Search</source>
        <translation>インスタント検索(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Filter Bar</source>
        <translation>フィルターバー(&amp;F)</translation>
    </message>
</context>
<context>
    <name>PagesTabWidget</name>
    <message>
        <source>New tab</source>
        <translation>新しいタブ</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Close other tabs</source>
        <translation>他のタブを閉じる</translation>
    </message>
</context>
<context>
    <name>TabPage</name>
    <message>
        <source>Found: %1 objects in %2s</source>
        <translation>検出: %1 個のオブジェクト (%2 秒)</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>検索中...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
</context>
</TS>
