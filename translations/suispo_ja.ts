<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="ja">
<context>
    <name>AboutBox</name>
    <message>
        <source>バージョン情報</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ver. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By suispo project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CellKind</name>
    <message>
        <source>市松の辺</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>氷</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>鍵</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>扉</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>穴</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>矢印</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ワープ</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Chapter</name>
    <message>
        <source>第1章 壁</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第2章 穴</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第3章 矢印</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第4章 ワープ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第5章 市松の辺</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第6章 全部いっしょに</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditorFeedback</name>
    <message>
        <source>最短</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>むずかしさ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最短の解き方</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>足りないもの</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ゲート</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>結果の編集</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>編集 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スタート</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>扉</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>赤のワープの相手</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>青のワープの相手</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>緑のワープの相手</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>橙のワープの相手</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>足りないもの: なし</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>足りないもの: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>、</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリアできません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>大きすぎて調べきれません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>調べきれません</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n 通り</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>以上</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditorGates</name>
    <message>
        <source>穴</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>矢印</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ワープ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>市松の辺</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>壁ポイント</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>すべて必要</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不要: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>、</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>考え方 調べきれず</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>考え方 %n 通り</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>働かない部品 %n 個</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>壁のまとまり %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>対称 %1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>仕掛け %1 種、ワープ %2 色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>壁ポイントちょうど</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>壁ポイントが多すぎるか足りない</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最短+1 以内の解 調べきれず</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最短+1 以内の解 %n 通り</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>でたらめでクリア %1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>くり返し %1 %、連続 %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>ヘルプのページ %1 が見つかりません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>すいすいぽ。 ヘルプ</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>言語 (Language)(&amp;L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日本語</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>次に起動したときから日本語で表示します。
The game will be in Japanese from the next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>次に起動したときから英語で表示します。
The game will be in English from the next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>言語 (Language)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>ゲーム(&amp;G)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読み込み(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ステージ集(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新しいステージを作る(&amp;N)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヒント(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>アニメーションの速さ(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ふつう</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>はやい</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>なし</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>拡大(&amp;Z)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>目次(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ステージを編集(&amp;E)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>白紙のステージ(&amp;B)…</source>
        <translation></translation>
    </message>
    <message>
        <source>この画面には収まりません（%1 × %2 ピクセルが要ります）</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>ファイル %s は開けません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル %s は大きすぎます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル %s はテキストファイルではありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル %s の %d 行目が長すぎます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル %s は行が多すぎます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%s&apos; は整数ではありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s に書き込めません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル %s を作成できません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル %s は読み込んだ後に変更されたため、保存しませんでした</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル %s は読み取り専用のため、保存しませんでした</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル %s は読み込んだ後に変更されたため、記録を保存しませんでした</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル %s は読み取り専用のため、記録を保存しませんでした</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル %s を読めないため、記録を保存しませんでした</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像 %s を読み込めません (%s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>コードが長すぎます（ステージのコードは %d 文字まで）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>コードの %d 文字目が英字でも数字でもありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ステージのコードではありません（コードは S1 で始まります）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このゲームより新しい版 (%s) のコードです</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>コードの長さが合いません（途中で切れているか、文字が余分です）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>コードが正しくありません（打ち間違いか、文字の抜けや重なりがあります）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このコードは遊べるステージを表していません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル %s は保存すると大きくなりすぎるため、保存しませんでした</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ディスクがいっぱいのため、%s を保存できませんでした</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s への道筋にあなたのものでないリンクがあるため、書き込みませんでした</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル %s は他のプログラムが使用中のため、まだ保存していません。次の機会に保存します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル %s は大きすぎるため、記録を保存しませんでした</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayRulesMenu</name>
    <message>
        <source>戻せる回数(&amp;U)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>無制限</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>先行入力(&amp;T)</source>
        <translation></translation>
    </message>
</context>
<context>
    <name>PlayScreen</name>
    <message>
        <source>のこりの壁</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>手数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最短</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>記録</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>むずかしさ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この局面からはクリアできません。１手戻すか、やり直してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この局面からの手順は、探しきれませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上に壁を置く</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>右に壁を置く</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下に壁を置く</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>左に壁を置く</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上へ移動</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>右へ移動</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下へ移動</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>左へ移動</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>１手戻す</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>やり直し (F5, R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タイトル (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>１手戻す (Backspace, Ctrl+Z)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヒ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヒント使用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヒントを使ったので、このプレイのクリアに★はつきません（やり直しても消えず、ステージを選び直すと消えます）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このステージを最初からやり直します。よろしいですか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ステージ選択</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ステージ選択画面に戻ります。よろしいですか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エディタ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ステージエディタに戻る (Esc)</source>
        <translation></translation>
    </message>
    <message>
        <source>「%1」のクリア</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Preset</name>
    <message>
        <source>入門</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ふつう</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>むずかしい</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>達人</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShareCodeActions</name>
    <message>
        <source>コードをコピー(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>コードから遊ぶ(&amp;P)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>コードから遊ぶ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ステージのコード:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ステージ「%1」を遊びますか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新しいステージファイル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ステージを加えるファイル:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundMenu</name>
    <message>
        <source>効果音(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音量(&amp;L)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StageEditor</name>
    <message>
        <source>氷</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>氷（何もない床）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>穴</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上向きの矢印</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>右向きの矢印</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下向きの矢印</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>左向きの矢印</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>赤</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>赤のワープ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>青</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>青のワープ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>緑</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>緑のワープ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>橙</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>橙のワープ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>鍵</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>扉</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>始</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スタート</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>壁</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>壁（辺）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>市</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>市松の辺（すべれるが壁は置けない）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>無</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>辺なし</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StageEditorScreen</name>
    <message>
        <source>新しいステージ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>試す</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スタートを置いてから試してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ステージエディタ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新しいステージファイル「%1」に保存しました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>盤面</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリックかドラッグで塗る、右クリックで消す。矢印キーでカーソル、Shift+矢印で辺</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名前</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ステージの名前</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>壁ポイント</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>元に戻す (Ctrl+Z)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>やり直す</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>やり直す (Ctrl+Shift+Z, Ctrl+Y)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>試す (Ctrl+T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>解答を見る</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>解答を見る (Ctrl+A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存 (Ctrl+S: 元のファイルへ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>元のファイルに上書き保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ほかのステージファイルに追加…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新しいステージファイルに保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>戻る</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ステージ選択に戻る (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存していない変更があります。保存せずにステージエディタを離れますか？</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StageName</name>
    <message>
        <source>広い氷</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>鏡の壁</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>揃った壁</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>曲がる壁</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>穴</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>矢印</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ワープ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>市松の辺</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>・</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StagePreview</name>
    <message>
        <source>最短</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>記録</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>しるし</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>☆ クリアした&#x3000;★ 最短手数でヒントなしにクリアした</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>むずかしさ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>●が多いほど、解き方を見つけにくいステージ（1〜5）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>★</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>☆</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プレビュー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>結果</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StageSelectScreen</name>
    <message>
        <source>「%1」をすべてクリア！ ★%2/%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;つぎは「%1」</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ｓｔａｇｅ&#x3000;Ｓｅｌｅｃｔ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ステージ決定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ステージ決定 (Enter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ステージ集</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ステージ集：はじめの5ステージ、6つの章、自分のステージファイル (Tab, Space)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>編集</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ステージを編集</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選んだステージをステージエディタで開く (Ctrl+E)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source> 新記録！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ヒントを使ったので★はつきません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（最短 %1手）</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n手でクリア</source>
        <translation>
            <numerusform>%n手でクリア</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>suispo::AboutBox</name>
    <message>
        <source>遊び方とルール（ヘルプ）</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>suispo::ApplicationTitle</name>
    <message>
        <source>すいすいぽ。</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>suispo::ErrorReport</name>
    <message>
        <source>予期しないエラーが発生しました</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>suispo::NewStagesProgress</name>
    <message>
        <source>新しいステージを作っています… %1 / %2 ステージ目（%3 秒）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新しいステージを作る</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>試した候補: %n</source>
        <translation>
            <numerusform>試した候補: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>suispo::PuzzleFacts</name>
    <message>
        <source>大きすぎて調べきれません</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>suispo::QtDialogs</name>
    <message>
        <source>ステージデータ (*.ssp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新しいステージを作る</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>むずかしさ:</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1（約 %n 秒）</source>
        <translation>
            <numerusform>%1（約 %n 秒）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 個のステージを作ります。</source>
        <translation>
            <numerusform>%n 個のステージを作ります。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>suispo::StagePreview</name>
    <message>
        <source>・</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>置ける壁 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>、</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>suispo::StageShelf</name>
    <message>
        <source>はじめ</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
