<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja_JP">
<context>
    <name>AboutBox</name>
    <message>
        <source>ISPLN について</source>
        <translation>About ISPLN</translation>
    </message>
    <message>
        <source>Tidemark の島の計画ツール

Copyright (c) the ISPLN developers
MIT ライセンスの下で配布されています。

Qt %1 (ビルド時 Qt %2)</source>
        <translation>An island planner for Tidemark

Copyright (c) the ISPLN developers
Distributed under the MIT licence.

Qt %1 (built with Qt %2)</translation>
    </message>
</context>
<context>
    <name>CatalogueEditor</name>
    <message>
        <source> と </source>
        <translation> and </translation>
    </message>
    <message>
        <source>コード </source>
        <translation>Code </translation>
    </message>
    <message>
        <source>地形</source>
        <translation>Terrain</translation>
    </message>
    <message>
        <source>人口</source>
        <translation>Population</translation>
    </message>
    <message>
        <source>農業</source>
        <translation>Farming</translation>
    </message>
    <message>
        <source>工業</source>
        <translation>Industry</translation>
    </message>
    <message>
        <source>資金</source>
        <translation>Funds</translation>
    </message>
    <message>
        <source>軍事</source>
        <translation>Military</translation>
    </message>
</context>
<context>
    <name>FigureCommands</name>
    <message>
        <source>パネル名	最小値	最大値	合計	個数
</source>
        <translation>Panel	Min	Max	Total	Count
</translation>
    </message>
</context>
<context>
    <name>FigureList</name>
    <message>
        <source>人口</source>
        <translation>Population</translation>
    </message>
    <message>
        <source>面積</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>資金増加量</source>
        <translation>Funds gain</translation>
    </message>
    <message>
        <source>食料増加量</source>
        <translation>Food gain</translation>
    </message>
    <message>
        <source>農業</source>
        <translation>Farming</translation>
    </message>
    <message>
        <source>工業</source>
        <translation>Industry</translation>
    </message>
    <message>
        <source>採掘場</source>
        <translation>Mines</translation>
    </message>
    <message>
        <source>労働者</source>
        <translation>Workers</translation>
    </message>
    <message>
        <source>失業者</source>
        <translation>Jobless</translation>
    </message>
    <message>
        <source>ミサイル数</source>
        <translation>Missiles</translation>
    </message>
</context>
<context>
    <name>GuardedApplication</name>
    <message>
        <source>原因不明のエラーが発生しました。</source>
        <translation>An unknown error occurred.</translation>
    </message>
    <message>
        <source>起動できませんでした。
%1</source>
        <translation>ISPLN could not start.
%1</translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <source>戻る</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>進む</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>上書き保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>読み込み</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>パネルクリア</source>
        <translation>Clear panels</translation>
    </message>
    <message>
        <source>マスククリア</source>
        <translation>Clear masks</translation>
    </message>
    <message>
        <source>ALLクリア</source>
        <translation>Clear all</translation>
    </message>
    <message>
        <source>拡大</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>縮小</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>等倍 (100%)</source>
        <translation>Actual size (100%)</translation>
    </message>
    <message>
        <source>画像をコピー</source>
        <translation>Copy picture</translation>
    </message>
    <message>
        <source>新規</source>
        <translation>New</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>切り取り</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>段階を上げる</source>
        <translation>Raise level</translation>
    </message>
    <message>
        <source>段階を下げる</source>
        <translation>Lower level</translation>
    </message>
    <message>
        <source>選択の数値を上げる</source>
        <translation>Raise selected values</translation>
    </message>
    <message>
        <source>選択の数値を下げる</source>
        <translation>Lower selected values</translation>
    </message>
    <message>
        <source>選択の数値を最大に</source>
        <translation>Selected values to maximum</translation>
    </message>
    <message>
        <source>選択の数値を 0 に</source>
        <translation>Selected values to 0</translation>
    </message>
    <message>
        <source>数値表示</source>
        <translation>Show values</translation>
    </message>
    <message>
        <source>画像保存</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>パネル設定</source>
        <translation>Panels...</translation>
    </message>
    <message>
        <source>サイズ変更</source>
        <translation>Map size</translation>
    </message>
    <message>
        <source>System設定</source>
        <translation>System...</translation>
    </message>
    <message>
        <source>擬似ＭＡＰ</source>
        <translation>Map code</translation>
    </message>
    <message>
        <source>ライン</source>
        <translation>Lines</translation>
    </message>
    <message>
        <source>マスク表示</source>
        <translation>Show masks</translation>
    </message>
    <message>
        <source>自動入力</source>
        <translation>Figures</translation>
    </message>
    <message>
        <source>個別情報</source>
        <translation>Breakdown</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>メニューバー</source>
        <translation>Menu bar</translation>
    </message>
    <message>
        <source>キー一覧</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>ISPLN について</source>
        <translation>About ISPLN</translation>
    </message>
    <message>
        <source>右に回す (60°)</source>
        <translation>Turn right (60°)</translation>
    </message>
    <message>
        <source>左に回す (60°)</source>
        <translation>Turn left (60°)</translation>
    </message>
    <message>
        <source>左右反転</source>
        <translation>Mirror left-right</translation>
    </message>
    <message>
        <source>上下反転</source>
        <translation>Mirror top-bottom</translation>
    </message>
    <message>
        <source>スタンプとして保存</source>
        <translation>Save as stamp</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>ツール(&amp;T)</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>≡</source>
        <translation>≡</translation>
    </message>
    <message>
        <source>メニュー</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>地図: カーソル移動</source>
        <translation>Map: move the cursor</translation>
    </message>
    <message>
        <source>地図: 行の端へ</source>
        <translation>Map: to the end of the row</translation>
    </message>
    <message>
        <source>地図: 上端・下端の行へ</source>
        <translation>Map: to the top or bottom row</translation>
    </message>
    <message>
        <source>地図: ツールを使う (直線・矩形・範囲選択は始点と終点)</source>
        <translation>Map: use the tool (line, rectangle and selection: start and end)</translation>
    </message>
    <message>
        <source>地図: 右ボタンとして使う</source>
        <translation>Map: as the right button</translation>
    </message>
    <message>
        <source>キー一覧</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>操作</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>キー</source>
        <translation>Keys</translation>
    </message>
</context>
<context>
    <name>MainStatus</name>
    <message>
        <source>復元用ファイルを書き込めません: </source>
        <translation>Cannot write the recovery file: </translation>
    </message>
    <message>
        <source>%1 は他で変更されています</source>
        <translation>%1 was changed elsewhere</translation>
    </message>
    <message>
        <source> は他で変更されています</source>
        <translation> was changed elsewhere</translation>
    </message>
    <message>
        <source>復元用ファイルを読み込めません: </source>
        <translation>Cannot read the recovery file: </translation>
    </message>
</context>
<context>
    <name>MapFileDialogs</name>
    <message>
        <source>指定されたファイルはISPLNファイルではありませんでした。</source>
        <translation>The file is not an ISPLN file.</translation>
    </message>
    <message>
        <source>指定されたファイルがありませんでした。</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>Tidemark擬似Map 保存</source>
        <translation>Save Tidemark map</translation>
    </message>
    <message>
        <source>Tidemark擬似Map 読み込み</source>
        <translation>Open Tidemark map</translation>
    </message>
    <message>
        <source>Tidemark擬似Map (*.kpl)</source>
        <translation>Tidemark map (*.kpl)</translation>
    </message>
    <message>
        <source>ALL (*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>%1 は見つかりません</source>
        <translation>%1 was not found</translation>
    </message>
    <message>
        <source>
%1 を一覧から外しました</source>
        <translation>
%1 was taken off the list</translation>
    </message>
    <message>
        <source>Tidemark擬似Map 画像保存</source>
        <translation>Save Tidemark map picture</translation>
    </message>
    <message>
        <source>PNG画像 (*.png)</source>
        <translation>PNG picture (*.png)</translation>
    </message>
    <message>
        <source>%1 に書き込めません: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
</context>
<context>
    <name>MapKeyCursor</name>
    <message>
        <source>地図</source>
        <translation>Map</translation>
    </message>
</context>
<context>
    <name>MapSession</name>
    <message>
        <source>コードの %1 マスは地図に入りませんでした</source>
        <translation>%1 cells of the code did not fit on the map</translation>
    </message>
</context>
<context>
    <name>MapTools</name>
    <message>
        <source>クリック</source>
        <translation>Click</translation>
    </message>
    <message>
        <source>ブラシ</source>
        <translation>Brush</translation>
    </message>
    <message>
        <source>直線</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>塗りつぶし</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>範囲選択</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>  段階 %1</source>
        <translation>  level %1</translation>
    </message>
    <message>
        <source>  %1 × %2</source>
        <translation>  %1 × %2</translation>
    </message>
</context>
<context>
    <name>MapZoom</name>
    <message>
        <source>表示倍率</source>
        <translation>Zoom</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>地図の変更が保存されていません。保存しますか？</source>
        <translation>The changes to the map are not saved. Save them?</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>保存しない</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>保存されていない地図が残っています。復元しますか？</source>
        <translation>Unsaved maps were left behind. Recover them?</translation>
    </message>
    <message>
        <source>(復元・破棄は ▶ の地図について)</source>
        <translation>(Recover and Discard act on the map marked ▶)</translation>
    </message>
    <message>
        <source>復元</source>
        <translation>Recover</translation>
    </message>
    <message>
        <source>破棄</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>isplan.ini のパネル設定は別のウィンドウでも変更されています。このウィンドウの設定で上書きしますか？</source>
        <translation>The panel settings in isplan.ini were also changed in another window. Overwrite them with this window&apos;s settings?</translation>
    </message>
    <message>
        <source> (上書きしません)</source>
        <translation> (not overwritten)</translation>
    </message>
    <message>
        <source>

同じコードの種類は擬似ＭＡＰの Set で一つの種類になります。</source>
        <translation>

Panels that share a code become one kind through Set of the map code.</translation>
    </message>
    <message>
        <source> (このまま閉じます)</source>
        <translation> (closed as they are)</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>このまま</source>
        <translation>Keep as is</translation>
    </message>
    <message>
        <source>%1 は他で変更されています。上書きしますか？</source>
        <translation>%1 was changed elsewhere. Overwrite it?</translation>
    </message>
    <message>
        <source>%1 は他で変更されました。読み込み直しますか？</source>
        <translation>%1 was changed elsewhere. Open it again?</translation>
    </message>
    <message>
        <source> (読み込み直しません)</source>
        <translation> (not opened again)</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>%1 に書き込めません: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
</context>
<context>
    <name>ProgramInfo</name>
    <message>
        <source>次の名前はファイルではないため開きませんでした:
</source>
        <translation>These names are not files and were not opened:
</translation>
    </message>
</context>
<context>
    <name>RecoveryOffer</name>
    <message>
        <source>無題</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>%1 を削除できません: %2</source>
        <translation>Cannot delete %1: %2</translation>
    </message>
    <message>
        <source>復元できませんでした: </source>
        <translation>Could not recover: </translation>
    </message>
</context>
<context>
    <name>ShiftJisGuard</name>
    <message>
        <source>%1にShift-JISで表せない文字は使えません。</source>
        <translation>%1 cannot hold characters that Shift-JIS cannot represent.</translation>
    </message>
</context>
<context>
    <name>StampTab</name>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>選択範囲をスタンプとして保存 (Ctrl+Shift+B)</source>
        <translation>Save the selection as a stamp (Ctrl+Shift+B)</translation>
    </message>
    <message>
        <source>スタンプの名前を変更</source>
        <translation>Rename the stamp</translation>
    </message>
    <message>
        <source>スタンプを削除</source>
        <translation>Delete the stamp</translation>
    </message>
    <message>
        <source>スタンプのグループ</source>
        <translation>Stamp group</translation>
    </message>
    <message>
        <source>スタンプ</source>
        <translation>Stamps</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>All</translation>
    </message>
    <message>
        <source>(なし)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>スタンプを読み込めません</source>
        <translation>Cannot read the stamp</translation>
    </message>
    <message>
        <source>スタンプとして保存</source>
        <translation>Save as stamp</translation>
    </message>
    <message>
        <source>名前:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>%1 に書き込めません: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <source>スタンプの名前</source>
        <translation>Stamp name</translation>
    </message>
    <message>
        <source>スタンプ「%1」を削除しますか？</source>
        <translation>Delete the stamp &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>%1 を削除できません: %2</source>
        <translation>Cannot delete %1: %2</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>戻る</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>進む</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>パネルクリア</source>
        <translation>Clear panels</translation>
    </message>
    <message>
        <source>マスククリア</source>
        <translation>Clear masks</translation>
    </message>
    <message>
        <source>ALLクリア</source>
        <translation>Clear all</translation>
    </message>
    <message>
        <source>ライン</source>
        <translation>Lines</translation>
    </message>
    <message>
        <source>パネル設定</source>
        <translation>Panels...</translation>
    </message>
    <message>
        <source>サイズ変更</source>
        <translation>Map size</translation>
    </message>
    <message>
        <source>System設定</source>
        <translation>System...</translation>
    </message>
    <message>
        <source>擬似ＭＡＰ</source>
        <translation>Map code</translation>
    </message>
    <message>
        <source>マスク表示</source>
        <translation>Show masks</translation>
    </message>
    <message>
        <source>パネル</source>
        <translation>Panels</translation>
    </message>
    <message>
        <source>マスク</source>
        <translation>Masks</translation>
    </message>
    <message>
        <source>海</source>
        <translation>Sea</translation>
    </message>
    <message>
        <source>段階</source>
        <translation>Lvl</translation>
    </message>
    <message>
        <source>ブラシ・直線・矩形・塗りつぶしの段階 ([ と ])</source>
        <translation>Level of brush, line, rectangle and fill ([ and ])</translation>
    </message>
    <message>
        <source>ファイル</source>
        <translation>File</translation>
    </message>
    <message>
        <source>画像保存</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>新規</source>
        <translation>New</translation>
    </message>
    <message>
        <source>ISPLN について</source>
        <translation>About ISPLN</translation>
    </message>
    <message>
        <source>最近のファイル</source>
        <translation>Recent files</translation>
    </message>
    <message>
        <source>情報</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>自動入力</source>
        <translation>Figures</translation>
    </message>
    <message>
        <source>人口</source>
        <translation>Population</translation>
    </message>
    <message>
        <source>面積</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>資金増加量</source>
        <translation>Funds gain</translation>
    </message>
    <message>
        <source>食料増加量</source>
        <translation>Food gain</translation>
    </message>
    <message>
        <source>農業</source>
        <translation>Farming</translation>
    </message>
    <message>
        <source>工業</source>
        <translation>Industry</translation>
    </message>
    <message>
        <source>採掘場</source>
        <translation>Mines</translation>
    </message>
    <message>
        <source>労働者</source>
        <translation>Workers</translation>
    </message>
    <message>
        <source>失業者</source>
        <translation>Jobless</translation>
    </message>
    <message>
        <source>ミサイル数</source>
        <translation>Missiles</translation>
    </message>
    <message>
        <source>個別情報</source>
        <translation>Breakdown</translation>
    </message>
    <message>
        <source>自動更新</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>スタンプ</source>
        <translation>Stamps</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>サイズ設定</source>
        <translation>Map size</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>パネル設定</source>
        <translation>Panel settings</translation>
    </message>
    <message>
        <source>パネル名</source>
        <translation>Panel name</translation>
    </message>
    <message>
        <source>タイプ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>初期値</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>増加値</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>最大値</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>単位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>土地</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>変更</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>新規作成</source>
        <translation>New panel</translation>
    </message>
    <message>
        <source>タイル画像</source>
        <translation>Tile picture</translation>
    </message>
    <message>
        <source>画像</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>初期値 0</source>
        <translation>Start 0</translation>
    </message>
    <message>
        <source>増加値 0</source>
        <translation>Step 0</translation>
    </message>
    <message>
        <source>最大値 0</source>
        <translation>Max 0</translation>
    </message>
    <message>
        <source>コード a</source>
        <translation>Code a</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>System設定</source>
        <translation>System settings</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>サイズを自動的に設定</source>
        <translation>Set the size automatically</translation>
    </message>
    <message>
        <source>Windowのサイズを自動的に変更</source>
        <translation>Resize the window automatically</translation>
    </message>
    <message>
        <source>保存ファイルを自動的にロード</source>
        <translation>Open the saved file automatically</translation>
    </message>
    <message>
        <source>参照</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>情報設定</source>
        <translation>Rates</translation>
    </message>
    <message>
        <source>食料消費 20%</source>
        <translation>Food use 20%</translation>
    </message>
    <message>
        <source>食料生産 100%</source>
        <translation>Food output 100%</translation>
    </message>
    <message>
        <source>資金生産 0.1%</source>
        <translation>Funds output 0.1%</translation>
    </message>
    <message>
        <source>編集</source>
        <translation>Editing</translation>
    </message>
    <message>
        <source>クリックで置いた範囲マスクを1回の「戻る」で取り消します</source>
        <translation>One Undo takes back a whole area mask placed by a click</translation>
    </message>
    <message>
        <source>操作単位で元に戻す</source>
        <translation>Undo by operation</translation>
    </message>
</context>
<context>
    <name>TForm5</name>
    <message>
        <source>個別情報</source>
        <translation>Breakdown</translation>
    </message>
    <message>
        <source>パネル名</source>
        <translation>Panel</translation>
    </message>
    <message>
        <source>最小値</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>最大値</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>合計</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>個数</source>
        <translation>Count</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>擬似ＭＡＰ</source>
        <translation>Map code</translation>
    </message>
    <message>
        <source>擬似ＭＡＰコード コンバーター</source>
        <translation>Map code converter</translation>
    </message>
    <message>
        <source>暫定バージョン</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
</context>
<context>
    <name>Unit1</name>
    <message>
        <source> (他で変更)</source>
        <translation> (changed elsewhere)</translation>
    </message>
</context>
<context>
    <name>Unit1Files</name>
    <message>
        <source>%1 に書き込めません: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <source>スタンプのパネル %1 はカタログにありません (その他を置きます)</source>
        <translation>The catalogue has no panel %1 of the stamp (the rest is placed)</translation>
    </message>
    <message>
        <source>保存する範囲を範囲選択 (S) で選んでください</source>
        <translation>Choose the cells to save with the select tool (S)</translation>
    </message>
</context>
<context>
    <name>Unit1Map</name>
    <message>
        <source>戻る</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>進む</source>
        <translation>Redo</translation>
    </message>
</context>
<context>
    <name>Unit3</name>
    <message>
        <source>初期値 0</source>
        <translation>Start 0</translation>
    </message>
    <message>
        <source>増加値 0</source>
        <translation>Step 0</translation>
    </message>
    <message>
        <source>初期値 %1</source>
        <translation>Start %1</translation>
    </message>
    <message>
        <source>増加値 %1</source>
        <translation>Step %1</translation>
    </message>
    <message>
        <source>コード </source>
        <translation>Code </translation>
    </message>
    <message>
        <source>最大値 %1</source>
        <translation>Max %1</translation>
    </message>
    <message>
        <source>タイル画像</source>
        <translation>Tile picture</translation>
    </message>
    <message>
        <source>ビットマップ (*.bmp)</source>
        <translation>Bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>画像のファイル名</source>
        <translation>The picture&apos;s file name</translation>
    </message>
    <message>
        <source>%1 を %2 にコピーできません。「%3」の画像は元のままです。</source>
        <translation>Cannot copy %1 to %2. The picture of &quot;%3&quot; stays as it was.</translation>
    </message>
</context>
<context>
    <name>Unit4</name>
    <message>
        <source>ファイル名</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>食料消費 %1%</source>
        <translation>Food use %1%</translation>
    </message>
    <message>
        <source>食料生産 %1%</source>
        <translation>Food output %1%</translation>
    </message>
    <message>
        <source>資金生産 %1%</source>
        <translation>Funds output %1%</translation>
    </message>
    <message>
        <source>Tidemark擬似Map 読み込み指定</source>
        <translation>Tidemark map to open automatically</translation>
    </message>
    <message>
        <source>Tidemark擬似Map (*.kpl)</source>
        <translation>Tidemark map (*.kpl)</translation>
    </message>
</context>
<context>
    <name>WindowSettings</name>
    <message>
        <source>%1 を読み込めません</source>
        <translation>Cannot read %1</translation>
    </message>
    <message>
        <source>%1 に書き込めません</source>
        <translation>Cannot write %1</translation>
    </message>
</context>
</TS>
