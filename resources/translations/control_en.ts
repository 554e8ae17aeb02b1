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
    <message>
        <source>Plan %1 recalled</source>
        <translation>Plan %1 recalled</translation>
    </message>
    <message>
        <source>Plan %1 saved</source>
        <translation>Plan %1 saved</translation>
    </message>
    <message>
        <source>Plan %1 cleared</source>
        <translation>Plan %1 cleared</translation>
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
</context>
<context>
    <name>RouteFanout</name>
    <message>
        <source>Pick an output cell first.</source>
        <translation>Pick an output cell first.</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Skipped: %1</translation>
    </message>
</context>
<context>
    <name>SalvoController</name>
    <message>
        <source>Salvos are unavailable: the project database cannot be changed (it is read-only or damaged).</source>
        <translation>Salvos are unavailable: the project database cannot be changed (it is read-only or damaged).</translation>
    </message>
    <message>
        <source>A salvo needs a name.</source>
        <translation>A salvo needs a name.</translation>
    </message>
    <message>
        <source>A salvo name has at most %1 characters.</source>
        <translation>A salvo name has at most %1 characters.</translation>
    </message>
    <message>
        <source>There is already a salvo called &quot;%1&quot;.</source>
        <translation>There is already a salvo called &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>That salvo no longer exists.</source>
        <translation>That salvo no longer exists.</translation>
    </message>
    <message>
        <source>The salvo could not be saved: %1</source>
        <translation>The salvo could not be saved: %1</translation>
    </message>
</context>
<context>
    <name>TableWidget</name>
    <message>
        <source>There is no output here.</source>
        <translation>There is no output here.</translation>
    </message>
    <message>
        <source>Output %1 is locked.</source>
        <translation>Output %1 is locked.</translation>
    </message>
    <message>
        <source>You have no right to switch output %1.</source>
        <translation>You have no right to switch output %1.</translation>
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
    <name>TakeStage</name>
    <message>
        <source>The previous take is still being sent.</source>
        <translation>The previous take is still being sent.</translation>
    </message>
    <message>
        <source>Nothing is staged.</source>
        <translation>Nothing is staged.</translation>
    </message>
</context>
<context>
    <name>Widget</name>
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
</context>
</TS>
