#pragma once

#include <QLabel>

class QFontMetrics;

// A cell's "[n] name" text that keeps its port number in sight: a name too long for
// the cell is shortened, never the number. text() stays the whole text. GUI thread.
class PortNameLabel : public QLabel
{
    Q_OBJECT

public:
    explicit PortNameLabel(QWidget *parent = nullptr);

    // `text` fitted into `width` pixels: "[12] Long na…".
    static QString elided(const QString &text, const QFontMetrics &metrics, int width);
    QString shownText() const;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
