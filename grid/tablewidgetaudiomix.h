#pragma once

#include "tablewidget.h"

// The "Audio" page grid of the 0808-S: three by three cells, the analogue audio
// output (port 1) top left and the HDMI audio outputs 101 to 108 around it. While the
// HDMI audio follows the video only the analogue cell is shown, filling the grid.
// The cells carry no freeze, link or mute icons: nothing drives them on this page.
// GUI thread.
class TableWidgetAudioMix : public TableWidget
{
    Q_OBJECT

public:
    explicit TableWidgetAudioMix(QWidget *parent = nullptr);

    // The fixed 3 x 3 shape; the grid kind stays 5.
    void build();
    void setPortName(int port, const QString &name);
    // independent: the HDMI audio is switched on its own, all nine cells show.
    void setHdmiIndependent(bool independent);
    bool isSingleCell() const { return m_singleCell; }
    // Refresh kind 5: the source of every cell from the audio routing map.
    void showRoutes(const QMap<int, int> &audioRouting);
    void restyleCells();
    void fitCells() override;

    // The port of a cell: 1 top left, otherwise 100 + 3 x row + column.
    static int portAt(int row, int column);

protected:
    void writeNames() override;

private:
    QString m_hdmiColour = QStringLiteral("#789383");
    QString m_analogueColour = QStringLiteral("#6988a0");
    int m_portBase = 100;
    bool m_singleCell = false;
};
