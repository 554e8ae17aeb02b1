<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutPage</name>
    <message>
        <source>Software version:</source>
        <translation>软件版本:</translation>
    </message>
    <message>
        <source>Release:</source>
        <translation>发布号:</translation>
    </message>
</context>
<context>
    <name>ActivityView</name>
    <message>
        <source>Activity</source>
        <translation>通信记录</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Copy the selected lines, or all when none is selected</source>
        <translation>复制选中的行；未选中时复制全部</translation>
    </message>
</context>
<context>
    <name>DialogLauncher</name>
    <message>
        <source>Caption Setting</source>
        <translation>字幕设置</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>输入 %1</translation>
    </message>
    <message>
        <source>OSD Setting %1</source>
        <translation>OSD设置 %1</translation>
    </message>
    <message>
        <source>Default password</source>
        <translation>默认密码</translation>
    </message>
    <message>
        <source>You are logged in as ADMIN with the default password, which anyone with the manual knows. Change it now in User Management?</source>
        <translation>您以 ADMIN 和默认密码登录，看过说明书的人都知道这个密码。现在到用户管理中修改吗？</translation>
    </message>
</context>
<context>
    <name>KeyRouting</name>
    <message>
        <source>Pick a source in the signal list first.</source>
        <translation>请先在信号列表中选择信号源。</translation>
    </message>
    <message>
        <source>Pick an output cell first.</source>
        <translation>请先选择输出单元格。</translation>
    </message>
    <message>
        <source>No source %1 in the list.</source>
        <translation>列表中没有信号源 %1。</translation>
    </message>
</context>
<context>
    <name>LinkStatusView</name>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Offline (%1): drops, clicks and commands are refused until the device answers again.</source>
        <translation>离线（%1）：在设备重新应答之前，拖放、点击和指令均不会执行。</translation>
    </message>
    <message>
        <source>The device did not answer within 5 s: the picture may be stale (last record %1).</source>
        <translation>设备 5 秒内未应答：当前显示可能已过时（最后一条记录 %1）。</translation>
    </message>
    <message>
        <source>The device did not answer within 5 s: the picture may be stale.</source>
        <translation>设备 5 秒内未应答：当前显示可能已过时。</translation>
    </message>
</context>
<context>
    <name>NetworkGuard</name>
    <message>
        <source>Network settings</source>
        <translation>网络设置</translation>
    </message>
    <message>
        <source>Factory Reset</source>
        <translation>恢复出厂设置</translation>
    </message>
    <message>
        <source>Reset the device to its factory settings? Routes, plans, wall groups and the network settings are lost, and the device may be reachable only at its factory address.</source>
        <translation>是否将设备恢复为出厂设置？切换关系、预案、拼接组和网络设置都将丢失，之后可能只能通过出厂地址访问设备。</translation>
    </message>
    <message>
        <source>Set by DHCP; turn DHCP off to enter an address.</source>
        <translation>由 DHCP 分配；关闭 DHCP 后才能输入地址。</translation>
    </message>
</context>
<context>
    <name>PlanBar</name>
    <message>
        <source>Plan %1 holds a plan saved from this client. Clear it?</source>
        <translation>预案 %1 是本客户端保存的。确定清除吗？</translation>
    </message>
    <message>
        <source>Plan %1 holds a plan saved from this client. Overwrite it?</source>
        <translation>预案 %1 是本客户端保存的。确定覆盖吗？</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
</context>
<context>
    <name>PortMenus</name>
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
        <source>No Permission!</source>
        <translation>没有权限！</translation>
    </message>
</context>
<context>
    <name>RemoteAccessSwitch</name>
    <message>
        <source>Remote access</source>
        <translation>远程访问</translation>
    </message>
    <message>
        <source>Port </source>
        <translation>端口 </translation>
    </message>
    <message>
        <source>The port tablets and phones connect to.</source>
        <translation>平板和手机连接的端口。</translation>
    </message>
    <message>
        <source>Open %1 in a browser on the same network. Anyone who can reach this port can try to log in.</source>
        <translation>在同一网络中用浏览器打开 %1。能访问此端口的任何人都可以尝试登录。</translation>
    </message>
    <message>
        <source>Remote access did not start: %1</source>
        <translation>远程访问未能启动：%1</translation>
    </message>
    <message>
        <source>Off. Tablets and phones can route through a browser when it is on.</source>
        <translation>已关闭。开启后，平板和手机可以通过浏览器切换信号。</translation>
    </message>
</context>
<context>
    <name>SignalSearch</name>
    <message>
        <source>Search by number or name</source>
        <translation>按编号或名称搜索</translation>
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
    <name>WallPages</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
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
        <source>Audio %1</source>
        <translation>音频 %1</translation>
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
    <message>
        <source>Output %1</source>
        <translation>输出 %1</translation>
    </message>
</context>
</TS>
