<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
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
    <name>Verdict</name>
    <message>
        <source>%1手でクリア</source>
        <translation type="unfinished"></translation>
    </message>
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
</context>
</TS>
