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
    <message>
        <source>%1 routed %2 output %3 to source %4</source>
        <translation>%1 将 %2 输出 %3 切换到信号源 %4</translation>
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
    <name>SalvoPanel</name>
    <message>
        <source>Video %1</source>
        <translation>视频 %1</translation>
    </message>
    <message>
        <source>Infrared output %1</source>
        <translation>红外输出 %1</translation>
    </message>
    <message>
        <source>Splitter area %1</source>
        <translation>分屏区域 %1</translation>
    </message>
    <message>
        <source>HDMI audio of %1</source>
        <translation>%1 的 HDMI 音频</translation>
    </message>
    <message>
        <source>Audio output %1</source>
        <translation>音频输出 %1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>无</translation>
    </message>
    <message>
        <source>audio of %1</source>
        <translation>%1 的音频</translation>
    </message>
    <message>
        <source>Salvos</source>
        <translation>切换组</translation>
    </message>
    <message>
        <source>New from current routes</source>
        <translation>由当前切换新建</translation>
    </message>
    <message>
        <source>New from selected outputs</source>
        <translation>由选中的输出新建</translation>
    </message>
    <message>
        <source>New from stage</source>
        <translation>由暂存新建</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Recall</source>
        <translation>调用</translation>
    </message>
    <message>
        <source>Send again</source>
        <translation>重新发送</translation>
    </message>
    <message numerus="yes">
        <source>%1  (%n route(s))</source>
        <translation>
            <numerusform>%1  （%n 路）</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 ← %2</source>
        <translation>%1 ← %2</translation>
    </message>
    <message>
        <source>New salvo</source>
        <translation>新建切换组</translation>
    </message>
    <message numerus="yes">
        <source>Salvo &quot;%1&quot; saved with %n route(s).</source>
        <translation>
            <numerusform>切换组“%1”已保存，共 %n 路。</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename salvo</source>
        <translation>重命名切换组</translation>
    </message>
    <message>
        <source>Delete salvo</source>
        <translation>删除切换组</translation>
    </message>
    <message>
        <source>Delete salvo &quot;%1&quot;?</source>
        <translation>确定删除切换组“%1”吗？</translation>
    </message>
    <message>
        <source>Sending %1 of %2…</source>
        <translation>正在发送第 %1 路，共 %2 路…</translation>
    </message>
    <message>
        <source>Salvo &quot;%1&quot;: %2 route(s) sent, but the device did not answer; they may not have taken.</source>
        <translation>切换组“%1”：已发送 %2 路，但设备未应答，可能未生效。</translation>
    </message>
    <message>
        <source>Salvo &quot;%1&quot;: all %2 route(s) sent took.</source>
        <translation>切换组“%1”：已发送的 %2 路全部生效。</translation>
    </message>
    <message>
        <source>Salvo &quot;%1&quot;: %2 of %3 route(s) did not take.</source>
        <translation>切换组“%1”：%3 路中有 %2 路未生效。</translation>
    </message>
    <message>
        <source>%1 skipped.</source>
        <translation>跳过 %1 路。</translation>
    </message>
    <message>
        <source>Did not take: %1</source>
        <translation>未生效：%1</translation>
    </message>
    <message>
        <source>Skipped: %1 (%2)</source>
        <translation>已跳过：%1（%2）</translation>
    </message>
    <message>
        <source>Select output cells in the grid first.</source>
        <translation>请先在网格中选择输出单元格。</translation>
    </message>
    <message>
        <source>Salvo &quot;%1&quot;: nothing was sent.</source>
        <translation>切换组“%1”：未发送任何切换。</translation>
    </message>
</context>
<context>
    <name>SalvoWiring</name>
    <message>
        <source>Salvos…</source>
        <translation>切换组…</translation>
    </message>
    <message>
        <source>Named sets of routes kept by this client (Ctrl+Shift+L)</source>
        <translation>本客户端保存的命名切换组合（Ctrl+Shift+L）</translation>
    </message>
</context>
<context>
    <name>ShowWiring</name>
    <message>
        <source>Show File</source>
        <translation>演出文件</translation>
    </message>
    <message>
        <source>Export show...</source>
        <translation>导出演出...</translation>
    </message>
    <message>
        <source>Export show with device state...</source>
        <translation>导出演出及设备状态...</translation>
    </message>
    <message>
        <source>Import show...</source>
        <translation>导入演出...</translation>
    </message>
    <message>
        <source>Show files (*.json)</source>
        <translation>演出文件 (*.json)</translation>
    </message>
    <message>
        <source>Export show</source>
        <translation>导出演出</translation>
    </message>
    <message>
        <source>Import show</source>
        <translation>导入演出</translation>
    </message>
    <message>
        <source>Show import: %1 of %2 commands sent</source>
        <translation>演出导入：已发送 %1/%2 条命令</translation>
    </message>
    <message>
        <source>the waiting show file</source>
        <translation>等待中的演出文件</translation>
    </message>
    <message>
        <source>The device is not connected: its state cannot be exported.</source>
        <translation>设备未连接：无法导出其状态。</translation>
    </message>
    <message>
        <source>Show exported to %1</source>
        <translation>演出已导出到 %1</translation>
    </message>
    <message>
        <source>Show imported. To undo, import %1.</source>
        <translation>演出已导入。如需撤销，请导入 %1。</translation>
    </message>
    <message>
        <source>Show imported; the device parts wait for the device. To undo, import %1.</source>
        <translation>演出已导入；设备部分等待设备连接。如需撤销，请导入 %1。</translation>
    </message>
    <message>
        <source>Show import sent; the device did not confirm the routes.</source>
        <translation>演出导入已发送；设备未确认切换。</translation>
    </message>
    <message>
        <source>Show import applied on the device.</source>
        <translation>演出导入已应用到设备。</translation>
    </message>
    <message>
        <source>Show import applied; skipped: %1</source>
        <translation>演出导入已应用；已跳过：%1</translation>
    </message>
    <message>
        <source>These routes did not take: %1. Send them again?</source>
        <translation>以下切换未生效：%1。是否重新发送？</translation>
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
    <name>TakeBar</name>
    <message>
        <source>Take mode</source>
        <translation>预选模式</translation>
    </message>
    <message>
        <source>Take mode (%1): drops, Enter, double clicks and one-to-many routes are staged and sent together with Take. Off: every change goes out at once.</source>
        <translation>预选模式（%1）：拖放、回车、双击清除和一对多切换先被暂存，按“切换”后一起发送。关闭时每个更改立即发送。</translation>
    </message>
    <message>
        <source>Send every staged change (%1 or %2); Ctrl+Z undoes it in one step.</source>
        <translation>发送所有暂存的更改（%1 或 %2）；Ctrl+Z 一步撤销。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Drop the staged changes without sending anything (%1).</source>
        <translation>丢弃暂存的更改，不发送任何内容（%1）。</translation>
    </message>
    <message>
        <source>Take (%1)</source>
        <translation>切换 (%1)</translation>
    </message>
</context>
<context>
    <name>TakeWiring</name>
    <message>
        <source>Route to all outputs</source>
        <translation>切换到所有输出</translation>
    </message>
    <message>
        <source>Route to selected outputs</source>
        <translation>切换到选中的输出</translation>
    </message>
    <message>
        <source>Left the stage: %1</source>
        <translation>已移出暂存：%1</translation>
    </message>
    <message>
        <source>Taken: %1 change(s).</source>
        <translation>已切换：%1 项更改。</translation>
    </message>
    <message>
        <source>Take mode: changes are staged until Take.</source>
        <translation>预选模式：更改将暂存，直到按“切换”。</translation>
    </message>
    <message>
        <source>Direct mode: every change goes out at once.</source>
        <translation>直接模式：每个更改立即发送。</translation>
    </message>
    <message>
        <source>The previous take is still being sent.</source>
        <translation>上一次切换仍在发送中。</translation>
    </message>
    <message>
        <source>Pick a source in the signal list first.</source>
        <translation>请先在信号列表中选择信号源。</translation>
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
