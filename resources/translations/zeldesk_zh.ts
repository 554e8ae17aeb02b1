<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>DialogConfirm</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DialogConfirm3Btn</name>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ListWidget</name>
    <message>
        <source>Audio %1</source>
        <translation>音频 %1</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>输入 %1</translation>
    </message>
</context>
<context>
    <name>LoginDialog</name>
    <message>
        <source>LOGIN</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>系列视频切换软件</source>
        <translation>系列视频切换软件</translation>
    </message>
    <message>
        <source>UserName</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>PassWord</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Remember Password</source>
        <translation>记住密码</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>connect fail!</source>
        <translation>连接失败！</translation>
    </message>
    <message>
        <source>connect successful but software error!</source>
        <translation>连接成功，但软件出错！</translation>
    </message>
    <message>
        <source>username or password error!</source>
        <translation>用户名或密码错误！</translation>
    </message>
</context>
<context>
    <name>LoginSettingDialog</name>
    <message>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Device IP:</source>
        <translation>设备 IP:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>端口:</translation>
    </message>
    <message>
        <source>OFFLINE:</source>
        <translation>离线:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>MessageDistance</name>
    <message>
        <source>NetWork Error</source>
        <translation>网络错误</translation>
    </message>
    <message>
        <source>传输文件端口连接发生错误！</source>
        <translation>传输文件端口连接发生错误！</translation>
    </message>
    <message>
        <source>传输文件过程网络发生错误！请重新上传</source>
        <translation>传输文件过程网络发生错误！请重新上传</translation>
    </message>
</context>
<context>
    <name>MsgDlg</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>RenameDialog</name>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>新名称:</source>
        <translation>新名称:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>VolumnSettingDialog</name>
    <message>
        <source>Volumn Setting</source>
        <translation>音量设置</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
</context>
</TS>
