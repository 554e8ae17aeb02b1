<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ListWidget</name>
    <message>
        <source>Audio %1</source>
        <translation>音频 %1</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>输入 %1</translation>
    </message>
</context>
<context>
    <name>TableItemWidget</name>
    <message>
        <source>Frozen: click to play the picture again</source>
        <translation>已冻结：单击恢复播放画面</translation>
    </message>
    <message>
        <source>Playing: click to freeze the picture</source>
        <translation>播放中：单击冻结画面</translation>
    </message>
    <message>
        <source>A display is connected</source>
        <translation>已连接显示设备</translation>
    </message>
    <message>
        <source>No display connected</source>
        <translation>未连接显示设备</translation>
    </message>
    <message>
        <source>Muted: click to show the picture again</source>
        <translation>已关闭画面：单击重新显示</translation>
    </message>
    <message>
        <source>Click to mute the picture</source>
        <translation>单击关闭画面</translation>
    </message>
</context>
<context>
    <name>TableWidget</name>
    <message>
        <source>There is no output here.</source>
        <translation>此处没有输出口。</translation>
    </message>
    <message>
        <source>→ nothing</source>
        <translation>→ 无</translation>
    </message>
    <message>
        <source>→ %1</source>
        <translation>→ %1</translation>
    </message>
</context>
</TS>
