<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CDlgScalingmode</name>
    <message>
        <source>缩放模式</source>
        <translation>缩放模式</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>CDlgnosignaloutput</name>
    <message>
        <source>无信号输出</source>
        <translation>无信号输出</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>选择颜色</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>GraphicsTestDialog</name>
    <message>
        <source>图形测试模式</source>
        <translation>图形测试模式</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>OutputDialogs</name>
    <message>
        <source>Input Graphics test</source>
        <translation>输入图形测试</translation>
    </message>
    <message>
        <source>OutPut Graphics test</source>
        <translation>输出图形测试</translation>
    </message>
</context>
<context>
    <name>PatternButtons</name>
    <message>
        <source>RGB stripe</source>
        <translation>RGB彩条</translation>
    </message>
    <message>
        <source>16 Gray Scales</source>
        <translation>16级灰阶</translation>
    </message>
    <message>
        <source>32 Gray Scales</source>
        <translation>32级灰阶</translation>
    </message>
    <message>
        <source>64 Gray Scales</source>
        <translation>64级灰阶</translation>
    </message>
    <message>
        <source>Red Grid</source>
        <translation>红色网格</translation>
    </message>
    <message>
        <source>Green Grid</source>
        <translation>绿色网格</translation>
    </message>
    <message>
        <source>Blue Grid</source>
        <translation>蓝色网格</translation>
    </message>
    <message>
        <source>White Grid</source>
        <translation>白色网格</translation>
    </message>
    <message>
        <source>Horizon Scroll</source>
        <translation>水平滚动</translation>
    </message>
    <message>
        <source>Vertical Scroll</source>
        <translation>垂直滚动</translation>
    </message>
    <message>
        <source>Pure Color</source>
        <translation>纯色</translation>
    </message>
    <message>
        <source>Squeeze into Frame (distortion)</source>
        <translation>拉伸满屏（变形）</translation>
    </message>
    <message>
        <source>Correct aspect ratio (no crop)</source>
        <translation>保持宽高比（不裁剪）</translation>
    </message>
    <message>
        <source>Correct aspect ratio (with crop)</source>
        <translation>保持宽高比（裁剪）</translation>
    </message>
    <message>
        <source>By pass</source>
        <translation>直通</translation>
    </message>
</context>
<context>
    <name>RenameDialog</name>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
</context>
<context>
    <name>VolumnSettingDialog</name>
    <message>
        <source>Volumn Setting</source>
        <translation>音量设置</translation>
    </message>
</context>
</TS>
