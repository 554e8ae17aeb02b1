<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ListWidget</name>
    <message>
        <source>Audio %1</source>
        <translation>Audio %1</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>Input %1</translation>
    </message>
</context>
<context>
    <name>TableItemWidget</name>
    <message>
        <source>Frozen: click to play the picture again</source>
        <translation>Frozen: click to play the picture again</translation>
    </message>
    <message>
        <source>Playing: click to freeze the picture</source>
        <translation>Playing: click to freeze the picture</translation>
    </message>
    <message>
        <source>A display is connected</source>
        <translation>A display is connected</translation>
    </message>
    <message>
        <source>No display connected</source>
        <translation>No display connected</translation>
    </message>
    <message>
        <source>Muted: click to show the picture again</source>
        <translation>Muted: click to show the picture again</translation>
    </message>
    <message>
        <source>Click to mute the picture</source>
        <translation>Click to mute the picture</translation>
    </message>
</context>
<context>
    <name>TableWidget</name>
    <message>
        <source>There is no output here.</source>
        <translation>There is no output here.</translation>
    </message>
    <message>
        <source>→ nothing</source>
        <translation>→ nothing</translation>
    </message>
    <message>
        <source>→ %1</source>
        <translation>→ %1</translation>
    </message>
</context>
</TS>
