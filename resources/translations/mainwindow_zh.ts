<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>DialogLauncher</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>No Permission!</source>
        <translation>没有权限！</translation>
    </message>
    <message>
        <source>Caption Setting</source>
        <translation>字幕设置</translation>
    </message>
</context>
<context>
    <name>WallGroupButton</name>
    <message>
        <source>Outputs %1</source>
        <translation>输出 %1</translation>
    </message>
</context>
<context>
    <name>Widget</name>
    <message>
        <source>Splice</source>
        <translation>拼接</translation>
    </message>
    <message>
        <source>Multiview</source>
        <translation>多画面</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>输出 %1</translation>
    </message>
    <message>
        <source>Audio %1</source>
        <translation>音频 %1</translation>
    </message>
    <message>
        <source>Not available in this version</source>
        <translation>此版本暂不可用</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The current operation involves one or more ports that the current user does not have permission to use.</source>
        <translation>当前操作涉及一个或多个当前用户无权使用的端口。</translation>
    </message>
    <message>
        <source>%4Vantor  User:%3  Ip:%1  Port:%2 connected</source>
        <translation>%4Vantor  用户:%3  Ip:%1  端口:%2 已连接</translation>
    </message>
    <message>
        <source>%4Vantor  User:%3  Ip:%1  Port:%2 disconnected</source>
        <translation>%4Vantor  用户:%3  Ip:%1  端口:%2 已断开</translation>
    </message>
    <message>
        <source>%4Vantor  User:%3  Ip:%1  Port:%2 connecting</source>
        <translation>%4Vantor  用户:%3  Ip:%1  端口:%2 正在连接</translation>
    </message>
    <message>
        <source>Network Changed</source>
        <translation>网络已更改</translation>
    </message>
    <message>
        <source>The network has changed, please reboot the device immediately</source>
        <translation>网络已更改，请立即重启设备</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>输入 %1</translation>
    </message>
</context>
</TS>
