<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- SPDX-FileCopyrightText: 2026 The suispo developers -->
<!-- SPDX-License-Identifier: MIT -->
<!-- A translation the check must refuse: one text unfinished, one plural form empty, beside good ones. -->
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Garden</name>
    <message>
        <source>草</source>
        <translation>Grass</translation>
    </message>
    <message>
        <source>芽</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n枚の葉</source>
        <translation>
            <numerusform>%n leaf</numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
