#pragma once

#include <QList>
#include <QMap>

// Layers and IDs of the multiview windows, as maps from window ID to layer (1 = bottom).
// Pure functions, so the layer orders are tested without a window.
namespace WindowLayers {

// IDs from the bottom layer to the top; equal layers keep ID order.
QList<int> stackOrder(const QMap<int, int> &layers);
// Layers 1, 2, 3, ... in stack order.
QMap<int, int> renumbered(const QMap<int, int> &layers);
// Swaps with the nearest layer above (below); unchanged when there is none.
QMap<int, int> layerUp(QMap<int, int> layers, int id);
QMap<int, int> layerDown(QMap<int, int> layers, int id);
QMap<int, int> layerToTop(QMap<int, int> layers, int id);
QMap<int, int> layerToBottom(QMap<int, int> layers, int id);

// The ID for a new window: `next` when free, otherwise the lowest free ID from 1 up,
// tried at most 101 times. Updates `next`; -1 when nothing was found.
int allocateId(const QList<int> &used, int &next);

} // namespace WindowLayers
