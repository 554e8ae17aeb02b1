<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>PermissionDialog</name>
    <message>
        <source>%1  User: %2</source>
        <translation>%1  用户：%2</translation>
    </message>
    <message>
        <source>Permissions Management</source>
        <translation>权限管理</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Quit Permission Management</source>
        <translation>退出权限管理</translation>
    </message>
    <message>
        <source>Apply the latest changes?</source>
        <translation>是否应用最新的修改？</translation>
    </message>
    <message>
        <source>Splicing
Setting</source>
        <translation>拼接
设置</translation>
    </message>
    <message>
        <source>Splicing
Wall</source>
        <translation>拼接
墙</translation>
    </message>
    <message>
        <source>OSD</source>
        <translation>台标</translation>
    </message>
    <message>
        <source>EDID</source>
        <translation>EDID</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>HDCP</source>
        <translation>HDCP</translation>
    </message>
    <message>
        <source>Splice</source>
        <translation>拼接</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <source>No Signal
Output</source>
        <translation>无信号
输出</translation>
    </message>
    <message>
        <source>Scaling
Mode</source>
        <translation>缩放
模式</translation>
    </message>
    <message>
        <source>Switch
Layout</source>
        <translation>切换
布局</translation>
    </message>
    <message>
        <source>Plan
Operation</source>
        <translation>预案
操作</translation>
    </message>
    <message>
        <source>No Signal
Input</source>
        <translation>无信号
输入</translation>
    </message>
    <message>
        <source>Graphics
Test</source>
        <translation>图形
测试</translation>
    </message>
    <message>
        <source>NetWork</source>
        <translation>网络</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>User</source>
        <translation>用户</translation>
    </message>
    <message>
        <source>Bezel</source>
        <translation>拼缝</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Login-Free
Option</source>
        <translation>免登录
选项</translation>
    </message>
    <message>
        <source>Version
Infomation</source>
        <translation>版本
信息</translation>
    </message>
    <message>
        <source>Video
Switch</source>
        <translation>视频
切换</translation>
    </message>
    <message>
        <source>Audio
Switch</source>
        <translation>音频
切换</translation>
    </message>
    <message>
        <source>HDMI Audio
Switch</source>
        <translation>HDMI音频
切换</translation>
    </message>
    <message>
        <source>Infared
Switch</source>
        <translation>红外
切换</translation>
    </message>
    <message>
        <source>Close/Open
Output</source>
        <translation>关闭/打开
输出</translation>
    </message>
    <message>
        <source>Pause/Play
Output</source>
        <translation>暂停/播放
输出</translation>
    </message>
    <message>
        <source>Setting Page</source>
        <translation>设置页</translation>
    </message>
    <message>
        <source>All (Setting Page)</source>
        <translation>全选（设置页）</translation>
    </message>
    <message>
        <source>Matrix Signal Switch</source>
        <translation>矩阵信号切换</translation>
    </message>
    <message>
        <source>All (Matrix Signal Switch)</source>
        <translation>全选（矩阵信号切换）</translation>
    </message>
    <message>
        <source>Matrix Entry Menu</source>
        <translation>矩阵入口菜单</translation>
    </message>
    <message>
        <source>All (Matrix Menu)</source>
        <translation>全选（矩阵菜单）</translation>
    </message>
    <message>
        <source>Signal Entry Menu</source>
        <translation>信号入口菜单</translation>
    </message>
    <message>
        <source>All (Signal Menu)</source>
        <translation>全选（信号菜单）</translation>
    </message>
    <message>
        <source>%10409</source>
        <translation>%10409</translation>
    </message>
    <message>
        <source>All (%10409)</source>
        <translation>全选（%10409）</translation>
    </message>
    <message>
        <source>HDMI Input Port</source>
        <translation>HDMI输入端口</translation>
    </message>
    <message>
        <source>All (HDMI Input)</source>
        <translation>全选（HDMI输入）</translation>
    </message>
    <message>
        <source>Audio Signal Port</source>
        <translation>音频信号端口</translation>
    </message>
    <message>
        <source>All (Audio Signal)</source>
        <translation>全选（音频信号）</translation>
    </message>
    <message>
        <source>HDMI Output Port</source>
        <translation>HDMI输出端口</translation>
    </message>
    <message>
        <source>All (HDMI Output)</source>
        <translation>全选（HDMI输出）</translation>
    </message>
    <message>
        <source>Analog Audio Port</source>
        <translation>模拟音频端口</translation>
    </message>
    <message>
        <source>All (Analog Port)</source>
        <translation>全选（模拟端口）</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>输入 %1</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>输出 %1</translation>
    </message>
    <message>
        <source>Audio %1</source>
        <translation>音频 %1</translation>
    </message>
    <message>
        <source>Analog %1</source>
        <translation>模拟 %1</translation>
    </message>
</context>
<context>
    <name>Usermanagerdialog</name>
    <message>
        <source>User Management</source>
        <translation>用户管理</translation>
    </message>
    <message>
        <source>Userlist</source>
        <translation>用户列表</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>UserName</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Permissions Management</source>
        <translation>权限管理</translation>
    </message>
    <message>
        <source>New PassWord</source>
        <translation>新密码</translation>
    </message>
    <message>
        <source>Confirm New Password</source>
        <translation>确认新密码</translation>
    </message>
    <message>
        <source>password empty!</source>
        <translation>密码为空！</translation>
    </message>
    <message>
        <source>two password not equation!</source>
        <translation>两次密码不一致！</translation>
    </message>
    <message>
        <source>username empty!</source>
        <translation>用户名为空！</translation>
    </message>
    <message>
        <source>user have exsits!</source>
        <translation>用户已存在！</translation>
    </message>
</context>
</TS>
