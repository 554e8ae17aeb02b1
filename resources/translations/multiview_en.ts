<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DialogWindowProperty</name>
    <message>
        <source>Window Property</source>
        <translation>Window Property</translation>
    </message>
    <message>
        <source>Window Infomation</source>
        <translation>Window Infomation</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Layer</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Window Position</source>
        <translation>Window Position</translation>
    </message>
    <message>
        <source>Window Size</source>
        <translation>Window Size</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>Zoom to the Occupied Screens</translation>
    </message>
    <message>
        <source>Zoom to Maximum</source>
        <translation>Zoom to Maximum</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Input: </source>
        <translation>Input: </translation>
    </message>
    <message>
        <source>Layer: </source>
        <translation>Layer: </translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>Size: </source>
        <translation>Size: </translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Layer Up</source>
        <translation>Layer Up</translation>
    </message>
    <message>
        <source>Layer Down</source>
        <translation>Layer Down</translation>
    </message>
    <message>
        <source>Layer to Top</source>
        <translation>Layer to Top</translation>
    </message>
    <message>
        <source>Layer to Bottom</source>
        <translation>Layer to Bottom</translation>
    </message>
    <message>
        <source>Zoom to a Single Screen</source>
        <translation>Zoom to a Single Screen</translation>
    </message>
    <message>
        <source>All Windows Zoom to a Single Screen</source>
        <translation>All Windows Zoom to a Single Screen</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Property</translation>
    </message>
</context>
<context>
    <name>OutputWidget0409</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Not allowed to add more windows</source>
        <translation>Not allowed to add more windows</translation>
    </message>
    <message>
        <source>Unable to assign ID to input window</source>
        <translation>Unable to assign ID to input window</translation>
    </message>
    <message>
        <source>Timeout for Reading The last Window status!</source>
        <translation>Timeout for Reading The last Window status!</translation>
    </message>
    <message>
        <source>Close All Windows</source>
        <translation>Close All Windows</translation>
    </message>
    <message>
        <source>Confirm to close all windows</source>
        <translation>Confirm to close all windows</translation>
    </message>
    <message>
        <source>No window opened: the wall has no size yet</source>
        <translation>No window opened: the wall has no size yet</translation>
    </message>
    <message>
        <source>Not zoomed: the wall has no size yet</source>
        <translation>Not zoomed: the wall has no size yet</translation>
    </message>
</context>
<context>
    <name>RecallCheck</name>
    <message>
        <source>Received</source>
        <translation>Received</translation>
    </message>
    <message>
        <source>Not Received</source>
        <translation>Not Received</translation>
    </message>
    <message>
        <source>Since logging in or since the last time you clicked refresh, the program needs to receive the following three types of information firstly to recall plan correctly: </source>
        <translation>Since logging in or since the last time you clicked refresh, the program needs to receive the following three types of information firstly to recall plan correctly: </translation>
    </message>
    <message>
        <source>(1) Current Windows Property And VIR Mode: %1</source>
        <translation>(1) Current Windows Property And VIR Mode: %1</translation>
    </message>
    <message>
        <source>(2) Current Reasolution: %1</source>
        <translation>(2) Current Reasolution: %1</translation>
    </message>
    <message>
        <source>(3) Current Rotate Degree: %1</source>
        <translation>(3) Current Rotate Degree: %1</translation>
    </message>
</context>
</TS>
