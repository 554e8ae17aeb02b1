#pragma once

#include <QObject>

struct WindowContext;

// The device's pages per model: which tabs, lists, audio pages and wall controls a
// device code shows, the output names and grid shapes, and the HDMI audio layout.
// Runs again on every version record, so it only re-shapes what exists. GUI thread.
class PageConfigurator : public QObject
{
    Q_OBJECT

public:
    enum TabIndex { VideoTab = 0, JointTab, AudioTab, InfaredTab, SettingTab, AboutTab };

    PageConfigurator(WindowContext &context, QObject *parent);

    void configurePages();
    void rebuildOutputNamesAndGrids();
    void refreshListDisplay();
    void applyHdmiAudioLayout();
    void applyTabStyle(bool shifted);
    void onTabChanged(int index);
    void writeJointTabText();

private:
    void configureMatrix();
    void configureMultiview();

    WindowContext &m_context;
};
