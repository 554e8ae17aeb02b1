#pragma once

#include <QList>
#include <QString>

// Text of every device command. MessageDistance sends these; they are free so they
// can be checked without a socket. Numbers are written in decimal, unpadded.
namespace Commands {
QString version();
QString resolution();
QString status();
QString inputInfo();
QString netInfo();
QString
setNetwork(const QString &ip, const QString &gateway, const QString &subnet, const QString &mac);
// type 0 VIDEO, 1 AUDIO, 2 IR, else an empty word. On device code 2 numbers above
// 100 lose the 100 offset.
QString switchPort(int input, int type, int output, int deviceType);
QString mode(int mode);
QString factoryDefault();
QString inPattern(int input, int pattern);
QString outPattern(int output, int pattern);
QString bell(bool on);
QString save(int plan);
QString recall(int plan);
QString clear(int plan);
QString volume(int port, int value);
QString mute(int port);
QString uploadSubtitle(int port);
QString uploadOsd(int port);
QString setOsd(int port);
QString setSubtitle();
QString captionOpen(bool open);
QString speed(int value);
QString direction(int direction); // 0 Left, 1 Right, else empty text
QString position(int x, int y);
QString fontColor(int red, int green, int blue);
QString bgColor(int red, int green, int blue);
QString bgOpen(bool open);
QString eraseOsd();
QString eraseSubtitle();
QString copyEdid(int a, int b);
QString edidSel(int port, int code);
QString updateEdid(int port);
QString getOsd(int port);
QString getSubtitle();
QString getVolume();
QString portResolution(int port, const QString &text);
QString analogSel(int a, int b);
QString dhcp(bool on);
QString noSignal(int a, int b, int c, int d, int e);
QString scalerMode(int port, int mode);
QString getNoinput(int port);
QString getScaler(int port);
QString outputInfo();
QString frozen(int output, bool on);
QString outputLock(int output, bool on);
QString videoMute(int output, bool on);
QString hdcpInfo();
QString inputHdcp(int input, int setting);
QString audioMute(int port, bool on); // MuteOn / MuteOff
QString vir(int layout);
QString windowOpen(int a, int b, int c, int d, int e, int f, int g);
QString windowClose(int id);
QString windowCloseAll();
QString windowMove(int a, int b, int c);
QString windowResize(int a, int b, int c, int d, int e);
QString windowLayer(int a, int b);
QString rotate(int a, int b);
QString getRotate();
QString followVideo(bool follow);
QString bindInfo();
QString bind(int master, const QList<int> &outputs);
QString unBind(int output);
QString bezelX(uint a, uint b, uint c, uint d);
QString bezelY(uint a, uint b, uint c, uint d);
QString splitter(int layout);
QString done();
} // namespace Commands
