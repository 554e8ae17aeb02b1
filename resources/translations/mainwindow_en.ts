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
    <name>PlanController</name>
    <message>
        <source>Recall Plan %1</source>
        <translation>Recall Plan %1</translation>
    </message>
    <message>
        <source>Save Plan %1</source>
        <translation>Save Plan %1</translation>
    </message>
    <message>
        <source>Clear Plan %1</source>
        <translation>Clear Plan %1</translation>
    </message>
    <message>
        <source>Rename Plan %1</source>
        <translation>Rename Plan %1</translation>
    </message>
</context>
<context>
    <name>PortMenus</name>
    <message>
        <source>Splice</source>
        <translation>Splice</translation>
    </message>
    <message>
        <source>Rename(F2)</source>
        <translation>Rename(F2)</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>无信号输出</source>
        <translation>No Signal Output</translation>
    </message>
    <message>
        <source>缩放模式</source>
        <translation>Scaling Mode</translation>
    </message>
    <message>
        <source>Graphics Test</source>
        <translation>Graphics Test</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Switch Layout</source>
        <translation>Switch Layout</translation>
    </message>
    <message>
        <source>Freeze / Unfreeze</source>
        <translation>Freeze / Unfreeze</translation>
    </message>
    <message>
        <source>No Signal Input</source>
        <translation>No Signal Input</translation>
    </message>
    <message>
        <source>GraphicsTest</source>
        <translation>GraphicsTest</translation>
    </message>
    <message>
        <source>OSD Setting</source>
        <translation>OSD Setting</translation>
    </message>
    <message>
        <source>Edid</source>
        <translation>Edid</translation>
    </message>
    <message>
        <source>Volume Setting</source>
        <translation>Volume Setting</translation>
    </message>
    <message>
        <source>HDCP Setting</source>
        <translation>HDCP Setting</translation>
    </message>
    <message>
        <source>3 x 3</source>
        <translation>3 x 3</translation>
    </message>
    <message>
        <source>2 x 4</source>
        <translation>2 x 4</translation>
    </message>
    <message>
        <source>No Standby</source>
        <translation>No Standby</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Standby</translation>
    </message>
    <message>
        <source>数字音频</source>
        <translation>Digital Audio</translation>
    </message>
    <message>
        <source>模拟音频</source>
        <translation>Analog Audio</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Not Support</source>
        <translation>Not Support</translation>
    </message>
    <message>
        <source>HDCP 1.4 Only</source>
        <translation>HDCP 1.4 Only</translation>
    </message>
    <message>
        <source>HDCP 2.2 Only</source>
        <translation>HDCP 2.2 Only</translation>
    </message>
    <message>
        <source>Unsplice</source>
        <translation>Unsplice</translation>
    </message>
    <message>
        <source>音频模式</source>
        <translation>Audio Mode</translation>
    </message>
    <message>
        <source>No Input</source>
        <translation>No Input</translation>
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
        <source>No Permission!</source>
        <translation>No Permission!</translation>
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
    <name>TakeHistory</name>
    <message>
        <source>Nothing to undo.</source>
        <translation>Nothing to undo.</translation>
    </message>
    <message>
        <source>Undone: no wall group again.</source>
        <translation>Undone: no wall group again.</translation>
    </message>
    <message>
        <source>Undone: wall group %1 again.</source>
        <translation>Undone: wall group %1 again.</translation>
    </message>
    <message>
        <source>output %1 back to %2</source>
        <translation>output %1 back to %2</translation>
    </message>
    <message>
        <source>Undone: %1.</source>
        <translation>Undone: %1.</translation>
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
        <source>Output %1</source>
        <translation>Output %1</translation>
    </message>
    <message>
        <source>Audio %1</source>
        <translation>Audio %1</translation>
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
