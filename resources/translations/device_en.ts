<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
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
</TS>
