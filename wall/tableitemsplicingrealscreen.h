#pragma once

#include <QTableWidgetItem>

// One real screen of the wall in the splicing settings grid: its output number,
// resolution and rotation, shown on three indented lines. Not editable.
class TableItemSplicingRealScreen : public QTableWidgetItem
{
public:
    TableItemSplicingRealScreen(int output, const QString &resolution, const QString &rotation);

    int output() const { return m_output; }
    QString resolution() const { return m_resolution; }
    QString rotation() const { return m_rotation; }
    void setResolution(const QString &resolution);
    void setRotation(const QString &rotation);

private:
    void rebuildText();

    const int m_output;
    QString m_resolution;
    QString m_rotation;
};
