<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>DialogBezel</name>
    <message>
        <source>Bezel Pixel Setting</source>
        <translation>拼缝像素设置</translation>
    </message>
    <message>
        <source>Column 1 &amp; 2</source>
        <translation>第1和2列</translation>
    </message>
    <message>
        <source>Column 2 &amp; 3</source>
        <translation>第2和3列</translation>
    </message>
    <message>
        <source>Column 3 &amp; 4</source>
        <translation>第3和4列</translation>
    </message>
    <message>
        <source>Column 4 &amp; 5</source>
        <translation>第4和5列</translation>
    </message>
    <message>
        <source>Row 1 &amp; 2</source>
        <translation>第1和2行</translation>
    </message>
    <message>
        <source>Row 2 &amp; 3</source>
        <translation>第2和3行</translation>
    </message>
    <message>
        <source>Row 3 &amp; 4</source>
        <translation>第3和4行</translation>
    </message>
    <message>
        <source>Row 4 &amp; 5</source>
        <translation>第4和5行</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>SingleSplitterWidget</name>
    <message>
        <source>Input %1</source>
        <translation>输入 %1</translation>
    </message>
    <message>
        <source>→ %1</source>
        <translation>→ %1</translation>
    </message>
    <message>
        <source>→ nothing</source>
        <translation>→ 无</translation>
    </message>
</context>
<context>
    <name>WidgetSplicingSetting</name>
    <message>
        <source>Layout &amp; Splicing of Real Screens</source>
        <translation>物理屏布局与拼接</translation>
    </message>
    <message>
        <source>Splicing Settings</source>
        <translation>拼接设置</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>布局</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>No Input</source>
        <translation>无输入</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>选择颜色</translation>
    </message>
    <message>
        <source>Change Layout</source>
        <translation>更改布局</translation>
    </message>
    <message>
        <source>Changing the wall layout closes every open window. Continue?</source>
        <translation>更改拼接布局将关闭所有已打开的窗口。是否继续？</translation>
    </message>
</context>
</TS>
