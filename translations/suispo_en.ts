<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>AboutBox</name>
    <message>
        <source>バージョン情報</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Ver. </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>By suispo project</source>
        <translation>By the suispo project</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CellKind</name>
    <message>
        <source>市松の辺</source>
        <translation>Marked edges</translation>
    </message>
    <message>
        <source>氷</source>
        <translation>Ice</translation>
    </message>
    <message>
        <source>鍵</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>扉</source>
        <translation>Doors</translation>
    </message>
    <message>
        <source>穴</source>
        <translation>Holes</translation>
    </message>
    <message>
        <source>矢印</source>
        <translation>Arrows</translation>
    </message>
    <message>
        <source>ワープ</source>
        <translation>Warp pads</translation>
    </message>
</context>
<context>
    <name>Chapter</name>
    <message>
        <source>第1章 壁</source>
        <translation>Chapter 1: Walls</translation>
    </message>
    <message>
        <source>第2章 穴</source>
        <translation>Chapter 2: Holes</translation>
    </message>
    <message>
        <source>第3章 矢印</source>
        <translation>Chapter 3: Arrows</translation>
    </message>
    <message>
        <source>第4章 ワープ</source>
        <translation>Chapter 4: Warp Pads</translation>
    </message>
    <message>
        <source>第5章 市松の辺</source>
        <translation>Chapter 5: Marked Edges</translation>
    </message>
    <message>
        <source>第6章 全部いっしょに</source>
        <translation>Chapter 6: All Together</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>ヘルプのページ %1 が見つかりません。</source>
        <translation>The help page %1 was not found.</translation>
    </message>
    <message>
        <source>すいすいぽ。 ヘルプ</source>
        <translation>Suisuipo Help</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>言語 (Language)(&amp;L)</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>日本語</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>次に起動したときから日本語で表示します。
The game will be in Japanese from the next start.</source>
        <translation>次に起動したときから日本語で表示します。
The game will be in Japanese from the next start.</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>次に起動したときから英語で表示します。
The game will be in English from the next start.</source>
        <translation>次に起動したときから英語で表示します。
The game will be in English from the next start.</translation>
    </message>
    <message>
        <source>言語 (Language)</source>
        <translation>Language</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>ゲーム(&amp;G)</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>読み込み(&amp;O)</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>ステージ集(&amp;S)</source>
        <translation>&amp;Stage collection</translation>
    </message>
    <message>
        <source>新しいステージを作る(&amp;N)…</source>
        <translation>Make &amp;new stages…</translation>
    </message>
    <message>
        <source>ヒント(&amp;H)</source>
        <translation>&amp;Hint</translation>
    </message>
    <message>
        <source>アニメーションの速さ(&amp;A)</source>
        <translation>&amp;Animation speed</translation>
    </message>
    <message>
        <source>ふつう</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>はやい</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>拡大(&amp;Z)</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>目次(&amp;C)</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>ファイル %s は開けません</source>
        <translation>The file %s cannot be opened</translation>
    </message>
    <message>
        <source>ファイル %s は大きすぎます</source>
        <translation>The file %s is too large</translation>
    </message>
    <message>
        <source>ファイル %s はテキストファイルではありません</source>
        <translation>The file %s is not a text file</translation>
    </message>
    <message>
        <source>ファイル %s の %d 行目が長すぎます</source>
        <translation>In the file %s, line %d is too long</translation>
    </message>
    <message>
        <source>ファイル %s は行が多すぎます</source>
        <translation>The file %s has too many lines</translation>
    </message>
    <message>
        <source>&apos;%s&apos; は整数ではありません</source>
        <translation>&apos;%s&apos; is not a whole number</translation>
    </message>
    <message>
        <source>%s に書き込めません</source>
        <translation>Cannot write to %s</translation>
    </message>
    <message>
        <source>ファイル %s を作成できません</source>
        <translation>The file %s cannot be created</translation>
    </message>
    <message>
        <source>ファイル %s は読み込んだ後に変更されたため、保存しませんでした</source>
        <translation>The file %s was changed after it was read, so it was not saved</translation>
    </message>
    <message>
        <source>ファイル %s は読み取り専用のため、保存しませんでした</source>
        <translation>The file %s is read-only, so it was not saved</translation>
    </message>
    <message>
        <source>ファイル %s は読み込んだ後に変更されたため、記録を保存しませんでした</source>
        <translation>The file %s was changed after it was read, so the records were not saved</translation>
    </message>
    <message>
        <source>ファイル %s は読み取り専用のため、記録を保存しませんでした</source>
        <translation>The file %s is read-only, so the records were not saved</translation>
    </message>
    <message>
        <source>ファイル %s を読めないため、記録を保存しませんでした</source>
        <translation>The file %s cannot be read, so the records were not saved</translation>
    </message>
    <message>
        <source>画像 %s を読み込めません (%s)</source>
        <translation>The picture %s cannot be read (%s)</translation>
    </message>
    <message>
        <source>ファイル %s は保存すると大きくなりすぎるため、保存しませんでした</source>
        <translation>The file %s would grow too large for the game to read back, so it was not saved</translation>
    </message>
    <message>
        <source>ディスクがいっぱいのため、%s を保存できませんでした</source>
        <translation>The disk is full, so %s could not be saved</translation>
    </message>
    <message>
        <source>%s への道筋にあなたのものでないリンクがあるため、書き込みませんでした</source>
        <translation>The path to %s passes a link that is not yours, so it was not written</translation>
    </message>
    <message>
        <source>ファイル %s は他のプログラムが使用中のため、まだ保存していません。次の機会に保存します</source>
        <translation>The file %s is in use by another program, so it is not saved yet; it will be saved at the next chance</translation>
    </message>
    <message>
        <source>ファイル %s は大きすぎるため、記録を保存しませんでした</source>
        <translation>The file %s is too large, so the records were not saved</translation>
    </message>
</context>
<context>
    <name>PlayScreen</name>
    <message>
        <source>のこりの壁</source>
        <translation>Walls left</translation>
    </message>
    <message>
        <source>手数</source>
        <translation>Moves</translation>
    </message>
    <message>
        <source>最短</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>記録</source>
        <translation>Best</translation>
    </message>
    <message>
        <source>むずかしさ</source>
        <translation>Difficulty</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>この局面からはクリアできません。１手戻すか、やり直してください。</source>
        <translation>This position can no longer be cleared. Undo a move or restart.</translation>
    </message>
    <message>
        <source>この局面からの手順は、探しきれませんでした。</source>
        <translation>The search gave up before finding a clear from this position.</translation>
    </message>
    <message>
        <source>上に壁を置く</source>
        <translation>Place a wall above</translation>
    </message>
    <message>
        <source>右に壁を置く</source>
        <translation>Place a wall to the right</translation>
    </message>
    <message>
        <source>下に壁を置く</source>
        <translation>Place a wall below</translation>
    </message>
    <message>
        <source>左に壁を置く</source>
        <translation>Place a wall to the left</translation>
    </message>
    <message>
        <source>上へ移動</source>
        <translation>Slide up</translation>
    </message>
    <message>
        <source>右へ移動</source>
        <translation>Slide right</translation>
    </message>
    <message>
        <source>下へ移動</source>
        <translation>Slide down</translation>
    </message>
    <message>
        <source>左へ移動</source>
        <translation>Slide left</translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation>Restart</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>１手戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>やり直し (F5, R)</source>
        <translation>Restart (F5, R)</translation>
    </message>
    <message>
        <source>タイトル (Esc)</source>
        <translation>Title (Esc)</translation>
    </message>
    <message>
        <source>１手戻す (Backspace, Ctrl+Z)</source>
        <translation>Undo (Backspace, Ctrl+Z)</translation>
    </message>
    <message>
        <source>ヒ</source>
        <translation>ヒ</translation>
    </message>
    <message>
        <source>ヒント使用</source>
        <translation>Hint used</translation>
    </message>
    <message>
        <source>ヒントを使ったので、このプレイのクリアに★はつきません（やり直しても消えず、ステージを選び直すと消えます）</source>
        <translation>You used a hint, so a clear in this play gets no ★ (Restart keeps this; choosing the stage again lifts it)</translation>
    </message>
    <message>
        <source>このステージを最初からやり直します。よろしいですか？</source>
        <translation>Restart this stage from the beginning?</translation>
    </message>
    <message>
        <source>ステージ選択</source>
        <translation>Stage select</translation>
    </message>
    <message>
        <source>ステージ選択画面に戻ります。よろしいですか？</source>
        <translation>Go back to the stage select screen?</translation>
    </message>
</context>
<context>
    <name>Preset</name>
    <message>
        <source>入門</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>ふつう</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>むずかしい</source>
        <translation>Hard</translation>
    </message>
    <message>
        <source>達人</source>
        <translation>Expert</translation>
    </message>
</context>
<context>
    <name>SoundMenu</name>
    <message>
        <source>効果音(&amp;E)</source>
        <translation>Sound &amp;effects</translation>
    </message>
    <message>
        <source>音量(&amp;L)</source>
        <translation>Vo&amp;lume</translation>
    </message>
</context>
<context>
    <name>StageName</name>
    <message>
        <source>広い氷</source>
        <translation>Open Ice</translation>
    </message>
    <message>
        <source>鏡の壁</source>
        <translation>Mirrored Walls</translation>
    </message>
    <message>
        <source>揃った壁</source>
        <translation>Even Walls</translation>
    </message>
    <message>
        <source>曲がる壁</source>
        <translation>Winding Walls</translation>
    </message>
    <message>
        <source>穴</source>
        <translation>Holes</translation>
    </message>
    <message>
        <source>矢印</source>
        <translation>Arrows</translation>
    </message>
    <message>
        <source>ワープ</source>
        <translation>Warps</translation>
    </message>
    <message>
        <source>市松の辺</source>
        <translation>Marked Edges</translation>
    </message>
    <message>
        <source>・</source>
        <translation> · </translation>
    </message>
</context>
<context>
    <name>StagePreview</name>
    <message>
        <source>盤面</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>最短</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>記録</source>
        <translation>Best</translation>
    </message>
    <message>
        <source>しるし</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>☆ クリアした&#x3000;★ 最短手数でヒントなしにクリアした</source>
        <translation>☆ cleared&#x3000;★ cleared in par without a hint</translation>
    </message>
    <message>
        <source>むずかしさ</source>
        <translation>Difficulty</translation>
    </message>
    <message>
        <source>●が多いほど、解き方を見つけにくいステージ（1〜5）</source>
        <translation>The more ●, the harder the way to clear it is to find (1 to 5)</translation>
    </message>
    <message>
        <source>★</source>
        <translation>★</translation>
    </message>
    <message>
        <source>☆</source>
        <translation>☆</translation>
    </message>
</context>
<context>
    <name>StageSelectScreen</name>
    <message>
        <source>「%1」をすべてクリア！ ★%2/%3</source>
        <translation>All cleared in “%1”! ★%2/%3</translation>
    </message>
    <message>
        <source>&#x3000;つぎは「%1」</source>
        <translation>&#x3000;Next: “%1”</translation>
    </message>
    <message>
        <source>Ｓｔａｇｅ&#x3000;Ｓｅｌｅｃｔ</source>
        <translation>Stage Select</translation>
    </message>
    <message>
        <source>ステージ決定</source>
        <translation>Play stage</translation>
    </message>
    <message>
        <source>ステージ決定 (Enter)</source>
        <translation>Play stage (Enter)</translation>
    </message>
    <message>
        <source>ステージ集</source>
        <translation>Stage collection</translation>
    </message>
    <message>
        <source>ステージ集：はじめの5ステージ、6つの章、自分のステージファイル (Tab, Space)</source>
        <translation>Stage collection: the first five stages, six chapters, your own stage files (Tab, Space)</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source> 新記録！</source>
        <translation> New best!</translation>
    </message>
    <message>
        <source> ヒントを使ったので★はつきません</source>
        <translation> You used a hint, so no ★</translation>
    </message>
    <message>
        <source>（最短 %1手）</source>
        <translation> (par %1)</translation>
    </message>
    <message numerus="yes">
        <source>%n手でクリア</source>
        <translation>
            <numerusform>Cleared in %n move</numerusform>
            <numerusform>Cleared in %n moves</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>suispo::AboutBox</name>
    <message>
        <source>遊び方とルール（ヘルプ）</source>
        <translation>How to play and the rules (Help)</translation>
    </message>
</context>
<context>
    <name>suispo::ApplicationTitle</name>
    <message>
        <source>すいすいぽ。</source>
        <translation>Suisuipo</translation>
    </message>
</context>
<context>
    <name>suispo::CommandLine</name>
    <message>
        <source>A sliding puzzle on ice, in Japanese, played in one window. Without FILE.ssp the
stage file of the last run is opened, or the five built-in stages.
Menus: ゲーム (Game): 読み込み (Open), ステージ集 (Chapters), 新しいステージを作る
(New stages), ヒント (Hint), アニメーションの速さ (Animation speed), 効果音 (Sound
effects), 音量 (Volume), 終了 (Exit); 表示 (View): 拡大 (Zoom) 100/150/200/300 %,
kept in suispo.ini; ヘルプ (Help): 目次 (Contents), バージョン情報 (About). Keys:
arrows slide, Shift+arrows build a wall, Backspace or Ctrl+Z undo, F5 or R restart
(やり直し), Esc back to the title (タイトル), H lights the next operation of a
shortest clear (ヒント), M turns the sound effects off or on (効果音), Enter starts
the selected stage, Tab reaches the stage file chooser (ステージ集), any key or a
click ends the victory or the fall.

  FILE.ssp   open this stage file at start, as ゲーム &gt; 読み込み (Game &gt; Open) would
  --help     print this help and exit
  --version  print the version and exit
</source>
        <translation>A sliding puzzle on ice, in Japanese, played in one window. Without FILE.ssp the
stage file of the last run is opened, or the five built-in stages.
Menus: ゲーム (Game): 読み込み (Open), ステージ集 (Chapters), 新しいステージを作る
(New stages), ヒント (Hint), アニメーションの速さ (Animation speed), 効果音 (Sound
effects), 音量 (Volume), 終了 (Exit); 表示 (View): 拡大 (Zoom) 100/150/200/300 %,
kept in suispo.ini; ヘルプ (Help): 目次 (Contents), バージョン情報 (About). Keys:
arrows slide, Shift+arrows build a wall, Backspace or Ctrl+Z undo, F5 or R restart
(やり直し), Esc back to the title (タイトル), H lights the next operation of a
shortest clear (ヒント), M turns the sound effects off or on (効果音), Enter starts
the selected stage, Tab reaches the stage file chooser (ステージ集), any key or a
click ends the victory or the fall.

  FILE.ssp   open this stage file at start, as ゲーム &gt; 読み込み (Game &gt; Open) would
  --help     print this help and exit
  --version  print the version and exit
</translation>
    </message>
</context>
<context>
    <name>suispo::ErrorReport</name>
    <message>
        <source>予期しないエラーが発生しました</source>
        <translation>An unexpected error occurred</translation>
    </message>
</context>
<context>
    <name>suispo::NewStagesProgress</name>
    <message>
        <source>新しいステージを作っています… %1 / %2 ステージ目（%3 秒）</source>
        <translation>Making new stages… stage %1 of %2 (%3 s)</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>新しいステージを作る</source>
        <translation>Make new stages</translation>
    </message>
</context>
<context>
    <name>suispo::QtDialogs</name>
    <message>
        <source>ステージデータ (*.ssp)</source>
        <translation>Stage files (*.ssp)</translation>
    </message>
    <message>
        <source>新しいステージを作る</source>
        <translation>Make new stages</translation>
    </message>
    <message>
        <source>むずかしさ:</source>
        <translation>Difficulty:</translation>
    </message>
</context>
<context>
    <name>suispo::StagePreview</name>
    <message>
        <source>・</source>
        <translation> · </translation>
    </message>
    <message>
        <source>置ける壁 %1</source>
        <translation>Walls to place %1</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>suispo::StageShelf</name>
    <message>
        <source>はじめ</source>
        <translation>First steps</translation>
    </message>
</context>
</TS>
