#include "tableitemsplicingrealscreen.h"

TableItemSplicingRealScreen::TableItemSplicingRealScreen(int output,
                                                         const QString &resolution,
                                                         const QString &rotation)
    : m_output(output)
    , m_resolution(resolution)
    , m_rotation(rotation)
{
    setFlags(flags() & ~Qt::ItemIsEditable);
    rebuildText();
}

void TableItemSplicingRealScreen::setResolution(const QString &resolution)
{
    m_resolution = resolution;
    rebuildText();
}

void TableItemSplicingRealScreen::setRotation(const QString &rotation)
{
    m_rotation = rotation;
    rebuildText();
}

void TableItemSplicingRealScreen::rebuildText()
{
    setText(QStringLiteral("    %1\n    %2\n    %3").arg(m_output).arg(m_resolution, m_rotation));
}
