#include "Params.h"

#include "framework/Exception.h"

void TParam::SetAsString(const QString& value)
{
    m_dataType = db::ftString;
    m_value = value;
}

void TParam::SetAsInteger(qint32 value)
{
    m_dataType = db::ftInteger;
    m_value = QVariant::fromValue<qint32>(value);
}

TParam* TParams::FindParam(const QString& name) const
{
    for (int i = 0; i < Count(); ++i)
        if (At(i)->Name().compare(name, Qt::CaseInsensitive) == 0) return At(i);
    return nullptr;
}

TParam& TParams::ParamByName(const QString& name) const
{
    if (TParam* p = FindParam(name)) return *p;
    throw Exception(QStringLiteral("Parameter '%1' not found").arg(name));
}
