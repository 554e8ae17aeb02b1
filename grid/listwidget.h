#pragma once

#include <QListWidget>
#include <QMap>

#include <functional>

// The signal list the user drags sources from: eight audio sources (positions 0-7) then
// eight video inputs (8-15). Role 256 the port as text, 257 the name, 258 0 audio / 1
// input. GUI thread.
class ListWidget : public QListWidget
{
    Q_OBJECT

public:
    enum class DisplayMode { Video = 0, Audio = 1, Infrared = 2 };

    explicit ListWidget(QWidget *parent = nullptr);

    // Names missing from the maps read "Audio %1" / "Input %1".
    void rebuild(const QMap<int, QString> &audioNames, const QMap<int, QString> &inputNames);
    // Audio items show only in audio mode, and never on device codes 2 and 3.
    void setDisplayMode(DisplayMode mode, int deviceCode);
    // Whether the row belongs to the page beside the list; the filter never shows one that
    // does not.
    void setOnPage(int row, bool onPage);
    // Shows, of the page's items, those whose text the filter accepts; none shows every one.
    void setTextFilter(std::function<bool(const QString &)> accepts);
    // Input items green with a signal, dark without.
    void setInputPresence(const QMap<int, bool> &present);
    // The source an item stands for, as a drag carries it: n audio, 100 + n input.
    static int sourceOf(const QListWidgetItem *item);
    // The next shown item after the current one (wrapping) with that port number.
    QListWidgetItem *nextVisibleWithNumber(int number) const;

protected:
    QMimeData *mimeData(const QList<QListWidgetItem *> items) const override;

private:
    void applyVisibility();

    std::function<bool(const QString &)> m_accepts;
};
