<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>RemoteApi</name>
    <message>
        <source>The request is not valid.</source>
        <translation>The request is not valid.</translation>
    </message>
    <message>
        <source>The device is not connected.</source>
        <translation>The device is not connected.</translation>
    </message>
    <message>
        <source>This device has no such port.</source>
        <translation>This device has no such port.</translation>
    </message>
    <message>
        <source>%1 is locked.</source>
        <translation>%1 is locked.</translation>
    </message>
    <message>
        <source>No permission for %1.</source>
        <translation>No permission for %1.</translation>
    </message>
    <message>
        <source>No such plan.</source>
        <translation>No such plan.</translation>
    </message>
    <message>
        <source>No permission: plan operation.</source>
        <translation>No permission: plan operation.</translation>
    </message>
    <message>
        <source>The plan cannot be recalled now.</source>
        <translation>The plan cannot be recalled now.</translation>
    </message>
    <message>
        <source>Unknown host name.</source>
        <translation>Unknown host name.</translation>
    </message>
    <message>
        <source>The request is too large.</source>
        <translation>The request is too large.</translation>
    </message>
    <message>
        <source>This method is not allowed here.</source>
        <translation>This method is not allowed here.</translation>
    </message>
    <message>
        <source>No such page.</source>
        <translation>No such page.</translation>
    </message>
    <message>
        <source>Please log in.</source>
        <translation>Please log in.</translation>
    </message>
    <message>
        <source>The page is out of date; reload it.</source>
        <translation>The page is out of date; reload it.</translation>
    </message>
    <message>
        <source>Too many failed logins; try again later.</source>
        <translation>Too many failed logins; try again later.</translation>
    </message>
    <message>
        <source>Wrong user name or password.</source>
        <translation>Wrong user name or password.</translation>
    </message>
    <message>
        <source>Too many clients; try again later.</source>
        <translation>Too many clients; try again later.</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>HDMI Audio</source>
        <translation>HDMI Audio</translation>
    </message>
    <message>
        <source>Infrared</source>
        <translation>Infrared</translation>
    </message>
    <message>
        <source>Splitter</source>
        <translation>Splitter</translation>
    </message>
    <message>
        <source>No such salvo.</source>
        <translation>No such salvo.</translation>
    </message>
    <message>
        <source>Another salvo is being recalled.</source>
        <translation>Another salvo is being recalled.</translation>
    </message>
    <message>
        <source>Too many routes staged.</source>
        <translation>Too many routes staged.</translation>
    </message>
</context>
<context>
    <name>RemoteServer</name>
    <message>
        <source>The certificate or key cannot be used: %1, %2</source>
        <translation>The certificate or key cannot be used: %1, %2</translation>
    </message>
    <message>
        <source>Cannot listen on %1 port %2.</source>
        <translation>Cannot listen on %1 port %2.</translation>
    </message>
</context>
</TS>
