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
    <message>
        <source>无信号输出 %1</source>
        <translation>No Signal Output %1</translation>
    </message>
</context>
<context>
    <name>DatabasePrompt</name>
    <message>
        <source>The project database %1 is damaged and cannot be used (%2).

Start with a fresh database? The damaged file is kept beside it, renamed, and is not changed.</source>
        <translation>The project database %1 is damaged and cannot be used (%2).

Start with a fresh database? The damaged file is kept beside it, renamed, and is not changed.</translation>
    </message>
    <message>
        <source>The project database %1 is in use by another program (%2).

Close that program and try again.</source>
        <translation>The project database %1 is in use by another program (%2).

Close that program and try again.</translation>
    </message>
    <message>
        <source>The project database %1 cannot be read (%2).

Check the file&apos;s permissions and start again.</source>
        <translation>The project database %1 cannot be read (%2).

Check the file&apos;s permissions and start again.</translation>
    </message>
    <message>
        <source>The project database %1 is read-only: users, rights and names you change will not be saved.</source>
        <translation>The project database %1 is read-only: users, rights and names you change will not be saved.</translation>
    </message>
    <message>
        <source>Project database</source>
        <translation>Project database</translation>
    </message>
    <message>
        <source>Start fresh</source>
        <translation>Start fresh</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Try again</translation>
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
    <name>ShowImportDialog</name>
    <message>
        <source>Import show</source>
        <translation>Import show</translation>
    </message>
    <message>
        <source>What importing %1 would change. Pick the parts to apply.</source>
        <translation>What importing %1 would change. Pick the parts to apply.</translation>
    </message>
    <message>
        <source>%1: waits until the device is connected</source>
        <translation>%1: waits until the device is connected</translation>
    </message>
    <message>
        <source>%1: nothing changes</source>
        <translation>%1: nothing changes</translation>
    </message>
    <message>
        <source>Left out, because this device does not have them:
%1</source>
        <translation>Left out, because this device does not have them:
%1</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
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
