<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DatabasePrompt</name>
    <message>
        <source>The project database %1 is damaged and cannot be used (%2).

Start with a fresh database? The damaged file is kept beside it, renamed, and is not changed.</source>
        <translation>The project database %1 is damaged and cannot be used (%2).

Start with a fresh database? The damaged file is kept beside it, renamed, and is not changed.</translation>
    </message>
    <message>
        <source>The project database %1 is in use by another program (%2).

Close that program and try again.</source>
        <translation>The project database %1 is in use by another program (%2).

Close that program and try again.</translation>
    </message>
    <message>
        <source>The project database %1 cannot be read (%2).

Check the file&apos;s permissions and start again.</source>
        <translation>The project database %1 cannot be read (%2).

Check the file's permissions and start again.</translation>
    </message>
    <message>
        <source>The project database %1 is read-only: users, rights and names you change will not be saved.</source>
        <translation>The project database %1 is read-only: users, rights and names you change will not be saved.</translation>
    </message>
    <message>
        <source>Project database</source>
        <translation>Project database</translation>
    </message>
    <message>
        <source>Start fresh</source>
        <translation>Start fresh</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Try again</translation>
    </message>
</context>
<context>
    <name>RenameDialog</name>
    <message>
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
</context>
<context>
    <name>VolumnSettingDialog</name>
    <message>
        <source>Volumn Setting</source>
        <translation>Volumn Setting</translation>
    </message>
</context>
</TS>
