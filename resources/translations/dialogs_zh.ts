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
    <message>
        <source>无信号输出 %1</source>
        <translation>无信号输出 %1</translation>
    </message>
</context>
<context>
    <name>DatabasePrompt</name>
    <message>
        <source>The project database %1 is damaged and cannot be used (%2).

Start with a fresh database? The damaged file is kept beside it, renamed, and is not changed.</source>
        <translation>项目数据库 %1 已损坏，无法使用（%2）。

是否使用新的数据库启动？损坏的文件会改名后保留在原目录中，内容不会被改动。</translation>
    </message>
    <message>
        <source>The project database %1 is in use by another program (%2).

Close that program and try again.</source>
        <translation>项目数据库 %1 正被其他程序占用（%2）。

请关闭该程序后重试。</translation>
    </message>
    <message>
        <source>The project database %1 cannot be read (%2).

Check the file&apos;s permissions and start again.</source>
        <translation>无法读取项目数据库 %1（%2）。

请检查文件权限后重新启动。</translation>
    </message>
    <message>
        <source>The project database %1 is read-only: users, rights and names you change will not be saved.</source>
        <translation>项目数据库 %1 为只读：对用户、权限和名称的修改将无法保存。</translation>
    </message>
    <message>
        <source>Project database</source>
        <translation>项目数据库</translation>
    </message>
    <message>
        <source>Start fresh</source>
        <translation>使用新数据库</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>重试</translation>
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
    <name>ShowImportDialog</name>
    <message>
        <source>Import show</source>
        <translation>导入演出</translation>
    </message>
    <message>
        <source>What importing %1 would change. Pick the parts to apply.</source>
        <translation>导入 %1 将改变的内容。请选择要应用的部分。</translation>
    </message>
    <message>
        <source>%1: waits until the device is connected</source>
        <translation>%1：等待设备连接</translation>
    </message>
    <message>
        <source>%1: nothing changes</source>
        <translation>%1：无变化</translation>
    </message>
    <message>
        <source>Left out, because this device does not have them:
%1</source>
        <translation>已略过，因为本设备没有这些：
%1</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
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
