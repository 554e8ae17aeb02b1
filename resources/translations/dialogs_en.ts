<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CDlgScalingmode</name>
    <message>
        <source>缩放模式</source>
        <translation>Scaling Mode</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CDlgnosignaloutput</name>
    <message>
        <source>无信号输出</source>
        <translation>No Signal Output</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Select Color</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>GraphicsTestDialog</name>
    <message>
        <source>图形测试模式</source>
        <translation>Graphics Test Mode</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>OutputDialogs</name>
    <message>
        <source>Input Graphics test</source>
        <translation>Input Graphics test</translation>
    </message>
    <message>
        <source>OutPut Graphics test</source>
        <translation>OutPut Graphics test</translation>
    </message>
</context>
<context>
    <name>PatternButtons</name>
    <message>
        <source>RGB stripe</source>
        <translation>RGB stripe</translation>
    </message>
    <message>
        <source>16 Gray Scales</source>
        <translation>16 Gray Scales</translation>
    </message>
    <message>
        <source>32 Gray Scales</source>
        <translation>32 Gray Scales</translation>
    </message>
    <message>
        <source>64 Gray Scales</source>
        <translation>64 Gray Scales</translation>
    </message>
    <message>
        <source>Red Grid</source>
        <translation>Red Grid</translation>
    </message>
    <message>
        <source>Green Grid</source>
        <translation>Green Grid</translation>
    </message>
    <message>
        <source>Blue Grid</source>
        <translation>Blue Grid</translation>
    </message>
    <message>
        <source>White Grid</source>
        <translation>White Grid</translation>
    </message>
    <message>
        <source>Horizon Scroll</source>
        <translation>Horizon Scroll</translation>
    </message>
    <message>
        <source>Vertical Scroll</source>
        <translation>Vertical Scroll</translation>
    </message>
    <message>
        <source>Pure Color</source>
        <translation>Pure Color</translation>
    </message>
    <message>
        <source>Squeeze into Frame (distortion)</source>
        <translation>Squeeze into Frame (distortion)</translation>
    </message>
    <message>
        <source>Correct aspect ratio (no crop)</source>
        <translation>Correct aspect ratio (no crop)</translation>
    </message>
    <message>
        <source>Correct aspect ratio (with crop)</source>
        <translation>Correct aspect ratio (with crop)</translation>
    </message>
    <message>
        <source>By pass</source>
        <translation>By pass</translation>
    </message>
</context>
<context>
    <name>RenameDialog</name>
    <message>
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
</context>
<context>
    <name>VolumnSettingDialog</name>
    <message>
        <source>Volumn Setting</source>
        <translation>Volumn Setting</translation>
    </message>
</context>
</TS>
