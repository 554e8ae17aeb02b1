<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DialogLauncher</name>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>No Permission!</source>
        <translation>No Permission!</translation>
    </message>
    <message>
        <source>Caption Setting</source>
        <translation>Caption Setting</translation>
    </message>
</context>
<context>
    <name>WallGroupButton</name>
    <message>
        <source>Outputs %1</source>
        <translation>Outputs %1</translation>
    </message>
</context>
<context>
    <name>Widget</name>
    <message>
        <source>Splice</source>
        <translation>Splice</translation>
    </message>
    <message>
        <source>Multiview</source>
        <translation>Multiview</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Output %1</translation>
    </message>
    <message>
        <source>Audio %1</source>
        <translation>Audio %1</translation>
    </message>
    <message>
        <source>Not available in this version</source>
        <translation>Not available in this version</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>The current operation involves one or more ports that the current user does not have permission to use.</source>
        <translation>The current operation involves one or more ports that the current user does not have permission to use.</translation>
    </message>
    <message>
        <source>%4Vantor  User:%3  Ip:%1  Port:%2 connected</source>
        <translation>%4Vantor  User:%3  Ip:%1  Port:%2 connected</translation>
    </message>
    <message>
        <source>%4Vantor  User:%3  Ip:%1  Port:%2 disconnected</source>
        <translation>%4Vantor  User:%3  Ip:%1  Port:%2 disconnected</translation>
    </message>
    <message>
        <source>%4Vantor  User:%3  Ip:%1  Port:%2 connecting</source>
        <translation>%4Vantor  User:%3  Ip:%1  Port:%2 connecting</translation>
    </message>
    <message>
        <source>Network Changed</source>
        <translation>Network Changed</translation>
    </message>
    <message>
        <source>The network has changed, please reboot the device immediately</source>
        <translation>The network has changed, please reboot the device immediately</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>Input %1</translation>
    </message>
</context>
</TS>
