<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CaptionBitmap</name>
    <message>
        <source>The text is too long for this font size.</source>
        <translation>文字太长，无法以此字号生成。</translation>
    </message>
    <message>
        <source>The file cannot be opened.</source>
        <translation>无法打开该文件。</translation>
    </message>
    <message>
        <source>The file is too large to be an image for the device.</source>
        <translation>文件过大，不能作为设备的图片。</translation>
    </message>
    <message>
        <source>The file is not an image that can be read.</source>
        <translation>该文件不是可读取的图片。</translation>
    </message>
    <message>
        <source>The image is damaged or incomplete and cannot be read.</source>
        <translation>图片已损坏或不完整，无法读取。</translation>
    </message>
    <message>
        <source>The image is too large (%1 x %2 pixels); at most %3 x %3 pixels can be sent.</source>
        <translation>图片过大（%1 x %2 像素）；最多可发送 %3 x %3 像素。</translation>
    </message>
</context>
<context>
    <name>EdidSettingDilog</name>
    <message>
        <source>4K@60Recommend1080P@60</source>
        <translation>4K@60推荐1080P@60</translation>
    </message>
    <message>
        <source>error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>File is empty</source>
        <translation>文件为空</translation>
    </message>
    <message>
        <source>The file is too large for an EDID (%1 bytes, at most %2).</source>
        <translation>文件对EDID来说过大（%1 字节，最多 %2）。</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>无法读取该文件。</translation>
    </message>
    <message>
        <source>EDID Setting [Input%1]</source>
        <translation>EDID设置 [输入%1]</translation>
    </message>
    <message>
        <source>EDID file (.bin)</source>
        <translation>EDID文件 (.bin)</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>上传</translation>
    </message>
    <message>
        <source>Copy from output</source>
        <translation>从输出复制</translation>
    </message>
    <message>
        <source>Built-in EDID</source>
        <translation>内置EDID</translation>
    </message>
    <message>
        <source>EDID file</source>
        <translation>EDID文件</translation>
    </message>
    <message>
        <source>请选择更新文件</source>
        <translation>请选择更新文件</translation>
    </message>
    <message>
        <source>支持文件 (*.bin);; 所有文件(*.*);;</source>
        <translation>支持文件 (*.bin);; 所有文件(*.*);;</translation>
    </message>
    <message>
        <source>Not sent: the device is not connected</source>
        <translation>未发送：设备未连接</translation>
    </message>
    <message>
        <source>Uploading Finished</source>
        <translation>上传完成</translation>
    </message>
    <message>
        <source>Sent: input %1 takes the EDID of %2</source>
        <translation>已发送：输入 %1 使用 %2 的 EDID</translation>
    </message>
    <message>
        <source>Sent: input %1 takes the built-in EDID %2</source>
        <translation>已发送：输入 %1 使用内置 EDID %2</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>正在上传...</translation>
    </message>
</context>
<context>
    <name>TitleOrOsdDialog</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>OSD Content</source>
        <translation>台标内容</translation>
    </message>
    <message>
        <source>Caption Content</source>
        <translation>字幕内容</translation>
    </message>
    <message>
        <source>Text to show</source>
        <translation>要显示的文字</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>粗体</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>下划线</translation>
    </message>
    <message>
        <source>Upload Text</source>
        <translation>上传文字</translation>
    </message>
    <message>
        <source>Image file</source>
        <translation>图片文件</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>浏览</translation>
    </message>
    <message>
        <source>Upload Image</source>
        <translation>上传图片</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>显示设置</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>向左</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>向右</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Text Colour</source>
        <translation>文字颜色</translation>
    </message>
    <message>
        <source>Background Colour</source>
        <translation>背景颜色</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Position X</source>
        <translation>位置 X</translation>
    </message>
    <message>
        <source>Position Y</source>
        <translation>位置 Y</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>选择颜色</translation>
    </message>
    <message>
        <source>请选择图片路径</source>
        <translation>请选择图片路径</translation>
    </message>
    <message>
        <source>支持图片文件 (*.bmp *.png *.jpg *.jpeg *.tga *.tiff);; 所有文件(*.*);;</source>
        <translation>支持图片文件 (*.bmp *.png *.jpg *.jpeg *.tga *.tiff);; 所有文件(*.*);;</translation>
    </message>
    <message>
        <source>error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Uploading Finished</source>
        <translation>上传完成</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>台标字幕文件大小不能超过4K!</source>
        <translation>台标字幕文件大小不能超过4K!</translation>
    </message>
    <message>
        <source>File is empty</source>
        <translation>文件为空</translation>
    </message>
    <message>
        <source>NetWork Error</source>
        <translation>网络错误</translation>
    </message>
    <message>
        <source>传输文件端口连接发生错误！</source>
        <translation>传输文件端口连接发生错误！</translation>
    </message>
</context>
</TS>
