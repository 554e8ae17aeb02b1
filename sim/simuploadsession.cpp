#include "simuploadsession.h"

#include <QHostAddress>
#include <QLoggingCategory>
#include <QTcpSocket>
#include <QTimer>

#include <atomic>

Q_DECLARE_LOGGING_CATEGORY(lcSim)

namespace {

std::atomic<quint64> s_activity{0};

const QByteArray PieceAnswer("<ACK_0>\r\n");
const QByteArray DoneAnswer("<ACK_1>\r\n");
const QByteArray OsdAnnounce("{param=Upload_OSD");

} // namespace

SimUploadSession::SimUploadSession(QTcpSocket *socket, quint64 serial, QObject *parent)
    : QObject(parent)
    , m_socket(socket)
    , m_settle(new QTimer(this))
    , m_lastActivity(serial)
{
    m_socket->setParent(this);
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_settle->setSingleShot(true);
    m_settle->setInterval(SettleMs);
    connect(m_settle, &QTimer::timeout, this, &SimUploadSession::answerRest);
    connect(m_socket, &QTcpSocket::readyRead, this, &SimUploadSession::readData);
    connect(m_socket, &QTcpSocket::disconnected, this, [this] { emit closed(this); });
    s_activity = qMax(s_activity.load(), serial);
}

QString SimUploadSession::peer() const
{
    return QStringLiteral("%1:%2")
        .arg(m_socket->peerAddress().toString())
        .arg(m_socket->peerPort());
}

bool SimUploadSession::isConnected() const
{
    return m_socket->state() == QAbstractSocket::ConnectedState;
}

void SimUploadSession::readData()
{
    QByteArray bytes = m_socket->readAll();
    m_lastActivity = ++s_activity;
    // The OSD builder of the client writes its announcement here rather than on the
    // control connection; it is a command, not part of the bitmap.
    if (m_data.isEmpty() && bytes.startsWith(OsdAnnounce)) {
        const int close = bytes.indexOf('}');
        if (close > 0) {
            emit announced(QString::fromUtf8(bytes.mid(7, close - 7)));
            bytes.remove(0, close + 1);
            answer();
        }
    }
    if (m_data.size() + bytes.size() > MaxTransfer) {
        qCWarning(lcSim) << "upload from" << peer() << "exceeds" << MaxTransfer << "bytes, dropped";
        m_data.clear();
        m_answeredUpTo = 0;
        m_socket->abort();
        return;
    }
    m_data += bytes;
    // One answer per full piece; a short last piece is answered when the bytes settle,
    // since only then is it known that no more of it is on the way.
    while (m_data.size() - m_answeredUpTo >= PieceSize) {
        m_answeredUpTo += PieceSize;
        answer();
    }
    if (m_data.size() > m_answeredUpTo)
        m_settle->start();
    else
        m_settle->stop();
}

void SimUploadSession::answerRest()
{
    if (m_data.size() <= m_answeredUpTo)
        return;
    m_answeredUpTo = m_data.size();
    answer();
}

void SimUploadSession::answer()
{
    if (!isConnected())
        return;
    m_socket->write(PieceAnswer);
    m_socket->flush();
}

QByteArray SimUploadSession::takeData()
{
    m_settle->stop();
    m_answeredUpTo = 0;
    QByteArray data;
    data.swap(m_data);
    return data;
}

void SimUploadSession::acknowledge()
{
    if (!isConnected())
        return;
    m_socket->write(DoneAnswer);
    m_socket->flush();
}

void SimUploadSession::refuseAcknowledge()
{
    if (!isConnected())
        return;
    m_socket->write(QByteArrayLiteral("<NAK_1>\r\n"));
    m_socket->flush();
}
