#include "svgwidgets.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

SvgLabel::SvgLabel(QWidget *parent)
    : QLabel(parent)
{
}

void SvgLabel::setSvg(const QString &path)
{
    m_path = path;
    update();
}

void SvgLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QSvgRenderer(m_path).render(&painter, rect());
}

SvgCheckBox::SvgCheckBox(QWidget *parent)
    : QCheckBox(parent)
    , m_font(QStringLiteral("Microsoft YaHei"), 8)
{
    connect(this, &QCheckBox::stateChanged, this, [this](int state) {
        setImage(state == Qt::Checked ? m_on : m_off);
    });
}

void SvgCheckBox::setImages(const QString &on, const QString &off)
{
    m_on = on;
    m_off = off;
    setImage(isChecked() ? m_on : m_off);
}

void SvgCheckBox::setLabelText(const QString &text)
{
    m_text = text;
    update();
}

void SvgCheckBox::setPlacement(int imageX, int textX)
{
    m_imageX = imageX;
    m_textX = textX;
    update();
}

void SvgCheckBox::setImage(const QString &path)
{
    m_current = path;
    update();
}

void SvgCheckBox::setSvgIconSize(const QSize &size)
{
    m_iconSize = size;
    m_iconSizeSet = true;
    update();
}

void SvgCheckBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        setChecked(!isChecked());
    event->accept();
}

void SvgCheckBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer renderer(m_current);
    QSize size = m_iconSizeSet ? m_iconSize : renderer.defaultSize();
    if (size.height() > height())
        size.scale(size.width(), height(), Qt::KeepAspectRatio);
    renderer.render(
        &painter, QRectF(m_imageX, (height() - size.height()) / 2.0, size.width(), size.height()));
    painter.setFont(m_font);
    painter.setPen(QColor("#2c3e50"));
    const int textX = m_textX > 0 ? m_textX : m_imageX + size.width() + 6;
    painter.drawText(
        QRect(textX, 0, width() - textX, height()), Qt::AlignLeft | Qt::AlignVCenter, m_text);
}
