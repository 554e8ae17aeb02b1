#include "windowlayers.h"

#include <algorithm>

namespace WindowLayers {

QList<int> stackOrder(const QMap<int, int> &layers)
{
    QList<int> ids = layers.keys();
    std::stable_sort(ids.begin(), ids.end(), [&layers](int a, int b) {
        return layers.value(a) < layers.value(b);
    });
    return ids;
}

QMap<int, int> renumbered(const QMap<int, int> &layers)
{
    QMap<int, int> out;
    int layer = 1;
    for (int id : stackOrder(layers))
        out.insert(id, layer++);
    return out;
}

namespace {
QMap<int, int> swapWithNeighbour(QMap<int, int> layers, int id, bool above)
{
    if (!layers.contains(id))
        return layers;
    const int own = layers.value(id);
    int other = -1;
    for (auto it = layers.cbegin(); it != layers.cend(); ++it) {
        if (it.key() == id)
            continue;
        const bool candidate = above ? it.value() > own : it.value() < own;
        if (!candidate)
            continue;
        if (other < 0 ||
            (above ? it.value() < layers.value(other) : it.value() > layers.value(other)))
            other = it.key();
    }
    if (other >= 0) {
        layers.insert(id, layers.value(other));
        layers.insert(other, own);
    }
    return layers;
}
} // namespace

QMap<int, int> layerUp(QMap<int, int> layers, int id)
{
    return swapWithNeighbour(std::move(layers), id, true);
}

QMap<int, int> layerDown(QMap<int, int> layers, int id)
{
    return swapWithNeighbour(std::move(layers), id, false);
}

QMap<int, int> layerToTop(QMap<int, int> layers, int id)
{
    if (!layers.contains(id))
        return layers;
    const QList<int> values = layers.values();
    layers.insert(id, *std::max_element(values.cbegin(), values.cend()) + 1);
    return renumbered(layers);
}

QMap<int, int> layerToBottom(QMap<int, int> layers, int id)
{
    if (!layers.contains(id))
        return layers;
    const QList<int> values = layers.values();
    layers.insert(id, *std::min_element(values.cbegin(), values.cend()) - 1);
    return renumbered(layers);
}

int allocateId(const QList<int> &used, int &next)
{
    if (next < 1)
        next = 1;
    for (int tries = 0; used.contains(next); ++tries) {
        if (tries >= 101)
            return -1;
        next = 1;
        while (used.contains(next) && next <= 101)
            ++next;
    }
    return next;
}

} // namespace WindowLayers
