<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
    <name>AddressValidator</name>
    <message>
        <source>Enter a port from 1 to 65535.</source>
        <translation>请输入 1 到 65535 之间的端口。</translation>
    </message>
    <message>
        <source>This field is empty.</source>
        <translation>此项为空。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address: four numbers from 0 to 255 joined by dots.</source>
        <translation>“%1”不是有效地址：应为以点分隔的四个 0 到 255 之间的数字。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a subnet mask such as 255.255.255.0.</source>
        <translation>“%1”不是有效的子网掩码（例如 255.255.255.0）。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a MAC address: six pairs of hex digits joined by colons.</source>
        <translation>“%1”不是有效的 MAC 地址：应为以冒号分隔的六组两位十六进制数。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address: four numbers from 0 to 255 joined by dots.</source>
        <translation>“%1”不是有效的 IPv4 地址：应为以点分隔的四个 0 到 255 之间的数字。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a host name: letters, digits, dots and hyphens only.</source>
        <translation>“%1”不是有效的主机名：只能包含字母、数字、点和连字符。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a port: enter a number from 1 to 65535.</source>
        <translation>“%1”不是有效端口：请输入 1 到 65535 之间的数字。</translation>
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
    <message>
        <source>Plan %1 recalled</source>
        <translation>预案 %1 已调用</translation>
    </message>
    <message>
        <source>Plan %1 saved</source>
        <translation>预案 %1 已保存</translation>
    </message>
    <message>
        <source>Plan %1 cleared</source>
        <translation>预案 %1 已清除</translation>
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
</context>
<context>
    <name>RouteFanout</name>
    <message>
        <source>Pick an output cell first.</source>
        <translation>请先选择输出单元格。</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>已跳过：%1</translation>
    </message>
</context>
<context>
    <name>SalvoController</name>
    <message>
        <source>Salvos are unavailable: the project database cannot be changed (it is read-only or damaged).</source>
        <translation>切换组不可用：工程数据库无法修改（只读或已损坏）。</translation>
    </message>
    <message>
        <source>A salvo needs a name.</source>
        <translation>切换组需要一个名称。</translation>
    </message>
    <message>
        <source>A salvo name has at most %1 characters.</source>
        <translation>切换组名称最多 %1 个字符。</translation>
    </message>
    <message>
        <source>There is already a salvo called &quot;%1&quot;.</source>
        <translation>已有名为“%1”的切换组。</translation>
    </message>
    <message>
        <source>That salvo no longer exists.</source>
        <translation>该切换组已不存在。</translation>
    </message>
    <message>
        <source>The salvo could not be saved: %1</source>
        <translation>无法保存切换组：%1</translation>
    </message>
</context>
<context>
    <name>TableWidget</name>
    <message>
        <source>There is no output here.</source>
        <translation>此处没有输出口。</translation>
    </message>
    <message>
        <source>Output %1 is locked.</source>
        <translation>输出 %1 已锁定。</translation>
    </message>
    <message>
        <source>You have no right to switch output %1.</source>
        <translation>您没有切换输出 %1 的权限。</translation>
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
    <name>TakeStage</name>
    <message>
        <source>The previous take is still being sent.</source>
        <translation>上一次切换仍在发送中。</translation>
    </message>
    <message>
        <source>Nothing is staged.</source>
        <translation>没有待切换的更改。</translation>
    </message>
</context>
<context>
    <name>Widget</name>
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
</context>
</TS>
