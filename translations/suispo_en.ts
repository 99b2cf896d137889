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
    <name>EditorFeedback</name>
    <message>
        <source>最短</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>むずかしさ</source>
        <translation>Difficulty</translation>
    </message>
    <message>
        <source>最短の解き方</source>
        <translation>Shortest clears</translation>
    </message>
    <message>
        <source>足りないもの</source>
        <translation>Missing</translation>
    </message>
    <message>
        <source>ゲート</source>
        <translation>Gates</translation>
    </message>
    <message>
        <source>結果の編集</source>
        <translation>The edit the figures belong to</translation>
    </message>
    <message>
        <source>編集 %1</source>
        <translation>Edit %1</translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>the start</translation>
    </message>
    <message>
        <source>扉</source>
        <translation>a door</translation>
    </message>
    <message>
        <source>赤のワープの相手</source>
        <translation>the red warp pad&apos;s twin</translation>
    </message>
    <message>
        <source>青のワープの相手</source>
        <translation>the blue warp pad&apos;s twin</translation>
    </message>
    <message>
        <source>緑のワープの相手</source>
        <translation>the green warp pad&apos;s twin</translation>
    </message>
    <message>
        <source>橙のワープの相手</source>
        <translation>the orange warp pad&apos;s twin</translation>
    </message>
    <message>
        <source>足りないもの: なし</source>
        <translation>Missing: nothing</translation>
    </message>
    <message>
        <source>足りないもの: %1</source>
        <translation>Missing: %1</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>クリアできません</source>
        <translation>Cannot be cleared</translation>
    </message>
    <message>
        <source>大きすぎて調べきれません</source>
        <translation>Too large to search</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>調べきれません</source>
        <translation>Not decided</translation>
    </message>
    <message numerus="yes">
        <source>%n 通り</source>
        <translation>
            <numerusform>%n clear</numerusform>
            <numerusform>%n clears</numerusform>
        </translation>
    </message>
    <message>
        <source>以上</source>
        <translation> or more</translation>
    </message>
</context>
<context>
    <name>EditorGates</name>
    <message>
        <source>穴</source>
        <translation>holes</translation>
    </message>
    <message>
        <source>矢印</source>
        <translation>arrows</translation>
    </message>
    <message>
        <source>ワープ</source>
        <translation>warp pads</translation>
    </message>
    <message>
        <source>市松の辺</source>
        <translation>marked edges</translation>
    </message>
    <message>
        <source>壁ポイント</source>
        <translation>wall points</translation>
    </message>
    <message>
        <source>すべて必要</source>
        <translation>all needed</translation>
    </message>
    <message>
        <source>不要: %1</source>
        <translation>not needed: %1</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>考え方 調べきれず</source>
        <translation>ideas: not decided</translation>
    </message>
    <message>
        <source>考え方 %n 通り</source>
        <translation>ideas: %n</translation>
    </message>
    <message>
        <source>働かない部品 %n 個</source>
        <translation>inert pieces: %n</translation>
    </message>
    <message>
        <source>壁のまとまり %1</source>
        <translation>walls per group %1</translation>
    </message>
    <message>
        <source>対称 %1 %</source>
        <translation>symmetry %1 %</translation>
    </message>
    <message>
        <source>仕掛け %1 種、ワープ %2 色</source>
        <translation>%1 mechanics, %2 warp colours</translation>
    </message>
    <message>
        <source>壁ポイントちょうど</source>
        <translation>wall points exact</translation>
    </message>
    <message>
        <source>壁ポイントが多すぎるか足りない</source>
        <translation>wall points too many or too few</translation>
    </message>
    <message>
        <source>最短+1 以内の解 調べきれず</source>
        <translation>clears within par + 1: not decided</translation>
    </message>
    <message>
        <source>最短+1 以内の解 %n 通り</source>
        <translation>clears within par + 1: %n</translation>
    </message>
    <message>
        <source>でたらめでクリア %1 %</source>
        <translation>random runs clear %1 %</translation>
    </message>
    <message>
        <source>くり返し %1 %、連続 %2</source>
        <translation>repeated moves %1 %, run of %2</translation>
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
    <message>
        <source>ステージを編集(&amp;E)…</source>
        <translation>&amp;Edit stage…</translation>
    </message>
    <message>
        <source>白紙のステージ(&amp;B)…</source>
        <translation>&amp;Blank stage…</translation>
    </message>
    <message>
        <source>この画面には収まりません（%1 × %2 ピクセルが要ります）</source>
        <translation>Too large for this screen (it needs %1 × %2 pixels)</translation>
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
        <source>コードが長すぎます（ステージのコードは %d 文字まで）</source>
        <translation>The code is too long (a stage code has at most %d characters)</translation>
    </message>
    <message>
        <source>コードの %d 文字目が英字でも数字でもありません</source>
        <translation>Character %d of the code is no letter or digit</translation>
    </message>
    <message>
        <source>ステージのコードではありません（コードは S1 で始まります）</source>
        <translation>This is no stage code (a code starts with S1)</translation>
    </message>
    <message>
        <source>このゲームより新しい版 (%s) のコードです</source>
        <translation>The code is of a newer version (%s) than this game</translation>
    </message>
    <message>
        <source>コードの長さが合いません（途中で切れているか、文字が余分です）</source>
        <translation>The code has the wrong length (it is cut short or has characters too many)</translation>
    </message>
    <message>
        <source>コードが正しくありません（打ち間違いか、文字の抜けや重なりがあります）</source>
        <translation>The code is not right (a character is mistyped, missing or doubled)</translation>
    </message>
    <message>
        <source>このコードは遊べるステージを表していません</source>
        <translation>The code holds no stage that can be played</translation>
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
    <name>PlayRulesMenu</name>
    <message>
        <source>戻せる回数(&amp;U)</source>
        <translation>&amp;Undo depth</translation>
    </message>
    <message>
        <source>無制限</source>
        <translation>Unlimited</translation>
    </message>
    <message>
        <source>先行入力(&amp;T)</source>
        <translation>&amp;Type-ahead</translation>
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
        <translation>H</translation>
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
    <message>
        <source>エディタ</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>ステージエディタに戻る (Esc)</source>
        <translation>Back to the stage editor (Esc)</translation>
    </message>
    <message>
        <source>「%1」のクリア</source>
        <translation>Clear of “%1”</translation>
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
    <name>ShareCodeActions</name>
    <message>
        <source>コードをコピー(&amp;C)</source>
        <translation>&amp;Copy code</translation>
    </message>
    <message>
        <source>コードから遊ぶ(&amp;P)…</source>
        <translation>&amp;Play from a code…</translation>
    </message>
    <message>
        <source>コードから遊ぶ</source>
        <translation>Play from a code</translation>
    </message>
    <message>
        <source>ステージのコード:</source>
        <translation>Stage code:</translation>
    </message>
    <message>
        <source>ステージ「%1」を遊びますか？</source>
        <translation>Play the stage “%1”?</translation>
    </message>
    <message>
        <source>新しいステージファイル</source>
        <translation>A new stage file</translation>
    </message>
    <message>
        <source>ステージを加えるファイル:</source>
        <translation>Add the stage to the file:</translation>
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
    <name>StageEditor</name>
    <message>
        <source>氷</source>
        <translation>·</translation>
    </message>
    <message>
        <source>氷（何もない床）</source>
        <translation>Ice (an empty cell)</translation>
    </message>
    <message>
        <source>穴</source>
        <translation>O</translation>
    </message>
    <message>
        <source>上向きの矢印</source>
        <translation>Arrow up</translation>
    </message>
    <message>
        <source>右向きの矢印</source>
        <translation>Arrow right</translation>
    </message>
    <message>
        <source>下向きの矢印</source>
        <translation>Arrow down</translation>
    </message>
    <message>
        <source>左向きの矢印</source>
        <translation>Arrow left</translation>
    </message>
    <message>
        <source>赤</source>
        <translation>r</translation>
    </message>
    <message>
        <source>赤のワープ</source>
        <translation>Red warp pad</translation>
    </message>
    <message>
        <source>青</source>
        <translation>b</translation>
    </message>
    <message>
        <source>青のワープ</source>
        <translation>Blue warp pad</translation>
    </message>
    <message>
        <source>緑</source>
        <translation>g</translation>
    </message>
    <message>
        <source>緑のワープ</source>
        <translation>Green warp pad</translation>
    </message>
    <message>
        <source>橙</source>
        <translation>o</translation>
    </message>
    <message>
        <source>橙のワープ</source>
        <translation>Orange warp pad</translation>
    </message>
    <message>
        <source>鍵</source>
        <translation>K</translation>
    </message>
    <message>
        <source>扉</source>
        <translation>D</translation>
    </message>
    <message>
        <source>始</source>
        <translation>S</translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>壁</source>
        <translation>|</translation>
    </message>
    <message>
        <source>壁（辺）</source>
        <translation>Wall (an edge)</translation>
    </message>
    <message>
        <source>市</source>
        <translation>:</translation>
    </message>
    <message>
        <source>市松の辺（すべれるが壁は置けない）</source>
        <translation>Marked edge (a slide passes, no wall can be placed)</translation>
    </message>
    <message>
        <source>無</source>
        <translation>–</translation>
    </message>
    <message>
        <source>辺なし</source>
        <translation>No edge</translation>
    </message>
</context>
<context>
    <name>StageEditorScreen</name>
    <message>
        <source>新しいステージ</source>
        <translation>New stage</translation>
    </message>
    <message>
        <source>試す</source>
        <translation>Try</translation>
    </message>
    <message>
        <source>スタートを置いてから試してください。</source>
        <translation>Place the start before you try the stage.</translation>
    </message>
    <message>
        <source>ステージエディタ</source>
        <translation>Stage editor</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>新しいステージファイル「%1」に保存しました。</source>
        <translation>Saved as the new stage file “%1”.</translation>
    </message>
    <message>
        <source>盤面</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>クリックかドラッグで塗る、右クリックで消す。矢印キーでカーソル、Shift+矢印で辺</source>
        <translation>Click or drag to paint, right-click to clear. The arrow keys move the cursor, Shift+arrow sets an edge</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>ステージの名前</source>
        <translation>Stage name</translation>
    </message>
    <message>
        <source>壁ポイント</source>
        <translation>Wall points</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>元に戻す (Ctrl+Z)</source>
        <translation>Undo (Ctrl+Z)</translation>
    </message>
    <message>
        <source>やり直す</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>やり直す (Ctrl+Shift+Z, Ctrl+Y)</source>
        <translation>Redo (Ctrl+Shift+Z, Ctrl+Y)</translation>
    </message>
    <message>
        <source>試す (Ctrl+T)</source>
        <translation>Try the stage (Ctrl+T)</translation>
    </message>
    <message>
        <source>解答を見る</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>解答を見る (Ctrl+A)</source>
        <translation>Show a shortest clear (Ctrl+A)</translation>
    </message>
    <message>
        <source>保存 (Ctrl+S: 元のファイルへ)</source>
        <translation>Save (Ctrl+S: into its own stage file)</translation>
    </message>
    <message>
        <source>元のファイルに上書き保存</source>
        <translation>Save into its own stage file</translation>
    </message>
    <message>
        <source>ほかのステージファイルに追加…</source>
        <translation>Add to another stage file…</translation>
    </message>
    <message>
        <source>新しいステージファイルに保存</source>
        <translation>Save as a new stage file</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>ステージ選択に戻る (Esc)</source>
        <translation>Back to the stage select screen (Esc)</translation>
    </message>
    <message>
        <source>保存していない変更があります。保存せずにステージエディタを離れますか？</source>
        <translation>The stage has edits that are not saved. Leave the stage editor without saving them?</translation>
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
        <translation>, </translation>
    </message>
</context>
<context>
    <name>StagePreview</name>
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
        <translation>☆ cleared, ★ cleared in par without a hint</translation>
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
    <message>
        <source>プレビュー</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>結果</source>
        <translation>Result</translation>
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
    <message>
        <source>編集</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>ステージを編集</source>
        <translation>Edit stage</translation>
    </message>
    <message>
        <source>選んだステージをステージエディタで開く (Ctrl+E)</source>
        <translation>Open the selected stage in the stage editor (Ctrl+E)</translation>
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
effects), 音量 (Volume), 戻せる回数 (Undo depth) 5 or 無制限 (unlimited: a fall
too), 先行入力 (Type-ahead: a key pressed during a slide is played after it), 終了
(Exit); 表示 (View): 拡大 (Zoom) 100/150/200/300 %, 言語 (Language); all kept in
suispo.ini; ヘルプ (Help): 目次 (Contents), バージョン情報 (About). Keys:
arrows slide, Shift+arrows build a wall, Backspace or Ctrl+Z undo, F5 or R restart
(やり直し), Esc back to the title (タイトル), H lights the next operation of a
shortest clear (ヒント), M turns the sound effects off or on (効果音), Enter starts
the selected stage, Tab reaches the stage file chooser (ステージ集), any key or a
click ends the victory or the fall.

  FILE.ssp   open this stage file at start, as ゲーム &gt; 読み込み (Game &gt; Open) would
  --help     print this help and exit
  --version  print the version and exit
</source>
        <translation>A sliding puzzle on ice, played in one window. Without FILE.ssp the stage file
of the last run is opened, or the five built-in stages.
Menus: Game: Open, Chapters, New stages, Hint, Animation speed, Sound effects,
Volume, Undo depth (5, or Unlimited: every operation and a fall too), Type-ahead
(a key pressed during a slide is played after it), Exit; View: Zoom
100/150/200/300 %, Language (日本語 or English); all kept in suispo.ini; Help:
Contents, About. Keys: arrows slide, Shift+arrows build a wall, Backspace or
Ctrl+Z undo, F5 or R restart, Esc back to the title, H lights the next operation
of a shortest clear (Hint), M turns the sound effects off or on, Enter starts the
selected stage, Tab reaches the stage file chooser, any key or a click ends the
victory or the fall.

  FILE.ssp   open this stage file at start, as Game &gt; Open would
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
    <message numerus="yes">
        <source>試した候補: %n</source>
        <translation>
            <numerusform>Candidates tried: %n</numerusform>
            <numerusform>Candidates tried: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>suispo::PuzzleFacts</name>
    <message>
        <source>大きすぎて調べきれません</source>
        <translation>Too large to search</translation>
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
    <message numerus="yes">
        <source>%1（約 %n 秒）</source>
        <translation>
            <numerusform>%1 (about %n second)</numerusform>
            <numerusform>%1 (about %n seconds)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 個のステージを作ります。</source>
        <translation>
            <numerusform>Makes %n new stage.</numerusform>
            <numerusform>Makes %n new stages.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>suispo::StagePreview</name>
    <message>
        <source>・</source>
        <translation>, </translation>
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
