#pragma once

#include "framelessdialog.h"

#include <QMap>
#include <QPointer>

class InputSignalWidget0409;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QSpinBox;

// Edits one multiview window's input, position and size in wall pixels. Apply sends
// WindowResize for the same input and WindowOpen for another. Modal, per use.
class DialogWindowProperty : public FramelessDialog
{
    Q_OBJECT

public:
    DialogWindowProperty(InputSignalWidget0409 *window,
                         const QMap<int, QString> &inputNames,
                         QWidget *parent = nullptr);

    void apply();

private:
    QSpinBox *spinBox(const char *name, int value);
    QGroupBox *
    infoGroup(InputSignalWidget0409 *window, const QMap<int, QString> &inputNames, QWidget *body);
    QWidget *geometryGroup(const QRect &device, QWidget *body);

    QPointer<InputSignalWidget0409> m_window;
    QLineEdit *m_id = nullptr;
    QLineEdit *m_layer = nullptr;
    QComboBox *m_source = nullptr;
    QSpinBox *m_x = nullptr;
    QSpinBox *m_y = nullptr;
    QSpinBox *m_width = nullptr;
    QSpinBox *m_height = nullptr;
};
