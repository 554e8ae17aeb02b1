#pragma once

#include <QValidator>

// Judges what an operator types for a device address: Acceptable only when the text is
// complete and valid, Intermediate while it can still become so, Invalid otherwise.
// `problem()` says in one sentence what is wrong. GUI thread.
class AddressValidator : public QValidator
{
    Q_OBJECT

public:
    enum class Kind { IPv4, SubnetMask, Mac, Host, Port };

    explicit AddressValidator(Kind kind, QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;
    static State check(Kind kind, const QString &text);
    // Empty when the text is Acceptable.
    static QString problem(Kind kind, const QString &text);

private:
    Kind m_kind;
};
