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
    <message>
        <source>Input %1</source>
        <translation>Input %1</translation>
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
        <source>Audio Out %1</source>
        <translation>Audio Out %1</translation>
    </message>
    <message>
        <source>Area %1</source>
        <translation>Area %1</translation>
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
<context>
    <name>WebPage</name>
    <message>
        <source>The server is not answering. Reconnecting...</source>
        <translation>The server is not answering. Reconnecting...</translation>
    </message>
    <message>
        <source>User</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Log in</source>
        <translation>Log in</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Log out</translation>
    </message>
    <message>
        <source>Stale</source>
        <translation>Stale</translation>
    </message>
    <message>
        <source>Sources</source>
        <translation>Sources</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Outputs</translation>
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
        <source>Audio Matrix</source>
        <translation>Audio Matrix</translation>
    </message>
    <message>
        <source>Splitter Areas</source>
        <translation>Splitter Areas</translation>
    </message>
    <message>
        <source>Plans</source>
        <translation>Plans</translation>
    </message>
    <message>
        <source>Salvos</source>
        <translation>Salvos</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Connecting</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnected</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nothing</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Locked</translation>
    </message>
    <message>
        <source>No right</source>
        <translation>No right</translation>
    </message>
    <message>
        <source>Take mode</source>
        <translation>Take mode</translation>
    </message>
    <message>
        <source>Take</source>
        <translation>Take</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1 staged</source>
        <translation>%1 staged</translation>
    </message>
    <message>
        <source>%1 (staged)</source>
        <translation>%1 (staged)</translation>
    </message>
    <message>
        <source>%1 staged for %2</source>
        <translation>%1 staged for %2</translation>
    </message>
    <message>
        <source>%1 now shows %2</source>
        <translation>%1 now shows %2</translation>
    </message>
    <message>
        <source>%1 cleared</source>
        <translation>%1 cleared</translation>
    </message>
    <message>
        <source>%1 sent</source>
        <translation>%1 sent</translation>
    </message>
    <message>
        <source>%1 sent, %2 refused: %3</source>
        <translation>%1 sent, %2 refused: %3</translation>
    </message>
    <message>
        <source>Tap a source first, then one or more outputs.</source>
        <translation>Tap a source first, then one or more outputs.</translation>
    </message>
    <message>
        <source>Tap a plan twice to recall it.</source>
        <translation>Tap a plan twice to recall it.</translation>
    </message>
    <message>
        <source>Tap a salvo twice to recall it.</source>
        <translation>Tap a salvo twice to recall it.</translation>
    </message>
    <message>
        <source>Tap again to recall</source>
        <translation>Tap again to recall</translation>
    </message>
    <message>
        <source>%1 recalled</source>
        <translation>%1 recalled</translation>
    </message>
    <message>
        <source>No plans saved</source>
        <translation>No plans saved</translation>
    </message>
    <message>
        <source>No salvos saved</source>
        <translation>No salvos saved</translation>
    </message>
    <message>
        <source>Plan %1</source>
        <translation>Plan %1</translation>
    </message>
</context>
</TS>
