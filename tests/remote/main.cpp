#include <QCoreApplication>

int runRemoteTests(int argc, char *argv[]);
int runRemoteRules(int argc, char *argv[]);

// Two test classes in the area's one program: the server against the simulator, and
// its rules without a device.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int server = runRemoteTests(argc, argv);
    const int rules = runRemoteRules(argc, argv);
    return server | rules;
}
