#pragma once

#include "addressrules.h"

#include <QValidator>

// An address field's validator: the address rules' verdict while the operator types.
// GUI thread.
class AddressValidator : public QValidator
{
    Q_OBJECT

public:
    using Kind = AddressRules::Kind;

    explicit AddressValidator(Kind kind, QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;
    static State check(Kind kind, const QString &text);
    // Empty when the text is Acceptable.
    static QString problem(Kind kind, const QString &text)
    {
        return AddressRules::problem(kind, text);
    }

private:
    Kind m_kind;
};
