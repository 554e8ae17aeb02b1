<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>PermissionDialog</name>
    <message>
        <source>%1  User: %2</source>
        <translation>%1  User: %2</translation>
    </message>
    <message>
        <source>Permissions Management</source>
        <translation>Permissions Management</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Quit Permission Management</source>
        <translation>Quit Permission Management</translation>
    </message>
    <message>
        <source>Apply the latest changes?</source>
        <translation>Apply the latest changes?</translation>
    </message>
    <message>
        <source>Splicing
Setting</source>
        <translation>Splicing
Setting</translation>
    </message>
    <message>
        <source>Splicing
Wall</source>
        <translation>Splicing
Wall</translation>
    </message>
    <message>
        <source>OSD</source>
        <translation>OSD</translation>
    </message>
    <message>
        <source>EDID</source>
        <translation>EDID</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>HDCP</source>
        <translation>HDCP</translation>
    </message>
    <message>
        <source>Splice</source>
        <translation>Splice</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>No Signal
Output</source>
        <translation>No Signal
Output</translation>
    </message>
    <message>
        <source>Scaling
Mode</source>
        <translation>Scaling
Mode</translation>
    </message>
    <message>
        <source>Switch
Layout</source>
        <translation>Switch
Layout</translation>
    </message>
    <message>
        <source>Plan
Operation</source>
        <translation>Plan
Operation</translation>
    </message>
    <message>
        <source>No Signal
Input</source>
        <translation>No Signal
Input</translation>
    </message>
    <message>
        <source>Graphics
Test</source>
        <translation>Graphics
Test</translation>
    </message>
    <message>
        <source>NetWork</source>
        <translation>NetWork</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Caption</translation>
    </message>
    <message>
        <source>User</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Bezel</source>
        <translation>Bezel</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Login-Free
Option</source>
        <translation>Login-Free
Option</translation>
    </message>
    <message>
        <source>Version
Infomation</source>
        <translation>Version
Infomation</translation>
    </message>
    <message>
        <source>Video
Switch</source>
        <translation>Video
Switch</translation>
    </message>
    <message>
        <source>Audio
Switch</source>
        <translation>Audio
Switch</translation>
    </message>
    <message>
        <source>HDMI Audio
Switch</source>
        <translation>HDMI Audio
Switch</translation>
    </message>
    <message>
        <source>Infared
Switch</source>
        <translation>Infared
Switch</translation>
    </message>
    <message>
        <source>Close/Open
Output</source>
        <translation>Close/Open
Output</translation>
    </message>
    <message>
        <source>Pause/Play
Output</source>
        <translation>Pause/Play
Output</translation>
    </message>
    <message>
        <source>Setting Page</source>
        <translation>Setting Page</translation>
    </message>
    <message>
        <source>All (Setting Page)</source>
        <translation>All (Setting Page)</translation>
    </message>
    <message>
        <source>Matrix Signal Switch</source>
        <translation>Matrix Signal Switch</translation>
    </message>
    <message>
        <source>All (Matrix Signal Switch)</source>
        <translation>All (Matrix Signal Switch)</translation>
    </message>
    <message>
        <source>Matrix Entry Menu</source>
        <translation>Matrix Entry Menu</translation>
    </message>
    <message>
        <source>All (Matrix Menu)</source>
        <translation>All (Matrix Menu)</translation>
    </message>
    <message>
        <source>Signal Entry Menu</source>
        <translation>Signal Entry Menu</translation>
    </message>
    <message>
        <source>All (Signal Menu)</source>
        <translation>All (Signal Menu)</translation>
    </message>
    <message>
        <source>%10409</source>
        <translation>%10409</translation>
    </message>
    <message>
        <source>All (%10409)</source>
        <translation>All (%10409)</translation>
    </message>
    <message>
        <source>HDMI Input Port</source>
        <translation>HDMI Input Port</translation>
    </message>
    <message>
        <source>All (HDMI Input)</source>
        <translation>All (HDMI Input)</translation>
    </message>
    <message>
        <source>Audio Signal Port</source>
        <translation>Audio Signal Port</translation>
    </message>
    <message>
        <source>All (Audio Signal)</source>
        <translation>All (Audio Signal)</translation>
    </message>
    <message>
        <source>HDMI Output Port</source>
        <translation>HDMI Output Port</translation>
    </message>
    <message>
        <source>All (HDMI Output)</source>
        <translation>All (HDMI Output)</translation>
    </message>
    <message>
        <source>Analog Audio Port</source>
        <translation>Analog Audio Port</translation>
    </message>
    <message>
        <source>All (Analog Port)</source>
        <translation>All (Analog Port)</translation>
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
        <source>Analog %1</source>
        <translation>Analog %1</translation>
    </message>
</context>
<context>
    <name>Usermanagerdialog</name>
    <message>
        <source>User Management</source>
        <translation>User Management</translation>
    </message>
    <message>
        <source>Userlist</source>
        <translation>Userlist</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>UserName</source>
        <translation>UserName</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Permissions Management</source>
        <translation>Permissions Management</translation>
    </message>
    <message>
        <source>New PassWord</source>
        <translation>New PassWord</translation>
    </message>
    <message>
        <source>Confirm New Password</source>
        <translation>Confirm New Password</translation>
    </message>
    <message>
        <source>password empty!</source>
        <translation>password empty!</translation>
    </message>
    <message>
        <source>two password not equation!</source>
        <translation>two password not equation!</translation>
    </message>
    <message>
        <source>username empty!</source>
        <translation>username empty!</translation>
    </message>
    <message>
        <source>user have exsits!</source>
        <translation>user have exsits!</translation>
    </message>
</context>
</TS>
