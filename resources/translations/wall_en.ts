<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DialogBezel</name>
    <message>
        <source>Bezel Pixel Setting</source>
        <translation>Bezel Pixel Setting</translation>
    </message>
    <message>
        <source>Column 1 &amp; 2</source>
        <translation>Column 1 &amp; 2</translation>
    </message>
    <message>
        <source>Column 2 &amp; 3</source>
        <translation>Column 2 &amp; 3</translation>
    </message>
    <message>
        <source>Column 3 &amp; 4</source>
        <translation>Column 3 &amp; 4</translation>
    </message>
    <message>
        <source>Column 4 &amp; 5</source>
        <translation>Column 4 &amp; 5</translation>
    </message>
    <message>
        <source>Row 1 &amp; 2</source>
        <translation>Row 1 &amp; 2</translation>
    </message>
    <message>
        <source>Row 2 &amp; 3</source>
        <translation>Row 2 &amp; 3</translation>
    </message>
    <message>
        <source>Row 3 &amp; 4</source>
        <translation>Row 3 &amp; 4</translation>
    </message>
    <message>
        <source>Row 4 &amp; 5</source>
        <translation>Row 4 &amp; 5</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>SingleSplitterWidget</name>
    <message>
        <source>Input %1</source>
        <translation>Input %1</translation>
    </message>
    <message>
        <source>→ %1</source>
        <translation>→ %1</translation>
    </message>
    <message>
        <source>→ nothing</source>
        <translation>→ nothing</translation>
    </message>
</context>
<context>
    <name>WidgetSplicingSetting</name>
    <message>
        <source>Layout &amp; Splicing of Real Screens</source>
        <translation>Layout &amp; Splicing of Real Screens</translation>
    </message>
    <message>
        <source>Splicing Settings</source>
        <translation>Splicing Settings</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source>No Input</source>
        <translation>No Input</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Select Color</translation>
    </message>
    <message>
        <source>Change Layout</source>
        <translation>Change Layout</translation>
    </message>
    <message>
        <source>Changing the wall layout closes every open window. Continue?</source>
        <translation>Changing the wall layout closes every open window. Continue?</translation>
    </message>
</context>
</TS>
