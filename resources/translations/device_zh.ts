<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
</TS>
