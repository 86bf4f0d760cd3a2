<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Qt's own texts that the program shows and Debian's qtbase_ja lacks; loaded after it. -->
<TS version="2.1" language="ja_JP">
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>フォルダ</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>ドライブ</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <comment>All other platforms</comment>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Pages</source>
        <translation>ページ指定</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>ページ番号または範囲をカンマで区切って指定します。範囲は二つの番号をハイフンでつないで指定します。例: 3,5-7,9 でページ 3、5、6、7、9 を印刷します。</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>両面印刷</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>しない</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>長辺綴じ</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>短辺綴じ</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Advanced</source>
        <translation>詳細設定</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>一部のオプションが競合しています。修正して下さい。</translation>
    </message>
</context>
</TS>
