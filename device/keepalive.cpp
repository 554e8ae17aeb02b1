#include "keepalive.h"

#if defined(Q_OS_UNIX)
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#endif

namespace KeepAlive {

bool shorten(qintptr descriptor)
{
#if defined(Q_OS_UNIX) && defined(TCP_KEEPINTVL) && defined(TCP_KEEPCNT)
    if (descriptor < 0)
        return false;
    const int fd = int(descriptor);
    auto set = [fd](int level, int name, int value) {
        return setsockopt(fd, level, name, &value, socklen_t(sizeof value)) == 0;
    };
    bool ok = set(SOL_SOCKET, SO_KEEPALIVE, 1);
#if defined(TCP_KEEPIDLE)
    ok = set(IPPROTO_TCP, TCP_KEEPIDLE, IdleSeconds) && ok;
#elif defined(TCP_KEEPALIVE) // macOS names the idle time so
    ok = set(IPPROTO_TCP, TCP_KEEPALIVE, IdleSeconds) && ok;
#endif
    ok = set(IPPROTO_TCP, TCP_KEEPINTVL, IntervalSeconds) && ok;
    ok = set(IPPROTO_TCP, TCP_KEEPCNT, Probes) && ok;
#if defined(TCP_USER_TIMEOUT)
    // Keep-alive stays silent while sent bytes wait for their acknowledgement.
    ok = set(IPPROTO_TCP, TCP_USER_TIMEOUT, DeadAfterMs) && ok;
#endif
    return ok;
#else
    Q_UNUSED(descriptor)
    return false;
#endif
}

} // namespace KeepAlive
