<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>Keep config.ini and project.db in &lt;dir&gt;.</source>
        <translation>将 config.ini 和 project.db 保存在 &lt;dir&gt; 中。</translation>
    </message>
    <message>
        <source>Run against a simulated device on loopback, with a data directory of its own. MODEL after it: 0808, 0809 (default), 0409-S, 0808-S or 0809-M.</source>
        <translation>连接本机回环上的模拟设备运行，使用独立的数据目录。其后的 MODEL：0808、0809（默认）、0409-S、0808-S 或 0809-M。</translation>
    </message>
    <message>
        <source>The model for --demo.</source>
        <translation>--demo 使用的型号。</translation>
    </message>
    <message>
        <source>Control client for ZEL matrix switchers, video-wall splicers and multiview processors.

First login: user ADMIN, password tiger905. Change that password in User Management (the client offers it after the first login).

Environment:
  ZELDESK_DATA_DIR     where config.ini and project.db live (--data-dir wins)
  ZELDESK_UPLOAD_PORT  the device&apos;s upload port (default 6666)
  QT_LOGGING_RULES     turn diagnostics up, e.g. &quot;zel.*.debug=true&quot;
Log files: log/yyyy-MM-dd.log under the data directory when it is not the application directory (given with --data-dir or ZELDESK_DATA_DIR, or the user&apos;s data directory of an installed client); otherwise, and with --demo, under the working directory.</source>
        <translation>ZEL 系列矩阵切换器、拼接处理器和多画面处理器的控制客户端。

首次登录：用户 ADMIN，密码 tiger905。请在用户管理中修改该密码（首次登录后客户端会提示）。

环境变量：
  ZELDESK_DATA_DIR     config.ini 和 project.db 所在目录（--data-dir 优先）
  ZELDESK_UPLOAD_PORT  设备的上传端口（默认 6666）
  QT_LOGGING_RULES     打开诊断输出，例如 &quot;zel.*.debug=true&quot;
日志文件：数据目录不是程序目录时（由 --data-dir 或 ZELDESK_DATA_DIR 指定，或安装版客户端的用户数据目录），写入数据目录下的 log/yyyy-MM-dd.log；否则（以及 --demo 时）写入工作目录下。</translation>
    </message>
    <message>
        <source>Run without a window: connect to the device and serve the remote page and HTTP API (see --listen). Needs no display.</source>
        <translation>不打开窗口运行：连接设备，并提供远程网页和 HTTP API（见 --listen）。无需显示器。</translation>
    </message>
    <message>
        <source>With --serve: listen on &lt;address:port&gt; (default 127.0.0.1:8790, this computer only). An address beyond loopback, such as 0.0.0.0:8790, opens the server to the network, and is refused while an account still has the default password.</source>
        <translation>配合 --serve：在 &lt;address:port&gt; 上监听（默认 127.0.0.1:8790，仅本机）。回环以外的地址（如 0.0.0.0:8790）会向网络开放服务器；只要仍有账户使用默认密码，就会被拒绝。</translation>
    </message>
    <message>
        <source>With --serve: the device at &lt;host:port&gt; instead of the one in config.ini.</source>
        <translation>配合 --serve：连接 &lt;host:port&gt; 上的设备，而不是 config.ini 中的设备。</translation>
    </message>
    <message>
        <source>With --serve: a host name browsers may use for this server besides its IP addresses and localhost (repeatable).</source>
        <translation>配合 --serve：除 IP 地址和 localhost 外，浏览器访问本服务器时可以使用的主机名（可重复）。</translation>
    </message>
    <message>
        <source>With --serve: serve HTTPS with this PEM certificate (and --tls-key). Without it passwords cross the network in the clear.</source>
        <translation>配合 --serve：使用此 PEM 证书（及 --tls-key）提供 HTTPS。不使用时，密码以明文在网络上传输。</translation>
    </message>
    <message>
        <source>With --serve: the PEM key of --tls-cert.</source>
        <translation>配合 --serve：--tls-cert 证书的 PEM 私钥。</translation>
    </message>
</context>
<context>
    <name>ServeMode</name>
    <message>
        <source>Refusing to listen on %1: account %2 still has the default password. Change it in User Management, or listen on 127.0.0.1.</source>
        <translation>拒绝在 %1 上监听：账户 %2 仍在使用默认密码。请在用户管理中修改，或在 127.0.0.1 上监听。</translation>
    </message>
</context>
</TS>
