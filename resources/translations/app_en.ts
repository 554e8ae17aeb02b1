<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CommandLine</name>
    <message>
        <source>Keep config.ini and project.db in &lt;dir&gt;.</source>
        <translation>Keep config.ini and project.db in &lt;dir&gt;.</translation>
    </message>
    <message>
        <source>Run against a simulated device on loopback, with a data directory of its own. MODEL after it: 0808, 0809 (default), 0409-S, 0808-S or 0809-M.</source>
        <translation>Run against a simulated device on loopback, with a data directory of its own. MODEL after it: 0808, 0809 (default), 0409-S, 0808-S or 0809-M.</translation>
    </message>
    <message>
        <source>The model for --demo.</source>
        <translation>The model for --demo.</translation>
    </message>
    <message>
        <source>Control client for ZEL matrix switchers, video-wall splicers and multiview processors.

First login: user ADMIN, password tiger905. Change that password in User Management (the client offers it after the first login).

Environment:
  ZELDESK_DATA_DIR     where config.ini and project.db live (--data-dir wins)
  ZELDESK_UPLOAD_PORT  the device&apos;s upload port (default 6666)
  QT_LOGGING_RULES     turn diagnostics up, e.g. &quot;zel.*.debug=true&quot;
Log files: log/yyyy-MM-dd.log under the data directory when it is not the application directory (given with --data-dir or ZELDESK_DATA_DIR, or the user&apos;s data directory of an installed client); otherwise, and with --demo, under the working directory.</source>
        <translation>Control client for ZEL matrix switchers, video-wall splicers and multiview processors.

First login: user ADMIN, password tiger905. Change that password in User Management (the client offers it after the first login).

Environment:
  ZELDESK_DATA_DIR     where config.ini and project.db live (--data-dir wins)
  ZELDESK_UPLOAD_PORT  the device&apos;s upload port (default 6666)
  QT_LOGGING_RULES     turn diagnostics up, e.g. &quot;zel.*.debug=true&quot;
Log files: log/yyyy-MM-dd.log under the data directory when it is not the application directory (given with --data-dir or ZELDESK_DATA_DIR, or the user&apos;s data directory of an installed client); otherwise, and with --demo, under the working directory.</translation>
    </message>
</context>
</TS>
