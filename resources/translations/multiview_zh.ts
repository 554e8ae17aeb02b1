<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>DialogWindowProperty</name>
    <message>
        <source>Window Property</source>
        <translation>窗口属性</translation>
    </message>
    <message>
        <source>Window Infomation</source>
        <translation>窗口信息</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>图层</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>信号源</translation>
    </message>
    <message>
        <source>Window Position</source>
        <translation>窗口位置</translation>
    </message>
    <message>
        <source>Window Size</source>
        <translation>窗口大小</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>宽</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>InputSignalWidget0409</name>
    <message>
        <source>ID: </source>
        <translation>ID: </translation>
    </message>
    <message>
        <source>Zoom to the Occupied Screens</source>
        <translation>缩放到所占屏幕</translation>
    </message>
    <message>
        <source>Zoom to Maximum</source>
        <translation>缩放到最大</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>还原</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Input: </source>
        <translation>输入: </translation>
    </message>
    <message>
        <source>Layer: </source>
        <translation>图层: </translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>位置:</translation>
    </message>
    <message>
        <source>Size: </source>
        <translation>大小: </translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Layer Up</source>
        <translation>上移一层</translation>
    </message>
    <message>
        <source>Layer Down</source>
        <translation>下移一层</translation>
    </message>
    <message>
        <source>Layer to Top</source>
        <translation>置于顶层</translation>
    </message>
    <message>
        <source>Layer to Bottom</source>
        <translation>置于底层</translation>
    </message>
    <message>
        <source>Zoom to a Single Screen</source>
        <translation>缩放到单屏</translation>
    </message>
    <message>
        <source>All Windows Zoom to a Single Screen</source>
        <translation>所有窗口缩放到单屏</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>属性</translation>
    </message>
</context>
<context>
    <name>OutputWidget0409</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Not allowed to add more windows</source>
        <translation>不允许添加更多窗口</translation>
    </message>
    <message>
        <source>Unable to assign ID to input window</source>
        <translation>无法为输入窗口分配ID</translation>
    </message>
    <message>
        <source>Timeout for Reading The last Window status!</source>
        <translation>读取上次窗口状态超时！</translation>
    </message>
    <message>
        <source>Close All Windows</source>
        <translation>关闭所有窗口</translation>
    </message>
    <message>
        <source>Confirm to close all windows</source>
        <translation>确认关闭所有窗口</translation>
    </message>
    <message>
        <source>No window opened: the wall has no size yet</source>
        <translation>未打开窗口：拼接墙尚无尺寸</translation>
    </message>
    <message>
        <source>Not zoomed: the wall has no size yet</source>
        <translation>未缩放：拼接墙尚无尺寸</translation>
    </message>
</context>
<context>
    <name>RecallCheck</name>
    <message>
        <source>Received</source>
        <translation>已接收</translation>
    </message>
    <message>
        <source>Not Received</source>
        <translation>未接收</translation>
    </message>
    <message>
        <source>Since logging in or since the last time you clicked refresh, the program needs to receive the following three types of information firstly to recall plan correctly: </source>
        <translation>自登录或上次点击刷新以来，程序需要先收到以下三类信息才能正确调用预案：</translation>
    </message>
    <message>
        <source>(1) Current Windows Property And VIR Mode: %1</source>
        <translation>(1) 当前窗口属性与拼接模式：%1</translation>
    </message>
    <message>
        <source>(2) Current Reasolution: %1</source>
        <translation>(2) 当前分辨率：%1</translation>
    </message>
    <message>
        <source>(3) Current Rotate Degree: %1</source>
        <translation>(3) 当前旋转角度：%1</translation>
    </message>
</context>
</TS>
