<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ActivityLog</name>
    <message>
        <source>sent</source>
        <translation>sent</translation>
    </message>
    <message>
        <source>received</source>
        <translation>received</translation>
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
    <name>LinkIndicator</name>
    <message>
        <source>Connected</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>Connecting, retry %1</source>
        <translation>Connecting, retry %1</translation>
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
        <source>The device is not connected: nothing was sent.</source>
        <translation>The device is not connected: nothing was sent.</translation>
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
    <name>NetworkForm</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Subnet mask</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC address</translation>
    </message>
    <message>
        <source>Send these network settings to the device?</source>
        <translation>Send these network settings to the device?</translation>
    </message>
    <message>
        <source>%1: %2 (unchanged)</source>
        <translation>%1: %2 (unchanged)</translation>
    </message>
    <message>
        <source>%1: %2 → %3</source>
        <translation>%1: %2 → %3</translation>
    </message>
    <message>
        <source>The device may become reachable only at the new address.</source>
        <translation>The device may become reachable only at the new address.</translation>
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
</context>
</TS>
