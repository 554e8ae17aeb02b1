<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
    <name>LoginDialog</name>
    <message>
        <source>LOGIN</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>系列视频切换软件</source>
        <translation>系列视频切换软件</translation>
    </message>
    <message>
        <source>Remember Password</source>
        <translation>记住密码</translation>
    </message>
    <message>
        <source>connect fail!</source>
        <translation>连接失败！</translation>
    </message>
    <message>
        <source>connect successful but software error!</source>
        <translation>连接成功，但软件出错！</translation>
    </message>
    <message>
        <source>username or password error!</source>
        <translation>用户名或密码错误！</translation>
    </message>
</context>
<context>
    <name>LoginSettingDialog</name>
    <message>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
</context>
</TS>
