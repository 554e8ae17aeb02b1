#pragma once

#include <QMap>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <functional>

// The splitter model's one output divided into areas: draws the current layout with
// the input each area carries, takes inputs dropped from the signal list and clears an
// area on a double click. GUI thread.
class SingleSplitterWidget : public QWidget
{
    Q_OBJECT

public:
    explicit SingleSplitterWidget(QWidget *parent = nullptr);

    int layoutMode() const { return m_mode; }
    int selectedArea() const { return m_selected; }
    QString areaText(int area) const { return m_texts.value(area); }
    // Input number to name, for the area texts.
    void setInputNames(std::function<QString(int)> names) { m_names = std::move(names); }
    // Why a drop of `input` on an area (0: a clear) is refused, empty when it is not;
    // sets *noRight when the user lacks the right. Unset: nothing is refused.
    using DropCheck = std::function<QString(int input, bool *noRight)>;
    void setDropCheck(DropCheck check) { m_dropCheck = std::move(check); }
    // Take mode: stages `input` (0: a clear) for `area` instead of sending it; returns
    // the refusal, empty when staged. Unset, drops go out at once.
    using StageHook = std::function<QString(int input, int area)>;
    void setStageHook(StageHook hook) { m_stageHook = std::move(hook); }
    // Staged inputs by area (0: a staged clear), drawn beside the live ones.
    void setPending(const QMap<int, int> &pending);
    QString pendingText(int area) const;

    void setLayout(int mode);
    // Area texts from the splitter routing of the device-state store.
    void refreshTexts();
    int hitTest(const QPointF &point) const;

signals:
    void si_layout_change(int mode);
    void si_drop(int input, int output);
    void refused(const QString &reason);
    void si_showPermissionWarningDialog();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    QString textFor(int input) const;
    // Sends `input` (0: clear) to `area` unless refused; the text follows only a send.
    void take(int input, int area);

    int m_mode = 0;
    QMap<int, QRectF> m_areas;
    QMap<int, QString> m_texts;
    int m_selected = -1;
    std::function<QString(int)> m_names;
    DropCheck m_dropCheck;
    StageHook m_stageHook;
    QMap<int, int> m_pending;
};
