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
</TS>
