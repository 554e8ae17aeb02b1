#include "portrename.h"

#include "appsettings.h"
#include "portnamestore.h"
#include "sigmanager.h"

namespace PortRename {

Target targetFor(GridLayout::Kind kind, int port)
{
    switch (kind) {
    case GridLayout::Kind::Video:
        return Target::VideoOutput;
    case GridLayout::Kind::HdmiAudio:
        return Target::HdmiAudioOutput;
    case GridLayout::Kind::Infrared:
        return Target::InfraredOutput;
    case GridLayout::Kind::Audio0808S:
        return port > 100 ? Target::HdmiAudioOutput : Target::AudioOutput;
    case GridLayout::Kind::Audio:
        break;
    }
    return Target::AudioOutput;
}

int storePort(Target target, int port)
{
    return target == Target::HdmiAudioOutput && port > 100 ? port - 100 : port;
}

bool save(Target target, int port, const QString &name)
{
    AppSettings *settings = AppSettings::instance();
    const int stored = storePort(target, port);
    bool ok = false;
    switch (target) {
    case Target::Input: {
        ok = PortNameStore::savePortName(stored, name, PortNameStore::InputVideo);
        QMap<int, QString> names = settings->inputNames();
        names.insert(stored, name);
        settings->setInputNames(names);
        emit SigManager::instance()->Sig_RenameInputSignals(stored);
        emit SigManager::instance()->Sig_RenameInputHDMIAudioSignals(stored);
        break;
    }
    case Target::AudioSource: {
        ok = PortNameStore::savePortName(stored, name, PortNameStore::InputAudio);
        QMap<int, QString> names = settings->audioNames();
        names.insert(stored, name);
        settings->setAudioNames(names);
        emit SigManager::instance()->Sig_RenameInputAudioSignals(stored);
        break;
    }
    case Target::VideoOutput:
    case Target::HdmiAudioOutput: {
        ok = PortNameStore::savePortName(stored, name, PortNameStore::OutputVideo);
        QMap<int, QString> names = settings->outputNames();
        names.insert(stored, name);
        settings->setOutputNames(names);
        break;
    }
    case Target::AudioOutput:
        ok = PortNameStore::saveOutAudioName(stored, name);
        break;
    case Target::InfraredOutput:
        ok = PortNameStore::saveOutInfraredName(stored, name);
        break;
    }
    return ok;
}

} // namespace PortRename
