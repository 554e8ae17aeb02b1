#pragma once

#include <QMap>
#include <QString>
#include <QVector>

// The five lists of one PermissionInfo row, each right true when allowed.
struct PermissionRights
{
    QVector<bool> inputs;    // ports 1..8
    QVector<bool> outputs;   // ports 1..9
    QVector<bool> audio;     // ports 1..8
    QVector<bool> analog;    // ports 1..9
    QVector<bool> functions; // keys 0..27

    bool operator==(const PermissionRights &o) const
    {
        return inputs == o.inputs && outputs == o.outputs && audio == o.audio &&
               analog == o.analog && functions == o.functions;
    }
};

// Rights of ordinary users on ports and functions (table PermissionInfo, one row per user
// id) and the rights loaded for the logged-in user. An administrator (current user type 0
// in AppSettings) passes every check. Owned by the main window; GUI thread.
class PermissionStore
{
public:
    // Port kinds of hasPortRight.
    enum PortKind : int { Input = 0, Output = 1, Audio = 2, Analog = 3 };

    // Positions in ListInfo.
    enum FunctionKey : int {
        SplicingSetting = 0,
        SplicingWall = 1,
        Osd = 2,
        Edid = 3,
        Volume = 4,
        Hdcp = 5,
        Splice = 6,
        Resolution = 7,
        NoSignalOutput = 8,
        ScalingMode = 9,
        SwitchLayout = 10,
        PlanOperation = 11,
        NoSignalInput = 12,
        OutputGraphicsTest = 13,
        InputGraphicsTest = 14,
        NetWork = 15,
        Caption = 16,
        User = 17,
        Bezel = 18,
        Dhcp = 19,
        LoginFreeOption = 20,
        VersionInformation = 21,
        VideoSwitch = 22,
        AudioSwitch = 23,
        HdmiAudioSwitch = 24,
        InfraredSwitch = 25,
        CloseOpenOutput = 26,
        PausePlayOutput = 27,
        FunctionKeyCount = 28
    };

    // Creates the table; no rights loaded, user id 1.
    PermissionStore();
    static bool createTable();

    // Loads the rights of userName. An unknown name keeps the stored user id; id 1 (the
    // seeded administrator) never has restrictions loaded.
    void loadForUser(const QString &userName);
    int userId() const { return m_userId; }
    // The loaded user's own rights, whatever the current user's type; empty lists for
    // the administrator row and before any load.
    const PermissionRights &loadedRights() const { return m_loaded; }

    bool hasFunctionRight(int key) const;
    // Kind 0 input, 1 output, 2 audio, 3 analog; any other kind is allowed.
    bool hasPortRight(int port, int kind) const;

    // A row with every right allowed, replacing the user's earlier row. False when the
    // name is unknown.
    bool createDefaultRights(const QString &userName);
    bool saveRights(int id,
                    const QVector<bool> &inputs,
                    const QVector<bool> &outputs,
                    const QVector<bool> &audio,
                    const QVector<bool> &analog,
                    const QVector<bool> &functions);
    bool saveRights(int id, const PermissionRights &rights);
    bool deleteRights(int id);
    // Empty lists when the user has no row.
    PermissionRights readRights(int id) const;

    // "1"/"0" joined by "/"; an empty list gives "".
    static QString encode(const QVector<bool> &rights);
    // A part counts as allowed when it is a non-zero integer; empty or other text denies.
    // An empty or null text holds no rights at all.
    static QVector<bool> decode(const QString &text);

private:
    static bool userIdOf(const QString &userName, int *id);

    int m_userId = 1;
    QMap<int, bool> m_inputs;
    QMap<int, bool> m_outputs;
    QMap<int, bool> m_audio;
    QMap<int, bool> m_analog;
    QMap<int, bool> m_functions;
    PermissionRights m_loaded;
};
