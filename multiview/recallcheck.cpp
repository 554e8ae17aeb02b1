#include "recallcheck.h"

#include <QCoreApplication>

namespace RecallCheck {

static QString state(bool received)
{
    if (received)
        return QCoreApplication::translate("RecallCheck", "Received");
    return QStringLiteral("<font color='red'>%1</font>")
        .arg(QCoreApplication::translate("RecallCheck", "Not Received"));
}

QString warningText(const Received &r)
{
    return QStringLiteral("<br>%1<br><br>%2<br>%3<br>%4<br>")
        .arg(QCoreApplication::translate(
                 "RecallCheck",
                 "Since logging in or since the last time you clicked refresh, the program needs "
                 "to receive the following three types of information firstly to recall plan "
                 "correctly: "),
             QCoreApplication::translate("RecallCheck",
                                         "(1) Current Windows Property And VIR Mode: %1")
                 .arg(state(r.windows)),
             QCoreApplication::translate("RecallCheck", "(2) Current Reasolution: %1")
                 .arg(state(r.resolution)),
             QCoreApplication::translate("RecallCheck", "(3) Current Rotate Degree: %1")
                 .arg(state(r.rotation)));
}

} // namespace RecallCheck
