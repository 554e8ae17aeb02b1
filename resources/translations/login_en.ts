<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AddressValidator</name>
    <message>
        <source>Enter a port from 1 to 65535.</source>
        <translation>Enter a port from 1 to 65535.</translation>
    </message>
    <message>
        <source>This field is empty.</source>
        <translation>This field is empty.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address: four numbers from 0 to 255 joined by dots.</source>
        <translation>&quot;%1&quot; is not an address: four numbers from 0 to 255 joined by dots.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a subnet mask such as 255.255.255.0.</source>
        <translation>&quot;%1&quot; is not a subnet mask such as 255.255.255.0.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a MAC address: six pairs of hex digits joined by colons.</source>
        <translation>&quot;%1&quot; is not a MAC address: six pairs of hex digits joined by colons.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address: four numbers from 0 to 255 joined by dots.</source>
        <translation>&quot;%1&quot; is not an IPv4 address: four numbers from 0 to 255 joined by dots.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a host name: letters, digits, dots and hyphens only.</source>
        <translation>&quot;%1&quot; is not a host name: letters, digits, dots and hyphens only.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a port: enter a number from 1 to 65535.</source>
        <translation>&quot;%1&quot; is not a port: enter a number from 1 to 65535.</translation>
    </message>
</context>
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
