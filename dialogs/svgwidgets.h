#pragma once

#include <QCheckBox>
#include <QLabel>

// A label that renders an SVG into its whole rectangle.
class SvgLabel : public QLabel
{
    Q_OBJECT

public:
    explicit SvgLabel(QWidget *parent = nullptr);
    void setSvg(const QString &path);
    QString svg() const { return m_path; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_path;
};

// A tick box drawn as an on/off SVG image followed by its text.
class SvgCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    explicit SvgCheckBox(QWidget *parent = nullptr);
    void setImages(const QString &on, const QString &off);
    void setLabelText(const QString &text);
    void setPlacement(int imageX, int textX);
    void setImage(const QString &path);
    void setSvgIconSize(const QSize &size);
    QString currentImage() const { return m_current; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_on = QStringLiteral(":/Images/on2.svg");
    QString m_off = QStringLiteral(":/Images/off2.svg");
    QString m_current = m_off;
    QString m_text;
    QFont m_font;
    QSize m_iconSize{32, 32};
    bool m_iconSizeSet = false;
    int m_imageX = 0;
    int m_textX = 0;
};
