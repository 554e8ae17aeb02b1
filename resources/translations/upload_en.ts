<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CaptionBitmap</name>
    <message>
        <source>The text is too long for this font size.</source>
        <translation>The text is too long for this font size.</translation>
    </message>
    <message>
        <source>The file cannot be opened.</source>
        <translation>The file cannot be opened.</translation>
    </message>
    <message>
        <source>The file is too large to be an image for the device.</source>
        <translation>The file is too large to be an image for the device.</translation>
    </message>
    <message>
        <source>The file is not an image that can be read.</source>
        <translation>The file is not an image that can be read.</translation>
    </message>
    <message>
        <source>The image is damaged or incomplete and cannot be read.</source>
        <translation>The image is damaged or incomplete and cannot be read.</translation>
    </message>
    <message>
        <source>The image is too large (%1 x %2 pixels); at most %3 x %3 pixels can be sent.</source>
        <translation>The image is too large (%1 x %2 pixels); at most %3 x %3 pixels can be sent.</translation>
    </message>
</context>
<context>
    <name>EdidSettingDilog</name>
    <message>
        <source>4K@60Recommend1080P@60</source>
        <translation>4K@60Recommend1080P@60</translation>
    </message>
    <message>
        <source>error</source>
        <translation>error</translation>
    </message>
    <message>
        <source>File is empty</source>
        <translation>File is empty</translation>
    </message>
    <message>
        <source>The file is too large for an EDID (%1 bytes, at most %2).</source>
        <translation>The file is too large for an EDID (%1 bytes, at most %2).</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>The file cannot be read.</translation>
    </message>
    <message>
        <source>EDID Setting [Input%1]</source>
        <translation>EDID Setting [Input%1]</translation>
    </message>
    <message>
        <source>EDID file (.bin)</source>
        <translation>EDID file (.bin)</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Copy from output</source>
        <translation>Copy from output</translation>
    </message>
    <message>
        <source>Built-in EDID</source>
        <translation>Built-in EDID</translation>
    </message>
    <message>
        <source>EDID file</source>
        <translation>EDID file</translation>
    </message>
    <message>
        <source>请选择更新文件</source>
        <translation>Select the update file</translation>
    </message>
    <message>
        <source>支持文件 (*.bin);; 所有文件(*.*);;</source>
        <translation>Supported files (*.bin);; All files(*.*);;</translation>
    </message>
    <message>
        <source>Not sent: the device is not connected</source>
        <translation>Not sent: the device is not connected</translation>
    </message>
    <message>
        <source>Uploading Finished</source>
        <translation>Uploading Finished</translation>
    </message>
    <message>
        <source>Sent: input %1 takes the EDID of %2</source>
        <translation>Sent: input %1 takes the EDID of %2</translation>
    </message>
    <message>
        <source>Sent: input %1 takes the built-in EDID %2</source>
        <translation>Sent: input %1 takes the built-in EDID %2</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Uploading...</translation>
    </message>
</context>
<context>
    <name>TitleOrOsdDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OSD Content</source>
        <translation>OSD Content</translation>
    </message>
    <message>
        <source>Caption Content</source>
        <translation>Caption Content</translation>
    </message>
    <message>
        <source>Text to show</source>
        <translation>Text to show</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Underline</translation>
    </message>
    <message>
        <source>Upload Text</source>
        <translation>Upload Text</translation>
    </message>
    <message>
        <source>Image file</source>
        <translation>Image file</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>Upload Image</source>
        <translation>Upload Image</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Erase</translation>
    </message>
    <message>
        <source>Text Colour</source>
        <translation>Text Colour</translation>
    </message>
    <message>
        <source>Background Colour</source>
        <translation>Background Colour</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Position X</source>
        <translation>Position X</translation>
    </message>
    <message>
        <source>Position Y</source>
        <translation>Position Y</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Select Color</translation>
    </message>
    <message>
        <source>请选择图片路径</source>
        <translation>Select the image path</translation>
    </message>
    <message>
        <source>支持图片文件 (*.bmp *.png *.jpg *.jpeg *.tga *.tiff);; 所有文件(*.*);;</source>
        <translation>Image files (*.bmp *.png *.jpg *.jpeg *.tga *.tiff);; All files(*.*);;</translation>
    </message>
    <message>
        <source>error</source>
        <translation>error</translation>
    </message>
    <message>
        <source>Uploading Finished</source>
        <translation>Uploading Finished</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>台标字幕文件大小不能超过4K!</source>
        <translation>The logo file must not be larger than 4K!</translation>
    </message>
    <message>
        <source>File is empty</source>
        <translation>File is empty</translation>
    </message>
    <message>
        <source>NetWork Error</source>
        <translation>NetWork Error</translation>
    </message>
    <message>
        <source>传输文件端口连接发生错误！</source>
        <translation>The file transfer port could not be connected!</translation>
    </message>
</context>
</TS>
