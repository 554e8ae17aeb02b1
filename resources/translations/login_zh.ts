<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
