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
    <name>ListWidget</name>
    <message>
        <source>Audio %1</source>
        <translation>Audio %1</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>Input %1</translation>
    </message>
</context>
<context>
    <name>LoginDialog</name>
    <message>
        <source>LOGIN</source>
        <translation>LOGIN</translation>
    </message>
    <message>
        <source>系列视频切换软件</source>
        <translation> Series Video Switcher</translation>
    </message>
    <message>
        <source>UserName</source>
        <translation>UserName</translation>
    </message>
    <message>
        <source>PassWord</source>
        <translation>PassWord</translation>
    </message>
    <message>
        <source>Remember Password</source>
        <translation>Remember Password</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>connect fail!</source>
        <translation>connect fail!</translation>
    </message>
    <message>
        <source>connect successful but software error!</source>
        <translation>connect successful but software error!</translation>
    </message>
    <message>
        <source>username or password error!</source>
        <translation>username or password error!</translation>
    </message>
</context>
<context>
    <name>LoginSettingDialog</name>
    <message>
        <source>Setting</source>
        <translation>Setting</translation>
    </message>
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
    <name>MessageDistance</name>
    <message>
        <source>NetWork Error</source>
        <translation>NetWork Error</translation>
    </message>
    <message>
        <source>传输文件端口连接发生错误！</source>
        <translation>The file transfer port could not be connected!</translation>
    </message>
    <message>
        <source>传输文件过程网络发生错误！请重新上传</source>
        <translation>A network error occurred during the transfer! Please upload again.</translation>
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
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
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
        <source>Volumn Setting</source>
        <translation>Volumn Setting</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
</context>
</TS>
