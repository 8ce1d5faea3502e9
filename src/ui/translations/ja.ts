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
        <translation>ファイル分類の編集</translation>
    </message>
    <message>
        <source>File category name</source>
        <translation>分類名</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>拡張子</translation>
    </message>
    <message>
        <source>Extensions without dots, separated by ";"</source>
        <translation>ドットなしの拡張子を ";" で区切って</translation>
    </message>
    <message>
        <source>File attributes</source>
        <translation>ファイル属性</translation>
    </message>
    <message>
        <source>File or Directory</source>
        <translation>ファイルまたはフォルダー</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>隠しファイル</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>読み取り専用</translation>
    </message>
</context>
<context>
    <name>FileOperation</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>FilePreviewPage</name>
    <message>
        <source>Reading %1...</source>
        <translation>%1 を読み込み中...</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened.</source>
        <translation>ファイル %1 を開けません。</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB: only its first %1 MiB are shown.</source>
        <translation>ファイルが %1 MiB を超えています: 先頭の %1 MiB のみ表示します。</translation>
    </message>
    <message>
        <source>Word Wrap</source>
        <translation>折り返し</translation>
    </message>
    <message>
        <source>File text</source>
        <translation>ファイルのテキスト</translation>
    </message>
    <message>
        <source>Lines longer than %1 characters are cut.</source>
        <translation>%1 文字を超える行は切り詰められます。</translation>
    </message>
</context>
<context>
    <name>FilePropertiesDialog</name>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n 個の項目</numerusform>
        </translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名前:</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>フォルダー:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>サイズ:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類:</translation>
    </message>
    <message>
        <source>Created:</source>
        <translation>作成日時:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>更新日時:</translation>
    </message>
    <message>
        <source>Accessed:</source>
        <translation>アクセス日時:</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>所有者:</translation>
    </message>
    <message>
        <source>Permissions:</source>
        <translation>アクセス許可:</translation>
    </message>
    <message>
        <source>Properties of %1</source>
        <translation>%1 のプロパティ</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>プロパティ</translation>
    </message>
</context>
<context>
    <name>FileTable</name>
    <message>
        <source>Reading file data and sorting...</source>
        <translation>ファイル情報を読み込んで並べ替え中...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>並べ替え</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>A name cannot contain "/" or be "." or "..".</source>
        <translation>名前に "/" を含めることはできず、"." や ".." にもできません。</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前の変更</translation>
    </message>
    <message>
        <source>Cannot rename "%1" to "%2":
%3</source>
        <translation>"%1" を "%2" に名前変更できません:
%3</translation>
    </message>
</context>
<context>
    <name>FileTableColumns</name>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>パス</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>作成日時</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>更新日時</translation>
    </message>
    <message>
        <source>Last Accessed</source>
        <translation>最終アクセス</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>一致</translation>
    </message>
</context>
<context>
    <name>FileTableView</name>
    <message>
        <source>Do you really want to sort %1 items?
Gathering data and sorting could take several minutes.</source>
        <translation>%1 個の項目を並べ替えますか?
データの収集と並べ替えには数分かかることがあります。</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>検索結果</translation>
    </message>
</context>
<context>
    <name>FilterBar</name>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>ドキュメント</translation>
    </message>
    <message>
        <source>Executable</source>
        <translation>実行ファイル</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>音楽</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>ビデオ</translation>
    </message>
    <message>
        <source>Customize...</source>
        <translation>カスタマイズ...</translation>
    </message>
    <message>
        <source>File categories</source>
        <translation>ファイルの分類</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Not found</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>検索...</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Find the next occurrence (F3)</source>
        <translation>次を検索 (F3)</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>前へ</translation>
    </message>
    <message>
        <source>Find the previous occurrence (Shift+F3)</source>
        <translation>前を検索 (Shift+F3)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>検索バーを閉じる (Esc)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Text to find</source>
        <translation>検索するテキスト</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>大文字と小文字を区別</translation>
    </message>
</context>
<context>
    <name>InstantToolBar</name>
    <message>
        <source>Insert a keyword</source>
        <translation>キーワードを挿入</translation>
    </message>
    <message>
        <source>Edit the name list</source>
        <translation>名前の一覧を編集</translation>
    </message>
    <message>
        <source>Instant Search</source>
        <translation>インスタント検索</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Expression type</source>
        <translation>式の種類</translation>
    </message>
</context>
<context>
    <name>LocationPane</name>
    <message>
        <source>Location of the matches in the file</source>
        <translation>ファイル内の一致の位置</translation>
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
    <message>
        <source>The results were exported to %1.</source>
        <translation>結果を %1 にエクスポートしました。</translation>
    </message>
    <message>
        <source>The results could not be exported to %1.</source>
        <translation>結果を %1 にエクスポートできませんでした。</translation>
    </message>
    <message>
        <source>Index: service not running</source>
        <translation>インデックス: サービスが停止しています</translation>
    </message>
    <message>
        <source>The index service is not running: searches walk folders. Turn it on in Options, Indexing.</source>
        <translation>インデックス サービスが停止しています: 検索はフォルダーを順にたどります。[オプション] の [インデックス作成] でオンにしてください。</translation>
    </message>
    <message>
        <source>The index service took the change.</source>
        <translation>インデックス サービスが変更を受け付けました。</translation>
    </message>
    <message>
        <source>The index service is not running: this window keeps an index of its own. Turn the service on in Options, Indexing.</source>
        <translation>インデックス サービスが停止しています: このウィンドウは独自のインデックスを保持します。[オプション] の [インデックス作成] でサービスをオンにしてください。</translation>
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
    <message>
        <source>Move to T&amp;rash</source>
        <translation>ゴミ箱に移動(&amp;M)</translation>
    </message>
</context>
<context>
    <name>MatchesTextView</name>
    <message>
        <source>Only the first %1 matches are shown.</source>
        <translation>最初の %1 件の一致のみ表示しています。</translation>
    </message>
    <message>
        <source>Full line</source>
        <translation>行全体</translation>
    </message>
    <message>
        <source>Matching lines</source>
        <translation>一致した行</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Do you really want to clear search history?</source>
        <translation>検索履歴を消去してもよろしいですか?</translation>
    </message>
    <message>
        <source>File database path:</source>
        <translation>ファイル データベースのパス:</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>ページ</translation>
    </message>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>Indexing</source>
        <translation>インデックス作成</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>File categories</source>
        <translation>ファイル カテゴリ</translation>
    </message>
    <message>
        <source>File handlers</source>
        <translation>ファイル ハンドラー</translation>
    </message>
    <message>
        <source>Indexing is unavailable when %1 is running without administrator permissions.</source>
        <translation>%1 が管理者権限なしで実行されている場合、インデックス作成は利用できません。</translation>
    </message>
</context>
<context>
    <name>OptionsGeneral</name>
    <message>
        <source>Launch at system startup</source>
        <translation>システム起動時に起動する</translation>
    </message>
    <message>
        <source>Run in background</source>
        <translation>バックグラウンドで実行する</translation>
    </message>
    <message>
        <source>Integrate in a folder's context menu</source>
        <translation>フォルダーのコンテキスト メニューに統合する</translation>
    </message>
    <message>
        <source>Start without asking for the administrator password</source>
        <translation>管理者パスワードを尋ねずに起動する</translation>
    </message>
    <message>
        <source>Save searches in all tabs on exit</source>
        <translation>終了時にすべてのタブの検索を保存する</translation>
    </message>
    <message>
        <source>Clear search history</source>
        <translation>検索履歴を消去</translation>
    </message>
</context>
<context>
    <name>OptionsIndexing</name>
    <message>
        <source>File database path:</source>
        <translation>ファイル データベースのパス:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <source>Rebuild</source>
        <translation>再構築</translation>
    </message>
    <message>
        <source>Automatically index new fixed drives</source>
        <translation>新しい固定ドライブを自動的にインデックスに追加する</translation>
    </message>
    <message>
        <source>Automatically index new removable drives</source>
        <translation>新しいリムーバブル ドライブを自動的にインデックスに追加する</translation>
    </message>
    <message>
        <source>Index the following volumes:</source>
        <translation>次のボリュームをインデックスする:</translation>
    </message>
    <message>
        <source>Mount point</source>
        <translation>マウントポイント</translation>
    </message>
    <message>
        <source>Objects count</source>
        <translation>オブジェクト数</translation>
    </message>
    <message>
        <source>Exclude paths:</source>
        <translation>除外するパス:</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>パス</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>ファイルシステム</translation>
    </message>
    <message>
        <source>Keep an index of all volumes for all users (system service)</source>
        <translation>すべてのユーザーのためにすべてのボリュームのインデックスを保持する (システム サービス)</translation>
    </message>
</context>
<context>
    <name>OptionsPageCategories</name>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>拡張子</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>File categories</source>
        <translation>ファイル カテゴリ</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上へ</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下へ</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
</context>
<context>
    <name>OptionsPageFilters</name>
    <message>
        <source>This filter is disabled</source>
        <translation>このフィルターは無効です</translation>
    </message>
    <message>
        <source>Disable filter</source>
        <translation>フィルターを無効にする</translation>
    </message>
    <message>
        <source>Enable filters</source>
        <translation>フィルターを有効にする</translation>
    </message>
    <message>
        <source>Document filters available on this computer.</source>
        <translation>このコンピューターで使用できるドキュメントフィルター。</translation>
    </message>
    <message>
        <source>32-bit</source>
        <translation>32 ビット</translation>
    </message>
    <message>
        <source>64-bit</source>
        <translation>64 ビット</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>拡張子</translation>
    </message>
    <message>
        <source>Handler name</source>
        <translation>ハンドラー名</translation>
    </message>
</context>
<context>
    <name>OptionsSearch</name>
    <message>
        <source>Content search</source>
        <translation>内容の検索</translation>
    </message>
    <message>
        <source>Auto-detect encoding of files without BOM</source>
        <translation>BOM のないファイルのエンコードを自動検出する</translation>
    </message>
    <message>
        <source>Auto-detect and skip binary files from content searches</source>
        <translation>バイナリ ファイルを自動検出して内容の検索から除外する</translation>
    </message>
    <message>
        <source>Use built-in PDF converter</source>
        <translation>内蔵の PDF コンバーターを使用する</translation>
    </message>
    <message>
        <source>Search as you type</source>
        <translation>入力しながら検索</translation>
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
    <name>PreviewTabWidget</name>
    <message>
        <source>Matches</source>
        <translation>一致</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
</context>
<context>
    <name>RichComboBox</name>
    <message>
        <source>And</source>
        <translation>かつ</translation>
    </message>
    <message>
        <source>Or</source>
        <translation>または</translation>
    </message>
    <message>
        <source>Not</source>
        <translation>否定</translation>
    </message>
</context>
<context>
    <name>SearchWindow</name>
    <message>
        <source>Search Parameters</source>
        <translation>検索条件</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>ファイル名:</translation>
    </message>
    <message>
        <source>Expression type:</source>
        <translation>式の種類:</translation>
    </message>
    <message>
        <source>Scope:</source>
        <translation>範囲:</translation>
    </message>
    <message>
        <source>and</source>
        <translation>～</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>大文字と小文字を区別</translation>
    </message>
    <message>
        <source>In directory</source>
        <translation>フォルダー内</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>サブフォルダーを含める</translation>
    </message>
    <message>
        <source>In contents</source>
        <translation>内容に</translation>
    </message>
    <message>
        <source>Modified between</source>
        <translation>更新日時の範囲</translation>
    </message>
    <message>
        <source>Size range</source>
        <translation>サイズの範囲</translation>
    </message>
    <message>
        <source>Show advanced options</source>
        <translation>詳細オプションを表示</translation>
    </message>
    <message>
        <source>Substring</source>
        <translation>部分文字列</translation>
    </message>
    <message>
        <source>Whole word</source>
        <translation>単語単位</translation>
    </message>
    <message>
        <source>Regex</source>
        <translation>正規表現</translation>
    </message>
    <message>
        <source>Boolean</source>
        <translation>論理式</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
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
        <translation>検索</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>File name expression type</source>
        <translation>ファイル名の式の種類</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Contents text</source>
        <translation>内容のテキスト</translation>
    </message>
    <message>
        <source>Contents expression type</source>
        <translation>内容の式の種類</translation>
    </message>
    <message>
        <source>Scope</source>
        <translation>範囲</translation>
    </message>
    <message>
        <source>Modified on or after</source>
        <translation>この日以降に更新</translation>
    </message>
    <message>
        <source>Modified on or before</source>
        <translation>この日以前に更新</translation>
    </message>
    <message>
        <source>Minimum size</source>
        <translation>最小サイズ</translation>
    </message>
    <message>
        <source>Maximum size</source>
        <translation>最大サイズ</translation>
    </message>
    <message>
        <source>Size unit</source>
        <translation>サイズの単位</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>検索の進行状況</translation>
    </message>
    <message>
        <source>Edit the folder list</source>
        <translation>フォルダーの一覧を編集</translation>
    </message>
    <message>
        <source>Insert a keyword</source>
        <translation>キーワードを挿入</translation>
    </message>
    <message>
        <source>Edit the file name list</source>
        <translation>ファイル名の一覧を編集</translation>
    </message>
    <message>
        <source>Edit the contents list</source>
        <translation>内容の一覧を編集</translation>
    </message>
</context>
<context>
    <name>SelectFileNamesDialog</name>
    <message>
        <source>Select contents text</source>
        <translation>内容テキストの選択</translation>
    </message>
    <message>
        <source>Include text:</source>
        <translation>含めるテキスト:</translation>
    </message>
    <message>
        <source>Exclude text:</source>
        <translation>除外するテキスト:</translation>
    </message>
    <message>
        <source>Select file names</source>
        <translation>ファイル名の選択</translation>
    </message>
    <message>
        <source>Include file names:</source>
        <translation>含めるファイル名:</translation>
    </message>
    <message>
        <source>Exclude file names:</source>
        <translation>除外するファイル名:</translation>
    </message>
</context>
<context>
    <name>SelectPathsDialog</name>
    <message>
        <source>Select folder</source>
        <translation>フォルダーの選択</translation>
    </message>
    <message>
        <source>Select folders</source>
        <translation>フォルダーの選択</translation>
    </message>
    <message>
        <source>Include folder list:</source>
        <translation>含めるフォルダー:</translation>
    </message>
    <message>
        <source>Exclude folder list:</source>
        <translation>除外するフォルダー:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <source>Add a folder to include</source>
        <translation>含めるフォルダーを追加</translation>
    </message>
    <message>
        <source>Add a folder to exclude</source>
        <translation>除外するフォルダーを追加</translation>
    </message>
</context>
<context>
    <name>ShellContextMenu</name>
    <message>
        <source>Open file location</source>
        <translation>ファイルの場所を開く</translation>
    </message>
    <message>
        <source>Copy full name</source>
        <translation>フルネームをコピー</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開く(&amp;O)</translation>
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
        <source>&amp;Rename...</source>
        <translation>名前の変更(&amp;R)...</translation>
    </message>
    <message>
        <source>Move to T&amp;rash</source>
        <translation>ゴミ箱に移動(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>プロパティ(&amp;P)</translation>
    </message>
    <message>
        <source>Open &amp;With</source>
        <translation>プログラムから開く(&amp;W)</translation>
    </message>
</context>
<context>
    <name>ShellUtils</name>
    <message numerus="yes">
        <source>Do you really want to delete %n item(s) permanently? This cannot be undone.</source>
        <translation>
            <numerusform>%n 個の項目を完全に削除してもよろしいですか? この操作は元に戻せません。</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleting...</source>
        <translation>削除しています...</translation>
    </message>
    <message>
        <source>These items could not be deleted:</source>
        <translation>次の項目を削除できませんでした:</translation>
    </message>
    <message>
        <source>Moving to the trash...</source>
        <translation>ゴミ箱に移動しています...</translation>
    </message>
    <message>
        <source>The desktop session could not be reached.</source>
        <translation>デスクトップ セッションに接続できませんでした。</translation>
    </message>
    <message>
        <source>It is still there.</source>
        <translation>まだ存在しています。</translation>
    </message>
    <message>
        <source>These items could not be moved to the trash:</source>
        <translation>次の項目をゴミ箱に移動できませんでした:</translation>
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
    <message>
        <source>Substring</source>
        <translation>部分文字列</translation>
    </message>
    <message>
        <source>Whole word</source>
        <translation>単語単位</translation>
    </message>
    <message>
        <source>Regex</source>
        <translation>正規表現</translation>
    </message>
    <message>
        <source>Boolean</source>
        <translation>論理式</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>大文字と小文字を区別</translation>
    </message>
    <message>
        <source>(incomplete: the search could not look everywhere)</source>
        <translation>(不完全: 検索はすべての場所を調べられませんでした)</translation>
    </message>
</context>
<context>
    <name>TaskScheduler</name>
    <message>
        <source>Search with %1...</source>
        <translation>%1 で検索...</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>There is no trash for it on its file system.</source>
        <translation>そのファイルシステムにはゴミ箱がありません。</translation>
    </message>
    <message>
        <source>Its owner (user %1) has no home folder to keep a trash in.</source>
        <translation>所有者 (ユーザー %1) にはゴミ箱を置くホームフォルダーがありません。</translation>
    </message>
    <message>
        <source>Only an administrator may use another user's trash.</source>
        <translation>他のユーザーのゴミ箱を使えるのは管理者だけです。</translation>
    </message>
</context>
<context>
    <name>IndexServiceAdmin</name>
    <message>
        <source>This computer does not run systemd, so the index service cannot be turned on here.</source>
        <translation>このコンピューターは systemd で動作していないため、ここではインデックス サービスをオンにできません。</translation>
    </message>
    <message>
        <source>pkexec could not be started.</source>
        <translation>pkexec を起動できませんでした。</translation>
    </message>
    <message>
        <source>The task run with administrator rights ended unexpectedly.</source>
        <translation>管理者権限で実行したタスクが予期せず終了しました。</translation>
    </message>
    <message>
        <source>The administrator password was not given.</source>
        <translation>管理者パスワードが入力されませんでした。</translation>
    </message>
    <message>
        <source>The index service refused the change; the log says why.</source>
        <translation>インデックス サービスが変更を拒否しました。理由はログにあります。</translation>
    </message>
</context>
</TS>
