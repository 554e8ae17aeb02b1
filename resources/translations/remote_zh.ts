<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>RemoteApi</name>
    <message>
        <source>The request is not valid.</source>
        <translation>请求无效。</translation>
    </message>
    <message>
        <source>The device is not connected.</source>
        <translation>设备未连接。</translation>
    </message>
    <message>
        <source>This device has no such port.</source>
        <translation>此设备没有该端口。</translation>
    </message>
    <message>
        <source>%1 is locked.</source>
        <translation>%1 已锁定。</translation>
    </message>
    <message>
        <source>No permission for %1.</source>
        <translation>没有 %1 的权限。</translation>
    </message>
    <message>
        <source>No such plan.</source>
        <translation>没有该预案。</translation>
    </message>
    <message>
        <source>No permission: plan operation.</source>
        <translation>没有权限：预案操作。</translation>
    </message>
    <message>
        <source>The plan cannot be recalled now.</source>
        <translation>现在无法调用该预案。</translation>
    </message>
    <message>
        <source>Unknown host name.</source>
        <translation>未知的主机名。</translation>
    </message>
    <message>
        <source>The request is too large.</source>
        <translation>请求过大。</translation>
    </message>
    <message>
        <source>This method is not allowed here.</source>
        <translation>此处不允许该方法。</translation>
    </message>
    <message>
        <source>No such page.</source>
        <translation>没有该页面。</translation>
    </message>
    <message>
        <source>Please log in.</source>
        <translation>请登录。</translation>
    </message>
    <message>
        <source>The page is out of date; reload it.</source>
        <translation>页面已过期，请重新加载。</translation>
    </message>
    <message>
        <source>Too many failed logins; try again later.</source>
        <translation>登录失败次数过多，请稍后再试。</translation>
    </message>
    <message>
        <source>Wrong user name or password.</source>
        <translation>用户名或密码错误。</translation>
    </message>
    <message>
        <source>Too many clients; try again later.</source>
        <translation>客户端过多，请稍后再试。</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>HDMI Audio</source>
        <translation>HDMI 音频</translation>
    </message>
    <message>
        <source>Infrared</source>
        <translation>红外</translation>
    </message>
    <message>
        <source>Splitter</source>
        <translation>分屏</translation>
    </message>
    <message>
        <source>No such salvo.</source>
        <translation>没有该切换组。</translation>
    </message>
    <message>
        <source>Another salvo is being recalled.</source>
        <translation>另一个切换组正在调用中。</translation>
    </message>
    <message>
        <source>Too many routes staged.</source>
        <translation>预备的路由过多。</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>输入 %1</translation>
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
        <source>Audio Out %1</source>
        <translation>音频输出 %1</translation>
    </message>
    <message>
        <source>Area %1</source>
        <translation>区域 %1</translation>
    </message>
</context>
<context>
    <name>RemoteServer</name>
    <message>
        <source>The certificate or key cannot be used: %1, %2</source>
        <translation>证书或私钥无法使用：%1，%2</translation>
    </message>
    <message>
        <source>Cannot listen on %1 port %2.</source>
        <translation>无法在 %1 的端口 %2 上监听。</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>The server is not answering. Reconnecting...</source>
        <translation>服务器没有响应，正在重新连接…</translation>
    </message>
    <message>
        <source>User</source>
        <translation>用户</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Log in</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>退出登录</translation>
    </message>
    <message>
        <source>Stale</source>
        <translation>状态过期</translation>
    </message>
    <message>
        <source>Sources</source>
        <translation>输入源</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>HDMI Audio</source>
        <translation>HDMI 音频</translation>
    </message>
    <message>
        <source>Infrared</source>
        <translation>红外</translation>
    </message>
    <message>
        <source>Audio Matrix</source>
        <translation>音频矩阵</translation>
    </message>
    <message>
        <source>Splitter Areas</source>
        <translation>拼接区域</translation>
    </message>
    <message>
        <source>Plans</source>
        <translation>预案</translation>
    </message>
    <message>
        <source>Salvos</source>
        <translation>批量切换</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>已连接</translation>
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
        <source>Nothing</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>已锁定</translation>
    </message>
    <message>
        <source>No right</source>
        <translation>无权限</translation>
    </message>
    <message>
        <source>Take mode</source>
        <translation>预选模式</translation>
    </message>
    <message>
        <source>Take</source>
        <translation>执行</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>%1 staged</source>
        <translation>已预选 %1 项</translation>
    </message>
    <message>
        <source>%1 (staged)</source>
        <translation>%1（预选）</translation>
    </message>
    <message>
        <source>%1 staged for %2</source>
        <translation>已为 %2 预选 %1</translation>
    </message>
    <message>
        <source>%1 now shows %2</source>
        <translation>%1 现在显示 %2</translation>
    </message>
    <message>
        <source>%1 cleared</source>
        <translation>%1 已清除</translation>
    </message>
    <message>
        <source>%1 sent</source>
        <translation>已发送 %1 项</translation>
    </message>
    <message>
        <source>%1 sent, %2 refused: %3</source>
        <translation>已发送 %1 项，%2 项被拒绝：%3</translation>
    </message>
    <message>
        <source>Tap a source first, then one or more outputs.</source>
        <translation>请先点选一个输入源，再点选一个或多个输出。</translation>
    </message>
    <message>
        <source>Tap a plan twice to recall it.</source>
        <translation>点两下预案即可调用。</translation>
    </message>
    <message>
        <source>Tap a salvo twice to recall it.</source>
        <translation>点两下批量切换即可调用。</translation>
    </message>
    <message>
        <source>Tap again to recall</source>
        <translation>再点一下即调用</translation>
    </message>
    <message>
        <source>%1 recalled</source>
        <translation>已调用 %1</translation>
    </message>
    <message>
        <source>No plans saved</source>
        <translation>没有已保存的预案</translation>
    </message>
    <message>
        <source>No salvos saved</source>
        <translation>没有已保存的批量切换</translation>
    </message>
    <message>
        <source>Plan %1</source>
        <translation>预案 %1</translation>
    </message>
</context>
</TS>
