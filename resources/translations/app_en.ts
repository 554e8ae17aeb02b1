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
    <message>
        <source>Run without a window: connect to the device and serve the remote page and HTTP API (see --listen). Needs no display.</source>
        <translation>Run without a window: connect to the device and serve the remote page and HTTP API (see --listen). Needs no display.</translation>
    </message>
    <message>
        <source>With --serve: listen on &lt;address:port&gt; (default 127.0.0.1:8790, this computer only). An address beyond loopback, such as 0.0.0.0:8790, opens the server to the network, and is refused while an account still has the default password.</source>
        <translation>With --serve: listen on &lt;address:port&gt; (default 127.0.0.1:8790, this computer only). An address beyond loopback, such as 0.0.0.0:8790, opens the server to the network, and is refused while an account still has the default password.</translation>
    </message>
    <message>
        <source>With --serve: the device at &lt;host:port&gt; instead of the one in config.ini.</source>
        <translation>With --serve: the device at &lt;host:port&gt; instead of the one in config.ini.</translation>
    </message>
    <message>
        <source>With --serve: a host name browsers may use for this server besides its IP addresses and localhost (repeatable).</source>
        <translation>With --serve: a host name browsers may use for this server besides its IP addresses and localhost (repeatable).</translation>
    </message>
    <message>
        <source>With --serve: serve HTTPS with this PEM certificate (and --tls-key). Without it passwords cross the network in the clear.</source>
        <translation>With --serve: serve HTTPS with this PEM certificate (and --tls-key). Without it passwords cross the network in the clear.</translation>
    </message>
    <message>
        <source>With --serve: the PEM key of --tls-cert.</source>
        <translation>With --serve: the PEM key of --tls-cert.</translation>
    </message>
</context>
<context>
    <name>ServeMode</name>
    <message>
        <source>Refusing to listen on %1: account %2 still has the default password. Change it in User Management, or listen on 127.0.0.1.</source>
        <translation>Refusing to listen on %1: account %2 still has the default password. Change it in User Management, or listen on 127.0.0.1.</translation>
    </message>
</context>
</TS>
