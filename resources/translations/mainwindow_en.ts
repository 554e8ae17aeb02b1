<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AboutPage</name>
    <message>
        <source>Software version:</source>
        <translation>Software version:</translation>
    </message>
    <message>
        <source>Release:</source>
        <translation>Release:</translation>
    </message>
</context>
<context>
    <name>ActivityView</name>
    <message>
        <source>Activity</source>
        <translation>Activity</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Copy the selected lines, or all when none is selected</source>
        <translation>Copy the selected lines, or all when none is selected</translation>
    </message>
</context>
<context>
    <name>DialogLauncher</name>
    <message>
        <source>Caption Setting</source>
        <translation>Caption Setting</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>Input %1</translation>
    </message>
    <message>
        <source>OSD Setting %1</source>
        <translation>OSD Setting %1</translation>
    </message>
    <message>
        <source>Default password</source>
        <translation>Default password</translation>
    </message>
    <message>
        <source>You are logged in as ADMIN with the default password, which anyone with the manual knows. Change it now in User Management?</source>
        <translation>You are logged in as ADMIN with the default password, which anyone with the manual knows. Change it now in User Management?</translation>
    </message>
</context>
<context>
    <name>KeyRouting</name>
    <message>
        <source>Pick a source in the signal list first.</source>
        <translation>Pick a source in the signal list first.</translation>
    </message>
    <message>
        <source>Pick an output cell first.</source>
        <translation>Pick an output cell first.</translation>
    </message>
    <message>
        <source>No source %1 in the list.</source>
        <translation>No source %1 in the list.</translation>
    </message>
</context>
<context>
    <name>LinkStatusView</name>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Offline (%1): drops, clicks and commands are refused until the device answers again.</source>
        <translation>Offline (%1): drops, clicks and commands are refused until the device answers again.</translation>
    </message>
    <message>
        <source>The device did not answer within 5 s: the picture may be stale (last record %1).</source>
        <translation>The device did not answer within 5 s: the picture may be stale (last record %1).</translation>
    </message>
    <message>
        <source>The device did not answer within 5 s: the picture may be stale.</source>
        <translation>The device did not answer within 5 s: the picture may be stale.</translation>
    </message>
</context>
<context>
    <name>NetworkGuard</name>
    <message>
        <source>Network settings</source>
        <translation>Network settings</translation>
    </message>
    <message>
        <source>Factory Reset</source>
        <translation>Factory Reset</translation>
    </message>
    <message>
        <source>Reset the device to its factory settings? Routes, plans, wall groups and the network settings are lost, and the device may be reachable only at its factory address.</source>
        <translation>Reset the device to its factory settings? Routes, plans, wall groups and the network settings are lost, and the device may be reachable only at its factory address.</translation>
    </message>
    <message>
        <source>Set by DHCP; turn DHCP off to enter an address.</source>
        <translation>Set by DHCP; turn DHCP off to enter an address.</translation>
    </message>
</context>
<context>
    <name>PlanBar</name>
    <message>
        <source>Plan %1 holds a plan saved from this client. Clear it?</source>
        <translation>Plan %1 holds a plan saved from this client. Clear it?</translation>
    </message>
    <message>
        <source>Plan %1 holds a plan saved from this client. Overwrite it?</source>
        <translation>Plan %1 holds a plan saved from this client. Overwrite it?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
</context>
<context>
    <name>PortMenus</name>
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
        <source>No Permission!</source>
        <translation>No Permission!</translation>
    </message>
</context>
<context>
    <name>RemoteAccessSwitch</name>
    <message>
        <source>Remote access</source>
        <translation>Remote access</translation>
    </message>
    <message>
        <source>Port </source>
        <translation>Port </translation>
    </message>
    <message>
        <source>The port tablets and phones connect to.</source>
        <translation>The port tablets and phones connect to.</translation>
    </message>
    <message>
        <source>Open %1 in a browser on the same network. Anyone who can reach this port can try to log in.</source>
        <translation>Open %1 in a browser on the same network. Anyone who can reach this port can try to log in.</translation>
    </message>
    <message>
        <source>Remote access did not start: %1</source>
        <translation>Remote access did not start: %1</translation>
    </message>
    <message>
        <source>Off. Tablets and phones can route through a browser when it is on.</source>
        <translation>Off. Tablets and phones can route through a browser when it is on.</translation>
    </message>
</context>
<context>
    <name>SignalSearch</name>
    <message>
        <source>Search by number or name</source>
        <translation>Search by number or name</translation>
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
    <name>WallPages</name>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
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
        <source>Audio %1</source>
        <translation>Audio %1</translation>
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
    <message>
        <source>Output %1</source>
        <translation>Output %1</translation>
    </message>
</context>
</TS>
