#pragma once

#include <QObject>

// Application-wide notifications between windows that do not know each other.
// Process-wide, created on first use, lives on the GUI thread.
class SigManager : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(SigManager)

public:
    static SigManager *instance();

signals:
    void Sig_UpdateVolumes();
    void Sig_RenameInputSignals(int inPut);
    void Sig_RenameInputAudioSignals(int inPut);
    void Sig_RenameInputHDMIAudioSignals(int input);
    void Sig_UpdateOutputInfo();

private:
    SigManager() = default;
};
