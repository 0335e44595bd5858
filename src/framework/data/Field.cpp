#include "Field.h"

#include "DataSet.h"
#include "framework/Exception.h"

TField::TField(TDataSet* dataSet, const TFieldDef& def, int index)
    : m_dataSet(dataSet)
    , m_def(def)
    , m_index(index)
{
}

int TField::DisplayWidth() const
{
    if (m_displayWidth > 0) return m_displayWidth;
    return m_def.type == db::ftString && m_def.size > 0 ? m_def.size : 10;
}

TAlignment TField::Alignment() const
{
    return m_def.type == db::ftInteger || m_def.type == db::ftFMTBcd ? fw::taRightJustify : fw::taLeftJustify;
}

QVariant TField::Value() const { return m_index < 0 ? QVariant() : m_dataSet->ActiveValue(m_index); }

QString TField::AsString() const
{
    const QVariant v = Value();
    if (v.isNull()) return {};
    if (m_def.type == db::ftDate) return v.toDate().toString(QLatin1String(kDateFormat));
    return v.toString();
}

qint32 TField::AsInteger() const
{
    const QVariant v = Value();
    if (v.isNull()) return 0;
    switch (m_def.type) {
    case db::ftInteger:
        return v.toInt();
    case db::ftString:
    case db::ftFMTBcd: {
        bool ok = false;
        const qint32 n = v.toString().trimmed().toInt(&ok);
        if (!ok) throw Exception(QStringLiteral("'%1' is not a valid integer value").arg(v.toString()));
        return n;
    }
    default:
        throw Exception(QStringLiteral("Cannot access field '%1' as type Integer").arg(m_def.name));
    }
}

QDate TField::AsDate() const
{
    const QVariant v = Value();
    if (v.isNull()) return {};
    if (m_def.type == db::ftDate) return v.toDate();
    if (m_def.type == db::ftString) {
        const QDate d = QDate::fromString(v.toString(), QLatin1String(kDateFormat));
        if (d.isValid()) return d;
        throw Exception(QStringLiteral("'%1' is not a valid date").arg(v.toString()));
    }
    throw Exception(QStringLiteral("Cannot access field '%1' as type Date").arg(m_def.name));
}
