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
    <name>ActivityLog</name>
    <message>
        <source>sent</source>
        <translation>发送</translation>
    </message>
    <message>
        <source>received</source>
        <translation>接收</translation>
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
    <name>LinkIndicator</name>
    <message>
        <source>Connected</source>
        <translation>已连接</translation>
    </message>
    <message>
        <source>Connecting, retry %1</source>
        <translation>正在连接，第 %1 次重试</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>正在连接</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>已断开</translation>
    </message>
    <message>
        <source>The device is not connected: nothing was sent.</source>
        <translation>设备未连接：未发送任何指令。</translation>
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
    <name>NetworkForm</name>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP 地址</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>网关</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>子网掩码</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC 地址</translation>
    </message>
    <message>
        <source>Send these network settings to the device?</source>
        <translation>是否将以下网络设置发送到设备？</translation>
    </message>
    <message>
        <source>%1: %2 (unchanged)</source>
        <translation>%1：%2（未更改）</translation>
    </message>
    <message>
        <source>%1: %2 → %3</source>
        <translation>%1：%2 → %3</translation>
    </message>
    <message>
        <source>The device may become reachable only at the new address.</source>
        <translation>设备之后可能只能通过新地址访问。</translation>
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
    <name>PlanController</name>
    <message>
        <source>Recall Plan %1</source>
        <translation>调用预案 %1</translation>
    </message>
    <message>
        <source>Save Plan %1</source>
        <translation>保存预案 %1</translation>
    </message>
    <message>
        <source>Clear Plan %1</source>
        <translation>清除预案 %1</translation>
    </message>
    <message>
        <source>Rename Plan %1</source>
        <translation>重命名预案 %1</translation>
    </message>
</context>
<context>
    <name>PortMenus</name>
    <message>
        <source>Splice</source>
        <translation>拼接</translation>
    </message>
    <message>
        <source>Rename(F2)</source>
        <translation>重命名(F2)</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <source>无信号输出</source>
        <translation>无信号输出</translation>
    </message>
    <message>
        <source>缩放模式</source>
        <translation>缩放模式</translation>
    </message>
    <message>
        <source>Graphics Test</source>
        <translation>图形测试</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Switch Layout</source>
        <translation>切换布局</translation>
    </message>
    <message>
        <source>Freeze / Unfreeze</source>
        <translation>冻结 / 解冻</translation>
    </message>
    <message>
        <source>No Signal Input</source>
        <translation>无信号输入</translation>
    </message>
    <message>
        <source>GraphicsTest</source>
        <translation>图形测试</translation>
    </message>
    <message>
        <source>OSD Setting</source>
        <translation>OSD设置</translation>
    </message>
    <message>
        <source>Edid</source>
        <translation>EDID</translation>
    </message>
    <message>
        <source>Volume Setting</source>
        <translation>音量设置</translation>
    </message>
    <message>
        <source>HDCP Setting</source>
        <translation>HDCP设置</translation>
    </message>
    <message>
        <source>3 x 3</source>
        <translation>3 x 3</translation>
    </message>
    <message>
        <source>2 x 4</source>
        <translation>2 x 4</translation>
    </message>
    <message>
        <source>No Standby</source>
        <translation>不待机</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>待机</translation>
    </message>
    <message>
        <source>数字音频</source>
        <translation>数字音频</translation>
    </message>
    <message>
        <source>模拟音频</source>
        <translation>模拟音频</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Not Support</source>
        <translation>不支持</translation>
    </message>
    <message>
        <source>HDCP 1.4 Only</source>
        <translation>仅HDCP 1.4</translation>
    </message>
    <message>
        <source>HDCP 2.2 Only</source>
        <translation>仅HDCP 2.2</translation>
    </message>
    <message>
        <source>Unsplice</source>
        <translation>取消拼接</translation>
    </message>
    <message>
        <source>音频模式</source>
        <translation>音频模式</translation>
    </message>
    <message>
        <source>No Input</source>
        <translation>无输入</translation>
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
        <source>No Permission!</source>
        <translation>没有权限！</translation>
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
    <name>TakeHistory</name>
    <message>
        <source>Nothing to undo.</source>
        <translation>没有可撤销的操作。</translation>
    </message>
    <message>
        <source>Undone: no wall group again.</source>
        <translation>已撤销：恢复为无拼接组。</translation>
    </message>
    <message>
        <source>Undone: wall group %1 again.</source>
        <translation>已撤销：恢复为拼接组 %1。</translation>
    </message>
    <message>
        <source>output %1 back to %2</source>
        <translation>输出 %1 恢复为 %2</translation>
    </message>
    <message>
        <source>Undone: %1.</source>
        <translation>已撤销：%1。</translation>
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
        <source>Output %1</source>
        <translation>输出 %1</translation>
    </message>
    <message>
        <source>Audio %1</source>
        <translation>音频 %1</translation>
    </message>
    <message>
        <source>%4Vantor  User:%3  Ip:%1  Port:%2 connected</source>
        <translation>%4Vantor  用户:%3  IP地址:%1  端口:%2 已连接</translation>
    </message>
    <message>
        <source>%4Vantor  User:%3  Ip:%1  Port:%2 disconnected</source>
        <translation>%4Vantor  用户:%3  IP地址:%1  端口:%2 已断开</translation>
    </message>
    <message>
        <source>%4Vantor  User:%3  Ip:%1  Port:%2 connecting</source>
        <translation>%4Vantor  用户:%3  IP地址:%1  端口:%2 正在连接</translation>
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
