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
    <message>
        <source>%1 routed %2 output %3 to source %4</source>
        <translation>%1 routed %2 output %3 to source %4</translation>
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
    <name>SalvoPanel</name>
    <message>
        <source>Video %1</source>
        <translation>Video %1</translation>
    </message>
    <message>
        <source>Infrared output %1</source>
        <translation>Infrared output %1</translation>
    </message>
    <message>
        <source>Splitter area %1</source>
        <translation>Splitter area %1</translation>
    </message>
    <message>
        <source>HDMI audio of %1</source>
        <translation>HDMI audio of %1</translation>
    </message>
    <message>
        <source>Audio output %1</source>
        <translation>Audio output %1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nothing</translation>
    </message>
    <message>
        <source>audio of %1</source>
        <translation>audio of %1</translation>
    </message>
    <message>
        <source>Salvos</source>
        <translation>Salvos</translation>
    </message>
    <message>
        <source>New from current routes</source>
        <translation>New from current routes</translation>
    </message>
    <message>
        <source>New from selected outputs</source>
        <translation>New from selected outputs</translation>
    </message>
    <message>
        <source>New from stage</source>
        <translation>New from stage</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Recall</source>
        <translation>Recall</translation>
    </message>
    <message>
        <source>Send again</source>
        <translation>Send again</translation>
    </message>
    <message numerus="yes">
        <source>%1  (%n route(s))</source>
        <translation>
            <numerusform>%1  (%n route)</numerusform>
            <numerusform>%1  (%n routes)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 ← %2</source>
        <translation>%1 ← %2</translation>
    </message>
    <message>
        <source>New salvo</source>
        <translation>New salvo</translation>
    </message>
    <message numerus="yes">
        <source>Salvo &quot;%1&quot; saved with %n route(s).</source>
        <translation>
            <numerusform>Salvo &quot;%1&quot; saved with %n route.</numerusform>
            <numerusform>Salvo &quot;%1&quot; saved with %n routes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename salvo</source>
        <translation>Rename salvo</translation>
    </message>
    <message>
        <source>Delete salvo</source>
        <translation>Delete salvo</translation>
    </message>
    <message>
        <source>Delete salvo &quot;%1&quot;?</source>
        <translation>Delete salvo &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Sending %1 of %2…</source>
        <translation>Sending %1 of %2…</translation>
    </message>
    <message>
        <source>Salvo &quot;%1&quot;: %2 route(s) sent, but the device did not answer; they may not have taken.</source>
        <translation>Salvo &quot;%1&quot;: %2 route(s) sent, but the device did not answer; they may not have taken.</translation>
    </message>
    <message>
        <source>Salvo &quot;%1&quot;: all %2 route(s) sent took.</source>
        <translation>Salvo &quot;%1&quot;: all %2 route(s) sent took.</translation>
    </message>
    <message>
        <source>Salvo &quot;%1&quot;: %2 of %3 route(s) did not take.</source>
        <translation>Salvo &quot;%1&quot;: %2 of %3 route(s) did not take.</translation>
    </message>
    <message>
        <source>%1 skipped.</source>
        <translation>%1 skipped.</translation>
    </message>
    <message>
        <source>Did not take: %1</source>
        <translation>Did not take: %1</translation>
    </message>
    <message>
        <source>Skipped: %1 (%2)</source>
        <translation>Skipped: %1 (%2)</translation>
    </message>
    <message>
        <source>Select output cells in the grid first.</source>
        <translation>Select output cells in the grid first.</translation>
    </message>
    <message>
        <source>Salvo &quot;%1&quot;: nothing was sent.</source>
        <translation>Salvo &quot;%1&quot;: nothing was sent.</translation>
    </message>
</context>
<context>
    <name>SalvoWiring</name>
    <message>
        <source>Salvos…</source>
        <translation>Salvos…</translation>
    </message>
    <message>
        <source>Named sets of routes kept by this client (Ctrl+Shift+L)</source>
        <translation>Named sets of routes kept by this client (Ctrl+Shift+L)</translation>
    </message>
</context>
<context>
    <name>ShowWiring</name>
    <message>
        <source>Show File</source>
        <translation>Show File</translation>
    </message>
    <message>
        <source>Export show...</source>
        <translation>Export show...</translation>
    </message>
    <message>
        <source>Export show with device state...</source>
        <translation>Export show with device state...</translation>
    </message>
    <message>
        <source>Import show...</source>
        <translation>Import show...</translation>
    </message>
    <message>
        <source>Show files (*.json)</source>
        <translation>Show files (*.json)</translation>
    </message>
    <message>
        <source>Export show</source>
        <translation>Export show</translation>
    </message>
    <message>
        <source>Import show</source>
        <translation>Import show</translation>
    </message>
    <message>
        <source>Show import: %1 of %2 commands sent</source>
        <translation>Show import: %1 of %2 commands sent</translation>
    </message>
    <message>
        <source>the waiting show file</source>
        <translation>the waiting show file</translation>
    </message>
    <message>
        <source>The device is not connected: its state cannot be exported.</source>
        <translation>The device is not connected: its state cannot be exported.</translation>
    </message>
    <message>
        <source>Show exported to %1</source>
        <translation>Show exported to %1</translation>
    </message>
    <message>
        <source>Show imported. To undo, import %1.</source>
        <translation>Show imported. To undo, import %1.</translation>
    </message>
    <message>
        <source>Show imported; the device parts wait for the device. To undo, import %1.</source>
        <translation>Show imported; the device parts wait for the device. To undo, import %1.</translation>
    </message>
    <message>
        <source>Show import sent; the device did not confirm the routes.</source>
        <translation>Show import sent; the device did not confirm the routes.</translation>
    </message>
    <message>
        <source>Show import applied on the device.</source>
        <translation>Show import applied on the device.</translation>
    </message>
    <message>
        <source>Show import applied; skipped: %1</source>
        <translation>Show import applied; skipped: %1</translation>
    </message>
    <message>
        <source>These routes did not take: %1. Send them again?</source>
        <translation>These routes did not take: %1. Send them again?</translation>
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
    <name>TakeBar</name>
    <message>
        <source>Take mode</source>
        <translation>Take mode</translation>
    </message>
    <message>
        <source>Take mode (%1): drops, Enter, double clicks and one-to-many routes are staged and sent together with Take. Off: every change goes out at once.</source>
        <translation>Take mode (%1): drops, Enter, double clicks and one-to-many routes are staged and sent together with Take. Off: every change goes out at once.</translation>
    </message>
    <message>
        <source>Send every staged change (%1 or %2); Ctrl+Z undoes it in one step.</source>
        <translation>Send every staged change (%1 or %2); Ctrl+Z undoes it in one step.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Drop the staged changes without sending anything (%1).</source>
        <translation>Drop the staged changes without sending anything (%1).</translation>
    </message>
    <message>
        <source>Take (%1)</source>
        <translation>Take (%1)</translation>
    </message>
</context>
<context>
    <name>TakeWiring</name>
    <message>
        <source>Route to all outputs</source>
        <translation>Route to all outputs</translation>
    </message>
    <message>
        <source>Route to selected outputs</source>
        <translation>Route to selected outputs</translation>
    </message>
    <message>
        <source>Left the stage: %1</source>
        <translation>Left the stage: %1</translation>
    </message>
    <message>
        <source>Taken: %1 change(s).</source>
        <translation>Taken: %1 change(s).</translation>
    </message>
    <message>
        <source>Take mode: changes are staged until Take.</source>
        <translation>Take mode: changes are staged until Take.</translation>
    </message>
    <message>
        <source>Direct mode: every change goes out at once.</source>
        <translation>Direct mode: every change goes out at once.</translation>
    </message>
    <message>
        <source>The previous take is still being sent.</source>
        <translation>The previous take is still being sent.</translation>
    </message>
    <message>
        <source>Pick a source in the signal list first.</source>
        <translation>Pick a source in the signal list first.</translation>
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
