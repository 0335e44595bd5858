#include "Field.h"

#include "DataSet.h"
#include "framework/Exception.h"

#include <QRegularExpression>

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
    if (m_def.type == db::ftBoolean) return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    return v.toString();
}

QString TField::DisplayText() const
{
    if (m_def.type == db::ftGraphic) return QStringLiteral("(GRAPHIC)");
    return AsString();
}

bool TField::AsBoolean() const
{
    const QVariant v = Value();
    if (v.isNull()) return false;
    if (m_def.type == db::ftBoolean || m_def.type == db::ftInteger) return v.toBool();
    throw Exception(QStringLiteral("Cannot access field '%1' as type Boolean").arg(m_def.name));
}

QImage TField::AsImage() const
{
    const QVariant v = Value();
    if (m_def.type != db::ftGraphic || v.isNull()) return {};
    if (v.canConvert<QImage>() && v.typeId() == QMetaType::QImage) return v.value<QImage>();
    return QImage::fromData(v.toByteArray());
}

namespace {
// The value `text` stands for in a field of `type`; an invalid QVariant when it stands
// for none, a null one for an empty text.
QVariant FromText(TFieldType type, const QString& text, bool& ok)
{
    ok = true;
    if (text.isEmpty()) return {};
    switch (type) {
    case db::ftInteger: {
        const int n = text.trimmed().toInt(&ok);
        return n;
    }
    case db::ftDate: {
        const QDate d = QDate::fromString(text.trimmed(), QLatin1String(TField::kDateFormat));
        ok = d.isValid();
        return d;
    }
    case db::ftBoolean: {
        const QString t = text.trimmed().toLower();
        ok = t == u"true" || t == u"false";
        return t == u"true";
    }
    case db::ftFMTBcd: {
        static const QRegularExpression number(QStringLiteral("^[-+]?[0-9]{1,21}$"));
        ok = number.match(text.trimmed()).hasMatch();
        return text.trimmed();
    }
    default:
        return text;
    }
}
} // namespace

bool TField::IsValidText(const QString& text) const
{
    bool ok = false;
    FromText(m_def.type, text, ok);
    return ok && (m_def.type != db::ftString || m_def.size <= 0 || text.size() <= m_def.size);
}

void TField::SetValue(const QVariant& value)
{
    if (m_index < 0) throw Exception(QStringLiteral("Field '%1' not found").arg(m_def.name));
    m_dataSet->SetFieldValue(m_index, value);
}

void TField::SetAsString(const QString& text)
{
    bool ok = false;
    const QVariant v = FromText(m_def.type, text, ok);
    if (!ok)
        throw Exception(QStringLiteral("'%1' is not a valid value for field '%2'").arg(text, m_def.name));
    // Text longer than the column is cut to it, as a copy of the column would hold it.
    if (m_def.type == db::ftString && m_def.size > 0 && text.size() > m_def.size)
        return SetValue(text.left(m_def.size));
    SetValue(text.isEmpty() ? QVariant() : v);
}

qint32 TField::AsInteger() const
{
    const QVariant v = Value();
    if (v.isNull()) return 0;
    switch (m_def.type) {
    case db::ftInteger:
    case db::ftBoolean:
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
