<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>LoginDialog</name>
    <message>
        <source>LOGIN</source>
        <translation>LOGIN</translation>
    </message>
    <message>
        <source>系列视频切换软件</source>
        <translation> Series Video Switcher</translation>
    </message>
    <message>
        <source>Remember Password</source>
        <translation>Remember Password</translation>
    </message>
    <message>
        <source>connect fail!</source>
        <translation>connect fail!</translation>
    </message>
    <message>
        <source>connect successful but software error!</source>
        <translation>connect successful but software error!</translation>
    </message>
    <message>
        <source>username or password error!</source>
        <translation>username or password error!</translation>
    </message>
</context>
<context>
    <name>LoginSettingDialog</name>
    <message>
        <source>Setting</source>
        <translation>Setting</translation>
    </message>
</context>
</TS>
