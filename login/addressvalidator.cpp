#include "addressvalidator.h"

AddressValidator::AddressValidator(Kind kind, QObject *parent)
    : QValidator(parent)
    , m_kind(kind)
{
}

QValidator::State AddressValidator::validate(QString &input, int &) const
{
    return check(m_kind, input);
}

QValidator::State AddressValidator::check(Kind kind, const QString &text)
{
    switch (AddressRules::check(kind, text)) {
    case AddressRules::State::Acceptable:
        return Acceptable;
    case AddressRules::State::Intermediate:
        return Intermediate;
    case AddressRules::State::Invalid:
        break;
    }
    return Invalid;
}
