<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DialogConfirm</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DialogConfirm3Btn</name>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>LoginDialog</name>
    <message>
        <source>UserName</source>
        <translation>UserName</translation>
    </message>
    <message>
        <source>PassWord</source>
        <translation>PassWord</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
</context>
<context>
    <name>LoginSettingDialog</name>
    <message>
        <source>Device IP:</source>
        <translation>Device IP:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>OFFLINE:</source>
        <translation>OFFLINE:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>MsgDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>RenameDialog</name>
    <message>
        <source>新名称:</source>
        <translation>New name:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>VolumnSettingDialog</name>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
</context>
<context>
    <name>Widget</name>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximize</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Signal Source</source>
        <translation>Signal Source</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Plans</source>
        <translation>Plans</translation>
    </message>
    <message>
        <source>Wall Group</source>
        <translation>Wall Group</translation>
    </message>
    <message>
        <source>Splice</source>
        <translation>Splice</translation>
    </message>
    <message>
        <source>Layout 1</source>
        <translation>Layout 1</translation>
    </message>
    <message>
        <source>Layout 2</source>
        <translation>Layout 2</translation>
    </message>
    <message>
        <source>Layout 3</source>
        <translation>Layout 3</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>Lock All</source>
        <translation>Lock All</translation>
    </message>
    <message>
        <source>Close All</source>
        <translation>Close All</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Caption</translation>
    </message>
    <message>
        <source>Splicing Settings</source>
        <translation>Splicing Settings</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Audio Output</source>
        <translation>Audio Output</translation>
    </message>
    <message>
        <source>HDMI Audio Output</source>
        <translation>HDMI Audio Output</translation>
    </message>
    <message>
        <source>Infared</source>
        <translation>Infared</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP Address</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Subnet Mask</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MAC Address</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Factory Reset</source>
        <translation>Factory Reset</translation>
    </message>
    <message>
        <source>confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>HDMI Audio</source>
        <translation>HDMI Audio</translation>
    </message>
    <message>
        <source>Follow Video</source>
        <translation>Follow Video</translation>
    </message>
    <message>
        <source>Independently</source>
        <translation>Independently</translation>
    </message>
    <message>
        <source>Login-free</source>
        <translation>Login-free</translation>
    </message>
    <message>
        <source>Bezel</source>
        <translation>Bezel</translation>
    </message>
    <message>
        <source>User Management</source>
        <translation>User Management</translation>
    </message>
    <message>
        <source>Re-Login</source>
        <translation>Re-Login</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
</context>
</TS>
